#pragma once
// The analogue pins between the test camera's crossbar, its TV tuner and the camera: an
// input and an output of analogue video or audio (MEDIATYPE_AnalogVideo or
// MEDIATYPE_AnalogAudio), which connect but carry no samples. An input pin may tell its
// category (IKsPropertySet), as the camera's analogue video input does.
#include "standins/filterkit/CKitInputPin.h"
#include "standins/filterkit/CKitOutputPin.h"

class CAnalogInputPin final : public CKitInputPin, public IKsPropertySet
{
public:
    CAnalogInputPin(CKitFilter* filter, const wchar_t* name, REFGUID major, REFGUID category = GUID_NULL);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID interfaceId, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT CheckMediaType(const AM_MEDIA_TYPE* type) override;

    HRESULT STDMETHODCALLTYPE Set(REFGUID set, DWORD id, void* instance, DWORD instanceBytes, void* data,
                                  DWORD dataBytes) override;
    HRESULT STDMETHODCALLTYPE Get(REFGUID set, DWORD id, void* instance, DWORD instanceBytes, void* data,
                                  DWORD dataBytes, DWORD* returned) override;
    HRESULT STDMETHODCALLTYPE QuerySupported(REFGUID set, DWORD id, DWORD* support) override;

protected:
    HRESULT QueryPinInterface(REFIID interfaceId, void** object) override;
    HRESULT OnReceive(IMediaSample*) override { return S_OK; }
    HRESULT OnEndOfStream() override { return S_OK; }

private:
    GUID m_major;
    GUID m_category;
};

class CAnalogOutputPin final : public CKitOutputPin
{
public:
    CAnalogOutputPin(CKitFilter* filter, const wchar_t* name, REFGUID major);
    HRESULT CheckMediaType(const AM_MEDIA_TYPE* type) override;
    HRESULT GetMediaType(int index, AM_MEDIA_TYPE* type) override;

protected:
    HRESULT DecideBufferSize(ALLOCATOR_PROPERTIES& properties) override;

private:
    GUID m_major;
};
