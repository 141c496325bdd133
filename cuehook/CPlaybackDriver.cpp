#include "cuehook/CPlaybackDriver.h"

namespace
{
// How often a paused playback looks whether it was resumed.
const UINT kPausePollMs = 50;
// The most events one turn of the message loop plays: a burst recorded at one instant
// goes out at once, and the loop still runs in between (the keys that stop a playback,
// and the windows being typed into, need it).
const int kMostEventsAtOnce = 64;
} // namespace

CPlaybackDriver* CPlaybackDriver::s_running = nullptr;

CPlaybackDriver::~CPlaybackDriver()
{
    Stop();
}

void CPlaybackDriver::Start(Dispatcher dispatch, PauseQuery isPaused, UINT graceMs)
{
    Stop();
    if (s_running)
        s_running->Stop();
    s_running = this;
    m_dispatch = dispatch;
    m_isPaused = isPaused;
    m_running = true;
    ++m_session;
    m_hasEvent = false;
    m_restart = true;
    m_due = GetTickCount() + graceMs;
    Schedule();
}

void CPlaybackDriver::Stop()
{
    if (m_timer)
        KillTimer(nullptr, m_timer);
    m_timer = 0;
    if (s_running == this)
        s_running = nullptr;
    m_running = false;
    ++m_session;
    m_injector.ReleaseHeld();
}

void CPlaybackDriver::OnSystemPlayback()
{
    if (m_running)
        Stop();
}

void CALLBACK CPlaybackDriver::OnTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    if (s_running && s_running->m_timer == id)
        s_running->Step();
    else
        KillTimer(nullptr, id); // a timer of a playback that has ended
}

// Plays every event that is due by now, then waits for the next one on the timer.
void CPlaybackDriver::Step()
{
    KillTimer(nullptr, m_timer);
    m_timer = 0;
    for (int played = 0; played < kMostEventsAtOnce; ++played)
    {
        if (m_isPaused && m_isPaused())
        {
            WaitForResume();
            return;
        }
        if (m_hasEvent && !InjectAndSkip())
            return;
        if (!FetchNext())
            return;
        if (static_cast<int>(m_due - GetTickCount()) > 0)
            break;
    }
    Schedule();
}

// The pending event stays pending; the clock starts again when it goes out.
void CPlaybackDriver::WaitForResume()
{
    m_restart = true;
    m_due = GetTickCount() + kPausePollMs;
    Schedule();
}

// Plays the pending event and asks for the next one; false when the playback has ended.
bool CPlaybackDriver::InjectAndSkip()
{
    if (m_restart && m_event.message)
    {
        // The first event after nothing to play sets the clock the later delays count from.
        m_due = GetTickCount();
        m_restart = false;
    }
    m_injector.Inject(m_event);
    m_hasEvent = false;
    const UINT session = m_session;
    const LRESULT skipped = m_dispatch(HC_SKIP, 0);
    if (session != m_session)
        return false;
    if (skipped == -1)
    {
        Stop();
        return false;
    }
    return true;
}

// Takes the next event and its due time; false when the playback has ended meanwhile.
bool CPlaybackDriver::FetchNext()
{
    EVENTMSG next{};
    const UINT session = m_session;
    const LRESULT delay = m_dispatch(HC_GETNEXT, reinterpret_cast<LPARAM>(&next));
    if (session != m_session)
        return false;
    m_event = next;
    m_hasEvent = true;
    if (!m_event.message)
        m_restart = true; // the zeroed event of a new pass, or a paused playback
    if (delay > 0)
        m_due += static_cast<DWORD>(delay);
    return true;
}

void CPlaybackDriver::Schedule()
{
    const int wait = static_cast<int>(m_due - GetTickCount());
    m_timer = SetTimer(nullptr, 0, wait > 0 ? static_cast<UINT>(wait) : 0, OnTimer);
}
