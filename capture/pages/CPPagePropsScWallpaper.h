#pragma once
// CPPagePropsScWallpaper: the wallpaper destination's page: the picture's name, how the desktop shows it, and whether a unique name is made of it.
#include "capture/pages/CPPagePropsScBase.h"

class CPPagePropsScWallpaper : public CPPagePropsScBase
{
public:
    CPPagePropsScWallpaper();

protected:
    void InitControls() override;
    void RecordToControls() override;
    void ReadControls() override;
    bool Check() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
};
