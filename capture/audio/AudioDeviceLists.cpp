#include "capture/audio/AudioDeviceLists.h"

#include "capture/audio/AudioComboHelpers.h"
#include "capture/audio/AudioErrorText.h"
#include "capture/audio/AudioFormats.h"
#include "common/DirectShowHelpers.h"

#include <dsound.h>
#include <uuids.h>
#include <wrl/client.h>

using Microsoft::WRL::ComPtr;

namespace
{
const wchar_t* const kComFailure = L"Cannot initializing the COM. Error:  %s";
const wchar_t* const kCaptureObjectFailure = L"Failure creating the DirectSoundCapture object. Error:  %s";
const wchar_t* const kNoCaptureDriver =
    L"Failure creating the DirectSoundCapture object. Possible cause: the audio device is missing or it does not "
    L"work properly. Please open the system's Control Panel where you can add a new hardware device or fix an "
    L"already installed one.";

HRESULT InitializeCom()
{
    const HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    return hr == RPC_E_CHANGED_MODE ? S_OK : hr;
}

// The default capture device with the table of its formats filled.
HRESULT OpenCaptureDevice(ComPtr<IDirectSoundCapture>& capture)
{
    const HRESULT hr = DirectSoundCaptureCreate(nullptr, &capture, nullptr);
    if (SUCCEEDED(hr))
        InitAudioInputFormats(capture.Get());
    return hr;
}
} // namespace

HRESULT FillAudioDeviceCombo(HWND deviceCombo, HWND pinCombo, const CString& selectedDevice,
                             const CString& selectedPin)
{
    ClearAudioErrorText();
    HRESULT hr = InitializeCom();
    if (FAILED(hr))
        return SetAudioFailure(kComFailure, hr);
    EmptyDeviceCombo(deviceCombo);
    if (FAILED(hr = FillDeviceCombo(deviceCombo, CLSID_AudioInputDeviceCategory)))
        return SetAudioFailure(L"Failure enumerating the audio input devices installed in system. Error:  %s", hr);
    if (SendMessageW(deviceCombo, CB_GETCOUNT, 0, 0) <= 0)
        return S_OK;
    SendMessageW(deviceCombo, CB_SETCURSEL, 0, 0);
    SelectComboItemByText(deviceCombo, selectedDevice);
    const int device = static_cast<int>(SendMessageW(deviceCombo, CB_GETCURSEL, 0, 0));
    return FillAudioInputPinCombo(deviceCombo, pinCombo, device, selectedPin);
}

HRESULT FillAudioInputPinCombo(HWND deviceCombo, HWND pinCombo, int deviceIndex, const CString& selectedPin)
{
    ClearAudioErrorText();
    const LRESULT data = SendMessageW(deviceCombo, CB_GETITEMDATA, deviceIndex, 0);
    if (data == CB_ERR || data == 0)
        return S_FALSE;
    ComPtr<IBaseFilter> filter;
    const HRESULT hr = reinterpret_cast<IMoniker*>(data)->BindToObject(nullptr, nullptr, IID_IBaseFilter,
                                                                        reinterpret_cast<void**>(filter.GetAddressOf()));
    if (FAILED(hr))
        return SetAudioFailure(L"Failure obtaining the audio input device. Error:  %s", hr);
    FillPinCombo(pinCombo, filter.Get(), PINDIR_INPUT);
    SelectComboItemByText(pinCombo, selectedPin);
    return S_OK;
}

HRESULT FillAudioFormatCombo(HWND formatCombo, const CString& selectedFormat)
{
    ClearAudioErrorText();
    HRESULT hr = InitializeCom();
    if (FAILED(hr))
        return SetAudioFailure(kComFailure, hr);
    ComPtr<IDirectSoundCapture> capture;
    if (FAILED(hr = OpenCaptureDevice(capture)))
        return SetAudioFailure(kCaptureObjectFailure, hr);
    EmptyDataStringCombo(formatCombo);
    for (int index = 0; index < kAudioFormatCount; ++index)
    {
        if (!IsAudioInputFormatSupported(index))
            continue;
        WAVEFORMATEX format;
        AudioFormatFromIndex(index, &format);
        const LRESULT item = SendMessageW(formatCombo, CB_ADDSTRING, 0,
                                          reinterpret_cast<LPARAM>(AudioFormatDisplayText(format).GetString()));
        SendMessageW(formatCombo, CB_SETITEMDATA, item, reinterpret_cast<LPARAM>(new CString(AudioFormatString(format))));
    }
    SelectComboItemByData(formatCombo, selectedFormat);
    return S_OK;
}

bool CheckAudioCaptureDevice()
{
    ClearAudioErrorText();
    HRESULT hr = InitializeCom();
    if (FAILED(hr))
        return SetAudioFailure(kComFailure, hr), true;
    ComPtr<IDirectSoundCapture> capture;
    hr = OpenCaptureDevice(capture);
    if (hr == DSERR_NODRIVER)
        SetAudioErrorText(kNoCaptureDriver);
    else if (FAILED(hr))
        SetAudioFailure(kCaptureObjectFailure, hr);
    return FAILED(hr);
}
