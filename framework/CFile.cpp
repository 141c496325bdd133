#include "framework/CFile.h"

CFile::~CFile()
{
    Close();
}

bool CFile::Open(const wchar_t* path, UINT flags, CString& error)
{
    Close();
    const bool write = (flags & modeWrite) != 0;
    const DWORD access = write ? GENERIC_WRITE : GENERIC_READ;
    const DWORD share = write ? 0 : FILE_SHARE_READ;
    const DWORD disposition = (flags & modeCreate) ? CREATE_ALWAYS : OPEN_EXISTING;
    m_file = CreateFileW(path, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (IsOpen())
    {
        m_errorText.Empty();
        return true;
    }
    Fail();
    error = m_errorText;
    return false;
}

void CFile::Close()
{
    if (!IsOpen())
        return;
    CloseHandle(m_file);
    m_file = INVALID_HANDLE_VALUE;
}

bool CFile::Read(void* buffer, UINT count, UINT& read)
{
    DWORD done = 0;
    read = 0;
    if (!ReadFile(m_file, buffer, count, &done, nullptr))
        return Fail();
    read = done;
    return true;
}

bool CFile::Write(const void* buffer, UINT count)
{
    DWORD done = 0;
    if (!WriteFile(m_file, buffer, count, &done, nullptr))
        return Fail();
    if (done != count)
    {
        // A short write without an error code: the volume is full.
        m_errorText = FormatSystemError(ERROR_DISK_FULL);
        return false;
    }
    return true;
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER size{};
    return GetFileSizeEx(m_file, &size) ? static_cast<ULONGLONG>(size.QuadPart) : 0;
}

ULONGLONG CFile::GetPosition() const
{
    LARGE_INTEGER zero{}, position{};
    return SetFilePointerEx(m_file, zero, &position, FILE_CURRENT) ? static_cast<ULONGLONG>(position.QuadPart) : 0;
}

bool CFile::Fail()
{
    m_errorText = FormatSystemError(GetLastError());
    return false;
}

CString CFile::FormatSystemError(DWORD code)
{
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
        MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    CString result(text, static_cast<int>(length));
    LocalFree(text);
    return result.TrimRight();
}
