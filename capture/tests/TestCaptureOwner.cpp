#include "capture/tests/TestCaptureOwner.h"

#include "capture/selection/CHkVellLibrary.h"
#include "capture/selection/CScTitleTip.h"
#include "capture/selection/CScreenCaptureManagerBase.h"
#include "common/CEventLog.h"
#include "common/PathHelpers.h"
#include "framework/AppMessageBox.h"

namespace
{
const wchar_t kNoSelectionText[] = L"No selection has been made. Please select a screen capture option and try again.";
const DWORD kFailureEventId = 1;
const RECT kOutcomeRect = {3, 3, 260, 25};
} // namespace

const wchar_t* const TestCaptureOwner::kEventSource = L"Vellumor";

TestCaptureOwner::TestCaptureOwner(CHkVellLibrary* hooks) : m_hooks(hooks) {}

TestCaptureOwner::~TestCaptureOwner() = default;

void TestCaptureOwner::BeginCapture()
{
    if (!m_manager || !m_manager->IsSelectionDone())
    {
        AppMessageBox(kNoSelectionText, MB_OK | MB_ICONINFORMATION, GetSafeHwnd());
        return;
    }
    m_captureRunning = true;
    if (m_hooks)
        m_hooks->HkVellSetCapturing(true);
    m_manager->BeginSelection();
    SetRightButtonPoll(false);
}

// A repeat is shown and logged like any other capture.
void TestCaptureOwner::OnCaptureFinished(DestinationResult result, bool /*repeat*/, bool endSelection, bool showTip,
                                            bool logFailure)
{
    if (endSelection)
    {
        if (m_hooks)
        {
            m_hooks->HkVellSetCapturing(false);
            m_hooks->HkVellSetSelecting(false);
        }
        m_captureRunning = false;
        if (m_manager)
            m_manager->EndSelection(false);
        SetRightButtonPoll(true);
    }
    CString errorText;
    if (result == DR_FAILED && m_manager)
        m_manager->GetErrorText(errorText);
    if (showTip)
        ShowOutcome(result, errorText);
    if (result == DR_FAILED && logFailure)
        LogFailure(errorText);
}

void TestCaptureOwner::SetRightButtonPoll(bool on)
{
    m_pollOn = on;
    m_heldMs = 0;
    if (!GetSafeHwnd())
        return;
    if (on)
        SetTimer(GetSafeHwnd(), kPollTimerId, kPollPeriodMs, nullptr);
    else
        KillTimer(GetSafeHwnd(), kPollTimerId);
}

LRESULT TestCaptureOwner::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_HOOK_MOUSE)
    {
        if (m_manager)
            m_manager->OnHookMouseMessage(static_cast<UINT>(wParam), reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam));
        return 0;
    }
    if (message == WM_TIMER && wParam == kPollTimerId)
    {
        OnPollTimer();
        return 0;
    }
    return CCaptureOwnerWnd::WindowProc(message, wParam, lParam);
}

void TestCaptureOwner::OnPollTimer()
{
    if (!m_hooks || !m_manager || m_manager->IsCaptureInProgress())
        return;
    if (!m_hooks->HkVellIsRightButtonHeld())
    {
        m_heldMs = 0;
        return;
    }
    m_heldMs += kPollPeriodMs;
    if (m_manager->GetHoldTime() < m_heldMs)
        BeginCapture();
}

void TestCaptureOwner::ShowOutcome(DestinationResult result, const CString& errorText)
{
    if (result == DR_DONE)
        m_outcomeText = L"The screen capture is done.";
    else if (result == DR_NOTHING_DONE)
        m_outcomeText = L"The screen capture was cancelled.";
    else
        m_outcomeText = errorText;
    // The tip's window goes when its hide timer fires: make it again for each outcome.
    if (!m_tip)
        m_tip.reset(new CScTitleTip);
    if (!m_tip->GetSafeHwnd())
        m_tip->Create(this);
    m_tip->Show(kOutcomeRect, m_outcomeText);
}

void TestCaptureOwner::LogFailure(const CString& errorText)
{
    CEventLog log;
    log.Report(kEventSource, GetModulePath(), EVENTLOG_ERROR_TYPE, kFailureEventId, errorText);
}
