#include "capture/pages/CPPagePropsScPrinter.h"

#include "Info/InfoScPrinter.h"
#include "capture/pages/PagesIds.h"

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
    LimitText(IDC_PRINTER_COPIES, 3);
}

void CPPagePropsScPrinter::RecordToControls()
{
    auto& record = CopyAs<InfoScPrinter>();
    SetText(IDC_PRINTER_NAME, record.Name);
    SetText(IDC_PRINTER_DRIVER, record.DrvName);
    SetText(IDC_PRINTER_PORT, record.PortName);
    SetComboIndex(IDC_PAGE_COMBO, record.Orientation == PO_PORTRAIT ? 0 : 1);
    SetNumber(IDC_PRINTER_COPIES, record.NumCopies);
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

bool CPPagePropsScPrinter::OnCommand(UINT code, UINT id, HWND control)
{
    if (id == IDC_PAGE_COMBO && code == CBN_SELCHANGE)
    {
        auto data = SendMessageW(GetDlgItem(IDC_PAGE_COMBO), CB_GETITEMDATA, GetComboIndex(IDC_PAGE_COMBO), 0);
        CopyAs<InfoScPrinter>().Orientation = static_cast<EnumPageOrientation>(data);
        return true;
    }
    return CPPagePropsScBase::OnCommand(code, id, control);
}
