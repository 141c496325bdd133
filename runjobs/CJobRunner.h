#pragma once
// CJobRunner: runs the one capture job a checked command line describes. It starts
// the manager of the job's kind, keeps the thread's messages flowing until the job
// has ended, and stops what still runs. A failure is thrown as a CString: the kind's
// words ("Screen  ", "Audio  Recording: ", ...) and the manager's error text.
#include "runjobs/CCmdLine.h"

class CJobRunner
{
public:
    // The line is not owned; it must outlive the runner.
    explicit CJobRunner(CCmdLine& cmdLine) : m_cmdLine(cmdLine) {}

    // Runs the job of the line's kind; throws CString on failure. A type word that
    // names no job does nothing.
    void Run();

    // Waits milliseconds while dispatching the thread's messages, or, for kInfinite,
    // until the message loop is told to quit. True when WM_QUIT ended the wait.
    static bool Wait(DWORD milliseconds);
    static const DWORD kInfinite = 0xFFFFFFFF;

private:
    void RunScreenJob();
    void RunTrainingJob();
    void RunMovieJob();
    // Starts the recording or the playing the line asks for, waits for its duration
    // (seconds; 0 until the thread is told to quit) and stops it.
    template <class Manager>
    void RunMediaJob(Manager& manager, unsigned int recordingSeconds, unsigned int playingSeconds);
    // The words before the screen manager's error text: "Recording " for a timed
    // capture, then the first enabled destination's label.
    CString ScreenCaption();

    CCmdLine& m_cmdLine;
};
