#include "VellWizSchTask/CWizTaskCBTRecording.h"

#include "VellWizSchTask/TaskWizardResources.h"
#include "capture/pages/CaptureUiHelpers.h"

// The base keeps references to the record's fields, which it uses only once the page
// runs.
CWizTaskCBTRecording::CWizTaskCBTRecording(CWizTaskPropSheet& sheet)
    : CWizTaskRecordingPage(sheet, IDD_WIZ_CBT_RECORDING, IDS_WIZ_CBT_RECORDING_TITLE, IDS_WIZ_CBT_RECORDING_SUBTITLE,
                            {IDC_CBTREC_DEVICE, IDC_CBTREC_FORMAT, IDC_CBTREC_PIN, IDC_CBTREC_DEVICE_LABEL,
                             IDC_CBTREC_FORMAT_LABEL, IDC_CBTREC_PIN_LABEL},
                            {m_record.RecSoundDevice, m_record.RecSoundFormat, m_record.RecInputPinName})
{
}

BOOL CWizTaskCBTRecording::OnInitDialog()
{
    CWizTaskRecordingPage::OnInitDialog();
    ShowRecordingFile(IDC_CBTREC_NAME, m_record.RecFName, IDC_CBTREC_FOLDER, m_record.RecPath);
    SetDurationEditTexts(static_cast<int>(m_record.RecDuration), GetDlgItem(IDC_CBTREC_HOURS),
                         GetDlgItem(IDC_CBTREC_MINUTES), GetDlgItem(IDC_CBTREC_SECONDS));
    CheckItem(IDC_CBTREC_SKIP_MOUSE, m_record.RecSkipMouse);
    CheckItem(IDC_CBTREC_OVERWRITE, m_record.RecOverwrite);
    CheckItem(IDC_CBTREC_SKIP_KEYBOARD, m_record.RecSkipKeyboard);
    CheckItem(IDC_CBTREC_SOUND, m_record.RecSound);
    EnableAudioInput(m_record.RecSound);
    return TRUE;
}

bool CWizTaskCBTRecording::OnCommand(UINT code, UINT id, HWND control)
{
    if (code != BN_CLICKED)
        return CWizTaskRecordingPage::OnCommand(code, id, control);
    switch (id)
    {
    case IDC_CBTREC_BROWSE:
        BrowseFolderInto(IDC_CBTREC_FOLDER, L"Select the Vellumor's training file path:");
        return true;
    case IDC_CBTREC_SKIP_MOUSE:
        m_record.RecSkipMouse = IsItemChecked(id);
        return true;
    case IDC_CBTREC_OVERWRITE:
        m_record.RecOverwrite = IsItemChecked(id);
        return true;
    case IDC_CBTREC_SKIP_KEYBOARD:
        m_record.RecSkipKeyboard = IsItemChecked(id);
        return true;
    case IDC_CBTREC_SOUND:
        m_record.RecSound = IsItemChecked(id);
        EnableAudioInput(m_record.RecSound);
        return true;
    default:
        return CWizTaskRecordingPage::OnCommand(code, id, control);
    }
}

bool CWizTaskCBTRecording::CheckNext()
{
    int duration = 0;
    // The pin is asked for even when no sound is recorded.
    if (!TakeRecordingFile(IDC_CBTREC_NAME, m_record.RecFName, IDC_CBTREC_FOLDER, m_record.RecPath) ||
        !TakeAudioInput(m_record.RecSound) ||
        !TakeRequiredDuration(IDC_CBTREC_HOURS, IDC_CBTREC_MINUTES, IDC_CBTREC_SECONDS, duration))
        return false;
    m_record.RecDuration = static_cast<unsigned int>(duration);
    return true;
}
