#include "app/CAboutDlg.h"

#include "app/AppIds.h"

const wchar_t* const CAboutDlg::kPageAddress = L"https://www.talvono.example/vellumor";

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX)
{
}

// The link goes first, then the dialog.
CAboutDlg::~CAboutDlg()
{
    if (m_link.GetSafeHwnd())
        ::DestroyWindow(m_link.GetSafeHwnd());
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_link.SubclassDlgItem(IDC_ABOUT_LINK, GetSafeHwnd());
    m_link.SetLink(kPageAddress);
    return TRUE;
}
