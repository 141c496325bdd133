#include "capture/dialogs/CDlgVideoRecFrameRate.h"

#include "capture/dialogs/DialogResources.h"
#include "framework/AppWindowText.h"

#include <commctrl.h>

CDlgVideoRecFrameRate::CDlgVideoRecFrameRate(bool useFrameRate, int frameRate, HWND parent)
    : CDialog(IDD_FRAME_RATE, parent), m_useFrameRate(useFrameRate), m_frameRate(frameRate)
{
}

BOOL CDlgVideoRecFrameRate::OnInitDialog()
{
    CDialog::OnInitDialog();
    CheckDlgButton(GetSafeHwnd(), IDC_RATE_USE, m_useFrameRate ? BST_CHECKED : BST_UNCHECKED);
    HWND spin = GetDlgItem(IDC_RATE_SPIN);
    SendMessageW(spin, UDM_SETRANGE32, kMinRate, kMaxRate);
    SendMessageW(spin, UDM_SETPOS32, 0, m_frameRate);
    CString rate;
    rate.Format(L"%d", m_frameRate);
    SetDlgItemTextW(GetSafeHwnd(), IDC_RATE_EDIT, rate);
    m_rate.SubclassDlgItem(IDC_RATE_EDIT, GetSafeHwnd());
    m_rate.SetType(CNumberEdit::kUnsigned32);
    m_rate.SetMin(kMinRate);
    m_rate.SetMax(kMaxRate);
    EnableRateControls();
    return TRUE;
}

void CDlgVideoRecFrameRate::EnableRateControls()
{
    const bool use = IsDlgButtonChecked(GetSafeHwnd(), IDC_RATE_USE) == BST_CHECKED;
    for (UINT id : {IDC_RATE_LABEL, IDC_RATE_EDIT, IDC_RATE_SPIN, IDC_RATE_UNIT})
        EnableWindow(GetDlgItem(id), use);
}

bool CDlgVideoRecFrameRate::OnCommand(UINT code, UINT id, HWND control)
{
    if (id == IDC_RATE_USE && code == BN_CLICKED)
    {
        EnableRateControls();
        return true;
    }
    return CDialog::OnCommand(code, id, control);
}

void CDlgVideoRecFrameRate::OnOK()
{
    const CString text = AppGetWindowText(m_rate);
    if (!m_rate.Validate(text))
        return;
    m_useFrameRate = IsDlgButtonChecked(GetSafeHwnd(), IDC_RATE_USE) == BST_CHECKED;
    m_frameRate = _wtoi(text);
    EndDialog(IDOK);
}
