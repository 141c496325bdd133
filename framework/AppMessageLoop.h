#pragma once
// The thread's message loops. AppRunMessageLoop is the application's loop; AppPumpUntil
// is the one nested loop: it dispatches messages until a condition holds or a deadline
// passes, and hands a WM_QUIT it meets on to the enclosing loop.
//
// Both loops offer every message to AppPreTranslateMessage first: the window objects from
// the message's window up to its top-level window (CWnd::PreTranslateMessage), the
// accelerator tables of those windows, and the modeless dialogs (IsDialogMessage). The
// application's loop also runs the idle handlers whenever its queue runs empty.
//
// The tables below belong to the user-interface thread; windows of other threads are never
// found in them.
#include <functional>
#include <windows.h>

// Dispatches the thread's messages until WM_QUIT, running the idle handlers whenever the
// queue is empty; its exit code.
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

// What the loops do with a message before dispatching it; true when it was taken. Walking
// from the message's window through its parents (and a pop-up's owner): each window's
// object sees it, then the window's accelerator table translates it. The walk ends at the
// first top-level modeless dialog, so an owner's accelerators never act inside such a
// dialog. Last, the nearest modeless dialog of the walk gets IsDialogMessage; so a dialog
// that is a child window (a form view) lets its frame's accelerators act first.
bool AppPreTranslateMessage(MSG& message);

// The same walk from the given window up, without the dialogs' turn: true when a window's
// object or accelerator table took the message. A window that handles its children's
// keys as a dialog does (a child property sheet) lets the windows around it act first.
bool AppTranslateFrom(HWND window, MSG& message);

// The accelerator table of a window (a main window or a floating frame); null removes it.
// The caller keeps the table alive while it is set.
void AppSetAccelerators(HWND window, HACCEL table);

// A modeless dialog, or a dialog that is a child window (a form view), whose keyboard
// interface (Tab, arrow keys, mnemonics, Enter, Escape) the loops run.
void AppAddModelessDialog(HWND dialog);
void AppRemoveModelessDialog(HWND dialog);

// Runs when the application's loop finds its queue empty, with the number of calls since
// the last message that restarts idle processing (0 first); returns true to be called
// again before the loop waits. The frames' update of command states runs here.
using AppIdleHandler = std::function<bool(LONG count)>;
// Adds a handler; the id removes it.
UINT AppAddIdleHandler(AppIdleHandler handler);
void AppRemoveIdleHandler(UINT id);
