#include "VellWizSchTask/CWizTaskScCommonDuration.h"

#include "VellWizSchTask/TaskWizardResources.h"
#include "VellWizSchTask/WizardChecks.h"
#include "capture/pages/CaptureUiHelpers.h"

CWizTaskScCommonDuration::CWizTaskScCommonDuration(CWizTaskPropSheet& sheet)
    : CWizTaskPage(sheet, IDD_WIZ_SC_DURATION, IDS_WIZ_DURATION_TITLE, IDS_WIZ_DURATION_SUBTITLE)
{
}

BOOL CWizTaskScCommonDuration::OnInitDialog()
{
    CWizTaskPage::OnInitDialog();
    HWND spin = GetDlgItem(IDC_DURATION_FREQ_SPIN);
    SendMessageW(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(IDC_DURATION_FREQ)), 0);
    SendMessageW(spin, UDM_SETRANGE32, 1, 999);
    SendMessageW(spin, UDM_SETPOS32, 0, m_frequence);
    SetDurationEditTexts(m_duration, GetDlgItem(IDC_WZ_DURATION_HOURS), GetDlgItem(IDC_WZ_DURATION_MINUTES),
                         GetDlgItem(IDC_WZ_DURATION_SECONDS));
    EnableFrequence();
    return TRUE;
}

int CWizTaskScCommonDuration::DurationInEdits() const
{
    return GetDurationFromEdits(GetDlgItem(IDC_WZ_DURATION_HOURS), GetDlgItem(IDC_WZ_DURATION_MINUTES),
                                GetDlgItem(IDC_WZ_DURATION_SECONDS));
}

void CWizTaskScCommonDuration::EnableFrequence() const
{
    const bool enabled = DurationInEdits() > 0;
    for (UINT id : {IDC_DURATION_FREQ, IDC_DURATION_FREQ_SPIN, IDC_DURATION_LABEL1, IDC_DURATION_LABEL2,
                    IDC_DURATION_LABEL3})
        EnableItem(id, enabled);
}

bool CWizTaskScCommonDuration::OnCommand(UINT code, UINT id, HWND control)
{
    if (code == EN_CHANGE && (id == IDC_WZ_DURATION_HOURS || id == IDC_WZ_DURATION_MINUTES || id == IDC_WZ_DURATION_SECONDS))
    {
        EnableFrequence();
        return true;
    }
    return CWizTaskPage::OnCommand(code, id, control);
}

bool CWizTaskScCommonDuration::CheckNext()
{
    m_frequence = GetItemInt(IDC_DURATION_FREQ);
    m_duration = DurationInEdits();
    CString message;
    if (!CheckDuration(m_duration, m_frequence, message))
        return Refuse(message, m_duration <= 0 ? IDC_WZ_DURATION_SECONDS : IDC_DURATION_FREQ, 0);
    return true;
}
