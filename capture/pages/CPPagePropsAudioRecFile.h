#pragma once
// CPPagePropsAudioRecFile: the file of an audio recording.
#include "capture/pages/CPPagePropsRecordingFile.h"

class CPPagePropsAudioRecFile : public CPPagePropsRecordingFile<InfoAudioRecording>
{
public:
    CPPagePropsAudioRecFile();
};
