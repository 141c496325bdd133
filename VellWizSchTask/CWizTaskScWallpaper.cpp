#include "VellWizSchTask/CWizTaskScWallpaper.h"

#include "VellWizSchTask/TaskWizardResources.h"
#include "common/PathValidation.h"

CWizTaskScWallpaper::CWizTaskScWallpaper(CWizTaskPropSheet& sheet)
    : CWizTaskPage(sheet, IDD_WIZ_SC_WALLPAPER, IDS_WIZ_SC_WALLPAPER_TITLE, IDS_WIZ_SC_WALLPAPER_SUBTITLE)
{
}

BOOL CWizTaskScWallpaper::OnInitDialog()
{
    CWizTaskPage::OnInitDialog();
    SendMessageW(GetDlgItem(IDC_WZ_WALLPAPER_NAME), EM_LIMITTEXT, 256, 0);
    SetItemText(IDC_WZ_WALLPAPER_NAME, m_record.Name);
    HWND display = GetDlgItem(IDC_WALLPAPER_DISPLAY);
    for (const wchar_t* text : {L"Center the image on the screen", L"Repeat the image over the entire screen",
                                L"Stretch the image to cover the screen"})
        SendMessageW(display, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendMessageW(display, CB_SETCURSEL, static_cast<WPARAM>(m_record.DisplayType), 0);
    CheckItem(IDC_WZ_WALLPAPER_UNIQUE, m_record.Unique);
    return TRUE;
}

bool CWizTaskScWallpaper::OnCommand(UINT code, UINT id, HWND control)
{
    if (code == CBN_SELCHANGE && id == IDC_WALLPAPER_DISPLAY)
    {
        m_record.DisplayType =
            static_cast<InfoScWallpaper::EnumDisplayType>(SendMessageW(GetDlgItem(IDC_WALLPAPER_DISPLAY), CB_GETCURSEL, 0, 0));
        return true;
    }
    if (code == BN_CLICKED && id == IDC_WZ_WALLPAPER_UNIQUE)
    {
        m_record.Unique = IsItemChecked(id);
        return true;
    }
    return CWizTaskPage::OnCommand(code, id, control);
}

bool CWizTaskScWallpaper::CheckNext()
{
    m_record.Name = GetItemText(IDC_WZ_WALLPAPER_NAME);
    CString error;
    return ValidateFileName(m_record.Name, error) || Refuse(error, IDC_WZ_WALLPAPER_NAME);
}
