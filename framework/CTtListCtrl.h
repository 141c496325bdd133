#pragma once
// CTtListCtrl: a report list that shows the full text of a cut-off cell in a title tip
// while the mouse rests over it, selects the row under any left click (in any column) and
// starts label editing with F2.
#include "framework/CListCtrl.h"
#include "framework/CTitleTip.h"

class CTtListCtrl : public CListCtrl
{
public:
    void EnableTitleTips(bool enable) { m_titleTipsEnabled = enable; }
    CTitleTip& GetTitleTip() { return m_titleTip; }
    // The row and column under a point of the client area and that cell's rectangle
    // (the left edge one pixel further left, cut at the client area); false when none.
    bool CellFromPoint(POINT point, int& row, int& column, RECT& cell) const;

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnMouseMove(WPARAM keys, POINT point);
    void OnLeftButtonDown(POINT point);
    void OnKeyDown(WPARAM key);

    CTitleTip m_titleTip;
    bool m_titleTipsEnabled = true;
};
