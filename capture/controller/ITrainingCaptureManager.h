#pragma once
// ITrainingCaptureManager: the training manager as the controller sees it. Recording and
// playing run inside Record and Play (their own message loop) until they end; the
// states are those the hook library reports.
#include "framework/CString.h"

struct SendParam;

class ITrainingCaptureManager
{
public:
    virtual ~ITrainingCaptureManager() = default;

    // Loads the recording and playing records from the registry.
    virtual void LoadFromRegistry() = 0;
    // The live recording (recorder true) or playing record that the next recording or
    // playing uses; null when the manager keeps none (the registry then holds them).
    virtual SendParam* GetLiveRecord(bool recorder) { return nullptr; }

    virtual bool IsRecording() = 0;
    virtual bool IsRecordingPaused() = 0;
    virtual bool IsPlaying() = 0;

    // Starts a recording and returns when it ends, or stops the recording that runs.
    // 0 failed (errorText says why), otherwise done.
    virtual int Record(CString& errorText) = 0;
    // The same for playing.
    virtual int Play(CString& errorText) = 0;
    // Stops a running recording; false with the reason.
    virtual bool StopRecording(CString& errorText) = 0;
    virtual void StopPlaying() = 0;
    // Tells the hook library whether its hot key records (true) or plays.
    virtual void SetRecordFlag(bool record) = 0;
};
