#pragma once
// CImageWallpaper: the wallpaper destination. It saves the captured picture as a
// bitmap in the "\Wallpaper" folder below the screen-capture image folder and
// makes that file the desktop wallpaper, centred, tiled or stretched.
#include "Info/InfoScWallpaper.h"
#include "capture/destinations/CImageLocalBitmap.h"

class CImageWallpaper : public CImageLocalBitmap<InfoScWallpaper>
{
public:
    CImageWallpaper() = default;

    // Writes Name + ".bmp" (or the first free numbered name when Unique is on and
    // the file exists) and makes it the wallpaper with the record's DisplayType.
    // DR_DONE when both succeeded, else DR_FAILED with the error text set.
    DestinationResult Execute() override;

    // Writes the layout values of the display type (0 centred, 1 tiled, any
    // other stretched) under HKEY_CURRENT_USER "Control Panel\Desktop", then sets
    // the file as the wallpaper, saved in the user's profile and announced to
    // all windows. False with the error text set when either fails.
    static bool SetWallpaper(const CString& path, int displayType, CString& errorText);

protected:
    // 1 ShowDlg; 2 Name, Unique, DisplayType; 3 Duration, Frequence.
    void CopyPart(const InfoScWallpaper& record, unsigned int part) override;
};
