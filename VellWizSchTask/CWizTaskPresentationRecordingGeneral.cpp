#include "VellWizSchTask/CWizTaskPresentationRecordingGeneral.h"

#include "VellWizSchTask/TaskWizardResources.h"
#include "capture/pages/CaptureUiHelpers.h"
#include "common/SystemHelpers.h"
#include "common/PathHelpers.h"
#include "common/PathValidation.h"

CWizTaskPresentationRecordingGeneral::CWizTaskPresentationRecordingGeneral(CWizTaskPropSheet& sheet,
                                                                           InfoPresentationRecording& record)
    : CWizTaskPage(sheet, IDD_WIZ_MOVIE_GENERAL, IDS_WIZ_MOVIE_RECORDING_TITLE, IDS_WIZ_MOVIE_GENERAL_SUBTITLE),
      m_record(record)
{
}

BOOL CWizTaskPresentationRecordingGeneral::OnInitDialog()
{
    CWizTaskPage::OnInitDialog();
    SendMessageW(GetDlgItem(IDC_MOVIE_NAME), EM_LIMITTEXT, 256, 0);
    SendMessageW(GetDlgItem(IDC_MOVIE_FOLDER), EM_LIMITTEXT, 260, 0);
    SetItemText(IDC_MOVIE_NAME, m_record.RecFName);
    SetItemText(IDC_MOVIE_FOLDER, m_record.RecPath);
    FillVideoFileTypeCombo(GetDlgItem(IDC_MOVIE_TYPE), m_record.RecFileType, false);
    CheckItem(IDC_MOVIE_OVERWRITE, m_record.RecOverwrite);
    return TRUE;
}

bool CWizTaskPresentationRecordingGeneral::OnCommand(UINT code, UINT id, HWND control)
{
    if (id == IDC_MOVIE_BROWSE && code == BN_CLICKED)
    {
        CString folder = GetItemText(IDC_MOVIE_FOLDER);
        if (BrowseForFolder(GetSheetWindow(), folder, L"Select the movie file path:"))
            SetItemText(IDC_MOVIE_FOLDER, folder);
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
    m_record.RecFName = GetItemText(IDC_MOVIE_NAME);
    CString error;
    if (!ValidateFileName(m_record.RecFName, error))
        return Refuse(error, IDC_MOVIE_NAME);
    m_record.RecPath = GetItemText(IDC_MOVIE_FOLDER);
    // A missing folder is made, one level.
    if (!EnsurePathExists(m_record.RecPath, false) && !CreateDirectoryW(m_record.RecPath, nullptr))
        return Refuse(GetLastErrorText(), IDC_MOVIE_FOLDER);
    return true;
}
