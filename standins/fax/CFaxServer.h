#pragma once
// CFaxServer: the fax server object, reached through IDispatch. Its members:
//   Connect(ServerName)      resolves the name through the service's settings; an
//                            unknown server fails as an unreachable one does
//                            (RPC_S_SERVER_UNAVAILABLE); a null or empty name is this
//                            computer.
//   Disconnect()
//   CreateDocument(FileName) a new fax document for the file, on the connected server.
// Documents keep a reference to their server and send to the server it is connected to
// when they are sent.
#include "standins/fax/CDispatchObject.h"
#include "standins/fax/CFaxServiceConfig.h"

class CFaxServer final : public CDispatchObject
{
public:
    // A new object with one reference, not connected.
    CFaxServer();

    bool IsConnected() const { return m_connected; }
    // The connected server's outbox name, and the name Connect was given.
    const CString& GetServer() const { return m_server; }
    const CString& GetConnectedAs() const { return m_connectedAs; }
    const CFaxServiceConfig& GetConfig() const { return m_config; }

protected:
    HRESULT Run(DISPID id, WORD kind, const DISPPARAMS& parameters, VARIANT* result) override;

private:
    ~CFaxServer() override = default;

    HRESULT Connect(const wchar_t* serverName);
    void Disconnect();
    HRESULT CreateDocument(const wchar_t* fileName, VARIANT* result);

    bool m_connected = false;
    CString m_server;
    CString m_connectedAs;
    CFaxServiceConfig m_config;
};
