#include "capture/pages/CPPagePropsScEmailFile.h"

#include "Info/InfoScEmail.h"
#include "capture/pages/CaptureUiHelpers.h"
#include "capture/pages/PagesIds.h"

namespace
{
const int kMaxBody = 500;
}

CPPagePropsScEmailFile::CPPagePropsScEmailFile() : CPPagePropsScBase(IDD_PROPS_SC_EMAIL_FILE, SP_SC_EMAIL, 1, 5, true)
{
}

void CPPagePropsScEmailFile::InitControls()
{
    LimitText(IDC_MAIL_SUBJECT, 100);
    LimitText(IDC_MAIL_BODY, kMaxBody);
    FillImageTypeCombo(GetDlgItem(IDC_MAIL_FILE_TYPE), CopyAs<InfoScEmail>().FType, false, false);
}

void CPPagePropsScEmailFile::RecordToControls()
{
    auto& record = CopyAs<InfoScEmail>();
    SetText(IDC_MAIL_SUBJECT, record.Subject);
    SetText(IDC_MAIL_BODY, record.Body.Left(kMaxBody));
    SetComboIndex(IDC_MAIL_FILE_TYPE, record.FType);
    const bool canEmbed = InfoScEmail::IsIISInstalled();
    if (!canEmbed)
        record.Attached = true;
    EnableItem(IDC_MAIL_EMBED, canEmbed);
    SetCheck(IDC_MAIL_ATTACH, record.Attached);
    SetCheck(IDC_MAIL_EMBED, !record.Attached);
}

void CPPagePropsScEmailFile::ReadControls()
{
    auto& record = CopyAs<InfoScEmail>();
    record.Subject = GetText(IDC_MAIL_SUBJECT);
    record.Body = GetText(IDC_MAIL_BODY).Left(kMaxBody);
}

bool CPPagePropsScEmailFile::Check()
{
    return true;
}

bool CPPagePropsScEmailFile::OnCommand(UINT code, UINT id, HWND control)
{
    auto& record = CopyAs<InfoScEmail>();
    if ((id == IDC_MAIL_ATTACH || id == IDC_MAIL_EMBED) && code == BN_CLICKED)
    {
        record.Attached = id == IDC_MAIL_ATTACH;
        SetCheck(IDC_MAIL_ATTACH, record.Attached);
        SetCheck(IDC_MAIL_EMBED, !record.Attached);
        return true;
    }
    if (id == IDC_MAIL_FILE_TYPE && code == CBN_SELCHANGE)
    {
        record.FType = static_cast<EnumFileType>(GetComboIndex(id));
        return true;
    }
    return CPPagePropsScBase::OnCommand(code, id, control);
}
