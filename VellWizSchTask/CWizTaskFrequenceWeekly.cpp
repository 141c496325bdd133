#include "VellWizSchTask/CWizTaskFrequenceWeekly.h"

#include "VellWizSchTask/TaskWizardResources.h"
#include "VellWizSchTask/WizardChecks.h"

namespace
{
// The day boxes, Monday to Sunday, and their bits.
const WORD kDayBits[] = {TASK_MONDAY, TASK_TUESDAY, TASK_WEDNESDAY, TASK_THURSDAY,
                         TASK_FRIDAY, TASK_SATURDAY, TASK_SUNDAY};
} // namespace

CWizTaskFrequenceWeekly::CWizTaskFrequenceWeekly(CWizTaskPropSheet& sheet)
    : CWizTaskSchedulePage(sheet, IDD_WIZ_WEEKLY, IDS_WIZ_WEEKLY_TITLE, IDS_WIZ_WEEKLY_SUBTITLE, IDC_WEEKLY_TIME, 0,
                           TASK_TIME_TRIGGER_WEEKLY, TASK_TIME_TRIGGER_WEEKLY)
{
    m_record.trigger.TriggerType = TASK_TIME_TRIGGER_WEEKLY;
    m_record.trigger.Type.Weekly.WeeksInterval = 1;
    m_record.trigger.Type.Weekly.rgfDaysOfTheWeek = TASK_MONDAY;
}

BOOL CWizTaskFrequenceWeekly::OnInitDialog()
{
    CWizTaskSchedulePage::OnInitDialog();
    HWND spin = GetDlgItem(IDC_WEEKLY_SPIN);
    SendMessageW(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(IDC_WEEKLY_INTERVAL)), 0);
    SendMessageW(spin, UDM_SETRANGE32, 1, 52);
    SendMessageW(spin, UDM_SETPOS32, 0, m_record.trigger.Type.Weekly.WeeksInterval);
    for (UINT i = 0; i < 7; ++i)
        CheckItem(IDC_WEEKLY_MONDAY + i, (m_record.trigger.Type.Weekly.rgfDaysOfTheWeek & kDayBits[i]) != 0);
    return TRUE;
}

void CWizTaskFrequenceWeekly::UpdateButtons() const
{
    SetWizardButtons(m_record.trigger.Type.Weekly.rgfDaysOfTheWeek ? PSWIZB_BACK | PSWIZB_NEXT : PSWIZB_BACK);
}

bool CWizTaskFrequenceWeekly::OnSetActive()
{
    UpdateButtons();
    return CPropertyPage::OnSetActive();
}

bool CWizTaskFrequenceWeekly::OnCommand(UINT code, UINT id, HWND control)
{
    if (code == BN_CLICKED && id >= IDC_WEEKLY_MONDAY && id <= IDC_WEEKLY_SUNDAY)
    {
        WORD& days = m_record.trigger.Type.Weekly.rgfDaysOfTheWeek;
        const WORD bit = kDayBits[id - IDC_WEEKLY_MONDAY];
        days = static_cast<WORD>(IsItemChecked(id) ? days | bit : days & ~bit);
        UpdateButtons();
        return true;
    }
    if (code == EN_CHANGE && id == IDC_WEEKLY_INTERVAL)
    {
        m_record.trigger.Type.Weekly.WeeksInterval = static_cast<WORD>(GetItemInt(IDC_WEEKLY_INTERVAL));
        return true;
    }
    return CWizTaskSchedulePage::OnCommand(code, id, control);
}

bool CWizTaskFrequenceWeekly::CheckNext()
{
    CString message;
    return CheckWeeklyDays(m_record.trigger.Type.Weekly.rgfDaysOfTheWeek, message) || Refuse(message, 0, 0);
}
