#pragma once
// Real input to the program's windows. Each call sends its events as one batch and waits
// until they have passed the low-level hooks (TestInput.h), so that they reach the
// program's queue in the order of the calls; a call that the next input depends on also
// waits until the window's thread has taken them (MainProgram::TookInput).
#include <initializer_list>
#include <windows.h>

namespace app_test
{
// A left click in the middle of the window.
bool ClickCenterOf(HWND window);
// A left double click at the screen point over the window, once the window's thread has
// taken the pointer's move there: a title tip that the move shows is up before the first
// press.
bool DoubleClickAt(HWND window, POINT point);
// Presses the keys in their order and lets them go in the reverse order: modifiers first.
bool PressTogether(std::initializer_list<WORD> keys);
// Presses and lets go of each key in turn.
bool PressInTurn(std::initializer_list<WORD> keys);
} // namespace app_test
