#include "Info/InfoScPrinter.h"
#include "Info/RegistryValues.h"

#include <winspool.h>

#include <vector>

InfoScPrinter::InfoScPrinter() : InfoScPrinter(L"Printer not selected", L"", L"", false, PO_PORTRAIT, 1, 0, 1)
{
    TakeDefaultPrinter();
}

InfoScPrinter::InfoScPrinter(const CString& name, const CString& drvName, const CString& portName, bool showDlg,
                             EnumPageOrientation orientation, int numCopies, int duration, int frequence)
    : Name(name), DrvName(drvName), PortName(portName), ShowDlg(showDlg), Orientation(orientation),
      NumCopies(numCopies), Duration(duration), Frequence(frequence)
{
}

InfoScPrinter::InfoScPrinter(const InfoScPrinter& other) = default;
InfoScPrinter& InfoScPrinter::operator=(const InfoScPrinter& other) = default;
InfoScPrinter::~InfoScPrinter() = default;

bool InfoScPrinter::operator==(const InfoScPrinter& o) const
{
    return Name == o.Name && DrvName == o.DrvName && PortName == o.PortName && ShowDlg == o.ShowDlg &&
           Orientation == o.Orientation && NumCopies == o.NumCopies && Duration == o.Duration &&
           Frequence == o.Frequence;
}

// Takes name, driver, port, copies and orientation of the system's default printer; the
// fields stay as they are when there is no default printer or its settings cannot be had.
void InfoScPrinter::TakeDefaultPrinter()
{
    DWORD chars = 0;
    GetDefaultPrinterW(nullptr, &chars);
    if (chars == 0)
        return;
    std::vector<wchar_t> name(chars);
    if (!GetDefaultPrinterW(name.data(), &chars))
        return;

    HANDLE printer = nullptr;
    if (!OpenPrinterW(name.data(), &printer, nullptr))
        return;
    DWORD bytes = 0;
    GetPrinterW(printer, 2, nullptr, 0, &bytes);
    std::vector<BYTE> buffer(bytes);
    bool ok = bytes != 0 && GetPrinterW(printer, 2, buffer.data(), bytes, &bytes);
    ClosePrinter(printer);
    if (!ok)
        return;

    const auto* info = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
    Name = name.data();
    DrvName = info->pDriverName ? info->pDriverName : L"";
    PortName = info->pPortName ? info->pPortName : L"";
    if (const DEVMODEW* mode = info->pDevMode)
    {
        if (mode->dmFields & DM_COPIES)
            NumCopies = mode->dmCopies;
        if (mode->dmFields & DM_ORIENTATION)
            Orientation = static_cast<EnumPageOrientation>(mode->dmOrientation);
    }
}

RegistryValues InfoScPrinter::Values()
{
    RegistryValues values(L"ScreenCapture\\Printer");
    values.Add(L"Name", Name, {2})
        .Add(L"DrvName", DrvName, {2})
        .Add(L"PortName", PortName, {2})
        .Add(L"ShowDlg", ShowDlg, {1})
        .Add(L"Orientation", Orientation, {2})
        .Add(L"NumCopies", NumCopies, {2})
        .Add(L"Duration", Duration, {3})
        .Add(L"Frequence", Frequence, {3});
    return values;
}

bool InfoScPrinter::LoadFromRegistry()
{
    return Values().Load();
}

bool InfoScPrinter::SaveToRegistry(unsigned int part)
{
    return Values().Save(part);
}
