#include "capture/pages/CPPagePropsScEmailInfo.h"

#include "Info/InfoScEmail.h"
#include "capture/pages/CaptureUiHelpers.h"
#include "capture/pages/PagesIds.h"
#include "framework/CWaitCursor.h"

CPPagePropsScEmailInfo::CPPagePropsScEmailInfo() : CPPagePropsScBase(IDD_PROPS_SC_EMAIL_INFO, SP_SC_EMAIL, 0, 4, true)
{
}

void CPPagePropsScEmailInfo::InitControls()
{
    LimitText(IDC_MAIL_SERVER, 100);
    for (UINT id : {IDC_MAIL_FROM, IDC_MAIL_TO, IDC_MAIL_CC})
        LimitText(id, 500);
}

void CPPagePropsScEmailInfo::RecordToControls()
{
    auto& record = CopyAs<InfoScEmail>();
    SetText(IDC_MAIL_SERVER, record.Server);
    SetText(IDC_MAIL_FROM, record.From);
    SetText(IDC_MAIL_TO, record.To);
    SetText(IDC_MAIL_CC, record.CC);
}

void CPPagePropsScEmailInfo::ReadControls()
{
    auto& record = CopyAs<InfoScEmail>();
    record.Server = GetText(IDC_MAIL_SERVER);
    record.From = GetText(IDC_MAIL_FROM);
    record.To = GetText(IDC_MAIL_TO);
    record.CC = GetText(IDC_MAIL_CC);
}

bool CPPagePropsScEmailInfo::Check()
{
    return CheckRequiredTexts({{IDC_MAIL_SERVER, LoadText(IDS_PAGE_MAIL_SERVER_MISSING)},
                               {IDC_MAIL_FROM, LoadText(IDS_PAGE_SENDER_MISSING)},
                               {IDC_MAIL_TO, LoadText(IDS_PAGE_RECIPIENT_MISSING)}},
                              0);
}

bool CPPagePropsScEmailInfo::OnCommand(UINT code, UINT id, HWND control)
{
    if ((id == IDC_MAIL_PICK_TO || id == IDC_MAIL_PICK_CC) && code == BN_CLICKED)
    {
        CWaitCursor wait;
        const bool to = id == IDC_MAIL_PICK_TO;
        AppendPickedAddress(GetSafeHwnd(), GetDlgItem(to ? IDC_MAIL_TO : IDC_MAIL_CC), to ? 1 : 2);
        return true;
    }
    return CPPagePropsScBase::OnCommand(code, id, control);
}
