#pragma once
// CFile: a file opened through a Win32 handle, for reading or for writing from the start.
// Every failure gives false and keeps the system's text of its cause (GetErrorText).
#include "framework/CString.h"

class CFile
{
public:
    enum OpenFlags : UINT
    {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeCreate = 0x1000, // with modeWrite: create the file, or empty an existing one
    };

    CFile() = default;
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // error receives the system's description of an open failure.
    bool Open(const wchar_t* path, UINT flags, CString& error);
    void Close();
    bool IsOpen() const { return m_file != INVALID_HANDLE_VALUE; }

    // read receives the bytes read; fewer than count only at the end of the file.
    bool Read(void* buffer, UINT count, UINT& read);
    bool Write(const void* buffer, UINT count);
    ULONGLONG GetLength() const;
    ULONGLONG GetPosition() const;

    // The system's text of the last failure (empty after a successful Open).
    const CString& GetErrorText() const { return m_errorText; }
    // The system's message text of a Win32 error code; empty when the system has none.
    static CString FormatSystemError(DWORD code);

private:
    bool Fail();

    HANDLE m_file = INVALID_HANDLE_VALUE;
    CString m_errorText;
};
