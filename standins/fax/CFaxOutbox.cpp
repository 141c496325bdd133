#include "standins/fax/CFaxOutbox.h"
#include <shlobj.h>
#include <shlwapi.h>
#include <algorithm>

namespace
{
// Job folder names have up to nine digits.
const long kHighestJobNumber = 999999999;

HRESULT LastError()
{
    return HRESULT_FROM_WIN32(GetLastError());
}
} // namespace

HRESULT CFaxOutbox::Queue(const CString& documentPath, const CFaxJob& fields, long& jobId) const
{
    DWORD attributes = GetFileAttributesW(documentPath);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return LastError();
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);

    long id = 0;
    CString jobFolder;
    HRESULT hr = CreateJobFolder(id, jobFolder);
    if (FAILED(hr))
        return hr;

    CString documentName = PathFindFileNameW(documentPath);
    CString copy = jobFolder + L"\\" + documentName;
    if (!CopyFileW(documentPath, copy, TRUE))
    {
        hr = LastError();
        RemoveDirectoryW(jobFolder);
        return hr;
    }

    CFaxJob job;
    job.Set(L"Id", CString(std::to_wstring(id)));
    job.Set(L"Document", documentName);
    job.Set(fields);
    if (!job.Save(jobFolder))
    {
        hr = LastError();
        DeleteFileW(jobFolder + L"\\" + CFaxJob::kJobFileName);
        DeleteFileW(copy);
        RemoveDirectoryW(jobFolder);
        return hr;
    }
    jobId = id;
    return S_OK;
}

long CFaxOutbox::NextJobNumber() const
{
    long highest = 0;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(m_folder + L"\\*", &found);
    if (search == INVALID_HANDLE_VALUE)
        return 1;
    do
    {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            highest = std::max(highest, CFaxJob::ParseJobNumber(found.cFileName));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return highest + 1;
}

HRESULT CFaxOutbox::CreateJobFolder(long& jobId, CString& jobFolder) const
{
    int created = SHCreateDirectoryExW(nullptr, m_folder, nullptr);
    if (created != ERROR_SUCCESS && created != ERROR_ALREADY_EXISTS)
        return HRESULT_FROM_WIN32(created);
    // Another sender may take a number between the search and the creation: then the
    // search runs again.
    for (;;)
    {
        jobId = NextJobNumber();
        if (jobId > kHighestJobNumber)
            return HRESULT_FROM_WIN32(ERROR_NO_MORE_ITEMS);
        jobFolder = m_folder + L"\\" + CString(std::to_wstring(jobId));
        if (CreateDirectoryW(jobFolder, nullptr))
            return S_OK;
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            return LastError();
    }
}
