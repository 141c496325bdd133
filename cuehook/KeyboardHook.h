#pragma once
// The training hot keys of this process (the low-level keyboard hook of HookCBTKeyboard).
#include <windows.h>

// Stores the low byte of flag as the record flag (1: the hot keys mean Record, anything
// else: Play) and returns it.
BYTE SetTrainingRecordFlag(int flag);

// The window the training hot keys are sent to; null while the hook is not installed.
HWND GetTrainingHotKeyWindow();
