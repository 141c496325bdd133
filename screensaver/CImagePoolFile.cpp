#include "screensaver/CImagePoolFile.h"

#include "screensaver/ScreenSaverSettings.h"

#include "common/PathHelpers.h"
#include <string>

namespace
{
const char kBom[] = "\xEF\xBB\xBF";

// The bytes as text: UTF-8 after a mark or when they are valid UTF-8, else ANSI.
std::wstring Decode(std::string bytes)
{
    UINT codePage = CP_UTF8;
    DWORD flags = MB_ERR_INVALID_CHARS;
    if (bytes.compare(0, 3, kBom) == 0)
    {
        bytes.erase(0, 3);
        flags = 0;
    }
    if (bytes.empty())
        return {};
    int length = MultiByteToWideChar(codePage, flags, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    if (length == 0)
    {
        codePage = CP_ACP;
        length = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    }
    std::wstring text(length, L'\0');
    MultiByteToWideChar(codePage, codePage == CP_UTF8 ? flags : 0, bytes.data(), static_cast<int>(bytes.size()),
                        &text[0], length);
    return text;
}
} // namespace

CImagePoolFile::ReadResult CImagePoolFile::Read(const CString& path, std::vector<CString>& paths)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (path.IsEmpty() || file == INVALID_HANDLE_VALUE)
        return ReadNotOpened;
    std::string bytes;
    char chunk[4096];
    DWORD read = 0;
    BOOL ok;
    while ((ok = ReadFile(file, chunk, sizeof(chunk), &read, nullptr)) && read > 0)
        bytes.append(chunk, read);
    CloseHandle(file);
    if (!ok)
        return ReadFailed;
    paths.clear();
    const std::wstring text = Decode(bytes);
    size_t start = 0;
    while (start < text.size())
    {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos)
            end = text.size();
        CString line(text.substr(start, end - start).c_str());
        line.TrimRight(L"\r");
        if (!line.IsEmpty())
            paths.push_back(line);
        start = end + 1;
    }
    return ReadDone;
}

CImagePoolFile::WriteResult CImagePoolFile::Write(const CString& folder, const std::vector<CString>& paths)
{
    if (folder.IsEmpty())
        return WriteNoFolder;
    CString ignored;
    if (GetFileAttributesW(folder) == INVALID_FILE_ATTRIBUTES && !CreateDirectoryPath(folder + L"\\", ignored))
        return WriteNoFolder;
    std::string bytes = kBom;
    for (const CString& path : paths)
        bytes += path.ToAnsi(CP_UTF8) + "\r\n";
    HANDLE file = CreateFileW(ImagePoolFilePath(folder), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return WriteFailed;
    DWORD written = 0;
    bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
              written == bytes.size();
    ok = CloseHandle(file) && ok;
    return ok ? WriteDone : WriteFailed;
}

CString CImagePoolFile::Join(const std::vector<CString>& paths)
{
    CString text;
    for (const CString& path : paths)
        text += path + L"%&?";
    return text;
}
