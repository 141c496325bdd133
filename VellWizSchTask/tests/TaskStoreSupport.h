#pragma once
// Test support for the system's task store: task names of this test program's own
// (so programs never meet), tasks removed again when a test ends, an unreadable work
// item, and a scheduler whose scheduler class or saving a test replaces.
#include "VellWizSchTask/CTaskScheduler.h"

#include <vector>

namespace task_test
{
// A name unique to this process: prefix, the process id and a counter.
CString UniqueTaskName(const wchar_t* prefix);

// The job runner in the test program's folder, the application of this system's tasks.
CString OwnApplication();

// A task record of this system with a weekly trigger, ready to create.
CTaskRecord OwnTask(const CString& name, const CString& parameters);

// Deletes the tasks (and work item files) of the names it was given when it goes.
class TaskCleanup
{
public:
    TaskCleanup() = default;
    TaskCleanup(const TaskCleanup&) = delete;
    TaskCleanup& operator=(const TaskCleanup&) = delete;
    ~TaskCleanup();

    CString Add(const CString& name);

private:
    std::vector<CString> m_names;
};

// Writes a work item file of that name that the scheduler lists but cannot open.
bool WriteCorruptTask(const CString& name);

// The scheduler with its scheduler class or its save result replaced.
class SeamScheduler : public CTaskScheduler
{
public:
    // Result of creating the scheduler instead of creating it; S_OK creates it.
    HRESULT createResult = S_OK;
    // Result of every save; S_OK keeps the real result. A save that succeeds really
    // happens before a warning result is returned, as the system keeps such a task.
    HRESULT saveResult = S_OK;
    bool saveReally = true;

protected:
    HRESULT CreateScheduler(ITaskScheduler** scheduler) override;
    HRESULT SaveTask(IPersistFile* file) override;
};
} // namespace task_test
