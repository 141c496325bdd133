#include "capture/pages/CPPagePropsScCommonDuration.h"

#include "capture/pages/CaptureUiHelpers.h"
#include "capture/pages/PagesIds.h"

#include <commctrl.h>

CPPagePropsScCommonDuration::CPPagePropsScCommonDuration(EnumSendParam type)
    : CPPagePropsScBase(IDD_PROPS_SC_DURATION, type, PageIndexOf(type), 3, false)
{
}

int CPPagePropsScCommonDuration::PageIndexOf(EnumSendParam type)
{
    switch (type)
    {
    case SP_SC_EMAIL:
    case SP_SC_ICQ:
    case SP_SC_FAX:
    case SP_SC_WEB:
        return 2;
    default:
        return 1;
    }
}

void CPPagePropsScCommonDuration::InitControls()
{
    BindNumber(m_hours, IDC_DURATION_HOURS, 0, 999);
    BindNumber(m_minutes, IDC_DURATION_MINUTES, 0, 59);
    BindNumber(m_seconds, IDC_DURATION_SECONDS, 0, 59);
    BindNumber(m_frequence, IDC_FREQUENCE, 1, 999);
    SendMessageW(GetDlgItem(IDC_FREQUENCE_SPIN), UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(IDC_FREQUENCE)), 0);
}

void CPPagePropsScCommonDuration::RecordToControls()
{
    const int shown = ShownFrequence(Ops().frequence(Copy()));
    HWND spin = GetDlgItem(IDC_FREQUENCE_SPIN);
    SendMessageW(spin, UDM_SETRANGE32, 1, 999);
    SendMessageW(spin, UDM_SETPOS32, 0, shown);
    SetNumber(IDC_FREQUENCE, shown);
    SetDurationEditTexts(Ops().duration(Copy()), GetDlgItem(IDC_DURATION_HOURS), GetDlgItem(IDC_DURATION_MINUTES),
                         GetDlgItem(IDC_DURATION_SECONDS));
    UpdateEnabling();
}

void CPPagePropsScCommonDuration::ReadControls()
{
    Ops().frequence(Copy()) = GetNumber(IDC_FREQUENCE);
    Ops().duration(Copy()) = GetDurationFromEdits(GetDlgItem(IDC_DURATION_HOURS), GetDlgItem(IDC_DURATION_MINUTES),
                                                  GetDlgItem(IDC_DURATION_SECONDS));
    UpdateEnabling();
}

void CPPagePropsScCommonDuration::UpdateEnabling()
{
    const bool timed = Ops().duration(Copy()) > 0;
    for (UINT id : {IDC_FREQUENCE_LABEL, IDC_FREQUENCE_EVERY, IDC_FREQUENCE, IDC_FREQUENCE_SPIN, IDC_FREQUENCE_UNIT})
        EnableItem(id, timed);
}

void CPPagePropsScCommonDuration::ToShownValues(SendParam& record) const
{
    Ops().frequence(record) = ShownFrequence(Ops().frequence(record));
}

bool CPPagePropsScCommonDuration::Check()
{
    const int duration = Ops().duration(Copy());
    if (duration >= 1 && duration <= Ops().frequence(Copy()))
        return FailCheck(LoadText(IDS_PAGE_DURATION_FREQUENCE), 0, IDC_FREQUENCE);
    return true;
}
