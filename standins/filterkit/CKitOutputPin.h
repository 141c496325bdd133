#pragma once
// CKitOutputPin: an output pin that delivers media samples through the input pin's
// IMemInputPin. It connects with the first of its own types (then of the peer's) that
// both sides take, and then agrees an allocator: the peer's when it offers one, else a
// memory allocator of its own, sized by DecideBufferSize.
#include "standins/filterkit/CKitPin.h"

class CKitOutputPin : public CKitPin
{
public:
    CKitOutputPin(CKitFilter* filter, const wchar_t* name);
    ~CKitOutputPin() override;

    HRESULT STDMETHODCALLTYPE Connect(IPin* receivePin, const AM_MEDIA_TYPE* type) override;

    // Commits the allocator (stopped → paused) or decommits it, which also releases a
    // streaming thread waiting for a sample.
    HRESULT Activate();
    void Deactivate();
    // A free sample of the allocator; waits for one while the allocator is committed
    // unless flags hold AM_GBF_NOWAIT.
    HRESULT GetDeliveryBuffer(IMediaSample** sample, DWORD flags = 0);
    HRESULT Deliver(IMediaSample* sample);
    HRESULT DeliverEndOfStream();
    // The allocator's agreed properties; E_UNEXPECTED when not connected.
    HRESULT GetAllocatorProperties(ALLOCATOR_PROPERTIES* properties);

protected:
    // Fills the properties the pin asks of the allocator, starting from the input
    // pin's requirements (zero where it has none).
    virtual HRESULT DecideBufferSize(ALLOCATOR_PROPERTIES& properties) = 0;
    HRESULT OnConnected() override;
    void OnDisconnected() override;

private:
    HRESULT TryConnect(IPin* receivePin, const AM_MEDIA_TYPE* type);
    HRESULT TryTypesOf(IPin* pin, IPin* receivePin, const AM_MEDIA_TYPE* proposed);
    HRESULT TryAllocator(IMemAllocator* allocator, ALLOCATOR_PROPERTIES wanted);
    void ReleaseStreamingInterfaces();

    IMemInputPin* m_input = nullptr;
    IMemAllocator* m_allocator = nullptr;
};
