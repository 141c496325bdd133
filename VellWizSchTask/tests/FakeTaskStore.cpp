#include "VellWizSchTask/tests/FakeTaskStore.h"

#include <cwctype>

namespace task_test
{
namespace
{
// A copy of text the caller frees with CoTaskMemFree.
HRESULT Give(const CString& text, LPWSTR* out)
{
    const size_t bytes = (static_cast<size_t>(text.GetLength()) + 1) * sizeof(wchar_t);
    *out = static_cast<LPWSTR>(CoTaskMemAlloc(bytes));
    if (!*out)
        return E_OUTOFMEMORY;
    memcpy(*out, text.GetString(), bytes);
    return S_OK;
}

// The references of a fake, which deletes itself with its last one.
class Counted
{
public:
    virtual ~Counted() = default;

protected:
    ULONG Add() { return ++m_refs; }
    ULONG Drop()
    {
        const ULONG refs = --m_refs;
        if (refs == 0)
            delete this;
        return refs;
    }
    // Hands out face (nullptr: the interface is not offered) with a new reference.
    HRESULT Offer(void* face, void** out)
    {
        *out = face;
        if (!face)
            return E_NOINTERFACE;
        Add();
        return S_OK;
    }

private:
    ULONG m_refs = 1;
};

// The one trigger of a work item.
class FakeTrigger final : public ITaskTrigger, private Counted
{
public:
    explicit FakeTrigger(FakeWorkItem& item) : m_item(item) {}
    HRESULT WINAPI QueryInterface(REFIID riid, void** out) override
    {
        return Offer(riid == IID_IUnknown || riid == IID_ITaskTrigger ? static_cast<ITaskTrigger*>(this) : nullptr,
                     out);
    }
    ULONG WINAPI AddRef() override { return Add(); }
    ULONG WINAPI Release() override { return Drop(); }
    HRESULT WINAPI SetTrigger(const PTASK_TRIGGER trigger) override
    {
        m_item.trigger = *trigger;
        return S_OK;
    }
    HRESULT WINAPI GetTrigger(PTASK_TRIGGER trigger) override
    {
        *trigger = m_item.trigger;
        return S_OK;
    }
    HRESULT WINAPI GetTriggerString(LPWSTR*) override { return E_NOTIMPL; }

private:
    FakeWorkItem& m_item;
};

// One opened work item: a copy of the stored one, written back by Save.
class FakeTask final : public ITask, public IPersistFile, private Counted
{
public:
    FakeTask(FakeTaskStore& store, const CString& name, const FakeWorkItem& item)
        : m_store(store), m_name(name), m_item(item)
    {
    }
    HRESULT WINAPI QueryInterface(REFIID riid, void** out) override
    {
        if (riid == IID_IUnknown || riid == IID_ITask || riid == IID_IScheduledWorkItem)
            return Offer(static_cast<ITask*>(this), out);
        return Offer(riid == IID_IPersistFile ? static_cast<IPersistFile*>(this) : nullptr, out);
    }
    ULONG WINAPI AddRef() override { return Add(); }
    ULONG WINAPI Release() override { return Drop(); }

    HRESULT WINAPI CreateTrigger(WORD* index, ITaskTrigger** trigger) override
    {
        *index = m_item.triggers++;
        *trigger = new FakeTrigger(m_item);
        return S_OK;
    }
    HRESULT WINAPI DeleteTrigger(WORD index) override
    {
        if (index >= m_item.triggers)
            return E_INVALIDARG;
        --m_item.triggers;
        return S_OK;
    }
    HRESULT WINAPI GetTriggerCount(WORD* count) override
    {
        *count = m_item.triggers;
        return S_OK;
    }
    HRESULT WINAPI GetTrigger(WORD index, ITaskTrigger** trigger) override
    {
        if (index >= m_item.triggers)
            return SCHED_E_TRIGGER_NOT_FOUND;
        *trigger = new FakeTrigger(m_item);
        return S_OK;
    }
    HRESULT WINAPI SetFlags(DWORD flags) override
    {
        m_item.flags = flags;
        return S_OK;
    }
    HRESULT WINAPI GetFlags(DWORD* flags) override
    {
        *flags = m_item.flags;
        return S_OK;
    }
    HRESULT WINAPI SetAccountInformation(LPCWSTR account, LPCWSTR password) override
    {
        ++m_store.accountCalls;
        // Only the local system account (an empty name) or a task that runs while its
        // user is logged on goes without a password.
        if (!password && account && *account && !(m_item.flags & TASK_FLAG_RUN_ONLY_IF_LOGGED_ON))
            return SCHED_E_UNSUPPORTED_ACCOUNT_OPTION;
        m_item.account = account;
        m_item.hasPassword = password != nullptr;
        return S_OK;
    }
    HRESULT WINAPI GetAccountInformation(LPWSTR* account) override
    {
        return m_item.account.IsEmpty() ? SCHED_E_ACCOUNT_INFORMATION_NOT_SET : Give(m_item.account, account);
    }
    HRESULT WINAPI SetComment(LPCWSTR text) override { return Set(m_item.comment, text); }
    HRESULT WINAPI GetComment(LPWSTR* text) override { return Give(m_item.comment, text); }
    HRESULT WINAPI SetApplicationName(LPCWSTR text) override { return Set(m_item.application, text); }
    HRESULT WINAPI GetApplicationName(LPWSTR* text) override { return Give(m_item.application, text); }
    HRESULT WINAPI SetParameters(LPCWSTR text) override { return Set(m_item.parameters, text); }
    HRESULT WINAPI GetParameters(LPWSTR* text) override { return Give(m_item.parameters, text); }
    HRESULT WINAPI SetWorkingDirectory(LPCWSTR text) override { return Set(m_item.workingDirectory, text); }
    HRESULT WINAPI GetWorkingDirectory(LPWSTR* text) override { return Give(m_item.workingDirectory, text); }

    HRESULT WINAPI Save(LPCOLESTR, BOOL) override
    {
        if (SUCCEEDED(m_store.saveResult) || m_store.failedSave == FakeTaskStore::FailedSave::Written)
            m_store.items[FakeTaskStore::Key(m_name)] = m_item;
        else if (m_store.failedSave == FakeTaskStore::FailedSave::Removed)
            m_store.items.erase(FakeTaskStore::Key(m_name));
        return m_store.saveResult;
    }

    // What the tasks manager never calls.
    HRESULT WINAPI GetTriggerString(WORD, LPWSTR*) override { return E_NOTIMPL; }
    HRESULT WINAPI GetRunTimes(const LPSYSTEMTIME, const LPSYSTEMTIME, WORD*, LPSYSTEMTIME*) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI GetNextRunTime(SYSTEMTIME*) override { return E_NOTIMPL; }
    HRESULT WINAPI SetIdleWait(WORD, WORD) override { return E_NOTIMPL; }
    HRESULT WINAPI GetIdleWait(WORD*, WORD*) override { return E_NOTIMPL; }
    HRESULT WINAPI Run() override { return E_NOTIMPL; }
    HRESULT WINAPI Terminate() override { return E_NOTIMPL; }
    HRESULT WINAPI EditWorkItem(HWND, DWORD) override { return E_NOTIMPL; }
    HRESULT WINAPI GetMostRecentRunTime(SYSTEMTIME*) override { return E_NOTIMPL; }
    HRESULT WINAPI GetStatus(HRESULT*) override { return E_NOTIMPL; }
    HRESULT WINAPI GetExitCode(DWORD*) override { return E_NOTIMPL; }
    HRESULT WINAPI SetCreator(LPCWSTR) override { return E_NOTIMPL; }
    HRESULT WINAPI GetCreator(LPWSTR*) override { return E_NOTIMPL; }
    HRESULT WINAPI SetWorkItemData(WORD, BYTE[]) override { return E_NOTIMPL; }
    HRESULT WINAPI GetWorkItemData(WORD*, BYTE**) override { return E_NOTIMPL; }
    HRESULT WINAPI SetErrorRetryCount(WORD) override { return E_NOTIMPL; }
    HRESULT WINAPI GetErrorRetryCount(WORD*) override { return E_NOTIMPL; }
    HRESULT WINAPI SetErrorRetryInterval(WORD) override { return E_NOTIMPL; }
    HRESULT WINAPI GetErrorRetryInterval(WORD*) override { return E_NOTIMPL; }
    HRESULT WINAPI SetPriority(DWORD) override { return E_NOTIMPL; }
    HRESULT WINAPI GetPriority(DWORD*) override { return E_NOTIMPL; }
    HRESULT WINAPI SetTaskFlags(DWORD) override { return E_NOTIMPL; }
    HRESULT WINAPI GetTaskFlags(DWORD*) override { return E_NOTIMPL; }
    HRESULT WINAPI SetMaxRunTime(DWORD) override { return E_NOTIMPL; }
    HRESULT WINAPI GetMaxRunTime(DWORD*) override { return E_NOTIMPL; }
    HRESULT WINAPI GetClassID(CLSID*) override { return E_NOTIMPL; }
    HRESULT WINAPI IsDirty() override { return E_NOTIMPL; }
    HRESULT WINAPI Load(LPCOLESTR, DWORD) override { return E_NOTIMPL; }
    HRESULT WINAPI SaveCompleted(LPCOLESTR) override { return E_NOTIMPL; }
    HRESULT WINAPI GetCurFile(LPOLESTR*) override { return E_NOTIMPL; }

private:
    static HRESULT Set(CString& field, LPCWSTR text)
    {
        field = text;
        return S_OK;
    }

    FakeTaskStore& m_store;
    CString m_name;
    FakeWorkItem m_item;
};

// Opens, makes and deletes the store's work items.
class FakeScheduler final : public ITaskScheduler, private Counted
{
public:
    explicit FakeScheduler(FakeTaskStore& store) : m_store(store) {}
    HRESULT WINAPI QueryInterface(REFIID riid, void** out) override
    {
        return Offer(riid == IID_IUnknown || riid == IID_ITaskScheduler ? static_cast<ITaskScheduler*>(this) : nullptr,
                     out);
    }
    ULONG WINAPI AddRef() override { return Add(); }
    ULONG WINAPI Release() override { return Drop(); }
    HRESULT WINAPI Activate(LPCWSTR name, REFIID riid, IUnknown** out) override
    {
        const FakeWorkItem* item = m_store.Find(name);
        return item ? Hand(new FakeTask(m_store, name, *item), riid, out) : HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
    }
    HRESULT WINAPI NewWorkItem(LPCWSTR name, REFCLSID, REFIID riid, IUnknown** out) override
    {
        return m_store.Find(name) ? HRESULT_FROM_WIN32(ERROR_FILE_EXISTS)
                                  : Hand(new FakeTask(m_store, name, FakeWorkItem()), riid, out);
    }
    HRESULT WINAPI Delete(LPCWSTR name) override
    {
        return m_store.items.erase(FakeTaskStore::Key(name)) ? S_OK : HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
    }
    HRESULT WINAPI SetTargetComputer(LPCWSTR) override { return E_NOTIMPL; }
    HRESULT WINAPI GetTargetComputer(LPWSTR*) override { return E_NOTIMPL; }
    HRESULT WINAPI Enum(IEnumWorkItems**) override { return E_NOTIMPL; }
    HRESULT WINAPI AddWorkItem(LPCWSTR, IScheduledWorkItem*) override { return E_NOTIMPL; }
    HRESULT WINAPI IsOfType(LPCWSTR, REFIID) override { return E_NOTIMPL; }

private:
    static HRESULT Hand(FakeTask* task, REFIID riid, IUnknown** out)
    {
        const HRESULT hr = task->QueryInterface(riid, reinterpret_cast<void**>(out));
        task->Release();
        return hr;
    }

    FakeTaskStore& m_store;
};
} // namespace

std::wstring FakeTaskStore::Key(const CString& name)
{
    std::wstring key(name.GetString());
    for (wchar_t& c : key)
        c = static_cast<wchar_t>(std::towupper(c));
    return key;
}

FakeWorkItem* FakeTaskStore::Find(const CString& name)
{
    const auto found = items.find(Key(name));
    return found == items.end() ? nullptr : &found->second;
}

HRESULT FakeStoreScheduler::CreateScheduler(ITaskScheduler** scheduler)
{
    *scheduler = new FakeScheduler(m_store);
    return S_OK;
}
} // namespace task_test
