#include "capture/pages/CDlgPickAddress.h"

#include "capture/pages/PagesIds.h"

CDlgPickAddress::CDlgPickAddress(const std::vector<CString>& addresses, HWND parent)
    : CDialog(IDD_PICK_ADDRESS, parent), m_addresses(addresses)
{
}

BOOL CDlgPickAddress::OnInitDialog()
{
    CDialog::OnInitDialog();
    HWND list = GetDlgItem(IDC_PICK_ADDRESS_LIST);
    for (const CString& address : m_addresses)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(address.GetString()));
    // The second entry only when there is one: a lone address must stay selectable by OK.
    const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    SendMessageW(list, LB_SETCURSEL, count >= 2 ? 1 : 0, 0);
    return TRUE;
}

void CDlgPickAddress::OnOK()
{
    HWND list = GetDlgItem(IDC_PICK_ADDRESS_LIST);
    const auto index = SendMessageW(list, LB_GETCURSEL, 0, 0);
    const auto length = index == LB_ERR ? LB_ERR : SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length != LB_ERR)
    {
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
        m_chosen = text.c_str();
    }
    EndDialog(IDOK);
}
