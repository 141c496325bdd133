#include "framework/AppPrintSetup.h"

#include <commdlg.h>

namespace
{
PrintSetupHandler& Handler()
{
    static PrintSetupHandler handler;
    return handler;
}

// The device mode and names of the application's printer (global memory that the print
// dialog takes, may reallocate and gives back); null before the first dialog.
struct ApplicationPrinter
{
    HGLOBAL devMode = nullptr;
    HGLOBAL devNames = nullptr;
};

ApplicationPrinter& Printer()
{
    static ApplicationPrinter printer;
    return printer;
}

void ReadDevNames(HGLOBAL memory, PrintSetupChoice& choice)
{
    auto* names = static_cast<const DEVNAMES*>(GlobalLock(memory));
    if (!names)
        return;
    const auto* text = reinterpret_cast<const wchar_t*>(names);
    choice.driver = text + names->wDriverOffset;
    choice.device = text + names->wDeviceOffset;
    choice.port = text + names->wOutputOffset;
    GlobalUnlock(memory);
}

void ReadDevMode(HGLOBAL memory, PrintSetupChoice& choice)
{
    auto* mode = static_cast<const DEVMODEW*>(GlobalLock(memory));
    if (!mode)
        return;
    if (mode->dmFields & DM_COPIES)
        choice.copies = mode->dmCopies;
    if (mode->dmFields & DM_ORIENTATION)
        choice.orientation = mode->dmOrientation;
    GlobalUnlock(memory);
}

void ReadPrinter(PrintSetupChoice& choice)
{
    choice = PrintSetupChoice();
    ReadDevNames(Printer().devNames, choice);
    if (Printer().devMode)
        ReadDevMode(Printer().devMode, choice);
}
} // namespace

PrintSetupHandler AppSetPrintSetupHandler(PrintSetupHandler handler)
{
    PrintSetupHandler previous = Handler();
    Handler() = std::move(handler);
    return previous;
}

bool AppPrintDialog(PRINTDLGW& dialog)
{
    dialog.lStructSize = sizeof dialog;
    dialog.hDevMode = Printer().devMode;
    dialog.hDevNames = Printer().devNames;
    const bool chosen = PrintDlgW(&dialog) != FALSE;
    // The dialog frees or reallocates the memory it was given and hands back what is
    // current, also when cancelled.
    Printer().devMode = dialog.hDevMode;
    Printer().devNames = dialog.hDevNames;
    return chosen;
}

bool AppPrintSetup(HWND owner, PrintSetupChoice& choice)
{
    if (Handler())
        return Handler()(owner, choice);
    PRINTDLGW setup = {};
    setup.hwndOwner = owner;
    setup.Flags = PD_PRINTSETUP | PD_NOSELECTION | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_USEDEVMODECOPIESANDCOLLATE;
    const bool chosen = AppPrintDialog(setup);
    if (chosen)
        ReadPrinter(choice);
    return chosen;
}

bool AppGetPrinter(PrintSetupChoice& choice)
{
    if (!Printer().devNames)
        return false;
    ReadPrinter(choice);
    return true;
}
