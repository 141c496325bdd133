// Real keys and clicks: the output window refuses typed text, F6 moves between the panes.
#include "app/tests/ProfileFixture.h"
#include "app/tests/ProgramInput.h"

namespace app_test
{
namespace
{
const UINT kOutputId = 20000;
const UINT kSplitterId = 0xE900;
const UINT kLowerPaneId = 0xE910;

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
    ASSERT_TRUE(ClickCenterOf(output));
    ASSERT_TRUE(WaitFor([&] { return Focus() == output; }));

    // The keys are handled in order, and what a key types comes before the next key: once
    // F6 has moved the focus, what the keys before it typed has reached the output.
    ASSERT_TRUE(PressInTurn({'A', VK_BACK, VK_SPACE, VK_RETURN, VK_F6}));
    EXPECT_TRUE(WaitFor([&] { return FocusWithin(upper); }));
    EXPECT_EQ(0, TextLength(output));

    ASSERT_TRUE(PressInTurn({VK_F6}));
    EXPECT_TRUE(WaitFor([&] { return FocusWithin(lower); }));
}
} // namespace
} // namespace app_test
