#include "VellWizSchTask/CTaskRecord.h"

namespace
{
const DWORD kBatteryFlags = TASK_FLAG_DONT_START_IF_ON_BATTERIES | TASK_FLAG_KILL_IF_GOING_ON_BATTERIES;

bool IsNtFamily()
{
    return (GetVersion() & 0x80000000u) == 0;
}
} // namespace

CTaskRecord::CTaskRecord()
{
    Reset();
}

CTaskRecord::CTaskRecord(const CTaskRecord& other)
    : name(other.name), application(other.application), parameters(other.parameters),
      workingDirectory(other.workingDirectory), user(other.user), password(other.password), comment(other.comment),
      flags(other.flags), trigger(other.trigger)
{
}

CTaskRecord& CTaskRecord::operator=(const CTaskRecord& other)
{
    name = other.name;
    application = other.application;
    parameters = other.parameters;
    workingDirectory = other.workingDirectory;
    user = other.user;
    password = other.password;
    comment = other.comment;
    flags = other.flags;
    CopyTrigger(other.trigger, trigger);
    return *this;
}

void CTaskRecord::Reset()
{
    name.Empty();
    application.Empty();
    parameters.Empty();
    workingDirectory.Empty();
    user.Empty();
    password.Empty();
    comment.Empty();
    flags = kBatteryFlags | (IsNtFamily() ? TASK_FLAG_INTERACTIVE : 0);
    trigger = {};
    trigger.cbTriggerSize = sizeof(TASK_TRIGGER);
    trigger.TriggerType = TASK_TIME_TRIGGER_ONCE;
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    trigger.wBeginYear = now.wYear;
    trigger.wBeginMonth = now.wMonth;
    trigger.wBeginDay = now.wDay;
    trigger.wStartHour = now.wHour;
    trigger.wStartMinute = now.wMinute;
}

void CTaskRecord::CopyTrigger(const TASK_TRIGGER& from, TASK_TRIGGER& to)
{
    to = {};
    to.cbTriggerSize = sizeof(TASK_TRIGGER);
    to.wBeginYear = from.wBeginYear;
    to.wBeginMonth = from.wBeginMonth;
    to.wBeginDay = from.wBeginDay;
    to.wEndYear = from.wEndYear;
    to.wEndMonth = from.wEndMonth;
    to.wEndDay = from.wEndDay;
    to.wStartHour = from.wStartHour;
    to.wStartMinute = from.wStartMinute;
    to.MinutesDuration = from.MinutesDuration;
    to.MinutesInterval = from.MinutesInterval;
    to.rgFlags = from.rgFlags;
    to.TriggerType = from.TriggerType;
    to.wRandomMinutesInterval = from.wRandomMinutesInterval;
    switch (from.TriggerType)
    {
    case TASK_TIME_TRIGGER_DAILY:
        to.Type.Daily.DaysInterval = from.Type.Daily.DaysInterval;
        break;
    case TASK_TIME_TRIGGER_WEEKLY:
        to.Type.Weekly.WeeksInterval = from.Type.Weekly.WeeksInterval;
        to.Type.Weekly.rgfDaysOfTheWeek = from.Type.Weekly.rgfDaysOfTheWeek;
        break;
    case TASK_TIME_TRIGGER_MONTHLYDATE:
        to.Type.MonthlyDate.rgfDays = from.Type.MonthlyDate.rgfDays;
        to.Type.MonthlyDate.rgfMonths = from.Type.MonthlyDate.rgfMonths;
        break;
    case TASK_TIME_TRIGGER_MONTHLYDOW:
        to.Type.MonthlyDOW.wWhichWeek = from.Type.MonthlyDOW.wWhichWeek;
        to.Type.MonthlyDOW.rgfDaysOfTheWeek = from.Type.MonthlyDOW.rgfDaysOfTheWeek;
        to.Type.MonthlyDOW.rgfMonths = from.Type.MonthlyDOW.rgfMonths;
        break;
    default:
        break;
    }
}
