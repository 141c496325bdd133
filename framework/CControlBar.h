#pragma once
// CControlBar: a bar along a side of a frame (toolbar, status bar, docking bar) or floating
// in a mini frame. The frame lays its bars out by sending each WM_SIZEPARENT in window
// order; a bar answers with the room it takes (CalcFixedLayout or CalcDynamicLayout). A
// bar whose docking is enabled can be dragged by its gripper through its dock context
// into another dock bar or out into a floating mini frame.
//
// The bar keeps its control-bar styles (CBRS_*) apart from its window style. It tells its
// frame (the dock site) that it exists when it is created and when it ends.
#include "framework/CWnd.h"
#include "framework/FrameIds.h"

#include <memory>

class CDockBar;
class CDockContext;
class CFrameWnd;

class CControlBar : public CWnd
{
public:
    CControlBar();
    ~CControlBar() override;

    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD style) { m_dwStyle = style & CBRS_ALL; }
    // The sides (CBRS_ALIGN_*) it may dock to; 0 forbids docking. Creates the dock context.
    virtual void EnableDocking(DWORD dockStyle);

    bool IsVisible() const;
    bool IsFloating() const;
    bool IsHorz() const { return (m_dwStyle & CBRS_ORIENT_HORZ) != 0; }
    virtual bool IsDockBar() const { return false; }

    // The size the bar takes docked along a side; stretch asks it to fill the side.
    virtual SIZE CalcFixedLayout(bool stretch, bool horz);
    // The size for a length along the bar's axis (-1: its own choice) and LM_* mode.
    virtual SIZE CalcDynamicLayout(int length, DWORD mode);
    // Brings buttons and panes up to date from the target's update handlers.
    virtual void OnUpdateCmdUI(CFrameWnd* target, bool disableIfNoHandler);

    CFrameWnd* GetDockingFrame() const { return m_pDockSite; }
    CDockBar* GetDockBar() const { return m_pDockBar; }
    CDockContext* GetDockContext() const { return m_pDockContext.get(); }

    DWORD m_dwDockStyle = 0;

protected:
    // Creates the child window with the window-style part of style; the CBRS_* part
    // becomes the bar style. The frame that holds parent is the bar's dock site.
    bool CreateBar(DWORD exStyle, const wchar_t* title, DWORD style, HWND parent, UINT id);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Takes the bar's room from the layout rectangle (nothing while hidden).
    virtual void OnSizeParent(AFX_SIZEPARENTPARAMS& layout);
    // The non-client room (gripper) off the window rectangle.
    virtual void NcCalcClient(RECT& rect);
    virtual void NcPaint(HDC dc, const RECT& window);
    virtual LRESULT NcHitTest(POINT screen);
    // Rectangle of the gripper in window coordinates; empty when none is shown.
    RECT GripperRect() const;
    // The dock context's drag loop takes the mouse and keys while it runs.
    bool ForwardToDragLoop(UINT message, WPARAM wParam, LPARAM lParam);

    DWORD m_dwStyle = 0;
    CFrameWnd* m_pDockSite = nullptr;
    CDockBar* m_pDockBar = nullptr;
    std::unique_ptr<CDockContext> m_pDockContext;

private:
    friend class CDockBar;
    friend class CFrameWnd;
    friend class CDockContext;
    void OnNcPaint();
};
