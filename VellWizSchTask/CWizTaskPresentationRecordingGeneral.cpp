#include "VellWizSchTask/CWizTaskPresentationRecordingGeneral.h"

#include "VellWizSchTask/TaskWizardResources.h"
#include "capture/pages/CaptureUiHelpers.h"

CWizTaskPresentationRecordingGeneral::CWizTaskPresentationRecordingGeneral(CWizTaskPropSheet& sheet,
                                                                           InfoPresentationRecording& record)
    : CWizTaskPage(sheet, IDD_WIZ_MOVIE_GENERAL, IDS_WIZ_MOVIE_RECORDING_TITLE, IDS_WIZ_MOVIE_GENERAL_SUBTITLE),
      m_record(record)
{
}

BOOL CWizTaskPresentationRecordingGeneral::OnInitDialog()
{
    CWizTaskPage::OnInitDialog();
    ShowRecordingFile(IDC_MOVIE_NAME, m_record.RecFName, IDC_MOVIE_FOLDER, m_record.RecPath);
    FillVideoFileTypeCombo(GetDlgItem(IDC_MOVIE_TYPE), m_record.RecFileType, false);
    CheckItem(IDC_MOVIE_OVERWRITE, m_record.RecOverwrite);
    return TRUE;
}

bool CWizTaskPresentationRecordingGeneral::OnCommand(UINT code, UINT id, HWND control)
{
    if (id == IDC_MOVIE_BROWSE && code == BN_CLICKED)
    {
        BrowseFolderInto(IDC_MOVIE_FOLDER, L"Select the movie file path:");
        return true;
    }
    if (id == IDC_MOVIE_OVERWRITE && code == BN_CLICKED)
    {
        m_record.RecOverwrite = IsItemChecked(id);
        return true;
    }
    return CWizTaskPage::OnCommand(code, id, control);
}

bool CWizTaskPresentationRecordingGeneral::CheckNext()
{
    m_record.RecFileType =
        static_cast<EnumPresentationFileType>(SendMessageW(GetDlgItem(IDC_MOVIE_TYPE), CB_GETCURSEL, 0, 0));
    return TakeRecordingFile(IDC_MOVIE_NAME, m_record.RecFName, IDC_MOVIE_FOLDER, m_record.RecPath);
}
