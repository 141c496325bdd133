#pragma once
// CAudioInputLists: the three lists of a page that picks an audio input: the capture
// device, its input pin and the capture format, filled from the device source. The
// device and format items hold their device object and format text until Release,
// which the page calls when its window is destroyed.
#include "framework/CString.h"

#include <windows.h>

class CAudioInputLists
{
public:
    // The lists and, where the page has them, their labels (0: none).
    struct Items
    {
        UINT device, format, pin, deviceLabel, formatLabel, pinLabel;
    };
    explicit CAudioInputLists(const Items& items) : m_items(items) {}

    // Fills the lists of the page's window with the stored values selected. The result
    // is the engine's text of the first list that failed, empty when every list was filled.
    CString Fill(HWND page, const CString& device, const CString& format, const CString& pin);
    // Selects the stored values: the device by its text (case ignored; else the first,
    // and its pins are listed again), the format by its text, the pin by its name.
    void Select(const CString& device, const CString& format, const CString& pin);
    // Another device was chosen: lists its pins, keeping the pin shown before when it has
    // one. The result as Fill's.
    CString OnDeviceChanged();
    // The selected values; the device is empty when none is listed.
    CString Device() const;
    CString Format() const;
    CString Pin() const;
    // Releases the items' objects and texts and empties the lists.
    void Release();
    // Enables or disables the three lists and their labels.
    void Enable(bool enable);

private:
    HWND Item(UINT id) const { return GetDlgItem(m_page, static_cast<int>(id)); }
    CString FillPins(const CString& pin);

    Items m_items;
    HWND m_page = nullptr;
};
