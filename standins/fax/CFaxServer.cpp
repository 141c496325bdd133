#include "standins/fax/CFaxServer.h"
#include "standins/fax/CFaxDoc.h"

namespace
{
enum : DISPID
{
    kConnect = 1,
    kDisconnect,
    kCreateDocument,
};

const CDispatchObject::Member kMembers[] = {
    {L"Connect", kConnect},
    {L"Disconnect", kDisconnect},
    {L"CreateDocument", kCreateDocument},
    {nullptr, DISPID_UNKNOWN},
};
} // namespace

CFaxServer::CFaxServer() : CDispatchObject(kMembers) {}

HRESULT CFaxServer::Run(DISPID id, WORD kind, const DISPPARAMS& parameters, VARIANT* result)
{
    if (kind != DISPATCH_METHOD)
        return DISP_E_MEMBERNOTFOUND;
    VARIANT text;
    switch (id)
    {
    case kConnect:
    case kCreateDocument:
    {
        HRESULT hr = GetArgument(parameters, 0, VT_BSTR, text);
        if (FAILED(hr))
            return hr;
        hr = id == kConnect ? Connect(text.bstrVal) : CreateDocument(text.bstrVal, result);
        VariantClear(&text);
        return hr;
    }
    case kDisconnect:
        Disconnect();
        return S_OK;
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}

HRESULT CFaxServer::Connect(const wchar_t* serverName)
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

void CFaxServer::Disconnect()
{
    m_connected = false;
    m_server.Empty();
    m_connectedAs.Empty();
}

HRESULT CFaxServer::CreateDocument(const wchar_t* fileName, VARIANT* result)
{
    if (!m_connected)
        return HRESULT_FROM_WIN32(ERROR_NOT_CONNECTED);
    if (!fileName || !*fileName)
        return E_INVALIDARG;
    auto* document = new CFaxDoc(this, fileName);
    if (!result)
    {
        document->Release();
        return S_OK;
    }
    result->vt = VT_DISPATCH;
    result->pdispVal = document;
    return S_OK;
}
