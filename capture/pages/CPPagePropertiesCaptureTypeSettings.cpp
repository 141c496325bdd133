#include "capture/pages/CPPagePropertiesCaptureTypeSettings.h"

#include "capture/pages/CaptureUiHelpers.h"
#include "capture/pages/ICapturePageHost.h"
#include "capture/pages/PagesIds.h"
#include "framework/AppModule.h"

CPPagePropertiesCaptureTypeSettings::CPPagePropertiesCaptureTypeSettings(int kind)
    : CPropertyPage(IDD_SETTINGS_CAPTURE_TYPE), m_kind(kind)
{
}

CPPagePropertiesCaptureTypeSettings::~CPPagePropertiesCaptureTypeSettings()
{
    if (m_icon)
        DestroyIcon(m_icon);
}

BOOL CPPagePropertiesCaptureTypeSettings::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    SetDlgItemTextW(GetSafeHwnd(), IDC_CAPTURE_TYPE_TEXT, GetCaptureTypeCaption(m_kind, false));
    if (m_icon)
        DestroyIcon(m_icon);
    m_icon = LoadIconW(AppGetResourceHandle(), MAKEINTRESOURCEW(GetCaptureTypeIconId(m_kind)));
    SendDlgItemMessageW(GetSafeHwnd(), IDC_CAPTURE_TYPE_ICON, STM_SETICON, reinterpret_cast<WPARAM>(m_icon), 0);
    return TRUE;
}

LRESULT CPPagePropertiesCaptureTypeSettings::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = CPropertyPage::WindowProc(message, wParam, lParam);
    if (message == WM_RBUTTONDOWN)
        ShowHostActionMenu();
    return result;
}
