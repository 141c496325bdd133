#include "VellWizSchTask/CWizTaskPresentationRecordingGeneral.h"

#include "VellWizSchTask/TaskWizardResources.h"
#include "capture/pages/CaptureUiHelpers.h"

CWizTaskPresentationRecordingGeneral::CWizTaskPresentationRecordingGeneral(CWizTaskPropSheet& sheet,
                                                                           InfoPresentationRecording& record)
    : CWizTaskFilePage(sheet, IDD_WIZ_MOVIE_GENERAL, IDS_WIZ_MOVIE_RECORDING_TITLE,
                                IDS_WIZ_MOVIE_GENERAL_SUBTITLE,
                                {IDC_MOVIE_NAME, IDC_MOVIE_TYPE, IDC_MOVIE_FOLDER, IDC_MOVIE_BROWSE, IDC_MOVIE_OVERWRITE},
                                {record.RecFName, record.RecPath, record.RecOverwrite}, L"Select the movie file path:"),
      m_record(record)
{
}

void CWizTaskPresentationRecordingGeneral::FillFileTypes(HWND combo) const
{
    FillVideoFileTypeCombo(combo, m_record.RecFileType, false);
}

void CWizTaskPresentationRecordingGeneral::TakeFileType(int index)
{
    m_record.RecFileType = static_cast<EnumPresentationFileType>(index);
}
