#include "common/AppHelp.h"
#include "common/PathHelpers.h"
#include "framework/AppMainWnd.h"
#include "MessageBoxRecorder.h"
#include "testing/CStringPrinter.h"
#include <gtest/gtest.h>
#include <vector>

namespace
{
const UINT kIdleMessage = 0x036A;

// A hidden main window that records the commands it receives.
class MainWindowFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = Procedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VellHelpMainWindow";
        RegisterClassW(&wc);
        m_window = CreateWindowExW(0, wc.lpszClassName, L"Main", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                   wc.hInstance, nullptr);
        ASSERT_TRUE(m_window);
        AppSetMainWnd(m_window);
        s_commands.clear();
    }
    void TearDown() override
    {
        AppSetMainWnd(nullptr);
        DestroyWindow(m_window);
        UnregisterClassW(L"VellHelpMainWindow", GetModuleHandleW(nullptr));
    }

    bool IdleMessagePosted()
    {
        MSG msg;
        return PeekMessageW(&msg, m_window, kIdleMessage, kIdleMessage, PM_REMOVE) != FALSE;
    }

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_COMMAND)
            s_commands.push_back(wParam);
        return DefWindowProcW(window, message, wParam, lParam);
    }

    static std::vector<WPARAM> s_commands;
    HWND m_window = nullptr;
};

std::vector<WPARAM> MainWindowFixture::s_commands;

// A window of HTML Help's that this process shows, or null.
HWND FindHelpWindow()
{
    struct Search
    {
        HWND found;
    } search = {nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            wchar_t title[64] = L"";
            GetWindowTextW(window, title, 64);
            if (process == GetCurrentProcessId() && IsWindowVisible(window) && wcscmp(title, L"Helpers Test Help") == 0)
            {
                reinterpret_cast<Search*>(data)->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void SetKeyDown(BYTE key, bool down)
{
    BYTE state[256];
    GetKeyboardState(state);
    state[key] = down ? 0x80 : 0;
    SetKeyboardState(state);
}
} // namespace

TEST_F(MainWindowFixture, OpensTheHelpFileFromTheProgramsFolder)
{
    ASSERT_TRUE(FileExists(GetModuleDirectory() + L"\\helpers_tests.chm"))
        << "The build puts helpers_tests.chm beside the program; it needs chmcmd (Debian fp-utils).";
    MessageBoxRecorder boxes(IDOK);
    ShowHtmlHelp(0, HELP_FINDER, L"helpers_tests.chm");
    EXPECT_TRUE(boxes.boxes.empty()) << (boxes.boxes.empty() ? "" : boxes.boxes[0].text.ToAnsi());
    EXPECT_TRUE(IdleMessagePosted());
    HWND help = FindHelpWindow();
    EXPECT_TRUE(help);
    if (help)
        DestroyWindow(help);
}

TEST_F(MainWindowFixture, AMissingHelpFileIsShownAsAHelpError)
{
    MessageBoxRecorder boxes(IDOK);
    ShowHtmlHelp(42, HELP_CONTEXT, L"no_such_help.chm");
    EXPECT_TRUE(IdleMessagePosted());
    ASSERT_EQ(1u, boxes.boxes.size());
    EXPECT_EQ(L"Help Error", boxes.boxes[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONINFORMATION), boxes.boxes[0].type);
    EXPECT_FALSE(boxes.boxes[0].text.IsEmpty());
    EXPECT_FALSE(FindHelpWindow());
}

TEST_F(MainWindowFixture, HelpKeySendsTheHelpCommandWithoutModifiers)
{
    EXPECT_TRUE(ProcessHelpKey());
    EXPECT_EQ(std::vector<WPARAM>{ID_HELP}, s_commands);

    for (BYTE key : {VK_SHIFT, VK_CONTROL, VK_MENU})
    {
        s_commands.clear();
        SetKeyDown(key, true);
        EXPECT_FALSE(ProcessHelpKey()) << int(key);
        SetKeyDown(key, false);
        EXPECT_TRUE(s_commands.empty()) << int(key);
    }

    AppSetMainWnd(nullptr);
    EXPECT_FALSE(ProcessHelpKey());
}
