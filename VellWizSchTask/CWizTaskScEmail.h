#pragma once
// CWizTaskScEmail: the wizard page of the e-mail destination: mail server, sender,
// recipients (typed or picked from the address book), subject, body, image type and
// whether the image is attached or embedded (attached only, without the machine's web
// server). Next requires a server, a sender and a recipient.
#include "Info/InfoScEmail.h"
#include "VellWizSchTask/CWizTaskPage.h"

class CWizTaskScEmail : public CWizTaskPage
{
public:
    explicit CWizTaskScEmail(CWizTaskPropSheet& sheet);

    InfoScEmail m_record;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool CheckNext() override;
};
