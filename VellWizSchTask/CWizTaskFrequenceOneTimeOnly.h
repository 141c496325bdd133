#pragma once
// CWizTaskFrequenceOneTimeOnly: a task that runs once, at a start time and date.
#include "VellWizSchTask/CWizTaskSchedulePage.h"

class CWizTaskFrequenceOneTimeOnly : public CWizTaskSchedulePage
{
public:
    explicit CWizTaskFrequenceOneTimeOnly(CWizTaskPropSheet& sheet);

protected:
    bool OnSetActive() override;
};
