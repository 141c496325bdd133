#pragma once
// CWndTransparentScSelection: a full-screen popup on which the user marks a selection
// shape with the mouse: free hand (drag), polygon (clicks, ended by a double click),
// rectangle or ellipse (rubber band). When the shape is done it writes the points into an
// edit field as "x,y,x,y,...", restores or shows the windows it was asked to, and
// destroys its window; the right button ends it at any time. The window never paints, so
// the screen beneath stays visible under the red lines drawn on it. The caller owns the
// object.
#include "Info/InfoEnums.h"
#include "framework/CArray.h"
#include "framework/CRectTracker.h"
#include "framework/CWnd.h"

class CWndTransparentScSelection : public CWnd
{
public:
    explicit CWndTransparentScSelection(EnumScreenCaptureType selectionType);

    // Covers the desktop (one pixel beyond each side), shows the window with the selection
    // cursor and takes the mouse. At the end, windowToRestore gets SW_RESTORE when
    // restore is set, windowToShow gets SW_SHOW when show is set, and editField receives
    // the point text. Any window may be null.
    bool Create(HWND windowToRestore, HWND windowToShow, HWND editField, bool restore, bool show);

    // The shape so far, in client coordinates (which are screen coordinates).
    const CArray<POINT>& GetPoints() const { return m_points; }
    // The points as "x,y,x,y,...".
    CString GetPointText() const;

    // The cursor of the window, from the program's resources.
    static const UINT kSelectionCursor = 159;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnLButtonDown(POINT point);
    void OnMouseMove(POINT point);
    // Ends the shape when accepted; otherwise the window stays.
    void End(bool accepted);
    void AddPolygonPoint(POINT point);
    void TrackRectangle(POINT point);
    void DrawLine(POINT from, POINT to);
    bool UsesTracker() const;

    CArray<POINT> m_points;
    EnumScreenCaptureType m_selectionType;
    bool m_dragging = false;
    DWORD m_lastClickTime = 0;
    HWND m_editField = nullptr;
    HWND m_windowToRestore = nullptr;
    HWND m_windowToShow = nullptr;
    CRectTracker m_tracker;
    bool m_restore = false;
    bool m_show = false;
};
