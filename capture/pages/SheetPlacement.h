#pragma once
// Placing a child property sheet inside a host window: creation as a child control that
// the host's dialog navigation does not enter on its own, placement over a rectangle (the
// tab control follows), and a pass over every page so that all of them have windows.
#include "framework/CPropertySheet.h"

// Creates the sheet as a child of parent with the styles; on success the sheet loses
// WS_TABSTOP and, with the parent, WS_EX_CONTROLPARENT. The creation's result.
bool CreateChildPropertySheet(HWND parent, CPropertySheet& sheet, DWORD style, DWORD exStyle);
// PlaceSheetInRect over the dialog item's rectangle.
void PlaceWindowAtDlgItem(HWND dialog, CPropertySheet& sheet, UINT itemId, bool visitPages);
// Moves the sheet to the rectangle (parent coordinates) and sizes its tab control to it,
// less the margins the tab control had inside the sheet; then RefreshSheetPages.
void PlaceSheetInRect(HWND parent, CPropertySheet& sheet, const RECT& rect, bool visitPages);
// With visitPages, activates every page once while the sheet is hidden (so every page has
// its window), then the page that was active again.
void RefreshSheetPages(CPropertySheet& sheet, bool visitPages);
