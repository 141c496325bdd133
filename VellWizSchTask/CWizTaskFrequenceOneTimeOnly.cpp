#include "VellWizSchTask/CWizTaskFrequenceOneTimeOnly.h"

#include "VellWizSchTask/TaskWizardResources.h"

CWizTaskFrequenceOneTimeOnly::CWizTaskFrequenceOneTimeOnly(CWizTaskPropSheet& sheet)
    : CWizTaskSchedulePage(sheet, IDD_WIZ_ONCE, IDS_WIZ_ONCE_TITLE, IDS_WIZ_ONCE_SUBTITLE, IDC_ONCE_TIME,
                           IDC_ONCE_DATE, TASK_TIME_TRIGGER_ONCE, TASK_TIME_TRIGGER_ONCE)
{
    m_record.trigger.TriggerType = TASK_TIME_TRIGGER_ONCE;
}

bool CWizTaskFrequenceOneTimeOnly::OnSetActive()
{
    ShowStart();
    return CWizTaskSchedulePage::OnSetActive();
}
