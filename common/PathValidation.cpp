#include "common/PathValidation.h"
#include "common/PathHelpers.h"
#include "framework/AppMessageBox.h"

namespace
{
const wchar_t kTooLong[] = L"File/directory name too long (max. %d characters).";
const wchar_t kEmptyDirectory[] = L"Invalid path name (empty directory).";

bool IsSeparator(wchar_t ch)
{
    return ch == L'\\' || ch == L'/';
}

bool SetTooLong(CString& error)
{
    error.Format(kTooLong, kMaxFileNameLength);
    return false;
}

// What a name is checked as: a file name may not begin with "."; a folder level may
// (".cache", ".config"), but the levels "." and ".." name no folder of their own; any
// name is not checked for that at all.
enum class NameKind
{
    File,
    FolderLevel,
    Any,
};

bool ValidateName(const CString& name, NameKind kind, CString& error);

// Checks every folder name of a relative folder path, whose names end at one of the
// separators; a missing final separator is supplied.
bool ValidateFolderNames(CString folders, const wchar_t* separators, CString& error)
{
    if (!wcschr(separators, folders[folders.GetLength() - 1]))
        folders += separators[0];
    int start = 0;
    while (start < folders.GetLength())
    {
        int end = static_cast<int>(wcscspn(folders.GetString() + start, separators)) + start;
        if (end == start)
        {
            error = kEmptyDirectory;
            return false;
        }
        if (!ValidateName(folders.Mid(start, end - start), NameKind::FolderLevel, error))
            return false;
        start = end + 1;
    }
    return true;
}
bool LacksName(const CString& trimmed, NameKind kind)
{
    switch (kind)
    {
    case NameKind::File:
        return trimmed.IsEmpty() || trimmed[0] == L'.';
    case NameKind::FolderLevel:
        return trimmed.IsEmpty() || trimmed == L"." || trimmed == L"..";
    default:
        return false;
    }
}

bool ValidateName(const CString& name, NameKind kind, CString& error)
{
    error.Empty();
    CString trimmed = name;
    trimmed.Trim(L" ");

    // The system ignores trailing blanks, so "con " is the device as well.
    static const wchar_t* const kDevices[] = {L"aux", L"con", L"lpt1", L"prn"};
    for (const wchar_t* device : kDevices)
    {
        if (trimmed.CompareNoCase(device) == 0)
        {
            error = L"File/directory name is a reserved device name (aux, con, lpt1, prn).";
            return false;
        }
    }
    if (name.GetLength() > kMaxFileNameLength)
        return SetTooLong(error);
    if (LacksName(trimmed, kind))
    {
        error = L"Please provide a file name.";
        return false;
    }

    bool valid = true;
    for (int i = 0; i < name.GetLength(); ++i)
    {
        wchar_t ch = name[i];
        if (ch < 32)
        {
            error = L"File/directory name contains invalid characters (range 0 trough 31).";
            return false;
        }
        if (wcschr(L"<>:\\\"/|?*", ch))
        {
            error = L"File/directory name contains reserved characters (<>:\\\"/|?*).";
            valid = false;
        }
    }
    return valid;
}
} // namespace

bool ValidateFileName(const CString& name, CString& error)
{
    return ValidateName(name, NameKind::File, error);
}

bool ValidateNameAndShow(const CString& name, bool show)
{
    CString error;
    if (ValidateName(name, NameKind::Any, error))
        return true;
    // This check's own text for the reserved characters names them without the backslash.
    if (error.Find(L"reserved characters") >= 0)
        error = L"File/directory name contains reserved characters (<>:\"/|?*).";
    if (show)
        AppMessageBox(error, MB_OK | MB_ICONINFORMATION);
    return false;
}

bool ValidatePath(const CString& path, CString& error)
{
    error.Empty();
    if (path.GetLength() > kMaxPathLength)
    {
        error.Format(L"Path name too long (max. %d characters).", kMaxPathLength);
        return false;
    }

    CString name, extension, folder;
    SplitPath(path, name, extension, folder);
    bool hasDrive = folder.GetLength() >= 2 && folder[1] == L':';
    CString drive = hasDrive ? folder.Left(2) : CString();
    CString directory = hasDrive ? folder.Mid(2) : folder;

    bool isNetworkPath = directory.GetLength() > 2 && IsSeparator(directory[0]) && IsSeparator(directory[1]);
    if (!hasDrive && !isNetworkPath)
    {
        error = L"Invalid path name. Please correct.";
        return false;
    }
    if (directory.GetLength() == 1 && IsSeparator(directory[0]))
        return true;
    if (directory.GetLength() > kMaxFileNameLength)
        return SetTooLong(error);

    if (directory.GetLength() >= 2 && IsSeparator(directory[0]) && IsSeparator(directory[1]))
    {
        directory = directory.Mid(2);
        if (!directory.IsEmpty() && IsSeparator(directory[0]))
        {
            error = L"Invalid path name (three consecutive slashes or backslashes).";
            return false;
        }
    }
    else if (!directory.IsEmpty() && IsSeparator(directory[0]))
    {
        directory = directory.Mid(1);
    }

    if (directory.IsEmpty())
    {
        if (hasDrive && !(name + extension).IsEmpty())
            return true;
        error = kEmptyDirectory;
        return false;
    }
    return ValidateFolderNames(directory, L"\\/", error);
}

bool ValidateDirectory(const CString& directory, CString& error)
{
    error.Empty();
    if (directory.IsEmpty())
    {
        error = L"Empty directory.";
        return false;
    }
    if (directory.GetLength() > kMaxFileNameLength)
        return SetTooLong(error);
    if (directory[0] != L'/')
    {
        error = L"Invalid directory name.";
        return false;
    }

    CString folders = directory.Mid(1);
    return folders.IsEmpty() || ValidateFolderNames(folders, L"/", error);
}
