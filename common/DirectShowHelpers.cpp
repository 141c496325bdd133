#include "common/DirectShowHelpers.h"
#include <uuids.h>
#include <qedit.h>
#include <wrl/client.h>

using Microsoft::WRL::ComPtr;

namespace
{
const wchar_t kNoEntries[] = L"<< No entries >>";
const wchar_t kPinError[] = L"<ERROR>";

bool ReadFriendlyName(IMoniker* device, CString& name)
{
    return ReadDeviceString(device, L"FriendlyName", name);
}

// The pin's name; false when it cannot be read.
bool ReadPinName(IPin* pin, CString& name)
{
    PIN_INFO info = {};
    if (FAILED(pin->QueryPinInfo(&info)))
        return false;
    if (info.pFilter)
        info.pFilter->Release();
    name = info.achName;
    return true;
}

bool HasDirection(IPin* pin, PIN_DIRECTION direction)
{
    PIN_DIRECTION actual;
    return SUCCEEDED(pin->QueryDirection(&actual)) && actual == direction;
}

HRESULT CreateSystemDeviceEnum(ComPtr<ICreateDevEnum>& deviceEnum)
{
    return CoCreateInstance(CLSID_SystemDeviceEnum, nullptr, CLSCTX_INPROC_SERVER, IID_ICreateDevEnum,
                            reinterpret_cast<void**>(deviceEnum.ReleaseAndGetAddressOf()));
}

// Adds text with data; false (and nothing added) when the combo refuses the item.
bool AddComboItem(HWND combo, const wchar_t* text, LPARAM data)
{
    const LRESULT index = SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    if (index < 0)
        return false;
    SendMessageW(combo, CB_SETITEMDATA, static_cast<WPARAM>(index), data);
    return true;
}

// Adds the device unless its name is missing or already listed; true when added, the
// item then holding the caller's reference.
bool AddDeviceToCombo(IMoniker* device, HWND combo)
{
    CString name;
    if (!ReadFriendlyName(device, name))
        return false;
    if (SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name.GetString())) !=
        CB_ERR)
        return false;
    return AddComboItem(combo, name, reinterpret_cast<LPARAM>(device));
}
} // namespace

bool ReadDeviceString(IMoniker* device, const wchar_t* property, CString& value)
{
    ComPtr<IPropertyBag> properties;
    if (FAILED(device->BindToStorage(nullptr, nullptr, IID_IPropertyBag,
                                     reinterpret_cast<void**>(properties.GetAddressOf()))))
        return false;
    VARIANT read;
    VariantInit(&read);
    const bool isText = SUCCEEDED(properties->Read(property, &read, nullptr)) && read.vt == VT_BSTR;
    if (isText)
        value = read.bstrVal ? read.bstrVal : L"";
    VariantClear(&read);
    return isText;
}

HRESULT EnumerateDevices(REFCLSID category, IEnumMoniker** devices)
{
    *devices = nullptr;
    ComPtr<ICreateDevEnum> deviceEnum;
    const HRESULT hr = CreateSystemDeviceEnum(deviceEnum);
    return FAILED(hr) ? hr : deviceEnum->CreateClassEnumerator(category, devices, 0);
}

HRESULT GetPin(IBaseFilter* filter, PIN_DIRECTION direction, int index, IPin** pin)
{
    *pin = nullptr;
    ComPtr<IEnumPins> pins;
    if (FAILED(filter->EnumPins(&pins)))
        return E_FAIL;
    ComPtr<IPin> candidate;
    while (pins->Next(1, candidate.ReleaseAndGetAddressOf(), nullptr) == S_OK)
    {
        if (!HasDirection(candidate.Get(), direction))
            continue;
        if (index == 0)
        {
            *pin = candidate.Detach();
            return S_OK;
        }
        --index;
    }
    return E_FAIL;
}

int CountPins(IBaseFilter* filter, PIN_DIRECTION direction)
{
    ComPtr<IEnumPins> pins;
    if (FAILED(filter->EnumPins(&pins)))
        return 0;
    int count = 0;
    ComPtr<IPin> pin;
    while (pins->Next(1, pin.ReleaseAndGetAddressOf(), nullptr) == S_OK)
    {
        if (HasDirection(pin.Get(), direction))
            ++count;
    }
    return count;
}

void FindPinByName(IBaseFilter* filter, const CString& name)
{
    const int inputs = CountPins(filter, PINDIR_INPUT);
    for (int index = 0; index < inputs; ++index)
    {
        ComPtr<IPin> pin;
        ComPtr<IAMAudioInputMixer> mixer;
        if (FAILED(GetPin(filter, PINDIR_INPUT, index, &pin)) ||
            FAILED(pin->QueryInterface(IID_IAMAudioInputMixer, reinterpret_cast<void**>(mixer.GetAddressOf()))))
            continue;
        CString pinName;
        const bool selected = ReadPinName(pin.Get(), pinName) && pinName.CompareNoCase(name) == 0;
        mixer->put_Enable(selected ? TRUE : FALSE);
    }
}

IMoniker* FindDeviceFilter(ICreateDevEnum* deviceEnum, REFCLSID category, const CString& friendlyName)
{
    // The holder takes a reference of its own: the caller's enumerator is not released.
    ComPtr<ICreateDevEnum> enumerator = deviceEnum;
    if (!enumerator && FAILED(CreateSystemDeviceEnum(enumerator)))
        return nullptr;
    ComPtr<IEnumMoniker> devices;
    if (enumerator->CreateClassEnumerator(category, &devices, 0) != S_OK || !devices)
        return nullptr;

    ComPtr<IMoniker> device;
    while (devices->Next(1, device.ReleaseAndGetAddressOf(), nullptr) == S_OK)
    {
        CString name;
        if (friendlyName.IsEmpty() || (ReadFriendlyName(device.Get(), name) && name.CompareNoCase(friendlyName) == 0))
            return device.Detach();
    }
    return nullptr;
}

HRESULT FillDeviceCombo(HWND combo, REFCLSID category)
{
    ComPtr<IEnumMoniker> devices;
    const HRESULT hr = EnumerateDevices(category, &devices);
    return FAILED(hr) ? hr : AddDeviceNamesToCombo(devices.Get(), combo);
}

HRESULT FillVideoDeviceCombo(HWND combo)
{
    return FillDeviceCombo(combo, CLSID_VideoInputDeviceCategory);
}

HRESULT AddDeviceNamesToCombo(IEnumMoniker* devices, HWND combo)
{
    int added = 0;
    IMoniker* device = nullptr;
    while (devices && devices->Next(1, &device, nullptr) == S_OK)
    {
        if (AddDeviceToCombo(device, combo))
            ++added;
        else
            device->Release();
    }
    if (added == 0 && !AddComboItem(combo, kNoEntries, 0))
        return E_OUTOFMEMORY;
    return S_OK;
}

void EmptyDeviceCombo(HWND combo)
{
    const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT index = 0; index < count; ++index)
    {
        const LRESULT data = SendMessageW(combo, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
        if (data != 0 && data != CB_ERR)
            reinterpret_cast<IMoniker*>(data)->Release();
    }
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
}

void FillPinCombo(HWND combo, IBaseFilter* filter, PIN_DIRECTION direction)
{
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    ComPtr<IEnumPins> pins;
    if (FAILED(filter->EnumPins(&pins)))
        return;
    int index = 0;
    ComPtr<IPin> pin;
    while (pins->Next(1, pin.ReleaseAndGetAddressOf(), nullptr) == S_OK)
    {
        PIN_DIRECTION actual;
        if (FAILED(pin->QueryDirection(&actual)))
        {
            AddComboItem(combo, kPinError, 0);
            return;
        }
        if (actual != direction)
            continue;
        CString name;
        ReadPinName(pin.Get(), name);
        AddComboItem(combo, name, index++);
    }
}

long GetMediaLength(const CString& path, REFGUID majorType)
{
    ComPtr<IMediaDet> detector;
    if (FAILED(CoCreateInstance(CLSID_MediaDet, nullptr, CLSCTX_INPROC_SERVER, IID_IMediaDet,
                                reinterpret_cast<void**>(detector.GetAddressOf()))))
        return -1;
    BSTR file = SysAllocString(path);
    const HRESULT opened = file ? detector->put_Filename(file) : E_OUTOFMEMORY;
    SysFreeString(file);
    long streams = 0;
    if (FAILED(opened) || FAILED(detector->get_OutputStreams(&streams)))
        return -1;

    for (long stream = 0; stream < streams; ++stream)
    {
        GUID type;
        if (FAILED(detector->put_CurrentStream(stream)) || FAILED(detector->get_StreamType(&type)) || type != majorType)
            continue;
        double seconds = 0;
        if (FAILED(detector->get_StreamLength(&seconds)) || seconds < 0)
            return -1;
        return static_cast<long>(seconds);
    }
    return -1;
}

CString FormatMediaLength(const CString& path, REFGUID majorType)
{
    return FormatMediaLength(GetMediaLength(path, majorType));
}

CString FormatMediaLength(long seconds)
{
    if (seconds < 0)
        return L"Unknown";
    CString text;
    text.Format(L"%d : %02d : %02d", static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
                static_cast<int>(seconds % 60));
    return text;
}

void FreeMediaType(AM_MEDIA_TYPE& type)
{
    if (type.pbFormat)
        CoTaskMemFree(type.pbFormat);
    if (type.pUnk)
        type.pUnk->Release();
    type.pbFormat = nullptr;
    type.cbFormat = 0;
    type.pUnk = nullptr;
}

void DeleteMediaType(AM_MEDIA_TYPE* type)
{
    if (!type)
        return;
    FreeMediaType(*type);
    CoTaskMemFree(type);
}
