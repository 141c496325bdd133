#include "capture/pages/CPPagePropsScWebUpload.h"

#include "Info/InfoScWeb.h"
#include "capture/pages/PagesIds.h"
#include "common/PathHelpers.h"
#include "common/PathValidation.h"
#include "framework/AfxParseURL.h"

CPPagePropsScWebUpload::CPPagePropsScWebUpload() : CPPagePropsScBase(IDD_PROPS_SC_WEB_UPLOAD, SP_SC_WEB, 1, 5, false) {}

void CPPagePropsScWebUpload::InitControls()
{
    SendMessageW(GetDlgItem(IDC_WEB_SERVER_TYPE), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"FTP"));
    BindNumber(m_port, IDC_WEB_PORT, 0, 1000);
}

void CPPagePropsScWebUpload::RecordToControls()
{
    auto& record = CopyAs<InfoScWeb>();
    SetComboIndex(IDC_WEB_SERVER_TYPE, record.SvrType);
    SetText(IDC_WEB_HOST, record.HostAddress);
    SetText(IDC_WEB_USER, record.Login);
    SetText(IDC_WEB_PASSWORD, record.Pwd);
    SetText(IDC_WEB_PATH, record.WebPath);
    SetNumber(IDC_WEB_PORT, record.Port);
}

void CPPagePropsScWebUpload::ReadControls()
{
    auto& record = CopyAs<InfoScWeb>();
    record.SvrType = static_cast<EnumWebServer>(GetComboIndex(IDC_WEB_SERVER_TYPE));
    record.HostAddress = GetText(IDC_WEB_HOST);
    record.Login = GetText(IDC_WEB_USER);
    record.Pwd = GetText(IDC_WEB_PASSWORD);
    record.WebPath = GetText(IDC_WEB_PATH);
    record.Port = GetNumber(IDC_WEB_PORT);
}

bool CPPagePropsScWebUpload::Check()
{
    auto& record = CopyAs<InfoScWeb>();
    if (record.HostAddress.IsEmpty())
        return FailCheck(LoadText(IDS_PAGE_HOST_MISSING), MB_ICONEXCLAMATION, IDC_WEB_HOST);
    if (record.Login.IsEmpty() && !record.Pwd.IsEmpty())
        return FailCheck(LoadText(IDS_PAGE_LOGIN_MISSING), MB_ICONEXCLAMATION, IDC_WEB_USER);
    CString error;
    if (!ValidateDirectory(record.WebPath, error))
        return FailCheck(LoadText(IDS_PAGE_PATH_MISSING, record.WebPath), MB_ICONEXCLAMATION, IDC_WEB_PATH);
    if (record.SvrType != 0)
        return false;
    CString host = record.HostAddress;
    RemoveTrailingSlash(host);
    CString text = host + record.GetFullPathFileName(true);
    text.AppendFormat(L":%d", record.Port);
    // An address without a scheme gets "ftp://" before the host and one more try.
    bool parsed = AfxIsParsableURL(text);
    if (!parsed && text.Find(L"ftp:") < 0)
    {
        text = L"ftp://" + host;
        parsed = AfxIsParsableURL(text);
    }
    if (!parsed)
        return FailCheck(LoadText(IDS_PAGE_URL_INVALID, text), MB_ICONEXCLAMATION, IDC_WEB_HOST);
    return true;
}
