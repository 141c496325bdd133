#include "VellWizSchTask/CWizTaskScEmail.h"

#include "VellWizSchTask/TaskWizardResources.h"
#include "capture/pages/CaptureUiHelpers.h"

namespace
{
// The texts and their limits.
const struct
{
    UINT id;
    int limit;
} kTexts[] = {{IDC_EMAIL_SERVER, 100}, {IDC_EMAIL_FROM, 500},    {IDC_EMAIL_TO, 500},
              {IDC_EMAIL_CC, 500},     {IDC_EMAIL_SUBJECT, 100}, {IDC_EMAIL_BODY, 500}};
} // namespace

CWizTaskScEmail::CWizTaskScEmail(CWizTaskPropSheet& sheet)
    : CWizTaskPage(sheet, IDD_WIZ_SC_EMAIL, IDS_WIZ_SC_EMAIL_TITLE, IDS_WIZ_SC_EMAIL_SUBTITLE)
{
}

BOOL CWizTaskScEmail::OnInitDialog()
{
    CWizTaskPage::OnInitDialog();
    const CString* values[] = {&m_record.Server, &m_record.From,    &m_record.To,
                               &m_record.CC,     &m_record.Subject, &m_record.Body};
    for (size_t i = 0; i < std::size(kTexts); ++i)
    {
        SendMessageW(GetDlgItem(kTexts[i].id), EM_LIMITTEXT, static_cast<WPARAM>(kTexts[i].limit), 0);
        SetItemText(kTexts[i].id, *values[i]);
    }
    FillImageTypeCombo(GetDlgItem(IDC_EMAIL_TYPE), m_record.FType, false, false);
    if (!InfoScEmail::IsIISInstalled())
    {
        m_record.Attached = true;
        EnableItem(IDC_EMAIL_EMBED, false);
    }
    CheckItem(IDC_EMAIL_ATTACH, m_record.Attached);
    CheckItem(IDC_EMAIL_EMBED, !m_record.Attached);
    return TRUE;
}

bool CWizTaskScEmail::OnCommand(UINT code, UINT id, HWND control)
{
    if (code == BN_CLICKED && (id == IDC_EMAIL_TO_PICK || id == IDC_EMAIL_CC_PICK))
    {
        const bool to = id == IDC_EMAIL_TO_PICK;
        AppendPickedAddress(GetSheetWindow(), GetDlgItem(to ? IDC_EMAIL_TO : IDC_EMAIL_CC), to ? 1 : 2);
        return true;
    }
    return CWizTaskPage::OnCommand(code, id, control);
}

bool CWizTaskScEmail::CheckNext()
{
    m_record.FType = static_cast<EnumFileType>(SendMessageW(GetDlgItem(IDC_EMAIL_TYPE), CB_GETCURSEL, 0, 0));
    m_record.Attached = IsItemChecked(IDC_EMAIL_ATTACH);
    const struct
    {
        UINT id;
        const wchar_t* missing;
    } kRequired[] = {
        {IDC_EMAIL_SERVER, L"Mail server is missing. This field cannot be empty. Please correct."},
        {IDC_EMAIL_FROM, L"Sender email address is missing. This field cannot be empty. Please correct."},
        {IDC_EMAIL_TO, L"Recipient email address is missing. This field cannot be empty. Please correct."},
    };
    for (const auto& required : kRequired)
        if (GetItemText(required.id).IsEmpty())
            return Refuse(required.missing, required.id);
    CString* values[] = {&m_record.Server, &m_record.From,    &m_record.To,
                         &m_record.CC,     &m_record.Subject, &m_record.Body};
    for (size_t i = 0; i < std::size(kTexts); ++i)
        *values[i] = GetItemText(kTexts[i].id);
    return true;
}
