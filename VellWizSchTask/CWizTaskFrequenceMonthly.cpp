#include "VellWizSchTask/CWizTaskFrequenceMonthly.h"

#include "VellWizSchTask/TaskWizardResources.h"
#include "VellWizSchTask/WizardChecks.h"

namespace
{
const wchar_t* const kWeeks[] = {L"first", L"second", L"third", L"fourth", L"last"};
const struct
{
    const wchar_t* name;
    WORD bit;
} kDays[] = {{L"Monday", TASK_MONDAY}, {L"Tuesday", TASK_TUESDAY},   {L"Wednesday", TASK_WEDNESDAY},
             {L"Thursday", TASK_THURSDAY}, {L"Friday", TASK_FRIDAY}, {L"Saturday", TASK_SATURDAY},
             {L"Sunday", TASK_SUNDAY}};

// The month box of month 1..12.
UINT MonthBox(int month)
{
    return month <= 6 ? IDC_MONTHLY_JANUARY + month - 1 : IDC_MONTHLY_JULY + month - 7;
}

// The lowest day set in a day-of-month bit set; 1 when none is.
int FirstDay(DWORD days)
{
    for (int day = 1; day <= 31; ++day)
        if (days & (1u << (day - 1)))
            return day;
    return 1;
}
} // namespace

CWizTaskFrequenceMonthly::CWizTaskFrequenceMonthly(CWizTaskPropSheet& sheet)
    : CWizTaskSchedulePage(sheet, IDD_WIZ_MONTHLY, IDS_WIZ_MONTHLY_TITLE, IDS_WIZ_MONTHLY_SUBTITLE, IDC_MONTHLY_TIME,
                           0, TASK_TIME_TRIGGER_MONTHLYDATE, TASK_TIME_TRIGGER_MONTHLYDOW)
{
    m_record.trigger.TriggerType = TASK_TIME_TRIGGER_MONTHLYDATE;
    m_record.trigger.Type.MonthlyDate.rgfDays = 1u << (m_day - 1);
    m_record.trigger.Type.MonthlyDate.rgfMonths = TASK_JANUARY;
}

WORD& CWizTaskFrequenceMonthly::Months()
{
    TASK_TRIGGER& t = m_record.trigger;
    return t.TriggerType == TASK_TIME_TRIGGER_MONTHLYDOW ? t.Type.MonthlyDOW.rgfMonths : t.Type.MonthlyDate.rgfMonths;
}

BOOL CWizTaskFrequenceMonthly::OnInitDialog()
{
    CWizTaskSchedulePage::OnInitDialog();
    TASK_TRIGGER& t = m_record.trigger;
    const bool byDate = t.TriggerType == TASK_TIME_TRIGGER_MONTHLYDATE;
    if (byDate)
        m_day = FirstDay(t.Type.MonthlyDate.rgfDays);
    HWND spin = GetDlgItem(IDC_MONTHLY_DAY_SPIN);
    SendMessageW(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(IDC_MONTHLY_DAY)), 0);
    SendMessageW(spin, UDM_SETRANGE32, 1, 31);
    SendMessageW(spin, UDM_SETPOS32, 0, byDate ? m_day : 1);
    HWND weeks = GetDlgItem(IDC_MONTHLY_WEEK);
    for (int i = 0; i < 5; ++i)
        SendMessageW(weeks, CB_SETITEMDATA, SendMessageW(weeks, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kWeeks[i])),
                     i + 1);
    HWND days = GetDlgItem(IDC_MONTHLY_WEEKDAY);
    int dayIndex = 6;
    for (int i = 0; i < 7; ++i)
    {
        SendMessageW(days, CB_SETITEMDATA,
                     SendMessageW(days, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kDays[i].name)), kDays[i].bit);
        if (!byDate && t.Type.MonthlyDOW.rgfDaysOfTheWeek == kDays[i].bit)
            dayIndex = i;
    }
    SendMessageW(weeks, CB_SETCURSEL, byDate ? 0 : t.Type.MonthlyDOW.wWhichWeek - 1, 0);
    SendMessageW(days, CB_SETCURSEL, dayIndex, 0);
    const WORD months = Months();
    for (int month = 1; month <= 12; ++month)
        CheckItem(MonthBox(month), (months & (1u << (month - 1))) != 0);
    ShowType();
    return TRUE;
}

void CWizTaskFrequenceMonthly::ShowType()
{
    const bool byDate = m_record.trigger.TriggerType == TASK_TIME_TRIGGER_MONTHLYDATE;
    CheckItem(IDC_MONTHLY_DAY_RADIO, byDate);
    CheckItem(IDC_MONTHLY_WEEK_RADIO, !byDate);
    EnableItem(IDC_MONTHLY_DAY, byDate);
    EnableItem(IDC_MONTHLY_DAY_SPIN, byDate);
    EnableItem(IDC_MONTHLY_WEEK, !byDate);
    EnableItem(IDC_MONTHLY_WEEKDAY, !byDate);
}

void CWizTaskFrequenceMonthly::UpdateButtons()
{
    SetWizardButtons(Months() ? PSWIZB_BACK | PSWIZB_NEXT : PSWIZB_BACK);
}

bool CWizTaskFrequenceMonthly::OnSetActive()
{
    UpdateButtons();
    return CPropertyPage::OnSetActive();
}

bool CWizTaskFrequenceMonthly::OnCommand(UINT code, UINT id, HWND control)
{
    TASK_TRIGGER& t = m_record.trigger;
    if (code == BN_CLICKED && (id == IDC_MONTHLY_DAY_RADIO || id == IDC_MONTHLY_WEEK_RADIO))
    {
        // The two kinds keep their months in different places of the trigger.
        const WORD months = Months();
        const HWND weeks = GetDlgItem(IDC_MONTHLY_WEEK), days = GetDlgItem(IDC_MONTHLY_WEEKDAY);
        if (id == IDC_MONTHLY_DAY_RADIO)
        {
            t.TriggerType = TASK_TIME_TRIGGER_MONTHLYDATE;
            t.Type.MonthlyDate.rgfDays = 1u << (m_day - 1);
            t.Type.MonthlyDate.rgfMonths = months;
        }
        else
        {
            t.TriggerType = TASK_TIME_TRIGGER_MONTHLYDOW;
            t.Type.MonthlyDOW.wWhichWeek =
                static_cast<WORD>(SendMessageW(weeks, CB_GETITEMDATA, SendMessageW(weeks, CB_GETCURSEL, 0, 0), 0));
            t.Type.MonthlyDOW.rgfDaysOfTheWeek =
                static_cast<WORD>(SendMessageW(days, CB_GETITEMDATA, SendMessageW(days, CB_GETCURSEL, 0, 0), 0));
            t.Type.MonthlyDOW.rgfMonths = months;
        }
        ShowType();
        return true;
    }
    if (code == EN_CHANGE && id == IDC_MONTHLY_DAY)
    {
        m_day = GetItemInt(IDC_MONTHLY_DAY);
        if (t.TriggerType == TASK_TIME_TRIGGER_MONTHLYDATE)
            t.Type.MonthlyDate.rgfDays = m_day >= 1 && m_day <= 31 ? 1u << (m_day - 1) : 0;
        return true;
    }
    if (code == CBN_SELCHANGE && (id == IDC_MONTHLY_WEEK || id == IDC_MONTHLY_WEEKDAY))
    {
        HWND combo = GetDlgItem(id);
        const auto value =
            static_cast<WORD>(SendMessageW(combo, CB_GETITEMDATA, SendMessageW(combo, CB_GETCURSEL, 0, 0), 0));
        if (t.TriggerType == TASK_TIME_TRIGGER_MONTHLYDOW)
            (id == IDC_MONTHLY_WEEK ? t.Type.MonthlyDOW.wWhichWeek : t.Type.MonthlyDOW.rgfDaysOfTheWeek) = value;
        return true;
    }
    for (int month = 1; month <= 12; ++month)
        if (code == BN_CLICKED && id == MonthBox(month))
        {
            const WORD bit = static_cast<WORD>(1u << (month - 1));
            Months() = static_cast<WORD>(IsItemChecked(id) ? Months() | bit : Months() & ~bit);
            UpdateButtons();
            return true;
        }
    return CWizTaskSchedulePage::OnCommand(code, id, control);
}

bool CWizTaskFrequenceMonthly::CheckNext()
{
    CString message;
    return CheckMonthly(m_record.trigger, m_day, message) || Refuse(message, 0);
}
