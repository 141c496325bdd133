#include "VellWizSchTask/CWizTaskCBTPlayingLaunch.h"

#include "VellWizSchTask/TaskWizardResources.h"
#include "VellWizSchTask/WizardChecks.h"

namespace
{
const UINT kWindowEdits[] = {IDC_CBTLAUNCH_LEFT, IDC_CBTLAUNCH_TOP, IDC_CBTLAUNCH_WIDTH, IDC_CBTLAUNCH_HEIGHT};
// A stored window this small or smaller opens as maximized.
const int kSmallestWindow = 50;
} // namespace

CWizTaskCBTPlayingLaunch::CWizTaskCBTPlayingLaunch(CWizTaskPropSheet& sheet, InfoCBTPlaying& record)
    : CWizTaskPage(sheet, IDD_WIZ_CBT_LAUNCH, IDS_WIZ_CBT_LAUNCH_TITLE, IDS_WIZ_CBT_LAUNCH_SUBTITLE), m_record(record)
{
}

BOOL CWizTaskCBTPlayingLaunch::OnInitDialog()
{
    CWizTaskPage::OnInitDialog();
    SendMessageW(GetDlgItem(IDC_CBTLAUNCH_APP), EM_LIMITTEXT, 260, 0);
    SendMessageW(GetDlgItem(IDC_CBTLAUNCH_CMDLINE), EM_LIMITTEXT, 260, 0);
    for (UINT edit : kWindowEdits)
        SendMessageW(GetDlgItem(edit), EM_LIMITTEXT, 4, 0);
    SendMessageW(GetDlgItem(IDC_CBTLAUNCH_DELAY), EM_LIMITTEXT, 3, 0);
    const bool maximized = m_record.PlayWndWidth <= kSmallestWindow && m_record.PlayWndHeight <= kSmallestWindow;
    if (maximized)
        m_record.PlayWndWidth = m_record.PlayWndHeight = kSmallestWindow;
    if (m_record.PlayDelayTime < 0)
        m_record.PlayDelayTime = 0;
    SetItemText(IDC_CBTLAUNCH_APP, m_record.PlayAppFileName);
    SetItemText(IDC_CBTLAUNCH_CMDLINE, m_record.PlayCmdLine);
    SetItemInt(IDC_CBTLAUNCH_LEFT, m_record.PlayWndLeft);
    SetItemInt(IDC_CBTLAUNCH_TOP, m_record.PlayWndTop);
    SetItemInt(IDC_CBTLAUNCH_WIDTH, m_record.PlayWndWidth);
    SetItemInt(IDC_CBTLAUNCH_HEIGHT, m_record.PlayWndHeight);
    SetItemInt(IDC_CBTLAUNCH_DELAY, m_record.PlayDelayTime);
    CheckItem(IDC_CBTLAUNCH_MAXIMIZE, maximized);
    UpdateEnabling();
    return TRUE;
}

bool CWizTaskCBTPlayingLaunch::OnCommand(UINT code, UINT id, HWND control)
{
    if (id == IDC_CBTLAUNCH_APP && code == EN_CHANGE)
    {
        if (GetItemText(IDC_CBTLAUNCH_APP) != m_shownProgram)
            UpdateEnabling();
        return true;
    }
    if (code != BN_CLICKED)
        return CWizTaskPage::OnCommand(code, id, control);
    if (id == IDC_CBTLAUNCH_BROWSE)
    {
        BrowseForFile(IDC_CBTLAUNCH_APP, L"Executable Files (*.exe)|*.exe||");
        return true;
    }
    if (id != IDC_CBTLAUNCH_MAXIMIZE)
        return CWizTaskPage::OnCommand(code, id, control);
    if (IsItemChecked(id))
        for (UINT edit : kWindowEdits)
            SetItemText(edit, CString());
    UpdateEnabling();
    return true;
}

void CWizTaskCBTPlayingLaunch::UpdateEnabling()
{
    m_shownProgram = GetItemText(IDC_CBTLAUNCH_APP);
    const bool program = !m_shownProgram.IsEmpty();
    const bool placed = program && !IsItemChecked(IDC_CBTLAUNCH_MAXIMIZE);
    for (UINT id : {IDC_CBTLAUNCH_CMDLINE_LABEL, IDC_CBTLAUNCH_CMDLINE, IDC_CBTLAUNCH_WINDOW, IDC_CBTLAUNCH_POSITION,
                    IDC_CBTLAUNCH_SIZE, IDC_CBTLAUNCH_MAXIMIZE, IDC_CBTLAUNCH_DELAY_LABEL, IDC_CBTLAUNCH_DELAY,
                    IDC_CBTLAUNCH_DELAY_UNIT})
        EnableItem(id, program);
    for (UINT id : {IDC_CBTLAUNCH_LEFT_LABEL, IDC_CBTLAUNCH_LEFT, IDC_CBTLAUNCH_TOP_LABEL, IDC_CBTLAUNCH_TOP,
                    IDC_CBTLAUNCH_WIDTH_LABEL, IDC_CBTLAUNCH_WIDTH, IDC_CBTLAUNCH_HEIGHT_LABEL, IDC_CBTLAUNCH_HEIGHT})
        EnableItem(id, placed);
}

bool CWizTaskCBTPlayingLaunch::CheckNext()
{
    CString program = GetItemText(IDC_CBTLAUNCH_APP);
    program.Trim();
    CString error;
    UINT icon = 0;
    if (!CheckLaunchProgram(program, error, icon))
        return Refuse(error, IDC_CBTLAUNCH_APP, icon);
    m_record.PlayAppFileName = program;
    m_record.PlayCmdLine = GetItemText(IDC_CBTLAUNCH_CMDLINE);
    // The playback maximizes a window stored without a size, whatever the edits show.
    const bool maximized = IsItemChecked(IDC_CBTLAUNCH_MAXIMIZE);
    int* const window[] = {&m_record.PlayWndLeft, &m_record.PlayWndTop, &m_record.PlayWndWidth,
                           &m_record.PlayWndHeight};
    for (int i = 0; i < 4; ++i)
        *window[i] = maximized ? 0 : GetItemInt(kWindowEdits[i]);
    m_record.PlayDelayTime = GetItemInt(IDC_CBTLAUNCH_DELAY);
    return true;
}
