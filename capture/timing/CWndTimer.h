#pragma once
// CWndTimer: a hidden window that times one running capture step. It ends the step
// after its duration (timer 1963, through the step target), counts elapsed seconds
// (timer 1964) so that a pause can be taken off the remaining time, and repeats the
// capture of a stored selection every "frequency" seconds, duration / frequency times
// in all: into the movie destination (timer 1965) or the destination set (timer 1966). A failed repeat is written to the
// event log and sent to the owner window as WM_OUTPUT_TEXT; the timer goes on.
//
// The object must not be deleted with `delete` from inside its own timer handler (the
// step target's StopStep): Delete defers that to the next turn of the message loop.
// All calls come on the thread of the user interface.
#include "Info/InfoEnums.h"
#include "capture/destinations/CImageBase.h"
#include "capture/timing/ICaptureStepTarget.h"
#include "framework/CArray.h"
#include "framework/CWnd.h"

#include <memory>

class CImageDestinations;

class CWndTimer : public CWnd
{
public:
    // Timer ids on the hidden window.
    static const UINT_PTR kStopTimerId = 1963;
    static const UINT_PTR kTickTimerId = 1964;
    static const UINT_PTR kMovieTimerId = 1965;
    static const UINT_PTR kScreenTimerId = 1966;

    // Registers the window's class under a name no class of the module has yet;
    // throws CResourceException when the class cannot be registered.
    explicit CWndTimer(ICaptureStepTarget* target = nullptr);
    ~CWndTimer() override;

    // Arms the end of the step after duration seconds (2 s for a duration of 0 or 1)
    // and the one-second tick; the counters start again.
    void Start(UINT duration);
    // Stores a repeated capture of the selection into the destination set and arms
    // it every frequency seconds (no repeat for a frequency of 0 or no set).
    void SetScreenCapture(CImageDestinations* destinations, UINT frequency, const CArray<POINT>& points,
                          EnumScreenCaptureType selectionType, const CString& selectionText, HWND owner,
                          bool captureCursor);
    // The same for the frames of the movie destination.
    void SetMovieCapture(CImageBase* movieDestination, UINT frequency, const CArray<POINT>& points,
                         EnumScreenCaptureType selectionType, const CString& selectionText, HWND owner,
                         bool captureCursor);
    // Captures the stored selection once, now, into the movie destination or the
    // destination set (whichever was set up); a failure is reported as a repeat's is.
    // A job whose frequency is 0 or not below its duration captures only this once.
    void CaptureNow();
    // The same for an unattended job, which reports a failure itself: nothing is
    // reported here, and a failure's event text ("Task  Screen  ...") goes to failure.
    DestinationResult CaptureNow(CString& failure);
    // True when a capture every frequency seconds for duration seconds would take at
    // most the one capture made at the start.
    static bool IsSingleCapture(UINT duration, UINT frequency) { return frequency == 0 || frequency >= duration; }

    // Ends every timer and destroys the window; the counters and the frequency go to 0.
    void Stop();
    // Ends every timer and takes the elapsed seconds off the remaining time.
    void Pause();
    // Arms the end of the step after the remaining time, the tick and the repeats.
    void Resume();

    UINT GetRemaining() const { return m_remaining; }
    UINT GetElapsed() const { return m_elapsed; }
    UINT GetFrequency() const { return m_frequency; }
    // The window class name this object registered.
    const CString& GetWndClassName() const { return m_className; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool EnsureWindow();
    void StoreSelection(UINT frequency, const CArray<POINT>& points, EnumScreenCaptureType selectionType,
                        const CString& selectionText, HWND owner, bool captureCursor);
    void ArmRepeats();
    void KillAllTimers();
    void OnTimer(UINT_PTR id);
    void OnStopTimer();
    // A repeat's capture, counted against the captures the duration holds.
    void CaptureRepeat(UINT_PTR id);
    void CaptureAndReport(UINT_PTR id);
    // The repeat timer of the destination that was set up (the set first), or 0.
    UINT_PTR RepeatTimerId() const;
    static CString FailureMessage(UINT_PTR id, const CString& errorText);
    // Captures the selection once; the error text of a failure in errorText.
    DestinationResult CaptureSelection(UINT_PTR id, CString& errorText);
    DestinationResult CaptureWindow(UINT_PTR id, HWND window);
    DestinationResult CaptureRect(UINT_PTR id, const RECT& rect);
    DestinationResult CaptureRegion(UINT_PTR id, HRGN region);
    HWND FindSelectedWindow() const;
    HRGN CreateSelectionRegion() const;
    CString ErrorTextOf(UINT_PTR id) const;
    void ReportFailure(UINT_PTR id, const CString& errorText);

    UINT_PTR m_stopTimerId = 0;
    UINT m_remaining = 0;
    UINT m_elapsed = 0;
    CImageBase* m_movieDestination = nullptr;
    CImageDestinations* m_destinations = nullptr;
    CArray<POINT> m_points;
    CString m_selectionText;
    EnumScreenCaptureType m_selectionType = SCT_RECTANGLE;
    HWND m_owner = nullptr;
    UINT m_frequency = 0;
    // Repeats taken since the start. Once started, no more are taken than the duration
    // holds, and the stop takes those still due.
    UINT CapturesDue() const { return m_frequency ? m_duration / m_frequency : 0; }
    UINT m_duration = 0;
    UINT m_captures = 0;
    bool m_timed = false;
    bool m_windowCreated = false;
    bool m_captureCursor = false;

    ICaptureStepTarget* m_target;
    CString m_className;
};

// The owner of a timer window: the timer may be let go of from inside its own handler.
using CWndTimerPtr = CWndPtr<CWndTimer>;
