#include "VellWizSchTask/CTaskScheduler.h"

#include "common/SystemHelpers.h"

#include <wrl/client.h>

using Microsoft::WRL::ComPtr;

namespace
{
const wchar_t kNotInstalled[] =
    L"Windows Task Scheduler not installed. If you are running 95 or NT 4 with IE 4, you must install the task "
    L"scheduler from the IE components install page on MS's web site or the IE CD.";
const wchar_t kAccessDeniedWarning[] =
    L"The task '%s' was created with invalid user name and/or password and it will be disabled.";
const wchar_t kAccountWarning[] = L"Unable to establish existence of the account specified or invalid user "
                                  L"credentials. The task was created, but it will be disabled.";
const wchar_t kReadFailure[] = L"Failure retrieving the activated task information. Error: '%s'.";
const wchar_t kSetUpFailure[] = L"Failure setting up the activated task information. Error: '%s'.";
const wchar_t kCreateFailure[] = L"Failure creating the Windows task '%s'. Error: '%s'.";
const wchar_t kSavedWithError[] = L"The Windows task '%s' was created, but the Task Scheduler reported an error: "
                                  L"'%s'. The task may not run as scheduled.";
const wchar_t kStillThere[] = L" The task of that name is still there, possibly with its earlier settings.";
const wchar_t kGone[] = L" The earlier task of that name is gone.";

// The system's text of a result, also of a success; the code in hexadecimal when the
// system has no text for it (the scheduler's own codes, such as its service not running).
CString ResultText(HRESULT hr)
{
    CString text = GetSystemErrorText(static_cast<DWORD>(hr));
    if (text.IsEmpty())
        text.Format(L"0x%08lX", static_cast<unsigned long>(hr));
    return text;
}

CString Formatted(const wchar_t* format, const CString& first)
{
    CString text;
    text.Format(format, first.GetString());
    return text;
}

CString Formatted(const wchar_t* format, const CString& first, const CString& second)
{
    CString text;
    text.Format(format, first.GetString(), second.GetString());
    return text;
}

// The string a getter of the scheduler allocates, freed again; empty when the call
// fails or gives no string.
template <class Getter> CString TakeString(Getter get)
{
    wchar_t* text = nullptr;
    const HRESULT hr = get(&text);
    const CString value = SUCCEEDED(hr) && text ? CString(text) : CString();
    CoTaskMemFree(text);
    return value;
}

// True when a task written without a password can keep the account it holds: the stored
// account is rec's user, whose stored password stays then (a changed task opens with an
// empty password field). A new work item has no account, so it never keeps one.
bool KeepsAccount(ITask* task, const CTaskRecord& rec)
{
    if (!rec.password.IsEmpty())
        return false;
    const CString stored = TakeString([task](LPWSTR* text) { return task->GetAccountInformation(text); });
    return !stored.IsEmpty() && stored.CompareNoCase(rec.user) == 0;
}

// Keeps the last failing result of a series of calls that are all made.
void Keep(HRESULT hr, HRESULT& last)
{
    if (FAILED(hr))
        last = hr;
}

// Activates the work item of name as a task.
HRESULT Activate(ITaskScheduler* scheduler, const CString& name, ComPtr<ITask>& task)
{
    return scheduler->Activate(name, IID_ITask, reinterpret_cast<IUnknown**>(task.ReleaseAndGetAddressOf()));
}

// COM for one operation: left again when the object goes, if it was entered.
class ComScope
{
public:
    ComScope() : m_hr(CoInitialize(nullptr)) {}
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    ~ComScope()
    {
        if (SUCCEEDED(m_hr))
            CoUninitialize();
    }
    HRESULT Result() const { return m_hr; }

private:
    HRESULT m_hr;
};
} // namespace

CTaskScheduler::CTaskScheduler() : isNT((GetVersion() & 0x80000000u) == 0) {}

HRESULT CTaskScheduler::CreateScheduler(ITaskScheduler** scheduler)
{
    return CoCreateInstance(CLSID_CTaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskScheduler,
                            reinterpret_cast<void**>(scheduler));
}

HRESULT CTaskScheduler::SaveTask(IPersistFile* file)
{
    return file->Save(nullptr, TRUE);
}

template <class Work>
bool CTaskScheduler::Run(CString& msg, bool classMissingIsRetrieval, const CString& unknownError, Work work)
{
    msg.Empty();
    const ComScope com;
    if (FAILED(com.Result()))
    {
        msg = Formatted(L"Failure initializing COM. Error: '%s'.", ResultText(com.Result()));
        return false;
    }
    try
    {
        ComPtr<ITaskScheduler> scheduler;
        const HRESULT hr = CreateScheduler(scheduler.GetAddressOf());
        if (FAILED(hr))
        {
            msg = hr == REGDB_E_CLASSNOTREG && !classMissingIsRetrieval
                      ? CString(kNotInstalled)
                      : Formatted(L"Failure retrieving the Windows Task Scheduler interface. Error: '%s'.",
                                  ResultText(hr));
            return false;
        }
        return work(scheduler.Get());
    }
    catch (...)
    {
        msg = unknownError;
        return false;
    }
}

bool CTaskScheduler::Exists(const CString& name, CString& msg)
{
    return Run(msg, false, Formatted(L"Failure creating the Windows task '%s'. Unknown error.", name),
               [&](ITaskScheduler* scheduler) {
                   ComPtr<ITask> task;
                   return SUCCEEDED(Activate(scheduler, name, task));
               });
}

bool CTaskScheduler::Delete(const CString& name, CString& msg)
{
    return Run(msg, false, Formatted(L"Failure deleting the Windows task '%s'. Unknown error.", name),
               [&](ITaskScheduler* scheduler) {
                   const HRESULT hr = scheduler->Delete(name);
                   if (FAILED(hr))
                       msg = Formatted(L"Failure deleting Windows task '%s'. Error: '%s'.", name, ResultText(hr));
                   return SUCCEEDED(hr);
               });
}

bool CTaskScheduler::Enumerate(CStringArray& names, CString& msg)
{
    names.RemoveAll();
    return Run(msg, true, L"Failure retrieving the Windows tasks. Unknown error.", [&](ITaskScheduler* scheduler) {
        ComPtr<IEnumWorkItems> items;
        HRESULT hr = scheduler->Enum(items.GetAddressOf());
        while (SUCCEEDED(hr) && items)
        {
            wchar_t** batch = nullptr;
            ULONG fetched = 0;
            hr = items->Next(5, &batch, &fetched);
            if (FAILED(hr) || fetched == 0)
                break;
            for (ULONG i = 0; i < fetched; ++i)
            {
                const CString file = batch[i];
                // The work item's file extension (".job") is no part of the name.
                names.Add(file.Left(file.GetLength() - 4));
                CoTaskMemFree(batch[i]);
            }
            CoTaskMemFree(batch);
        }
        if (FAILED(hr))
            msg = Formatted(L"Failure enumerating Windows tasks. Error: '%s'.", ResultText(hr));
        return SUCCEEDED(hr);
    });
}

bool CTaskScheduler::Read(const CString& name, CTaskRecord& rec, CString& msg)
{
    return Run(msg, false, Formatted(L"Failure retrieving the Windows task '%s'. Unknown error.", name),
               [&](ITaskScheduler* scheduler) {
                   ComPtr<ITask> task;
                   const HRESULT hr = Activate(scheduler, name, task);
                   if (FAILED(hr))
                   {
                       msg = Formatted(L"Failure activating the Windows task '%s'. Error: '%s'.", name,
                                       ResultText(hr));
                       return false;
                   }
                   if (!ReadTask(task.Get(), rec, msg))
                       return false;
                   rec.name = name;
                   return true;
               });
}

bool CTaskScheduler::ReadTask(ITask* task, CTaskRecord& rec, CString& msg)
{
    rec.Reset();
    if (!task)
        return false;
    try
    {
        rec.application = TakeString([task](LPWSTR* text) { return task->GetApplicationName(text); });
        rec.parameters = TakeString([task](LPWSTR* text) { return task->GetParameters(text); });
        rec.comment = TakeString([task](LPWSTR* text) { return task->GetComment(text); });
        if (isNT)
            rec.user = TakeString([task](LPWSTR* text) { return task->GetAccountInformation(text); });
        rec.workingDirectory = TakeString([task](LPWSTR* text) { return task->GetWorkingDirectory(text); });

        HRESULT hr = task->GetFlags(&rec.flags);
        WORD triggers = 0;
        if (SUCCEEDED(hr))
            hr = task->GetTriggerCount(&triggers);
        ComPtr<ITaskTrigger> trigger;
        if (SUCCEEDED(hr))
            hr = task->GetTrigger(0, trigger.GetAddressOf());
        TASK_TRIGGER read = {};
        read.cbTriggerSize = sizeof(read);
        if (SUCCEEDED(hr))
            hr = trigger->GetTrigger(&read);
        if (FAILED(hr))
        {
            rec.Reset();
            msg = Formatted(kReadFailure, ResultText(hr));
            return false;
        }
        CTaskRecord::CopyTrigger(read, rec.trigger);
        return true;
    }
    catch (...)
    {
        rec.Reset();
        msg = L"Failure retrieving the activated task information. Unknown error.";
        return false;
    }
}

bool CTaskScheduler::SetUp(ITask* task, const CTaskRecord& rec, CString& msg)
{
    try
    {
        HRESULT last = S_OK;
        Keep(task->SetApplicationName(rec.application), last);
        Keep(task->SetParameters(rec.parameters), last);
        Keep(task->SetComment(rec.comment), last);
        Keep(task->SetWorkingDirectory(rec.workingDirectory), last);
        // The system takes an account without a password only from a task that already
        // runs only while its user is logged on, so the flags go first.
        Keep(task->SetFlags(rec.flags), last);
        if (isNT && !KeepsAccount(task, rec))
            Keep(task->SetAccountInformation(rec.user, rec.password.IsEmpty() ? nullptr : rec.password.GetString()),
                 last);

        // The work item ends with exactly rec's one trigger.
        WORD count = 0;
        HRESULT hr = task->GetTriggerCount(&count);
        Keep(hr, last);
        for (WORD i = count; SUCCEEDED(hr) && i > 0; --i)
        {
            hr = task->DeleteTrigger(i - 1);
            Keep(hr, last);
        }
        WORD index = 0;
        ComPtr<ITaskTrigger> trigger;
        hr = task->CreateTrigger(&index, trigger.GetAddressOf());
        Keep(hr, last);
        if (SUCCEEDED(hr))
        {
            TASK_TRIGGER copy;
            CTaskRecord::CopyTrigger(rec.trigger, copy);
            Keep(trigger->SetTrigger(&copy), last);
        }
        if (FAILED(last))
            msg = Formatted(kSetUpFailure, ResultText(last));
        return SUCCEEDED(last);
    }
    catch (...)
    {
        msg = L"Failure setting up the activated task information. Unknown error.";
        return false;
    }
}

bool CTaskScheduler::SetUpAndSave(ITaskScheduler* scheduler, ITask* task, const CTaskRecord& rec, bool isNew,
                                  CString& msg)
{
    if (!SetUp(task, rec, msg))
        return false;
    ComPtr<IPersistFile> file;
    HRESULT hr = task->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.GetAddressOf()));
    if (SUCCEEDED(hr))
        hr = SaveTask(file.Get());
    if (hr == E_ACCESSDENIED)
        msg = Formatted(kAccessDeniedWarning, rec.name);
    else if (hr == SCHED_E_ACCOUNT_NAME_NOT_FOUND)
        msg = kAccountWarning;
    else if (FAILED(hr))
        return ReportFailedSave(scheduler, rec.name, isNew, hr, msg);
    return true;
}

bool CTaskScheduler::ReportFailedSave(ITaskScheduler* scheduler, const CString& name, bool isNew, HRESULT hr,
                                      CString& msg)
{
    // The system may write the work item and fail afterwards (an account it could not
    // store): what is there decides the report.
    ComPtr<ITask> saved;
    const bool exists = SUCCEEDED(Activate(scheduler, name, saved));
    if (isNew && exists)
    {
        msg = Formatted(kSavedWithError, name, ResultText(hr));
        return true;
    }
    msg = Formatted(kCreateFailure, name, ResultText(hr));
    if (!isNew)
        msg += exists ? kStillThere : kGone;
    return false;
}

bool CTaskScheduler::Create(const CTaskRecord& rec, CString& msg)
{
    return Run(msg, false, Formatted(L"Failure creating the Windows task '%s'. Unknown error.", rec.name),
               [&](ITaskScheduler* scheduler) {
                   ComPtr<ITask> task;
                   HRESULT hr = Activate(scheduler, rec.name, task);
                   if (SUCCEEDED(hr))
                   {
                       msg = Formatted(
                           L"Cannot create the Windows task '%s'. Another task with the same name exists. Error: '%s'.",
                           rec.name, ResultText(hr));
                       return false;
                   }
                   ComPtr<IUnknown> item;
                   hr = scheduler->NewWorkItem(rec.name, CLSID_CTask, IID_ITask, item.GetAddressOf());
                   if (SUCCEEDED(hr))
                       hr = item->QueryInterface(IID_ITask, reinterpret_cast<void**>(task.ReleaseAndGetAddressOf()));
                   if (FAILED(hr))
                   {
                       msg = Formatted(kCreateFailure, rec.name, ResultText(hr));
                       return false;
                   }
                   return SetUpAndSave(scheduler, task.Get(), rec, true, msg);
               });
}

bool CTaskScheduler::Replace(const CTaskRecord& rec, CString& msg)
{
    bool exists = false;
    const bool done = Run(msg, false, Formatted(L"Failure creating the Windows task '%s'. Unknown error.", rec.name),
                          [&](ITaskScheduler* scheduler) {
                              ComPtr<ITask> task;
                              exists = SUCCEEDED(Activate(scheduler, rec.name, task));
                              return exists && SetUpAndSave(scheduler, task.Get(), rec, false, msg);
                          });
    if (done || exists || !msg.IsEmpty())
        return done;
    return Create(rec, msg);
}

bool CTaskScheduler::ListOwnTasks(const CString& application, std::vector<CTaskRecord>& out, CString& msg)
{
    CStringArray names;
    if (!Enumerate(names, msg))
        return false;
    CString unreadable;
    for (int i = 0; i < names.GetSize(); ++i)
    {
        CTaskRecord rec;
        CString readMsg;
        if (Read(names[i], rec, readMsg))
        {
            if (rec.application.CompareNoCase(application) == 0)
                out.push_back(rec);
        }
        else if (!readMsg.IsEmpty())
            unreadable += (unreadable.IsEmpty() ? L"" : L", ") + names[i];
    }
    if (!unreadable.IsEmpty())
        msg = Formatted(L"The following scheduled task(s) could not be read and are not listed: %s.", unreadable);
    return true;
}
