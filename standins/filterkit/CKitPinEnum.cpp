#include "standins/filterkit/CKitPinEnum.h"

#include "standins/filterkit/CKitFilter.h"
#include "standins/filterkit/CKitPin.h"

CKitPinEnum::CKitPinEnum(CKitFilter* filter, int position) : m_filter(filter), m_position(position)
{
    m_filter->AddRef();
}

CKitPinEnum::~CKitPinEnum()
{
    m_filter->Release();
}

HRESULT CKitPinEnum::QueryInterface(REFIID interfaceId, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (interfaceId != IID_IUnknown && interfaceId != IID_IEnumPins)
        return E_NOINTERFACE;
    *object = static_cast<IEnumPins*>(this);
    AddRef();
    return S_OK;
}

ULONG CKitPinEnum::AddRef()
{
    return InterlockedIncrement(&m_refs);
}

ULONG CKitPinEnum::Release()
{
    LONG refs = InterlockedDecrement(&m_refs);
    if (refs == 0)
        delete this;
    return refs;
}

HRESULT CKitPinEnum::Next(ULONG count, IPin** pins, ULONG* fetched)
{
    if (!pins || (count > 1 && !fetched))
        return E_POINTER;
    ULONG done = 0;
    while (done < count && m_position < m_filter->PinCount())
    {
        pins[done] = m_filter->PinAt(m_position++);
        pins[done++]->AddRef();
    }
    if (fetched)
        *fetched = done;
    return done == count ? S_OK : S_FALSE;
}

HRESULT CKitPinEnum::Skip(ULONG count)
{
    int left = m_filter->PinCount() - m_position;
    if (static_cast<int>(count) > left)
    {
        m_position += left;
        return S_FALSE;
    }
    m_position += count;
    return S_OK;
}

HRESULT CKitPinEnum::Reset()
{
    m_position = 0;
    return S_OK;
}

HRESULT CKitPinEnum::Clone(IEnumPins** copy)
{
    if (!copy)
        return E_POINTER;
    *copy = new CKitPinEnum(m_filter, m_position);
    return S_OK;
}
