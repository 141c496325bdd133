#pragma once
// CStatusBar: the bar at the foot of a frame, drawn by a common-controls status bar. Its
// panes are named by indicator ids: ID_SEPARATOR is the message pane (the first pane,
// taking the width the others leave), any other id a pane as wide as the string of
// that id (the key indicators have texts of their own when the string is missing). The
// bar's window text is the message pane's text. An indicator pane whose update handler
// disables it shows no text.
#include "framework/CControlBar.h"

#include <vector>

class CStatusBar : public CControlBar
{
public:
    bool Create(HWND parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, UINT id = AFX_IDW_STATUS_BAR);
    bool SetIndicators(const UINT* ids, int count);

    int GetCount() const { return static_cast<int>(m_panes.size()); }
    UINT GetItemID(int index) const;
    int CommandToIndex(UINT id) const;
    void SetPaneText(int index, const wchar_t* text);
    // The text the pane shows (empty while its indicator is off).
    CString GetPaneText(int index) const;
    HWND GetStatusBarCtrl() const { return m_status; }

    SIZE CalcFixedLayout(bool stretch, bool horz) override;
    void OnUpdateCmdUI(CFrameWnd* target, bool disableIfNoHandler) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    friend class CStatusCmdUI;
    struct Pane
    {
        UINT id;
        CString text;
        int width;
        bool shown;
    };
    void ShowPane(int index, bool shown);
    void SetParts();
    HGDIOBJ PaneFont() const;
    int TextWidth(const CString& text) const;

    HWND m_status = nullptr;
    std::vector<Pane> m_panes;
};
