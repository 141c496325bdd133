#pragma once
// Writing the task the wizard assembled into the Task Scheduler: the last step of its
// finish page. A task of the same name is replaced in place (a new task only after the
// user agrees), so a write that fails leaves the old task as it was.
#include "VellWizSchTask/CTaskScheduler.h"

// Daily with an interval of 0 (the "Weekdays" choice) becomes weekly on Monday to
// Friday, every week; any other trigger stays.
void ApplyWeekdays(TASK_TRIGGER& trigger);

// Writes rec (after ApplyWeekdays) and tells the user what happened in message boxes:
// the question before replacing a task of that name when newTask, or when a modified task
// named openedName was renamed onto it, every failure and the scheduler's warning. A
// capture task runs only while its user is logged on: only the user's own session shows
// the desktop that screen, training and video captures take. True when the task was
// written; rec then holds what was written.
bool WriteWizardTask(CTaskScheduler& scheduler, CTaskRecord& rec, bool newTask, HWND owner,
                     const CString& openedName = CString());
