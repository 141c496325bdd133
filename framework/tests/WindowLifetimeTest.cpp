#include "framework/AppFailure.h"
#include "framework/AppMessageLoop.h"
#include "framework/AppModule.h"
#include "framework/CWnd.h"
#include "framework/Handles.h"
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace
{
const UINT kNested = WM_APP + 1; // the handler asks for its delete, then pumps a nested loop
const UINT kThrow = WM_APP + 2;  // the handler throws
const UINT kInner = WM_APP + 3;  // handled inside the nested loop
const wchar_t kClassName[] = L"VellFrameworkLifetimeTest";

// A window object that tells when it is deleted and what its handlers did.
class LifetimeWnd : public CWnd
{
public:
    explicit LifetimeWnd(bool& deleted) : m_deleted(deleted) {}
    ~LifetimeWnd() override { m_deleted = true; }

    bool Create()
    {
        const RECT none = {0, 0, 0, 0};
        return CreateEx(0, kClassName, nullptr, WS_POPUP, none, HWND_MESSAGE, 0);
    }
    bool aliveAfterNestedLoop = false;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == kNested)
        {
            DeleteAfterMessage();
            PostMessageW(*this, kInner, 0, 0);
            bool innerSeen = false;
            m_innerSeen = &innerSeen;
            AppPumpUntil([&] { return innerSeen; }, 5000);
            // The nested loop returned; the object must still be here.
            aliveAfterNestedLoop = !m_deleted;
            return 7;
        }
        if (message == kInner && m_innerSeen)
        {
            *m_innerSeen = true;
            return 0;
        }
        if (message == kThrow)
            throw std::runtime_error("disk full");
        return CWnd::WindowProc(message, wParam, lParam);
    }

private:
    bool& m_deleted;
    bool* m_innerSeen = nullptr;
};

// A window object that destroys its own window in its destructor, as timer windows do,
// and asks for its delete from its handler of kNested.
class SelfDestroyingWnd : public CWnd
{
public:
    explicit SelfDestroyingWnd(int& deletions) : m_deletions(deletions) {}
    ~SelfDestroyingWnd() override
    {
        ++m_deletions;
        DestroyWindow();
    }

    bool Create()
    {
        const RECT none = {0, 0, 0, 0};
        return CreateEx(0, kClassName, nullptr, WS_POPUP, none, HWND_MESSAGE, 0);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == kNested)
            DeleteAfterMessage();
        return CWnd::WindowProc(message, wParam, lParam);
    }

private:
    int& m_deletions;
};

// A window object that lives as long as its window: it deletes itself once the window is
// gone, also when its own WM_CLOSE handling destroys the window.
class WindowOwnedWnd : public CWnd
{
public:
    WindowOwnedWnd(int& deletions, bool& aliveAfterClose) : m_deletions(deletions), m_aliveAfterClose(aliveAfterClose)
    {
    }
    ~WindowOwnedWnd() override { ++m_deletions; }

    bool Create()
    {
        const RECT none = {0, 0, 0, 0};
        return CreateEx(0, kClassName, nullptr, WS_POPUP, none, HWND_MESSAGE, 0);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_CLOSE)
            return CWnd::WindowProc(message, wParam, lParam);
        LRESULT result = CWnd::WindowProc(message, wParam, lParam);
        // The window is gone, the object is not: it goes once this handler returns.
        m_aliveAfterClose = m_deletions == 0;
        return result;
    }
    void PostNcDestroy() override { DeleteAfterMessage(); }

private:
    int& m_deletions;
    bool& m_aliveAfterClose;
};

std::vector<CString>& Reports()
{
    static std::vector<CString> reports;
    return reports;
}

void Record(const CString& text)
{
    Reports().push_back(text);
}

class WindowLifetime : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(AppRegisterNamedWndClass(kClassName, 0)); }
    void TearDown() override { AppUnregisterWndClass(kClassName); }
};
} // namespace

TEST_F(WindowLifetime, NamedClassRunsTheFrameworkProcedureAndRefusesAForeignOne)
{
    WNDCLASSEXW info = {sizeof(info)};
    ASSERT_TRUE(GetClassInfoExW(AppGetCodeModule(), kClassName, &info));
    EXPECT_TRUE(AppRegisterNamedWndClass(kClassName, 0)); // a second call finds it

    WNDCLASSEXW foreign = {sizeof(foreign)};
    foreign.lpfnWndProc = DefWindowProcW;
    foreign.hInstance = AppGetCodeModule();
    foreign.lpszClassName = L"VellFrameworkForeignClass";
    ASSERT_TRUE(RegisterClassExW(&foreign));
    EXPECT_FALSE(AppRegisterNamedWndClass(L"VellFrameworkForeignClass", 0));
    UnregisterClassW(L"VellFrameworkForeignClass", AppGetCodeModule());
}

TEST_F(WindowLifetime, DeleteWaitsForTheOutermostHandlerEvenAcrossANestedLoop)
{
    bool deleted = false;
    auto* wnd = new LifetimeWnd(deleted);
    ASSERT_TRUE(wnd->Create());
    HWND window = *wnd;
    EXPECT_EQ(7, SendMessageW(window, kNested, 0, 0));
    EXPECT_TRUE(deleted);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(WindowLifetime, AnObjectDestroyingItsWindowAfterItsHandlerIsDeletedOnce)
{
    // The destruction's own messages reach the object while it is being deleted.
    int deletions = 0;
    auto* wnd = new SelfDestroyingWnd(deletions);
    ASSERT_TRUE(wnd->Create());
    HWND window = *wnd;
    SendMessageW(window, kNested, 0, 0);
    EXPECT_EQ(1, deletions);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(WindowLifetime, DeleteOutsideAHandlerIsImmediate)
{
    bool deleted = false;
    auto* wnd = new LifetimeWnd(deleted);
    ASSERT_TRUE(wnd->Create());
    EXPECT_FALSE(wnd->IsHandlingMessage());
    wnd->DeleteAfterMessage();
    EXPECT_TRUE(deleted);
}

TEST(DesktopWindow, IsTheSystemsDesktopAndIsNeverDestroyedOrReplaced)
{
    CWnd& desktop = CWnd::GetDesktopWindow();
    EXPECT_EQ(GetDesktopWindow(), desktop.GetSafeHwnd());
    EXPECT_EQ(&desktop, &CWnd::GetDesktopWindow());
    EXPECT_FALSE(desktop.DestroyWindow());
    EXPECT_FALSE(desktop.CreateEx(0, L"STATIC", L"", WS_POPUP, RECT{0, 0, 10, 10}, nullptr, 0));
    EXPECT_TRUE(IsWindow(desktop));
    EXPECT_EQ(GetDesktopWindow(), desktop.GetSafeHwnd());
}

TEST_F(WindowLifetime, AnExceptionIsReportedAndTheMessageGetsTheDefaultHandling)
{
    Reports().clear();
    AppFailureReporter previous = AppSetFailureReporter(&Record);
    bool deleted = false;
    {
        LifetimeWnd wnd(deleted);
        ASSERT_TRUE(wnd.Create());
        EXPECT_EQ(0, SendMessageW(wnd, kThrow, 0, 0));
        EXPECT_TRUE(IsWindow(wnd)); // the window lives on
    }
    AppSetFailureReporter(previous);
    ASSERT_EQ(1u, Reports().size());
    EXPECT_NE(-1, Reports()[0].Find(L"disk full"));
    EXPECT_NE(-1, Reports()[0].Find(L"0x8002"));
}

TEST(MessageLoop, PumpUntilMeetsItsConditionDeadlineAndPassesQuitOn)
{
    bool flag = false;
    UINT_PTR timer = SetTimer(nullptr, 0, 20, nullptr);
    // A thread timer's WM_TIMER without a procedure changes nothing: the deadline ends it.
    EXPECT_FALSE(AppPumpUntil([&] { return flag; }, 60));
    KillTimer(nullptr, timer);

    EXPECT_TRUE(AppPumpUntil([] { return true; }, 0));

    PostQuitMessage(5);
    EXPECT_FALSE(AppPumpUntil([&] { return flag; }, 5000)); // returns at the quit at once
    MSG message;
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(5u, message.wParam);
}

TEST(Handles, MutexLockReportsAnAbandonedMutexAsHeldAndKeepsTheLastError)
{
    HANDLE mutex = CreateMutexW(nullptr, FALSE, nullptr);
    ASSERT_NE(nullptr, mutex);
    HANDLE thread = CreateThread(
        nullptr, 0, [](void* m) -> DWORD { return WaitForSingleObject(static_cast<HANDLE>(m), INFINITE); }, mutex, 0,
        nullptr);
    WaitForSingleObject(thread, INFINITE); // ends holding the mutex
    CloseHandle(thread);
    {
        CMutexLock lock(mutex);
        EXPECT_TRUE(lock.IsHeld());
        EXPECT_TRUE(lock.WasAbandoned());
        SetLastError(ERROR_DISK_FULL);
    }
    EXPECT_EQ(static_cast<DWORD>(ERROR_DISK_FULL), GetLastError());
    EXPECT_FALSE(CMutexLock(nullptr).IsHeld());
    CloseHandle(mutex);
}

TEST(Handles, GlobalMemoryIsFreedUnlessReleasedAndItsLockGivesTheData)
{
    HGLOBAL kept;
    {
        CGlobalMemory memory(GMEM_MOVEABLE, 16);
        ASSERT_NE(nullptr, static_cast<HGLOBAL>(memory));
        CGlobalLock<char> lock(memory);
        ASSERT_NE(nullptr, lock.Get());
        lock.Get()[0] = 'v';
    }
    {
        CGlobalMemory memory(GMEM_MOVEABLE, 16);
        kept = memory.Release();
    }
    EXPECT_EQ(16u, GlobalSize(kept)); // still ours after the owner is gone
    EXPECT_EQ(nullptr, GlobalFree(kept));
    EXPECT_EQ(nullptr, CGlobalLock<char>(nullptr).Get());
}

TEST_F(WindowLifetime, AWindowOwnedObjectDeletesItselfOnceItsWindowIsGone)
{
    int deletions = 0;
    bool aliveAfterClose = false;
    auto* closed = new WindowOwnedWnd(deletions, aliveAfterClose);
    ASSERT_TRUE(closed->Create());
    HWND window = *closed;
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(aliveAfterClose);
    EXPECT_EQ(1, deletions);

    auto* destroyed = new WindowOwnedWnd(deletions, aliveAfterClose);
    ASSERT_TRUE(destroyed->Create());
    EXPECT_TRUE(::DestroyWindow(*destroyed));
    EXPECT_EQ(2, deletions);
}
