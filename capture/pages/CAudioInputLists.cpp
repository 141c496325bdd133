#include "capture/pages/CAudioInputLists.h"

#include "capture/audio/AudioComboHelpers.h"
#include "capture/audio/AudioErrorText.h"
#include "capture/pages/CaptureDeviceSource.h"
#include "common/DirectShowHelpers.h"
#include "common/SystemHelpers.h"

namespace
{
// The engine's text of a failed service (the system's text of hr when the engine left
// none); empty after a success.
CString FailureText(HRESULT hr)
{
    if (SUCCEEDED(hr))
        return CString();
    const CString text = GetAudioErrorText();
    return text.IsEmpty() ? GetHResultText(hr) : text;
}
} // namespace

CString CAudioInputLists::Fill(HWND page, const CString& device, const CString& format, const CString& pin)
{
    m_page = page;
    const CaptureDeviceSource& source = GetCaptureDeviceSource();
    // Each service empties the engine's text, so a failure's text is taken at once.
    const CString formats = FailureText(source.fillAudioFormats(Item(m_items.format), format));
    const CString devices = FailureText(source.fillAudioDevices(Item(m_items.device), Item(m_items.pin), device, pin));
    return formats.IsEmpty() ? devices : formats;
}

void CAudioInputLists::Select(const CString& device, const CString& format, const CString& pin)
{
    HWND devices = Item(m_items.device);
    const LRESULT before = SendMessageW(devices, CB_GETCURSEL, 0, 0);
    SelectComboItemByText(devices, device);
    if (SendMessageW(devices, CB_GETCURSEL, 0, 0) != before)
        FillPins(pin);
    else
        SelectComboItemByText(Item(m_items.pin), pin);
    SelectComboItemByData(Item(m_items.format), format);
}

CString CAudioInputLists::OnDeviceChanged()
{
    return FillPins(Pin());
}

CString CAudioInputLists::FillPins(const CString& pin)
{
    // A device without pins (or no device) leaves the list empty, not with the old pins.
    SendMessageW(Item(m_items.pin), CB_RESETCONTENT, 0, 0);
    HWND devices = Item(m_items.device);
    const int index = static_cast<int>(SendMessageW(devices, CB_GETCURSEL, 0, 0));
    return FailureText(GetCaptureDeviceSource().fillAudioPins(devices, Item(m_items.pin), index, pin));
}

CString CAudioInputLists::Device() const
{
    return GetSelectedDeviceName(Item(m_items.device));
}

CString CAudioInputLists::Format() const
{
    return GetComboSelectedData(Item(m_items.format));
}

CString CAudioInputLists::Pin() const
{
    return GetComboSelectedText(Item(m_items.pin));
}

void CAudioInputLists::Release()
{
    if (!m_page)
        return;
    EmptyDeviceCombo(Item(m_items.device));
    EmptyDataStringCombo(Item(m_items.format));
    SendMessageW(Item(m_items.pin), CB_RESETCONTENT, 0, 0);
    m_page = nullptr;
}

void CAudioInputLists::Enable(bool enable)
{
    for (UINT id : {m_items.device, m_items.format, m_items.pin, m_items.deviceLabel, m_items.formatLabel,
                    m_items.pinLabel})
        if (id)
            EnableWindow(Item(id), enable ? TRUE : FALSE);
}
