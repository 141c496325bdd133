#pragma once
// CTaskScheduler: the tasks manager's door to the Windows Task Scheduler (work items in
// the system's task folder). Every operation stands alone: it enters COM, gets the
// scheduler, does its work, releases everything and leaves COM again. Each returns
// true or false and fills msg with a full-sentence text for the user (empty when there
// is nothing to say); nothing is shown here.
#include "VellWizSchTask/CTaskRecord.h"
#include "framework/CArray.h"

#include <vector>

class CTaskScheduler
{
public:
    CTaskScheduler();
    virtual ~CTaskScheduler() = default;

    // True when a task of that name can be opened; a task that cannot be opened is no
    // error (false with an empty msg).
    bool Exists(const CString& name, CString& msg);
    bool Delete(const CString& name, CString& msg);
    // The names of every work item, without their file extension.
    bool Enumerate(CStringArray& names, CString& msg);
    bool Read(const CString& name, CTaskRecord& rec, CString& msg);
    // Creates a task of rec's name; a task of that name that exists already is never
    // overwritten. A task whose account the scheduler rejects, or whose save failed but
    // which the scheduler kept, counts as created, with a warning in msg. A record
    // without a password needs TASK_FLAG_RUN_ONLY_IF_LOGGED_ON in its flags (the system
    // takes no account without a password otherwise); one whose user has the task's
    // stored account already leaves that account as it is stored.
    bool Create(const CTaskRecord& rec, CString& msg);
    // Writes rec over the existing task of its name in place (or creates it when there
    // is none): when the write fails, the old task stays as it was.
    bool Replace(const CTaskRecord& rec, CString& msg);
    // Every readable task whose application is application (without regard to case),
    // in the scheduler's order. Tasks that cannot be read are left out and named in msg;
    // the result is false only when the tasks cannot be listed at all.
    bool ListOwnTasks(const CString& application, std::vector<CTaskRecord>& out, CString& msg);

    // True on the NT family, where the account is written and read.
    bool isNT;

protected:
    // Where the scheduler and the saving of a work item come from; a test replaces them.
    virtual HRESULT CreateScheduler(ITaskScheduler** scheduler);
    virtual HRESULT SaveTask(IPersistFile* file);

private:
    bool ReadTask(ITask* task, CTaskRecord& rec, CString& msg);
    bool SetUp(ITask* task, const CTaskRecord& rec, CString& msg);
    // Sets up and saves an opened work item (isNew: made for this save); the save's
    // warnings count as success.
    bool SetUpAndSave(ITaskScheduler* scheduler, ITask* task, const CTaskRecord& rec, bool isNew, CString& msg);
    // The outcome of a save that failed with hr, told by whether the task exists now: a
    // new task the system kept anyway counts as created, with a warning.
    bool ReportFailedSave(ITaskScheduler* scheduler, const CString& name, bool isNew, HRESULT hr, CString& msg);
    // Runs work with the scheduler inside the common frame of every operation.
    template <class Work>
    bool Run(CString& msg, bool classMissingIsRetrieval, const CString& unknownError, Work work);
};
