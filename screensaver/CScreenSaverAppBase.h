#pragma once
// CScreenSaverAppBase: the application object of a screen saver. It decodes the command
// line and runs the saver full screen (a window per monitor), shows its settings dialog,
// runs a preview inside a given window or changes the password. The windows delete
// themselves; the application only forgets each one as it goes, and ends the message loop
// when the last has gone.
#include "framework/CWinApp.h"
#include "screensaver/ScreenSaverCommand.h"

#include <vector>

class CDialog;
class CScreenSaverWndBase;

class CScreenSaverAppBase : public CWinApp
{
public:
    // The settings dialog (made with new; the caller runs and deletes it).
    virtual CDialog* CreateSettingsDialog(HWND parent) = 0;
    // A saver window object (made with new; it deletes itself with its window).
    virtual CScreenSaverWndBase* CreateSaverWindow() = 0;

    // Does what the command line asks; true when windows were made and the message loop
    // is to run.
    virtual bool InitInstance();
    // InitInstance, then the message loop when it asks for one; the exit code.
    int Run();

    // A saver window's final destruction: forgets it, and quits after the last one.
    void WindowGone(CScreenSaverWndBase* window);
    size_t GetWindowCount() const { return m_windows.size(); }

    // The application object when it is a saver's; null otherwise.
    static CScreenSaverAppBase* GetSaverApp();

    // The monitors' rectangles: the system's, or those the environment variable
    // VELL_SCREENSAVER_MONITORS lists ("left,top,right,bottom;..."), for a test of several
    // monitors on a system that has one.
    static std::vector<RECT> MonitorRects();

protected:
    bool RunFullScreen();
    void Configure();
    bool Preview(HWND parent);
    void ChangePassword();

private:
    // Creates and keeps a window; false (object deleted) when creation failed.
    bool AddWindow(HWND parent, const RECT& rect);

    std::vector<CScreenSaverWndBase*> m_windows;
};
