#include "standins/filterkit/CKitOutputPin.h"

#include "standins/filterkit/CKitFilter.h"
#include "standins/filterkit/CKitRef.h"
#include "standins/filterkit/KitMediaType.h"

#include <uuids.h>

CKitOutputPin::CKitOutputPin(CKitFilter* filter, const wchar_t* name) : CKitPin(filter, name, PINDIR_OUTPUT) {}

CKitOutputPin::~CKitOutputPin()
{
    ReleaseStreamingInterfaces();
}

HRESULT CKitOutputPin::Connect(IPin* receivePin, const AM_MEDIA_TYPE* type)
{
    if (!receivePin)
        return E_POINTER;
    EnterCriticalSection(&Filter()->Lock());
    HRESULT result = VFW_E_NO_ACCEPTABLE_TYPES;
    if (IsConnected())
        result = VFW_E_ALREADY_CONNECTED;
    else if (Filter()->State() != State_Stopped)
        result = VFW_E_NOT_STOPPED;
    else if (type && type->majortype != GUID_NULL && type->subtype != GUID_NULL && type->formattype != GUID_NULL)
        result = TryConnect(receivePin, type);
    else if (FAILED(TryTypesOf(this, receivePin, type)) && FAILED(TryTypesOf(receivePin, receivePin, type)))
        result = VFW_E_NO_ACCEPTABLE_TYPES;
    else
        result = S_OK;
    LeaveCriticalSection(&Filter()->Lock());
    return result;
}

// Tries every type that pin offers and the proposed type allows.
HRESULT CKitOutputPin::TryTypesOf(IPin* pin, IPin* receivePin, const AM_MEDIA_TYPE* proposed)
{
    CKitRef<IEnumMediaTypes> types;
    if (FAILED(pin->EnumMediaTypes(types.Receive())) || !types)
        return VFW_E_NO_ACCEPTABLE_TYPES;
    AM_MEDIA_TYPE* type = nullptr;
    while (types->Next(1, &type, nullptr) == S_OK)
    {
        HRESULT result = KitMediaTypeMatches(proposed, *type) ? TryConnect(receivePin, type) : E_FAIL;
        KitDeleteMediaType(type);
        if (SUCCEEDED(result))
            return result;
    }
    return VFW_E_NO_ACCEPTABLE_TYPES;
}

HRESULT CKitOutputPin::TryConnect(IPin* receivePin, const AM_MEDIA_TYPE* type)
{
    if (CheckMediaType(type) != S_OK)
        return VFW_E_TYPE_NOT_ACCEPTED;
    HRESULT result = SetConnection(receivePin, type);
    if (FAILED(result))
        return result;
    result = receivePin->ReceiveConnection(this, type);
    if (SUCCEEDED(result))
    {
        result = OnConnected();
        if (FAILED(result))
            receivePin->Disconnect();
    }
    if (FAILED(result))
        ClearConnection();
    return result;
}

HRESULT CKitOutputPin::OnConnected()
{
    HRESULT result = ConnectedPin()->QueryInterface(IID_IMemInputPin, reinterpret_cast<void**>(&m_input));
    if (FAILED(result))
        return result;
    ALLOCATOR_PROPERTIES wanted{};
    m_input->GetAllocatorRequirements(&wanted);
    if (FAILED(result = DecideBufferSize(wanted)))
        return result;
    CKitRef<IMemAllocator> allocator;
    if (SUCCEEDED(m_input->GetAllocator(allocator.Receive())) && SUCCEEDED(TryAllocator(allocator.Get(), wanted)))
        return S_OK;
    result = CoCreateInstance(CLSID_MemoryAllocator, nullptr, CLSCTX_INPROC_SERVER, IID_IMemAllocator,
                              reinterpret_cast<void**>(allocator.Receive()));
    return SUCCEEDED(result) ? TryAllocator(allocator.Get(), wanted) : result;
}

HRESULT CKitOutputPin::TryAllocator(IMemAllocator* allocator, ALLOCATOR_PROPERTIES wanted)
{
    ALLOCATOR_PROPERTIES actual{};
    HRESULT result = allocator->SetProperties(&wanted, &actual);
    if (SUCCEEDED(result) && (actual.cbBuffer < wanted.cbBuffer || actual.cBuffers < 1))
        result = E_FAIL;
    if (SUCCEEDED(result))
        result = m_input->NotifyAllocator(allocator, FALSE);
    if (FAILED(result))
        return result;
    if (m_allocator)
        m_allocator->Release();
    m_allocator = allocator;
    m_allocator->AddRef();
    return S_OK;
}

void CKitOutputPin::OnDisconnected()
{
    ReleaseStreamingInterfaces();
}

void CKitOutputPin::ReleaseStreamingInterfaces()
{
    if (m_allocator)
        m_allocator->Release();
    if (m_input)
        m_input->Release();
    m_allocator = nullptr;
    m_input = nullptr;
}

HRESULT CKitOutputPin::Activate()
{
    return m_allocator ? m_allocator->Commit() : S_OK;
}

void CKitOutputPin::Deactivate()
{
    if (m_allocator)
        m_allocator->Decommit();
}

HRESULT CKitOutputPin::GetDeliveryBuffer(IMediaSample** sample, DWORD flags)
{
    return m_allocator ? m_allocator->GetBuffer(sample, nullptr, nullptr, flags) : VFW_E_NOT_CONNECTED;
}

HRESULT CKitOutputPin::Deliver(IMediaSample* sample)
{
    return m_input ? m_input->Receive(sample) : VFW_E_NOT_CONNECTED;
}

HRESULT CKitOutputPin::DeliverEndOfStream()
{
    IPin* peer = ConnectedPin();
    return peer ? peer->EndOfStream() : VFW_E_NOT_CONNECTED;
}

HRESULT CKitOutputPin::GetAllocatorProperties(ALLOCATOR_PROPERTIES* properties)
{
    if (!properties)
        return E_POINTER;
    return m_allocator ? m_allocator->GetProperties(properties) : E_UNEXPECTED;
}
