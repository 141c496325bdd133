#include "common/PathHelpers.h"
#include "common/PathValidation.h"
#include "common/SystemHelpers.h"
#include "framework/AppFileDialog.h"
#include "framework/AppMessageBox.h"

namespace
{
const wchar_t kSeparators[] = L"\\/";

bool IsSeparator(wchar_t ch)
{
    return ch == L'\\' || ch == L'/';
}

bool FolderExists(const CString& folder)
{
    DWORD attributes = GetFileAttributesW(folder);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
} // namespace

bool FileExists(const CString& path)
{
    HANDLE file =
        CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

void SplitPath(const CString& path, CString& name, CString& extension, CString& folder)
{
    CString cut = path.Left(kMaxPathLength);
    int driveLength = cut.GetLength() >= 2 && cut[1] == L':' ? 2 : 0;
    int fileStart = driveLength;
    for (int i = driveLength; i < cut.GetLength(); ++i)
    {
        if (IsSeparator(cut[i]))
            fileStart = i + 1;
    }
    folder = cut.Left(fileStart);
    CString file = cut.Mid(fileStart);
    int dot = file.ReverseFind(L'.');
    name = dot < 0 ? file : file.Left(dot);
    extension = dot < 0 ? CString() : file.Mid(dot);
}

void AddTrailingSlash(CString& path, bool backslash)
{
    if (path.IsEmpty() || IsSeparator(path[path.GetLength() - 1]))
        return;
    path += backslash ? L'\\' : L'/';
}

void RemoveTrailingSlash(CString& path)
{
    path.TrimRight(kSeparators);
}

CString GetModulePath()
{
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return length < MAX_PATH ? CString(path, static_cast<int>(length)) : CString();
}

CString GetModuleDirectory()
{
    CString path = GetModulePath();
    int last = path.ReverseFind(L'\\');
    return last < 0 ? CString() : path.Left(last);
}

bool EnsurePathExists(const CString& folder, bool ask)
{
    CString path = folder;
    AddTrailingSlash(path);
    if (FolderExists(path))
        return true;
    if (!ask || folder.IsEmpty())
        return false;

    CString question = L"Path '" + folder + L"' doesn't exist. Do you want to create it?";
    if (AppMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return false;
    CString error;
    if (CreateDirectoryPath(path, error))
        return true;
    AppMessageBox(error, MB_OK | MB_ICONINFORMATION);
    return false;
}

bool CreateDirectoryPath(const CString& path, CString& error)
{
    if (!ValidatePath(path, error))
        return false;
    CString name, extension, folder;
    SplitPath(path, name, extension, folder);
    if (folder.GetLength() < 3 || folder[1] != L':')
    {
        error.Format(L"The following path (%s), cannot be created. Error: empty drive or directory.", path.GetString());
        return false;
    }

    // Walks the folder names below the root, creating each missing level in turn.
    CString created = folder.Left(2);
    int start = IsSeparator(folder[2]) ? 3 : 2;
    while (start < folder.GetLength())
    {
        int end = static_cast<int>(wcscspn(folder.GetString() + start, kSeparators)) + start;
        created += L'\\' + folder.Mid(start, end - start);
        if (!EnsurePathExists(created, false) && !CreateDirectoryW(created, nullptr))
        {
            error.Format(L"The specified directory (%s) cannot be created. System error: %s.", path.GetString(),
                         GetLastErrorText().GetString());
            return false;
        }
        start = end + 1;
    }
    return true;
}

CString GetTempDirectory(const CString& folder)
{
    CString path = folder;
    AddTrailingSlash(path);
    CString error;
    if (EnsurePathExists(path, false) || (!path.IsEmpty() && CreateDirectoryPath(path, error)))
        return folder;
    wchar_t temp[MAX_PATH + 1];
    DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    return CString(temp, static_cast<int>(length <= MAX_PATH ? length : 0));
}

bool CheckFreeDiskSpace(const CString& filePath, DWORD neededBytes, CString& error)
{
    CString name, extension, folder;
    SplitPath(filePath, name, extension, folder);
    if (!EnsurePathExists(folder, false) && !CreateDirectoryPath(folder, error))
        return false;

    ULARGE_INTEGER available, total, totalFree;
    if (!GetDiskFreeSpaceExW(folder, &available, &total, &totalFree))
    {
        error.Format(L"There was a failure finding the free disk space calling GetFreeDiskEx. System error: %d",
                     static_cast<int>(GetLastError()));
        return false;
    }
    if (totalFree.QuadPart <= neededBytes)
    {
        error = L"There is not enough free space in order to save the image file " + filePath;
        return false;
    }
    error.Empty();
    return true;
}

bool BrowseForFolder(HWND owner, CString& folder, const CString& title)
{
    FileDialogRequest request;
    request.folder = true;
    request.initialPath = folder;
    request.title = title;
    request.owner = owner;
    const FileDialogResult result = AppFileDialog(request);
    if (!result.chosen || result.paths.empty())
        return false;
    folder = result.paths.front();
    return true;
}
