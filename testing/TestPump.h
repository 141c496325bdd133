#pragma once
// Message pumping of the test programs, built on the framework's nested loop. A test that
// awaits something pumps until its condition holds, with a limit that only a fault
// reaches; a fixed pump serves only the checks that nothing happens meanwhile.
#include "framework/AppMessageLoop.h"
#include <functional>

// Far beyond what any wait needs: reaching it means the awaited event never came.
const DWORD kTestGiveUpMs = 10000;

// Sees each message before it is dispatched.
using MessageSeen = std::function<void(const MSG&)>;

// Dispatches this thread's messages until done() holds or limitMs have passed; true when
// done() held.
bool PumpUntil(const std::function<bool()>& done, DWORD limitMs = kTestGiveUpMs, const MessageSeen& seen = nullptr);

// Waits for the handle while dispatching this thread's messages (other processes and
// threads may send to this thread's windows meanwhile); false when it never came.
bool PumpUntilSignalled(HANDLE handle, DWORD limitMs = kTestGiveUpMs);

// Brings the window to the front and dispatches this thread's messages until it is the
// foreground window; the display may hand the front to a window of an earlier test
// meanwhile, so the request is repeated. False when it never came.
bool PumpUntilInFront(HWND window, DWORD limitMs = kTestGiveUpMs);

// Dispatches this thread's messages for ms milliseconds.
void PumpFor(DWORD ms, const MessageSeen& seen = nullptr);
