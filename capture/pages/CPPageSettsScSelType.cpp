#include "capture/pages/CPPageSettsScSelType.h"

#include "Info/InfoScSettings.h"
#include "capture/controller/CLocalController.h"
#include "capture/pages/CaptureUiHelpers.h"
#include "capture/pages/ICapturePageHost.h"
#include "capture/pages/SettingsPagesIds.h"

CPPageSettsScSelType::CPPageSettsScSelType(int type) : CPPageSettsBase(IDD_SETTS_SC_SEL_TYPE, type, 1, true)
{
}

BOOL CPPageSettsScSelType::OnInitDialog()
{
    CPPageSettsBase::OnInitDialog();
    const InfoScSettings* settings = GetHostScreenSettings();
    FillSelectionTypeCombo(GetDlgItem(IDC_SETTS_SEL_TYPE), settings ? settings->Type : SCT_RECTANGLE, true);
    return TRUE;
}

bool CPPageSettsScSelType::OnCommand(UINT code, UINT id, HWND control)
{
    if (id != IDC_SETTS_SEL_TYPE || code != CBN_SELCHANGE)
        return CPPageSettsBase::OnCommand(code, id, control);
    if (InfoScSettings* settings = GetHostScreenSettings())
    {
        // A failed registry write keeps the value in memory; the page says nothing.
        settings->SetCaptureType(static_cast<EnumScreenCaptureType>(GetComboIndex(id)));
        GetHostController()->CopySelectionSettings();
    }
    return true;
}
