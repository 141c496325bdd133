#include "framework/CDockBar.h"

#include "framework/CDockContext.h"
#include "framework/CFrameWnd.h"

#include <algorithm>
#include <map>

namespace
{
// Neighbouring bars of a row overlap by their two-pixel borders.
const int kOverlap = 2;

// The middle of a window along one axis of the dock bar's client coordinates.
int Middle(HWND window, HWND dockBar, bool horz)
{
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, dockBar, reinterpret_cast<POINT*>(&r), 2);
    return horz ? (r.left + r.right) / 2 : (r.top + r.bottom) / 2;
}
} // namespace

CDockBar::~CDockBar()
{
    for (Row& row : m_rows)
        for (CControlBar* bar : row)
            bar->m_pDockBar = nullptr;
}

bool CDockBar::Create(HWND parent, DWORD style, UINT id, CFrameWnd* dockSite)
{
    m_pDockSite = dockSite;
    return CreateBar(0, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | (style & CBRS_ALL), parent, id);
}

const CDockBar::Row* CDockBar::FindRow(const CControlBar* bar) const
{
    for (const Row& row : m_rows)
        if (std::find(row.begin(), row.end(), bar) != row.end())
            return &row;
    return nullptr;
}

int CDockBar::GetVisibleBarCount() const
{
    int count = 0;
    for (const Row& row : m_rows)
        for (CControlBar* bar : row)
            count += bar->IsVisible() ? 1 : 0;
    return count;
}

void CDockBar::Detach(CControlBar* bar)
{
    for (auto row = m_rows.begin(); row != m_rows.end(); ++row)
    {
        auto at = std::find(row->begin(), row->end(), bar);
        if (at == row->end())
            continue;
        row->erase(at);
        if (row->empty())
            m_rows.erase(row);
        return;
    }
}

void CDockBar::RemoveControlBar(CControlBar* bar)
{
    Detach(bar);
    if (bar->m_pDockBar == this)
        bar->m_pDockBar = nullptr;
}

void CDockBar::DockControlBar(CControlBar* bar, const POINT* screen)
{
    if (bar->m_pDockBar && bar->m_pDockBar != this)
        bar->m_pDockBar->RemoveControlBar(bar);
    Detach(bar);
    bar->m_pDockBar = this;
    bar->m_dwStyle = (bar->m_dwStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) | (m_dwStyle & CBRS_ALIGN_ANY) |
                     (m_bFloating ? CBRS_FLOATING : 0);
    if (GetParent(bar->GetSafeHwnd()) != GetSafeHwnd())
        SetParent(bar->GetSafeHwnd(), GetSafeHwnd());
    if (!m_bFloating && bar->m_pDockContext)
        bar->m_pDockContext->m_uMRUDockID = static_cast<UINT>(GetDlgCtrlID(GetSafeHwnd()));

    bool horz = IsHorz();
    size_t rowIndex = m_rows.size();
    bool newRow = true;
    POINT point = {};
    if (screen)
    {
        point = *screen;
        ScreenToClient(GetSafeHwnd(), &point);
        int across = horz ? point.y : point.x;
        for (size_t i = 0; i < m_rows.size(); ++i)
        {
            RECT extent = {};
            for (CControlBar* other : m_rows[i])
            {
                RECT r;
                GetWindowRect(other->GetSafeHwnd(), &r);
                MapWindowPoints(nullptr, GetSafeHwnd(), reinterpret_cast<POINT*>(&r), 2);
                UnionRect(&extent, &extent, &r);
            }
            int low = horz ? extent.top : extent.left;
            int high = horz ? extent.bottom : extent.right;
            if (across < low)
            {
                rowIndex = i;
                break;
            }
            if (across < high)
            {
                rowIndex = i;
                newRow = false;
                break;
            }
        }
    }
    if (newRow)
    {
        m_rows.insert(m_rows.begin() + static_cast<std::ptrdiff_t>(rowIndex), Row{bar});
    }
    else
    {
        Row& row = m_rows[rowIndex];
        int along = horz ? point.x : point.y;
        auto at = std::find_if(row.begin(), row.end(), [&](CControlBar* other) {
            return along < Middle(other->GetSafeHwnd(), GetSafeHwnd(), horz);
        });
        row.insert(at, bar);
    }
    SetWindowPos(bar->GetSafeHwnd(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CDockBar::SetRows(const std::vector<Row>& rows)
{
    for (const Row& row : rows)
    {
        bool first = true;
        for (CControlBar* bar : row)
        {
            DockControlBar(bar);
            if (!first)
            {
                // DockControlBar opened a row of its own: join it to the one before.
                Row joined = m_rows.back();
                m_rows.pop_back();
                m_rows.back().insert(m_rows.back().end(), joined.begin(), joined.end());
            }
            first = false;
        }
    }
}

void CDockBar::InsertRowBreak(const CControlBar* bar, bool after)
{
    for (auto row = m_rows.begin(); row != m_rows.end(); ++row)
    {
        auto at = std::find(row->begin(), row->end(), bar);
        if (at == row->end())
            continue;
        if (after)
            ++at;
        if (at == row->begin() || at == row->end())
            return;
        Row tail(at, row->end());
        row->erase(at, row->end());
        m_rows.insert(row + 1, tail);
        return;
    }
}

SIZE CDockBar::BarSize(CControlBar* bar)
{
    bool horz = IsHorz();
    if (bar->GetBarStyle() & CBRS_SIZE_DYNAMIC)
        return bar->CalcDynamicLayout(-1, horz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK);
    return bar->CalcFixedLayout(false, horz);
}

SIZE CDockBar::LayoutRows(bool move)
{
    bool horz = IsHorz();
    SIZE extent = {0, 0};
    int across = 0;
    for (size_t i = 0; i < m_rows.size(); ++i)
    {
        // A bar may move bars of its row to a new row while it works out its size: the
        // sizes come first, then the row as it stands is laid out.
        std::map<CControlBar*, SIZE> sizes;
        Row before = m_rows[i];
        for (CControlBar* bar : before)
            if (bar->IsVisible())
                sizes[bar] = BarSize(bar);
        int along = 0;
        int thickness = 0;
        for (CControlBar* bar : m_rows[i])
        {
            if (!bar->IsVisible())
                continue;
            SIZE size = sizes.count(bar) ? sizes[bar] : BarSize(bar);
            if (move)
            {
                int x = horz ? along : across;
                int y = horz ? across : along;
                SetWindowPos(bar->GetSafeHwnd(), nullptr, x, y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
            }
            along += (horz ? size.cx : size.cy) - kOverlap;
            thickness = (std::max)(thickness, static_cast<int>(horz ? size.cy : size.cx));
        }
        across += thickness;
        LONG& length = horz ? extent.cx : extent.cy;
        length = (std::max)(length, static_cast<LONG>(along + kOverlap));
    }
    (horz ? extent.cy : extent.cx) = across;
    return extent;
}

SIZE CDockBar::CalcFixedLayout(bool stretch, bool horz)
{
    SIZE extent = LayoutRows(false);
    if (stretch)
        (horz ? extent.cx : extent.cy) = 32767;
    return extent;
}

void CDockBar::OnSizeParent(AFX_SIZEPARENTPARAMS& layout)
{
    m_rectLayout = layout.rect;
    CControlBar::OnSizeParent(layout);
    if (layout.hDWP)
        LayoutRows(true);
}

void CDockBar::LayoutFloating()
{
    RECT client;
    GetClientRect(GetSafeHwnd(), &client);
    int top = 0;
    for (const Row& row : m_rows)
    {
        for (CControlBar* bar : row)
        {
            if (!bar->IsVisible())
                continue;
            int height = top == 0 ? client.bottom : BarSize(bar).cy;
            SetWindowPos(bar->GetSafeHwnd(), nullptr, 0, top, client.right, height, SWP_NOZORDER | SWP_NOACTIVATE);
            top += height;
        }
    }
}

LRESULT CDockBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SIZE && m_bFloating)
        LayoutFloating();
    return CControlBar::WindowProc(message, wParam, lParam);
}
