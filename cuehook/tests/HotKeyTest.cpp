// The training hot keys: Ctrl+Shift+F9, F11 and F12 post Record or Play to the notify
// window, F10 posts nothing, keys go on to the window, and a second install does not
// double the commands.
#include "cuehook/CuehookApi.h"
#include "cuehook/tests/CuehookTestSupport.h"
#include <gtest/gtest.h>

namespace
{
class HotKeyTest : public ::testing::Test
{
protected:
    // The keys go to the top-level window: Shift+F10 in the edit would open its menu.
    void SetUp() override
    {
        SetFocus(m_window.GetWindow());
        ASSERT_TRUE(PumpUntil([this] { return GetFocus() == m_window.GetWindow(); }));
    }

    void TearDown() override
    {
        HookCBTKeyboard::UnInstallKeyboardProc();
        HkSetRecordFlag(1);
        PumpFor(20);
    }

    // Presses Ctrl+Shift+key; the WM_COMMAND ids posted to the test window meanwhile.
    // Commands are picked up from the message queue, so a sent command is not counted.
    std::vector<WPARAM> PressWithControlShift(WORD key)
    {
        std::vector<WPARAM> commands;
        m_keyReachedWindow = false;
        auto seen = [this, key, &commands](const MSG& message) {
            if (message.message == WM_COMMAND && message.hwnd == m_window.GetWindow())
                commands.push_back(message.wParam);
            if ((message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) && message.wParam == key)
                m_keyReachedWindow = true;
        };
        for (WORD modifier : {VK_CONTROL, VK_SHIFT})
            SendKey(modifier, false, seen);
        TapKey(key, seen);
        for (WORD modifier : {VK_SHIFT, VK_CONTROL})
            SendKey(modifier, true, seen);
        PumpFor(30, seen); // time for a second command that must not come
        return commands;
    }

    CTestWindow& m_window = TestWindow();
    bool m_keyReachedWindow = false;
};
} // namespace

TEST_F(HotKeyTest, HotKeysPostRecordOrPlayByTheRecordFlag)
{
    struct Case
    {
        WORD key;
        int recordFlag;
        std::vector<WPARAM> commands;
    } cases[] = {
        {VK_F9, 1, {kHotKeyRecordCommand}},
        {VK_F11, 1, {kHotKeyRecordCommand}},
        {VK_F12, 1, {kHotKeyRecordCommand}},
        {VK_F9, 0, {kHotKeyPlayCommand}},
        {VK_F12, 0x102, {kHotKeyPlayCommand}},
        {VK_F11, 0x201, {kHotKeyRecordCommand}}, // only the low byte counts
        {VK_F10, 1, {}},
        {'A', 1, {}},
    };
    HookCBTKeyboard::InstallGlobalKeyboardProc(m_window.GetWindow());
    for (const Case& c : cases)
    {
        EXPECT_EQ(LOBYTE(c.recordFlag), HkSetRecordFlag(c.recordFlag));
        EXPECT_EQ(c.commands, PressWithControlShift(c.key)) << "key " << c.key << " flag " << c.recordFlag;
        EXPECT_TRUE(m_keyReachedWindow) << "key " << c.key;
    }
}

TEST_F(HotKeyTest, WithoutBothModifiersNothingIsPosted)
{
    HookCBTKeyboard::InstallGlobalKeyboardProc(m_window.GetWindow());
    std::vector<WPARAM> commands;
    auto seen = [&commands](const MSG& message) {
        if (message.message == WM_COMMAND)
            commands.push_back(message.wParam);
    };
    for (WORD modifier : {static_cast<WORD>(0), static_cast<WORD>(VK_CONTROL), static_cast<WORD>(VK_SHIFT)})
    {
        if (modifier)
            SendKey(modifier, false, seen);
        TapKey(VK_F9, seen);
        if (modifier)
            SendKey(modifier, true, seen);
        PumpFor(30, seen); // time for a command that must not come
    }
    EXPECT_TRUE(commands.empty());
}

TEST_F(HotKeyTest, InstallingAgainReplacesTheHookAndUninstallEndsIt)
{
    HookCBTKeyboard::InstallGlobalKeyboardProc(m_window.GetWindow());
    HookCBTKeyboard::InstallGlobalKeyboardProc(m_window.GetWindow());
    EXPECT_EQ(std::vector<WPARAM>({kHotKeyRecordCommand}), PressWithControlShift(VK_F9));
    HookCBTKeyboard::UnInstallKeyboardProc();
    EXPECT_TRUE(PressWithControlShift(VK_F9).empty());
}
