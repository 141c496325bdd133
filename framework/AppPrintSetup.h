#pragma once
// The application's printer: the device the user chose last in a print set-up dialog, kept
// for the whole run, and the set-up dialog that changes it. The dialog goes through
// AppPrintSetup, so that a test (or an unattended run) can answer it the way
// AppMessageBox's handler answers message boxes.
#include "framework/CString.h"

#include <functional>
#include <windows.h>
#include <commdlg.h>

struct PrintSetupChoice
{
    CString device;
    CString driver;
    CString port;
    int copies = 1;
    // DMORIENT_PORTRAIT or DMORIENT_LANDSCAPE; 0 when the dialog returned no device mode.
    int orientation = 0;
};

// Receives the owner window; true with the choice when the user chose (OK).
using PrintSetupHandler = std::function<bool(HWND owner, PrintSetupChoice& choice)>;

// Installs a handler for every later set-up and returns the previous one (empty: the real
// dialog). The handler answers in place of the dialog; the application's printer stays.
PrintSetupHandler AppSetPrintSetupHandler(PrintSetupHandler handler);

// The print set-up dialog (set-up only: no selection, no page range, no print-to-file, no
// help; copies come from the device mode), starting at the application's printer. On OK
// the choice becomes the application's printer and is returned; false when cancelled.
bool AppPrintSetup(HWND owner, PrintSetupChoice& choice);

// The print dialog described by dialog (owner, flags; its device handles are the
// application's), starting at the application's printer; the printer it ends on becomes the
// application's. The dialog's result.
bool AppPrintDialog(PRINTDLGW& dialog);

// The application's printer; false before a print set-up dialog of this run gave one.
bool AppGetPrinter(PrintSetupChoice& choice);
