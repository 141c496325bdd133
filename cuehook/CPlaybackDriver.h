#pragma once
// CPlaybackDriver: plays the training where the system does not call the journal-playback
// hook (Wine never does; current Windows refuses the hook). It walks the same protocol
// the system would, on a timer of the thread that installed the player:
//   HC_GETNEXT -> the event and the delay before it; wait the delay; inject the event
//   (CInputInjector); HC_SKIP -> move on; again.
// Each timer tick plays every event that is due by then (a bounded number), so events
// recorded at one instant go out together rather than one tick apart. Delays are counted
// from the first event played (of the playback, of a pass, after a pause), so waiting for
// the timer does not add up over a playback.
//
// The dispatcher may end the playback from inside a call (the training manager stops on
// the end of its events); the driver notices and does nothing more. When HC_SKIP itself
// reports the end (-1) the driver stops. When the system turns out to call the hook
// after all, the driver stands down. Whenever it stops, and when the playback is stopped
// while the hook stays, the keys and buttons it pressed are released.
//
// While the playback is paused the driver asks nothing and plays nothing: the event it
// waits for stays pending and goes out once when the playback resumes, and the delays
// count afresh from it.
#include "cuehook/CInputInjector.h"
#include <windows.h>

class CPlaybackDriver
{
public:
    // The player's dispatcher: the code and the EVENTMSG pointer of a journal call.
    using Dispatcher = LRESULT (*)(int code, LPARAM event);
    // True while the playback is paused.
    using PauseQuery = bool (*)();

    CPlaybackDriver() = default;
    ~CPlaybackDriver();
    CPlaybackDriver(const CPlaybackDriver&) = delete;
    CPlaybackDriver& operator=(const CPlaybackDriver&) = delete;

    // Starts driving on the calling thread after graceMs (time for the system to show
    // that it calls the hook itself); one driver runs per process at a time.
    void Start(Dispatcher dispatch, PauseQuery isPaused, UINT graceMs);
    void Stop();
    // The playback stopped while the hook stays: releases what the driver holds pressed.
    void ReleaseHeldInput() { m_injector.ReleaseHeld(); }
    bool IsRunning() const { return m_running; }
    // The system has called the playback hook itself.
    void OnSystemPlayback();

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD);
    void Step();
    void WaitForResume();
    bool InjectAndSkip();
    bool FetchNext();
    void Schedule();

    static CPlaybackDriver* s_running;
    Dispatcher m_dispatch = nullptr;
    PauseQuery m_isPaused = nullptr;
    CInputInjector m_injector;
    bool m_running = false;
    UINT m_session = 0; // changes whenever the playback starts or stops
    UINT_PTR m_timer = 0;
    EVENTMSG m_event{};
    bool m_hasEvent = false;
    DWORD m_due = 0;        // tick count at which m_event goes out
    bool m_restart = false; // the schedule starts again with the next event that plays
};
