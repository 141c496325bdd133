#include "VellWizSchTask/CWizTaskScPrinter.h"

#include "VellWizSchTask/TaskWizardResources.h"

CWizTaskScPrinter::CWizTaskScPrinter(CWizTaskPropSheet& sheet)
    : CWizTaskPage(sheet, IDD_WIZ_SC_PRINTER, IDS_WIZ_SC_PRINTER_TITLE, IDS_WIZ_SC_PRINTER_SUBTITLE)
{
}

BOOL CWizTaskScPrinter::OnInitDialog()
{
    CWizTaskPage::OnInitDialog();
    HWND combo = GetDlgItem(IDC_PRINTER_ORIENTATION);
    for (const auto& [name, orientation] : {std::pair{L"Portrait", PO_PORTRAIT}, std::pair{L"Landscape", PO_LANDSCAPE}})
        SendMessageW(combo, CB_SETITEMDATA, SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name)),
                     orientation);
    SetItemText(IDC_WZ_PRINTER_NAME, m_record.Name);
    SetItemText(IDC_WZ_PRINTER_DRIVER, m_record.DrvName);
    SetItemText(IDC_WZ_PRINTER_PORT, m_record.PortName);
    ShowOrientation(m_record.Orientation);
    CString copies;
    copies.Format(L"%d", m_record.NumCopies);
    SetItemText(IDC_WZ_PRINTER_COPIES, copies);
    return TRUE;
}

void CWizTaskScPrinter::ShowOrientation(EnumPageOrientation orientation) const
{
    SendMessageW(GetDlgItem(IDC_PRINTER_ORIENTATION), CB_SETCURSEL, orientation == PO_PORTRAIT ? 0 : 1, 0);
}

// The system's print setup fills the printer's fields with the printer chosen there.
void CWizTaskScPrinter::OnSettings()
{
    PRINTDLGW setup = {};
    setup.lStructSize = sizeof(setup);
    setup.hwndOwner = GetSheetWindow();
    setup.Flags = PD_PRINTSETUP | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE | PD_HIDEPRINTTOFILE;
    if (!PrintDlgW(&setup))
        return;
    const auto* names = static_cast<const DEVNAMES*>(GlobalLock(setup.hDevNames));
    const auto* mode = static_cast<const DEVMODEW*>(GlobalLock(setup.hDevMode));
    if (names && mode)
    {
        const auto* base = reinterpret_cast<const wchar_t*>(names);
        SetItemText(IDC_WZ_PRINTER_NAME, base + names->wDeviceOffset);
        SetItemText(IDC_WZ_PRINTER_DRIVER, base + names->wDriverOffset);
        SetItemText(IDC_WZ_PRINTER_PORT, base + names->wOutputOffset);
        CString copies;
        copies.Format(L"%d", mode->dmCopies);
        SetItemText(IDC_WZ_PRINTER_COPIES, copies);
        m_record.Orientation = mode->dmOrientation == DMORIENT_PORTRAIT ? PO_PORTRAIT : PO_LANDSCAPE;
        ShowOrientation(m_record.Orientation);
    }
    for (HGLOBAL block : {setup.hDevNames, setup.hDevMode})
        if (block)
        {
            GlobalUnlock(block);
            GlobalFree(block);
        }
}

bool CWizTaskScPrinter::OnCommand(UINT code, UINT id, HWND control)
{
    if (code == BN_CLICKED && id == IDC_WZ_PRINTER_SETTINGS)
    {
        OnSettings();
        return true;
    }
    if (code == CBN_SELCHANGE && id == IDC_PRINTER_ORIENTATION)
    {
        HWND combo = GetDlgItem(IDC_PRINTER_ORIENTATION);
        m_record.Orientation = static_cast<EnumPageOrientation>(
            SendMessageW(combo, CB_GETITEMDATA, SendMessageW(combo, CB_GETCURSEL, 0, 0), 0));
        return true;
    }
    return CWizTaskPage::OnCommand(code, id, control);
}

bool CWizTaskScPrinter::CheckNext()
{
    m_record.Name = GetItemText(IDC_WZ_PRINTER_NAME);
    m_record.DrvName = GetItemText(IDC_WZ_PRINTER_DRIVER);
    m_record.PortName = GetItemText(IDC_WZ_PRINTER_PORT);
    if (m_record.Name.IsEmpty())
        return Refuse(L"The Printer Name field is empty. Please enter a valid printer name.", IDC_WZ_PRINTER_NAME);
    if (m_record.DrvName.IsEmpty())
        return Refuse(L"The Driver Name field is empty. Please enter a valid driver name.", IDC_WZ_PRINTER_DRIVER);
    if (m_record.PortName.IsEmpty())
        return Refuse(L"The Port Name field is empty. Please enter a valid port name.", IDC_WZ_PRINTER_PORT);
    const CString copies = GetItemText(IDC_WZ_PRINTER_COPIES);
    const int number = GetItemInt(IDC_WZ_PRINTER_COPIES);
    if (copies.IsEmpty() || number < 1 || number > 999)
        return Refuse(L"You entered an invalid number of copies. Please enter a value between 1 and 999.",
                      IDC_WZ_PRINTER_COPIES);
    m_record.NumCopies = number;
    return true;
}
