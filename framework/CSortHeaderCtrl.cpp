#include "framework/CSortHeaderCtrl.h"

#include "framework/CWaitCursor.h"

#include <cstdlib>
#include <string>

namespace
{
// A number cell read as the program's ANSI text; an empty cell reads as 0.
double ReadNumber(const wchar_t* text)
{
    const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(size > 0 ? size : 1, '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, narrow.data(), size, nullptr, nullptr);
    return atof(narrow.c_str());
}

void Line(HDC dc, int x1, int y1, int x2, int y2)
{
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}
} // namespace

CSortHeaderCtrl::CSortHeaderCtrl(PFNLVCOMPARE compare, LPARAM sortParam) : m_compare(compare), m_sortParam(sortParam)
{
}

int CSortHeaderCtrl::SetSortColumn(int column, bool descending)
{
    const int previous = m_sortColumn;
    m_sortColumn = column;
    m_descending = descending;
    if (!GetSafeHwnd())
        return previous;
    HDITEMW item = {};
    item.mask = HDI_FORMAT;
    if (GetItem(column, item))
    {
        item.fmt |= HDF_OWNERDRAW;
        SetItem(column, item);
    }
    InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
    if (m_compare)
    {
        CWaitCursor wait;
        const LPARAM parameter = m_sortParam ? m_sortParam : reinterpret_cast<LPARAM>(this);
        SendMessageW(GetParent(GetSafeHwnd()), LVM_SORTITEMS, parameter, reinterpret_cast<LPARAM>(m_compare));
    }
    return previous;
}

int CSortHeaderCtrl::CompareItems(const wchar_t* a, const wchar_t* b) const
{
    // A column outside the table compares equal: this runs inside the list's sorting,
    // where nothing may be thrown.
    if (!m_columns || m_sortColumn < 0 || m_sortColumn >= m_columns->GetSize())
        return 0;
    switch ((*m_columns)[m_sortColumn].type)
    {
    case CColumn::kText:
    {
        const int order = m_descending ? CString(b).CompareNoCase(a) : CString(a).CompareNoCase(b);
        return order;
    }
    case CColumn::kNumber:
    {
        const double x = ReadNumber(a), y = ReadNumber(b);
        const int order = x < y ? -1 : (x > y ? 1 : 0);
        return m_descending ? -order : order;
    }
    default:
        return 0;
    }
}

void CSortHeaderCtrl::PreSubclassWindow()
{
    // A header attached late shows the arrow and sorts as well.
    if (m_sortColumn >= 0)
        SetSortColumn(m_sortColumn, m_descending);
}

void CSortHeaderCtrl::OnItemClick(int column)
{
    SetSortColumn(column, column == m_sortColumn ? !m_descending : false);
}

bool CSortHeaderCtrl::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT& result)
{
    if (message == WM_NOTIFY)
    {
        const auto* notify = reinterpret_cast<const NMHEADERW*>(lParam);
        if (notify->hdr.code != HDN_ITEMCLICKW && notify->hdr.code != HDN_ITEMCLICKA)
            return false;
        OnItemClick(notify->iItem);
        result = 0;
        return true;
    }
    if (message == WM_DRAWITEM)
    {
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    }
    return false;
}

void CSortHeaderCtrl::DrawItem(const DRAWITEMSTRUCT& draw)
{
    HDC dc = draw.hDC;
    const int saved = SaveDC(dc);
    const RECT& item = draw.rcItem;
    IntersectClipRect(dc, item.left, item.top, item.right, item.bottom);
    FillRect(dc, &item, GetSysColorBrush(COLOR_BTNFACE));
    SIZE blank = {};
    GetTextExtentPoint32W(dc, L" ", 1, &blank);
    const int unit = 2 * blank.cx;

    wchar_t text[256] = L"";
    HDITEMW info = {};
    info.mask = HDI_TEXT | HDI_FORMAT;
    info.pszText = text;
    info.cchTextMax = 255;
    GetItem(static_cast<int>(draw.itemID), info);
    UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP | DT_END_ELLIPSIS;
    flags |= (info.fmt & HDF_CENTER) ? DT_CENTER : ((info.fmt & HDF_RIGHT) ? DT_RIGHT : DT_LEFT);

    RECT label = item;
    if (draw.itemState & ODS_SELECTED)
    {
        label.left += 1;
        label.top += 2;
        label.right += 1;
    }
    const bool sorted = static_cast<int>(draw.itemID) == m_sortColumn;
    if (sorted)
        label.right -= 3 * unit;
    InflateRect(&label, -unit, 0);
    if (label.right > label.left)
    {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        DrawTextW(dc, text, -1, &label, flags);
    }
    if (sorted)
        DrawTriangle(dc, item, unit);
    RestoreDC(dc, saved);
}

void CSortHeaderCtrl::DrawTriangle(HDC dc, const RECT& item, int u) const
{
    const int r = item.right, b = item.bottom;
    HPEN light = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
    HPEN shadow = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    HGDIOBJ old = SelectObject(dc, light);
    if (m_descending)
    {
        Line(dc, r - 3 * u / 2, u - 1, r - 2 * u - 1, b - u + 1);
        SelectObject(dc, shadow);
        MoveToEx(dc, r - 2 * u - 1, b - u, nullptr);
        LineTo(dc, r - 5 * u / 2 - 1, u - 1);
        LineTo(dc, r - 3 * u / 2, u - 1);
    }
    else
    {
        MoveToEx(dc, r - 2 * u, u - 1, nullptr);
        LineTo(dc, r - 3 * u / 2, b - u);
        LineTo(dc, r - 5 * u / 2 - 2, b - u);
        SelectObject(dc, shadow);
        Line(dc, r - 5 * u / 2 - 1, b - u - 1, r - 2 * u, u - 2);
    }
    SelectObject(dc, old);
    DeleteObject(light);
    DeleteObject(shadow);
}
