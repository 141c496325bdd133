#include "standins/filterkit/CKitInputPin.h"

#include "standins/filterkit/CKitFilter.h"

CKitInputPin::CKitInputPin(CKitFilter* filter, const wchar_t* name) : CKitPin(filter, name, PINDIR_INPUT) {}

CKitInputPin::~CKitInputPin()
{
    ReleaseAllocator();
}

void CKitInputPin::OnDisconnected()
{
    ReleaseAllocator();
}

void CKitInputPin::ReleaseAllocator()
{
    if (m_allocator)
        m_allocator->Release();
    m_allocator = nullptr;
}

HRESULT CKitInputPin::QueryInterface(REFIID interfaceId, void** object)
{
    return CKitPin::QueryInterface(interfaceId, object);
}

ULONG CKitInputPin::AddRef()
{
    return CKitPin::AddRef();
}

ULONG CKitInputPin::Release()
{
    return CKitPin::Release();
}

HRESULT CKitInputPin::QueryPinInterface(REFIID interfaceId, void** object)
{
    if (interfaceId != IID_IMemInputPin)
        return E_NOINTERFACE;
    *object = static_cast<IMemInputPin*>(this);
    AddRef();
    return S_OK;
}

HRESULT CKitInputPin::EndOfStream()
{
    return m_flushing ? S_FALSE : OnEndOfStream();
}

HRESULT CKitInputPin::BeginFlush()
{
    m_flushing = true;
    OnFlush(true);
    return S_OK;
}

HRESULT CKitInputPin::EndFlush()
{
    m_flushing = false;
    OnFlush(false);
    return S_OK;
}

void CKitInputPin::OnFlush(bool) {}

HRESULT CKitInputPin::GetAllocator(IMemAllocator** allocator)
{
    if (!allocator)
        return E_POINTER;
    *allocator = nullptr;
    return VFW_E_NO_ALLOCATOR;
}

HRESULT CKitInputPin::NotifyAllocator(IMemAllocator* allocator, BOOL)
{
    if (!allocator)
        return E_POINTER;
    allocator->AddRef();
    if (m_allocator)
        m_allocator->Release();
    m_allocator = allocator;
    return S_OK;
}

HRESULT CKitInputPin::GetAllocatorRequirements(ALLOCATOR_PROPERTIES*)
{
    return E_NOTIMPL;
}

HRESULT CKitInputPin::Receive(IMediaSample* sample)
{
    if (!sample)
        return E_POINTER;
    if (Filter()->State() == State_Stopped)
        return VFW_E_WRONG_STATE;
    return m_flushing ? S_FALSE : OnReceive(sample);
}

HRESULT CKitInputPin::ReceiveMultiple(IMediaSample** samples, long count, long* processed)
{
    if (!samples || !processed)
        return E_POINTER;
    HRESULT result = S_OK;
    for (*processed = 0; *processed < count; ++*processed)
        if ((result = Receive(samples[*processed])) != S_OK)
            break;
    return result;
}

HRESULT CKitInputPin::ReceiveCanBlock()
{
    return S_OK;
}
