#pragma once
// CInputInjector: replays recorded events as real input. Keys go through SendInput;
// mouse events place the cursor with SetCursorPos and send their button through
// SendInput (an absolute SendInput move snaps back while a low-level mouse hook is
// installed); a window-move event puts its window back where it stood. Anything else,
// such as the zeroed event that starts a pass, is ignored.
//
// The keys and buttons it pressed and has not released yet are kept, so that the end of
// a playback can release them: a recording ended by Ctrl+Break holds a Ctrl press with no
// release, which would otherwise stay down for the whole machine.
#include <vector>
#include <windows.h>

class CInputInjector
{
public:
    void Inject(const EVENTMSG& event);
    // Releases every key and button this injector pressed and did not release.
    void ReleaseHeld();

private:
    void InjectKey(const EVENTMSG& event);
    void InjectMouse(const EVENTMSG& event);
    static DWORD MouseButtonFlags(UINT message);
    static void MoveWindowBack(const EVENTMSG& event);
    void NoteKey(const KEYBDINPUT& key);

    std::vector<KEYBDINPUT> m_heldKeys; // in the order of their presses
    DWORD m_heldButtons = 0;            // MOUSEEVENTF_ button-down flags
};
