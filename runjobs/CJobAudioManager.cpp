#include "runjobs/CJobAudioManager.h"

#include "capture/audio/AudioErrorText.h"
#include "runjobs/JobSteps.h"

DestinationResult CJobAudioManager::StartRecording()
{
    return Refused(CAudioManager::StartRecording(), L"audio recording's");
}

DestinationResult CJobAudioManager::StartPlaying()
{
    return Refused(CAudioManager::StartPlaying(), L"audio playing's");
}

DestinationResult CJobAudioManager::Refused(DestinationResult result, const wchar_t* whose) const
{
    if (result == DR_NOTHING_DONE)
        SetAudioErrorText(DialogRefusalText(whose));
    return result;
}
