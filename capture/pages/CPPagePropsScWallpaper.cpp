#include "capture/pages/CPPagePropsScWallpaper.h"

#include "Info/InfoScWallpaper.h"
#include "capture/pages/PagesIds.h"
#include "common/PathValidation.h"

CPPagePropsScWallpaper::CPPagePropsScWallpaper()
    : CPPagePropsScBase(IDD_PROPS_SC_WALLPAPER, SP_SC_WALLPAPER, 0, 2, false)
{
}

void CPPagePropsScWallpaper::InitControls()
{
    LimitText(IDC_WALLPAPER_NAME, 256);
    for (const wchar_t* item : {L"Center the image on the screen", L"Repeat the image over the entire screen",
                                L"Stretch the image to cover the screen"})
        SendMessageW(GetDlgItem(IDC_PAGE_COMBO), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
}

void CPPagePropsScWallpaper::RecordToControls()
{
    auto& record = CopyAs<InfoScWallpaper>();
    SetText(IDC_WALLPAPER_NAME, record.Name);
    SetComboIndex(IDC_PAGE_COMBO, record.DisplayType);
    SetCheck(IDC_WALLPAPER_UNIQUE, record.Unique);
}

void CPPagePropsScWallpaper::ReadControls()
{
    auto& record = CopyAs<InfoScWallpaper>();
    record.Name = GetText(IDC_WALLPAPER_NAME);
    record.Unique = GetCheck(IDC_WALLPAPER_UNIQUE);
}

bool CPPagePropsScWallpaper::Check()
{
    CString error;
    if (!ValidateFileName(CopyAs<InfoScWallpaper>().Name, error))
        return FailCheck(error, MB_ICONEXCLAMATION, IDC_WALLPAPER_NAME);
    return true;
}

bool CPPagePropsScWallpaper::OnCommand(UINT code, UINT id, HWND control)
{
    if (id == IDC_PAGE_COMBO && code == CBN_SELCHANGE)
    {
        CopyAs<InfoScWallpaper>().DisplayType = static_cast<InfoScWallpaper::EnumDisplayType>(GetComboIndex(id));
        return true;
    }
    return CPPagePropsScBase::OnCommand(code, id, control);
}
