#pragma once
// CFtpConnection: one logged-in FTP connection of a CInternetSession, which
// makes it. Failures give false plus the text of their cause (GetErrorText),
// made as CInternetSession::GetInternetErrorText makes it.
#include "framework/CString.h"
#include <windows.h>
#include <wininet.h>

class CFtpConnection
{
public:
    // Takes ownership of the connection handle.
    explicit CFtpConnection(HINTERNET connection);
    ~CFtpConnection();
    CFtpConnection(const CFtpConnection&) = delete;
    CFtpConnection& operator=(const CFtpConnection&) = delete;

    bool SetCurrentDirectory(const wchar_t* folder);
    // Makes one folder; its parent must exist.
    bool CreateDirectory(const wchar_t* folder);
    // Sends the local file to the server under the remote name.
    bool PutFile(const wchar_t* localFile, const wchar_t* remoteFile, DWORD flags = FTP_TRANSFER_TYPE_BINARY,
                 DWORD_PTR context = 1);
    void Close();

    // The cause of the last failure, empty after a success.
    const CString& GetErrorText() const { return m_errorText; }

private:
    bool Check(BOOL done);

    HINTERNET m_connection;
    CString m_errorText;
};
