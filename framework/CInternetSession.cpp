#include "framework/CInternetSession.h"

#include "framework/CFtpConnection.h"

#include <vector>

namespace
{
// The server's last reply to this thread, without its line end; empty when none.
CString GetServerReply()
{
    DWORD error = 0;
    DWORD length = 0;
    InternetGetLastResponseInfoW(&error, nullptr, &length);
    if (length == 0)
        return CString();
    std::vector<wchar_t> reply(length + 1, L'\0');
    if (!InternetGetLastResponseInfoW(&error, reply.data(), &length))
        return CString();
    CString text(reply.data());
    text.Trim();
    return text;
}

// The message table text of a code, looked up in the module when given, else in
// the system's table; empty when neither has it.
CString FormatCode(DWORD code, HMODULE module)
{
    wchar_t* buffer = nullptr;
    DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS |
                  (module ? FORMAT_MESSAGE_FROM_HMODULE : FORMAT_MESSAGE_FROM_SYSTEM);
    DWORD length = FormatMessageW(flags, module, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    CString text;
    if (length != 0 && buffer != nullptr)
        text = CString(buffer, static_cast<int>(length));
    LocalFree(buffer);
    text.Trim();
    return text;
}
} // namespace

CInternetSession::CInternetSession(const wchar_t* agent, DWORD_PTR context, DWORD accessType, const wchar_t* proxyName,
                                   const wchar_t* proxyBypass, DWORD flags)
    : m_context(context)
{
    m_session = InternetOpenW(agent, accessType, proxyName, proxyBypass, flags);
    if (m_session == nullptr)
        m_errorText = GetInternetErrorText(GetLastError());
}

CInternetSession::~CInternetSession()
{
    Close();
}

bool CInternetSession::SetOption(DWORD option, DWORD value)
{
    if (InternetSetOptionW(m_session, option, &value, sizeof(value)))
        return true;
    m_errorText = GetInternetErrorText(GetLastError());
    return false;
}

std::unique_ptr<CFtpConnection> CInternetSession::GetFtpConnection(const wchar_t* server, const wchar_t* userName,
                                                                   const wchar_t* password, INTERNET_PORT port,
                                                                   bool passive)
{
    HINTERNET connection = InternetConnectW(m_session, server, port, userName, password, INTERNET_SERVICE_FTP,
                                            passive ? INTERNET_FLAG_PASSIVE : 0, m_context);
    if (connection == nullptr)
    {
        m_errorText = GetInternetErrorText(GetLastError());
        return nullptr;
    }
    m_errorText.Empty();
    return std::unique_ptr<CFtpConnection>(new CFtpConnection(connection));
}

void CInternetSession::Close()
{
    if (m_session != nullptr)
        InternetCloseHandle(m_session);
    m_session = nullptr;
}

CString CInternetSession::GetInternetErrorText(DWORD code)
{
    const bool internetCode = code >= INTERNET_ERROR_BASE && code <= INTERNET_ERROR_LAST;
    CString text = FormatCode(code, internetCode ? GetModuleHandleW(L"wininet.dll") : nullptr);
    // Only these codes come with a reply of the server to this very request; any
    // other code would pick up a reply left from an earlier one.
    if (code == ERROR_INTERNET_EXTENDED_ERROR || code == ERROR_INTERNET_LOGIN_FAILURE)
    {
        CString reply = GetServerReply();
        if (!reply.IsEmpty())
            text = text.IsEmpty() ? reply : text + L" " + reply;
    }
    if (text.IsEmpty())
        text.Format(L"Internet error %lu.", code);
    return text;
}
