#pragma once
// CCaptureOwnerWnd: the owner window of the capture engine in a program that has
// no main window of its own yet. It is a hidden top-level window that becomes the
// program's main window (AppSetMainWnd) while no other is set, so that the
// clipboard destination opens the clipboard for it and the clipboard's data has an
// owner for as long as the program runs. When it goes it stops being the main
// window. It shows nothing and handles no message beyond its own destruction.
#include "framework/CWnd.h"

class CCaptureOwnerWnd : public CWnd
{
public:
    CCaptureOwnerWnd() = default;
    ~CCaptureOwnerWnd() override;

    // Creates the hidden window; false when it cannot be made. It becomes the
    // main window unless the program has one already.
    bool Create();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The program's main window is this one no longer.
    void GiveUpMainWindow();
};
