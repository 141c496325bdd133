#include "VellWizSchTask/CWizTaskFrequenceDaily.h"

#include "VellWizSchTask/TaskWizardResources.h"

CWizTaskFrequenceDaily::CWizTaskFrequenceDaily(CWizTaskPropSheet& sheet)
    : CWizTaskSchedulePage(sheet, IDD_WIZ_DAILY, IDS_WIZ_DAILY_TITLE, IDS_WIZ_DAILY_SUBTITLE, IDC_DAILY_TIME,
                           IDC_DAILY_DATE, TASK_TIME_TRIGGER_DAILY, TASK_TIME_TRIGGER_DAILY)
{
    m_record.trigger.TriggerType = TASK_TIME_TRIGGER_DAILY;
    m_record.trigger.Type.Daily.DaysInterval = 1;
}

BOOL CWizTaskFrequenceDaily::OnInitDialog()
{
    CWizTaskSchedulePage::OnInitDialog();
    HWND spin = GetDlgItem(IDC_DAILY_SPIN);
    SendMessageW(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(IDC_DAILY_INTERVAL)), 0);
    SendMessageW(spin, UDM_SETRANGE32, 2, 365);
    const int interval = m_record.trigger.Type.Daily.DaysInterval;
    SendMessageW(spin, UDM_SETPOS32, 0, interval >= 3 ? interval : 2);
    ShowMode();
    return TRUE;
}

// The mode follows the interval: 1 every day, 0 weekdays, more every N days.
void CWizTaskFrequenceDaily::ShowMode()
{
    const int interval = m_record.trigger.Type.Daily.DaysInterval;
    CheckItem(IDC_DAILY_EVERY_DAY, interval == 1);
    CheckItem(IDC_DAILY_WEEKDAYS, interval == 0);
    CheckItem(IDC_DAILY_EVERY, interval >= 2);
    for (UINT id : {IDC_DAILY_INTERVAL, IDC_DAILY_SPIN, IDC_DAILY_DAYS_LABEL})
        EnableItem(id, interval >= 2);
}

bool CWizTaskFrequenceDaily::OnCommand(UINT code, UINT id, HWND control)
{
    WORD& interval = m_record.trigger.Type.Daily.DaysInterval;
    if (code == BN_CLICKED && (id == IDC_DAILY_EVERY_DAY || id == IDC_DAILY_WEEKDAYS || id == IDC_DAILY_EVERY))
    {
        interval = static_cast<WORD>(id == IDC_DAILY_EVERY_DAY ? 1 : id == IDC_DAILY_WEEKDAYS ? 0
                                                                                             : GetItemInt(IDC_DAILY_INTERVAL));
        ShowMode();
        return true;
    }
    if (code == EN_CHANGE && id == IDC_DAILY_INTERVAL && IsItemChecked(IDC_DAILY_EVERY))
    {
        // Stored as typed: 0 becomes the weekdays schedule at the finish.
        interval = static_cast<WORD>(GetItemInt(IDC_DAILY_INTERVAL));
        return true;
    }
    return CWizTaskSchedulePage::OnCommand(code, id, control);
}
