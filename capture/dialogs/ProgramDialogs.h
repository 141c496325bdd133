#pragma once
// The main window's dialogs, each opened with one call. Find is modeless and lives as
// long as the frame: the frame keeps the object OpenFind returns.
#include "capture/dialogs/CDlgSearch.h"
#include "capture/timing/CGlobalOptions.h"

#include <memory>

// The errors log, modal.
void ShowErrorsLog(HWND parent);
// The output window's options, modal, editing the given ones; IDOK when they were stored.
INT_PTR ShowOptions(CGlobalOptions& options, HWND parent);
// The last capture's picture, modal; the bitmap stays the caller's.
void ShowLastCapture(HBITMAP picture, HWND parent);
// Shows Find, made on first use into finder (kept by the caller).
void OpenFind(std::unique_ptr<CDlgSearch>& finder, ISearchHost& host, HWND parent);
