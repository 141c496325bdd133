#include "capture/destinations/CImageScreenSaver.h"

#include "common/CRegistry.h"

const wchar_t* const CImageScreenSaver::kSettingsKey = L"Software\\Talvono Software\\Talvono Vellumor\\ScreenSaver";

DestinationResult CImageScreenSaver::Execute()
{
    CString path;
    if (!WriteBitmap(L"\\Screen Saver", path))
        return DR_FAILED;
    if (RunInfo().MakeCurrent)
        MakeCurrentPicture(path);
    return DR_DONE;
}

void CImageScreenSaver::MakeCurrentPicture(const CString& path)
{
    CString name, extension, folder, ignored;
    SplitPath(path, name, extension, folder);
    CRegistry registry;
    if (registry.Open(HKEY_CURRENT_USER, kSettingsKey, true, ignored))
        registry.SetString(L"Image", name, ignored, false);
}

void CImageScreenSaver::CopyPart(const InfoScScreenSaver& record, unsigned int part)
{
    InfoScScreenSaver& edit = EditInfo();
    switch (part)
    {
    case 1:
        edit.ShowDlg = record.ShowDlg;
        break;
    case 2:
        edit.Name = record.Name;
        edit.Unique = record.Unique;
        edit.MakeCurrent = record.MakeCurrent;
        break;
    default:
        break;
    }
}
