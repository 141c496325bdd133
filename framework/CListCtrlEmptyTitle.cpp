#include "framework/CListCtrlEmptyTitle.h"

void CListCtrlEmptyTitle::SetEmptyTitle(UINT stringId)
{
    m_emptyTitle.LoadString(stringId);
    if (GetSafeHwnd())
        InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
}

void CListCtrlEmptyTitle::SetEmptyTitle(const wchar_t* text)
{
    m_emptyTitle = text;
    if (GetSafeHwnd())
        InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
}

RECT CListCtrlEmptyTitle::EmptyTitleRect() const
{
    RECT rect = {};
    GetClientRect(GetSafeHwnd(), &rect);
    HWND header = GetHeaderCtrl();
    if (header && (GetWindowLongW(GetSafeHwnd(), GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT && IsWindowVisible(header))
    {
        RECT headerRect = {};
        GetWindowRect(header, &headerRect);
        rect.top += headerRect.bottom - headerRect.top;
    }
    return rect;
}

void CListCtrlEmptyTitle::PaintEmpty()
{
    PAINTSTRUCT paint = {};
    HDC dc = BeginPaint(GetSafeHwnd(), &paint);
    RECT rect = EmptyTitleRect();
    const COLORREF background = IsWindowEnabled(GetSafeHwnd()) ? static_cast<COLORREF>(Send(LVM_GETBKCOLOR))
                                                               : GetSysColor(COLOR_BTNFACE);
    HBRUSH brush = CreateSolidBrush(background);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
    HFONT font = reinterpret_cast<HFONT>(Send(WM_GETFONT));
    HGDIOBJ oldFont = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SIZE blank = {};
    GetTextExtentPoint32W(dc, L" ", 1, &blank);
    InflateRect(&rect, -blank.cx / 2, 0);
    SetBkColor(dc, background);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    DrawTextW(dc, m_emptyTitle, m_emptyTitle.GetLength(), &rect, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    EndPaint(GetSafeHwnd(), &paint);
}

LRESULT CListCtrlEmptyTitle::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT && GetItemCount() == 0)
    {
        PaintEmpty();
        return 0;
    }
    if (message == WM_ERASEBKGND && GetItemCount() == 0)
        return TRUE; // the empty-list paint fills the background itself
    return CTtListCtrl::WindowProc(message, wParam, lParam);
}
