// The rules of the Windows Task Scheduler that Wine does not enforce, on a task store in
// memory that enforces them: an account without a password only for a task that runs
// while its user is logged on, a changed task that keeps its stored account, a failed
// save told by what the store holds, codes without a system text in hexadecimal, and a
// changed task renamed onto another task's name.
#include "VellWizSchTask/TaskFinish.h"
#include "VellWizSchTask/tests/BoxAnswers.h"
#include "VellWizSchTask/tests/FakeTaskStore.h"
#include "VellWizSchTask/tests/TaskStoreSupport.h"

#include <gtest/gtest.h>

using namespace task_test;

namespace
{
// A record that may go without a password.
CTaskRecord Task(const CString& name, const CString& user, const CString& password, const CString& parameters)
{
    CTaskRecord rec = OwnTask(name, parameters);
    rec.user = user;
    rec.password = password;
    rec.flags = TASK_FLAG_INTERACTIVE | TASK_FLAG_RUN_ONLY_IF_LOGGED_ON;
    return rec;
}

bool StartsWith(const CString& text, const CString& head)
{
    return text.Left(head.GetLength()) == head;
}

bool EndsWith(const CString& text, const CString& tail)
{
    return text.Right(tail.GetLength()) == tail;
}
} // namespace

TEST(WindowsTaskRulesTest, AWizardTaskRunsOnlyWhileItsUserIsLoggedOnWithOrWithoutPassword)
{
    for (const wchar_t* password : {L"", L"secret"})
    {
        FakeTaskStore store;
        FakeStoreScheduler scheduler(store);
        CTaskRecord rec = Task(L"Shot", L"alice", password, L"-type x");
        rec.flags = TASK_FLAG_INTERACTIVE; // as a new record comes from the wizard's pages
        BoxAnswers boxes;
        EXPECT_TRUE(WriteWizardTask(scheduler, rec, true, nullptr)) << password;
        EXPECT_TRUE(boxes.texts.empty()) << (boxes.texts.empty() ? "" : boxes.texts[0].ToAnsi(CP_UTF8));
        const FakeWorkItem* item = store.Find(L"Shot");
        ASSERT_NE(nullptr, item);
        EXPECT_EQ(CString(L"alice"), item->account);
        EXPECT_EQ(*password != 0, item->hasPassword);
        EXPECT_NE(0u, item->flags & TASK_FLAG_RUN_ONLY_IF_LOGGED_ON) << password;
        EXPECT_NE(0u, rec.flags & TASK_FLAG_RUN_ONLY_IF_LOGGED_ON) << "the record tells what was written";
    }
}

TEST(WindowsTaskRulesTest, AChangedTaskWithoutPasswordKeepsTheStoredAccountOfItsUser)
{
    FakeTaskStore store;
    FakeStoreScheduler scheduler(store);
    CString msg;
    ASSERT_TRUE(scheduler.Create(Task(L"Shot", L"alice", L"secret", L"-type old"), msg)) << msg.ToAnsi(CP_UTF8);
    const int calls = store.accountCalls;

    EXPECT_TRUE(scheduler.Replace(Task(L"shot", L"ALICE", L"", L"-type new"), msg)) << msg.ToAnsi(CP_UTF8);
    const FakeWorkItem* item = store.Find(L"Shot");
    ASSERT_NE(nullptr, item);
    EXPECT_EQ(calls, store.accountCalls) << "the account is not written again";
    EXPECT_TRUE(item->hasPassword) << "the stored password stays";
    EXPECT_EQ(CString(L"-type new"), item->parameters);

    // Another user without a password runs while that user is logged on.
    EXPECT_TRUE(scheduler.Replace(Task(L"Shot", L"bob", L"", L"-type new"), msg)) << msg.ToAnsi(CP_UTF8);
    item = store.Find(L"Shot");
    EXPECT_EQ(CString(L"bob"), item->account);
    EXPECT_FALSE(item->hasPassword);
}

TEST(WindowsTaskRulesTest, AFailedSaveIsReportedByWhatTheStoreHoldsAfterIt)
{
    const CString failure = L"Failure creating the Windows task 'Shot'. Error: '";
    const struct
    {
        bool replacing;
        FakeTaskStore::FailedSave left;
        bool result;
        const wchar_t* head;
        const wchar_t* tail;
        bool storedAfter;
    } kCases[] = {
        {false, FakeTaskStore::FailedSave::Written, true,
         L"The Windows task 'Shot' was created, but the Task Scheduler reported an error: '",
         L"'. The task may not run as scheduled.", true},
        {false, FakeTaskStore::FailedSave::Nothing, false, failure, L"'.", false},
        {true, FakeTaskStore::FailedSave::Written, false, failure,
         L" The task of that name is still there, possibly with its earlier settings.", true},
        {true, FakeTaskStore::FailedSave::Removed, false, failure, L" The earlier task of that name is gone.", false},
    };
    for (const auto& c : kCases)
    {
        FakeTaskStore store;
        FakeStoreScheduler scheduler(store);
        CString msg;
        if (c.replacing)
        {
            ASSERT_TRUE(scheduler.Create(Task(L"Shot", L"alice", L"secret", L"-type old"), msg));
        }
        store.saveResult = SCHED_E_ACCOUNT_INFORMATION_NOT_SET;
        store.failedSave = c.left;
        const CTaskRecord rec = Task(L"Shot", L"alice", L"secret", L"-type new");
        EXPECT_EQ(c.result, c.replacing ? scheduler.Replace(rec, msg) : scheduler.Create(rec, msg)) << c.head;
        EXPECT_TRUE(StartsWith(msg, c.head)) << msg.ToAnsi(CP_UTF8);
        EXPECT_TRUE(EndsWith(msg, c.tail)) << msg.ToAnsi(CP_UTF8);
        EXPECT_EQ(c.storedAfter, store.Find(L"Shot") != nullptr) << msg.ToAnsi(CP_UTF8);
    }
}

TEST(WindowsTaskRulesTest, ACodeWithoutSystemTextIsShownInHexadecimal)
{
    const struct
    {
        HRESULT code;
        const wchar_t* shown; // nullptr: the system's text, not the code
    } kCases[] = {{SCHED_E_SERVICE_NOT_RUNNING, L"0x80041315"}, {E_ACCESSDENIED, nullptr}};
    for (const auto& c : kCases)
    {
        SeamScheduler scheduler;
        scheduler.createResult = c.code;
        CString msg;
        EXPECT_FALSE(scheduler.Exists(L"Shot", msg));
        const CString head = L"Failure retrieving the Windows Task Scheduler interface. Error: '";
        ASSERT_TRUE(StartsWith(msg, head)) << msg.ToAnsi(CP_UTF8);
        const CString shown = msg.Mid(head.GetLength(), msg.GetLength() - head.GetLength() - 2);
        if (c.shown)
            EXPECT_EQ(CString(c.shown), shown);
        else
            EXPECT_TRUE(!shown.IsEmpty() && shown.Find(L"0x") < 0) << shown.ToAnsi(CP_UTF8);
    }
}

TEST(WindowsTaskRulesTest, AChangedTaskRenamedOntoAnotherAsksBeforeReplacingIt)
{
    FakeTaskStore store;
    FakeStoreScheduler scheduler(store);
    CString msg;
    ASSERT_TRUE(scheduler.Create(Task(L"First", L"alice", L"", L"-type first"), msg));
    ASSERT_TRUE(scheduler.Create(Task(L"Second", L"alice", L"", L"-type second"), msg));

    CTaskRecord renamed = Task(L"Second", L"alice", L"", L"-type renamed");
    {
        BoxAnswers boxes({IDNO});
        EXPECT_FALSE(WriteWizardTask(scheduler, renamed, false, nullptr, L"First"));
        ASSERT_EQ(1u, boxes.texts.size());
        EXPECT_EQ(CString(L"A task having the same name already exists. Do you want to overwrite it?"), boxes.texts[0]);
    }
    EXPECT_EQ(CString(L"-type second"), store.Find(L"Second")->parameters);
    {
        BoxAnswers boxes({IDYES});
        EXPECT_TRUE(WriteWizardTask(scheduler, renamed, false, nullptr, L"First"));
        EXPECT_EQ(1u, boxes.texts.size());
    }
    EXPECT_EQ(CString(L"-type renamed"), store.Find(L"Second")->parameters);
    EXPECT_NE(nullptr, store.Find(L"First")) << "the task it was renamed from stays";

    // The same name in another case is the same task: no question.
    CTaskRecord same = Task(L"second", L"alice", L"", L"-type same");
    BoxAnswers boxes;
    EXPECT_TRUE(WriteWizardTask(scheduler, same, false, nullptr, L"Second"));
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_EQ(CString(L"-type same"), store.Find(L"Second")->parameters);
}
