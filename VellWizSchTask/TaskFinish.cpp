#include "VellWizSchTask/TaskFinish.h"

#include "framework/AppMessageBox.h"

namespace
{
const WORD kMondayToFriday = TASK_MONDAY | TASK_TUESDAY | TASK_WEDNESDAY | TASK_THURSDAY | TASK_FRIDAY;

void Warn(const CString& text, HWND owner)
{
    AppMessageBox(text, MB_OK | MB_ICONEXCLAMATION, owner);
}
} // namespace

void ApplyWeekdays(TASK_TRIGGER& trigger)
{
    if (trigger.TriggerType != TASK_TIME_TRIGGER_DAILY || trigger.Type.Daily.DaysInterval != 0)
        return;
    trigger.TriggerType = TASK_TIME_TRIGGER_WEEKLY;
    trigger.Type.Weekly.WeeksInterval = 1;
    trigger.Type.Weekly.rgfDaysOfTheWeek = kMondayToFriday;
}

bool WriteWizardTask(CTaskScheduler& scheduler, CTaskRecord& rec, bool newTask, HWND owner, const CString& openedName)
{
    CString msg;
    const bool exists = scheduler.Exists(rec.name, msg);
    if (!msg.IsEmpty())
    {
        Warn(msg, owner);
        return false;
    }
    const bool renamed = !newTask && !openedName.IsEmpty() && openedName.CompareNoCase(rec.name) != 0;
    if (exists && (newTask || renamed) &&
        AppMessageBox(L"A task having the same name already exists. Do you want to overwrite it?", MB_YESNO,
                      owner) != IDYES)
        return false;
    ApplyWeekdays(rec.trigger);
    rec.flags |= TASK_FLAG_RUN_ONLY_IF_LOGGED_ON;
    const bool written = exists ? scheduler.Replace(rec, msg) : scheduler.Create(rec, msg);
    if (!msg.IsEmpty())
        Warn(msg, owner);
    return written;
}
