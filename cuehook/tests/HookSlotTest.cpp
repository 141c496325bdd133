// The hook slots of the library: install refusals and their texts, one hook of a kind
// system-wide (across processes, through the shared section), slots of exited processes,
// and the window mode of the CBT and player hooks.
#include "cuehook/CuehookApi.h"
#include "cuehook/tests/CuehookTestSupport.h"
#include "testing/TestChild.h"
#include <cstdio>
#include <gtest/gtest.h>

namespace
{
const HRESULT kSlotBusy = static_cast<HRESULT>(0x80070032);
const wchar_t* const kHeldEvent = L"CuehookTestSlotHeld";
const wchar_t* const kReleaseEvent = L"CuehookTestSlotRelease";
const wchar_t kHolderSwitch[] = L"--hold-recorder-slot";
// The holder's exit codes other than 0 (its install and its removal of its own hook passed).
const DWORD kHolderInstallFailed = 1;
const DWORD kHolderNoEvents = 2;
const DWORD kHolderRemovalFailed = 3;

LRESULT CALLBACK IgnoreEvent(int, WPARAM, LPARAM, DWORD_PTR)
{
    return 0;
}

void* AsTarget(HookEventCallback callback)
{
    return reinterpret_cast<void*>(callback);
}

// Run by CSlotHolder in a second process of this program: holds the recorder slot until
// released or killed.
DWORD HoldRecorderSlot(int, wchar_t**)
{
    CString error;
    if (HkInstallRecorder(AsTarget(IgnoreEvent), 0, kHookNotifyCallback, &error) != S_OK)
    {
        fwprintf(stderr, L"The slot holder could not install the recorder: %ls\n", error.GetString());
        return kHolderInstallFailed;
    }
    HANDLE held = OpenEventW(EVENT_MODIFY_STATE, FALSE, kHeldEvent);
    HANDLE release = OpenEventW(SYNCHRONIZE, FALSE, kReleaseEvent);
    DWORD result = kHolderNoEvents;
    if (held && release)
    {
        SetEvent(held);
        PumpUntil([release] { return WaitForSingleObject(release, 0) == WAIT_OBJECT_0; }, 60000);
        result = HkUninstallRecorder() == S_OK ? 0 : kHolderRemovalFailed;
    }
    if (held)
        CloseHandle(held);
    if (release)
        CloseHandle(release);
    return result;
}
[[maybe_unused]] const bool s_slotHolder = RegisterTestChild(kHolderSwitch, HoldRecorderSlot);

// This test program run again as a second process that holds the recorder slot until it
// is released or killed.
class CSlotHolder
{
public:
    CSlotHolder()
        : m_held(CreateEventW(nullptr, TRUE, FALSE, kHeldEvent)),
          m_release(CreateEventW(nullptr, TRUE, FALSE, kReleaseEvent))
    {
        StartTestChild(kHolderSwitch, {}, m_process);
    }
    ~CSlotHolder()
    {
        Release();
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
        CloseHandle(m_held);
        CloseHandle(m_release);
    }

    bool WaitUntilHolding() const
    {
        HANDLE handles[] = {m_held, m_process.hProcess};
        return m_process.hProcess && WaitForMultipleObjects(2, handles, FALSE, 30000) == WAIT_OBJECT_0;
    }
    void Release()
    {
        SetEvent(m_release);
        WaitForExit();
    }
    void Kill()
    {
        TerminateProcess(m_process.hProcess, 9);
        WaitForExit();
    }
    // 0 when the holder's own checks passed: its install, and its removal of its own hook.
    DWORD GetExitCode() const
    {
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(m_process.hProcess, &code);
        return code;
    }

private:
    void WaitForExit() const { WaitForSingleObject(m_process.hProcess, 30000); }

    HANDLE m_held;
    HANDLE m_release;
    PROCESS_INFORMATION m_process{};
};

class HookSlotTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        HkUninstallCBT();
        HkUninstallRecorder();
        HkUninstallPlayer();
    }

    CString m_error;
};
} // namespace

TEST_F(HookSlotTest, InstallRefusesTargetsThatCannotWork)
{
    HWND foreign = GetDesktopWindow();
    DWORD foreignProcess = 0;
    GetWindowThreadProcessId(foreign, &foreignProcess);
    ASSERT_NE(GetCurrentProcessId(), foreignProcess);
    CTestWindow& window = TestWindow();
    struct Case
    {
        const char* name;
        void* target;
        int mode;
        HRESULT result;
    } cases[] = {
        {"window of another process", foreign, kHookNotifyWindow, static_cast<HRESULT>(0x80070578)},
        {"no window", nullptr, kHookNotifyWindow, static_cast<HRESULT>(0x80070578)},
        {"no callback", nullptr, kHookNotifyCallback, static_cast<HRESULT>(0x80070001)},
        {"mode 3", window.GetWindow(), 3, static_cast<HRESULT>(0x80070597)},
        {"mode 0", window.GetWindow(), 0, static_cast<HRESULT>(0x80070597)},
    };
    for (const Case& c : cases)
    {
        m_error = L"stale";
        EXPECT_EQ(c.result, HkInstallRecorder(c.target, 0, c.mode, &m_error)) << c.name;
        EXPECT_TRUE(m_error.IsEmpty()) << c.name;
    }
    // Nothing was installed: a good target is taken now.
    EXPECT_EQ(S_OK, HkInstallRecorder(window.GetWindow(), 0, kHookNotifyWindow, &m_error));
}

TEST_F(HookSlotTest, ASecondInstallOfAKindIsRefusedWithItsText)
{
    struct Kind
    {
        HRESULT (*install)(void*, DWORD_PTR, int, CString*);
        HRESULT (*uninstall)();
        const wchar_t* text;
    } kinds[] = {
        {HkInstallCBT, HkUninstallCBT, L"The CBT hook cannot be installed due to a unknown error."},
        {HkInstallRecorder, HkUninstallRecorder, L"The recording hook cannot be installed due to a unknown error."},
        {HkInstallPlayer, HkUninstallPlayer, L"The playing hook cannot be installed due to a unknown error."},
    };
    CTestWindow& window = TestWindow();
    for (const Kind& kind : kinds)
    {
        ASSERT_EQ(S_OK, kind.install(window.GetWindow(), 0, kHookNotifyWindow, &m_error)) << m_error.ToAnsi();
        EXPECT_EQ(kSlotBusy, kind.install(AsTarget(IgnoreEvent), 7, kHookNotifyCallback, &m_error));
        EXPECT_EQ(kind.text, m_error);
        EXPECT_EQ(S_OK, kind.uninstall());
        EXPECT_EQ(S_OK, kind.uninstall()); // nothing installed any more
        EXPECT_EQ(S_OK, kind.install(AsTarget(IgnoreEvent), 7, kHookNotifyCallback, &m_error));
        EXPECT_TRUE(m_error.IsEmpty());
        EXPECT_EQ(S_OK, kind.uninstall());
    }
}

TEST_F(HookSlotTest, AnotherProcessHoldingTheRecorderSlotRefusesTheInstall)
{
    CSlotHolder holder;
    ASSERT_TRUE(holder.WaitUntilHolding());
    EXPECT_EQ(kSlotBusy, HkInstallRecorder(AsTarget(IgnoreEvent), 0, kHookNotifyCallback, &m_error));
    EXPECT_EQ(L"The recording hook cannot be installed due to a unknown error.", m_error);
    EXPECT_EQ(kSlotBusy, HkInstallRecorder(AsTarget(IgnoreEvent), 0, kHookNotifyCallback, &m_error));
    holder.Release();
    EXPECT_EQ(0u, holder.GetExitCode());
    EXPECT_EQ(S_OK, HkInstallRecorder(AsTarget(IgnoreEvent), 0, kHookNotifyCallback, &m_error)) << m_error.ToAnsi();
}

TEST_F(HookSlotTest, TheSlotOfAProcessThatDiedIsFree)
{
    CSlotHolder holder;
    ASSERT_TRUE(holder.WaitUntilHolding());
    holder.Kill();
    EXPECT_EQ(S_OK, HkInstallRecorder(AsTarget(IgnoreEvent), 0, kHookNotifyCallback, &m_error)) << m_error.ToAnsi();
    EXPECT_TRUE(m_error.IsEmpty());
}

TEST_F(HookSlotTest, TheCbtHookReportsWindowEventsToItsWindow)
{
    CTestWindow& window = TestWindow();
    CWindowMessageLog reports(window.GetWindow(), RegisterWindowMessageW(L"WM_CBTACTION"));
    ASSERT_EQ(S_OK, HkInstallCBT(window.GetWindow(), 0, kHookNotifyWindow, &m_error)) << m_error.ToAnsi();
    HWND created = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(created);
    PumpUntil([&reports] { return reports.Contains(HCBT_CREATEWND) && reports.Contains(HCBT_DESTROYWND); });
    EXPECT_EQ(S_OK, HkUninstallCBT());
    EXPECT_TRUE(reports.Contains(HCBT_CREATEWND));
    EXPECT_TRUE(reports.Contains(HCBT_DESTROYWND));
}

TEST_F(HookSlotTest, InWindowModeThePlayerWindowIsAskedOnlyForTheNextEvent)
{
    CTestWindow& window = TestWindow();
    CWindowMessageLog requests(window.GetWindow(), RegisterWindowMessageW(L"WM_EVENTACTION"));
    ASSERT_EQ(S_OK, HkInstallPlayer(window.GetWindow(), 0, kHookNotifyWindow, &m_error));
    PumpUntil([&requests] { return requests.GetParams().size() >= 3; }, 5000);
    EXPECT_EQ(S_OK, HkUninstallPlayer());
    ASSERT_GE(requests.GetParams().size(), 3u);
    for (WPARAM code : requests.GetParams())
        EXPECT_EQ(static_cast<WPARAM>(HC_GETNEXT), code);
}
