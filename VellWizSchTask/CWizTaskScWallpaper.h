#pragma once
// CWizTaskScWallpaper: the wizard page of the wallpaper destination: the picture's name,
// how it covers the desktop and whether a unique name is made from it. Next checks the
// name.
#include "Info/InfoScWallpaper.h"
#include "VellWizSchTask/CWizTaskPage.h"

class CWizTaskScWallpaper : public CWizTaskPage
{
public:
    explicit CWizTaskScWallpaper(CWizTaskPropSheet& sheet);

    InfoScWallpaper m_record;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool CheckNext() override;
};
