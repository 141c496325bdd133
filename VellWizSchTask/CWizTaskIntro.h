#pragma once
// CWizTaskIntro: the wizard's first page, without header: what the wizard will do, for
// a new task or for a task to modify. It offers Next only.
#include "VellWizSchTask/CWizTaskPage.h"

class CWizTaskIntro : public CWizTaskPage
{
public:
    explicit CWizTaskIntro(CWizTaskPropSheet& sheet);

    bool m_newTask = true;

protected:
    BOOL OnInitDialog() override;
    bool OnSetActive() override;
};
