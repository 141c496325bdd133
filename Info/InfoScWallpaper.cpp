#include "Info/InfoScWallpaper.h"
#include "Info/RegistryValues.h"

InfoScWallpaper::InfoScWallpaper() : InfoScWallpaper(L"Vellumor Wallpaper", true, DISPLAY_STRETCHED, false, 0, 1) {}

InfoScWallpaper::InfoScWallpaper(const CString& name, bool unique, EnumDisplayType displayType, bool showDlg,
                                 int duration, int frequence)
    : Name(name), Unique(unique), DisplayType(displayType), ShowDlg(showDlg), Duration(duration), Frequence(frequence)
{
}

InfoScWallpaper::InfoScWallpaper(const InfoScWallpaper& other) = default;
InfoScWallpaper& InfoScWallpaper::operator=(const InfoScWallpaper& other) = default;
InfoScWallpaper::~InfoScWallpaper() = default;

bool InfoScWallpaper::operator==(const InfoScWallpaper& o) const
{
    return Name == o.Name && Unique == o.Unique && DisplayType == o.DisplayType && ShowDlg == o.ShowDlg &&
           Duration == o.Duration && Frequence == o.Frequence;
}

RegistryValues InfoScWallpaper::Values()
{
    RegistryValues values(L"ScreenCapture\\Wallpaper");
    values.Add(L"Name", Name, {2})
        .Add(L"Unique", Unique, {2})
        .Add(L"DisplayType", DisplayType, {2})
        .Add(L"ShowDlg", ShowDlg, {1})
        .Add(L"Duration", Duration, {3})
        .Add(L"Frequence", Frequence, {3});
    return values;
}

bool InfoScWallpaper::LoadFromRegistry()
{
    if (!Values().Load())
        return false;
    // An unknown layout is shown stretched.
    if (DisplayType < DISPLAY_CENTRED || DisplayType > DISPLAY_STRETCHED)
        DisplayType = DISPLAY_STRETCHED;
    return true;
}

bool InfoScWallpaper::SaveToRegistry(unsigned int part)
{
    return Values().Save(part);
}
