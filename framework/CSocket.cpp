#include "framework/CSocket.h"
#include <ws2tcpip.h>

namespace
{
// Winsock's lifetime in the process: started on first use, cleaned up at exit.
struct SocketsLibrary
{
    SocketsLibrary()
    {
        WSADATA data;
        started = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }
    ~SocketsLibrary()
    {
        if (started)
            WSACleanup();
    }
    bool started = false;
};
} // namespace

bool AppSocketsInit()
{
    static SocketsLibrary library;
    return library.started;
}

CSocket::~CSocket()
{
    Close();
}

bool CSocket::Create(UINT localPort, int type)
{
    Close();
    m_socket = socket(AF_INET, type, 0);
    if (m_socket == INVALID_SOCKET)
        return false;
    sockaddr_in local = {};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    local.sin_port = htons(static_cast<u_short>(localPort));
    if (bind(m_socket, reinterpret_cast<sockaddr*>(&local), sizeof(local)) == SOCKET_ERROR)
    {
        int error = WSAGetLastError();
        Close();
        WSASetLastError(error);
        return false;
    }
    return true;
}

bool CSocket::Connect(const wchar_t* host, UINT port)
{
    ADDRINFOW hints = {};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    ADDRINFOW* found = nullptr;
    int error = GetAddrInfoW(host, nullptr, &hints, &found);
    if (error != 0)
    {
        WSASetLastError(error);
        return false;
    }
    bool connected = false;
    for (ADDRINFOW* address = found; address && !connected; address = address->ai_next)
    {
        sockaddr_in remote = *reinterpret_cast<sockaddr_in*>(address->ai_addr);
        remote.sin_port = htons(static_cast<u_short>(port));
        connected = connect(m_socket, reinterpret_cast<sockaddr*>(&remote), sizeof(remote)) == 0;
        error = connected ? 0 : WSAGetLastError();
    }
    FreeAddrInfoW(found);
    WSASetLastError(error);
    return connected;
}

int CSocket::Send(const void* data, int length)
{
    return send(m_socket, static_cast<const char*>(data), length, 0);
}

int CSocket::Receive(void* buffer, int length)
{
    return recv(m_socket, static_cast<char*>(buffer), length, 0);
}

void CSocket::Close()
{
    if (m_socket != INVALID_SOCKET)
        closesocket(m_socket);
    m_socket = INVALID_SOCKET;
}

bool CSocket::SetReceiveTimeout(DWORD milliseconds)
{
    return SetTimeout(SO_RCVTIMEO, milliseconds);
}

bool CSocket::SetSendTimeout(DWORD milliseconds)
{
    return SetTimeout(SO_SNDTIMEO, milliseconds);
}

bool CSocket::SetTimeout(int option, DWORD milliseconds)
{
    return setsockopt(m_socket, SOL_SOCKET, option, reinterpret_cast<const char*>(&milliseconds),
                      sizeof(milliseconds)) == 0;
}
