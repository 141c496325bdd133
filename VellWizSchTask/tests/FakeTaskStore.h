#pragma once
// A task store in memory behind the Task Scheduler 1.0 interfaces, answering as Windows
// answers where Wine is lenient: an account without a password is refused unless the
// work item runs only while its user is logged on, a new work item has no account until
// one is set, and a save can fail after the work item was written (as when the system
// cannot store the account). A scheduler of the tasks manager reaches it through its
// scheduler seam.
#include "VellWizSchTask/CTaskScheduler.h"

#include <map>
#include <string>

namespace task_test
{
// What the store keeps of one work item.
struct FakeWorkItem
{
    CString application, parameters, comment, workingDirectory;
    CString account; // empty: no account information set
    bool hasPassword = false;
    DWORD flags = 0;
    TASK_TRIGGER trigger = {};
    WORD triggers = 0;
};

class FakeTaskStore
{
public:
    // What a failing save leaves behind.
    enum class FailedSave
    {
        Nothing, // the work item stays as it was (or missing)
        Written, // the work item was written before the failure
        Removed, // the work item is gone
    };

    std::map<std::wstring, FakeWorkItem> items; // by upper-cased name
    HRESULT saveResult = S_OK;
    FailedSave failedSave = FailedSave::Nothing;
    int accountCalls = 0; // calls of SetAccountInformation

    static std::wstring Key(const CString& name);
    FakeWorkItem* Find(const CString& name);
};

// The tasks manager's scheduler working on a store in memory, as on the NT family.
class FakeStoreScheduler : public CTaskScheduler
{
public:
    explicit FakeStoreScheduler(FakeTaskStore& store) : m_store(store) { isNT = true; }

protected:
    HRESULT CreateScheduler(ITaskScheduler** scheduler) override;

private:
    FakeTaskStore& m_store;
};
} // namespace task_test
