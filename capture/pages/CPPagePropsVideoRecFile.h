#pragma once
// CPPagePropsVideoRecFile: the file of a video recording.
#include "capture/pages/CPPagePropsRecordingFile.h"

class CPPagePropsVideoRecFile : public CPPagePropsRecordingFile<InfoVideoRecording>
{
public:
    CPPagePropsVideoRecFile();
};
