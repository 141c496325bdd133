#pragma once
// TestCaptureOwner: the owner of screen captures in the manager tests: a hidden
// window that takes the part of the main window for a capture manager. It forwards the watch's mouse events
// (WM_HOOK_MOUSE) to the manager, begins interactive selections, ends them when
// the manager reports how a capture finished, shows that outcome in a tip, writes
// failures to the event log, and polls the right button (every 200 ms) to begin a
// capture when it is held longer than the manager's hold time.
#include "capture/selection/CCaptureOwnerWnd.h"
#include "capture/selection/ICaptureOwner.h"

#include <memory>

class CScreenCaptureManagerBase;
class CScTitleTip;

class TestCaptureOwner : public CCaptureOwnerWnd, public ICaptureOwner
{
public:
    // The right-button poll's timer and period.
    static const UINT_PTR kPollTimerId = 5903;
    static const UINT kPollPeriodMs = 200;

    // hooks: the watch the captures switch (may be null).
    explicit TestCaptureOwner(CHkVellLibrary* hooks);
    ~TestCaptureOwner() override;

    void SetManager(CScreenCaptureManagerBase* manager) { m_manager = manager; }

    void BeginCapture() override;
    void OnCaptureFinished(DestinationResult result, bool repeat, bool endSelection, bool showTip,
                           bool logFailure) override;
    void SetRightButtonPoll(bool on) override;
    CHkVellLibrary* GetHookLibrary() override { return m_hooks; }
    HWND GetOwnerWindow() override { return GetSafeHwnd(); }

    bool IsCaptureRunning() const { return m_captureRunning; }
    bool IsRightButtonPollOn() const { return m_pollOn; }
    // The text of the last outcome shown; empty when none was.
    const CString& GetOutcomeText() const { return m_outcomeText; }

    // The event-log source of failed captures.
    static const wchar_t* const kEventSource;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnPollTimer();
    void ShowOutcome(DestinationResult result, const CString& errorText);
    void LogFailure(const CString& errorText);

    CHkVellLibrary* m_hooks;
    CScreenCaptureManagerBase* m_manager = nullptr;
    std::unique_ptr<CScTitleTip> m_tip;
    CString m_outcomeText;
    bool m_captureRunning = false;
    bool m_pollOn = false;
    int m_heldMs = 0;
};
