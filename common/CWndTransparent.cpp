#include "common/CWndTransparent.h"

namespace
{
// WS_POPUP | WS_BORDER plus low bits that only controls interpret; this class ignores them.
const DWORD kStyle = 0x80800028;
} // namespace

CWndTransparent::CWndTransparent() : m_rcParked{5, 5, 10, 10}
{
    GetWindowRect(GetDesktopWindow(), &m_rcFull);
    InflateRect(&m_rcFull, 1, 1);
}

void CWndTransparent::Create(bool show)
{
    CString className = AppRegisterWndClass(0);
    if (className.IsEmpty() || !CreateEx(0, className, L"Vellumor", kStyle, show ? m_rcFull : m_rcParked, nullptr, 0))
        return;
    ShowWindow(GetSafeHwnd(), show ? SW_SHOW : SW_HIDE);
    UpdateWindow(GetSafeHwnd());
}

BOOL CWndTransparent::Show(bool show)
{
    HWND window = GetSafeHwnd();
    const RECT& rect = show ? m_rcFull : m_rcParked;
    MoveWindow(window, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
    ShowWindow(window, show ? SW_SHOW : SW_HIDE);
    if (!show)
        return LockWindowUpdate(nullptr);
    SetForegroundWindow(window);
    return LockWindowUpdate(window);
}
