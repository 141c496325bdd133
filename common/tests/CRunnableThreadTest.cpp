#include "common/CRunnableThread.h"
#include "common/IRunnable.h"
#include "testing/TestPump.h"
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>


namespace
{
const int kNoStatus = -1; // the job leaves the status as Start set it

// The code of the int that f throws; -1 when it throws none.
int ThrownCode(const std::function<void()>& f)
{
    try
    {
        f();
    }
    catch (int code)
    {
        return code;
    }
    return -1;
}

// A job that says when it runs, may wait for a stop request, then sets the given status.
class CScriptedJob : public IRunnable
{
public:
    CScriptedJob(int finalStatus, bool waitForStop) : m_finalStatus(finalStatus), m_waitForStop(waitForStop)
    {
        m_started = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    }
    ~CScriptedJob() override { CloseHandle(m_started); }

    void Run(CRunnableThread* thread) override
    {
        m_runningSeen = thread->IsRunning();
        SetEvent(m_started);
        if (m_waitForStop)
            WaitForSingleObject(thread->GetStopEvent(), INFINITE);
        if (m_afterStop)
            m_afterStop(thread);
        if (m_finalStatus != kNoStatus)
            thread->SetStatus(m_finalStatus, L"Set by the job.");
    }

    bool WaitStarted() { return WaitForSingleObject(m_started, kTestGiveUpMs) == WAIT_OBJECT_0; }

    std::function<void(CRunnableThread*)> m_afterStop;
    std::atomic<bool> m_runningSeen{false};

private:
    int m_finalStatus;
    bool m_waitForStop;
    HANDLE m_started;
};

// A hidden window that records the messages it receives from the worker.
class CNotifyWindow
{
public:
    struct Received
    {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    CNotifyWindow()
    {
        static const ATOM atom = [] {
            WNDCLASSW wc = {};
            wc.lpfnWndProc = Proc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"VellNotifyWindow";
            return RegisterClassW(&wc);
        }();
        m_window = CreateWindowExW(0, MAKEINTATOM(atom), L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), this);
    }
    ~CNotifyWindow() { DestroyWindow(m_window); }

    HWND m_window;
    std::vector<Received> m_received;
    int m_sentToMe = 0;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCCREATE)
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        auto* self = reinterpret_cast<CNotifyWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self && message >= WM_RUNNABLE_FAILED && message <= WM_RUNNABLE_FINISHED)
            self->m_received.push_back({message, wParam, lParam});
        else if (self && message == WM_USER)
            return ++self->m_sentToMe;
        return DefWindowProcW(window, message, wParam, lParam);
    }
};

DWORD WaitExitCode(HANDLE thread)
{
    DWORD exitCode = STILL_ACTIVE;
    if (WaitForSingleObject(thread, kTestGiveUpMs) == WAIT_OBJECT_0)
        GetExitCodeThread(thread, &exitCode);
    return exitCode;
}

struct EndCase
{
    const char* name;
    int finalStatus;
    bool stopRequested;
    UINT expected;
};

class CRunnableThreadEndTest : public ::testing::TestWithParam<EndCase>
{
};
} // namespace

TEST_P(CRunnableThreadEndTest, PostsTheMessageOfTheFinalStatusWithTheThreadId)
{
    const EndCase& c = GetParam();
    CNotifyWindow window;
    CScriptedJob job(c.finalStatus, c.stopRequested);
    CRunnableThread thread(&job, window.m_window);
    thread.Start();
    ASSERT_TRUE(job.WaitStarted());
    if (c.stopRequested)
        thread.RequestStop();

    ASSERT_TRUE(PumpUntil([&] { return !window.m_received.empty(); }));
    EXPECT_EQ(0u, WaitExitCode(thread.GetThreadHandle()));
    PumpUntil([] { return false; }, 50); // a second message would have arrived by now
    ASSERT_EQ(1u, window.m_received.size());
    EXPECT_EQ(c.expected, window.m_received[0].message);
    EXPECT_EQ(GetThreadId(thread.GetThreadHandle()), window.m_received[0].wParam);
    EXPECT_EQ(0, window.m_received[0].lParam);
    EXPECT_FALSE(thread.IsRunning());
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, CRunnableThreadEndTest,
    ::testing::Values(EndCase{"Failed", CRunnableThread::StatusFailed, false, WM_RUNNABLE_FAILED},
                      EndCase{"Stopped", CRunnableThread::StatusStopped, true, WM_RUNNABLE_STOPPED},
                      EndCase{"Finished", CRunnableThread::StatusFinished, false, WM_RUNNABLE_FINISHED},
                      EndCase{"Done", CRunnableThread::StatusDone, false, WM_RUNNABLE_FINISHED},
                      EndCase{"FinishedAfterAStopRequest", CRunnableThread::StatusFinished, true, WM_RUNNABLE_FINISHED},
                      EndCase{"UnsetWithoutStop", kNoStatus, false, WM_RUNNABLE_FINISHED},
                      EndCase{"UnsetAfterAStopRequest", kNoStatus, true, WM_RUNNABLE_STOPPED}),
    [](const ::testing::TestParamInfo<EndCase>& info) { return std::string(info.param.name); });

TEST(CRunnableThreadTest, IsRunningWhileTheJobRunsAndTheStatusIsShared)
{
    CScriptedJob job(CRunnableThread::StatusStopped, true);
    CRunnableThread thread(&job, nullptr);
    thread.SetStatus(CRunnableThread::StatusFailed, L"Left from before.");
    thread.Start();
    int code = -1;
    CString text = L"not read";
    thread.GetStatus(code, text);
    EXPECT_EQ(CRunnableThread::StatusRunning, code);
    EXPECT_EQ(CString(), text);

    ASSERT_TRUE(job.WaitStarted());
    EXPECT_TRUE(job.m_runningSeen);
    EXPECT_TRUE(thread.IsRunning());
    thread.RequestStop();
    EXPECT_EQ(0u, WaitExitCode(thread.GetThreadHandle()));
    EXPECT_FALSE(thread.IsRunning());
    thread.GetStatus(code, text);
    EXPECT_EQ(CRunnableThread::StatusStopped, code);
    EXPECT_EQ(CString(L"Set by the job."), text);
}

TEST(CRunnableThreadTest, MisuseThrowsItsCode)
{
    CScriptedJob job(CRunnableThread::StatusFinished, false);
    CRunnableThread thread(&job, nullptr);
    EXPECT_EQ(CRunnableThread::ErrorNotStarted, ThrownCode([&] { thread.RequestStop(); }));
    EXPECT_EQ(CRunnableThread::ErrorNotStarted, ThrownCode([&] { thread.GetStopEvent(); }));
    EXPECT_EQ(CRunnableThread::ErrorNotStarted, ThrownCode([&] { thread.IsRunning(); }));
    EXPECT_EQ(CRunnableThread::ErrorNotStarted, ThrownCode([&] { thread.GetThreadHandle(); }));

    thread.Start();
    EXPECT_EQ(CRunnableThread::ErrorAlreadyStarted, ThrownCode([&] { thread.Start(); }));
    EXPECT_EQ(0u, WaitExitCode(thread.GetThreadHandle()));
    EXPECT_EQ(CRunnableThread::ErrorAlreadyStarted, ThrownCode([&] { thread.Start(); }));
}

TEST(CRunnableThreadTest, AWindowGoneBeforeTheEndGetsNothingAndTheThreadEndsNormally)
{
    CScriptedJob job(CRunnableThread::StatusFinished, true);
    std::unique_ptr<CNotifyWindow> window(new CNotifyWindow());
    HWND gone = window->m_window;
    CRunnableThread thread(&job, gone);
    thread.Start();
    ASSERT_TRUE(job.WaitStarted());
    window.reset();
    ASSERT_FALSE(IsWindow(gone));
    thread.RequestStop();
    EXPECT_EQ(0u, WaitExitCode(thread.GetThreadHandle()));
}

TEST(CRunnableThreadTest, AJobThatThrowsHasFailed)
{
    CNotifyWindow window;
    CScriptedJob job(CRunnableThread::StatusFinished, false);
    job.m_afterStop = [](CRunnableThread*) { throw 42; };
    CRunnableThread thread(&job, window.m_window);
    thread.Start();
    ASSERT_TRUE(PumpUntil([&] { return !window.m_received.empty(); }));
    EXPECT_EQ(static_cast<UINT>(WM_RUNNABLE_FAILED), window.m_received[0].message);
    EXPECT_EQ(0u, WaitExitCode(thread.GetThreadHandle()));
    int code = -1;
    CString text;
    thread.GetStatus(code, text);
    EXPECT_EQ(CRunnableThread::StatusFailed, code);
    EXPECT_FALSE(text.IsEmpty());
}

// The owner may destroy the worker object while the job still runs: the destructor asks
// the job to stop and waits for it, so the job never touches a destroyed object.
TEST(CRunnableThreadTest, DestructorWaitsForTheJobToEnd)
{
    CScriptedJob job(CRunnableThread::StatusStopped, true);
    std::atomic<bool> jobEnded{false};
    job.m_afterStop = [&](CRunnableThread* thread) {
        Sleep(200); // still busy well after the stop request
        thread->SetStatus(CRunnableThread::StatusStopped, L"Stopped late.");
        jobEnded = true;
    };
    {
        CRunnableThread thread(&job, nullptr);
        thread.Start();
        ASSERT_TRUE(job.WaitStarted());
    }
    EXPECT_TRUE(jobEnded);
}

// While the destructor waits, a job that sends to a window of the owner's thread is
// answered instead of waiting for a thread that waits for it.
TEST(CRunnableThreadTest, DestructorAnswersMessagesTheJobSendsMeanwhile)
{
    CNotifyWindow window;
    CScriptedJob job(CRunnableThread::StatusStopped, true);
    std::atomic<bool> sent{false};
    job.m_afterStop = [&](CRunnableThread*) {
        DWORD_PTR answer = 0;
        sent = SendMessageTimeoutW(window.m_window, WM_USER, 0, 0, SMTO_NORMAL, kTestGiveUpMs, &answer) &&
               answer == 1;
    };
    {
        CRunnableThread thread(&job, window.m_window);
        thread.Start();
        ASSERT_TRUE(job.WaitStarted());
    }
    EXPECT_TRUE(sent);
    EXPECT_EQ(1, window.m_sentToMe);
}
