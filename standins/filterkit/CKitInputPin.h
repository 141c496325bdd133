#pragma once
// CKitInputPin: an input pin that takes media samples through IMemInputPin and passes
// them, with the end of the stream and flushes, to its filter's handlers. Samples
// arriving while the filter is stopped or the pin flushes are refused.
#include "standins/filterkit/CKitPin.h"

class CKitInputPin : public CKitPin, public IMemInputPin
{
public:
    CKitInputPin(CKitFilter* filter, const wchar_t* name);
    ~CKitInputPin() override;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID interfaceId, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE EndOfStream() override;
    HRESULT STDMETHODCALLTYPE BeginFlush() override;
    HRESULT STDMETHODCALLTYPE EndFlush() override;

    HRESULT STDMETHODCALLTYPE GetAllocator(IMemAllocator** allocator) override;
    HRESULT STDMETHODCALLTYPE NotifyAllocator(IMemAllocator* allocator, BOOL readOnly) override;
    HRESULT STDMETHODCALLTYPE GetAllocatorRequirements(ALLOCATOR_PROPERTIES* properties) override;
    HRESULT STDMETHODCALLTYPE Receive(IMediaSample* sample) override;
    HRESULT STDMETHODCALLTYPE ReceiveMultiple(IMediaSample** samples, long count, long* processed) override;
    HRESULT STDMETHODCALLTYPE ReceiveCanBlock() override;

    // The allocator the upstream pin chose; null before it said.
    IMemAllocator* Allocator() const { return m_allocator; }

protected:
    HRESULT QueryPinInterface(REFIID interfaceId, void** object) override;
    virtual HRESULT OnReceive(IMediaSample* sample) = 0;
    virtual HRESULT OnEndOfStream() = 0;
    // Passes a flush on downstream; nothing by default.
    virtual void OnFlush(bool begin);
    void OnDisconnected() override;

private:
    void ReleaseAllocator();

    IMemAllocator* m_allocator = nullptr;
    volatile bool m_flushing = false;
};
