#pragma once
// InfoScWallpaper: the wallpaper destination; the image becomes the desktop wallpaper.
#include "Info/SendParam.h"

class RegistryValues;

class INFO_API InfoScWallpaper : public SendParam
{
public:
    // How the wallpaper is laid out on the desktop.
    enum EnumDisplayType : int
    {
        DISPLAY_CENTRED = 0,
        DISPLAY_TILED = 1,
        DISPLAY_STRETCHED = 2,
    };

    InfoScWallpaper();
    InfoScWallpaper(const CString& name, bool unique, EnumDisplayType displayType, bool showDlg, int duration,
                    int frequence);
    InfoScWallpaper(const InfoScWallpaper& other);
    InfoScWallpaper& operator=(const InfoScWallpaper& other);
    bool operator==(const InfoScWallpaper& other) const;
    ~InfoScWallpaper() override;

    EnumSendParam GetType() const override { return SP_SC_WALLPAPER; }
    bool LoadFromRegistry() override;
    bool SaveToRegistry(unsigned int part) override;
    bool IsDisplayFlagOn() const override { return ShowDlg; }

    CString Name;
    bool Unique;
    EnumDisplayType DisplayType;
    bool ShowDlg;
    int Duration;
    int Frequence;

private:
    RegistryValues Values();
};
