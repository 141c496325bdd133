#pragma once
// CKitMediaTypeEnum: the media types a CKitPin offers, read through its GetMediaType;
// it keeps the pin's filter alive.
#include <windows.h>
#include <strmif.h>

class CKitPin;

class CKitMediaTypeEnum final : public IEnumMediaTypes
{
public:
    CKitMediaTypeEnum(CKitPin* pin, int position);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID interfaceId, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE Next(ULONG count, AM_MEDIA_TYPE** types, ULONG* fetched) override;
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
    HRESULT STDMETHODCALLTYPE Reset() override;
    HRESULT STDMETHODCALLTYPE Clone(IEnumMediaTypes** copy) override;

private:
    ~CKitMediaTypeEnum();

    LONG m_refs = 1;
    CKitPin* m_pin;
    int m_position;
};
