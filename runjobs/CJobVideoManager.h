#pragma once
// CJobVideoManager: the job build's video manager: the video manager without an owner
// window and without dialogs. A recording job records through a recorder window without
// owner (hidden unless a preview is wanted). A playing job's player ends the job's wait
// itself when its last repeat has played, and a stop closes it.
#include "capture/video/CVideoManager.h"

class CJobVideoManager : public CVideoManager
{
public:
    CJobVideoManager();

    DestinationResult StartRecording();
    DestinationResult StartPlaying();
    // The error text of the side the job started.
    CString GetErrorText();

private:
    bool m_recording = false;
};
