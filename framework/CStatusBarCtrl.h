#pragma once
// CStatusBarCtrl: a status bar control of its own, for windows without a frame's control
// bars (a dialog's foot line). It keeps its place at the parent's bottom edge when the
// parent passes on its WM_SIZE (Reposition).
#include "framework/CString.h"
#include "framework/CWnd.h"

#include <commctrl.h>

class CStatusBarCtrl : public CWnd
{
public:
    bool Create(HWND parent, UINT id, DWORD style = WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP)
    {
        return CreateControl(0, STATUSCLASSNAMEW, L"", style, RECT{}, parent, id);
    }
    bool SetText(const wchar_t* text, int part = 0)
    {
        return SendMessageW(GetSafeHwnd(), SB_SETTEXTW, part, reinterpret_cast<LPARAM>(text)) != 0;
    }
    CString GetText(int part = 0) const
    {
        wchar_t text[512] = L"";
        if (LOWORD(SendMessageW(GetSafeHwnd(), SB_GETTEXTLENGTHW, part, 0)) < 512)
            SendMessageW(GetSafeHwnd(), SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text));
        return CString(text);
    }
    void Reposition() { SendMessageW(GetSafeHwnd(), WM_SIZE, 0, 0); }
};
