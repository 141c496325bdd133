#include "app/SheetPlacement.h"

#include "capture/pages/CPSheetCaptureBase.h"
#include "capture/pages/SheetPlacement.h"
#include "framework/CString.h"

RECT AppFrameControlRect(HWND view, int frameId)
{
    RECT rect = {};
    HWND frame = GetDlgItem(view, frameId);
    GetWindowRect(frame, &rect);
    MapWindowPoints(nullptr, view, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool AppCreateSheetAt(CPSheetCaptureBase& sheet, HWND view, const RECT& place)
{
    if (!sheet.Create(view))
        return false;
    // Creation has given every page its window already.
    PlaceSheetInRect(view, sheet, place, false);
    return true;
}

void AppShowSheetMissing(HWND view, int frameId, const wchar_t* what)
{
    HWND frame = GetDlgItem(view, frameId);
    SetWindowTextW(frame, CString(what) + L" could not be shown.");
    ShowWindow(frame, SW_SHOWNA);
}
