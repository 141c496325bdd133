#include "screensaver/CDlgAbout.h"

#include "screensaver/resource.h"

CDlgAbout::CDlgAbout(HWND parent) : CDialog(IDD_ABOUT, parent) {}
