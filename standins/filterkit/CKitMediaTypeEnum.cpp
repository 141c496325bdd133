#include "standins/filterkit/CKitMediaTypeEnum.h"

#include "standins/filterkit/CKitPin.h"
#include "standins/filterkit/KitMediaType.h"

CKitMediaTypeEnum::CKitMediaTypeEnum(CKitPin* pin, int position) : m_pin(pin), m_position(position)
{
    m_pin->AddRef();
}

CKitMediaTypeEnum::~CKitMediaTypeEnum()
{
    m_pin->Release();
}

HRESULT CKitMediaTypeEnum::QueryInterface(REFIID interfaceId, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (interfaceId != IID_IUnknown && interfaceId != IID_IEnumMediaTypes)
        return E_NOINTERFACE;
    *object = static_cast<IEnumMediaTypes*>(this);
    AddRef();
    return S_OK;
}

ULONG CKitMediaTypeEnum::AddRef()
{
    return InterlockedIncrement(&m_refs);
}

ULONG CKitMediaTypeEnum::Release()
{
    LONG refs = InterlockedDecrement(&m_refs);
    if (refs == 0)
        delete this;
    return refs;
}

HRESULT CKitMediaTypeEnum::Next(ULONG count, AM_MEDIA_TYPE** types, ULONG* fetched)
{
    if (!types || (count > 1 && !fetched))
        return E_POINTER;
    ULONG done = 0;
    while (done < count)
    {
        AM_MEDIA_TYPE type{};
        if (m_pin->GetMediaType(m_position, &type) != S_OK)
            break;
        types[done] = KitCreateMediaType(&type);
        KitFreeMediaType(type);
        if (!types[done])
            break;
        ++m_position;
        ++done;
    }
    if (fetched)
        *fetched = done;
    return done == count ? S_OK : S_FALSE;
}

HRESULT CKitMediaTypeEnum::Skip(ULONG count)
{
    for (ULONG i = 0; i < count; ++i)
    {
        AM_MEDIA_TYPE type{};
        if (m_pin->GetMediaType(m_position, &type) != S_OK)
            return S_FALSE;
        KitFreeMediaType(type);
        ++m_position;
    }
    return S_OK;
}

HRESULT CKitMediaTypeEnum::Reset()
{
    m_position = 0;
    return S_OK;
}

HRESULT CKitMediaTypeEnum::Clone(IEnumMediaTypes** copy)
{
    if (!copy)
        return E_POINTER;
    *copy = new CKitMediaTypeEnum(m_pin, m_position);
    return S_OK;
}
