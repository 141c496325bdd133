#include "common/CInstanceCop.h"
#include "testing/TestChild.h"
#include "testing/TestPump.h"
#include <gtest/gtest.h>

#include <shellapi.h>
#include <memory>
#include <string>
#include <thread>


namespace
{
// This program doubles as the second instance: started with
//     --guard-child <guard name> <activate: 0|1>
// it runs the guard instead of the tests (TestChild.h) and reports through its exit code.
const wchar_t kChildSwitch[] = L"--guard-child";
const DWORD kChildPassedGuard = 3; // the guard let the second instance run on
const DWORD kChildBadArguments = 4;

DWORD RunSecondInstanceChild(int argc, wchar_t** argv)
{
    if (argc != 4)
        return kChildBadArguments;
    CInstanceCop::RegisterGuardName(argv[2]);
    CInstanceCop guard(wcscmp(argv[3], L"1") == 0);
    // Ends with the guard still held, as a program that runs on would hold it.
    ExitProcess(kChildPassedGuard);
}
[[maybe_unused]] const bool s_secondInstance = RegisterTestChild(kChildSwitch, RunSecondInstanceChild);

std::wstring FreshGuardName()
{
    static int counter = 0;
    return L"VellumorGuardTest-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
}

// Starts this program as a second instance of the guard and waits for it to end while
// answering what it sends to this thread's windows. Returns its exit code.
DWORD RunSecondInstance(const std::wstring& guardName, bool activate)
{
    PROCESS_INFORMATION process = {};
    if (!StartTestChild(kChildSwitch, L"\"" + guardName + L"\" " + (activate ? L"1" : L"0"), process))
        return static_cast<DWORD>(-1);
    DWORD exitCode = STILL_ACTIVE;
    if (PumpUntilSignalled(process.hProcess))
        GetExitCodeProcess(process.hProcess, &exitCode);
    else
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

ATOM RegisterWindowClass(const wchar_t* name, WNDPROC proc)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = name;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    return RegisterClassW(&wc);
}

// A visible top-level window that counts the guard's queries and answers them as the
// running instance's main window does.
class CQueryAnsweringWindow
{
public:
    CQueryAnsweringWindow()
    {
        static const ATOM atom = RegisterWindowClass(L"VellQueryAnsweringWindow", Proc);
        m_window = CreateWindowExW(0, MAKEINTATOM(atom), L"Instance", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300,
                                   200, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    }
    virtual ~CQueryAnsweringWindow() { DestroyWindow(m_window); }

    HWND m_window = nullptr;
    int m_queries = 0;

protected:
    virtual LRESULT Answer(WPARAM, LPARAM) { return CInstanceCop::GetQueryMessage(); }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCCREATE)
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        auto* self = reinterpret_cast<CQueryAnsweringWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self && message == CInstanceCop::GetQueryMessage())
        {
            ++self->m_queries;
            return self->Answer(wParam, lParam);
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
};

// A main window guarded as a program's frame is: the guard (the first base) runs before
// the window exists.
class CGuardedWindow : public CInstanceCop, public CQueryAnsweringWindow
{
public:
    CGuardedWindow() : CInstanceCop(true) {}

protected:
    LRESULT Answer(WPARAM wParam, LPARAM lParam) override { return OnInstanceQuery(wParam, lParam); }
};

// A window that answers the query only once released: hung, as the second instance sees it.
class CHungWindow : public CQueryAnsweringWindow
{
public:
    explicit CHungWindow(HANDLE release) : m_release(release) {}

protected:
    LRESULT Answer(WPARAM wParam, LPARAM lParam) override
    {
        WaitForSingleObject(m_release, INFINITE);
        return CQueryAnsweringWindow::Answer(wParam, lParam);
    }

private:
    HANDLE m_release;
};

class CInstanceCopTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_guardName = FreshGuardName();
        ASSERT_NE(0u, CInstanceCop::RegisterGuardName(m_guardName.c_str()));
    }

    // The first instance: its guard lets it run, its window is minimised.
    void StartFirstInstance()
    {
        m_first.reset(new CGuardedWindow());
        ASSERT_TRUE(IsWindow(m_first->m_window));
        ShowWindow(m_first->m_window, SW_MINIMIZE);
        ASSERT_TRUE(IsIconic(m_first->m_window));
    }

    std::wstring m_guardName;
    std::unique_ptr<CGuardedWindow> m_first;
};
} // namespace

TEST_F(CInstanceCopTest, TheOnlyInstancePassesTheGuard)
{
    EXPECT_EQ(kChildPassedGuard, RunSecondInstance(FreshGuardName(), true));
}

TEST_F(CInstanceCopTest, SecondInstanceBringsTheFirstForwardAndEnds)
{
    StartFirstInstance();
    EXPECT_EQ(0u, RunSecondInstance(m_guardName, true));
    EXPECT_GE(m_first->m_queries, 1);
    ASSERT_TRUE(PumpUntil([&] { return !IsIconic(m_first->m_window); }));
    EXPECT_TRUE(IsWindowVisible(m_first->m_window));
    EXPECT_EQ(m_first->m_window, GetForegroundWindow());
}

TEST_F(CInstanceCopTest, WithoutActivationTheSecondInstanceEndsWithoutTouchingAnyWindow)
{
    StartFirstInstance();
    EXPECT_EQ(0u, RunSecondInstance(m_guardName, false));
    PumpUntil([] { return false; }, 100); // anything the child might have sent is handled by now
    EXPECT_EQ(0, m_first->m_queries);
    EXPECT_TRUE(IsIconic(m_first->m_window));
}

TEST_F(CInstanceCopTest, AHungWindowIsSkippedAndTheSecondInstanceStillEnds)
{
    StartFirstInstance();
    // Above the real window, a window whose thread hangs in the query until released.
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    int hungQueries = 0;
    std::thread hung([&] {
        CHungWindow stuck(release);
        SetWindowPos(stuck.m_window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_HIDEWINDOW);
        SetEvent(ready);
        PumpUntil([&] { return WaitForSingleObject(release, 0) == WAIT_OBJECT_0; });
        hungQueries = stuck.m_queries;
    });
    WaitForSingleObject(ready, INFINITE);

    EXPECT_EQ(0u, RunSecondInstance(m_guardName, true));
    EXPECT_TRUE(PumpUntil([&] { return !IsIconic(m_first->m_window); }));

    SetEvent(release);
    hung.join();
    EXPECT_EQ(1, hungQueries); // asked first, and given up on
    CloseHandle(ready);
    CloseHandle(release);
}

TEST_F(CInstanceCopTest, AGuardThisUserMayNotOpenEndsTheSecondInstance)
{
    // The name is held with an empty access list, as another user's instance would hold it.
    ACL emptyAcl;
    ASSERT_TRUE(InitializeAcl(&emptyAcl, sizeof(emptyAcl), ACL_REVISION));
    SECURITY_DESCRIPTOR descriptor;
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&descriptor, TRUE, &emptyAcl, FALSE);
    SECURITY_ATTRIBUTES attributes = {sizeof(attributes), &descriptor, FALSE};
    HANDLE foreign = CreateMutexW(&attributes, FALSE, m_guardName.c_str());
    ASSERT_NE(nullptr, foreign);
    HANDLE reopened = CreateMutexW(nullptr, FALSE, m_guardName.c_str());
    DWORD reopenError = GetLastError();
    if (reopened)
        CloseHandle(reopened);
    ASSERT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), reopenError) << "the platform does not deny the mutex";

    EXPECT_EQ(0u, RunSecondInstance(m_guardName, false));
    CloseHandle(foreign);
}
