#include "common/CRunnableThread.h"
#include "common/IRunnable.h"
#include "framework/Handles.h"

#include <process.h>

namespace
{
// The worker's exit code when it could not even report that it runs.
const unsigned kExitNotStarted = 10;
} // namespace

CRunnableThread::CRunnableThread(IRunnable* runnable, HWND notifyWindow)
    : m_runnable(runnable), m_notifyWindow(notifyWindow && IsWindow(notifyWindow) ? notifyWindow : nullptr)
{
    m_runningEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_stopEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!m_runningEvent || !m_stopEvent)
    {
        if (m_runningEvent)
            CloseHandle(m_runningEvent);
        if (m_stopEvent)
            CloseHandle(m_stopEvent);
        throw static_cast<int>(ErrorCreateEvent);
    }
    InitializeCriticalSection(&m_lock);
}

CRunnableThread::~CRunnableThread()
{
    if (m_thread)
    {
        SetEvent(m_stopEvent);
        WaitForWorker();
        CloseHandle(m_thread);
    }
    CloseHandle(m_runningEvent);
    CloseHandle(m_stopEvent);
    DeleteCriticalSection(&m_lock);
}

// Waits for the worker to end while delivering the messages that other threads send to
// this one: a job that sends to a window of the owner's thread must not wait forever.
void CRunnableThread::WaitForWorker()
{
    while (MsgWaitForMultipleObjects(1, &m_thread, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1)
    {
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

void CRunnableThread::Start()
{
    CSectionLock lock(m_lock);
    if (m_thread)
        throw static_cast<int>(ErrorAlreadyStarted);
    if (!ResetEvent(m_runningEvent) || !ResetEvent(m_stopEvent))
        throw static_cast<int>(ErrorResetEvent);
    HANDLE thread = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, ThreadProc, this, CREATE_SUSPENDED, nullptr));
    if (!thread)
        throw static_cast<int>(ErrorCreateThread);
    SetThreadPriority(thread, THREAD_PRIORITY_BELOW_NORMAL);
    m_thread = thread;
    m_status = StatusRunning;
    m_statusText.Empty();
    ResumeThread(thread);
}

void CRunnableThread::CheckStarted() const
{
    if (!m_thread)
        throw static_cast<int>(ErrorNotStarted);
}

void CRunnableThread::RequestStop()
{
    CheckStarted();
    if (!SetEvent(m_stopEvent))
        throw static_cast<int>(ErrorSetEvent);
}

HANDLE CRunnableThread::GetStopEvent() const
{
    CheckStarted();
    return m_stopEvent;
}

bool CRunnableThread::IsRunning() const
{
    CheckStarted();
    switch (WaitForSingleObject(m_runningEvent, 0))
    {
    case WAIT_OBJECT_0:
        return true;
    case WAIT_TIMEOUT:
        return false;
    default:
        throw static_cast<int>(ErrorWait);
    }
}

HANDLE CRunnableThread::GetThreadHandle() const
{
    CheckStarted();
    return m_thread;
}

void CRunnableThread::SetStatus(int code, const wchar_t* text)
{
    CSectionLock lock(m_lock);
    m_status = code;
    m_statusText = text ? text : L"";
}

void CRunnableThread::GetStatus(int& code, CString& text) const
{
    CSectionLock lock(m_lock);
    code = m_status;
    text = m_statusText;
}

unsigned __stdcall CRunnableThread::ThreadProc(void* self)
{
    return static_cast<CRunnableThread*>(self)->Work();
}

unsigned CRunnableThread::Work()
{
    WPARAM threadId = GetCurrentThreadId();
    if (!SetEvent(m_runningEvent))
    {
        if (m_notifyWindow && IsWindow(m_notifyWindow))
            PostMessageW(m_notifyWindow, WM_RUNNABLE_FAILED, threadId, 0);
        return kExitNotStarted;
    }
    RunJob();
    if (m_notifyWindow && IsWindow(m_notifyWindow))
        PostMessageW(m_notifyWindow, EndMessage(), threadId, 0);
    return ResetEvent(m_runningEvent) ? 0 : ErrorResetEvent;
}

// No exception may leave the worker thread: a job that throws has failed.
void CRunnableThread::RunJob()
{
    try
    {
        m_runnable->Run(this);
    }
    catch (...)
    {
        SetStatus(StatusFailed, L"The job ended with an unexpected error.");
    }
}

UINT CRunnableThread::EndMessage()
{
    int code = StatusRunning;
    CString text;
    GetStatus(code, text);
    switch (code)
    {
    case StatusFailed:
        return WM_RUNNABLE_FAILED;
    case StatusStopped:
        return WM_RUNNABLE_STOPPED;
    case StatusFinished:
    case StatusDone:
        return WM_RUNNABLE_FINISHED;
    default:
        return WaitForSingleObject(m_stopEvent, 0) == WAIT_OBJECT_0 ? WM_RUNNABLE_STOPPED : WM_RUNNABLE_FINISHED;
    }
}
