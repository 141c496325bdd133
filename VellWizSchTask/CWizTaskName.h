#pragma once
// CWizTaskName: the task's name, comment and how often it runs (daily, weekly, monthly,
// one time only), which decides the schedule page that follows. Next refuses a name
// that cannot be a file name.
#include "VellWizSchTask/CTaskRecord.h"
#include "VellWizSchTask/CWizTaskPage.h"

class CWizTaskName : public CWizTaskPage
{
public:
    explicit CWizTaskName(CWizTaskPropSheet& sheet);

    CTaskRecord GetTask() const { return m_record; }
    int GetTriggerType() const { return m_record.trigger.TriggerType; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool CheckNext() override;

private:
    CTaskRecord m_record;
};
