#pragma once
// CWizTaskScScreenSaver: the wizard page of the screen saver destination: the picture's
// name, whether a unique name is made from it and whether the picture becomes the
// saver's current one. Next checks the name.
#include "Info/InfoScScreenSaver.h"
#include "VellWizSchTask/CWizTaskPage.h"

class CWizTaskScScreenSaver : public CWizTaskPage
{
public:
    explicit CWizTaskScScreenSaver(CWizTaskPropSheet& sheet);

    InfoScScreenSaver m_record;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool CheckNext() override;
};
