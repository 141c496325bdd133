#pragma once
// The controls tests' host: a top-level window, made the active window so that its
// controls may hold the focus, and real input aimed at a screen point.
#include "framework/CWnd.h"
#include "testing/TestInput.h"

#include <vector>

class ControlHost : public CWnd
{
public:
    explicit ControlHost(const RECT& rect = RECT{40, 40, 680, 440})
    {
        CreateEx(0, AppRegisterWndClass(0, LoadCursor(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_BTNFACE)),
                 L"Controls test", WS_POPUP | WS_BORDER | WS_VISIBLE, rect, nullptr, 0);
        SetForegroundWindow(GetSafeHwnd());
        SetFocus(GetSafeHwnd());
    }
    // WM_NOTIFY codes the host received, in order.
    std::vector<UINT> notifications;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NOTIFY)
            notifications.push_back(reinterpret_cast<const NMHDR*>(lParam)->code);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

inline INPUT MouseInput(DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

// Moves the cursor to the screen point with a real move event.
inline bool MoveMouseTo(POINT point)
{
    SetCursorPos(point.x, point.y);
    INPUT move = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
    move.mi.dx = MulDiv(point.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    move.mi.dy = MulDiv(point.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    return SendInputSettled(move);
}

inline bool ClickAt(POINT point)
{
    SetCursorPos(point.x, point.y);
    const INPUT click[2] = {MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)};
    return SendInputSettled(click, 2);
}
