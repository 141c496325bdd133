#include "standins/fax/CFaxServerFactory.h"
#include "standins/fax/CFaxServer.h"

CFaxServerFactory& CFaxServerFactory::Instance()
{
    static CFaxServerFactory factory;
    return factory;
}

HRESULT STDMETHODCALLTYPE CFaxServerFactory::QueryInterface(REFIID interfaceId, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(interfaceId, IID_IUnknown) || IsEqualIID(interfaceId, IID_IClassFactory))
    {
        *object = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CFaxServerFactory::AddRef()
{
    return 2;
}

ULONG STDMETHODCALLTYPE CFaxServerFactory::Release()
{
    return 1;
}

bool CFaxServerFactory::IsLocked() const
{
    return m_locks > 0;
}

HRESULT STDMETHODCALLTYPE CFaxServerFactory::CreateInstance(IUnknown* outer, REFIID interfaceId, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    auto* server = new CFaxServer;
    HRESULT hr = server->QueryInterface(interfaceId, object);
    server->Release();
    return hr;
}

HRESULT STDMETHODCALLTYPE CFaxServerFactory::LockServer(BOOL lock)
{
    if (lock)
        InterlockedIncrement(&m_locks);
    else
        InterlockedDecrement(&m_locks);
    return S_OK;
}
