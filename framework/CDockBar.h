#pragma once
// CDockBar: the strip along one side of a frame (or the inside of a floating mini frame)
// that holds docked bars in rows. A row runs along the side; rows stack away from the
// frame's edge. Bars of a row are laid end to end, each overlapping the previous one by
// the two pixels of their borders.
#include "framework/CControlBar.h"

#include <vector>

class CDockBar : public CControlBar
{
public:
    using Row = std::vector<CControlBar*>;

    explicit CDockBar(bool floating = false) : m_bFloating(floating) {}
    ~CDockBar() override;

    // id: one of AFX_IDW_DOCKBAR_*; style: CBRS_ALIGN_* of its side. A floating dock bar
    // docks into the frame given as dockSite.
    bool Create(HWND parent, DWORD style, UINT id, CFrameWnd* dockSite);

    bool IsDockBar() const override { return true; }
    bool IsFloatingDockBar() const { return m_bFloating; }

    // Docks the bar: into the row under the screen point (at its place along the row) or
    // a new row before or after the others; no point: a new last row.
    void DockControlBar(CControlBar* bar, const POINT* screen = nullptr);
    // Puts the bars into rows as given, taking each from where it was.
    void SetRows(const std::vector<Row>& rows);
    void RemoveControlBar(CControlBar* bar);

    const std::vector<Row>& GetRows() const { return m_rows; }
    // The row holding the bar; null when the bar is not here.
    const Row* FindRow(const CControlBar* bar) const;
    // Splits the bar's row after (or before) the bar.
    void InsertRowBreak(const CControlBar* bar, bool after);
    int GetVisibleBarCount() const;

    SIZE CalcFixedLayout(bool stretch, bool horz) override;
    // The room the frame offered in the last layout (its client area's free part).
    RECT m_rectLayout = {};

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSizeParent(AFX_SIZEPARENTPARAMS& layout) override;
    void NcCalcClient(RECT&) override {}
    LRESULT NcHitTest(POINT) override { return HTCLIENT; }

private:
    // The size of one bar in this dock bar's orientation.
    SIZE BarSize(CControlBar* bar);
    // Places the bars in rows from the dock bar's origin; returns the rows' extent.
    SIZE LayoutRows(bool move);
    // A floating dock bar gives its whole client area to its bars.
    void LayoutFloating();
    void Detach(CControlBar* bar);

    bool m_bFloating;
    std::vector<Row> m_rows;
};
