#pragma once
// Where a view puts its sheet: over its frame control, or, without a sheet, the frame
// control shows why there is none.
#include <windows.h>

class CPSheetCaptureBase;

// The frame control's rectangle in the view's client coordinates.
RECT AppFrameControlRect(HWND view, int frameId);
// Makes the sheet a child of the view over the rectangle (the view's client coordinates);
// false when it cannot be made.
bool AppCreateSheetAt(CPSheetCaptureBase& sheet, HWND view, const RECT& place);
// Shows the text in the frame control instead of a sheet.
void AppShowSheetMissing(HWND view, int frameId, const wchar_t* what);
