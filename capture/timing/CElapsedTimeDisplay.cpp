#include "capture/timing/CElapsedTimeDisplay.h"

namespace
{
const UINT kTimerPeriodMs = 1000;
}

bool CElapsedTimeDisplay::Start(CWnd* owner, int total)
{
    if (total != -1 && total < 1)
        return false;
    m_owner = owner;
    m_total = total;
    m_running = true;
    m_elapsed = 0;
    if (m_owner)
        SetTimer(*m_owner, kTimerId, kTimerPeriodMs, nullptr);
    return true;
}

void CElapsedTimeDisplay::Pause()
{
    if (m_owner)
        KillTimer(*m_owner, kTimerId);
}

void CElapsedTimeDisplay::Resume()
{
    if (m_owner)
        SetTimer(*m_owner, kTimerId, kTimerPeriodMs, nullptr);
}

void CElapsedTimeDisplay::Stop()
{
    Pause();
    m_elapsed = 0;
    m_total = -1;
    Refresh();
    m_running = false;
}

void CElapsedTimeDisplay::AttachWindows(HWND labelWindow, HWND timeWindow, bool running)
{
    m_labelWindow = labelWindow;
    m_timeWindow = timeWindow;
    if (!IsWindow(labelWindow) || !IsWindow(timeWindow))
        return;
    ShowWindow(labelWindow, SW_SHOW);
    ShowWindow(timeWindow, SW_SHOW);
    SetWindowTextW(timeWindow, running ? Format() : CString(L"0 : 00 : 00"));
}

void CElapsedTimeDisplay::OnTimer(UINT_PTR id)
{
    if (id != kTimerId)
        return;
    // The count goes on whether or not a time field shows it.
    if (m_total != -1 && m_elapsed >= static_cast<DWORD>(m_total))
    {
        m_elapsed = 0;
        m_total = -1;
    }
    else
        ++m_elapsed;
    Refresh();
}

CString CElapsedTimeDisplay::Format() const
{
    CString text;
    text.Format(L"%d : %.2d : %.2d", static_cast<int>(m_elapsed / 3600), static_cast<int>(m_elapsed / 60 % 60),
                static_cast<int>(m_elapsed % 60));
    return text;
}

void CElapsedTimeDisplay::Refresh()
{
    if (m_running && IsWindow(m_timeWindow) && IsWindowVisible(m_timeWindow))
        SetWindowTextW(m_timeWindow, Format());
}
