#include "capture/pages/CPPageSettsCBTHotKeys.h"

#include "capture/controller/CLocalController.h"
#include "capture/pages/ICapturePageHost.h"
#include "capture/pages/SettingsPagesIds.h"

CPPageSettsCBTHotKeys::CPPageSettsCBTHotKeys(int type) : CPPageSettsBase(IDD_SETTS_CBT_HOT_KEYS, type, 1, false)
{
}

BOOL CPPageSettsCBTHotKeys::OnInitDialog()
{
    CPPageSettsBase::OnInitDialog();
    CLocalController* controller = GetHostController();
    FillHotKeyCombo(IDC_SETTS_CBT_HOT_KEYS, controller ? controller->GetCBTHotKeys() : 0);
    return TRUE;
}

bool CPPageSettsCBTHotKeys::OnCommand(UINT code, UINT id, HWND control)
{
    if (id != IDC_SETTS_CBT_HOT_KEYS || code != CBN_SELCHANGE)
        return CPPageSettsBase::OnCommand(code, id, control);
    if (CLocalController* controller = GetHostController())
        controller->SetCBTHotKeys(GetComboIndex(id));
    return true;
}
