#pragma once
// IRunnable: a job that a CRunnableThread runs on its worker thread.
class CRunnableThread;

class IRunnable
{
public:
    // Runs on the worker thread. The job polls thread->GetStopEvent() between its steps
    // and sets its final status before it returns: CRunnableThread::StatusStopped when it
    // stopped early, StatusFinished (or StatusDone) when it finished, StatusFailed when
    // it failed.
    virtual void Run(CRunnableThread* thread) = 0;

protected:
    virtual ~IRunnable() = default; // the owner of the job deletes it, never the thread
};
