#pragma once
// CInternetSession: a WinInet session and the FTP connections made through it.
// Failures give false or null plus the text of their cause (GetErrorText): the
// system's text of the WinInet error, followed by the server's reply when the
// server gave one (a refused login, a refused command).
#include "framework/CString.h"
#include <memory>
#include <windows.h>
#include <wininet.h>

class CFtpConnection;

class CInternetSession
{
public:
    explicit CInternetSession(const wchar_t* agent = nullptr, DWORD_PTR context = 1,
                              DWORD accessType = INTERNET_OPEN_TYPE_PRECONFIG, const wchar_t* proxyName = nullptr,
                              const wchar_t* proxyBypass = nullptr, DWORD flags = 0);
    ~CInternetSession();
    CInternetSession(const CInternetSession&) = delete;
    CInternetSession& operator=(const CInternetSession&) = delete;

    bool IsOpen() const { return m_session != nullptr; }
    // A numeric option (INTERNET_OPTION_CONNECT_TIMEOUT, ...) of the session.
    bool SetOption(DWORD option, DWORD value);
    // A connection logged in to the FTP server; null when the server cannot be
    // reached or refuses the login. Close every connection before the session.
    std::unique_ptr<CFtpConnection> GetFtpConnection(const wchar_t* server, const wchar_t* userName,
                                                     const wchar_t* password, INTERNET_PORT port, bool passive);
    void Close();

    // The cause of the last failure, empty after a success.
    const CString& GetErrorText() const { return m_errorText; }
    // The system's text of a WinInet or Win32 error code; for the codes that
    // carry the server's reply, that reply is appended.
    static CString GetInternetErrorText(DWORD code);

private:
    HINTERNET m_session = nullptr;
    DWORD_PTR m_context;
    CString m_errorText;
};
