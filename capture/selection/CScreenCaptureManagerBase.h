#pragma once
// CScreenCaptureManagerBase: the base of the managers that capture the screen. It
// runs the interactive selection: the system cursors are replaced, the display is
// frozen in a snapshot, the mouse events that the owner forwards from the watch
// (WM_HOOK_MOUSE) build a free-hand shape, a polygon, a rectangle, an ellipse or
// pick a window, and the feedback is drawn straight onto the display. A complete
// shape goes to the derived manager's capture operations; the owner then hears how
// the capture ended (ICaptureOwner::OnCaptureFinished).
//
// Selection types: 0 free hand, 1 polygon, 2 rectangle, 3 ellipse, 4 window under
// the cursor, 5 active window, 6 desktop. User-interface thread only.
#include "Info/SendParam.h"
#include "capture/destinations/CImageBase.h"
#include "capture/selection/ICaptureOwner.h"
#include "capture/selection/SelectionCursorSet.h"
#include "common/CMemoryDC.h"

#include <memory>
#include <vector>

class CScTitleTip;
class CWndTransparent;

class CScreenCaptureManagerBase
{
public:
    CScreenCaptureManagerBase();
    CScreenCaptureManagerBase(const CScreenCaptureManagerBase&) = delete;
    CScreenCaptureManagerBase& operator=(const CScreenCaptureManagerBase&) = delete;
    // Ends a selection still running: the cursors, the application bars and the
    // hovered window are given back.
    virtual ~CScreenCaptureManagerBase();

    virtual int GetSelectionType() = 0;
    virtual bool GetShowSize() = 0;
    virtual bool IsCaptureInProgress() = 0;
    virtual bool IsSelectionDone() = 0;
    virtual bool GetCaptureCursor() = 0;
    virtual bool WasLastCaptureSuccessful() = 0;
    virtual void LoadSettingsFromRegistry() = 0;
    virtual int GetHoldTime() = 0;
    virtual void GetErrorText(CString& text) = 0;
    virtual SendParam* GetRecord(EnumSendParam type) = 0;
    virtual void SetRecord(const SendParam* record, EnumSendParam type, unsigned int part) = 0;
    virtual DestinationResult RepeatLastCapture() = 0;
    virtual DestinationResult CaptureWindow(HWND window) = 0;
    // The region of a polygon, a free-hand shape or an ellipse.
    virtual DestinationResult CapturePolygon(HRGN region) = 0;
    virtual DestinationResult CaptureByRectangle(int left, int top, int right, int bottom) = 0;
    virtual bool IsCursorCaptured() { return GetCaptureCursor(); }

    void SetOwner(ICaptureOwner* owner) { m_owner = owner; }
    // The system cursors the selection replaces (the Windows API unless set).
    void SetSystemCursors(ISystemCursors& cursors) { m_cursorSet.SetCursors(cursors); }

    void BeginSelection();
    void EndSelection(bool alreadyErased);
    bool IsSelectionActive() const { return m_selectionActive; }
    // One event of the watch: message is the mouse message, data the low-level
    // event (screen point, time of the input, extra info 0 for real input).
    void OnHookMouseMessage(UINT message, const MSLLHOOKSTRUCT* data);

    void OnRepeatLastCapture();
    void CaptureForegroundWindow();
    void CaptureDesktopWindow();

    // The last finished selection: the points of a polygon or free-hand shape, two
    // corners of a rectangle, ellipse or window.
    void CopyLastSelection(std::vector<POINT>& points) const;
    // The size label of the running selection; null when none is shown.
    const CScTitleTip* GetTitleTip() const { return m_titleTip.get(); }

protected:
    // Runs the destinations on what a finished selection has just captured.
    virtual DestinationResult ProcessSelection() { return RepeatLastCapture(); }
    // A selection has just begun.
    virtual void OnSelectionBegun() {}
    // The window under the cursor, the active window or the desktop.
    static bool IsWindowType(int type) { return type >= SCT_WINDOW && type <= SCT_DESKTOP; }
    // The owner's watch sends the mouse events and notifications to the owner's window
    // again, or stops (while a dialog of the manager is up or a capture is paused).
    void StartWatching();
    void StopWatching();
    // The owner's window; null without an owner.
    HWND OwnerWindow() const;

    ICaptureOwner* m_owner = nullptr;
    SelectionCursorSet m_cursorSet;

private:
    void OnMouseMove(int x, int y);
    // time: when the button went down (the tick count of the input).
    void OnLButtonDown(int x, int y, DWORD time);
    void OnLButtonUp(int x, int y);
    void PolygonClick(int x, int y, DWORD time);
    void WindowStep(UINT message, POINT point);
    void PrepareWindowSelection();
    void StartShape();
    void Cancel();
    // How a capture ended besides its result: the flags ICaptureOwner::OnCaptureFinished takes.
    struct Ending
    {
        bool repeat;
        bool endSelection;
        bool showTip;
        bool logFailure;
    };
    // A repeat of the last selection (also a direct capture), shown and logged.
    static constexpr Ending kRepeated{true, false, true, true};
    // The selection was cancelled: shown, nothing to log.
    static constexpr Ending kCancelled{false, true, true, false};
    // The selection ended without a picture: shown and logged.
    static constexpr Ending kSelectionFailed{false, true, true, true};
    // The selection ended with its picture taken; the processing is reported next.
    static constexpr Ending kSelectionTaken{false, true, false, false};
    // The destinations processed the selection's picture: shown and logged.
    static constexpr Ending kProcessed{false, false, true, true};
    void Finish(DestinationResult result, const Ending& ending);

    void CaptureRectangle(const RECT& rect);
    void CaptureRegion(HRGN region);
    void CaptureSelectedWindow(HWND window);
    void CaptureDirect(HWND window);
    void AfterCapture(DestinationResult result);

    void TakeSnapshot();
    void DrawOutline(const std::vector<POINT>& points);
    void DrawRectangleFeedback(const RECT& rect);
    void DrawEllipseFeedback(const RECT& rect);
    void Erase();
    RECT SelectionBounds() const;
    void CopyFromSnapshot(const RECT& rect, bool dimmed);
    void CopyRegion(HRGN region, bool dimmed);
    void SetSelecting(bool selecting);
    void DisableAppBars();
    void EnableAppBars();
    void ReleaseHovered();
    void ClearState();
    void CreateTitleTip();
    // Takes the overlay and the label off the display and waits until the display no
    // longer shows the label.
    void HideTitleTip();
    void RefreshTitleTip();

    std::unique_ptr<CScTitleTip> m_titleTip;
    std::vector<POINT> m_points;
    std::vector<POINT> m_lastSelection;
    RECT m_rect = {};
    POINT m_anchor = {};
    HWND m_hovered = nullptr;
    bool m_hoveredDisabled = false;
    RECT m_drawnRect = {};
    bool m_dragging = false;
    // The shape is complete and its capture runs: the watch's events are ignored.
    bool m_grabbing = false;
    DWORD m_lastClickTime = 0;
    bool m_selectionActive = false;
    bool m_hasSnapshot = false;
    CMemoryDC m_snapshot;
    std::vector<HWND> m_disabledAppBars;
    std::unique_ptr<CWndTransparent> m_overlay;
};
