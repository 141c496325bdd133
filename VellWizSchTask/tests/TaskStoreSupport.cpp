#include "VellWizSchTask/tests/TaskStoreSupport.h"

#include "testing/TestPump.h"
#include "testing/TestRoot.h"

#include <gtest/gtest.h>

namespace task_test
{
CString UniqueTaskName(const wchar_t* prefix)
{
    static unsigned made = 0;
    CString name;
    name.Format(L"%s %lu-%u", prefix, GetCurrentProcessId(), made++);
    return name;
}

CString OwnApplication()
{
    return TestProgramFolder() + L"\\VellRunJobs.exe";
}

CTaskRecord OwnTask(const CString& name, const CString& parameters)
{
    CTaskRecord rec;
    rec.name = name;
    rec.application = OwnApplication();
    rec.parameters = parameters;
    rec.comment = L"Comment of " + name;
    rec.trigger.TriggerType = TASK_TIME_TRIGGER_WEEKLY;
    rec.trigger.Type.Weekly.WeeksInterval = 1;
    rec.trigger.Type.Weekly.rgfDaysOfTheWeek = 62;
    rec.trigger.wBeginYear = 2030;
    rec.trigger.wBeginMonth = 10;
    rec.trigger.wBeginDay = 1;
    rec.trigger.wStartHour = 7;
    rec.trigger.wStartMinute = 5;
    return rec;
}

namespace
{
CString TaskFile(const CString& name)
{
    wchar_t windows[MAX_PATH] = L"";
    GetWindowsDirectoryW(windows, MAX_PATH);
    return CString(windows) + L"\\Tasks\\" + name + L".job";
}
} // namespace

TaskCleanup::~TaskCleanup()
{
    for (const CString& name : m_names)
    {
        CString msg;
        CTaskScheduler().Delete(name, msg);
        DeleteFileW(TaskFile(name));
    }
}

CString TaskCleanup::Add(const CString& name)
{
    m_names.push_back(name);
    return m_names.back();
}

bool WriteCorruptTask(const CString& name)
{
    HANDLE file = CreateFileW(TaskFile(name), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const char garbage[] = "this is no work item";
    DWORD written = 0;
    const bool ok = WriteFile(file, garbage, sizeof garbage, &written, nullptr) && written == sizeof garbage;
    CloseHandle(file);
    return ok;
}

HRESULT SeamScheduler::CreateScheduler(ITaskScheduler** scheduler)
{
    return SUCCEEDED(createResult) ? CTaskScheduler::CreateScheduler(scheduler) : createResult;
}

HRESULT SeamScheduler::SaveTask(IPersistFile* file)
{
    const HRESULT saved = saveReally ? CTaskScheduler::SaveTask(file) : S_OK;
    return saveResult == S_OK || FAILED(saved) ? saved : saveResult;
}
} // namespace task_test

namespace
{
// The system starts its Task Scheduler service at boot; the test prefix starts it for
// the tests, once per program, and waits until it runs.
class SchedulerService : public ::testing::Environment
{
public:
    void SetUp() override
    {
        SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT);
        ASSERT_NE(nullptr, manager) << "The service manager cannot be opened.";
        SC_HANDLE service = OpenServiceW(manager, L"Schedule", SERVICE_START | SERVICE_QUERY_STATUS);
        ASSERT_NE(nullptr, service) << "The Task Scheduler service is not installed.";
        // The service database stays locked while the prefix starts its own services.
        DWORD started = 0;
        SERVICE_STATUS status = {};
        const bool running = PumpUntil(
            [&] {
                if (QueryServiceStatus(service, &status) && status.dwCurrentState == SERVICE_RUNNING)
                    return true;
                if (status.dwCurrentState == SERVICE_STOPPED)
                    started = StartServiceW(service, 0, nullptr) ? 0 : GetLastError();
                return false;
            },
            30000);
        CloseServiceHandle(service);
        CloseServiceHandle(manager);
        ASSERT_TRUE(running) << "The Task Scheduler service did not start (error " << started << ", state "
                             << status.dwCurrentState << ").";
    }
};

const ::testing::Environment* const kService = ::testing::AddGlobalTestEnvironment(new SchedulerService);
} // namespace
