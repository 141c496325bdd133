#include "VellWizSchTask/CWizTaskCBTPlaying.h"

#include "VellWizSchTask/TaskWizardResources.h"
#include "VellWizSchTask/WizardChecks.h"

// The base keeps references to the record's fields, which it uses only once the page
// runs.
CWizTaskCBTPlaying::CWizTaskCBTPlaying(CWizTaskPropSheet& sheet, InfoCBTPlaying& record)
    : CWizTaskPlayingPage(sheet, IDD_WIZ_CBT_PLAYING, IDS_WIZ_CBT_PLAYING_TITLE, IDS_WIZ_CBT_PLAYING_SUBTITLE,
                          {IDC_CBTPLAY_FILE, IDC_CBTPLAY_BROWSE, IDC_CBTPLAY_HOURS, IDC_CBTPLAY_MINUTES,
                           IDC_CBTPLAY_SECONDS, IDC_CBTPLAY_REPEAT, IDC_CBTPLAY_SPIN, 0, 0, 0, 0, 0, 0},
                          {record.PlayFName, record.PlayDuration, record.PlayRepeat, nullptr, nullptr, nullptr,
                           nullptr, nullptr},
                          {L"Vellumor Training Files (*.vtf)|*.vtf||", nullptr, nullptr}),
      m_record(record)
{
}

BOOL CWizTaskCBTPlaying::OnInitDialog()
{
    CWizTaskPlayingPage::OnInitDialog();
    CheckItem(IDC_CBTPLAY_SOUND, m_record.PlaySound);
    CheckItem(IDC_CBTPLAY_SKIP_MOUSE, m_record.PlaySkipMouse);
    CheckItem(IDC_CBTPLAY_SKIP_KEYBOARD, m_record.PlaySkipKeyboard);
    return TRUE;
}

bool CWizTaskCBTPlaying::OnCommand(UINT code, UINT id, HWND control)
{
    bool* flag = nullptr;
    if (id == IDC_CBTPLAY_SOUND)
        flag = &m_record.PlaySound;
    else if (id == IDC_CBTPLAY_SKIP_MOUSE)
        flag = &m_record.PlaySkipMouse;
    else if (id == IDC_CBTPLAY_SKIP_KEYBOARD)
        flag = &m_record.PlaySkipKeyboard;
    if (!flag || code != BN_CLICKED)
        return CWizTaskPlayingPage::OnCommand(code, id, control);
    *flag = IsItemChecked(id);
    return true;
}

bool CWizTaskCBTPlaying::CheckFile()
{
    m_record.PlayFName = GetItemText(IDC_CBTPLAY_FILE);
    CString error;
    return CheckTrainingFile(m_record.PlayFName, error) || Refuse(error, IDC_CBTPLAY_FILE);
}
