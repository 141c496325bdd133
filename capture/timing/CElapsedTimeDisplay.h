#pragma once
// CElapsedTimeDisplay: counts the elapsed time of a running recording or playback on a
// one-second timer of the owner window and writes it as "h : mm : ss" into the time field
// of the Time/Action page. With a total (the length of what plays) the count ends once
// the elapsed time reaches it: the display goes back to 0 : 00 : 00 and counts on
// without a total.
#include "framework/CString.h"
#include "framework/CWnd.h"

class CElapsedTimeDisplay
{
public:
    CElapsedTimeDisplay() = default;

    // Starts counting from 0 for total seconds (-1: no end) and sets the timer on owner
    // (may be null). False, and nothing changes, for a total of 0 or below other than -1.
    bool Start(CWnd* owner, int total);
    void Pause();
    void Resume();
    // Kills the timer and shows 0 with no total.
    void Stop();
    // Shows both windows and writes the time into timeWindow (the count when running,
    // else zero) when both are windows.
    void AttachWindows(HWND labelWindow, HWND timeWindow, bool running);
    // One second of the count for the display's timer; other timers are ignored.
    void OnTimer(UINT_PTR id);

    // The elapsed time as "%d : %.2d : %.2d" (hours, minutes, seconds).
    CString Format() const;
    bool IsRunning() const { return m_running; }
    int GetTotal() const { return m_total; }
    DWORD GetElapsedSeconds() const { return m_elapsed; }

    static const UINT_PTR kTimerId = 1996;

private:
    void Refresh();

    bool m_running = false;
    DWORD m_elapsed = 0; // seconds; hours and minutes are derived from it
    int m_total = -1;
    CWnd* m_owner = nullptr;
    HWND m_labelWindow = nullptr;
    HWND m_timeWindow = nullptr;
};
