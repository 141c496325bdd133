#include "capture/pages/CaptureDeviceSource.h"

#include "capture/audio/AudioComboHelpers.h"
#include "capture/audio/AudioDeviceLists.h"
#include "common/DirectShowHelpers.h"

#include <objbase.h>

namespace
{
HRESULT FillSystemVideoDevices(HWND devices)
{
    // The items hold COM objects until the page empties the list, so COM stays initialised.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(com) && com != RPC_E_CHANGED_MODE)
        return com;
    return FillVideoDeviceCombo(devices);
}

CaptureDeviceSource SystemSource()
{
    return {FillAudioDeviceCombo, FillAudioInputPinCombo, FillAudioFormatCombo, FillSystemVideoDevices};
}

CaptureDeviceSource& Current()
{
    static CaptureDeviceSource source = SystemSource();
    return source;
}
} // namespace

const CaptureDeviceSource& GetCaptureDeviceSource()
{
    return Current();
}

CaptureDeviceSource SetCaptureDeviceSource(CaptureDeviceSource source)
{
    CaptureDeviceSource previous = Current();
    Current() = source.fillAudioDevices ? std::move(source) : SystemSource();
    return previous;
}

CString GetSelectedDeviceName(HWND devices)
{
    const LRESULT index = SendMessageW(devices, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR || SendMessageW(devices, CB_GETITEMDATA, static_cast<WPARAM>(index), 0) == 0)
        return CString();
    return GetComboSelectedText(devices);
}
