#include "VellWizSchTask/CWizTaskCredentials.h"

#include "VellWizSchTask/CWizTaskPropSheet.h"
#include "VellWizSchTask/TaskWizardResources.h"

CWizTaskCredentials::CWizTaskCredentials(CWizTaskPropSheet& sheet)
    : CWizTaskPage(sheet, IDD_WIZ_CREDENTIALS, IDS_WIZ_CRED_TITLE, IDS_WIZ_CRED_SUBTITLE)
{
}

BOOL CWizTaskCredentials::OnInitDialog()
{
    CWizTaskPage::OnInitDialog();
    m_user = m_sheet.m_task.user;
    m_password = m_sheet.m_task.password;
    SetItemText(IDC_CRED_USER, m_user);
    SetItemText(IDC_CRED_PASSWORD, m_password);
    SetItemText(IDC_CRED_CONFIRM, m_password);
    return TRUE;
}

void CWizTaskCredentials::UpdateButtons()
{
    m_user = GetItemText(IDC_CRED_USER);
    m_password = GetItemText(IDC_CRED_PASSWORD);
    const bool complete = !m_user.IsEmpty() && m_password == GetItemText(IDC_CRED_CONFIRM);
    SetWizardButtons(complete ? PSWIZB_BACK | PSWIZB_NEXT : PSWIZB_BACK);
}

bool CWizTaskCredentials::OnSetActive()
{
    UpdateButtons();
    return CPropertyPage::OnSetActive();
}

bool CWizTaskCredentials::OnCommand(UINT code, UINT id, HWND control)
{
    if (code == EN_CHANGE && (id == IDC_CRED_USER || id == IDC_CRED_PASSWORD || id == IDC_CRED_CONFIRM))
    {
        UpdateButtons();
        return true;
    }
    return CWizTaskPage::OnCommand(code, id, control);
}
