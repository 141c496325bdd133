#pragma once
// The program's HTML help and the F1 key.
#include "framework/CString.h"

// The command that asks the main window for help.
#ifndef ID_HELP
#define ID_HELP 0xE146
#endif

// Opens helpFile from the program's folder in HTML Help: at context id topic when
// command is HELP_CONTEXT (1), else at the file's default topic. A failure is shown in a
// message box titled "Help Error". HTML Help (hhctrl.ocx) is loaded on first use.
void ShowHtmlHelp(DWORD_PTR topic, UINT command, const CString& helpFile);

// Sends ID_HELP to the main window when there is one and neither Shift, Ctrl nor Alt is
// down; true when it was sent.
bool ProcessHelpKey();
