#pragma once
// ICaptureOwner: what the screen-capture managers call of the window that owns a
// capture (the main window of the program). It starts an interactive selection,
// hears how a capture ended and switches its right-button poll.
#include "capture/destinations/CImageBase.h"

class CHkVellLibrary;

class ICaptureOwner
{
public:
    virtual ~ICaptureOwner() = default;

    // Starts an interactive selection with the current manager when a destination
    // is chosen; otherwise tells the user that no selection has been made.
    virtual void BeginCapture() = 0;
    // How a capture ended. endSelection: the selection is over (hooks back to
    // watching, the manager's EndSelection, the right-button poll on again);
    // showTip: the outcome is shown to the user; logFailure: a failed capture
    // (result DR_FAILED) is written to the event log with the manager's error text.
    virtual void OnCaptureFinished(DestinationResult result, bool repeat, bool endSelection, bool showTip,
                                   bool logFailure) = 0;
    // Turns the poll that starts a capture while the right button is held on or off.
    virtual void SetRightButtonPoll(bool on) = 0;
    // The mouse and keyboard watch the managers switch; null when there is none.
    virtual CHkVellLibrary* GetHookLibrary() = 0;
    // The window that parents the managers' dialogs and receives their messages.
    virtual HWND GetOwnerWindow() = 0;
};
