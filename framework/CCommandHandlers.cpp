#include "framework/CCommandHandlers.h"

bool CCommandHandlers::OnCommand(UINT, UINT, HWND)
{
    return false;
}

bool CCommandHandlers::OnNotify(const NMHDR&, LRESULT&)
{
    return false;
}

bool CCommandHandlers::DecodeCommand(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    result = 0;
    if (message == WM_COMMAND)
        return OnCommand(HIWORD(wParam), LOWORD(wParam), reinterpret_cast<HWND>(lParam));
    if (message == WM_NOTIFY)
        return OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result);
    return false;
}
