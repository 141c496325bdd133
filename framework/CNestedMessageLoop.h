#pragma once
// CNestedMessageLoop: a modal message loop inside a handler (a recording that runs until
// a message ends it). It gets, pre-translates, translates and dispatches the thread's
// messages as the application's loop does, until a message the caller names arrives or
// a WM_QUIT does.
//
// A WM_QUIT ends the loop but is kept, not lost: it is posted again, with its exit code,
// when the object goes (or at RepostQuit), so the caller can clean up first and the
// enclosing loop still ends. A caller whose own protocol uses the quit message (a job's
// loop) lets it go with ForgetQuit.
#include "framework/AppMessageLoop.h"

class CNestedMessageLoop
{
public:
    CNestedMessageLoop() = default;
    ~CNestedMessageLoop() { RepostQuit(); }
    CNestedMessageLoop(const CNestedMessageLoop&) = delete;
    CNestedMessageLoop& operator=(const CNestedMessageLoop&) = delete;

    // Runs until endsLoop takes a message (true: the message is neither translated nor
    // dispatched), a WM_QUIT arrives or GetMessage fails. True when endsLoop ended it.
    bool Run(const AppMessageFilter& endsLoop);

    bool HasQuit() const { return m_quit; }
    int GetQuitCode() const { return m_quitCode; }
    // Posts the kept WM_QUIT again (once).
    void RepostQuit();
    void ForgetQuit() { m_quit = false; }

private:
    bool m_quit = false;
    int m_quitCode = 0;
};
