#pragma once
// The main window of the tests: a plain top-level window, shown without activation,
// made the program's main window while it lives, that records the commands it gets.
#include "framework/AppMainWnd.h"
#include "framework/CWnd.h"

#include <vector>

namespace controller_test
{
class HostWindow : public CWnd
{
public:
    HostWindow()
    {
        const RECT rect = {100, 100, 500, 500};
        CreateEx(0, AppRegisterWndClass(0, LoadCursor(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_WINDOW)),
                 L"Controller test host", WS_OVERLAPPEDWINDOW, rect, nullptr, 0);
        ShowWindow(GetSafeHwnd(), SW_SHOWNOACTIVATE);
        AppSetMainWnd(GetSafeHwnd());
    }
    ~HostWindow() override { AppSetMainWnd(nullptr); }

    std::vector<UINT> commands;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND && lParam == 0)
            commands.push_back(LOWORD(wParam));
        return CWnd::WindowProc(message, wParam, lParam);
    }
};
} // namespace controller_test
