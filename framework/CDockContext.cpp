#include "framework/CDockContext.h"

#include "framework/CDockBar.h"
#include "framework/CFrameWnd.h"
#include "framework/CMiniDockFrameWnd.h"

#include <algorithm>
#include <windowsx.h>
#include <cstdlib>

namespace
{
// An empty dock bar catches drops within this many pixels of its side of the frame.
const int kEmptyDockZone = 16;
// Thickness of the tracking outline.
const int kTrackerWidth = 3;

RECT SizedAt(POINT topLeft, SIZE size)
{
    return {topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy};
}

SIZE SizeIn(CControlBar& bar, DWORD mode)
{
    if (bar.GetBarStyle() & CBRS_SIZE_DYNAMIC)
        return bar.CalcDynamicLayout(-1, mode);
    return bar.CalcFixedLayout(false, (mode & LM_HORZ) != 0);
}
} // namespace

CDockContext::~CDockContext()
{
    if (m_bDragging)
        EraseTracker();
}

void CDockContext::MoveToHold(RECT& r, POINT point)
{
    if (point.x < r.left)
        OffsetRect(&r, point.x - r.left, 0);
    else if (point.x >= r.right)
        OffsetRect(&r, point.x - r.right + 1, 0);
    if (point.y < r.top)
        OffsetRect(&r, 0, point.y - r.top);
    else if (point.y >= r.bottom)
        OffsetRect(&r, 0, point.y - r.bottom + 1);
}

void CDockContext::InitRects()
{
    RECT window;
    GetWindowRect(m_bar.GetSafeHwnd(), &window);
    POINT topLeft = {window.left, window.top};
    m_rectDragHorz = SizedAt(topLeft, SizeIn(m_bar, LM_HORZ | LM_HORZDOCK));
    m_rectDragVert = SizedAt(topLeft, SizeIn(m_bar, LM_VERTDOCK));
    m_rectFrameDragHorz = SizedAt(topLeft, SizeIn(m_bar, LM_HORZ | LM_MRUWIDTH));
    AdjustWindowRectEx(&m_rectFrameDragHorz, CMiniDockFrameWnd::kWindowStyle, FALSE,
                       CMiniDockFrameWnd::kWindowExStyle);
}

void CDockContext::StartDrag(POINT screen)
{
    if (m_bDragging || !m_bar.GetDockingFrame())
        return;
    m_ptStart = m_ptLast = screen;
    InitRects();
    MoveToHold(m_rectDragHorz, screen);
    MoveToHold(m_rectDragVert, screen);
    MoveToHold(m_rectFrameDragHorz, screen);
    m_bDragging = true;
    SetCapture(m_bar.GetSafeHwnd());
    DrawTracker(TrackRect(screen));
}

void CDockContext::Move(POINT screen)
{
    if (!m_bDragging)
        return;
    int dx = screen.x - m_ptLast.x;
    int dy = screen.y - m_ptLast.y;
    OffsetRect(&m_rectDragHorz, dx, dy);
    OffsetRect(&m_rectDragVert, dx, dy);
    OffsetRect(&m_rectFrameDragHorz, dx, dy);
    m_ptLast = screen;
    RECT next = TrackRect(screen);
    if (!EqualRect(&next, &m_rectTracked))
    {
        EraseTracker();
        DrawTracker(next);
    }
}

void CDockContext::EndDrag(POINT screen)
{
    if (!m_bDragging)
        return;
    Move(screen);
    EraseTracker();
    m_bDragging = false;
    ReleaseCapture();
    bool moved = std::abs(screen.x - m_ptStart.x) > GetSystemMetrics(SM_CXDRAG) ||
                 std::abs(screen.y - m_ptStart.y) > GetSystemMetrics(SM_CYDRAG);
    CFrameWnd* frame = m_bar.GetDockingFrame();
    if (!moved || !frame)
        return;
    if (CDockBar* dockBar = DockBarAt(screen))
        frame->DockControlBar(&m_bar, dockBar, &screen);
    else
        frame->FloatControlBar(&m_bar, {m_rectFrameDragHorz.left, m_rectFrameDragHorz.top});
}

void CDockContext::CancelDrag()
{
    if (!m_bDragging)
        return;
    EraseTracker();
    m_bDragging = false;
    ReleaseCapture();
}

void CDockContext::ToggleDocking()
{
    CFrameWnd* frame = m_bar.GetDockingFrame();
    if (!frame)
        return;
    if (m_bar.IsFloating())
    {
        CDockBar* dockBar = frame->GetDockBar(m_uMRUDockID);
        if (!dockBar)
            dockBar = frame->CanDockTo(m_bar.m_dwDockStyle);
        if (dockBar)
            frame->DockControlBar(&m_bar, dockBar);
        return;
    }
    POINT at = m_ptMRUFloatPos;
    if (!m_bHasFloated)
    {
        RECT window;
        GetWindowRect(m_bar.GetSafeHwnd(), &window);
        at = {window.left + 20, window.top + 20};
    }
    frame->FloatControlBar(&m_bar, at);
}

bool CDockContext::OnCaptionMessage(UINT message, WPARAM hitCode, LPARAM screenPoint)
{
    if (hitCode != HTCAPTION)
        return false;
    if (message == WM_NCLBUTTONDOWN)
        StartDrag({GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)});
    else if (message == WM_NCLBUTTONDBLCLK)
        ToggleDocking();
    else
        return false;
    return true;
}

CDockBar* CDockContext::DockBarAt(POINT screen) const
{
    CFrameWnd* frame = m_bar.GetDockingFrame();
    if (!frame || GetKeyState(VK_CONTROL) < 0)
        return nullptr;
    const UINT order[] = {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT};
    for (UINT id : order)
    {
        CDockBar* dockBar = frame->GetDockBar(id);
        if (!dockBar || !(m_bar.m_dwDockStyle & dockBar->GetBarStyle() & CBRS_ALIGN_ANY))
            continue;
        RECT zone;
        GetWindowRect(dockBar->GetSafeHwnd(), &zone);
        switch (id)
        {
        case AFX_IDW_DOCKBAR_TOP:
            zone.bottom = (std::max)(zone.bottom, zone.top + kEmptyDockZone);
            break;
        case AFX_IDW_DOCKBAR_BOTTOM:
            zone.top = (std::min)(zone.top, zone.bottom - kEmptyDockZone);
            break;
        case AFX_IDW_DOCKBAR_LEFT:
            zone.right = (std::max)(zone.right, zone.left + kEmptyDockZone);
            break;
        default:
            zone.left = (std::min)(zone.left, zone.right - kEmptyDockZone);
            break;
        }
        if (PtInRect(&zone, screen))
            return dockBar;
    }
    return nullptr;
}

RECT CDockContext::TrackRect(POINT screen) const
{
    CDockBar* dockBar = DockBarAt(screen);
    if (!dockBar)
        return m_rectFrameDragHorz;
    return dockBar->IsHorz() ? m_rectDragHorz : m_rectDragVert;
}

void CDockContext::DrawTracker(const RECT& r)
{
    HWND desktop = GetDesktopWindow();
    HDC dc = GetDCEx(desktop, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    if (!dc)
        return;
    HBRUSH previous = static_cast<HBRUSH>(SelectObject(dc, GetSysColorBrush(COLOR_HIGHLIGHT)));
    int w = r.right - r.left;
    int h = r.bottom - r.top;
    PatBlt(dc, r.left, r.top, w, kTrackerWidth, PATINVERT);
    PatBlt(dc, r.left, r.bottom - kTrackerWidth, w, kTrackerWidth, PATINVERT);
    PatBlt(dc, r.left, r.top + kTrackerWidth, kTrackerWidth, h - 2 * kTrackerWidth, PATINVERT);
    PatBlt(dc, r.right - kTrackerWidth, r.top + kTrackerWidth, kTrackerWidth, h - 2 * kTrackerWidth, PATINVERT);
    SelectObject(dc, previous);
    ReleaseDC(desktop, dc);
    m_rectTracked = r;
    m_bTrackerShown = true;
}

void CDockContext::EraseTracker()
{
    if (!m_bTrackerShown)
        return;
    DrawTracker(m_rectTracked); // drawn again with PATINVERT: gone
    m_bTrackerShown = false;
}
