#pragma once
// Every open-file and save-file dialog and every folder browser of the programs goes
// through AppFileDialog, so that a test (or an unattended run) can answer it the way
// AppMessageBox's handler answers message boxes, without a dialog ever blocking.
#include "framework/CString.h"

#include <functional>
#include <vector>
#include <windows.h>

struct FileDialogRequest
{
    bool save = false; // a save-file dialog instead of an open-file dialog
    // The shell's folder browser instead of a file dialog: it starts at initialPath and
    // shows title above the tree; filter, extension and flags do not apply.
    bool folder = false;
    // The name (or full path) the dialog starts with.
    CString initialPath;
    // Pairs of description and pattern, each closed by "|", the list closed by one more
    // "|": "Video Files (*.avi)|*.avi||". Empty: no filter.
    CString filter;
    // Appended to a typed name without one (no dot); empty for none.
    CString defaultExtension;
    CString title;   // empty: the system's title
    DWORD flags = 0; // OFN_*; OFN_ALLOWMULTISELECT lets the user choose several files
    HWND owner = nullptr;
};

struct FileDialogResult
{
    bool chosen = false; // the user chose (OK); false when cancelled or failed
    // The common-dialog error code of a failure (CommDlgExtendedError); 0 when the
    // user cancelled or chose.
    DWORD error = 0;
    // The full paths chosen: one, or several with OFN_ALLOWMULTISELECT; the folder of a
    // folder browser.
    std::vector<CString> paths;
};

using FileDialogHandler = std::function<FileDialogResult(const FileDialogRequest& request)>;

// Installs a handler for every later dialog and returns the previous one (empty: real
// dialogs).
FileDialogHandler AppSetFileDialogHandler(FileDialogHandler handler);

// Shows the dialog the request describes, or asks the installed handler.
FileDialogResult AppFileDialog(const FileDialogRequest& request);

// The paths an explorer-style dialog returned in its name buffer: one full path, or,
// for several files, the folder followed by each name, every piece closed by a null
// character and the list by one more.
std::vector<CString> ParseFileDialogNames(const wchar_t* buffer);

// The filter in the dialog's own form: every "|" becomes a null character.
std::wstring FileDialogFilter(const CString& filter);
