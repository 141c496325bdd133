#pragma once
// CJobAudioManager: the audio manager of an unattended job. It shows no dialog (a record
// that asks for one starts nothing, and the failure says why), reports to no window (the
// end of a playback posts WM_QUIT, which ends the job's wait) and stops a timed
// recording or playback with its own step timer.
#include "capture/audio/CAudioManager.h"

class CJobAudioManager : public CAudioManager
{
public:
    CJobAudioManager() = default;

    // DR_DONE when started; otherwise DR_FAILED or DR_NOTHING_DONE with the error text set.
    DestinationResult StartRecording();
    DestinationResult StartPlaying();

private:
    // The refusal of a record that asks for its dialog.
    DestinationResult Refused(DestinationResult result, const wchar_t* whose) const;
};
