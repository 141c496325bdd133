#pragma once
// The module whose resources (string table, dialogs, icons) the framework loads from.
#include <windows.h>

HINSTANCE AppGetResourceHandle();
void AppSetResourceHandle(HINSTANCE module);
