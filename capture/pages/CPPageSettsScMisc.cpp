#include "capture/pages/CPPageSettsScMisc.h"

#include "Info/InfoScSettings.h"
#include "capture/controller/CLocalController.h"
#include "capture/pages/ICapturePageHost.h"
#include "capture/pages/SettingsPagesIds.h"

CPPageSettsScMisc::CPPageSettsScMisc(int type) : CPPageSettsBase(IDD_SETTS_SC_MISC, type, 2, true)
{
}

BOOL CPPageSettsScMisc::OnInitDialog()
{
    CPPageSettsBase::OnInitDialog();
    m_holdTime.SubclassDlgItem(IDC_SETTS_HOLD_TIME, GetSafeHwnd());
    m_holdTime.SetRange(InfoScSettings::kMinHoldTime, InfoScSettings::kMaxHoldTime, false);
    if (const InfoScSettings* settings = GetHostScreenSettings())
    {
        m_holdTime.SetPos(settings->HoldTime);
        SetCheck(IDC_SETTS_SHOW_SIZE, settings->ShowSize);
        SetCheck(IDC_SETTS_CAPTURE_CURSOR, settings->CaptCursor);
        FillHotKeyCombo(IDC_SETTS_RLC, settings->RLC);
    }
    return TRUE;
}

// A failed registry write of a setter keeps the value in memory; the page says nothing.
bool CPPageSettsScMisc::OnCommand(UINT code, UINT id, HWND control)
{
    InfoScSettings* settings = GetHostScreenSettings();
    if (id == IDC_SETTS_RLC && code == CBN_SELCHANGE)
    {
        // The repeat key is the screen manager's own: the movie manager keeps no copy.
        if (settings)
            settings->SetRLC(static_cast<EnumRepeatLastCapture>(GetComboIndex(id)));
        return true;
    }
    if ((id != IDC_SETTS_SHOW_SIZE && id != IDC_SETTS_CAPTURE_CURSOR) || code != BN_CLICKED)
        return CPPageSettsBase::OnCommand(code, id, control);
    if (!settings)
        return true;
    if (id == IDC_SETTS_SHOW_SIZE)
        settings->SetShowSize(IsChecked(id));
    else
        settings->SetCaptureCursor(IsChecked(id));
    GetHostController()->CopySelectionSettings();
    return true;
}

bool CPPageSettsScMisc::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (header.idFrom != IDC_SETTS_HOLD_TIME || header.code != static_cast<UINT>(NM_RELEASEDCAPTURE))
        return CPPageSettsBase::OnNotify(header, result);
    if (InfoScSettings* settings = GetHostScreenSettings())
    {
        settings->SetHoldTime(m_holdTime.GetPos());
        GetHostController()->CopySelectionSettings();
    }
    result = 0;
    return true;
}
