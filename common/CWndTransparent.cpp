#include "common/CWndTransparent.h"

namespace
{
// WS_POPUP | WS_BORDER plus low bits that only controls interpret; this class ignores them.
const DWORD kStyle = 0x80800028;
} // namespace

CWndTransparent::CWndTransparent() : m_rcParked{5, 5, 10, 10}
{
    TakeDesktopRect();
}

void CWndTransparent::TakeDesktopRect()
{
    GetWindowRect(::GetDesktopWindow(), &m_rcFull);
    InflateRect(&m_rcFull, 1, 1);
}

bool CWndTransparent::MoveToRect(const RECT& rect, bool repaint)
{
    return MoveWindow(GetSafeHwnd(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, repaint) !=
           FALSE;
}

BOOL CWndTransparent::LockUpdates()
{
    return LockWindowUpdate(GetSafeHwnd());
}

BOOL CWndTransparent::UnlockUpdates()
{
    return LockWindowUpdate(nullptr);
}

BOOL CWndTransparent::ShowAt(const RECT& rect)
{
    MoveToRect(rect, true);
    ShowWindow(GetSafeHwnd(), SW_SHOW);
    SetForegroundWindow(GetSafeHwnd());
    return LockUpdates();
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
    if (show)
        return ShowAt(m_rcFull);
    MoveToRect(m_rcParked, true);
    ShowWindow(window, SW_HIDE);
    return UnlockUpdates();
}
