#include "capture/selection/CScreenCaptureManagerBase.h"

#include "capture/selection/CHkVellLibrary.h"
#include "capture/selection/CScTitleTip.h"
#include "capture/selection/CScreenPatch.h"
#include "capture/selection/CSystemCursors.h"
#include "capture/selection/SelectionOutline.h"
#include "common/CWndTransparent.h"
#include "common/SystemHelpers.h"
#include "framework/AppMessageLoop.h"
#include "framework/Handles.h"

#include <algorithm>
#include <shellapi.h>

namespace
{
// Alpha of the dimmed copy of the display snapshot.
const BYTE kDimAlpha = 222;
// How long the display may take to show what lies under the size label once it is gone.
const DWORD kLabelGoneLimitMs = 500;

RECT Grown(RECT rect, int by)
{
    InflateRect(&rect, by, by);
    return rect;
}

// The area between outer and inner.
HRGN RingRegion(const RECT& outer, const RECT& inner)
{
    HRGN ring = CreateRectRgnIndirect(&outer);
    CRegionHandle hole(CreateRectRgnIndirect(&inner));
    CombineRgn(ring, ring, hole, RGN_DIFF);
    return ring;
}

} // namespace

CScreenCaptureManagerBase::CScreenCaptureManagerBase()
    : m_cursorSet(CSystemCursors::Instance()), m_overlay(new CWndTransparent)
{
    m_overlay->Create(false);
}

CScreenCaptureManagerBase::~CScreenCaptureManagerBase()
{
    if (m_selectionActive)
    {
        m_selectionActive = false;
        Erase();
        EnableAppBars();
        ReleaseHovered();
        m_overlay->Show(false);
    }
    m_cursorSet.Restore();
}

void CScreenCaptureManagerBase::BeginSelection()
{
    m_cursorSet.SetType(GetSelectionType());
    m_cursorSet.Replace();
    ClearState();
    CreateTitleTip();
    m_selectionActive = true;
    if (IsWindowType(m_cursorSet.GetType()))
        PrepareWindowSelection();
    OnSelectionBegun();
}

void CScreenCaptureManagerBase::EndSelection(bool alreadyErased)
{
    if (!m_selectionActive || IsCaptureInProgress())
        return;
    const int type = m_cursorSet.GetType();
    if (type == SCT_FREE_HAND || type == SCT_POLYGON)
        m_lastSelection = m_points;
    else if (type == SCT_RECTANGLE || type == SCT_ELLIPSE)
        m_lastSelection = {{m_rect.left, m_rect.top}, {m_rect.right, m_rect.bottom}};
    m_selectionActive = false;
    if (!alreadyErased)
        Erase();
    ClearState();
    m_titleTip.reset();
    EnableAppBars();
    m_overlay->Show(false);
    ReleaseHovered();
    m_cursorSet.Restore();
}

void CScreenCaptureManagerBase::OnHookMouseMessage(UINT message, const MSLLHOOKSTRUCT* data)
{
    if (!m_selectionActive || m_grabbing || !data || data->dwExtraInfo != 0)
        return;
    const int x = data->pt.x;
    const int y = data->pt.y;
    switch (message)
    {
    case WM_MOUSEMOVE:
        return OnMouseMove(x, y);
    case WM_LBUTTONDOWN:
        return OnLButtonDown(x, y, data->time);
    case WM_LBUTTONUP:
        return OnLButtonUp(x, y);
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        return Cancel();
    default:
        return;
    }
}

void CScreenCaptureManagerBase::OnRepeatLastCapture()
{
    Finish(RepeatLastCapture(), kRepeated);
}

void CScreenCaptureManagerBase::CaptureForegroundWindow()
{
    CaptureDirect(GetForegroundWindow());
}

void CScreenCaptureManagerBase::CaptureDesktopWindow()
{
    CaptureDirect(GetDesktopWindow());
}

void CScreenCaptureManagerBase::StartWatching()
{
    CHkVellLibrary* hooks = m_owner ? m_owner->GetHookLibrary() : nullptr;
    if (!hooks)
        return;
    CWnd* window = CWnd::FromHandle(OwnerWindow());
    hooks->HkVellStartWatch(window);
    hooks->HkVellStartNotify(window);
}

void CScreenCaptureManagerBase::StopWatching()
{
    CHkVellLibrary* hooks = m_owner ? m_owner->GetHookLibrary() : nullptr;
    if (!hooks)
        return;
    hooks->HkVellStopWatch();
    hooks->HkVellStopNotify();
}

HWND CScreenCaptureManagerBase::OwnerWindow() const
{
    return m_owner ? m_owner->GetOwnerWindow() : nullptr;
}

void CScreenCaptureManagerBase::CopyLastSelection(std::vector<POINT>& points) const
{
    points = m_lastSelection;
}

void CScreenCaptureManagerBase::OnMouseMove(int x, int y)
{
    const int type = m_cursorSet.GetType();
    if (IsWindowType(type))
        WindowStep(WM_MOUSEMOVE, {x, y});
    else if (m_dragging && type == SCT_FREE_HAND)
    {
        m_points.push_back({x, y});
        DrawOutline(m_points);
    }
    else if (m_dragging && (type == SCT_RECTANGLE || type == SCT_ELLIPSE))
    {
        SetRect(&m_rect, std::min<int>(m_anchor.x, x), std::min<int>(m_anchor.y, y), std::max<int>(m_anchor.x, x),
                std::max<int>(m_anchor.y, y));
        if (type == SCT_RECTANGLE)
            DrawRectangleFeedback(m_rect);
        else
            DrawEllipseFeedback(m_rect);
        m_drawnRect = m_rect;
    }
    RefreshTitleTip();
}

void CScreenCaptureManagerBase::OnLButtonDown(int x, int y, DWORD time)
{
    const int type = m_cursorSet.GetType();
    if (IsWindowType(type))
        return WindowStep(WM_LBUTTONDOWN, {x, y});
    if (type == SCT_POLYGON)
        return PolygonClick(x, y, time);
    StartShape();
    m_dragging = true;
    if (type == SCT_FREE_HAND)
        m_points.push_back({x, y});
    else
        m_anchor = {x, y};
}

void CScreenCaptureManagerBase::OnLButtonUp(int, int)
{
    const int type = m_cursorSet.GetType();
    if (!m_dragging || (type != SCT_FREE_HAND && type != SCT_RECTANGLE && type != SCT_ELLIPSE))
        return;
    m_dragging = false;
    if (type == SCT_FREE_HAND && m_points.size() >= 3)
    {
        Erase();
        return CaptureRegion(CreatePolygonRgn(m_points.data(), static_cast<int>(m_points.size()), ALTERNATE));
    }
    if (type != SCT_FREE_HAND && !IsRectEmpty(&m_rect))
    {
        Erase();
        if (type == SCT_RECTANGLE)
            return CaptureRectangle(m_rect);
        return CaptureRegion(CreateEllipticRgnIndirect(&m_rect));
    }
    Cancel();
}

// A double click is judged by the times of the input, not by when the clicks are
// handled: the watch hands its events on later, and the thread may be busy between two
// clicks (a snapshot, a window going away), which would split a double click or join two
// slow clicks.
void CScreenCaptureManagerBase::PolygonClick(int x, int y, DWORD time)
{
    if (m_points.empty())
        StartShape();
    m_points.push_back({x, y});
    if (m_points.size() < 2)
    {
        m_lastClickTime = time;
        if (GetKeyState(VK_CONTROL) & 0x8000)
            Cancel();
        return;
    }
    DrawOutline(m_points);
    if (time - m_lastClickTime > GetDoubleClickTime())
    {
        m_lastClickTime = time;
        return;
    }
    Erase();
    if (m_points.size() >= 3)
        return CaptureRegion(CreatePolygonRgn(m_points.data(), static_cast<int>(m_points.size()), ALTERNATE));
    Cancel();
}

void CScreenCaptureManagerBase::WindowStep(UINT message, POINT point)
{
    const int type = m_cursorSet.GetType();
    HWND picked = nullptr;
    if (type == SCT_WINDOW)
    {
        if (m_hovered && m_hoveredDisabled)
            EnableWindow(m_hovered, TRUE);
        picked = GetAncestor(WindowFromPoint(point), GA_ROOT);
        if (m_hovered && m_hoveredDisabled)
            EnableWindow(m_hovered, FALSE);
    }
    else if (type == SCT_ACTIVE_WINDOW)
    {
        picked = GetForegroundWindow();
    }
    else
    {
        picked = GetDesktopWindow();
        m_overlay->Show(true);
    }
    RECT rect = {};
    if (picked)
    {
        GetWindowRect(picked, &rect);
        LockWindowUpdate(picked);
    }
    if (!EqualRect(&rect, &m_drawnRect))
    {
        CopyFromSnapshot(Grown(m_drawnRect, 3), false);
        CopyFromSnapshot(rect, true);
        DrawOutline({{rect.left, rect.top},
                     {rect.right - 1, rect.top},
                     {rect.right - 1, rect.bottom - 1},
                     {rect.left, rect.bottom - 1},
                     {rect.left, rect.top}});
        m_drawnRect = rect;
    }
    if (picked != m_hovered)
    {
        ReleaseHovered();
        m_hovered = picked;
        m_hoveredDisabled = picked && !EnableWindow(picked, FALSE);
    }
    if (message != WM_LBUTTONDOWN)
        return;
    if (!m_hovered)
    {
        Erase();
        return Cancel();
    }
    Erase();
    HWND target = m_hovered;
    ReleaseHovered();
    CaptureSelectedWindow(target);
}

void CScreenCaptureManagerBase::PrepareWindowSelection()
{
    SetSelecting(true);
    DisableAppBars();
    TakeSnapshot();
    // A first move, so that the highlight appears before the mouse is touched.
    POINT cursor = {};
    GetCursorPos(&cursor);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = 1;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
    SetCursorPos(cursor.x + 1, cursor.y);
}

void CScreenCaptureManagerBase::StartShape()
{
    SetSelecting(true);
    // The snapshot comes first: the overlay keeps the picture beneath only where the
    // display does not repaint it (under Wine it may show as black at once).
    TakeSnapshot();
    m_overlay->Show(true);
}

void CScreenCaptureManagerBase::Cancel()
{
    Erase();
    Finish(DR_NOTHING_DONE, kCancelled);
}

void CScreenCaptureManagerBase::Finish(DestinationResult result, const Ending& ending)
{
    if (m_owner)
        m_owner->OnCaptureFinished(result, ending.repeat, ending.endSelection, ending.showTip, ending.logFailure);
}

void CScreenCaptureManagerBase::CaptureRectangle(const RECT& rect)
{
    m_grabbing = true;
    HideTitleTip();
    if (GetCaptureCursor())
        DrawMouseCursor(nullptr);
    DestinationResult result = DR_NOTHING_DONE;
    if (!IsRectEmpty(&rect))
        result = CaptureByRectangle(rect.left, rect.top, rect.right, rect.bottom);
    AfterCapture(result);
}

void CScreenCaptureManagerBase::CaptureRegion(HRGN region)
{
    CRegionHandle owned(region);
    m_grabbing = true;
    HideTitleTip();
    if (GetCaptureCursor())
        DrawMouseCursor(nullptr);
    AfterCapture(region ? CapturePolygon(region) : DR_NOTHING_DONE);
}

void CScreenCaptureManagerBase::CaptureSelectedWindow(HWND window)
{
    DestinationResult result = DR_NOTHING_DONE;
    if (window)
    {
        result = CaptureWindow(window);
        RECT rect = {};
        if (result == DR_DONE && GetWindowRect(window, &rect))
            m_lastSelection = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    }
    AfterCapture(result);
}

void CScreenCaptureManagerBase::CaptureDirect(HWND window)
{
    DestinationResult result = CaptureWindow(window);
    RECT rect = {};
    if (result == DR_DONE)
    {
        if (GetWindowRect(window, &rect))
            m_lastSelection = {{rect.left, rect.top}, {rect.right, rect.bottom}};
        result = RepeatLastCapture();
    }
    Finish(result, kRepeated);
}

void CScreenCaptureManagerBase::AfterCapture(DestinationResult result)
{
    if (result != DR_DONE)
        return Finish(result, kSelectionFailed);
    EndSelection(true);
    Finish(DR_DONE, kSelectionTaken);
    Finish(ProcessSelection(), kProcessed);
}

void CScreenCaptureManagerBase::TakeSnapshot()
{
    CCreatedDCHandle display(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr));
    m_hasSnapshot = display && m_snapshot.CreateScreenSized(display, kDimAlpha);
}

void CScreenCaptureManagerBase::DrawOutline(const std::vector<POINT>& points)
{
    if (m_hasSnapshot)
        DrawSelectionOutline(points);
}

void CScreenCaptureManagerBase::DrawRectangleFeedback(const RECT& rect)
{
    CopyFromSnapshot(Grown(m_drawnRect, 3), false);
    const RECT grown = Grown(rect, 1);
    CRegionHandle band(RingRegion(grown, Grown(grown, -3)));
    CopyRegion(band, true);
    CRegionHandle ring(RingRegion(Grown(rect, 2), grown));
    CopyRegion(ring, false);
    DrawOutline({{rect.left, rect.top},
                 {rect.right, rect.top},
                 {rect.right, rect.bottom},
                 {rect.left, rect.bottom},
                 {rect.left, rect.top}});
}

void CScreenCaptureManagerBase::DrawEllipseFeedback(const RECT& rect)
{
    CopyFromSnapshot(Grown(m_drawnRect, 5), false);
    const RECT grown = Grown(rect, 4);
    if (grown.right - grown.left < 21 || grown.bottom - grown.top < 21)
    {
        CopyFromSnapshot(grown, false);
        CRegionHandle ellipse(CreateEllipticRgnIndirect(&grown));
        CopyRegion(ellipse, true);
    }
    else
    {
        CRegionHandle outer(CreateEllipticRgnIndirect(&grown));
        const RECT innerRect = Grown(grown, -6);
        CRegionHandle inner(CreateEllipticRgnIndirect(&innerRect));
        CRegionHandle band(CreateRectRgn(0, 0, 0, 0));
        CombineRgn(band, outer, inner, RGN_DIFF);
        CopyRegion(band, true);
        CRegionHandle plain(CreateEllipticRgnIndirect(&rect));
        CRegionHandle ring(CreateRectRgn(0, 0, 0, 0));
        CombineRgn(ring, outer, plain, RGN_DIFF);
        CopyRegion(ring, false);
    }
    CCreatedDCHandle display(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr));
    if (!display || !m_hasSnapshot)
        return;
    HPEN pen = CreatePen(PS_SOLID, 1, kOutlineRed);
    HGDIOBJ oldPen = SelectObject(display, pen);
    const int midX = (rect.left + rect.right) / 2;
    Arc(display, rect.left, rect.top, rect.right, rect.bottom, midX, rect.top, midX, rect.bottom);
    Arc(display, rect.left, rect.top, rect.right, rect.bottom, midX, rect.bottom, midX, rect.top);
    SelectObject(display, oldPen);
    DeleteObject(pen);
}

void CScreenCaptureManagerBase::Erase()
{
    // The ellipse's feedback reaches 4 pixels beyond its rectangle.
    CopyFromSnapshot(Grown(SelectionBounds(), m_cursorSet.GetType() == SCT_ELLIPSE ? 5 : 2), false);
    LockWindowUpdate(nullptr);
}

RECT CScreenCaptureManagerBase::SelectionBounds() const
{
    const int type = m_cursorSet.GetType();
    if (type == SCT_RECTANGLE || type == SCT_ELLIPSE)
        return m_rect;
    if (IsWindowType(type) || m_points.empty())
        return m_drawnRect;
    RECT bounds = {m_points[0].x, m_points[0].y, m_points[0].x, m_points[0].y};
    for (const POINT& point : m_points)
    {
        bounds.left = std::min<LONG>(bounds.left, point.x);
        bounds.top = std::min<LONG>(bounds.top, point.y);
        bounds.right = std::max<LONG>(bounds.right, point.x);
        bounds.bottom = std::max<LONG>(bounds.bottom, point.y);
    }
    return bounds;
}

void CScreenCaptureManagerBase::CopyFromSnapshot(const RECT& rect, bool dimmed)
{
    if (IsRectEmpty(&rect))
        return;
    CRegionHandle region(CreateRectRgnIndirect(&rect));
    CopyRegion(region, dimmed);
}

void CScreenCaptureManagerBase::CopyRegion(HRGN region, bool dimmed)
{
    if (!m_hasSnapshot || !region)
        return;
    CCreatedDCHandle display(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr));
    if (display)
        m_snapshot.CopyRegionTo(display, region, dimmed);
}

void CScreenCaptureManagerBase::SetSelecting(bool selecting)
{
    CHkVellLibrary* hooks = m_owner ? m_owner->GetHookLibrary() : nullptr;
    if (hooks)
        hooks->HkVellSetSelecting(selecting);
}

void CScreenCaptureManagerBase::DisableAppBars()
{
    const UINT edges[] = {ABE_LEFT, ABE_TOP, ABE_RIGHT, ABE_BOTTOM};
    for (UINT edge : edges)
    {
        APPBARDATA data = {};
        data.cbSize = sizeof data;
        data.uEdge = edge;
        HWND bar = reinterpret_cast<HWND>(SHAppBarMessage(ABM_GETAUTOHIDEBAR, &data));
        if (bar && IsWindowEnabled(bar))
        {
            EnableWindow(bar, FALSE);
            m_disabledAppBars.push_back(bar);
        }
    }
}

void CScreenCaptureManagerBase::EnableAppBars()
{
    for (auto bar = m_disabledAppBars.rbegin(); bar != m_disabledAppBars.rend(); ++bar)
        EnableWindow(*bar, TRUE);
    m_disabledAppBars.clear();
}

void CScreenCaptureManagerBase::ReleaseHovered()
{
    if (m_hovered && m_hoveredDisabled)
        EnableWindow(m_hovered, TRUE);
    m_hovered = nullptr;
    m_hoveredDisabled = false;
}

void CScreenCaptureManagerBase::CreateTitleTip()
{
    m_titleTip.reset();
    if (!GetShowSize() || m_cursorSet.GetType() > SCT_ELLIPSE)
        return;
    m_titleTip.reset(new CScTitleTip);
    m_titleTip->Create(m_owner ? CWnd::FromHandle(m_owner->GetOwnerWindow()) : nullptr);
    const RECT place = {3, 3, 160, 25};
    m_titleTip->MoveTo(place, L"X: 0   Y: 0   Size:  0x0   ");
}

void CScreenCaptureManagerBase::HideTitleTip()
{
    if (!m_titleTip)
        return;
    RECT place = {};
    GetWindowRect(m_titleTip->GetSafeHwnd(), &place);
    const CScreenPatch label(place);
    // The frozen picture goes first: it has nothing to show in the label's place.
    m_overlay->Show(false);
    m_titleTip.reset();
    // The windows under the label paint its place, and the display shows that later
    // than the calls return (a compositor, or the X server under Wine): the grab waits,
    // pumping, until the label's pixels are gone. Mouse events that come meanwhile are
    // ignored (m_grabbing): the shape is complete.
    RedrawWindow(nullptr, &place, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    AppPumpUntil([&label] { return !label.IsStillShown(); }, kLabelGoneLimitMs);
}

void CScreenCaptureManagerBase::RefreshTitleTip()
{
    if (!m_titleTip || m_cursorSet.GetType() > SCT_ELLIPSE)
        return;
    const RECT bounds = SelectionBounds();
    if (IsRectEmpty(&bounds))
        return;
    CString text;
    text.Format(L"X: %d Y: %d Size: %dx%d", bounds.left, bounds.top, bounds.right - bounds.left,
                bounds.bottom - bounds.top);
    m_titleTip->SetText(text);
}

void CScreenCaptureManagerBase::ClearState()
{
    m_points.clear();
    SetRectEmpty(&m_rect);
    SetRectEmpty(&m_drawnRect);
    m_anchor = {};
    m_dragging = false;
    m_grabbing = false;
    m_lastClickTime = 0;
    ResetOutlineDash();
}
