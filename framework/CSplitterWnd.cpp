#include "framework/CSplitterWnd.h"

#include <algorithm>
#include <windowsx.h>

bool CSplitterWnd::CreateStatic(HWND parent, int rows, int columns, const RECT& rect, UINT id)
{
    if (!((rows == 2 && columns == 1) || (rows == 1 && columns == 2)))
        return false;
    m_vertical = rows == 2;
    CString splitterClass = AppRegisterWndClass(0, nullptr, GetSysColorBrush(COLOR_BTNFACE));
    return !splitterClass.IsEmpty() &&
           CreateEx(0, splitterClass, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect, parent, id);
}

bool CSplitterWnd::CreateView(int row, int column, CView& view, int size)
{
    if (row < 0 || row >= GetRowCount() || column < 0 || column >= GetColumnCount() || GetPane(row, column))
        return false;
    if (row + column == 0)
        m_firstSize = size;
    const RECT none = {0, 0, 0, 0};
    if (!view.Create(*this, IdFromRowCol(row, column), none, WS_CHILD | WS_VISIBLE | WS_BORDER))
        return false;
    RecalcLayout();
    return true;
}

HWND CSplitterWnd::GetPane(int row, int column) const
{
    return GetDlgItem(*this, static_cast<int>(IdFromRowCol(row, column)));
}

void CSplitterWnd::SetFirstPaneSize(int size, int minimum)
{
    m_firstSize = size;
    m_minimum = minimum;
    RecalcLayout();
}

int CSplitterWnd::SplitLength() const
{
    RECT client;
    GetClientRect(*this, &client);
    return m_vertical ? client.bottom : client.right;
}

RECT CSplitterWnd::BarRect() const
{
    RECT bar;
    GetClientRect(*this, &bar);
    int first = std::max(0, std::min(m_firstSize, SplitLength() - kBarSize));
    if (m_vertical)
    {
        bar.top = first;
        bar.bottom = first + kBarSize;
    }
    else
    {
        bar.left = first;
        bar.right = first + kBarSize;
    }
    return bar;
}

void CSplitterWnd::RecalcLayout()
{
    RECT client, bar = BarRect();
    GetClientRect(*this, &client);
    RECT first = client, second = client;
    if (m_vertical)
    {
        first.bottom = bar.top;
        second.top = bar.bottom;
    }
    else
    {
        first.right = bar.left;
        second.left = bar.right;
    }
    const RECT panes[] = {first, second};
    for (int index = 0; index < 2; ++index)
    {
        HWND pane = m_vertical ? GetPane(index, 0) : GetPane(0, index);
        const RECT& r = panes[index];
        if (pane)
            MoveWindow(pane, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
    }
    InvalidateRect(*this, &bar, TRUE);
}

int CSplitterWnd::PaneHolding(HWND window) const
{
    for (int index = 0; index < 2; ++index)
    {
        HWND pane = m_vertical ? GetPane(index, 0) : GetPane(0, index);
        if (pane && (window == pane || IsChild(pane, window)))
            return index;
    }
    return -1;
}

void CSplitterWnd::ActivateNext()
{
    int holding = PaneHolding(GetFocus());
    int next = holding < 0 ? 0 : 1 - holding;
    HWND pane = m_vertical ? GetPane(next, 0) : GetPane(0, next);
    if (pane)
        SetFocus(pane);
}

bool CSplitterWnd::PreTranslateMessage(MSG& message)
{
    if (message.message != WM_KEYDOWN || message.wParam != VK_F6 || PaneHolding(message.hwnd) < 0)
        return false;
    // Two panes: the next one is the previous one as well (Shift+F6).
    ActivateNext();
    return true;
}

void CSplitterWnd::OnMouse(UINT message, POINT point)
{
    int position = m_vertical ? point.y : point.x;
    RECT bar = BarRect();
    switch (message)
    {
    case WM_LBUTTONDOWN:
        if (PtInRect(&bar, point))
        {
            m_dragging = true;
            m_dragOffset = position - m_firstSize;
            SetCapture(*this);
        }
        break;
    case WM_MOUSEMOVE:
        if (m_dragging)
        {
            int limit = std::max(m_minimum, SplitLength() - kBarSize - m_minimum);
            m_firstSize = std::max(m_minimum, std::min(position - m_dragOffset, limit));
            RecalcLayout();
        }
        break;
    default: // WM_LBUTTONUP
        if (m_dragging)
            ReleaseCapture();
        break;
    }
}

LRESULT CSplitterWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_SIZE:
        RecalcLayout();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
        OnMouse(message, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_CAPTURECHANGED:
        m_dragging = false;
        return 0;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == *this && LOWORD(lParam) == HTCLIENT)
        {
            SetCursor(LoadCursorW(nullptr, m_vertical ? IDC_SIZENS : IDC_SIZEWE));
            return TRUE;
        }
        break;
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
