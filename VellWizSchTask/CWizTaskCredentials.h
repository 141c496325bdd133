#pragma once
// CWizTaskCredentials: the Windows account the task runs under. Next is offered only
// while a user is given and the password and its confirmation are the same.
#include "VellWizSchTask/CWizTaskPage.h"

class CWizTaskCredentials : public CWizTaskPage
{
public:
    explicit CWizTaskCredentials(CWizTaskPropSheet& sheet);

    CString GetUser() const { return m_user; }
    CString GetPassword() const { return m_password; }

protected:
    BOOL OnInitDialog() override;
    bool OnSetActive() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;

private:
    void UpdateButtons();

    CString m_user;
    CString m_password;
};
