#pragma once
// CVellScreenSaverApp: the Vellumor screen saver: its settings dialog and picture show.
#include "screensaver/CScreenSaverAppBase.h"

class CVellScreenSaverApp : public CScreenSaverAppBase
{
public:
    CDialog* CreateSettingsDialog(HWND parent) override;
    CScreenSaverWndBase* CreateSaverWindow() override;
};
