#include <winsock2.h>

#include "testing/ClosedPort.h"

ClosedPort::ClosedPort() : m_socket(INVALID_SOCKET)
{
    WSADATA data;
    m_started = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    if (!m_started)
        return;
    m_socket = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof(address);
    if (m_socket != INVALID_SOCKET && bind(m_socket, reinterpret_cast<sockaddr*>(&address), length) == 0 &&
        getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        m_port = ntohs(address.sin_port);
}

ClosedPort::~ClosedPort()
{
    if (m_socket != INVALID_SOCKET)
        closesocket(m_socket);
    if (m_started)
        WSACleanup();
}
