#include "VellWizSchTask/CWizTaskScClipboard.h"

#include "VellWizSchTask/TaskWizardResources.h"
#include "capture/pages/CaptureUiHelpers.h"

CWizTaskScClipboard::CWizTaskScClipboard(CWizTaskPropSheet& sheet)
    : CWizTaskPage(sheet, IDD_WIZ_SC_CLIPBOARD, IDS_WIZ_SC_CLIPBOARD_TITLE, IDS_WIZ_SC_CLIPBOARD_SUBTITLE)
{
}

BOOL CWizTaskScClipboard::OnInitDialog()
{
    CWizTaskPage::OnInitDialog();
    FillImageTypeCombo(GetDlgItem(IDC_WZ_CLIPBOARD_FORMAT), m_record.FType, false, true);
    return TRUE;
}

bool CWizTaskScClipboard::OnCommand(UINT code, UINT id, HWND control)
{
    if (code == CBN_SELCHANGE && id == IDC_WZ_CLIPBOARD_FORMAT)
    {
        m_record.FType =
            static_cast<EnumFileType>(SendMessageW(GetDlgItem(IDC_WZ_CLIPBOARD_FORMAT), CB_GETCURSEL, 0, 0));
        return true;
    }
    return CWizTaskPage::OnCommand(code, id, control);
}
