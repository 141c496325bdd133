#include "standins/fax/CFaxServer.h"
#include "standins/fax/CFaxDoc.h"

HRESULT STDMETHODCALLTYPE CFaxServer::QueryInterface(REFIID interfaceId, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(interfaceId, IID_IUnknown) || IsEqualIID(interfaceId, IID_IFaxServer))
    {
        *object = static_cast<IFaxServer*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CFaxServer::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_references));
}

ULONG STDMETHODCALLTYPE CFaxServer::Release()
{
    LONG references = InterlockedDecrement(&m_references);
    if (references == 0)
        delete this;
    return static_cast<ULONG>(references);
}

HRESULT STDMETHODCALLTYPE CFaxServer::Connect(BSTR serverName)
{
    Disconnect();
    CString server;
    if (!m_config.ResolveServer(serverName, server))
        return HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE);
    m_connected = true;
    m_server = server;
    m_connectedAs = serverName ? serverName : L"";
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CFaxServer::Disconnect()
{
    m_connected = false;
    m_server.Empty();
    m_connectedAs.Empty();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CFaxServer::CreateDocument(BSTR fileName, IFaxDoc** document)
{
    if (!document)
        return E_POINTER;
    *document = nullptr;
    if (!m_connected)
        return HRESULT_FROM_WIN32(ERROR_NOT_CONNECTED);
    if (!fileName || !*fileName)
        return E_INVALIDARG;
    *document = new CFaxDoc(this, fileName);
    return S_OK;
}
