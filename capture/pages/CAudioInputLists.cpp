#include "capture/pages/CAudioInputLists.h"

#include "capture/audio/AudioComboHelpers.h"
#include "capture/pages/CaptureDeviceSource.h"
#include "common/DirectShowHelpers.h"

void CAudioInputLists::Fill(HWND page, const CString& device, const CString& format, const CString& pin)
{
    m_page = page;
    const CaptureDeviceSource& source = GetCaptureDeviceSource();
    source.fillAudioFormats(Item(m_items.format), format);
    source.fillAudioDevices(Item(m_items.device), Item(m_items.pin), device, pin);
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

void CAudioInputLists::OnDeviceChanged()
{
    FillPins(Pin());
}

void CAudioInputLists::FillPins(const CString& pin)
{
    // A device without pins (or no device) leaves the list empty, not with the old pins.
    SendMessageW(Item(m_items.pin), CB_RESETCONTENT, 0, 0);
    HWND devices = Item(m_items.device);
    const int index = static_cast<int>(SendMessageW(devices, CB_GETCURSEL, 0, 0));
    GetCaptureDeviceSource().fillAudioPins(devices, Item(m_items.pin), index, pin);
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
