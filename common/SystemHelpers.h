#pragma once
// Starting programs, texts of system and COM error codes, the mouse cursor in screen
// captures and unique window class names.
#include "framework/CString.h"

class CMemoryDC;

// Starts commandLine as a new process and does not wait for it. startup may be null
// (a zeroed one is used); processId, when given, receives the new process's id. False
// with a message text when the process cannot start.
bool LaunchApplication(STARTUPINFOW* startup, const CString& commandLine, CString& error, DWORD* processId = nullptr);

// The system's message text for the calling thread's last error; empty when none.
CString GetLastErrorText();
// The system's message text for a Win32 error code; empty when none.
CString GetSystemErrorText(DWORD code);
// The message text of a failure code, "Unknown Error: 0x%2x" for any other code.
CString GetHResultText(HRESULT hr);

// Draws the current mouse cursor onto the display so that a following screen grab holds
// it, and returns the rectangle drawn over (empty when no cursor is shown). With a
// memoryDC, a snapshot of the screen is taken first, for RestoreScreenRect.
RECT DrawMouseCursor(CMemoryDC* memoryDC);
// Copies rect of memoryDC's snapshot back onto the display at the same place.
void RestoreScreenRect(const RECT& rect, const CMemoryDC* memoryDC);

// name when this module has no window class of that name, else the first free name of
// "name_1", "name_2", ...
CString GetUniqueWindowClassName(const CString& name);
