#pragma once
// Answers a system dialog box (folder browser, print set-up, ...) that the code under test
// shows on this thread: while the object lives, a timer looks for this thread's first
// visible dialog box and presses a button of it once, from inside the dialog's own modal
// loop. A dialog still open 3 s after the answer is cancelled: a refused answer fails the
// test instead of hanging it.
#include <windows.h>

class SystemDialogAnswer
{
public:
    explicit SystemDialogAnswer(UINT button);
    ~SystemDialogAnswer();
    SystemDialogAnswer(const SystemDialogAnswer&) = delete;
    SystemDialogAnswer& operator=(const SystemDialogAnswer&) = delete;

    // Whether a dialog box was found and answered.
    bool Answered() const;

private:
    UINT_PTR m_timer;
};
