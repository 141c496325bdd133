#pragma once
// CWizTaskFrequenceMonthly: a monthly schedule, on a day of the month or on a day of a
// week of the month ("the second Tuesday"), in the checked months. Next is offered only
// while a month is checked, and refuses a day that none of the months has.
#include "VellWizSchTask/CWizTaskSchedulePage.h"

class CWizTaskFrequenceMonthly : public CWizTaskSchedulePage
{
public:
    explicit CWizTaskFrequenceMonthly(CWizTaskPropSheet& sheet);

protected:
    BOOL OnInitDialog() override;
    bool OnSetActive() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool CheckNext() override;

private:
    void ShowType();
    void UpdateButtons();
    WORD& Months();

    // The day of the month the page edits (one day of the trigger's day bits).
    int m_day = 2;
};
