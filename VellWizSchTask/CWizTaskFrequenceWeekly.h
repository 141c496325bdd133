#pragma once
// CWizTaskFrequenceWeekly: a weekly schedule: every N weeks on the checked days; Next is
// offered only while a day is checked.
#include "VellWizSchTask/CWizTaskSchedulePage.h"

class CWizTaskFrequenceWeekly : public CWizTaskSchedulePage
{
public:
    explicit CWizTaskFrequenceWeekly(CWizTaskPropSheet& sheet);

protected:
    BOOL OnInitDialog() override;
    bool OnSetActive() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool CheckNext() override;

private:
    void UpdateButtons() const;
};
