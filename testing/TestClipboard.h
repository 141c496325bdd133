#pragma once
// The clipboard as a test reads and clears it (any process's copy lands there).
#include "framework/CString.h"

// The clipboard's Unicode text; empty when there is none or it cannot be opened.
CString ClipboardText();
// Empties the clipboard.
void ClearClipboard();
