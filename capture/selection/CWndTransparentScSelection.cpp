#include "capture/selection/CWndTransparentScSelection.h"

#include "framework/AppModule.h"

#include <algorithm>
#include <windowsx.h>

namespace
{
const DWORD kWindowStyle = 0x80800028; // WS_POPUP | WS_BORDER and two class bits
const wchar_t* const kTitle = L"Vellumor - Select the shape you want";
const COLORREF kLineColor = RGB(255, 0, 0);
const DWORD kLineWidth = 2;

POINT PointOf(LPARAM lParam)
{
    return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

// The program's selection cursor; the system cross when the program has none.
HCURSOR SelectionCursor()
{
    HCURSOR cursor =
        LoadCursorW(AppGetResourceHandle(), MAKEINTRESOURCEW(CWndTransparentScSelection::kSelectionCursor));
    return cursor ? cursor : LoadCursorW(nullptr, IDC_CROSS);
}
} // namespace

CWndTransparentScSelection::CWndTransparentScSelection(EnumScreenCaptureType selectionType)
    : m_selectionType(selectionType)
{
}

bool CWndTransparentScSelection::Create(HWND windowToRestore, HWND windowToShow, HWND editField, bool restore,
                                        bool show)
{
    m_windowToRestore = windowToRestore;
    m_windowToShow = windowToShow;
    m_editField = editField;
    m_restore = restore;
    m_show = show;

    RECT rect;
    GetWindowRect(GetDesktopWindow(), &rect);
    InflateRect(&rect, 1, 1);
    if (!CreateEx(0, AppRegisterWndClass(0), kTitle, kWindowStyle, rect, nullptr, 0))
        return false;
    ShowWindow(*this, SW_SHOW);
    SetCursor(SelectionCursor());
    // The rubber band of a rectangle or ellipse takes the mouse itself.
    if (!UsesTracker())
        SetCapture(*this);
    UpdateWindow(*this);
    return true;
}

CString CWndTransparentScSelection::GetPointText() const
{
    CString text;
    for (int i = 0; i < m_points.GetSize(); ++i)
        text.AppendFormat(i == 0 ? L"%d,%d" : L",%d,%d", m_points[i].x, m_points[i].y);
    return text;
}

LRESULT CWndTransparentScSelection::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_LBUTTONDOWN:
        OnLButtonDown(PointOf(lParam));
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(PointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
        End(m_selectionType != SCT_POLYGON);
        return 0;
    case WM_RBUTTONDOWN:
        End(true);
        return 0;
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

void CWndTransparentScSelection::OnLButtonDown(POINT point)
{
    if (m_selectionType == SCT_POLYGON)
        AddPolygonPoint(point);
    else if (UsesTracker())
        TrackRectangle(point);
    else
    {
        m_points.Add(point);
        m_dragging = true;
    }
}

void CWndTransparentScSelection::AddPolygonPoint(POINT point)
{
    const int count = m_points.GetSize();
    if (count > 0)
        DrawLine(m_points[count - 1], point);
    m_points.Add(point);
    // The time of the click itself, not of its handling: a busy thread handles two slow
    // clicks close together and would take them for a double click.
    const DWORD time = GetMessageTime();
    if (m_points.GetSize() < 2 || time - m_lastClickTime > GetDoubleClickTime())
        m_lastClickTime = time;
    else
        End(m_points.GetSize() >= 3); // a double click closes a polygon of three points or more
}

void CWndTransparentScSelection::TrackRectangle(POINT point)
{
    if (m_tracker.HitTest(point) != CRectTracker::hitNothing)
        return;
    if (!m_tracker.TrackRubberBand(*this, point, true))
        return;
    const RECT& band = m_tracker.m_rect;
    m_points.RemoveAll();
    m_points.Add({std::min(band.left, band.right), std::min(band.top, band.bottom)});
    m_points.Add({std::max(band.left, band.right), std::max(band.top, band.bottom)});
    End(true);
}

void CWndTransparentScSelection::OnMouseMove(POINT point)
{
    const int count = m_points.GetSize();
    // Only a free-hand drag collects the points the mouse passes.
    if (!m_dragging || m_selectionType != SCT_FREE_HAND || count == 0)
        return;
    m_points.Add(point);
    DrawLine(m_points[count - 1], point);
}

void CWndTransparentScSelection::DrawLine(POINT from, POINT to)
{
    HDC dc = GetDC(*this);
    LOGBRUSH brush{BS_SOLID, kLineColor, 0};
    HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID, kLineWidth, &brush, 0, nullptr);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    const POINT line[2] = {from, to};
    Polyline(dc, line, 2);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    ReleaseDC(*this, dc);
}

void CWndTransparentScSelection::End(bool accepted)
{
    if (!accepted)
        return;
    m_dragging = false;
    if (m_restore && m_windowToRestore)
        ShowWindow(m_windowToRestore, SW_RESTORE);
    if (m_show && m_windowToShow)
        ShowWindow(m_windowToShow, SW_SHOW);
    if (m_editField)
        SetWindowTextW(m_editField, GetPointText());
    if (GetCapture() == GetSafeHwnd())
        ReleaseCapture();
    DestroyWindow();
}

bool CWndTransparentScSelection::UsesTracker() const
{
    return m_selectionType == SCT_RECTANGLE || m_selectionType == SCT_ELLIPSE;
}
