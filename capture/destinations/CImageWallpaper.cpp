#include "capture/destinations/CImageWallpaper.h"

#include "common/CRegistry.h"

namespace
{
const wchar_t kDesktopKey[] = L"Control Panel\\Desktop";

bool WriteDesktopValue(const wchar_t* name, const wchar_t* value, CString& errorText)
{
    CRegistry registry;
    return registry.Open(HKEY_CURRENT_USER, kDesktopKey, true, errorText) &&
           registry.SetString(name, value, errorText, false);
}
} // namespace

DestinationResult CImageWallpaper::Execute()
{
    CString path;
    if (!WriteBitmap(L"\\Wallpaper", path))
        return DR_FAILED;
    return SetWallpaper(path, RunInfo().DisplayType, m_errorText) ? DR_DONE : DR_FAILED;
}

bool CImageWallpaper::SetWallpaper(const CString& path, int displayType, CString& errorText)
{
    const wchar_t* tile = displayType == InfoScWallpaper::DISPLAY_TILED ? L"1" : L"0";
    const wchar_t* style = displayType == InfoScWallpaper::DISPLAY_TILED     ? L"1"
                           : displayType == InfoScWallpaper::DISPLAY_CENTRED ? L"0"
                                                                             : L"2";
    CString reason;
    if (!WriteDesktopValue(L"TileWallpaper", tile, reason) || !WriteDesktopValue(L"WallpaperStyle", style, reason))
    {
        errorText.Format(L"Failed to change the desktop wallpaper. Error: %s", reason.GetString());
        return false;
    }
    // The call only reads the path.
    if (!SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, const_cast<wchar_t*>(path.GetString()),
                               SPIF_UPDATEINIFILE | SPIF_SENDCHANGE))
    {
        errorText.Format(L"Failed to change the desktop wallpaper. Error: %s", GetLastErrorText().GetString());
        return false;
    }
    return true;
}

void CImageWallpaper::CopyPart(const InfoScWallpaper& record, unsigned int part)
{
    InfoScWallpaper& edit = EditInfo();
    switch (part)
    {
    case 1:
        edit.ShowDlg = record.ShowDlg;
        break;
    case 2:
        edit.Name = record.Name;
        edit.Unique = record.Unique;
        edit.DisplayType = record.DisplayType;
        break;
    default:
        break;
    }
}
