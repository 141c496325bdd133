#pragma once
// A TCP port of 127.0.0.1 where nothing listens, for tests of what a client does when its
// server is down. The port stays bound (never listening) for the life of the object, so
// no other program of a parallel test run is given it meanwhile, and a connection to it
// is refused at once.
#include <basetsd.h>

class ClosedPort
{
public:
    ClosedPort();
    ClosedPort(const ClosedPort&) = delete;
    ClosedPort& operator=(const ClosedPort&) = delete;
    ~ClosedPort();

    // The port; 0 when no socket could be bound.
    int Port() const { return m_port; }

private:
    bool m_started = false;
    UINT_PTR m_socket; // a Winsock SOCKET, kept out of this header for its include order
    int m_port = 0;
};
