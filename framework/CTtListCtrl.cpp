#include "framework/CTtListCtrl.h"

#include <vector>

void CTtListCtrl::PreSubclassWindow()
{
    if (m_titleTipsEnabled && !m_titleTip.GetSafeHwnd())
        m_titleTip.Create(this);
}

bool CTtListCtrl::CellFromPoint(POINT point, int& row, int& column, RECT& cell) const
{
    const int last = std::min(GetItemCount(), GetTopIndex() + GetCountPerPage() + 1);
    for (row = GetTopIndex(); row < last; ++row)
    {
        RECT bounds = {LVIR_BOUNDS};
        if (!Send(LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&bounds)) || point.y < bounds.top ||
            point.y >= bounds.bottom)
            continue;
        const int columns = GetColumnCount();
        std::vector<int> order(columns);
        Send(LVM_GETCOLUMNORDERARRAY, columns, reinterpret_cast<LPARAM>(order.data()));
        int left = bounds.left;
        for (int shown = 0; shown < columns; ++shown)
        {
            const int width = GetColumnWidth(order[shown]);
            if (point.x >= left && point.x < left + width)
            {
                RECT client = {};
                GetClientRect(GetSafeHwnd(), &client);
                if (left >= client.right)
                    return false;
                column = order[shown];
                cell = RECT{left - 1, bounds.top, std::min<LONG>(left + width, client.right), bounds.bottom};
                return true;
            }
            left += width;
        }
        return false;
    }
    return false;
}

void CTtListCtrl::OnMouseMove(WPARAM keys, POINT point)
{
    const bool buttonHeld = keys & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON);
    if (buttonHeld || !m_titleTip.GetSafeHwnd() || (GetWindowLongW(GetSafeHwnd(), GWL_STYLE) & LVS_TYPEMASK) != LVS_REPORT)
        return;
    int row = 0, column = 0;
    RECT cell = {};
    if (CellFromPoint(point, row, column, cell))
        m_titleTip.Show(cell, GetItemText(row, column));
}

void CTtListCtrl::OnLeftButtonDown(POINT point)
{
    LVHITTESTINFO hit = {};
    hit.pt = point;
    const int item = static_cast<int>(Send(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (item >= 0)
        SetItemState(item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void CTtListCtrl::OnKeyDown(WPARAM key)
{
    if (key != VK_F2 || GetFocus() != GetSafeHwnd() || !(GetWindowLongW(GetSafeHwnd(), GWL_STYLE) & LVS_EDITLABELS))
        return;
    const int item = GetNextItem(-1, LVNI_SELECTED);
    if (item >= 0)
        Send(LVM_EDITLABELW, item);
}

LRESULT CTtListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    message = m_titleTip.OnOwnerMessage(message, wParam, lParam);
    switch (message)
    {
    case WM_MOUSEMOVE:
        OnMouseMove(wParam, point);
        break;
    case WM_LBUTTONDOWN:
    {
        const LRESULT result = DefaultWindowProc(message, wParam, lParam);
        // The list's own handling may have destroyed it (a parent reacting to the click).
        if (GetSafeHwnd())
            OnLeftButtonDown(point);
        return result;
    }
    case WM_KEYDOWN:
        OnKeyDown(wParam);
        break;
    default:
        break;
    }
    return DefaultWindowProc(message, wParam, lParam);
}
