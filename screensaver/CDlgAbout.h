#pragma once
// CDlgAbout: the screen saver's about box (dialog 100), reached from the settings
// dialog's system menu.
#include "framework/CDialog.h"

class CDlgAbout : public CDialog
{
public:
    explicit CDlgAbout(HWND parent);
};
