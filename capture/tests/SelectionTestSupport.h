#pragma once
// Helpers of the selection tests: a script of real input events played one event per
// timer tick. The ticks come from a thread timer, so that a modal loop (a rubber band)
// dispatches them too, and a tick is handled only after the input queued before it
// (timer messages come last).
#include "testing/TestPump.h"
#include <functional>
#include <utility>
#include <vector>
#include <windows.h>

namespace selection_test
{
using Step = std::function<void()>;

inline Step MoveTo(int x, int y)
{
    return [x, y] { SetCursorPos(x, y); };
}

// A button event; time, unless 0, is the time the input carries.
inline Step Mouse(DWORD flags, DWORD time = 0)
{
    return [flags, time] {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flags;
        input.mi.time = time;
        SendInput(1, &input, sizeof input);
    };
}

// The steps of a click at (x, y); time as for Mouse.
inline std::vector<Step> ClickAt(int x, int y, DWORD time = 0)
{
    return {MoveTo(x, y), Mouse(MOUSEEVENTF_LEFTDOWN, time), Mouse(MOUSEEVENTF_LEFTUP, time)};
}

class InputScript
{
public:
    static const UINT kTickMs = 30;

    explicit InputScript(std::vector<Step> steps) : m_steps(std::move(steps)) {}

    void Add(const std::vector<Step>& steps) { m_steps.insert(m_steps.end(), steps.begin(), steps.end()); }

    // Plays the steps while pumping; true when all ran within ms.
    bool Play(DWORD ms)
    {
        s_current = this;
        m_next = 0;
        UINT_PTR timer = SetTimer(nullptr, 0, kTickMs, &InputScript::OnTick);
        bool done = PumpUntil([this] { return m_next >= m_steps.size(); }, ms);
        KillTimer(nullptr, timer);
        s_current = nullptr;
        return done;
    }

private:
    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD)
    {
        InputScript* script = s_current;
        if (!script || script->m_next >= script->m_steps.size())
            return;
        script->m_steps[script->m_next++]();
    }

    std::vector<Step> m_steps;
    size_t m_next = 0;
    static inline InputScript* s_current = nullptr;
};
} // namespace selection_test
