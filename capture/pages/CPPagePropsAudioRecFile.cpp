#include "capture/pages/CPPagePropsAudioRecFile.h"

#include "capture/pages/CaptureUiHelpers.h"
#include "capture/pages/MediaPagesIds.h"

CPPagePropsAudioRecFile::CPPagePropsAudioRecFile()
    : CPPagePropsRecordingFile(IDD_PROPS_AUDIO_REC_FILE, SP_AUDIO_RECORDING, false,
                               {IDC_AUDIO_REC_NAME, IDC_AUDIO_REC_TYPE, IDC_AUDIO_REC_PATH, IDC_AUDIO_REC_BROWSE,
                                IDC_AUDIO_REC_HOURS, IDC_AUDIO_REC_MINUTES, IDC_AUDIO_REC_SECONDS,
                                IDC_AUDIO_REC_OVERWRITE},
                               FillAudioFileTypeCombo, L"Select the Vellumor's audio file path:")
{
}
