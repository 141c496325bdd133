#pragma once
// CSizingControlBarG: a sizing bar with a gripper strip (two raised lines) and a small
// close button that hides the bar. The strip lies along the left side of a bar docked at
// the top or bottom, else along the top.
#include "framework/CSizingControlBar.h"

class CSizingControlBarG : public CSizingControlBar
{
public:
    static const int kGripper = 12;
    static const int kCloseSize = 11;

    virtual bool HasGripper() const { return true; }
    // The close button's square in window coordinates.
    RECT CloseButtonRect() const;
    bool IsClosePushed() const { return m_bClosePushed; }
    bool IsCloseRaised() const { return m_bCloseRaised; }

    void OnUpdateCmdUI(CFrameWnd* target, bool disableIfNoHandler) override;

protected:
    void NcCalcClient(RECT& rect, UINT dockBarId) override;
    void NcPaintGripper(HDC dc, const RECT& client) override;
    LRESULT HitTest(POINT screen) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PaintCloseButton(HDC dc) const;

    POINT m_ptClose = {0, 0};

private:
    bool m_bClosePushed = false;
    bool m_bCloseRaised = false;
};
