#include "VellWizSchTask/CWizTaskScEditor.h"

#include "VellWizSchTask/TaskWizardResources.h"
#include "capture/pages/CPPagePropsScEditor.h"
#include "capture/pages/CaptureUiHelpers.h"
#include "common/PathHelpers.h"

CWizTaskScEditor::CWizTaskScEditor(CWizTaskPropSheet& sheet)
    : CWizTaskPage(sheet, IDD_WIZ_SC_EDITOR, IDS_WIZ_SC_EDITOR_TITLE, IDS_WIZ_SC_EDITOR_SUBTITLE)
{
}

BOOL CWizTaskScEditor::OnInitDialog()
{
    CWizTaskPage::OnInitDialog();
    SendMessageW(GetDlgItem(IDC_EDITOR_PROGRAM), EM_LIMITTEXT, 260, 0);
    SetItemText(IDC_EDITOR_PROGRAM, m_record.FName);
    FillImageTypeCombo(GetDlgItem(IDC_EDITOR_TYPE), m_record.FType, false, false);
    const bool found = !CPPagePropsScEditor::FindCompanyEditor().IsEmpty();
    EnableItem(IDC_WZ_EDITOR_SELECT, found);
    EnableItem(IDC_EDITOR_SELECT_LABEL, found);
    return TRUE;
}

bool CWizTaskScEditor::OnCommand(UINT code, UINT id, HWND control)
{
    if (code == BN_CLICKED && id == IDC_WZ_EDITOR_BROWSE)
    {
        BrowseForFile(IDC_EDITOR_PROGRAM, L"Executable Files (*.exe)|*.exe||");
        return true;
    }
    if (code == BN_CLICKED && id == IDC_WZ_EDITOR_SELECT)
    {
        SetItemText(IDC_EDITOR_PROGRAM, CPPagePropsScEditor::FindCompanyEditor());
        return true;
    }
    if (code == CBN_SELCHANGE && id == IDC_EDITOR_TYPE)
    {
        m_record.FType = static_cast<EnumFileType>(SendMessageW(GetDlgItem(IDC_EDITOR_TYPE), CB_GETCURSEL, 0, 0));
        return true;
    }
    return CWizTaskPage::OnCommand(code, id, control);
}

bool CWizTaskScEditor::CheckNext()
{
    m_record.FName = GetItemText(IDC_EDITOR_PROGRAM);
    return FileExists(m_record.FName) || Refuse(L"Editor file does not exist.", IDC_EDITOR_PROGRAM,
                                                MB_ICONINFORMATION);
}
