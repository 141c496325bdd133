#pragma once
// The saver started as Windows starts it: "<bin>\VellScreenSaver.scr" and its command line,
// with pictures that a real capture job of the job runner wrote.
#include "screensaver/tests/SaverTestSupport.h"
#include "testing/TestPump.h"
#include "testing/TestRoot.h"

#include <vector>

namespace saver_test
{
const COLORREF kPictureTop = RGB(230, 40, 50);
const COLORREF kPictureBottom = RGB(30, 90, 220);
const COLORREF kBlack = RGB(0, 0, 0);
// The picture the job captures: 200 x 100 at the screen's top-left.
const int kPictureWidth = 200;
const int kPictureHeight = 100;

// The saver's process; ended (if still running) when the object goes.
class SaverProcess
{
public:
    // Starts "<folder>\VellScreenSaver.scr <arguments>" (folder: the test programs' own).
    explicit SaverProcess(const CString& arguments, const CString& folder = TestProgramFolder());
    ~SaverProcess();
    SaverProcess(const SaverProcess&) = delete;
    SaverProcess& operator=(const SaverProcess&) = delete;

    bool Started() const { return m_process.hProcess != nullptr; }
    bool IsRunning() const { return WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT; }
    // Waits (pumping) for the end; its exit code, or STILL_ACTIVE when it did not end.
    DWORD WaitForExit(DWORD limitMs = kTestGiveUpMs);
    // The visible top-level windows of the process.
    std::vector<HWND> Windows() const;
    // Waits until the process shows count visible windows.
    bool WaitForWindows(size_t count);
    // Waits until the saver's close guard (more than a second, counted in whole seconds)
    // has passed since the windows were seen (or the start).
    void WaitOutGuard();

private:
    PROCESS_INFORMATION m_process = {};
    DWORD m_started = 0;
    DWORD m_shown = 0;
};

// Presses and releases a key (the space bar) as the user does.
void PressKey();
// Clicks the left button at the screen point.
void ClickAt(int x, int y);
// Moves the mouse by a few pixels.
void NudgeMouse();
} // namespace saver_test
