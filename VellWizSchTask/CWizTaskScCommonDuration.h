#pragma once
// CWizTaskScCommonDuration: how long a scheduled screen capture repeats and how often it
// captures, in seconds. The page keeps both itself, whichever destination is chosen, so
// a change of destination keeps what was typed and the job line takes both from here;
// Back returns to the current destination's page. The frequence is enabled only while
// a duration is typed.
#include "VellWizSchTask/CWizTaskPage.h"

class CWizTaskScCommonDuration : public CWizTaskPage
{
public:
    explicit CWizTaskScCommonDuration(CWizTaskPropSheet& sheet);

    int m_duration = 0;
    int m_frequence = 0;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool CheckNext() override;

private:
    int DurationInEdits() const;
    void EnableFrequence() const;
};
