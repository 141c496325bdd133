#pragma once
// CInstanceCop: keeps a program to one running instance per session. The main frame
// derives from it, so the guard runs while the frame object is built, before any window
// of the program exists: a second instance brings the first one's window to the front
// and ends at once.
//
// The program names its guard during static initialisation, which also registers the
// window message of the same name:
//     static const UINT s_instanceQuery = CInstanceCop::RegisterGuardName(L"Program-{GUID}");
// and its main frame answers that message with OnInstanceQuery.
#include <windows.h>

class CInstanceCop
{
public:
    // Creates the named mutex. When another instance holds it (or this user may not open
    // it), shows that instance's window (activate) and ends the process with exit code 0,
    // without destructors or clean-up. Without a guard name there is nothing to guard.
    explicit CInstanceCop(bool activate);
    virtual ~CInstanceCop() = default;

    // Names the mutex and the registered message; returns the message id (0 on failure).
    static UINT RegisterGuardName(const wchar_t* name);
    // The registered message; 0 before RegisterGuardName.
    static UINT GetQueryMessage();

    // Asks every top-level window whether it is the running instance's (200 ms each, hung
    // windows skipped); shows the first that says so, in front and restored.
    static void ActivatePreviousInstance();

    // The guarded window's answer to the registered message: the message id itself.
    LRESULT OnInstanceQuery(WPARAM wParam, LPARAM lParam);
};
