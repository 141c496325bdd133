#include "common/DirectXVersion.h"
// The DxDiag identifiers live in no import library: they are defined here, once.
#include <initguid.h>
#include <dxdiag.h>
#include <wrl/client.h>
#include "framework/Handles.h"

using Microsoft::WRL::ComPtr;

namespace
{
bool ReadUnsigned(IDxDiagContainer* container, const wchar_t* name, DWORD& value)
{
    VARIANT prop;
    VariantInit(&prop);
    const bool read = SUCCEEDED(container->GetProp(name, &prop)) && prop.vt == VT_UI4;
    if (read)
        value = prop.ulVal;
    VariantClear(&prop);
    return read;
}

bool ReadFirstCharacter(IDxDiagContainer* container, const wchar_t* name, wchar_t& value)
{
    VARIANT prop;
    VariantInit(&prop);
    const bool read =
        SUCCEEDED(container->GetProp(name, &prop)) && prop.vt == VT_BSTR && SysStringLen(prop.bstrVal) > 0;
    if (read)
        value = prop.bstrVal[0];
    VariantClear(&prop);
    return read;
}

// Every interface is released on return, before the caller ends its COM use.
HRESULT ReadFromProvider(DWORD& major, DWORD& minor, wchar_t& letter)
{
    ComPtr<IDxDiagProvider> provider;
    if (FAILED(CoCreateInstance(CLSID_DxDiagProvider, nullptr, CLSCTX_INPROC_SERVER, IID_IDxDiagProvider,
                                reinterpret_cast<void**>(provider.GetAddressOf()))))
        return E_FAIL;

    DXDIAG_INIT_PARAMS params = {};
    params.dwSize = sizeof(params);
    params.dwDxDiagHeaderVersion = DXDIAG_DX9_SDK_VERSION;
    params.bAllowWHQLChecks = FALSE;
    params.pReserved = nullptr;
    ComPtr<IDxDiagContainer> root;
    ComPtr<IDxDiagContainer> systemInfo;
    if (FAILED(provider->Initialize(&params)) || FAILED(provider->GetRootContainer(&root)) ||
        FAILED(root->GetChildContainer(L"DxDiag_SystemInfo", &systemInfo)))
        return E_FAIL;
    return ReadDirectXVersion(systemInfo.Get(), major, minor, letter);
}
} // namespace

HRESULT GetDirectXVersion(DWORD& major, DWORD& minor, wchar_t& letter)
{
    CComApartment apartment;
    return ReadFromProvider(major, minor, letter);
}

HRESULT ReadDirectXVersion(IDxDiagContainer* systemInfo, DWORD& major, DWORD& minor, wchar_t& letter)
{
    const bool read = ReadUnsigned(systemInfo, L"dwDirectXVersionMajor", major) &&
                      ReadUnsigned(systemInfo, L"dwDirectXVersionMinor", minor) &&
                      ReadFirstCharacter(systemInfo, L"szDirectXVersionLetter", letter);
    return read ? S_OK : E_FAIL;
}
