#include "screensaver/ScreenSaverSettings.h"

#include "common/CRegistry.h"

const wchar_t* const kScreenSaverLogoName = L"<Vellumor Logo>";
const wchar_t* const kScreenSaverKey = L"Software\\Talvono Software\\Talvono Vellumor\\ScreenSaver";
const wchar_t* const kImagePoolFileName = L"ImgPoolFiles.txt";

namespace
{
// Reads a DWORD into value; false (value unchanged) when it is missing or unreadable.
bool ReadNumber(CRegistry& key, const wchar_t* name, DWORD& value)
{
    CString ignored;
    return key.IsOpen() && key.GetDWORD(name, &value, ignored);
}
} // namespace

int ScreenSaverSettings::Clamp(DWORD value, int low, int high, int fallback)
{
    return value >= static_cast<DWORD>(low) && value <= static_cast<DWORD>(high) ? static_cast<int>(value) : fallback;
}

void ScreenSaverSettings::Read()
{
    CRegistry key;
    CString ignored;
    key.OpenReadOnly(HKEY_CURRENT_USER, kScreenSaverKey, ignored);
    DWORD value = 0;
    if (ReadNumber(key, L"OrigSize", value))
        origSize = value == 1;
    if (ReadNumber(key, L"FreqWater", value))
        freqWater = Clamp(value, 3000, 10000, 3000);
    if (ReadNumber(key, L"FreqDisplay", value))
        freqDisplay = Clamp(value, 3000, 10000, 3000);
    if (ReadNumber(key, L"IsImagePool", value))
        pool = value != 0;
    if (ReadNumber(key, L"Effects", value))
        effect = Clamp(value, SSE_NONE, SSE_MOSAIC, SSE_NONE);
    if (ReadNumber(key, L"AlphaFire", value))
        alphaFire = Clamp(value, 5, 100, 30);
    if (ReadNumber(key, L"AlphaPlasma", value))
        alphaPlasma = Clamp(value, 5, 100, 30);
    if (ReadNumber(key, L"Matrix", value))
        matrix = Clamp(value, 0, 2, 1);
    // The dialog writes 10 to 20 seconds; anything far outside is a damaged value.
    if (ReadNumber(key, L"ImagePoolSlider", value))
        poolTime = Clamp(value, 5000, 20000, 10000);
    CString text;
    poolListNamed = key.IsOpen() && key.GetString(L"ImagePoolFiles", text, ignored);
    if (key.IsOpen() && key.GetString(L"Image", text, ignored))
        image = text;
}

bool ScreenSaverSettings::Write() const
{
    CRegistry key;
    CString error;
    if (!key.Open(HKEY_CURRENT_USER, kScreenSaverKey, true, error))
        return false;
    bool written = key.SetDWORD(L"Effects", effect, error);
    written &= key.SetDWORD(L"OrigSize", origSize ? 1 : 0, error);
    written &= key.SetDWORD(L"Matrix", matrix, error);
    written &= key.SetString(L"Image", image, error, false);
    written &= key.SetDWORD(L"AlphaFire", alphaFire, error);
    written &= key.SetDWORD(L"AlphaPlasma", alphaPlasma, error);
    written &= key.SetDWORD(L"FreqWater", freqWater, error);
    written &= key.SetDWORD(L"FreqDisplay", freqDisplay, error);
    written &= key.SetDWORD(L"IsImagePool", pool ? 1 : 0, error);
    written &= key.SetString(L"ImagePoolFiles", kImagePoolFileName, error, false);
    written &= key.SetDWORD(L"ImagePoolSlider", poolTime, error);
    return written;
}

CString ReadScreenSaverFolder()
{
    CRegistry key;
    CString folder, ignored;
    if (key.OpenReadOnly(HKEY_LOCAL_MACHINE, kScreenSaverKey, ignored))
        key.GetString(L"ImgPath", folder, ignored);
    folder.TrimRight(L"\\/");
    return folder;
}

CString ImagePoolFilePath(const CString& folder)
{
    return folder.IsEmpty() ? CString() : folder + L"\\" + kImagePoolFileName;
}
