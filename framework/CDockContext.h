#pragma once
// CDockContext: moves a bar by dragging. A press on the bar's gripper (or on its floating
// frame's caption) starts a drag: the bar takes the mouse, a tracking rectangle follows
// it, and the release docks the bar into the dock bar under the pointer (one whose side
// the bar may dock to) or floats it in a mini frame there. Ctrl held while releasing
// never docks; Escape or a lost capture cancels. A double click toggles between the
// last docked place and the last floating place.
#include <windows.h>

class CControlBar;
class CDockBar;

class CDockContext
{
public:
    explicit CDockContext(CControlBar& bar) : m_bar(bar) {}
    virtual ~CDockContext();

    virtual void StartDrag(POINT screen);
    void Move(POINT screen);
    void EndDrag(POINT screen);
    void CancelDrag();
    bool IsDragging() const { return m_bDragging; }
    virtual void ToggleDocking();
    // A press (drag) or double click (toggle) on a caption, from the window that shows
    // it; true when the message was one of them.
    bool OnCaptionMessage(UINT message, WPARAM hitCode, LPARAM screenPoint);

    // The dock bar a drop at the point would dock into; null: it would float.
    CDockBar* DockBarAt(POINT screen) const;

    UINT m_uMRUDockID = 0;         // the dock bar the bar was last docked in
    POINT m_ptMRUFloatPos = {0, 0}; // where it last floated (screen)
    bool m_bHasFloated = false;

protected:
    // The rectangles (screen) the bar would take docked in a row, docked in a column and
    // floating (its mini frame's window), with their top-left corners at the bar's own.
    virtual void InitRects();
    // Moves r along so that it holds the point (when it did not already).
    static void MoveToHold(RECT& r, POINT point);

    CControlBar& m_bar;
    RECT m_rectDragHorz = {};
    RECT m_rectDragVert = {};
    RECT m_rectFrameDragHorz = {};
    POINT m_ptLast = {};
    POINT m_ptStart = {};
    bool m_bDragging = false;

private:
    // The outline the drop would give, in screen coordinates.
    RECT TrackRect(POINT screen) const;
    void DrawTracker(const RECT& r);
    void EraseTracker();

    RECT m_rectTracked = {};
    bool m_bTrackerShown = false;
};
