#pragma once
// CSocket: a blocking IPv4 stream socket over Winsock. Every call blocks the calling
// thread until it completes; none of them dispatches window messages, so no window
// procedure runs re-entrantly while a socket call waits. Failures give false (or the
// socket's SOCKET_ERROR) and leave the reason in WSAGetLastError().
#include <winsock2.h>
#include <windows.h>

// Starts Winsock for the process; only the first call does the work, and Winsock stays
// up until the process ends. True when it is available. Programs and test programs call
// it once at start, before the first socket is created.
bool AppSocketsInit();

class CSocket
{
public:
    CSocket() = default;
    CSocket(const CSocket&) = delete;
    CSocket& operator=(const CSocket&) = delete;
    ~CSocket();

    // Creates a socket of the given type bound to localPort on every local address
    // (0: any free port).
    bool Create(UINT localPort = 0, int type = SOCK_STREAM);
    // Resolves host (a name or a dotted address) and connects to its first IPv4
    // address that accepts on port.
    bool Connect(const wchar_t* host, UINT port);
    // One send or receive call; the byte count, 0 when the peer closed (Receive), or
    // SOCKET_ERROR.
    int Send(const void* data, int length);
    int Receive(void* buffer, int length);
    void Close();

    // How long Receive waits for data before it fails with WSAETIMEDOUT; 0 waits for
    // ever. Takes effect on the created socket.
    bool SetReceiveTimeout(DWORD milliseconds);
    // How long Send waits for room in the connection before it fails; 0 waits for ever.
    bool SetSendTimeout(DWORD milliseconds);

    SOCKET GetHandle() const { return m_socket; }

private:
    bool SetTimeout(int option, DWORD milliseconds);

    SOCKET m_socket = INVALID_SOCKET;
};
