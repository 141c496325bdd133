#include "framework/CSCBMiniDockFrameWnd.h"

#include "framework/CFrameWnd.h"
#include "framework/CSizingControlBar.h"

namespace
{
// Window style with the frame's own bits (MFS_*) in the low word.
const DWORD kDynamicStyle = 0x80C83300;
const DWORD kFixedStyle = 0x80C83B00;
} // namespace

bool CSCBMiniDockFrameWnd::Create(CFrameWnd* dockSite, DWORD barStyle)
{
    DWORD style = (barStyle & CBRS_SIZE_DYNAMIC) ? kDynamicStyle : kFixedStyle;
    DWORD windowStyle = (style & 0xFFFF0000) | WS_THICKFRAME | WS_CLIPCHILDREN;
    // The floating dock bar runs across when the bar has any of these alignment bits.
    DWORD dockBarStyle = (barStyle & 0x5000) ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT;
    if (!CreateFrame(dockSite, windowStyle, style & 0xFFFF, dockBarStyle | (barStyle & CBRS_FLOAT_MULTI)))
        return false;
    CString hide;
    HMENU system = GetSystemMenu(GetSafeHwnd(), FALSE);
    if (system && hide.LoadString(AFX_IDS_HIDE))
        ModifyMenuW(system, SC_CLOSE, MF_BYCOMMAND | MF_STRING, SC_CLOSE, hide.GetString());
    return true;
}

CSizingControlBar* CSCBMiniDockFrameWnd::GetSizingControlBar() const
{
    return dynamic_cast<CSizingControlBar*>(GetFirstBar());
}

SIZE CSCBMiniDockFrameWnd::ClientSizeFor(SIZE barSize) const
{
    if (!GetSizingControlBar())
        return barSize;
    return {barSize.cx - 4, barSize.cy - 4};
}

LRESULT CSCBMiniDockFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CSizingControlBar* bar = GetSizingControlBar();
    switch (message)
    {
    case WM_SIZE:
        if (bar && bar->IsVisible() && !(m_dwMiniStyle & MFS_4THICKFRAME))
        {
            SIZE size = {LOWORD(lParam) + 4, HIWORD(lParam) + 4};
            if (size.cx >= bar->m_szMinFloat.cx && size.cy >= bar->m_szMinFloat.cy)
                bar->m_szFloat = size;
        }
        break;
    case WM_GETMINMAXINFO:
        if (bar)
        {
            RECT r = {0, 0, bar->m_szMinFloat.cx - 4, bar->m_szMinFloat.cy - 4};
            AdjustWindowRectEx(&r, WS_POPUP | WS_THICKFRAME, FALSE, kWindowExStyle);
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize = {r.right - r.left, r.bottom - r.top};
            return 0;
        }
        break;
    case WM_NCLBUTTONDOWN:
        // Edges and corners size the frame natively.
        if (bar && wParam != HTCAPTION && wParam != HTCLOSE)
            return DefWindowProcW(GetSafeHwnd(), message, wParam, lParam);
        break;
    case WM_WINDOWPOSCHANGING:
        if (bar && (m_dwMiniStyle & MFS_4THICKFRAME))
        {
            reinterpret_cast<WINDOWPOS*>(lParam)->flags |= SWP_NOSIZE;
            HWND dockBar = GetDockBar().GetSafeHwnd();
            SetWindowLongW(dockBar, GWL_STYLE, GetWindowLongW(dockBar, GWL_STYLE) | WS_CLIPCHILDREN);
            m_dwMiniStyle &= ~MFS_4THICKFRAME;
            SetWindowLongW(GetSafeHwnd(), GWL_STYLE,
                           GetWindowLongW(GetSafeHwnd(), GWL_STYLE) & ~(WS_CAPTION | WS_SYSMENU));
            if (m_pDockSite)
                m_pDockSite->DelayRecalcLayout();
            PostMessageW(bar->GetSafeHwnd(), WM_NCPAINT, 0, 0);
        }
        break;
    default:
        break;
    }
    return CMiniDockFrameWnd::WindowProc(message, wParam, lParam);
}
