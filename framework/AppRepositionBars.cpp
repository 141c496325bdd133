#include "framework/AppRepositionBars.h"

#include "framework/FrameIds.h"

void AppRepositionBars(HWND parent, UINT first, UINT last, UINT leftOver, bool query, RECT* rectParam,
                       const RECT* client, bool stretch)
{
    AFX_SIZEPARENTPARAMS layout = {};
    layout.bStretch = stretch;
    if (client)
        layout.rect = *client;
    else
        GetClientRect(parent, &layout.rect);
    if (!query)
        layout.hDWP = BeginDeferWindowPos(8);

    HWND leftOverWindow = nullptr;
    for (HWND child = GetTopWindow(parent); child; child = GetNextWindow(child, GW_HWNDNEXT))
    {
        UINT id = static_cast<UINT>(GetDlgCtrlID(child));
        if (id == leftOver)
            leftOverWindow = child;
        else if (id >= first && id <= last)
            SendMessageW(child, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
    }

    if (query)
    {
        if (rectParam)
            *rectParam = layout.rect;
        return;
    }
    if (leftOverWindow && layout.hDWP)
    {
        const RECT& r = layout.rect;
        layout.hDWP = DeferWindowPos(layout.hDWP, leftOverWindow, nullptr, r.left, r.top, r.right - r.left,
                                     r.bottom - r.top, SWP_NOACTIVATE | SWP_NOZORDER);
    }
    if (layout.hDWP)
        EndDeferWindowPos(layout.hDWP);
}
