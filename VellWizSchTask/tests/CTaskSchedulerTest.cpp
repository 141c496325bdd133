// The task record and the scheduler access against the system's own Task Scheduler:
// work items really written, read back, listed, replaced and deleted; a seam only
// where the system cannot fail on purpose (no scheduler class, rejected accounts, a
// failing save).
#include "VellWizSchTask/tests/TaskStoreSupport.h"

#include <gtest/gtest.h>

using namespace task_test;

namespace
{
bool StartsWith(const CString& text, const CString& start)
{
    return text.Left(start.GetLength()) == start;
}

bool Contains(const CStringArray& names, const CString& name)
{
    for (int i = 0; i < names.GetSize(); ++i)
        if (names[i] == name)
            return true;
    return false;
}

const CTaskRecord* Find(const std::vector<CTaskRecord>& records, const CString& name)
{
    for (const CTaskRecord& rec : records)
        if (rec.name == name)
            return &rec;
    return nullptr;
}
} // namespace

TEST(TaskRecordTest, DefaultsRunInteractiveOnMainsOnceAtTheCurrentMinute)
{
    SYSTEMTIME before;
    GetLocalTime(&before);
    const CTaskRecord rec;
    EXPECT_EQ(0xC1u, rec.flags); // Wine reports the NT family
    EXPECT_EQ(sizeof(TASK_TRIGGER), rec.trigger.cbTriggerSize);
    EXPECT_EQ(TASK_TIME_TRIGGER_ONCE, rec.trigger.TriggerType);
    EXPECT_EQ(before.wYear, rec.trigger.wBeginYear);
    EXPECT_EQ(before.wMonth, rec.trigger.wBeginMonth);
    EXPECT_EQ(before.wDay, rec.trigger.wBeginDay);
    EXPECT_TRUE(rec.name.IsEmpty() && rec.application.IsEmpty() && rec.user.IsEmpty());
}

TEST(TaskRecordTest, CopyTriggerKeepsOnlyTheUnionMembersOfTheTriggersType)
{
    struct Case
    {
        TASK_TRIGGER_TYPE type;
        // The union's words (as the 16-bit words it is made of) expected after the copy.
        WORD words[5];
    };
    // Every union word holds a stale value before the copy.
    const Case cases[] = {
        {TASK_TIME_TRIGGER_ONCE, {0, 0, 0, 0, 0}},
        {TASK_TIME_TRIGGER_DAILY, {0x1111, 0, 0, 0, 0}},
        {TASK_TIME_TRIGGER_WEEKLY, {0x1111, 0x2222, 0, 0, 0}},
        {TASK_TIME_TRIGGER_MONTHLYDATE, {0x1111, 0x2222, 0x3333, 0, 0}},
        {TASK_TIME_TRIGGER_MONTHLYDOW, {0x1111, 0x2222, 0x3333, 0, 0}},
        {TASK_EVENT_TRIGGER_AT_LOGON, {0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases)
    {
        TASK_TRIGGER from = {};
        from.TriggerType = c.type;
        from.wStartHour = 9;
        from.Reserved1 = 7;
        WORD* stale = reinterpret_cast<WORD*>(&from.Type);
        for (int i = 0; i < 5 && i * 2 < static_cast<int>(sizeof from.Type); ++i)
            stale[i] = static_cast<WORD>(0x1111 * (i + 1));
        TASK_TRIGGER to;
        memset(&to, 0xAB, sizeof to);
        CTaskRecord::CopyTrigger(from, to);
        const WORD* copied = reinterpret_cast<const WORD*>(&to.Type);
        for (int i = 0; i * 2 < static_cast<int>(sizeof to.Type); ++i)
            EXPECT_EQ(c.words[i], copied[i]) << "type " << c.type << " word " << i;
        EXPECT_EQ(9, to.wStartHour);
        EXPECT_EQ(0, to.Reserved1);
        EXPECT_EQ(sizeof(TASK_TRIGGER), to.cbTriggerSize);
    }
}

TEST(TaskSchedulerTest, CreatedTaskReadsBackWithEveryValueAndIsListedByName)
{
    TaskCleanup cleanup;
    const CString name = cleanup.Add(UniqueTaskName(L"Read back"));
    CString parameters = L"-file \"a \\\"quoted\\\" name\" -path \"C:\\\\\" -note \"\x00e9t\x00e9 \x6771\x4eac\" ";
    while (parameters.GetLength() < 3000)
        parameters += L'x';
    CTaskRecord written = OwnTask(name, parameters);
    CTaskScheduler scheduler;
    CString msg;
    ASSERT_TRUE(scheduler.Create(written, msg)) << msg.ToAnsi(CP_UTF8);
    EXPECT_TRUE(msg.IsEmpty());

    CTaskRecord read;
    ASSERT_TRUE(scheduler.Read(name, read, msg)) << msg.ToAnsi(CP_UTF8);
    EXPECT_EQ(name, read.name);
    EXPECT_TRUE(read.application.CompareNoCase(written.application) == 0);
    EXPECT_EQ(written.parameters, read.parameters) << read.parameters.ToAnsi(CP_UTF8);
    EXPECT_EQ(written.comment, read.comment) << read.comment.ToAnsi(CP_UTF8);
    EXPECT_EQ(written.flags, read.flags);
    EXPECT_EQ(TASK_TIME_TRIGGER_WEEKLY, read.trigger.TriggerType);
    EXPECT_EQ(62, read.trigger.Type.Weekly.rgfDaysOfTheWeek);
    EXPECT_EQ(1, read.trigger.Type.Weekly.WeeksInterval);
    EXPECT_EQ(2030, read.trigger.wBeginYear);
    EXPECT_EQ(7, read.trigger.wStartHour);
    EXPECT_EQ(5, read.trigger.wStartMinute);

    EXPECT_TRUE(scheduler.Exists(name, msg));
    CStringArray names;
    ASSERT_TRUE(scheduler.Enumerate(names, msg));
    EXPECT_TRUE(Contains(names, name)) << "names are listed without their file extension";
}

TEST(TaskSchedulerTest, CreateNeverOverwritesAndDeleteOfAMissingTaskFails)
{
    TaskCleanup cleanup;
    const CString name = cleanup.Add(UniqueTaskName(L"Twice"));
    CTaskScheduler scheduler;
    CString msg;
    ASSERT_TRUE(scheduler.Create(OwnTask(name, L"-type first"), msg));
    EXPECT_FALSE(scheduler.Create(OwnTask(name, L"-type second"), msg));
    EXPECT_TRUE(StartsWith(msg, L"Cannot create the Windows task '" + name +
                                    L"'. Another task with the same name exists. Error: '"))
        << msg.ToAnsi(CP_UTF8);
    CTaskRecord read;
    ASSERT_TRUE(scheduler.Read(name, read, msg));
    EXPECT_EQ(CString(L"-type first"), read.parameters);

    ASSERT_TRUE(scheduler.Delete(name, msg));
    EXPECT_FALSE(scheduler.Exists(name, msg));
    EXPECT_TRUE(msg.IsEmpty()) << "a task that cannot be opened is no error";
    EXPECT_FALSE(scheduler.Delete(name, msg));
    EXPECT_TRUE(StartsWith(msg, L"Failure deleting Windows task '" + name + L"'. Error: '")) << msg.ToAnsi(CP_UTF8);
    EXPECT_FALSE(scheduler.Read(name, read, msg));
    EXPECT_TRUE(StartsWith(msg, L"Failure activating the Windows task '" + name + L"'. Error: '"));
}

TEST(TaskSchedulerTest, ListingKeepsEveryReadableOwnTaskAndNamesTheUnreadableOnes)
{
    TaskCleanup cleanup;
    const CString first = cleanup.Add(UniqueTaskName(L"Own A"));
    const CString second = cleanup.Add(UniqueTaskName(L"Own B"));
    const CString foreign = cleanup.Add(UniqueTaskName(L"Foreign"));
    const CString corrupt = cleanup.Add(UniqueTaskName(L"Corrupt"));
    CTaskScheduler scheduler;
    CString msg;
    ASSERT_TRUE(scheduler.Create(OwnTask(first, L"-type one"), msg));
    ASSERT_TRUE(scheduler.Create(OwnTask(second, L"-type two"), msg));
    CTaskRecord other = OwnTask(foreign, L"-type three");
    // The same program in another folder, and quoted, is no task of this system.
    other.application = L"C:\\elsewhere\\VellRunJobs.exe";
    ASSERT_TRUE(scheduler.Create(other, msg));
    ASSERT_TRUE(WriteCorruptTask(corrupt));

    std::vector<CTaskRecord> tasks;
    ASSERT_TRUE(scheduler.ListOwnTasks(OwnApplication(), tasks, msg));
    ASSERT_NE(nullptr, Find(tasks, first));
    ASSERT_NE(nullptr, Find(tasks, second));
    EXPECT_EQ(CString(L"-type two"), Find(tasks, second)->parameters);
    EXPECT_EQ(nullptr, Find(tasks, foreign));
    EXPECT_EQ(nullptr, Find(tasks, corrupt));
    EXPECT_GE(msg.Find(L"could not be read"), 0) << msg.ToAnsi(CP_UTF8);
    EXPECT_GE(msg.Find(corrupt), 0) << msg.ToAnsi(CP_UTF8);
}

TEST(TaskSchedulerTest, ReplaceUpdatesInPlaceAndAFailedReplaceKeepsTheOldTask)
{
    TaskCleanup cleanup;
    const CString name = cleanup.Add(UniqueTaskName(L"Replaced"));
    CString msg;
    ASSERT_TRUE(CTaskScheduler().Create(OwnTask(name, L"-type old"), msg));

    SeamScheduler failing;
    failing.saveResult = E_FAIL;
    failing.saveReally = false;
    CTaskRecord newer = OwnTask(name, L"-type new");
    newer.trigger.TriggerType = TASK_TIME_TRIGGER_DAILY;
    newer.trigger.Type.Daily.DaysInterval = 3;
    EXPECT_FALSE(failing.Replace(newer, msg));
    EXPECT_TRUE(StartsWith(msg, L"Failure creating the Windows task '" + name + L"'. Error: '")) << msg.ToAnsi(CP_UTF8);
    CTaskRecord read;
    ASSERT_TRUE(CTaskScheduler().Read(name, read, msg));
    EXPECT_EQ(CString(L"-type old"), read.parameters);
    EXPECT_EQ(TASK_TIME_TRIGGER_WEEKLY, read.trigger.TriggerType);

    ASSERT_TRUE(CTaskScheduler().Replace(newer, msg)) << msg.ToAnsi(CP_UTF8);
    ASSERT_TRUE(CTaskScheduler().Read(name, read, msg));
    EXPECT_EQ(CString(L"-type new"), read.parameters);
    EXPECT_EQ(TASK_TIME_TRIGGER_DAILY, read.trigger.TriggerType);
    EXPECT_EQ(3, read.trigger.Type.Daily.DaysInterval);

    const CString fresh = cleanup.Add(UniqueTaskName(L"Replaced fresh"));
    EXPECT_TRUE(CTaskScheduler().Replace(OwnTask(fresh, L"-type made"), msg)) << "a missing task is created";
    EXPECT_TRUE(CTaskScheduler().Exists(fresh, msg));
}

TEST(TaskSchedulerTest, MissingSchedulerClassIsReportedByEveryOperation)
{
    SeamScheduler scheduler;
    scheduler.createResult = REGDB_E_CLASSNOTREG;
    const CString notInstalled = L"Windows Task Scheduler not installed. If you are running 95 or NT 4 with IE 4, "
                                 L"you must install the task scheduler from the IE components install page on MS's "
                                 L"web site or the IE CD.";
    CString msg;
    CTaskRecord rec = OwnTask(L"Nowhere", L"");
    EXPECT_FALSE(scheduler.Exists(rec.name, msg));
    EXPECT_EQ(notInstalled, msg);
    EXPECT_FALSE(scheduler.Delete(rec.name, msg));
    EXPECT_EQ(notInstalled, msg);
    EXPECT_FALSE(scheduler.Read(rec.name, rec, msg));
    EXPECT_EQ(notInstalled, msg);
    EXPECT_FALSE(scheduler.Create(rec, msg));
    EXPECT_EQ(notInstalled, msg);
    EXPECT_FALSE(scheduler.Replace(rec, msg));
    EXPECT_EQ(notInstalled, msg);
    CStringArray names;
    EXPECT_FALSE(scheduler.Enumerate(names, msg));
    EXPECT_TRUE(StartsWith(msg, L"Failure retrieving the Windows Task Scheduler interface. Error: '"));
    std::vector<CTaskRecord> tasks;
    EXPECT_FALSE(scheduler.ListOwnTasks(OwnApplication(), tasks, msg));
    EXPECT_TRUE(StartsWith(msg, L"Failure retrieving the Windows Task Scheduler interface. Error: '"));

    scheduler.createResult = E_OUTOFMEMORY;
    EXPECT_FALSE(scheduler.Exists(rec.name, msg));
    EXPECT_TRUE(StartsWith(msg, L"Failure retrieving the Windows Task Scheduler interface. Error: '"));
}

TEST(TaskSchedulerTest, RejectedAccountsCreateTheTaskWithAWarning)
{
    struct Case
    {
        HRESULT save;
        const wchar_t* warning; // %s: the task's name
    };
    const Case cases[] = {
        {E_ACCESSDENIED, L"The task '%s' was created with invalid user name and/or password and it will be disabled."},
        {SCHED_E_ACCOUNT_NAME_NOT_FOUND, L"Unable to establish existence of the account specified or invalid user "
                                         L"credentials. The task was created, but it will be disabled."},
    };
    for (const Case& c : cases)
    {
        TaskCleanup cleanup;
        const CString name = cleanup.Add(UniqueTaskName(L"Account"));
        SeamScheduler scheduler;
        scheduler.saveResult = c.save;
        CString msg, expected;
        expected.Format(c.warning, name.GetString());
        EXPECT_TRUE(scheduler.Create(OwnTask(name, L"-type x"), msg));
        EXPECT_EQ(expected, msg);
        EXPECT_TRUE(CTaskScheduler().Exists(name, msg));
    }
}
