#include "VellWizSchTask/CWizTaskAudioRecording.h"

#include "VellWizSchTask/TaskWizardResources.h"
#include "capture/pages/CaptureUiHelpers.h"

// The base keeps references to the record's fields, which it uses only once the page
// runs.
CWizTaskAudioRecording::CWizTaskAudioRecording(CWizTaskPropSheet& sheet)
    : CWizTaskRecordingPage(sheet, IDD_WIZ_AUDIO_RECORDING, IDS_WIZ_AUDIO_RECORDING_TITLE,
                            IDS_WIZ_AUDIO_RECORDING_SUBTITLE,
                            {IDC_AUDREC_DEVICE, IDC_AUDREC_FORMAT, IDC_AUDREC_PIN, 0, 0, 0},
                            {m_record.RecInputDevice, m_record.RecInputFormat, m_record.RecInputPinName})
{
}

BOOL CWizTaskAudioRecording::OnInitDialog()
{
    CWizTaskRecordingPage::OnInitDialog();
    ShowRecordingFile(IDC_AUDREC_NAME, m_record.RecFName, IDC_AUDREC_FOLDER, m_record.RecPath);
    FillAudioFileTypeCombo(GetDlgItem(IDC_AUDREC_TYPE), m_record.RecFType, false);
    SetDurationEditTexts(static_cast<int>(m_record.RecDuration), GetDlgItem(IDC_AUDREC_HOURS),
                         GetDlgItem(IDC_AUDREC_MINUTES), GetDlgItem(IDC_AUDREC_SECONDS));
    CheckItem(IDC_AUDREC_OVERWRITE, m_record.RecOverwrite);
    return TRUE;
}

bool CWizTaskAudioRecording::OnCommand(UINT code, UINT id, HWND control)
{
    if (id == IDC_AUDREC_BROWSE && code == BN_CLICKED)
        BrowseFolderInto(IDC_AUDREC_FOLDER, L"Select the Vellumor's audio file path:");
    else if (id == IDC_AUDREC_OVERWRITE && code == BN_CLICKED)
        m_record.RecOverwrite = IsItemChecked(id);
    else
        return CWizTaskRecordingPage::OnCommand(code, id, control);
    return true;
}

bool CWizTaskAudioRecording::CheckNext()
{
    int duration = 0;
    if (!TakeRecordingFile(IDC_AUDREC_NAME, m_record.RecFName, IDC_AUDREC_FOLDER, m_record.RecPath) ||
        !TakeAudioInput(true) ||
        !TakeRequiredDuration(IDC_AUDREC_HOURS, IDC_AUDREC_MINUTES, IDC_AUDREC_SECONDS, duration))
        return false;
    m_record.RecDuration = static_cast<unsigned int>(duration);
    return true;
}
