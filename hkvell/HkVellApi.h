#pragma once
// HkVell.dll, the mouse and keyboard watch of screen and movie capture. Its C functions
// are exported at the fixed ordinals below only (HkVell.def); callers load the library
// at run time and resolve them by ordinal. All calls come from the thread of the main
// window: the low-level hooks run in the thread that started watching. The hooks return
// at once (Windows drops a low-level hook that overruns its time-out); the notify window
// gets its messages after the hook has returned, when that thread dispatches messages.
//
// - Watching (1, 2): the hooks are installed; the right button's state is followed.
// - Notifying (6, 7): the window that receives the two messages below.
// - Capturing (4): a capture selection runs. With a notify window, mouse button events
//   go to it and are kept from the window under the cursor (and so is the release of a
//   kept press); Escape is kept too and ends the selection.
// - Selecting (5): a shape is being drawn; mouse moves go to the notify window as well.
//   For the window selection types (window, active window, desktop) the moves go there
//   for the whole capture, since the highlight follows the mouse before any click.
// - The repeat-last-capture hot key (8): Ctrl+Shift+F9, F11 or F12 by the index 0, 1
//   or 2; the keys always go on to the focused window.
#include <windows.h>

class CWnd;

// Sent while capturing, by a hidden window of the library on the watching thread, in the
// order of the input. An event is sent only when the watch still forwards it then: once
// the window has ended the capture or stopped notifying, no queued event reaches it.
// wParam: the mouse message (WM_MOUSEMOVE .. WM_MBUTTONDOWN); lParam: a copy of the
// event's MSLLHOOKSTRUCT (screen point first, the extra-info value as the input gave it,
// 0 for real input), valid during the call.
const UINT WM_HOOK_MOUSE = WM_USER + 200;
// Posted once per key press. lParam: 1 for the repeat-last-capture hot key, 0 for Escape
// during a capture selection.
const UINT WM_CAPTURE_ENDED = WM_USER + 104;

enum HkVellOrdinal : int
{
    kHkVellOrdinalStartWatch = 1,
    kHkVellOrdinalStopWatch = 2,
    kHkVellOrdinalIsRightButtonHeld = 3,
    kHkVellOrdinalSetCapturing = 4,
    kHkVellOrdinalSetSelecting = 5,
    kHkVellOrdinalStartNotify = 6,
    kHkVellOrdinalStopNotify = 7,
    kHkVellOrdinalSetRepeatHotKey = 8,
    kHkVellOrdinalSetSelectionType = 9,
};

extern "C"
{
    // Installs the hooks; a second call while watching changes nothing. The window is not
    // needed to watch. The right button counts as held when it is down at this moment.
    void HkVellStartWatch(CWnd* mainWindow);
    // Removes the hooks; the right button no longer counts as held.
    void HkVellStopWatch();
    // True from a right-button press to its release, while watching.
    bool HkVellIsRightButtonHeld();
    void HkVellSetCapturing(bool capturing);
    void HkVellSetSelecting(bool selecting);
    // The window that receives WM_HOOK_MOUSE and WM_CAPTURE_ENDED (null: none).
    void HkVellStartNotify(CWnd* mainWindow);
    void HkVellStopNotify();
    // 0: Ctrl+Shift+F9, 1: Ctrl+Shift+F11, 2: Ctrl+Shift+F12; any other index is ignored.
    void HkVellSetRepeatHotKey(int index);
    // The selection type 0 to 6 (free hand, polygon, rectangle, ellipse, window, active
    // window, desktop); any other value is ignored.
    void HkVellSetSelectionType(int type);
}
