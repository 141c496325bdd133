#pragma once
// CJobRegistryRecordingManager: the job runner's manager of registry recording, a kind
// of job no job line selects yet. It holds the recording's state and its settings, stops
// itself when its step timer ends, and prepares the ".vrf" file; it records nothing, and
// its operations give fixed results.
#include "Info/InfoRegistryRecording.h"
#include "Info/InfoRegistryRollback.h"
#include "capture/timing/CWndTimer.h"
#include "capture/timing/ICaptureStepTarget.h"

class CJobRegistryRecordingManager : public ICaptureStepTarget
{
public:
    enum State
    {
        kStopped = 0,
        kPaused = 1,
        kRecording = 2,
    };

    CJobRegistryRecordingManager() = default;
    ~CJobRegistryRecordingManager() override { CloseTimer(); }
    CJobRegistryRecordingManager(const CJobRegistryRecordingManager&) = delete;
    CJobRegistryRecordingManager& operator=(const CJobRegistryRecordingManager&) = delete;

    InfoRegistryRecording& GetRecording() { return m_recording; }
    InfoRegistryRollback& GetRollback() { return m_rollback; }
    int GetState() const { return m_state; }

    bool IsRecording() const { return m_state == kRecording; }
    bool IsRecordingPaused() const { return m_state == kPaused; }
    bool IsRollingBack() const { return m_rollbackState == 1; }

    // Starts nothing: 2.
    int StartRecording() { return 2; }
    // Each sets the state and answers false.
    bool StopRecording();
    bool PauseRecording();
    bool ResumeRecording();
    // Ends a rollback: 1.
    int RollBack();

    // A new step timer that stops the recording after seconds (see CWndTimer::Start).
    void StartStopTimer(UINT seconds);
    void CloseTimer();
    const CWndTimer* GetTimer() const { return m_timer.get(); }

    // The recording's file in path: the record's, numbered when it exists and may not be
    // overwritten; its folder is created when missing. False with the reason in error
    // when the folder cannot be created.
    bool PrepareOutputFile(const InfoRegistryRecording& record, CString& path, CString& error);

    // The stop timer's end: stops a recording that runs or is paused.
    void StopStep() override;

private:
    InfoRegistryRecording m_recording;
    InfoRegistryRollback m_rollback;
    int m_state = kStopped;
    int m_rollbackState = 0;
    CWndTimerPtr m_timer;
};
