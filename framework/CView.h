#pragma once
// CView: a child window that shows a part of the program's data inside a frame or a
// splitter pane. Create makes its window (CreateViewWindow: a window of the view class that
// paints through OnDraw, unless a derived view makes another kind); the owner then calls
// OnInitialUpdate once. A click gives the view the focus.
//
// Messages are decoded once: WM_COMMAND into OnCommand, WM_NOTIFY into OnNotify.
#include "framework/CCommandHandlers.h"
#include "framework/CWnd.h"

class CView : public CWnd, protected CCommandHandlers
{
public:
    // Makes the view's window as a child of the parent; false when it cannot be made.
    bool Create(HWND parent, UINT id, const RECT& rect, DWORD style = WS_CHILD | WS_VISIBLE);
    // Lets the view fill itself once its owner is complete.
    virtual void OnInitialUpdate();

protected:
    // Makes the window; the default one is of the view class and paints through OnDraw.
    virtual bool CreateViewWindow(HWND parent, UINT id, const RECT& rect, DWORD style);
    // Paints the view (a window of the view class only).
    virtual void OnDraw(HDC dc);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool m_paintsThroughOnDraw = false;
};
