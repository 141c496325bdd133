#pragma once
// Every message box of the programs goes through AppMessageBox, so that a test (or an
// unattended run) can answer it without a window ever blocking.
#include "framework/CString.h"
#include <functional>

// Receives the text, caption and MB_* style; returns the button id (IDOK, IDYES, ...).
using MessageBoxHandler = std::function<int(const CString& text, const CString& caption, UINT type)>;

// Installs a handler for every later box and returns the previous one (empty: real boxes).
MessageBoxHandler AppSetMessageBoxHandler(MessageBoxHandler handler);

int AppMessageBox(const CString& text, UINT type = MB_OK, HWND owner = nullptr);
int AppMessageBox(UINT stringId, UINT type = MB_OK, HWND owner = nullptr);
// A box with a caption of its own instead of the program's name.
int AppMessageBox(const CString& text, const CString& caption, UINT type, HWND owner = nullptr);

// The caption of every box: the program's name.
void AppSetMessageBoxCaption(const CString& caption);
