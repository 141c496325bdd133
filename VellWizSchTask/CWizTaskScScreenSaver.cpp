#include "VellWizSchTask/CWizTaskScScreenSaver.h"

#include "VellWizSchTask/TaskWizardResources.h"
#include "common/PathValidation.h"

CWizTaskScScreenSaver::CWizTaskScScreenSaver(CWizTaskPropSheet& sheet)
    : CWizTaskPage(sheet, IDD_WIZ_SC_SCREENSAVER, IDS_WIZ_SC_SAVER_TITLE, IDS_WIZ_SC_SAVER_SUBTITLE)
{
}

BOOL CWizTaskScScreenSaver::OnInitDialog()
{
    CWizTaskPage::OnInitDialog();
    SendMessageW(GetDlgItem(IDC_WZ_SAVER_NAME), EM_LIMITTEXT, 256, 0);
    SetItemText(IDC_WZ_SAVER_NAME, m_record.Name);
    CheckItem(IDC_WZ_SAVER_UNIQUE, m_record.Unique);
    CheckItem(IDC_WZ_SAVER_CURRENT, m_record.MakeCurrent);
    return TRUE;
}

bool CWizTaskScScreenSaver::OnCommand(UINT code, UINT id, HWND control)
{
    if (code == BN_CLICKED && (id == IDC_WZ_SAVER_UNIQUE || id == IDC_WZ_SAVER_CURRENT))
    {
        (id == IDC_WZ_SAVER_UNIQUE ? m_record.Unique : m_record.MakeCurrent) = IsItemChecked(id);
        return true;
    }
    return CWizTaskPage::OnCommand(code, id, control);
}

bool CWizTaskScScreenSaver::CheckNext()
{
    m_record.Name = GetItemText(IDC_WZ_SAVER_NAME);
    CString error;
    return ValidateFileName(m_record.Name, error) || Refuse(error, IDC_WZ_SAVER_NAME);
}
