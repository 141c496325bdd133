#include "app/tests/ProgramInput.h"

#include "app/tests/MainProgram.h"
#include "testing/TestInput.h"

#include <vector>

namespace app_test
{
namespace
{
bool SendAll(const std::vector<INPUT>& inputs)
{
    return SendInputSettled(inputs.data(), static_cast<UINT>(inputs.size()));
}

// Left presses and releases, clicks times.
bool LeftClicks(int clicks)
{
    std::vector<INPUT> inputs(2 * clicks);
    for (size_t i = 0; i < inputs.size(); ++i)
    {
        inputs[i].type = INPUT_MOUSE;
        inputs[i].mi.dwFlags = i % 2 ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
    }
    return SendAll(inputs);
}
} // namespace

bool ClickCenterOf(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    return LeftClicks(1);
}

bool DoubleClickAt(HWND window, POINT point)
{
    return SendMoveToSettled(point) && MainProgram::TookInput(window) && LeftClicks(2);
}

bool PressTogether(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> inputs;
    for (WORD key : keys)
        inputs.push_back(KeyStroke(key, false));
    for (auto it = keys.end(); it != keys.begin();)
        inputs.push_back(KeyStroke(*--it, true));
    return SendAll(inputs);
}

bool PressInTurn(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> inputs;
    for (WORD key : keys)
    {
        inputs.push_back(KeyStroke(key, false));
        inputs.push_back(KeyStroke(key, true));
    }
    return SendAll(inputs);
}
} // namespace app_test
