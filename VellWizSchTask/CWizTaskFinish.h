#pragma once
// CWizTaskFinish: the wizard's last page, without header: a summary of the task (name,
// what it does, when it first runs). Finish assembles the task from the pages and writes
// it into the Task Scheduler; the wizard closes only when the task was written.
#include "VellWizSchTask/CTaskRecord.h"
#include "VellWizSchTask/CWizTaskPage.h"

class CWizTaskFinish : public CWizTaskPage
{
public:
    explicit CWizTaskFinish(CWizTaskPropSheet& sheet);

    // The job line of the capture the pages describe; empty for a kind without its pages.
    CString BuildCommandLine() const;
    // The record of the schedule page the Name page's frequency chose.
    CTaskRecord BuildScheduleRecord() const;

protected:
    bool OnSetActive() override;
    bool OnWizardFinish() override;

private:
    bool Finish();
};
