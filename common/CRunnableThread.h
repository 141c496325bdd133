#pragma once
// CRunnableThread: runs one IRunnable on one worker thread, lets the owner ask it to stop,
// keeps a status code and text that the job updates, and posts the owner's window one
// message when the job has returned (wParam: the worker's thread id, lParam: 0):
//
//   status after Run            message
//   StatusFailed                WM_RUNNABLE_FAILED
//   StatusStopped               WM_RUNNABLE_STOPPED
//   StatusFinished, StatusDone  WM_RUNNABLE_FINISHED
//   left at StatusRunning       WM_RUNNABLE_STOPPED when a stop was requested, else FINISHED
//
// The status is shared under a lock; the running and stop events are the only other
// state the two threads share. Misuse and system failures throw a plain int (ErrorCode).
// Destroying the object asks the job to stop and waits for the worker to end.
#include "framework/CString.h"
#include <map>

class IRunnable;

enum : UINT
{
    WM_RUNNABLE_FAILED = WM_APP + 100,
    WM_RUNNABLE_STOPPED = WM_APP + 101,
    WM_RUNNABLE_FINISHED = WM_APP + 102
};

class CRunnableThread
{
public:
    enum Status
    {
        StatusFailed = 0,
        StatusFinished = 1,
        StatusDone = 2, // finished too
        StatusRunning = 3,
        StatusStopped = 4
    };

    enum ErrorCode
    {
        ErrorAlreadyStarted = 1,
        ErrorCreateThread = 2,
        ErrorNotStarted = 3,
        ErrorWait = 4,
        ErrorSetEvent = 5,
        ErrorResetEvent = 6,
        ErrorCreateEvent = 7
    };

    // The job is not owned. notifyWindow may be null; a handle that is no window counts as null.
    CRunnableThread(IRunnable* runnable, HWND notifyWindow);
    CRunnableThread(const CRunnableThread&) = delete;
    CRunnableThread& operator=(const CRunnableThread&) = delete;
    virtual ~CRunnableThread();

    // Starts the worker (below-normal priority) with status StatusRunning and an empty text.
    // Once only: a second call throws ErrorAlreadyStarted.
    void Start();
    void RequestStop();
    HANDLE GetStopEvent() const;
    // True while the job runs (the running event is signalled).
    bool IsRunning() const;
    HANDLE GetThreadHandle() const;

    void SetStatus(int code, const wchar_t* text);
    void GetStatus(int& code, CString& text) const;

    // Dictionaries for the job's own use; the thread never reads them.
    std::map<CString, CString>& GetTextMap() { return m_textMap; }
    std::map<CString, int>& GetNumberMap() { return m_numberMap; }

private:
    static unsigned __stdcall ThreadProc(void* self);
    unsigned Work();
    void RunJob();
    UINT EndMessage();
    void CheckStarted() const;
    void WaitForWorker();

    HANDLE m_thread = nullptr;
    IRunnable* m_runnable;
    int m_status = StatusRunning;
    CString m_statusText;
    mutable CRITICAL_SECTION m_lock;
    HANDLE m_runningEvent = nullptr;
    HANDLE m_stopEvent = nullptr;
    HWND m_notifyWindow;
    std::map<CString, CString> m_textMap;
    std::map<CString, int> m_numberMap;
};
