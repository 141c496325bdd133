#pragma once
// CWizTaskFrequenceDaily: a daily schedule: every day, on weekdays (an interval of 0,
// which the finish turns into a weekly schedule) or every N days.
#include "VellWizSchTask/CWizTaskSchedulePage.h"

class CWizTaskFrequenceDaily : public CWizTaskSchedulePage
{
public:
    explicit CWizTaskFrequenceDaily(CWizTaskPropSheet& sheet);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;

private:
    void ShowMode();
};
