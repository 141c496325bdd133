#pragma once
// The module whose resources (string table, dialogs, icons) the framework loads from, and
// the module the calling code is linked into.
#include <windows.h>

HINSTANCE AppGetResourceHandle();
void AppSetResourceHandle(HINSTANCE module);

// The module (program or DLL) this code is linked into: the owner of its window classes
// and the place of its own files.
HMODULE AppGetCodeModule();
