#pragma once
// The thread's message loops. AppRunMessageLoop is the application's loop; AppPumpUntil
// is the one nested loop: it dispatches messages until a condition holds or a deadline
// passes, and hands a WM_QUIT it meets on to the enclosing loop.
#include <functional>
#include <windows.h>

// Dispatches the thread's messages until WM_QUIT; its exit code.
int AppRunMessageLoop();

// Sees a message before it is dispatched; true when it took the message (not dispatched).
using AppMessageFilter = std::function<bool(const MSG&)>;

// Dispatches messages until done() is true (checked before the first wait and after
// every message), the time-out in milliseconds has passed (INFINITE for none) or a
// WM_QUIT arrives, which is posted again for the enclosing loop. True when done() held.
// A filter sees each message first.
bool AppPumpUntil(const std::function<bool()>& done, DWORD timeout, const AppMessageFilter& filter = nullptr);

// Dispatches the messages already waiting, without waiting for more; false when a
// WM_QUIT was among them (posted again for the enclosing loop).
bool AppPumpWaiting(const AppMessageFilter& filter = nullptr);
