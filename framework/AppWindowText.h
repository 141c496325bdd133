#pragma once
// A window's text as a CString, for windows of any kind (controls included).
#include "framework/CString.h"

CString AppGetWindowText(HWND window);
// A dialog item's text; empty when the dialog has no item of the id.
CString AppGetDlgItemText(HWND dialog, UINT id);
