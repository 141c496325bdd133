#include "capture/dialogs/CDlgOptions.h"

#include "capture/dialogs/DialogResources.h"
#include "framework/AppWindowText.h"

CDlgOptions::CDlgOptions(CGlobalOptions& options, HWND parent) : CDialog(IDD_OPTIONS, parent), m_options(options)
{
    m_options.LoadFromRegistry();
}

BOOL CDlgOptions::OnInitDialog()
{
    CDialog::OnInitDialog();
    CheckDlgButton(GetSafeHwnd(), IDC_OPTS_ERROR_LOG, m_options.GetShowErrorLog() ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(GetSafeHwnd(), IDC_OPTS_DATA, m_options.GetShowData() ? BST_CHECKED : BST_UNCHECKED);
    CString lines;
    lines.Format(L"%d", static_cast<int>(m_options.GetMaxLines()));
    SetDlgItemTextW(GetSafeHwnd(), IDC_OPTS_MAX_LINES, lines);
    m_maxLines.SubclassDlgItem(IDC_OPTS_MAX_LINES, GetSafeHwnd());
    m_maxLines.SetType(CNumberEdit::kUnsigned32);
    m_maxLines.SetMin(kMinLines);
    m_maxLines.SetMax(kMaxLines);
    return TRUE;
}

void CDlgOptions::OnOK()
{
    const CString text = AppGetWindowText(m_maxLines);
    if (!m_maxLines.Validate(text))
        return;
    m_options.SetOptions(IsDlgButtonChecked(GetSafeHwnd(), IDC_OPTS_ERROR_LOG) == BST_CHECKED,
                         IsDlgButtonChecked(GetSafeHwnd(), IDC_OPTS_DATA) == BST_CHECKED,
                         static_cast<DWORD>(_wtoi(text)));
    EndDialog(IDOK);
}
