#include "capture/pages/CPPagePropsVideoRecFile.h"

#include "capture/pages/CaptureUiHelpers.h"
#include "capture/pages/MediaPagesIds.h"

CPPagePropsVideoRecFile::CPPagePropsVideoRecFile()
    : CPPagePropsRecordingFile(IDD_PROPS_VIDEO_REC_FILE, SP_VIDEO_RECORDING, true,
                               {IDC_VIDEO_REC_NAME, IDC_VIDEO_REC_TYPE, IDC_VIDEO_REC_PATH, IDC_VIDEO_REC_BROWSE,
                                IDC_VIDEO_REC_HOURS, IDC_VIDEO_REC_MINUTES, IDC_VIDEO_REC_SECONDS,
                                IDC_VIDEO_REC_OVERWRITE},
                               FillVideoFileTypeCombo, L"Select the video file path:")
{
}
