#include "capture/selection/CCaptureOwnerWnd.h"

#include "framework/AppMainWnd.h"

CCaptureOwnerWnd::~CCaptureOwnerWnd()
{
    // The base destroys the window without telling this object.
    GiveUpMainWindow();
}

bool CCaptureOwnerWnd::Create()
{
    CString className = AppRegisterWndClass(0);
    const RECT nowhere = {0, 0, 0, 0};
    if (className.IsEmpty() || !CreateEx(WS_EX_TOOLWINDOW, className, L"Vellumor", WS_POPUP, nowhere, nullptr, 0))
        return false;
    if (AppGetMainWnd() == nullptr)
        AppSetMainWnd(GetSafeHwnd());
    return true;
}

LRESULT CCaptureOwnerWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY)
        GiveUpMainWindow();
    return CWnd::WindowProc(message, wParam, lParam);
}

void CCaptureOwnerWnd::GiveUpMainWindow()
{
    HWND window = GetSafeHwnd();
    if (window && AppGetMainWnd() == window)
        AppSetMainWnd(nullptr);
}
