#pragma once
// The job build's managers of the recording-and-playing capture kinds.
#include "Info/InfoAudioPlaying.h"
#include "Info/InfoAudioRecording.h"
#include "Info/InfoCBTPlaying.h"
#include "Info/InfoCBTRecording.h"
#include "runjobs/CJobMediaManager.h"
#include "runjobs/CJobPresentationManager.h"
#include "runjobs/CJobVideoManager.h"

using CJobCBTManager = CJobMediaManager<InfoCBTRecording, InfoCBTPlaying>;
using CJobAudioManager = CJobMediaManager<InfoAudioRecording, InfoAudioPlaying>;
