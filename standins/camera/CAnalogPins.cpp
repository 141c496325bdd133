#include "standins/camera/CAnalogPins.h"

#include "standins/filterkit/KitMediaType.h"

CAnalogInputPin::CAnalogInputPin(CKitFilter* filter, const wchar_t* name, REFGUID major, REFGUID category)
    : CKitInputPin(filter, name), m_major(major), m_category(category)
{
}

HRESULT CAnalogInputPin::QueryInterface(REFIID interfaceId, void** object)
{
    return CKitInputPin::QueryInterface(interfaceId, object);
}

ULONG CAnalogInputPin::AddRef()
{
    return CKitInputPin::AddRef();
}

ULONG CAnalogInputPin::Release()
{
    return CKitInputPin::Release();
}

HRESULT CAnalogInputPin::QueryPinInterface(REFIID interfaceId, void** object)
{
    if (interfaceId != IID_IKsPropertySet || m_category == GUID_NULL)
        return CKitInputPin::QueryPinInterface(interfaceId, object);
    *object = static_cast<IKsPropertySet*>(this);
    AddRef();
    return S_OK;
}

HRESULT CAnalogInputPin::CheckMediaType(const AM_MEDIA_TYPE* type)
{
    return type->majortype == m_major ? S_OK : S_FALSE;
}

HRESULT CAnalogInputPin::Set(REFGUID, DWORD, void*, DWORD, void*, DWORD)
{
    return E_NOTIMPL;
}

HRESULT CAnalogInputPin::Get(REFGUID set, DWORD id, void*, DWORD, void* data, DWORD dataBytes, DWORD* returned)
{
    return KitGetPinCategory(m_category, set, id, data, dataBytes, returned);
}

HRESULT CAnalogInputPin::QuerySupported(REFGUID set, DWORD id, DWORD* support)
{
    return KitQueryPinCategorySupport(set, id, support);
}

CAnalogOutputPin::CAnalogOutputPin(CKitFilter* filter, const wchar_t* name, REFGUID major)
    : CKitOutputPin(filter, name), m_major(major)
{
}

HRESULT CAnalogOutputPin::CheckMediaType(const AM_MEDIA_TYPE* type)
{
    return type->majortype == m_major ? S_OK : S_FALSE;
}

HRESULT CAnalogOutputPin::GetMediaType(int index, AM_MEDIA_TYPE* type)
{
    if (index != 0)
        return VFW_S_NO_MORE_ITEMS;
    *type = AM_MEDIA_TYPE{};
    type->majortype = m_major;
    type->bFixedSizeSamples = TRUE;
    type->lSampleSize = 1;
    return S_OK;
}

HRESULT CAnalogOutputPin::DecideBufferSize(ALLOCATOR_PROPERTIES& properties)
{
    // Nothing flows over an analogue connection; the allocator still needs a size.
    properties.cBuffers = 1;
    properties.cbBuffer = 1;
    properties.cbAlign = 1;
    return S_OK;
}
