#pragma once
// CInputInjector: replays one recorded event as real input. Keys go through SendInput;
// mouse events place the cursor with SetCursorPos and send their button through
// SendInput (an absolute SendInput move snaps back while a low-level mouse hook is
// installed); a window-move event puts its window back where it stood. Anything else,
// such as the zeroed event that starts a pass, is ignored.
#include <windows.h>

class CInputInjector
{
public:
    static void Inject(const EVENTMSG& event);

private:
    static void InjectKey(const EVENTMSG& event);
    static void InjectMouse(const EVENTMSG& event);
    static DWORD MouseButtonFlags(UINT message);
    static void MoveWindowBack(const EVENTMSG& event);
};
