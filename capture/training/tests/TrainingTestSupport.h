#pragma once
// What the training tests share: a target program (this test program started again) with
// an edit control and a click-logging area, an input script sent from a thread of its own
// while the manager's loop runs, training files written through the event store, and a
// main window that runs Record and Play on the training hot keys' commands.
#include "capture/training/CCBTManager.h"
#include "testing/TestFolder.h"

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

// A new Wine process may take far longer than a message to come up on a busy machine.
const DWORD kProcessStartGiveUpMs = 60000;

// Where target windows are placed on the screen.
const POINT kTargetOrigin = {120, 140};
const SIZE kTargetSize = {360, 220};

// A top-level window of another process: an edit at the top, below it an area that logs
// the screen position of every left click. Ended with the object.
class CTargetProcess
{
public:
    CTargetProcess();
    ~CTargetProcess();
    CTargetProcess(const CTargetProcess&) = delete;
    CTargetProcess& operator=(const CTargetProcess&) = delete;

    // The window is up and in front.
    bool IsReady() const { return m_window != nullptr && m_inFront; }
    HWND Window() const { return m_window; }
    // The edit's text and the clicks logged ("x,y;" each), read across the processes.
    CString Text() const;
    CString Clicks() const;
    // A screen point in the edit and one in the click area.
    POINT EditPoint() const;
    POINT AreaPoint(int dx, int dy) const;

private:
    PROCESS_INFORMATION m_process{};
    HWND m_window = nullptr;
    bool m_inFront = false;
};

// Sends input from a thread of its own while the thread that built the script (the one
// running the hooks, inside the manager's loop) takes it. After each event the sender waits
// for a round trip to a window of the hook thread: the hooks' calls for the event were sent
// to that thread before it, so by then the hooks have taken the event.
class CInputScript
{
public:
    CInputScript();
    ~CInputScript();
    CInputScript(const CInputScript&) = delete;
    CInputScript& operator=(const CInputScript&) = delete;

    CInputScript& Click(POINT screen);
    CInputScript& Key(WORD virtualKey, bool up);
    CInputScript& Tap(WORD virtualKey);
    // Shift + the key.
    CInputScript& Shifted(WORD virtualKey);
    CInputScript& CtrlBreak();
    // Waits until a recording runs and the hook thread is back in its loop: the start has
    // turned the hot keys off, and the recording takes input.
    CInputScript& AwaitRecording();
    // Starts sending, after delayMs when the hooks run in another process, which no round
    // trip of this process shows ready; the destructor pumps this thread until the script has
    // run, and reports a wait that gave up.
    void Start(DWORD delayMs = 0);

private:
    // Waits for the round trip to the hook thread; false when it never came.
    bool Settle() const;

    HWND m_hookThread = nullptr;
    std::vector<std::function<bool()>> m_steps;
    std::atomic<bool> m_done{false};
    std::atomic<bool> m_failed{false};
    std::thread m_thread;
};

// The events' messages of a training file, in order.
std::vector<EVENTMSG> LoadTrainingEvents(const CString& path);
// Writes a training file of these events (times in milliseconds from 0).
bool WriteTrainingFile(const CString& path, const std::vector<EVENTMSG>& events);
EVENTMSG KeyEvent(UINT message, WORD virtualKey, DWORD time);
EVENTMSG MoveEvent(POINT screen, DWORD time);

// A record that records into folder\name.vtf with no dialog, duration or sound.
InfoCBTRecording PlainRecording(const CString& folder, const wchar_t* name);
// A record that plays the file with no dialog, launch, duration or sound.
InfoCBTPlaying PlainPlaying(const CString& file);

// The main window as the main frame will be: WM_COMMAND 1131 runs Record, 1135 Play, and
// each result and error text is logged. Post runs an action from inside the running loop.
class CTrainingMainWindow
{
public:
    explicit CTrainingMainWindow(CCBTManager& manager);
    ~CTrainingMainWindow();
    CTrainingMainWindow(const CTrainingMainWindow&) = delete;
    CTrainingMainWindow& operator=(const CTrainingMainWindow&) = delete;

    HWND Window() const { return m_window; }
    void Post(std::function<void()> action);
    void PostCommand(WORD command) { PostMessageW(m_window, WM_COMMAND, command, 0); }

    struct Run
    {
        WORD command;
        int result;
        CString error;
    };
    const std::vector<Run>& Runs() const { return m_runs; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    CCBTManager& m_manager;
    HWND m_window = nullptr;
    std::vector<Run> m_runs;
    std::vector<std::function<void()>> m_actions;
};

// Nothing of the hook library runs: hooks removed, store idle.
bool HookLibraryIdle();
// A process holds the recording hook (an install of this process is refused).
bool RecorderHookTaken();
