#pragma once
// The job build's managers of the recording-and-playing capture kinds.
#include "Info/InfoCBTPlaying.h"
#include "Info/InfoCBTRecording.h"
#include "runjobs/CJobAudioManager.h"
#include "runjobs/CJobMediaManager.h"
#include "runjobs/CJobPresentationManager.h"
#include "runjobs/CJobVideoManager.h"

using CJobCBTManager = CJobMediaManager<InfoCBTRecording, InfoCBTPlaying>;
