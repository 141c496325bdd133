// Real keys and clicks: the output window refuses typed text, F6 moves between the panes.
#include "app/tests/ProfileFixture.h"

namespace app_test
{
namespace
{
const UINT kOutputId = 20000;
const UINT kSplitterId = 0xE900;
const UINT kLowerPaneId = 0xE910;

void SendKey(WORD key, bool up)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
    Sleep(30);
}

void PressKey(WORD key)
{
    SendKey(key, false);
    SendKey(key, true);
}

void ClickAt(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    for (DWORD flags : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP})
    {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flags;
        SendInput(1, &input, sizeof input);
        Sleep(30);
    }
}

class KeyboardTest : public ProfileFixture
{
protected:
    HWND Focus() const
    {
        GUITHREADINFO info = {sizeof info};
        GetGUIThreadInfo(GetWindowThreadProcessId(program.Window(), nullptr), &info);
        return info.hwndFocus;
    }
    bool FocusWithin(HWND window) const
    {
        HWND focus = Focus();
        return focus && (focus == window || IsChild(window, focus));
    }
    static LRESULT TextLength(HWND window)
    {
        DWORD_PTR length = 0;
        SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 5000, &length);
        return static_cast<LRESULT>(length);
    }
};

TEST_F(KeyboardTest, OutputRefusesTypingAndF6MovesBetweenThePanes)
{
    StartProgram();
    HWND output = program.ChildById(kOutputId);
    HWND splitter = program.ChildById(kSplitterId);
    ASSERT_NE(nullptr, output);
    ASSERT_NE(nullptr, splitter);
    HWND upper = GetDlgItem(splitter, kSplitterId);
    HWND lower = GetDlgItem(splitter, kLowerPaneId);
    ClickAt(output);
    ASSERT_TRUE(WaitFor([&] { return Focus() == output; }));

    for (WORD key : {WORD('A'), WORD(VK_BACK), WORD(VK_SPACE), WORD(VK_RETURN)})
        PressKey(key);
    Sleep(300); // what the keys would have typed has arrived by now
    EXPECT_EQ(0, TextLength(output));

    PressKey(VK_F6);
    EXPECT_TRUE(WaitFor([&] { return FocusWithin(upper); }));
    PressKey(VK_F6);
    EXPECT_TRUE(WaitFor([&] { return FocusWithin(lower); }));
}
} // namespace
} // namespace app_test
