#include "capture/pages/CAudioInputLists.h"

#include "capture/audio/AudioComboHelpers.h"
#include "capture/pages/CaptureDeviceSource.h"
#include "common/DirectShowHelpers.h"

void CAudioInputLists::Fill(HWND page, const CString& device, const CString& format, const CString& pin)
{
    m_page = page;
    const CaptureDeviceSource& source = GetCaptureDeviceSource();
    source.fillAudioFormats(Item(m_format), format);
    source.fillAudioDevices(Item(m_device), Item(m_pin), device, pin);
}

void CAudioInputLists::Select(const CString& device, const CString& format, const CString& pin)
{
    HWND devices = Item(m_device);
    const LRESULT before = SendMessageW(devices, CB_GETCURSEL, 0, 0);
    SelectComboItemByText(devices, device);
    if (SendMessageW(devices, CB_GETCURSEL, 0, 0) != before)
        FillPins(pin);
    else
        SelectComboItemByText(Item(m_pin), pin);
    SelectComboItemByData(Item(m_format), format);
}

void CAudioInputLists::OnDeviceChanged()
{
    FillPins(Pin());
}

void CAudioInputLists::FillPins(const CString& pin)
{
    // A device without pins (or no device) leaves the list empty, not with the old pins.
    SendMessageW(Item(m_pin), CB_RESETCONTENT, 0, 0);
    HWND devices = Item(m_device);
    const int index = static_cast<int>(SendMessageW(devices, CB_GETCURSEL, 0, 0));
    GetCaptureDeviceSource().fillAudioPins(devices, Item(m_pin), index, pin);
}

CString CAudioInputLists::Device() const
{
    return GetSelectedDeviceName(Item(m_device));
}

CString CAudioInputLists::Format() const
{
    return GetComboSelectedData(Item(m_format));
}

CString CAudioInputLists::Pin() const
{
    return GetComboSelectedText(Item(m_pin));
}

void CAudioInputLists::Release()
{
    if (!m_page)
        return;
    EmptyDeviceCombo(Item(m_device));
    EmptyDataStringCombo(Item(m_format));
    SendMessageW(Item(m_pin), CB_RESETCONTENT, 0, 0);
    m_page = nullptr;
}

void CAudioInputLists::Enable(bool enable)
{
    for (UINT id : {m_device, m_format, m_pin})
        EnableWindow(Item(id), enable ? TRUE : FALSE);
}
