#pragma once
// What the training tests share: a target program (this test program started again) with
// an edit control and a click-logging area, an input script sent from a thread of its own
// while the manager's loop runs, training files written through the event store, and a
// main window that runs Record and Play on the training hot keys' commands.
#include "capture/training/CCBTManager.h"
#include "testing/TestFolder.h"

#include <functional>
#include <string>
#include <thread>
#include <vector>

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

    bool IsReady() const { return m_window != nullptr; }
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
};

// Sends input from a thread of its own, a short pause after each event, so that the
// thread running the hooks (this one, inside the manager's loop) takes it meanwhile.
class CInputScript
{
public:
    CInputScript& Click(POINT screen);
    CInputScript& Key(WORD virtualKey, bool up);
    CInputScript& Tap(WORD virtualKey);
    // Shift + the key.
    CInputScript& Shifted(WORD virtualKey);
    CInputScript& Pause(DWORD ms);
    CInputScript& CtrlBreak();
    // Starts sending after delayMs; joined with the object.
    void Start(DWORD delayMs = 300);
    ~CInputScript();

private:
    std::vector<std::function<void()>> m_steps;
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
