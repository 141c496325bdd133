#pragma once
// CFrameWnd: a top-level window with a menu, control bars along its sides (toolbars,
// status bar, dock bars with docked bars) and one view filling the rest (the child with
// id AFX_IDW_PANE_FIRST).
//
// Commands (WM_COMMAND from the menu, accelerators, toolbar buttons, bars) are routed
// through the command tables (CCmdTarget.h): the active view's first, then the frame's own,
// then the application object's, so a view overrides what its frame does with a command. Before a pop-up menu opens, and when the message loop is idle
// (OnIdleUpdateCmdUI), every item and toolbar button asks the same route for its state;
// items whose command nothing handles are disabled. The status bar's message pane shows
// the prompt of the menu item under the cursor: the first part of the string whose id is
// the command's, up to a line feed; the part after it is the tool tip.
#include "framework/CControlBar.h"
#include "framework/CDockBar.h"
#include "framework/CMiniDockFrameWnd.h"

#include <functional>
#include <memory>
#include <vector>

class CDockState;

class CFrameWnd : public CWnd
{
public:
    CFrameWnd();
    ~CFrameWnd() override;

    // Creates the frame: menuId names a menu resource (0: none).
    bool Create(const wchar_t* title, DWORD style, const RECT& rect, HWND parent = nullptr, UINT menuId = 0,
                DWORD exStyle = 0);

    // The frame that holds the window (its nearest framework frame, up the parents and
    // owners); null when none does.
    static CFrameWnd* FromChild(HWND window);

    // The view commands are routed to after the frame; it is remembered by window, so a
    // destroyed view simply stops taking commands.
    void SetActiveView(CWnd* view);
    CWnd* GetActiveView() const;

    // Lays the bars out and gives the rest of the client area to the view.
    virtual void RecalcLayout();
    // Lays out once the current message is done (many changes, one layout).
    void DelayRecalcLayout();

    // Brings the bars' buttons and panes up to date; the message loop calls it when idle.
    // The first time a status bar is there, its message pane shows the idle prompt.
    void OnIdleUpdateCmdUI();

    // The status bar's message pane: the prompt of a command id, or a text.
    void SetMessageText(UINT id);
    void SetMessageText(const wchar_t* text);
    // The prompt part of string id (before any line feed); false when there is none.
    static bool GetMessageString(UINT id, CString& prompt);
    // The tip part of string id (after the line feed); false when there is none.
    static bool GetTipString(UINT id, CString& tip);

    // Control bars.
    CControlBar* GetControlBar(UINT id) const;
    const std::vector<CControlBar*>& GetControlBars() const { return m_listControlBars; }
    void ShowControlBar(CControlBar* bar, bool show, bool delay);
    // Creates the dock bars of the sides named (CBRS_ALIGN_*).
    void EnableDocking(DWORD dockStyle);
    CDockBar* GetDockBar(UINT id) const;
    // The first dock bar (top, bottom, left, right) of the sides allowed.
    CDockBar* CanDockTo(DWORD dockStyle) const;
    // Docks the bar into the dock bar with the id (0: the first side the bar allows), at
    // the screen point when given.
    void DockControlBar(CControlBar* bar, UINT dockBarId = 0, const POINT* screen = nullptr);
    void DockControlBar(CControlBar* bar, CDockBar* dockBar, const POINT* screen = nullptr);
    // Floats the bar in a mini frame whose top-left corner is at the screen point.
    void FloatControlBar(CControlBar* bar, POINT screen);
    // Floating frames are made of this class (a CMiniDockFrameWnd).
    template <class Frame> void SetFloatingFrameClass()
    {
        m_newFloatingFrame = [] { return new Frame; };
    }

    // Bar state: which bars are visible, docked where, in which order, or floating where.
    void GetDockState(CDockState& state) const;
    void SetDockState(const CDockState& state);
    void SaveBarState(const wchar_t* profileName) const;
    void LoadBarState(const wchar_t* profileName);

    // Menu items whose command nothing handles are disabled (on by default).
    bool m_bAutoMenuEnable = true;

    bool OnCmdMsg(UINT id, CmdRequest request, CCmdUI* item) override;

protected:
    // The window class and styles may be changed before the window is made.
    virtual void PreCreateWindow(CREATESTRUCTW& cs);
    // WM_CREATE: -1 fails the creation.
    virtual int OnCreate(CREATESTRUCTW& cs);
    virtual void OnDestroy();
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    const CCommandMap* GetCommandMap() const override;

    void OnInitMenuPopup(HMENU popup, bool systemMenu);
    void OnMenuSelect(UINT item, UINT flags, HMENU menu);
    // View menu: show or hide the bar whose id is the command's.
    void OnBarCheck(UINT id);
    void OnUpdateControlBarMenu(CCmdUI* item);
    void OnUpdateKeyIndicator(CCmdUI* item);

private:
    friend class CControlBar;
    void AddControlBar(CControlBar* bar);
    void RemoveControlBar(CControlBar* bar);
    CMiniDockFrameWnd* NewFloatingFrame(DWORD barStyle);
    // Destroys floating frames that no longer hold a bar.
    void RemoveEmptyMiniFrames();
    // The layout of a floating bar's frame after its bar changed.
    void UpdateMiniFrame(CControlBar* bar);

    std::vector<CControlBar*> m_listControlBars;
    std::vector<std::unique_ptr<CDockBar>> m_dockBars;
    std::vector<CWndPtr<CMiniDockFrameWnd>> m_miniFrames;
    std::function<CMiniDockFrameWnd*()> m_newFloatingFrame;
    HMENU m_hMenu = nullptr;
    HWND m_hWndActiveView = nullptr;
    bool m_bInRecalcLayout = false;
    bool m_bRecalcPending = false;
    bool m_bIdlePromptShown = false;
};
