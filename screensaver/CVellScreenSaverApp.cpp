#include "screensaver/CVellScreenSaverApp.h"

#include "screensaver/CDlgSettings.h"
#include "screensaver/CVellScreenSaverWnd.h"

CDialog* CVellScreenSaverApp::CreateSettingsDialog(HWND parent)
{
    return new CDlgSettings(parent);
}

CScreenSaverWndBase* CVellScreenSaverApp::CreateSaverWindow()
{
    return new CVellScreenSaverWnd();
}
