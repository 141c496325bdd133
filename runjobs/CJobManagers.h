#pragma once
// The job build's managers of the recording-and-playing capture kinds.
#include "Info/InfoCBTPlaying.h"
#include "Info/InfoCBTRecording.h"
#include "Info/InfoVideoPlaying.h"
#include "Info/InfoVideoRecording.h"
#include "runjobs/CJobAudioManager.h"
#include "runjobs/CJobMediaManager.h"
#include "runjobs/CJobPresentationManager.h"

using CJobCBTManager = CJobMediaManager<InfoCBTRecording, InfoCBTPlaying>;
using CJobVideoManager = CJobMediaManager<InfoVideoRecording, InfoVideoPlaying>;
