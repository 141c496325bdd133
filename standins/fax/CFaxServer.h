#pragma once
// CFaxServer: the fax server object. Connect resolves the server name through the
// service's settings; an unknown server fails as an unreachable one does
// (RPC_S_SERVER_UNAVAILABLE). Documents keep a reference to their server and send to
// the server it is connected to when they are sent.
#include "standins/fax/CFaxServiceConfig.h"
#include "standins/fax/FaxServiceApi.h"

class CFaxServer final : public IFaxServer
{
public:
    // A new object with one reference, not connected.
    CFaxServer() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID interfaceId, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE Connect(BSTR serverName) override;
    HRESULT STDMETHODCALLTYPE Disconnect() override;
    HRESULT STDMETHODCALLTYPE CreateDocument(BSTR fileName, IFaxDoc** document) override;

    bool IsConnected() const { return m_connected; }
    // The connected server's outbox name, and the name Connect was given.
    const CString& GetServer() const { return m_server; }
    const CString& GetConnectedAs() const { return m_connectedAs; }
    const CFaxServiceConfig& GetConfig() const { return m_config; }

private:
    ~CFaxServer() = default;

    LONG m_references = 1;
    bool m_connected = false;
    CString m_server;
    CString m_connectedAs;
    CFaxServiceConfig m_config;
};
