#pragma once
// The hook procedures of the three slots and the dispatchers that route a hook call to
// the slot's window (by registered message) or callback. A code below 0 goes on to the
// next hook; any other code goes to the dispatcher, whose result is the hook's result.
#include <windows.h>

LRESULT CALLBACK CbtHookProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK RecorderHookProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK PlayerHookProc(int code, WPARAM wParam, LPARAM lParam);

// The recorder takes every event once, on the thread that installed it. A global journal-
// record hook runs where the system calls it: on Windows in the installer's thread for all
// input, under Wine in the process that receives the input. The low-level hooks always run
// on the installing thread. So both are installed; the low-level hooks give the events
// until the journal hook, called on the installing thread, reports input to a window of
// another process, which proves that the system calls it there for all input: from then
// on the journal hook gives them, skipping what the low-level hooks gave already. A
// journal call in any other process or thread does nothing at all.
//
// Starts a recording's choice of source; journalOnly when the low-level hooks are missing.
void StartRecorderSource(bool journalOnly);
// The low-level recorder's dispatcher.
LRESULT DispatchLowLevelEvent(int code, LPARAM event);

// event: the EVENTMSG of the journal call. Also called by the low-level recorder and the
// playback driver, which stand in for the journal hooks.
LRESULT DispatchRecorderEvent(int code, LPARAM event);
LRESULT DispatchPlayerEvent(int code, LPARAM event);
