#pragma once
// Where a view puts its sheet: over its frame control, or, without a sheet, the frame
// control shows why there is none.
#include <windows.h>

// The frame control's rectangle in the view's client coordinates.
RECT AppFrameControlRect(HWND view, int frameId);
// Shows the text in the frame control instead of a sheet.
void AppShowSheetMissing(HWND view, int frameId, const wchar_t* what);
