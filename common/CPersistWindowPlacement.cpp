#include "common/CPersistWindowPlacement.h"
#include "framework/AppProfile.h"

#include <cwchar>

namespace
{
const wchar_t* const kDefaultSection = L"PersistWndSetts";
const wchar_t* const kValueName = L"WindowPos";
const wchar_t* const kFormat = L"%u,%u,%d,%d,%d,%d,%d,%d,%d,%d";
} // namespace

CPersistWindowPlacement::CPersistWindowPlacement(HWND window, const wchar_t* section)
    : m_window(window), m_section(section ? section : kDefaultSection)
{
}

bool CPersistWindowPlacement::ReadPlacement(WINDOWPLACEMENT& placement) const
{
    placement = {};
    placement.length = sizeof(placement);
    return m_window && IsWindow(m_window) && GetWindowPlacement(m_window, &placement);
}

void CPersistWindowPlacement::Write(const WINDOWPLACEMENT& placement) const
{
    CString text;
    text.Format(kFormat, placement.flags, placement.showCmd, static_cast<int>(placement.ptMinPosition.x),
                static_cast<int>(placement.ptMinPosition.y), static_cast<int>(placement.ptMaxPosition.x),
                static_cast<int>(placement.ptMaxPosition.y), static_cast<int>(placement.rcNormalPosition.left),
                static_cast<int>(placement.rcNormalPosition.top), static_cast<int>(placement.rcNormalPosition.right),
                static_cast<int>(placement.rcNormalPosition.bottom));
    AppWriteProfileString(m_section, kValueName, text);
}

void CPersistWindowPlacement::Save()
{
    WINDOWPLACEMENT placement;
    if (!ReadPlacement(placement))
        return;
    placement.flags = IsZoomed(m_window) ? WPF_RESTORETOMAXIMIZED : 0;
    Write(placement);
}

void CPersistWindowPlacement::SaveWithSize(int width, int height)
{
    WINDOWPLACEMENT placement;
    if (!ReadPlacement(placement))
        return;
    placement.flags = 0;
    RECT& normal = placement.rcNormalPosition;
    if (width)
        normal.right = normal.left + width;
    if (height)
        normal.bottom = normal.top + height;
    Write(placement);
}

bool CPersistWindowPlacement::Load(WINDOWPLACEMENT& placement, const wchar_t* defaultText) const
{
    CString text = AppGetProfileString(m_section, kValueName, L"");
    if (text.IsEmpty())
        text = defaultText ? defaultText : L"";
    if (text.IsEmpty())
        return false;

    UINT flags = 0, showCmd = 0;
    int value[8] = {};
    int consumed = -1;
    CString scanFormat = CString(kFormat) + L"%n"; // %n: how much of the text the numbers took
    int count = swscanf(text, scanFormat, &flags, &showCmd, &value[0], &value[1], &value[2], &value[3], &value[4],
                        &value[5], &value[6], &value[7], &consumed);
    // Exactly ten numbers: a shorter text stops the scan early, a longer one leaves a rest.
    if (count != 10 || consumed < 0 || !text.Mid(consumed).Trim().IsEmpty())
        return false;

    placement = {};
    placement.length = sizeof(placement);
    placement.flags = flags;
    placement.showCmd = showCmd;
    placement.ptMinPosition = {value[0], value[1]};
    placement.ptMaxPosition = {value[2], value[3]};
    placement.rcNormalPosition = {value[4], value[5], value[6], value[7]};
    return true;
}

UINT CPersistWindowPlacement::Restore(UINT showCmd, bool restoreOnce, const wchar_t* defaultText)
{
    if ((restoreOnce && m_restored) || !m_window || !IsWindow(m_window))
        return showCmd;
    WINDOWPLACEMENT placement;
    if (!Load(placement, defaultText))
        return SW_SHOWNORMAL;
    placement.ptMaxPosition = {0, 0};
    if (showCmd != SW_SHOWNORMAL)
        placement.showCmd = showCmd;
    SetWindowPlacement(m_window, &placement);
    m_restored = true;
    return placement.showCmd;
}
