#pragma once
// CStatic: a static text, frame or picture bound to its object (CWnd).
#include "framework/CWnd.h"

class CStatic : public CWnd
{
public:
    bool Create(const wchar_t* text, DWORD style, const RECT& rect, HWND parent, UINT id)
    {
        return CreateControl(0, L"STATIC", text, style, rect, parent, id);
    }
    // The previous icon, which stays the caller's (SS_ICON).
    HICON SetIcon(HICON icon)
    {
        return reinterpret_cast<HICON>(SendMessageW(*this, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0));
    }
    HICON GetIcon() const { return reinterpret_cast<HICON>(SendMessageW(*this, STM_GETICON, 0, 0)); }
    // The previous bitmap, which stays the caller's (SS_BITMAP).
    HBITMAP SetBitmap(HBITMAP bitmap)
    {
        return reinterpret_cast<HBITMAP>(
            SendMessageW(*this, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    }
};
