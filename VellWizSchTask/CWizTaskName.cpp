#include "VellWizSchTask/CWizTaskName.h"

#include "VellWizSchTask/CWizTaskPropSheet.h"
#include "VellWizSchTask/TaskWizardResources.h"
#include "common/PathValidation.h"

namespace
{
// The frequency buttons and the trigger type each sets.
const struct
{
    UINT id;
    TASK_TRIGGER_TYPE type;
} kFrequencies[] = {
    {IDC_NAME_DAILY, TASK_TIME_TRIGGER_DAILY},
    {IDC_NAME_WEEKLY, TASK_TIME_TRIGGER_WEEKLY},
    {IDC_NAME_MONTHLY, TASK_TIME_TRIGGER_MONTHLYDATE},
    {IDC_NAME_ONCE, TASK_TIME_TRIGGER_ONCE},
};
} // namespace

CWizTaskName::CWizTaskName(CWizTaskPropSheet& sheet)
    : CWizTaskPage(sheet, IDD_WIZ_NAME, IDS_WIZ_NAME_TITLE, IDS_WIZ_NAME_SUBTITLE)
{
}

BOOL CWizTaskName::OnInitDialog()
{
    CWizTaskPage::OnInitDialog();
    m_record = m_sheet.m_task;
    SendMessageW(GetDlgItem(IDC_NAME_NAME), EM_LIMITTEXT, 256, 0);
    SetItemText(IDC_NAME_NAME, m_record.name);
    SetItemText(IDC_NAME_COMMENT, m_record.comment);
    TASK_TRIGGER_TYPE shown = m_record.trigger.TriggerType;
    if (shown == TASK_TIME_TRIGGER_MONTHLYDOW)
        shown = TASK_TIME_TRIGGER_MONTHLYDATE;
    for (const auto& frequency : kFrequencies)
        CheckItem(frequency.id, frequency.type == shown);
    return TRUE;
}

bool CWizTaskName::OnCommand(UINT code, UINT id, HWND control)
{
    for (const auto& frequency : kFrequencies)
        if (id == frequency.id && code == BN_CLICKED)
        {
            m_record.trigger.TriggerType = frequency.type;
            return true;
        }
    return CWizTaskPage::OnCommand(code, id, control);
}

bool CWizTaskName::CheckNext()
{
    m_record.name = GetItemText(IDC_NAME_NAME);
    m_record.comment = GetItemText(IDC_NAME_COMMENT);
    CString message;
    return ValidateFileName(m_record.name, message) || Refuse(message, IDC_NAME_NAME);
}
