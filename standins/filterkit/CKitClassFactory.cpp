#include "standins/filterkit/CKitClassFactory.h"

#include "standins/filterkit/CKitFilter.h"

namespace
{
LONG g_moduleLocks = 0;
}

CKitClassFactory::CKitClassFactory(REFCLSID classId, CreateFunction create) : m_classId(classId), m_create(create) {}

HRESULT CKitClassFactory::QueryInterface(REFIID interfaceId, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (interfaceId != IID_IUnknown && interfaceId != IID_IClassFactory)
        return E_NOINTERFACE;
    *object = static_cast<IClassFactory*>(this);
    return S_OK;
}

ULONG CKitClassFactory::AddRef()
{
    return 2;
}

ULONG CKitClassFactory::Release()
{
    return 1;
}

HRESULT CKitClassFactory::CreateInstance(IUnknown* outer, REFIID interfaceId, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    IUnknown* created = m_create();
    if (!created)
        return E_OUTOFMEMORY;
    HRESULT result = created->QueryInterface(interfaceId, object);
    created->Release();
    return result;
}

HRESULT CKitClassFactory::LockServer(BOOL lock)
{
    if (lock)
        InterlockedIncrement(&g_moduleLocks);
    else
        InterlockedDecrement(&g_moduleLocks);
    return S_OK;
}

HRESULT CKitClassFactory::GetClassObject(CKitClassFactory* const* factories, int count, REFCLSID classId,
                                         REFIID interfaceId, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    for (int i = 0; i < count; ++i)
        if (IsEqualCLSID(classId, factories[i]->ClassId()))
            return factories[i]->QueryInterface(interfaceId, object);
    return CLASS_E_CLASSNOTAVAILABLE;
}

bool CKitClassFactory::CanUnloadModule()
{
    return g_moduleLocks == 0 && CKitFilter::LiveObjects() == 0;
}
