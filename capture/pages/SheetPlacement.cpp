#include "capture/pages/SheetPlacement.h"

namespace
{
void RemoveExStyle(HWND window, DWORD exStyle)
{
    SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(exStyle));
}
} // namespace

bool CreateChildPropertySheet(HWND parent, CPropertySheet& sheet, DWORD style, DWORD exStyle)
{
    if (!sheet.CreateChild(parent, style, exStyle))
        return false;
    SetWindowLongPtrW(sheet, GWL_STYLE, GetWindowLongPtrW(sheet, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_TABSTOP));
    RemoveExStyle(sheet, WS_EX_CONTROLPARENT);
    RemoveExStyle(parent, WS_EX_CONTROLPARENT);
    return true;
}

void PlaceWindowAtDlgItem(HWND dialog, CPropertySheet& sheet, UINT itemId, bool visitPages)
{
    RECT rect = {};
    HWND item = GetDlgItem(dialog, static_cast<int>(itemId));
    if (!item || !GetWindowRect(item, &rect))
        return;
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    PlaceSheetInRect(dialog, sheet, rect, visitPages);
}

void PlaceSheetInRect(HWND, CPropertySheet& sheet, const RECT& rect, bool visitPages)
{
    HWND tab = sheet.GetTabControl();
    RECT sheetRect = {}, tabRect = {};
    GetClientRect(sheet, &sheetRect);
    if (tab)
    {
        GetWindowRect(tab, &tabRect);
        MapWindowPoints(nullptr, sheet, reinterpret_cast<POINT*>(&tabRect), 2);
    }
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    MoveWindow(sheet, rect.left, rect.top, width, height, TRUE);
    if (tab)
    {
        // The tab control keeps its left and top margins and fills the rest.
        SetWindowPos(tab, nullptr, 0, 0, width - 2 * tabRect.left, height - 2 * tabRect.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RefreshSheetPages(sheet, visitPages);
}

void RefreshSheetPages(CPropertySheet& sheet, bool visitPages)
{
    if (!sheet.GetSafeHwnd())
        return;
    // None of these selections is the user's: the page the user last chose stays remembered.
    const bool selecting = sheet.IsSelectingByProgram();
    sheet.SetSelectingByProgram(true);
    const int active = sheet.GetActiveIndex();
    if (visitPages)
    {
        // The sheet's own style: a host not shown yet (a dialog in its initialisation, a
        // view before its frame appears) must not leave the sheet hidden.
        const bool visible = (GetWindowLongPtrW(sheet, GWL_STYLE) & WS_VISIBLE) != 0;
        ShowWindow(sheet, SW_HIDE);
        for (int i = 0; i < sheet.GetPageCount(); ++i)
            sheet.SetActivePage(i);
        if (visible)
            ShowWindow(sheet, SW_SHOWNA);
    }
    sheet.SetActivePage(active < 0 ? 0 : active);
    sheet.SetSelectingByProgram(selecting);
}
