#include "VellWizSchTask/CWizTaskScWebUpload.h"

#include "VellWizSchTask/TaskWizardResources.h"
#include "common/PathHelpers.h"
#include "common/PathValidation.h"
#include "framework/AfxParseURL.h"

CWizTaskScWebUpload::CWizTaskScWebUpload(CWizTaskPropSheet& sheet, InfoScWeb& record)
    : CWizTaskPage(sheet, IDD_WIZ_SC_WEB_UPLOAD, IDS_WIZ_SC_WEB_UPLOAD_TITLE, IDS_WIZ_SC_WEB_UPLOAD_SUBTITLE),
      m_record(record)
{
}

BOOL CWizTaskScWebUpload::OnInitDialog()
{
    CWizTaskPage::OnInitDialog();
    HWND type = GetDlgItem(IDC_WZ_WEB_SERVER_TYPE);
    SendMessageW(type, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"FTP"));
    SendMessageW(type, CB_SETCURSEL, static_cast<WPARAM>(m_record.SvrType), 0);
    SetItemText(IDC_WZ_WEB_HOST, m_record.HostAddress);
    SetItemText(IDC_WZ_WEB_USER, m_record.Login);
    SetItemText(IDC_WZ_WEB_PASSWORD, m_record.Pwd);
    SetItemText(IDC_WZ_WEB_PATH, m_record.WebPath);
    CString port;
    port.Format(L"%d", m_record.Port);
    SetItemText(IDC_WZ_WEB_PORT, port);
    return TRUE;
}

bool CWizTaskScWebUpload::CheckNext()
{
    m_record.SvrType = static_cast<EnumWebServer>(SendMessageW(GetDlgItem(IDC_WZ_WEB_SERVER_TYPE), CB_GETCURSEL, 0, 0));
    m_record.HostAddress = GetItemText(IDC_WZ_WEB_HOST);
    m_record.Login = GetItemText(IDC_WZ_WEB_USER);
    m_record.Pwd = GetItemText(IDC_WZ_WEB_PASSWORD);
    m_record.WebPath = GetItemText(IDC_WZ_WEB_PATH);
    m_record.Port = GetItemInt(IDC_WZ_WEB_PORT);
    if (m_record.HostAddress.IsEmpty())
        return Refuse(L"The host address is missing.", IDC_WZ_WEB_HOST);
    if (m_record.Login.IsEmpty() && !m_record.Pwd.IsEmpty())
        return Refuse(L"The login user name is missing.", IDC_WZ_WEB_USER);
    CString error;
    if (!ValidateDirectory(m_record.WebPath, error))
        return Refuse(error, IDC_WZ_WEB_PATH, 0);
    if (m_record.SvrType != 0)
        return false;
    CString host = m_record.HostAddress;
    RemoveTrailingSlash(host);
    CString address = host + m_record.GetFullPathFileName(true);
    address.AppendFormat(L":%d", m_record.Port);
    // An address without a scheme is tried once more as an FTP address.
    if (!AfxIsParsableURL(address) && address.Find(L"ftp:") < 0)
        address = L"ftp://" + address;
    if (AfxIsParsableURL(address))
        return true;
    error.Format(L"Invalid parsed URL '%s'.", address.GetString());
    return Refuse(error, IDC_WZ_WEB_HOST);
}
