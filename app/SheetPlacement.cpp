#include "app/SheetPlacement.h"

#include "framework/CString.h"

RECT AppFrameControlRect(HWND view, int frameId)
{
    RECT rect = {};
    HWND frame = GetDlgItem(view, frameId);
    GetWindowRect(frame, &rect);
    MapWindowPoints(nullptr, view, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void AppShowSheetMissing(HWND view, int frameId, const wchar_t* what)
{
    HWND frame = GetDlgItem(view, frameId);
    SetWindowTextW(frame, CString(what) + L" are not available in this version yet.");
    ShowWindow(frame, SW_SHOWNA);
}
