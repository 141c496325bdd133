#include "standins/icq/CIcqFileTransfer.h"
#include <shlobj.h>
#include <shlwapi.h>

bool CIcqFileTransfer::Send(int uin, const CString& path, CString* received) const
{
    const CIcqClientConfig::Contact* contact = m_config.Find(uin);
    DWORD error = ERROR_SUCCESS;
    if (!m_config.IsRunning())
        error = ERROR_SERVICE_NOT_ACTIVE;
    else if (!contact)
        error = ERROR_NOT_FOUND;
    else if (!contact->online)
        error = ERROR_NOT_CONNECTED;
    else if (path.IsEmpty())
        error = ERROR_FILE_NOT_FOUND;
    if (error != ERROR_SUCCESS)
    {
        SetLastError(error);
        return false;
    }

    CString folder = m_config.GetFilesFolder(uin);
    int created = SHCreateDirectoryExW(nullptr, folder, nullptr);
    if (created != ERROR_SUCCESS && created != ERROR_ALREADY_EXISTS)
    {
        SetLastError(static_cast<DWORD>(created));
        return false;
    }
    CString copy = FreeName(folder, PathFindFileNameW(path));
    if (!CopyFileW(path, copy, TRUE))
        return false;
    if (received)
        *received = copy;
    return true;
}

CString CIcqFileTransfer::FreeName(const CString& folder, const CString& fileName)
{
    CString candidate = folder + L"\\" + fileName;
    CString extension = PathFindExtensionW(fileName);
    CString stem = fileName.Left(fileName.GetLength() - extension.GetLength());
    for (int number = 2; GetFileAttributesW(candidate) != INVALID_FILE_ATTRIBUTES; ++number)
        candidate.Format(L"%s\\%s (%d)%s", folder.GetString(), stem.GetString(), number, extension.GetString());
    return candidate;
}
