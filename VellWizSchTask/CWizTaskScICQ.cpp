#include "VellWizSchTask/CWizTaskScICQ.h"

#include "VellWizSchTask/TaskWizardResources.h"
#include "capture/pages/CaptureUiHelpers.h"

CWizTaskScICQ::CWizTaskScICQ(CWizTaskPropSheet& sheet)
    : CWizTaskPage(sheet, IDD_WIZ_SC_ICQ, IDS_WIZ_SC_ICQ_TITLE, IDS_WIZ_SC_ICQ_SUBTITLE)
{
}

BOOL CWizTaskScICQ::OnInitDialog()
{
    CWizTaskPage::OnInitDialog();
    FillImageTypeCombo(GetDlgItem(IDC_ICQ_TYPE), m_record.FType, false, false);
    HWND contacts = GetDlgItem(IDC_ICQ_CONTACT);
    if (!m_contacts.Init(contacts, m_record))
    {
        SendMessageW(contacts, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"ICQ Pro not installed or running"));
        SendMessageW(contacts, CB_SETCURSEL, 0, 0);
        EnableWindow(contacts, FALSE);
    }
    ShowContact();
    return TRUE;
}

const ICQAPI_User* CWizTaskScICQ::SelectedContact() const
{
    HWND contacts = GetDlgItem(IDC_ICQ_CONTACT);
    const auto index = SendMessageW(contacts, CB_GETCURSEL, 0, 0);
    const auto data = index == CB_ERR ? 0 : SendMessageW(contacts, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    return data == CB_ERR ? nullptr : reinterpret_cast<const ICQAPI_User*>(data);
}

// The client's record of a contact carries its names and e-mail address; the other
// details stay empty.
void CWizTaskScICQ::ShowContact() const
{
    const ICQAPI_User* user = SelectedContact();
    SetItemText(IDC_WZ_ICQ_FIRST_NAME, user ? CString(user->FirstName) : CString());
    SetItemText(IDC_WZ_ICQ_LAST_NAME, user ? CString(user->LastName) : CString());
    SetItemText(IDC_WZ_ICQ_EMAIL, user ? CString(user->Email) : CString());
}

bool CWizTaskScICQ::OnCommand(UINT code, UINT id, HWND control)
{
    if (code == CBN_SELCHANGE && id == IDC_ICQ_CONTACT)
    {
        ShowContact();
        return true;
    }
    return CWizTaskPage::OnCommand(code, id, control);
}

bool CWizTaskScICQ::CheckNext()
{
    m_record.FType = static_cast<EnumFileType>(SendMessageW(GetDlgItem(IDC_ICQ_TYPE), CB_GETCURSEL, 0, 0));
    const ICQAPI_User* user = SelectedContact();
    if (!user)
        return Refuse(L"No ICQ user selected.", IDC_ICQ_CONTACT);
    m_record.UID = user->Uin;
    m_record.IP = user->IP;
    m_record.FirstName = CString(user->FirstName);
    m_record.LastName = CString(user->LastName);
    return true;
}
