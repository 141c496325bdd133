#pragma once
// CScreenCaptureManager: the screen-capture manager, a CScreenCaptureManagerBase
// over the destination set. Start copies the records of the destinations the
// settings enable, lets the user edit those whose show-dialog flag is on (once per
// capture), gives them to the destinations as run records, and then arms a step
// timer that captures every "frequency" seconds for "duration" seconds, asks the
// owner to start an interactive selection, or, on a repeat, runs every enabled
// destination again on the image captured last. An interactive selection runs the
// destinations with the records its start gave them; the user is not asked twice. A
// selection begun otherwise (the right-button hold) takes the current records, and the
// show-dialog step, once it has captured; one made by hand during a timed capture runs
// with the timed capture's records.
//
// User-interface thread only.
#include "Info/InfoScSettings.h"
#include "capture/selection/CScreenCaptureManagerBase.h"
#include "capture/timing/CWndTimer.h"
#include "capture/destinations/DestinationTable.h"
#include "capture/selection/ICaptureDialogs.h"
#include "capture/timing/ICaptureStepTarget.h"

#include <memory>

class CImageDestinations;

class CScreenCaptureManager : public CScreenCaptureManagerBase, public ICaptureStepTarget
{
public:
    // Takes the destination set (which has loaded its records); dialogs answers the
    // properties and selection-type dialogs.
    CScreenCaptureManager(std::unique_ptr<CImageDestinations> destinations, ICaptureDialogs& dialogs);
    ~CScreenCaptureManager() override;

    int GetSelectionType() override;
    bool GetShowSize() override;
    bool IsCaptureInProgress() override;
    bool IsSelectionDone() override;
    bool GetCaptureCursor() override;
    bool WasLastCaptureSuccessful() override;
    void LoadSettingsFromRegistry() override;
    int GetHoldTime() override;
    // "Unknown error." unless the start or the destination set has a text.
    void GetErrorText(CString& text) override;
    SendParam* GetRecord(EnumSendParam type) override;
    void SetRecord(const SendParam* record, EnumSendParam type, unsigned int part) override;
    // DR_DONE while a timed capture runs; else Start (true).
    DestinationResult RepeatLastCapture() override;
    DestinationResult CaptureWindow(HWND window) override;
    DestinationResult CapturePolygon(HRGN region) override;
    DestinationResult CaptureByRectangle(int left, int top, int right, int bottom) override;

    InfoScSettings* GetSettings();
    void SetSettings(const InfoScSettings& settings);
    HBITMAP GetLastImage(const InfoScSettings& settings);
    int GetDuration();
    bool IsCapturing() const { return m_capturing; }
    bool IsCapturePaused() const { return m_paused; }

    DestinationResult Start(bool repeat);
    bool Stop();
    bool Pause();
    bool Resume();

    // The step timer's end: the timed capture stops.
    void StopStep() override;
    // The object whose StopStep ends a timed capture instead of the manager's own
    // (the program's controller, which stops the current type's recording).
    void SetStepTarget(ICaptureStepTarget* target) { m_stepTarget = target; }

    CWndTimer* GetTimer() const { return m_timer.get(); }

protected:
    DestinationResult ProcessSelection() override;
    void OnSelectionBegun() override;

private:
    // Copies the records of the enabled destinations, lets the user edit those whose
    // show-dialog flag is on (when ask), and gives them to the destinations as run
    // records; the largest duration and the smallest frequency over them come back.
    DestinationResult UseCurrentRecords(bool ask, DestinationTiming& timing);
    // The timed-selection dialog: DR_DONE to go on, DR_NOTHING_DONE when cancelled.
    DestinationResult ChooseTimedSelection(int duration, int frequency, bool repeat);
    void StartTimer(int duration, int frequency);

    std::unique_ptr<CImageDestinations> m_destinations;
    ICaptureDialogs& m_dialogs;
    CWndTimerPtr m_timer;
    ICaptureStepTarget* m_stepTarget = nullptr;
    bool m_capturing = false;
    bool m_paused = false;
    // Start is beginning a selection / the running selection has its run records.
    bool m_startingSelection = false;
    bool m_selectionHasRecords = false;
    CString m_startError;
    std::vector<POINT> m_timedPoints;
    EnumScreenCaptureType m_timedType = SCT_RECTANGLE;
    CString m_timedText;
    // The timed-selection dialog's "Use Selection" chose the timed selection.
    bool m_timedChosen = false;
};
