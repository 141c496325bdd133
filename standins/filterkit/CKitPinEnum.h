#pragma once
// CKitPinEnum: the pin enumerator of a CKitFilter, which it keeps alive.
#include <windows.h>
#include <strmif.h>

class CKitFilter;

class CKitPinEnum final : public IEnumPins
{
public:
    CKitPinEnum(CKitFilter* filter, int position);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID interfaceId, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE Next(ULONG count, IPin** pins, ULONG* fetched) override;
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
    HRESULT STDMETHODCALLTYPE Reset() override;
    HRESULT STDMETHODCALLTYPE Clone(IEnumPins** copy) override;

private:
    ~CKitPinEnum();

    LONG m_refs = 1;
    CKitFilter* m_filter;
    int m_position;
};
