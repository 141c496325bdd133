#include "framework/CSizingControlBar.h"

#include "framework/AppProfile.h"
#include "framework/AppRepositionBars.h"
#include "framework/CDockBar.h"
#include "framework/CDockState.h"
#include "framework/CFrameWnd.h"
#include "framework/CMiniDockFrameWnd.h"
#include "framework/CSCBDockContext.h"
#include "framework/Handles.h"

#include <algorithm>
#include <windowsx.h>

namespace
{
const UINT kEdgeCodes[] = {HTLEFT, HTTOP, HTRIGHT, HTBOTTOM}; // the hit test's order

bool IsXEdge(UINT hitCode)
{
    return hitCode == HTLEFT || hitCode == HTRIGHT;
}

DWORD EdgeBit(UINT hitCode)
{
    switch (hitCode)
    {
    case HTLEFT:
        return CSizingControlBar::SCBS_EDGELEFT;
    case HTRIGHT:
        return CSizingControlBar::SCBS_EDGERIGHT;
    case HTTOP:
        return CSizingControlBar::SCBS_EDGETOP;
    default:
        return CSizingControlBar::SCBS_EDGEBOTTOM;
    }
}

CString ProfileSection(const wchar_t* profileName, UINT id)
{
    CString section;
    section.Format(L"%s-SCBar-%d", profileName, static_cast<int>(id));
    return section;
}

bool DragFullWindows()
{
    BOOL full = FALSE;
    SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
    return full != FALSE;
}
} // namespace

CSizingControlBar::CSizingControlBar() = default;

bool CSizingControlBar::Create(const wchar_t* title, HWND parent, UINT id, DWORD style)
{
    m_bDragShowContent = DragFullWindows();
    return CreateBar(0, title, style | WS_CLIPCHILDREN, parent, id);
}

bool CSizingControlBar::Create(const wchar_t* title, HWND parent, SIZE defaultSize, bool, UINT id, DWORD style)
{
    m_szHorz = m_szVert = m_szFloat = defaultSize;
    return Create(title, parent, id, style);
}

void CSizingControlBar::EnableDocking(DWORD dockStyle)
{
    m_dwDockStyle = dockStyle;
    if (!m_pDockContext)
        m_pDockContext = std::make_unique<CSCBDockContext>(*this);
}

UINT CSizingControlBar::DockBarId() const
{
    return m_pDockBar ? static_cast<UINT>(GetDlgCtrlID(m_pDockBar->GetSafeHwnd())) : 0;
}

bool CSizingControlBar::IsHorzDocked() const
{
    UINT id = DockBarId();
    return id == AFX_IDW_DOCKBAR_TOP || id == AFX_IDW_DOCKBAR_BOTTOM;
}

bool CSizingControlBar::IsSideTracking() const
{
    return IsHorzDocked() ? IsXEdge(m_htEdge) : !IsXEdge(m_htEdge);
}

// ---- persistence

void CSizingControlBar::LoadState(const wchar_t* profileName)
{
    // The floating frame loses its caption once shown: its recorded place moves down by it.
    UINT id = static_cast<UINT>(GetDlgCtrlID(GetSafeHwnd()));
    CDockState state;
    state.LoadState(profileName);
    for (size_t i = 0; i < state.m_arrBarInfo.size(); ++i)
    {
        CControlBarInfo& info = state.m_arrBarInfo[i];
        if (!info.m_bFloating)
            continue;
        for (UINT listed : info.m_arrBarID)
        {
            if (listed == 0 || listed % CControlBarInfo::kFloatingDockBarFlag != id)
                continue;
            info.m_pointPos.x += 1;
            info.m_pointPos.y += GetSystemMetrics(SM_CYSMCAPTION) + 1;
            info.SaveState(profileName, static_cast<int>(i));
        }
    }
    CString section = ProfileSection(profileName, id);
    auto read = [&](const wchar_t* entry, LONG current, LONG minimum) {
        return (std::max)(static_cast<LONG>(AppGetProfileInt(section, entry, current)), minimum);
    };
    m_szHorz = {read(L"sizeHorzCX", m_szHorz.cx, m_szMinHorz.cx), read(L"sizeHorzCY", m_szHorz.cy, m_szMinHorz.cy)};
    m_szVert = {read(L"sizeVertCX", m_szVert.cx, m_szMinVert.cx), read(L"sizeVertCY", m_szVert.cy, m_szMinVert.cy)};
    m_szFloat = {read(L"sizeFloatCX", m_szFloat.cx, m_szMinFloat.cx),
                 read(L"sizeFloatCY", m_szFloat.cy, m_szMinFloat.cy)};
}

void CSizingControlBar::SaveState(const wchar_t* profileName)
{
    CString section = ProfileSection(profileName, static_cast<UINT>(GetDlgCtrlID(GetSafeHwnd())));
    AppWriteProfileInt(section, L"sizeHorzCX", m_szHorz.cx);
    AppWriteProfileInt(section, L"sizeHorzCY", m_szHorz.cy);
    AppWriteProfileInt(section, L"sizeVertCX", m_szVert.cx);
    AppWriteProfileInt(section, L"sizeVertCY", m_szVert.cy);
    AppWriteProfileInt(section, L"sizeFloatCX", m_szFloat.cx);
    AppWriteProfileInt(section, L"sizeFloatCY", m_szFloat.cy);
}

void CSizingControlBar::GlobalLoadState(CFrameWnd* frame, const wchar_t* profileName)
{
    std::vector<CControlBar*> bars = frame->GetControlBars();
    for (CControlBar* bar : bars)
        if (auto* sizing = dynamic_cast<CSizingControlBar*>(bar))
            sizing->LoadState(profileName);
}

void CSizingControlBar::GlobalSaveState(CFrameWnd* frame, const wchar_t* profileName)
{
    for (CControlBar* bar : frame->GetControlBars())
        if (auto* sizing = dynamic_cast<CSizingControlBar*>(bar))
            sizing->SaveState(profileName);
}

// ---- layout

SIZE CSizingControlBar::CalcFixedLayout(bool stretch, bool horz)
{
    if (stretch)
        return horz ? SIZE{32767, m_szHorz.cy} : SIZE{m_szVert.cx, 32767};
    int thisIndex = 0;
    if (IsVisible() && !IsFloating() && m_bParentSizing && m_pDockBar)
    {
        std::vector<CSizingControlBar*> row = RowSizingBars(thisIndex);
        if (!row.empty() && row.front() == this && NegotiateSpace(horz))
            AlignControlBars();
    }
    m_bParentSizing = false;
    if (horz)
        return {(std::max)(m_szMinHorz.cx, m_szHorz.cx), (std::max)(m_szMinHorz.cy, m_szHorz.cy)};
    return {(std::max)(m_szMinVert.cx, m_szVert.cx), (std::max)(m_szMinVert.cy, m_szVert.cy)};
}

SIZE CSizingControlBar::CalcDynamicLayout(int length, DWORD mode)
{
    if (mode & (LM_HORZDOCK | LM_VERTDOCK))
    {
        if (length == -1)
            m_bParentSizing = true;
        return CControlBar::CalcDynamicLayout(length, mode);
    }
    if (!(mode & (LM_MRUWIDTH | LM_COMMIT)) && length >= 0)
        ((mode & LM_LENGTHY) ? m_szFloat.cy : m_szFloat.cx) = length;
    m_szFloat.cx = (std::max)(m_szFloat.cx, m_szMinFloat.cx);
    m_szFloat.cy = (std::max)(m_szFloat.cy, m_szMinFloat.cy);
    return m_szFloat;
}

std::vector<CSizingControlBar*> CSizingControlBar::RowSizingBars(int& thisIndex) const
{
    std::vector<CSizingControlBar*> bars;
    thisIndex = 0;
    const CDockBar::Row* row = m_pDockBar ? m_pDockBar->FindRow(this) : nullptr;
    if (!row)
        return bars;
    for (CControlBar* bar : *row)
    {
        auto* sizing = dynamic_cast<CSizingControlBar*>(bar);
        if (!sizing || !sizing->IsVisible())
            continue;
        if (sizing == this)
            thisIndex = static_cast<int>(bars.size());
        bars.push_back(sizing);
    }
    return bars;
}

bool CSizingControlBar::NegotiateSpace(bool horz)
{
    RECT dock = m_pDockBar->m_rectLayout;
    if (IsRectEmpty(&dock) && m_pDockSite)
        GetClientRect(m_pDockSite->GetSafeHwnd(), &dock);
    int available = horz ? dock.right - dock.left + 2 : dock.bottom - dock.top - 2;

    const CDockBar::Row row = *m_pDockBar->FindRow(this);
    auto thisAt = std::find(row.begin(), row.end(), this) - row.begin();
    std::vector<CSizingControlBar*> sizing;
    int total = 2;
    int thickness = 0;
    for (size_t i = 0; i < row.size(); ++i)
    {
        CControlBar* bar = row[i];
        if (!bar->IsVisible())
            continue;
        auto* sizingBar = dynamic_cast<CSizingControlBar*>(bar);
        if (sizingBar)
        {
            total += (horz ? sizingBar->m_szMinHorz.cx : sizingBar->m_szMinVert.cy) - 2;
            thickness = (std::max)(thickness, static_cast<int>(horz ? sizingBar->m_szHorz.cy : sizingBar->m_szVert.cx));
        }
        else
        {
            RECT r;
            GetWindowRect(bar->GetSafeHwnd(), &r);
            int length = (horz ? r.right - r.left : r.bottom - r.top) - 2;
            total += length;
            available -= length;
        }
        if (total > available)
        {
            if (static_cast<std::ptrdiff_t>(i) < thisAt)
            {
                m_pDockBar->InsertRowBreak(bar, true);
                return false;
            }
            if (static_cast<std::ptrdiff_t>(i) == thisAt)
            {
                (horz ? m_szHorz.cx : m_szVert.cy) = horz ? m_szMinHorz.cx : m_szMinVert.cy;
                return true;
            }
            m_pDockBar->InsertRowBreak(bar, false);
            break;
        }
        if (sizingBar)
            sizing.push_back(sizingBar);
    }

    auto lengthOf = [horz](CSizingControlBar* bar) -> LONG& { return horz ? bar->m_szHorz.cx : bar->m_szVert.cy; };
    auto minimumOf = [horz](CSizingControlBar* bar) { return horz ? bar->m_szMinHorz.cx : bar->m_szMinVert.cy; };
    int difference = available;
    for (CSizingControlBar* bar : sizing)
        difference -= lengthOf(bar) - 2;
    if (sizing.size() == 1)
    {
        lengthOf(sizing.front()) += difference;
        sizing.front()->m_bKeepSize = false;
        return true;
    }
    for (CSizingControlBar* bar : sizing)
        (horz ? bar->m_szHorz.cy : bar->m_szVert.cx) = thickness;
    while (difference != 0)
    {
        int before = difference;
        for (CSizingControlBar* bar : sizing)
        {
            if (difference == 0)
                break;
            if (bar->m_bKeepSize || (difference < 0 && lengthOf(bar) <= minimumOf(bar)))
                continue;
            int step = difference > 0 ? 1 : -1;
            lengthOf(bar) += step;
            difference -= step;
        }
        if (difference == before)
            break;
    }
    for (CSizingControlBar* bar : sizing)
        bar->m_bKeepSize = false;
    return true;
}

void CSizingControlBar::AlignControlBars()
{
    // Each visible bar of the row starts where the one before ended, less their two-pixel
    // borders; the dock bar places them so at its next layout, asked for when one is not.
    const CDockBar::Row* row = m_pDockBar ? m_pDockBar->FindRow(this) : nullptr;
    if (!row || !m_pDockSite)
        return;
    bool horz = IsHorzDocked();
    int expected = 0;
    for (CControlBar* bar : *row)
    {
        if (!bar->IsVisible())
            continue;
        RECT r;
        GetWindowRect(bar->GetSafeHwnd(), &r);
        MapWindowPoints(nullptr, m_pDockBar->GetSafeHwnd(), reinterpret_cast<POINT*>(&r), 2);
        if ((horz ? r.left : r.top) != expected)
        {
            m_pDockSite->DelayRecalcLayout();
            return;
        }
        int length = horz ? r.right - r.left : r.bottom - r.top;
        if (auto* sizing = dynamic_cast<CSizingControlBar*>(bar))
            length = horz ? (std::max)(sizing->m_szHorz.cx, sizing->m_szMinHorz.cx)
                          : (std::max)(sizing->m_szVert.cy, sizing->m_szMinVert.cy);
        expected += length - 2;
    }
}

// ---- non-client area

RECT CSizingControlBar::WindowRectHere() const
{
    RECT window;
    GetWindowRect(GetSafeHwnd(), &window);
    OffsetRect(&window, -window.left, -window.top);
    return window;
}

RECT CSizingControlBar::ClientRectInWindow() const
{
    RECT window;
    GetWindowRect(GetSafeHwnd(), &window);
    RECT client;
    GetClientRect(GetSafeHwnd(), &client);
    MapWindowPoints(GetSafeHwnd(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -window.left, -window.top);
    return client;
}

void CSizingControlBar::UpdateRowEdges()
{
    m_dwSCBStyle &= ~SCBS_EDGEALL;
    if (IsFloating() || !m_pDockBar)
        return;
    int thisIndex = 0;
    std::vector<CSizingControlBar*> row = RowSizingBars(thisIndex);
    bool horz = IsHorzDocked();
    if (thisIndex > 0)
        m_dwSCBStyle |= horz ? SCBS_EDGELEFT : SCBS_EDGETOP;
    if (thisIndex + 1 < static_cast<int>(row.size()))
        m_dwSCBStyle |= horz ? SCBS_EDGERIGHT : SCBS_EDGEBOTTOM;
}

void CSizingControlBar::NcCalcClient(RECT& rect, UINT dockBarId)
{
    if (dockBarId == AFX_IDW_DOCKBAR_FLOAT)
    {
        rect.left += 3;
        rect.top += 5;
        rect.right -= 3;
        rect.bottom -= 3;
    }
    else
    {
        InflateRect(&rect, -5, -5);
    }
    switch (dockBarId)
    {
    case AFX_IDW_DOCKBAR_TOP:
        m_dwSCBStyle |= SCBS_EDGEBOTTOM;
        break;
    case AFX_IDW_DOCKBAR_LEFT:
        m_dwSCBStyle |= SCBS_EDGERIGHT;
        break;
    case AFX_IDW_DOCKBAR_RIGHT:
        m_dwSCBStyle |= SCBS_EDGELEFT;
        break;
    case AFX_IDW_DOCKBAR_BOTTOM:
        m_dwSCBStyle |= SCBS_EDGETOP;
        break;
    default:
        break;
    }
    if (!(m_dwSCBStyle & SCBS_SHOWEDGES))
        return;
    if (m_dwSCBStyle & SCBS_EDGELEFT)
        rect.left += m_cxEdge;
    if (m_dwSCBStyle & SCBS_EDGETOP)
        rect.top += m_cxEdge;
    if (m_dwSCBStyle & SCBS_EDGERIGHT)
        rect.right -= m_cxEdge;
    if (m_dwSCBStyle & SCBS_EDGEBOTTOM)
        rect.bottom -= m_cxEdge;
}

RECT CSizingControlBar::EdgeRect(const RECT& window, UINT hitCode) const
{
    RECT edge = {};
    if (!(m_dwSCBStyle & EdgeBit(hitCode)))
        return edge;
    edge = window;
    if (m_dwSCBStyle & SCBS_SHOWEDGES)
        InflateRect(&edge, -1, -1);
    switch (hitCode)
    {
    case HTLEFT:
        edge.right = edge.left + m_cxEdge;
        break;
    case HTRIGHT:
        edge.left = edge.right - m_cxEdge;
        break;
    case HTTOP:
        edge.bottom = edge.top + m_cxEdge;
        break;
    default:
        edge.top = edge.bottom - m_cxEdge;
        break;
    }
    return edge;
}

LRESULT CSizingControlBar::HitTest(POINT screen)
{
    if (IsFloating())
        return HTCLIENT;
    RECT window;
    GetWindowRect(GetSafeHwnd(), &window);
    for (UINT code : kEdgeCodes)
    {
        RECT edge = EdgeRect(window, code);
        if (PtInRect(&edge, screen))
            return code;
    }
    return HTCLIENT;
}

void CSizingControlBar::NcPaintGripper(HDC, const RECT&)
{
}

void CSizingControlBar::OnNcPaintOffScreen()
{
    HWND window = GetSafeHwnd();
    HDC windowDC = GetWindowDC(window);
    if (!windowDC)
        return;
    RECT whole = WindowRectHere();
    {
        CCreatedDCHandle memory(CreateCompatibleDC(windowDC));
        CBitmapHandle bitmap(CreateCompatibleBitmap(windowDC, whole.right, whole.bottom));
        CSelectedObject selected(memory, bitmap);
        FillRect(memory, &whole, reinterpret_cast<HBRUSH>(GetClassLongPtrW(window, GCLP_HBRBACKGROUND)));
        if (m_dwSCBStyle & SCBS_SHOWEDGES)
        {
            for (UINT code : kEdgeCodes)
            {
                RECT edge = EdgeRect(whole, code);
                if (IsRectEmpty(&edge))
                    continue;
                DrawEdge(memory, &edge, BDR_RAISEDINNER, BF_RECT);
            }
        }
        RECT client = ClientRectInWindow();
        NcPaintGripper(memory, client);
        ExcludeClipRect(windowDC, client.left, client.top, client.right, client.bottom);
        BitBlt(windowDC, 0, 0, whole.right, whole.bottom, memory, 0, 0, SRCCOPY);
    }
    ReleaseDC(window, windowDC);
}

void CSizingControlBar::RepaintNonClient()
{
    SetWindowPos(GetSafeHwnd(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_DRAWFRAME);
}

// ---- edge tracking

void CSizingControlBar::StartTracking(UINT hitCode, POINT screen)
{
    SetCapture(GetSafeHwnd());
    if (!m_bDragShowContent)
        RedrawWindow(GetSafeHwnd(), nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
    m_htEdge = hitCode;
    m_bTracking = true;
    bool xEdge = IsXEdge(hitCode);
    m_nTrackPosOld = xEdge ? screen.x : screen.y;
    RECT window;
    GetWindowRect(GetSafeHwnd(), &window);
    RECT edge = EdgeRect(window, hitCode);
    m_nTrackEdgeOfs = m_nTrackPosOld - (xEdge ? (edge.left + edge.right) / 2 : (edge.top + edge.bottom) / 2);
    m_arrBars = RowSizingBars(m_nThisBar);
    m_nTrackPosMin = m_nTrackPosMax = m_nTrackPosOld;

    bool horz = IsHorzDocked();
    if (!IsSideTracking())
    {
        int minimum = 0;
        for (CSizingControlBar* bar : m_arrBars)
            minimum = (std::max)(minimum, static_cast<int>(horz ? bar->m_szMinHorz.cy : bar->m_szMinVert.cx));
        int shrink = (horz ? m_szHorz.cy : m_szVert.cx) - minimum;
        RECT free = {};
        AppRepositionBars(m_pDockSite->GetSafeHwnd(), 0, 0xFFFF, AFX_IDW_PANE_FIRST, true, &free);
        int grow = (horz ? free.bottom - free.top : free.right - free.left) - 2;
        if (hitCode == HTLEFT || hitCode == HTTOP)
        {
            m_nTrackPosMin -= grow;
            m_nTrackPosMax += shrink;
        }
        else
        {
            m_nTrackPosMin -= shrink;
            m_nTrackPosMax += grow;
        }
    }
    else
    {
        int beforeEdge = m_nThisBar + ((hitCode == HTRIGHT || hitCode == HTBOTTOM) ? 1 : 0);
        for (int i = 0; i < static_cast<int>(m_arrBars.size()); ++i)
        {
            CSizingControlBar* bar = m_arrBars[static_cast<size_t>(i)];
            int spare = horz ? bar->m_szHorz.cx - bar->m_szMinHorz.cx : bar->m_szVert.cy - bar->m_szMinVert.cy;
            if (i < beforeEdge)
                m_nTrackPosMin -= spare;
            else
                m_nTrackPosMax += spare;
        }
    }
    OnTrackInvertTracker();
}

void CSizingControlBar::OnTrackUpdateSize(POINT screen)
{
    int position = IsXEdge(m_htEdge) ? screen.x : screen.y;
    position = (std::max)(m_nTrackPosMin, (std::min)(m_nTrackPosMax, position));
    int delta = position - m_nTrackPosOld;
    if (delta == 0)
        return;
    OnTrackInvertTracker();
    m_nTrackPosOld = position;

    bool horz = IsHorzDocked();
    if (!IsSideTracking())
    {
        LONG thickness = horz ? m_szHorz.cy : m_szVert.cx;
        thickness += (m_htEdge == HTLEFT || m_htEdge == HTTOP) ? -delta : delta;
        for (CSizingControlBar* bar : m_arrBars)
            (horz ? bar->m_szHorz.cy : bar->m_szVert.cx) = thickness;
    }
    else
    {
        bool before = m_htEdge == HTLEFT || m_htEdge == HTTOP;
        int growing = m_nThisBar;
        if (before && delta > 0)
            --growing;
        if (!before && delta < 0)
            ++growing;
        if (growing != m_nThisBar)
            before = !before;
        int amount = delta < 0 ? -delta : delta;
        auto lengthOf = [horz](CSizingControlBar* bar) -> LONG& { return horz ? bar->m_szHorz.cx : bar->m_szVert.cy; };
        lengthOf(m_arrBars[static_cast<size_t>(growing)]) += amount;
        int step = before ? -1 : 1;
        int limit = before ? -1 : static_cast<int>(m_arrBars.size());
        for (int i = growing + step; amount != 0 && i != limit; i += step)
        {
            CSizingControlBar* bar = m_arrBars[static_cast<size_t>(i)];
            int spare = lengthOf(bar) - (horz ? bar->m_szMinHorz.cx : bar->m_szMinVert.cy);
            int given = (std::min)(amount, spare);
            lengthOf(bar) -= given;
            amount -= given;
        }
    }
    OnTrackInvertTracker();
    if (m_bDragShowContent)
        m_pDockSite->RecalcLayout();
}

void CSizingControlBar::StopTracking()
{
    OnTrackInvertTracker();
    m_bTracking = false;
    m_arrBars.clear();
    ReleaseCapture();
    if (m_pDockSite)
        m_pDockSite->RecalcLayout();
}

void CSizingControlBar::OnTrackInvertTracker()
{
    if (m_bDragShowContent || !m_pDockSite || !m_bTracking)
        return;
    HWND frame = m_pDockSite->GetSafeHwnd();
    RECT bar;
    GetWindowRect(GetSafeHwnd(), &bar);
    RECT tracker = EdgeRect(bar, m_htEdge);
    if (!IsSideTracking() && m_pDockBar)
    {
        // The row's thickness changes: the line runs across the whole dock bar.
        RECT dock;
        GetWindowRect(m_pDockBar->GetSafeHwnd(), &dock);
        if (IsHorzDocked())
        {
            tracker.left = dock.left + 1;
            tracker.right = dock.right - 1;
        }
        else
        {
            tracker.top = dock.top + 1;
            tracker.bottom = dock.bottom - 1;
        }
    }
    bool xEdge = IsXEdge(m_htEdge);
    int middle = xEdge ? (tracker.left + tracker.right) / 2 : (tracker.top + tracker.bottom) / 2;
    int shift = m_nTrackPosOld - m_nTrackEdgeOfs - middle;
    OffsetRect(&tracker, xEdge ? shift : 0, xEdge ? 0 : shift);
    RECT frameWindow;
    GetWindowRect(frame, &frameWindow);
    OffsetRect(&tracker, -frameWindow.left, -frameWindow.top);

    static const WORD kHalftone[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
    CBitmapHandle pattern(CreateBitmap(8, 8, 1, 1, kHalftone));
    CGdiHandle<HBRUSH> brush(CreatePatternBrush(pattern));
    HDC dc = GetDCEx(frame, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    if (!dc)
        return;
    {
        CSelectedObject selected(dc, brush);
        PatBlt(dc, tracker.left, tracker.top, tracker.right - tracker.left, tracker.bottom - tracker.top, PATINVERT);
    }
    ReleaseDC(frame, dc);
}

// ---- messages

LRESULT CSizingControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (m_bTracking)
    {
        switch (message)
        {
        case WM_MOUSEMOVE:
            ClientToScreen(GetSafeHwnd(), &point);
            OnTrackUpdateSize(point);
            return 0;
        case WM_LBUTTONUP:
            StopTracking();
            return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != GetSafeHwnd())
                StopTracking();
            return 0;
        default:
            break;
        }
    }
    switch (message)
    {
    case WM_NCCALCSIZE:
    {
        auto& rect = *reinterpret_cast<RECT*>(lParam);
        POINT origin = {rect.left, rect.top};
        OffsetRect(&rect, -origin.x, -origin.y);
        UpdateRowEdges();
        NcCalcClient(rect, DockBarId());
        OffsetRect(&rect, origin.x, origin.y);
        return 0;
    }
    case WM_NCPAINT:
        OnNcPaintOffScreen();
        return 0;
    case WM_NCHITTEST:
        return HitTest(point);
    case WM_NCLBUTTONDOWN:
        if (!m_bTracking && !IsFloating() && wParam >= HTLEFT && wParam <= HTBOTTOMRIGHT)
            StartTracking(static_cast<UINT>(wParam), point);
        return 0;
    case WM_LBUTTONDOWN:
        if (m_pDockBar && m_pDockContext && !m_pDockContext->IsDragging())
        {
            ClientToScreen(GetSafeHwnd(), &point);
            m_pDockContext->StartDrag(point);
            return 0;
        }
        break;
    case WM_LBUTTONDBLCLK:
        if (m_pDockBar && m_pDockContext)
        {
            m_pDockContext->ToggleDocking();
            return 0;
        }
        break;
    case WM_SIZE:
        if (m_dwSCBStyle & SCBS_SIZECHILD)
            if (HWND child = GetWindow(GetSafeHwnd(), GW_CHILD))
                SetWindowPos(child, nullptr, 0, 0, LOWORD(lParam), HIWORD(lParam), SWP_NOZORDER | SWP_NOACTIVATE);
        break;
    case WM_SETTEXT:
    {
        LRESULT result = CControlBar::WindowProc(message, wParam, lParam);
        if (IsFloating() && m_pDockSite)
        {
            if (auto* mini = dynamic_cast<CMiniDockFrameWnd*>(CWnd::FromHandle(GetParent(m_pDockBar->GetSafeHwnd()))))
                mini->ShowForBars();
            m_pDockSite->DelayRecalcLayout();
        }
        RepaintNonClient();
        return result;
    }
    case WM_SETTINGCHANGE:
        m_bDragShowContent = DragFullWindows();
        break;
    case WM_WINDOWPOSCHANGING:
        if ((reinterpret_cast<WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW) && m_pDockBar && !IsFloating())
            m_bKeepSize = true;
        break;
    default:
        break;
    }
    return CControlBar::WindowProc(message, wParam, lParam);
}
