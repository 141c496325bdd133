#pragma once
// The job build's managers of the recording-and-playing capture kinds.
#include "runjobs/CJobAudioManager.h"
#include "runjobs/CJobCBTManager.h"
#include "runjobs/CJobPresentationManager.h"
#include "runjobs/CJobVideoManager.h"
