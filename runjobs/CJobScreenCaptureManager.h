#pragma once
// CJobScreenCaptureManager: the screen-capture manager of an unattended job. It holds
// the destination set with the records and settings the job's command line gave it,
// and the selection the job captures. A start never shows a dialog: a destination
// whose record asks for one refuses the start. A timed start arms a job timer window
// that captures the selection every "frequency" seconds and ends the job (posts the
// quit message) when the duration has passed.
//
// All calls come on the job's main thread.
#include "Info/InfoScSettings.h"
#include "capture/destinations/CImageBase.h"
#include "capture/timing/CWndTimer.h"
#include "capture/timing/ICaptureStepTarget.h"
#include "framework/CArray.h"

#include <memory>

class CImageDestinations;

class CJobScreenCaptureManager : public ICaptureStepTarget
{
public:
    // Makes the destination set (its records start from the registry's).
    CJobScreenCaptureManager();
    // Takes a destination set made elsewhere (tests give one with their own libraries).
    explicit CJobScreenCaptureManager(std::unique_ptr<CImageDestinations> destinations);
    CJobScreenCaptureManager(const CJobScreenCaptureManager&) = delete;
    CJobScreenCaptureManager& operator=(const CJobScreenCaptureManager&) = delete;
    ~CJobScreenCaptureManager() override;

    // The record the destination of the type holds (SP_SC_FILE to SP_SC_WEB); null for
    // any other type.
    SendParam* GetRecord(EnumSendParam type);
    // Gives the destination of the record's type a copy of the whole record; a record
    // of any other type does nothing.
    void SetRecord(const SendParam& record);
    // The live settings: the selection type and the destinations that run.
    InfoScSettings& GetSettings();
    // Replaces the live settings (in memory only).
    void SetSettings(const InfoScSettings& settings);

    // The selection every capture of the job takes: points (free hand, polygon,
    // rectangle, ellipse) or the title of the window (window type).
    void SetSelection(const CArray<POINT>& points, EnumScreenCaptureType type, const CString& text);
    void SetCaptureCursor(bool captureCursor) { m_captureCursor = captureCursor; }

    // Starts the job's capture: DR_DONE when started, DR_FAILED when no destination is
    // chosen or one asks for a dialog (the error text says why), or when the one
    // capture of a job that takes only one failed (TakeCaptureFailure says how). With a
    // duration of 1 second or more a timed capture runs; below, nothing is captured.
    DestinationResult Start();
    // The event text ("Task  Screen  ...") of the failed one capture of the last
    // Start, read once; empty when there was none.
    CString TakeCaptureFailure();
    // Ends a timed capture: the timer window closes.
    bool Stop();
    bool Pause();
    bool Resume();

    bool IsCaptureInProgress() const { return m_busy; }
    bool IsCapturePaused() const { return m_paused; }
    // The duration of the first destination the settings enable (in the destination
    // set's order); 0 when none.
    int GetDuration();
    // The destination set's error text; "Unknown error." when there is none.
    CString GetErrorText();

    // The timer window of the running timed capture; null when none runs.
    CWndTimer* GetTimer() const { return m_timer.get(); }

    // The timer window's end of the duration: stops a running capture and ends the
    // job's message loop.
    void StopStep() override;

private:
    std::unique_ptr<CImageDestinations> m_destinations;
    CWndTimerPtr m_timer;
    bool m_busy = false;
    bool m_paused = false;
    CString m_errorText;
    CString m_captureFailure;
    bool m_captureCursor = false;
    CArray<POINT> m_points;
    EnumScreenCaptureType m_selectionType = SCT_RECTANGLE;
    CString m_selectionText;
};
