#include "VellWizSchTask/CWizTaskIntro.h"

#include "VellWizSchTask/TaskWizardResources.h"

CWizTaskIntro::CWizTaskIntro(CWizTaskPropSheet& sheet) : CWizTaskPage(sheet, IDD_WIZ_INTRO, 0, 0)
{
}

BOOL CWizTaskIntro::OnInitDialog()
{
    CWizTaskPage::OnInitDialog();
    CString text;
    text.LoadString(m_newTask ? IDS_WIZ_INTRO_NEW : IDS_WIZ_INTRO_MODIFY);
    SetItemText(IDC_INTRO_TEXT, text);
    return TRUE;
}

bool CWizTaskIntro::OnSetActive()
{
    SetWizardButtons(PSWIZB_NEXT);
    return CPropertyPage::OnSetActive();
}
