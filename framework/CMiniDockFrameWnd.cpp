#include "framework/CMiniDockFrameWnd.h"

#include "framework/CDockContext.h"
#include "framework/CFrameWnd.h"
#include "framework/AppRepositionBars.h"


bool CMiniDockFrameWnd::Create(CFrameWnd* dockSite, DWORD barStyle)
{
    return CreateFrame(dockSite, kWindowStyle, MFS_SYNCACTIVE | MFS_THICKFRAME, barStyle);
}

bool CMiniDockFrameWnd::CreateFrame(CFrameWnd* dockSite, DWORD windowStyle, DWORD miniStyle, DWORD barStyle)
{
    m_pDockSite = dockSite;
    m_dwMiniStyle = miniStyle;
    CString className = AppRegisterWndClass(CS_DBLCLKS, LoadCursorW(nullptr, IDC_ARROW),
                                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    RECT start = {0, 0, 100, 100};
    if (!CreateEx(kWindowExStyle, className, L"", windowStyle & ~WS_VISIBLE, start, dockSite->GetSafeHwnd(), 0))
        return false;
    DWORD align = (barStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) || !(barStyle & CBRS_ORIENT_VERT)
                      ? CBRS_ALIGN_TOP
                      : CBRS_ALIGN_LEFT;
    return m_wndDockBar.Create(GetSafeHwnd(), align | (barStyle & CBRS_FLOAT_MULTI), AFX_IDW_DOCKBAR_FLOAT,
                               dockSite);
}

CControlBar* CMiniDockFrameWnd::GetFirstBar() const
{
    const auto& rows = m_wndDockBar.GetRows();
    return rows.empty() || rows.front().empty() ? nullptr : rows.front().front();
}

void CMiniDockFrameWnd::RecalcLayout()
{
    AppRepositionBars(GetSafeHwnd(), 0, 0xFFFF, AFX_IDW_DOCKBAR_FLOAT);
}

void CMiniDockFrameWnd::ShowForBars()
{
    bool show = m_wndDockBar.GetVisibleBarCount() > 0;
    if (CControlBar* bar = GetFirstBar())
    {
        wchar_t title[256] = L"";
        GetWindowTextW(bar->GetSafeHwnd(), title, 256);
        SetWindowTextW(GetSafeHwnd(), title);
    }
    if (show != (IsWindowVisible(GetSafeHwnd()) != FALSE))
        SetWindowPos(GetSafeHwnd(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                         (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

LRESULT CMiniDockFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CControlBar* bar = GetFirstBar();
    CDockContext* context = bar ? bar->GetDockContext() : nullptr;
    switch (message)
    {
    case WM_SIZE:
        RecalcLayout();
        break;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (context && context->OnCaptionMessage(message, wParam, lParam))
            return 0;
        break;
    case WM_CLOSE:
        if (bar && m_pDockSite)
            m_pDockSite->ShowControlBar(bar, false, false);
        return 0;
    case WM_COMMAND:
        if (m_pDockSite)
            return SendMessageW(m_pDockSite->GetSafeHwnd(), WM_COMMAND, wParam, lParam);
        break;
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
