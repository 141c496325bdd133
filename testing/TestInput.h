#pragma once
// Injected input that a test waits out. SendInputSettled sends the events with SendInput,
// then a marker event behind them, and pumps this thread's messages until the marker has
// reached the low-level hooks and the messages are handled: input passes the hooks in
// the order it was sent, so by then the events have passed every hook (the hook
// procedures of this thread run in the pump) and what they queued or posted to this
// thread's windows has been dispatched. The marker itself reaches no other hook and no
// window.
#include "testing/TestPump.h"

// False when the marker did not come within the test's give-up limit. seen, when given,
// sees each message of the pump before it is dispatched.
bool SendInputSettled(const INPUT* inputs, UINT count, const MessageSeen& seen = nullptr);
inline bool SendInputSettled(const INPUT& input, const MessageSeen& seen = nullptr)
{
    return SendInputSettled(&input, 1, seen);
}

// Waits until the input sent before, by this thread or another, has passed the hooks and
// this thread's windows have handled it, as above.
bool InputSettled();

// An absolute mouse move to the screen point, as one input of SendInput.
INPUT AbsoluteMove(POINT point);
// A key's press or release (by virtual key), as one input of SendInput.
INPUT KeyStroke(WORD key, bool up);
// Moves the mouse to an exact point of the display, settled as above. The display's own
// pointer goes there first: Wine reports it as a real move when a window appears under it,
// and an injected move does not take the display's pointer along.
bool SendMoveToSettled(POINT point);

// Types the characters as Unicode keystrokes into the focused window, settled as above.
bool TypeTextSettled(const wchar_t* text);
