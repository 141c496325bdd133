#pragma once
// Real input played from a thread of its own: a modal loop of the test's thread (a
// tracked pop-up menu, a tree view waiting for the button-up of a click) takes input
// that another thread sends, while its own thread is busy inside the loop.
#include "testing/TestPump.h"

#include <atomic>
#include <functional>
#include <thread>
#include <windows.h>

namespace controller_test
{
// The visible window of the class, waited for (on the input thread); null when none came.
inline HWND WaitForVisibleWindow(const wchar_t* className)
{
    HWND window = nullptr;
    PumpUntil([&] {
        window = FindWindowW(className, nullptr);
        return window && IsWindowVisible(window);
    });
    return window && IsWindowVisible(window) ? window : nullptr;
}

inline void SendButton(DWORD flags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

// A left click at the screen point.
inline void ClickAt(POINT point)
{
    SetCursorPos(point.x, point.y);
    SendButton(MOUSEEVENTF_LEFTDOWN);
    SendButton(MOUSEEVENTF_LEFTUP);
}

class InputThread
{
public:
    explicit InputThread(std::function<void()> steps)
        : m_thread([this, steps] {
              steps();
              m_done = true;
          })
    {
    }
    ~InputThread() { m_thread.join(); }
    InputThread(const InputThread&) = delete;
    InputThread& operator=(const InputThread&) = delete;

    // Pumps the test's thread until the steps have run; false past the limit.
    bool Finish(DWORD limitMs = kTestGiveUpMs)
    {
        return PumpUntil([this] { return m_done.load(); }, limitMs);
    }

private:
    std::atomic<bool> m_done{false};
    std::thread m_thread;
};
} // namespace controller_test
