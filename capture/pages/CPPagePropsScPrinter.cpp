#include "capture/pages/CPPagePropsScPrinter.h"

#include "Info/InfoScPrinter.h"
#include "capture/pages/PagesIds.h"
#include "framework/AppPrintSetup.h"

CPPagePropsScPrinter::CPPagePropsScPrinter() : CPPagePropsScBase(IDD_PROPS_SC_PRINTER, SP_SC_PRINTER, 0, 2, false) {}

void CPPagePropsScPrinter::InitControls()
{
    HWND combo = GetDlgItem(IDC_PAGE_COMBO);
    const struct
    {
        const wchar_t* name;
        EnumPageOrientation orientation;
    } kItems[] = {{L"Portrait", PO_PORTRAIT}, {L"Landscape", PO_LANDSCAPE}};
    for (const auto& item : kItems)
    {
        auto index = SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.name));
        SendMessageW(combo, CB_SETITEMDATA, static_cast<WPARAM>(index), item.orientation);
    }
    BindNumber(m_copies, IDC_PRINTER_COPIES, 1, 999);
}

void CPPagePropsScPrinter::RecordToControls()
{
    auto& record = CopyAs<InfoScPrinter>();
    SetText(IDC_PRINTER_NAME, record.Name);
    SetText(IDC_PRINTER_DRIVER, record.DrvName);
    SetText(IDC_PRINTER_PORT, record.PortName);
    ShowOrientation();
    SetNumber(IDC_PRINTER_COPIES, record.NumCopies);
}

// Any orientation other than portrait shows as landscape.
void CPPagePropsScPrinter::ShowOrientation()
{
    SetComboIndex(IDC_PAGE_COMBO, CopyAs<InfoScPrinter>().Orientation == PO_PORTRAIT ? 0 : 1);
}

void CPPagePropsScPrinter::ReadControls()
{
    auto& record = CopyAs<InfoScPrinter>();
    record.Name = GetText(IDC_PRINTER_NAME);
    record.DrvName = GetText(IDC_PRINTER_DRIVER);
    record.PortName = GetText(IDC_PRINTER_PORT);
    record.NumCopies = GetNumber(IDC_PRINTER_COPIES);
}

bool CPPagePropsScPrinter::Check()
{
    return CheckRequiredTexts({{IDC_PRINTER_NAME, LoadText(IDS_PAGE_PRINTER_NAME_EMPTY)},
                               {IDC_PRINTER_DRIVER, LoadText(IDS_PAGE_DRIVER_NAME_EMPTY)},
                               {IDC_PRINTER_PORT, LoadText(IDS_PAGE_PORT_NAME_EMPTY)}},
                              MB_ICONEXCLAMATION);
}

// The printer chosen in the set-up dialog (which also becomes the application's printer)
// fills the page; its orientation is taken only when the dialog gave a device mode.
void CPPagePropsScPrinter::ChoosePrinter()
{
    PrintSetupChoice choice;
    if (!AppPrintSetup(GetSafeHwnd(), choice))
        return;
    SetText(IDC_PRINTER_NAME, choice.device);
    SetText(IDC_PRINTER_DRIVER, choice.driver);
    SetText(IDC_PRINTER_PORT, choice.port);
    SetNumber(IDC_PRINTER_COPIES, choice.copies);
    if (choice.orientation == 0)
        return;
    CopyAs<InfoScPrinter>().Orientation = static_cast<EnumPageOrientation>(choice.orientation);
    ShowOrientation();
}

bool CPPagePropsScPrinter::OnCommand(UINT code, UINT id, HWND control)
{
    if (id == IDC_PAGE_COMBO && code == CBN_SELCHANGE)
    {
        auto data = SendMessageW(GetDlgItem(IDC_PAGE_COMBO), CB_GETITEMDATA, GetComboIndex(IDC_PAGE_COMBO), 0);
        CopyAs<InfoScPrinter>().Orientation = static_cast<EnumPageOrientation>(data);
        return true;
    }
    if (id == IDC_PRINTER_SETTINGS && code == BN_CLICKED)
    {
        ChoosePrinter();
        return true;
    }
    return CPPagePropsScBase::OnCommand(code, id, control);
}
