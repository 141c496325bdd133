#pragma once
// CVideoManager: the manager of video capture. It keeps the live recording and playing
// records, checks a recording's output path and devices or a playing's file before it
// starts, and owns the windows that do the work: one video recorder and one video
// player (CWndVideoPlayer), each closed before the next of its kind opens. A step timer
// ends a recording or a playing after the record's duration.
//
// Records whose show-dialog switch is on are edited in the properties dialog before a
// start (the live records stay as they are); without dialogs (an unattended job) such a
// start starts nothing. Without an owner window the player is closed by every stop.
//
// Recorders come from the factory given at construction; without one a recording start
// fails with a text that says so.
//
// User-interface thread only.
#include "Info/InfoVideoPlaying.h"
#include "Info/InfoVideoRecording.h"
#include "capture/destinations/CImageBase.h"
#include "capture/selection/ICaptureDialogs.h"
#include "capture/timing/CWndTimer.h"
#include "capture/timing/ICaptureStepTarget.h"
#include "capture/video/CWndVideoPlayer.h"
#include "capture/video/IVideoRecorder.h"

class CVideoManager : public ICaptureStepTarget
{
public:
    // dialogs may be null (no dialog is ever shown); stepTarget is what the step timer
    // stops when a duration has passed, null for this manager's own running side.
    explicit CVideoManager(ICaptureDialogs* dialogs, VideoRecorderFactory recorders = nullptr,
                           ICaptureStepTarget* stepTarget = nullptr);
    ~CVideoManager() override;
    CVideoManager(const CVideoManager&) = delete;
    CVideoManager& operator=(const CVideoManager&) = delete;

    InfoVideoRecording& GetRecording() { return m_recording; }
    InfoVideoPlaying& GetPlaying() { return m_playing; }
    // The window told of the recorder's and the player's steps; null for none.
    void SetOwner(HWND owner) { m_owner = owner; }

    bool IsRecording() const;
    bool IsRecordingPaused() const;
    bool IsPlaying() const;
    bool IsPlayingPaused() const;

    // DR_DONE started, DR_NOTHING_DONE the dialog was cancelled (or was asked for
    // without dialogs), DR_FAILED with the error text.
    DestinationResult StartRecording();
    bool StopRecording();
    bool PauseRecording();
    bool ResumeRecording();

    DestinationResult StartPlaying();
    // Stops the player; without an owner it is closed too.
    bool StopPlaying();
    bool PausePlaying();
    bool ResumePlaying();

    // The reason of the last failure of the recording or playing side: a check's text
    // (once), else the window's, else "Unknown error.".
    CString GetErrorText(bool recording);

    // Stops and deletes the recorder (true) or the player (false); false when it would
    // not stop.
    bool CloseWindow(bool recorder);

    // The step's duration has passed: stops the recording, else the playing.
    void StopStep() override;

private:
    // The working copy of a start: the live record, or the dialog's edit of it. 1 when
    // the dialog was cancelled or cannot be shown, 2 otherwise.
    int EditedCopy(SendParam& copy, bool showDialog, bool running);
    bool PrepareRecordingPath(InfoVideoRecording& recording, CString& path);
    bool CheckDevices(const InfoVideoRecording& recording);
    bool CreateRecorder(const InfoVideoRecording& recording);
    bool CreatePlayer(const InfoVideoPlaying& playing);
    void StartTimer(unsigned int seconds);
    void PauseTimer(bool pause);

    InfoVideoRecording m_recording;
    InfoVideoPlaying m_playing;
    HWND m_owner = nullptr;
    CWndTimerPtr m_timer;
    CWndPtr<CWndVideoPlayer> m_player;
    std::unique_ptr<IVideoRecorder> m_recorder;
    CString m_errorText;

    ICaptureDialogs* m_dialogs;
    VideoRecorderFactory m_recorders;
    ICaptureStepTarget* m_stepTarget;
};
