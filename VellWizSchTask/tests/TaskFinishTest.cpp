// Writing the wizard's task: the question before a new task replaces one of its name,
// the replacing in place that keeps the old task when the write fails, and the
// "Weekdays" schedule stored as a weekly one.
#include "VellWizSchTask/TaskFinish.h"
#include "VellWizSchTask/tests/BoxAnswers.h"
#include "VellWizSchTask/tests/TaskStoreSupport.h"

#include <gtest/gtest.h>

using namespace task_test;

namespace
{
const CString kOverwrite = L"A task having the same name already exists. Do you want to overwrite it?";

CString ParametersOf(const CString& name)
{
    CTaskRecord read;
    CString msg;
    return CTaskScheduler().Read(name, read, msg) ? read.parameters : L"(unreadable) " + msg;
}
} // namespace

TEST(TaskFinishTest, NewTaskOfAnExistingNameAsksAndOnlyYesReplacesIt)
{
    TaskCleanup cleanup;
    const CString name = cleanup.Add(UniqueTaskName(L"Asked"));
    CString msg;
    ASSERT_TRUE(CTaskScheduler().Create(OwnTask(name, L"-type old"), msg));
    CTaskScheduler scheduler;
    CTaskRecord rec = OwnTask(name, L"-type new");
    {
        BoxAnswers boxes({IDNO});
        EXPECT_FALSE(WriteWizardTask(scheduler, rec, true, nullptr));
        ASSERT_EQ(1u, boxes.texts.size());
        EXPECT_EQ(kOverwrite, boxes.texts[0]);
        EXPECT_EQ(static_cast<UINT>(MB_YESNO), boxes.types[0]);
    }
    EXPECT_EQ(CString(L"-type old"), ParametersOf(name));
    {
        BoxAnswers boxes({IDYES});
        EXPECT_TRUE(WriteWizardTask(scheduler, rec, true, nullptr));
        EXPECT_EQ(1u, boxes.texts.size());
    }
    EXPECT_EQ(CString(L"-type new"), ParametersOf(name));
}

TEST(TaskFinishTest, ModifiedTaskIsReplacedWithoutAQuestionAndAFailedWriteKeepsTheOldTask)
{
    TaskCleanup cleanup;
    const CString name = cleanup.Add(UniqueTaskName(L"Modified"));
    CString msg;
    ASSERT_TRUE(CTaskScheduler().Create(OwnTask(name, L"-type old"), msg));

    SeamScheduler failing;
    failing.saveResult = E_FAIL;
    failing.saveReally = false;
    CTaskRecord rec = OwnTask(name, L"-type new");
    {
        BoxAnswers boxes;
        EXPECT_FALSE(WriteWizardTask(failing, rec, false, nullptr));
        ASSERT_EQ(1u, boxes.texts.size());
        EXPECT_EQ(0, boxes.texts[0].Find(L"Failure creating the Windows task '" + name + L"'."));
        EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), boxes.types[0]);
    }
    EXPECT_EQ(CString(L"-type old"), ParametersOf(name)) << "the old task stays when the write fails";

    CTaskScheduler scheduler;
    EXPECT_TRUE(WriteWizardTask(scheduler, rec, false, nullptr)); // any box fails the test
    EXPECT_EQ(CString(L"-type new"), ParametersOf(name));
}

TEST(TaskFinishTest, WeekdaysAreStoredAsAWeeklyScheduleOnMondayToFriday)
{
    TaskCleanup cleanup;
    const CString name = cleanup.Add(UniqueTaskName(L"Weekdays"));
    CTaskRecord rec = OwnTask(name, L"-type x");
    rec.trigger.TriggerType = TASK_TIME_TRIGGER_DAILY;
    rec.trigger.Type.Daily.DaysInterval = 0;
    CTaskScheduler scheduler;
    ASSERT_TRUE(WriteWizardTask(scheduler, rec, true, nullptr));
    CTaskRecord read;
    CString msg;
    ASSERT_TRUE(scheduler.Read(name, read, msg));
    EXPECT_EQ(TASK_TIME_TRIGGER_WEEKLY, read.trigger.TriggerType);
    EXPECT_EQ(1, read.trigger.Type.Weekly.WeeksInterval);
    EXPECT_EQ(62, read.trigger.Type.Weekly.rgfDaysOfTheWeek);

    TASK_TRIGGER everyThirdDay = rec.trigger;
    everyThirdDay.TriggerType = TASK_TIME_TRIGGER_DAILY;
    everyThirdDay.Type.Daily.DaysInterval = 3;
    ApplyWeekdays(everyThirdDay);
    EXPECT_EQ(TASK_TIME_TRIGGER_DAILY, everyThirdDay.TriggerType);
    EXPECT_EQ(3, everyThirdDay.Type.Daily.DaysInterval);
}
