#pragma once
// CPersistWindowPlacement: keeps a window's placement in the application's profile
// (AppProfile.h), value "WindowPos" of its section: the text
// "flags,showCmd,minX,minY,maxX,maxY,left,top,right,bottom" of the WINDOWPLACEMENT.
// Save when the window closes; Restore when it opens again.
#include "framework/CString.h"

class CPersistWindowPlacement
{
public:
    // section: null for "PersistWndSetts". The window is not owned.
    explicit CPersistWindowPlacement(HWND window, const wchar_t* section = nullptr);
    virtual ~CPersistWindowPlacement() = default;

    // Stores the window's placement; the flags are WPF_RESTORETOMAXIMIZED when the window
    // is maximised, else 0. Nothing without a window.
    void Save();
    // Stores the placement with flags 0; a non-zero width or height replaces the normal
    // rectangle's width or height.
    void SaveWithSize(int width, int height);
    // Places the window as stored (the default text when nothing is stored). A show command
    // other than SW_SHOWNORMAL overrides the stored one. Returns the show command for the
    // caller's ShowWindow: SW_SHOWNORMAL when nothing is stored; the given one unchanged when
    // restoreOnce is set and the window was restored already, or when there is no window.
    UINT Restore(UINT showCmd, bool restoreOnce, const wchar_t* defaultText);
    // Reads the stored placement (the default text when the value is empty); false when
    // both are empty or the text does not hold exactly ten numbers.
    bool Load(WINDOWPLACEMENT& placement, const wchar_t* defaultText) const;

private:
    bool ReadPlacement(WINDOWPLACEMENT& placement) const;
    void Write(const WINDOWPLACEMENT& placement) const;

    HWND m_window;
    CString m_section;
    bool m_restored = false;
};
