#pragma once
// IVideoRecorder: what the video manager uses of a video recorder window (a capture
// device's DirectShow recording). The manager makes one per recording through a
// VideoRecorderFactory and deletes it when the recording ends.
#include "Info/InfoVideoRecording.h"
#include "framework/CString.h"

#include <functional>
#include <memory>

class IVideoRecorder
{
public:
    virtual ~IVideoRecorder() = default;

    // Creates the recorder's window; false with the error text on failure.
    virtual bool Create() = 0;
    virtual bool StartCapture() = 0;
    virtual bool StopCapture() = 0;
    virtual bool PauseCapture() = 0;
    virtual bool ResumeCapture() = 0;
    // Capturing and not paused.
    virtual bool IsCapturing() const = 0;
    virtual bool IsCapturePaused() const = 0;
    virtual CString GetErrorText() const = 0;
};

// Makes a recorder for the recording, telling the owner window (may be null); may throw
// when the recorder's window class cannot be registered.
using VideoRecorderFactory =
    std::function<std::unique_ptr<IVideoRecorder>(const InfoVideoRecording& recording, HWND owner)>;
