#pragma once
// CWizTaskScICQ: the wizard page of the ICQ destination: the contact the picture goes to,
// chosen from the ICQ client's contacts (with the contact's details shown), and the
// image type. Without the client the list holds one entry saying so and stays
// disabled. Next requires a contact.
#include "Info/InfoScIcq.h"
#include "VellWizSchTask/CWizTaskPage.h"
#include "capture/destinations/CIcqContactList.h"

class CWizTaskScICQ : public CWizTaskPage
{
public:
    explicit CWizTaskScICQ(CWizTaskPropSheet& sheet);

    InfoScIcq m_record;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool CheckNext() override;

private:
    // The contact the list shows selected; null when none is.
    const ICQAPI_User* SelectedContact() const;
    void ShowContact() const;

    CIcqContactList m_contacts;
};
