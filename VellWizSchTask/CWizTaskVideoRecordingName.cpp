#include "VellWizSchTask/CWizTaskVideoRecordingName.h"

#include "VellWizSchTask/TaskWizardResources.h"
#include "capture/pages/CaptureUiHelpers.h"

CWizTaskVideoRecordingName::CWizTaskVideoRecordingName(CWizTaskPropSheet& sheet, InfoVideoRecording& record)
    : CWizTaskFilePage(
          sheet, IDD_WIZ_VIDEO_NAME, IDS_WIZ_VIDEO_NAME_TITLE, IDS_WIZ_VIDEO_NAME_SUBTITLE,
          {IDC_VIDNAME_NAME, IDC_VIDNAME_TYPE, IDC_VIDNAME_FOLDER, IDC_VIDNAME_BROWSE, IDC_VIDNAME_OVERWRITE},
          {record.RecFName, record.RecPath, record.RecOverwrite}, L"Select the video file path:"),
      m_record(record)
{
}

void CWizTaskVideoRecordingName::FillFileTypes(HWND combo) const
{
    FillVideoFileTypeCombo(combo, m_record.RecFType, false);
}
