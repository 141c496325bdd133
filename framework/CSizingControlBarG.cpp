#include "framework/CSizingControlBarG.h"

#include "framework/CFrameWnd.h"
#include "framework/Handles.h"

namespace
{
void Draw3dRect(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight)
{
    auto fill = [dc](int x, int y, int cx, int cy, COLORREF colour) {
        RECT part = {x, y, x + cx, y + cy};
        SetBkColor(dc, colour);
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &part, nullptr, 0, nullptr);
    };
    int cx = r.right - r.left;
    int cy = r.bottom - r.top;
    fill(r.left, r.top, cx - 1, 1, topLeft);
    fill(r.left, r.top, 1, cy - 1, topLeft);
    fill(r.right - 1, r.top, 1, cy, bottomRight);
    fill(r.left, r.bottom - 1, cx, 1, bottomRight);
}
} // namespace

RECT CSizingControlBarG::CloseButtonRect() const
{
    return {m_ptClose.x, m_ptClose.y, m_ptClose.x + kCloseSize, m_ptClose.y + kCloseSize};
}

void CSizingControlBarG::NcCalcClient(RECT& rect, UINT dockBarId)
{
    CSizingControlBar::NcCalcClient(rect, dockBarId);
    bool horz = dockBarId == AFX_IDW_DOCKBAR_TOP || dockBarId == AFX_IDW_DOCKBAR_BOTTOM;
    if (horz)
    {
        rect.left += kGripper;
        m_ptClose = {rect.left - 13, rect.top};
    }
    else
    {
        rect.top += kGripper;
        m_ptClose = {rect.right - 12, rect.top - 13};
    }
}

LRESULT CSizingControlBarG::HitTest(POINT screen)
{
    LRESULT code = CSizingControlBar::HitTest(screen);
    if (code != HTCLIENT)
        return code;
    RECT window;
    GetWindowRect(GetSafeHwnd(), &window);
    POINT inWindow = {screen.x - window.left, screen.y - window.top};
    RECT close = CloseButtonRect();
    return PtInRect(&close, inWindow) ? HTCLOSE : HTCLIENT;
}

void CSizingControlBarG::NcPaintGripper(HDC dc, const RECT& client)
{
    if (!HasGripper())
        return;
    RECT area = client;
    InflateRect(&area, -1, -1);
    RECT close = CloseButtonRect();
    COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    for (int i = 0; i < 2; ++i)
    {
        RECT line;
        if (IsHorzDocked())
        {
            int x = area.left - kGripper + 3 * i;
            line = {x, close.bottom + 3, x + 3, area.bottom};
        }
        else
        {
            int y = area.top - kGripper + 3 * i;
            line = {area.left, y, close.left - 3, y + 3};
        }
        Draw3dRect(dc, line, light, shadow);
    }
    PaintCloseButton(dc);
}

void CSizingControlBarG::PaintCloseButton(HDC dc) const
{
    RECT close = CloseButtonRect();
    COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    if (m_bClosePushed)
        Draw3dRect(dc, close, shadow, light);
    else if (m_bCloseRaised)
        Draw3dRect(dc, close, light, shadow);
    CClientDCHandle screen(nullptr);
    int points = MulDiv(60, 96, GetDeviceCaps(screen, LOGPIXELSX)); // tenths of a point
    LOGFONTW face = {};
    face.lfHeight = -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 720);
    face.lfCharSet = SYMBOL_CHARSET;
    lstrcpyW(face.lfFaceName, L"Marlett");
    CGdiHandle<HFONT> font(CreateFontIndirectW(&face));
    CSelectedObject selected(dc, font);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, m_ptClose.x + 2, m_ptClose.y + 2, L"r", 1);
}

void CSizingControlBarG::OnUpdateCmdUI(CFrameWnd*, bool)
{
    if (!HasGripper() || !IsVisible())
        return;
    POINT cursor;
    GetCursorPos(&cursor);
    bool over = HitTest(cursor) == HTCLOSE;
    bool down = GetKeyState(VK_LBUTTON) < 0;
    bool pushed = over && down;
    bool raised = over && !down;
    if (pushed == m_bClosePushed && raised == m_bCloseRaised)
        return;
    m_bClosePushed = pushed;
    m_bCloseRaised = raised;
    RepaintNonClient();
}

LRESULT CSizingControlBarG::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCLBUTTONUP && wParam == HTCLOSE && m_pDockSite)
    {
        m_pDockSite->ShowControlBar(this, false, false);
        return 0;
    }
    return CSizingControlBar::WindowProc(message, wParam, lParam);
}
