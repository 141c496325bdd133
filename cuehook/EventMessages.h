#pragma once
// The kinds of recorded input events, by window message.
#include <windows.h>

inline bool IsMouseMessage(UINT message)
{
    return message >= WM_MOUSEFIRST && message <= 0x20D; // up to WM_XBUTTONDBLCLK
}

inline bool IsKeyboardMessage(UINT message)
{
    return message >= WM_KEYFIRST && message <= 0x108; // WM_KEYDOWN up to the old WM_KEYLAST
}
