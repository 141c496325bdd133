#pragma once
// IMediaCaptureManager: what the controller drives of a manager that records and plays
// one kind of media (audio, video, movie). Each side (the recorder, the player) is
// running, paused or idle; a failed operation leaves its reason in GetErrorText.
#include "capture/destinations/CImageBase.h"
#include "framework/CString.h"

class ICaptureStepTarget;
struct SendParam;

class IMediaCaptureManager
{
public:
    virtual ~IMediaCaptureManager() = default;

    // Loads the recording and playing records from the registry.
    virtual void LoadFromRegistry() = 0;
    // The live recording (recorder true) or playing record that the manager's next start
    // uses; null when the manager keeps none (the registry then holds the settings).
    virtual SendParam* GetLiveRecord(bool recorder) { return nullptr; }
    // The object whose StopStep ends a timed step of the manager.
    virtual void SetStepTarget(ICaptureStepTarget* target) = 0;

    virtual bool IsRecording() = 0;
    virtual bool IsRecordingPaused() = 0;
    virtual bool IsPlaying() = 0;
    virtual bool IsPlayingPaused() = 0;

    // DR_DONE started, DR_NOTHING_DONE nothing started (a dialog was cancelled),
    // DR_FAILED with the reason. repeat: the movie manager's repeat of its last
    // selection; the other kinds ignore it.
    virtual DestinationResult StartRecording(bool repeat) = 0;
    virtual bool StopRecording() = 0;
    virtual bool PauseRecording() = 0;
    virtual bool ResumeRecording() = 0;
    virtual DestinationResult StartPlaying() = 0;
    virtual bool StopPlaying() = 0;
    virtual bool PausePlaying() = 0;
    virtual bool ResumePlaying() = 0;
    // Closes the recorder's (recorder true) or the player's window, ending what it runs.
    virtual bool CloseWindow(bool recorder) = 0;
    // The reason of the last failure of the recorder's or the player's side.
    virtual CString GetErrorText(bool recorder) = 0;
};
