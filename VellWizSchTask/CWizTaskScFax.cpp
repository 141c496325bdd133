#include "VellWizSchTask/CWizTaskScFax.h"

#include "VellWizSchTask/TaskWizardResources.h"
#include "capture/pages/CaptureUiHelpers.h"
#include "common/PathHelpers.h"

namespace
{
// The recipient's texts and their limits.
const struct
{
    UINT id;
    int limit;
} kTexts[] = {{IDC_FAX_NAME, 40},    {IDC_WZ_FAX_NUMBER, 20}, {IDC_WZ_FAX_COMPANY, 100}, {IDC_WZ_FAX_DEPARTMENT, 100},
              {IDC_WZ_FAX_SUBJECT, 100}, {IDC_WZ_FAX_NOTE, 500},  {IDC_FAX_COVER, 256}};
} // namespace

CWizTaskScFax::CWizTaskScFax(CWizTaskPropSheet& sheet)
    : CWizTaskPage(sheet, IDD_WIZ_SC_FAX, IDS_WIZ_SC_FAX_TITLE, IDS_WIZ_SC_FAX_SUBTITLE)
{
}

BOOL CWizTaskScFax::OnInitDialog()
{
    CWizTaskPage::OnInitDialog();
    FillNetworkServerCombo(GetDlgItem(IDC_FAX_SERVER), m_record.SvrName);
    const CString* values[] = {&m_record.RecName,       &m_record.RecNumber, &m_record.RecCompany,
                               &m_record.RecDepartment, &m_record.Subject,   &m_record.Note,
                               &m_record.CoverPageName};
    for (size_t i = 0; i < std::size(kTexts); ++i)
    {
        SendMessageW(GetDlgItem(kTexts[i].id), EM_LIMITTEXT, static_cast<WPARAM>(kTexts[i].limit), 0);
        SetItemText(kTexts[i].id, *values[i]);
    }
    CheckItem(IDC_WZ_FAX_USE_COVER, m_record.UseCoverPage);
    EnableCoverPage();
    return TRUE;
}

void CWizTaskScFax::EnableCoverPage() const
{
    for (UINT id : {IDC_WZ_FAX_COVER_LABEL, IDC_FAX_COVER, IDC_WZ_FAX_COVER_BROWSE, IDC_WZ_FAX_SUBJECT_LABEL, IDC_WZ_FAX_SUBJECT,
                    IDC_WZ_FAX_NOTE_LABEL, IDC_WZ_FAX_NOTE})
        EnableItem(id, m_record.UseCoverPage);
}

bool CWizTaskScFax::OnCommand(UINT code, UINT id, HWND control)
{
    if (code == BN_CLICKED && id == IDC_WZ_FAX_USE_COVER)
    {
        m_record.UseCoverPage = IsItemChecked(id);
        EnableCoverPage();
        return true;
    }
    if (code == BN_CLICKED && id == IDC_WZ_FAX_COVER_BROWSE)
    {
        BrowseForFile(IDC_FAX_COVER, L"Fax Cover Page Files (*.cov)|*.cov||");
        return true;
    }
    return CWizTaskPage::OnCommand(code, id, control);
}

bool CWizTaskScFax::CheckNext()
{
    HWND servers = GetDlgItem(IDC_FAX_SERVER);
    const auto selected = SendMessageW(servers, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR)
        return Refuse(L"Invalid network machine name. Please correct.", IDC_FAX_SERVER, MB_ICONINFORMATION);
    m_record.SvrName = GetItemText(IDC_FAX_SERVER);
    CString* values[] = {&m_record.RecName,       &m_record.RecNumber, &m_record.RecCompany,
                         &m_record.RecDepartment, &m_record.Subject,   &m_record.Note,
                         &m_record.CoverPageName};
    for (size_t i = 0; i < std::size(kTexts); ++i)
        *values[i] = GetItemText(kTexts[i].id);
    if (m_record.RecName.IsEmpty())
        return Refuse(L"The recipient name is missing. Please correct.", IDC_FAX_NAME, MB_ICONINFORMATION);
    if (m_record.RecNumber.IsEmpty())
        return Refuse(L"The fax number is missing. Please correct.", IDC_WZ_FAX_NUMBER, MB_ICONINFORMATION);
    if (m_record.UseCoverPage && !FileExists(m_record.CoverPageName))
        return Refuse(L"Fax cover page file does not exist.", IDC_FAX_COVER, MB_ICONINFORMATION);
    return true;
}
