#include "framework/CFtpConnection.h"

#include "framework/CInternetSession.h"

CFtpConnection::CFtpConnection(HINTERNET connection) : m_connection(connection) {}

CFtpConnection::~CFtpConnection()
{
    Close();
}

bool CFtpConnection::SetCurrentDirectory(const wchar_t* folder)
{
    return Check(FtpSetCurrentDirectoryW(m_connection, folder));
}

bool CFtpConnection::CreateDirectory(const wchar_t* folder)
{
    return Check(FtpCreateDirectoryW(m_connection, folder));
}

bool CFtpConnection::PutFile(const wchar_t* localFile, const wchar_t* remoteFile, DWORD flags, DWORD_PTR context)
{
    return Check(FtpPutFileW(m_connection, localFile, remoteFile, flags, context));
}

void CFtpConnection::Close()
{
    if (m_connection != nullptr)
        InternetCloseHandle(m_connection);
    m_connection = nullptr;
}

bool CFtpConnection::Check(BOOL done)
{
    if (done)
    {
        m_errorText.Empty();
        return true;
    }
    m_errorText = CInternetSession::GetInternetErrorText(GetLastError());
    return false;
}
