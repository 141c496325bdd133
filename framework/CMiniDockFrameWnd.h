#pragma once
// CMiniDockFrameWnd: the small tool window a floating bar lives in. It holds one floating
// dock bar that fills its client area; the bar's text is its title. Dragging its caption
// drags the bar (and may dock it again), a double click on the caption docks the bar
// back where it was, and its close button hides the bar.
#include "framework/CDockBar.h"

class CMiniDockFrameWnd : public CWnd
{
public:
    static const DWORD kWindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
    static const DWORD kWindowExStyle = WS_EX_TOOLWINDOW;

    // The window goes first, while its dock bar is whole.
    ~CMiniDockFrameWnd() override { DestroyWindow(); }

    // Creates the hidden frame, owned by the dock site, for a bar of barStyle.
    virtual bool Create(CFrameWnd* dockSite, DWORD barStyle);

    CDockBar& GetDockBar() { return m_wndDockBar; }
    // The first bar of its dock bar; null when it holds none.
    CControlBar* GetFirstBar() const;
    void RecalcLayout();
    // The client size that shows a bar of the size; the bar's size by default.
    virtual SIZE ClientSizeFor(SIZE barSize) const { return barSize; }
    // Shows the frame while one of its bars is visible, hides it otherwise.
    void ShowForBars();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Creates the window; its own style bits (MFS_*) stay in m_dwMiniStyle.
    bool CreateFrame(CFrameWnd* dockSite, DWORD windowStyle, DWORD miniStyle, DWORD barStyle);

    CFrameWnd* m_pDockSite = nullptr;
    CDockBar m_wndDockBar{true};
    DWORD m_dwMiniStyle = 0;
};
