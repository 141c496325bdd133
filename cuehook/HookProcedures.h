#pragma once
// The hook procedures of the three slots and the dispatchers that route a hook call to
// the slot's window (by registered message) or callback. A code below 0 goes on to the
// next hook; any other code goes to the dispatcher, whose result is the hook's result.
#include <windows.h>

LRESULT CALLBACK CbtHookProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK RecorderHookProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK PlayerHookProc(int code, WPARAM wParam, LPARAM lParam);

// event: the EVENTMSG of the journal call. Also called by the low-level recorder and the
// playback driver, which stand in for the journal hooks.
LRESULT DispatchRecorderEvent(int code, LPARAM event);
LRESULT DispatchPlayerEvent(int code, LPARAM event);
