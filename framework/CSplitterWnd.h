#pragma once
// CSplitterWnd: a static splitter of two panes, side by side (one row, two columns) or
// one above the other (two rows, one column), with a bar between them that the user drags.
// Each pane is a view that the splitter makes as its child (CreateView). F6 moves the focus
// to the other pane, Shift+F6 as well (the message loops offer keys to the splitter
// before the panes' own handling).
#include "framework/CView.h"

class CSplitterWnd : public CWnd
{
public:
    // The id of the first pane's window; a pane's id is this + 16 * row + column.
    static const UINT kFirstPaneId = 0xE900;
    static const int kBarSize = 6;

    // Makes the splitter as a child of the parent filling rect; rows × columns must be
    // 2 × 1 or 1 × 2. False otherwise or when the window cannot be made.
    bool CreateStatic(HWND parent, int rows, int columns, const RECT& rect, UINT id = kFirstPaneId);
    // Makes the view of the pane, whose first size (its height in a 2-row splitter, else its
    // width) is size; the view stays the caller's. False when the view cannot be made.
    bool CreateView(int row, int column, CView& view, int size);

    int GetRowCount() const { return m_vertical ? 2 : 1; }
    int GetColumnCount() const { return m_vertical ? 1 : 2; }
    static UINT IdFromRowCol(int row, int column) { return kFirstPaneId + 16 * row + column; }
    // The pane's window; null for a pane without a view.
    HWND GetPane(int row, int column) const;
    // The first pane's size and the least size of either pane.
    int GetFirstPaneSize() const { return m_firstSize; }
    void SetFirstPaneSize(int size, int minimum = 0);
    // Places the panes and the bar in the splitter's client area.
    void RecalcLayout();
    // Gives the focus to the other pane than the one holding it (the first when neither does).
    void ActivateNext();

    bool PreTranslateMessage(MSG& message) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The bar's rectangle in client coordinates.
    RECT BarRect() const;
    // The client length along the split.
    int SplitLength() const;
    // The pane index (0 or 1) holding the window; -1 for none.
    int PaneHolding(HWND window) const;
    void OnMouse(UINT message, POINT point);

    bool m_vertical = false; // two rows
    int m_firstSize = 0;
    int m_minimum = 0;
    bool m_dragging = false;
    int m_dragOffset = 0;
};
