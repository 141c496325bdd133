#include "framework/CStatusBar.h"
#include "framework/tests/FrameTestSupport.h"
#include <gtest/gtest.h>

using namespace frame_test;

namespace
{
class FrameCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.CreateShown());
        ASSERT_TRUE(view.Create(frame));
        frame.SetActiveView(&view);
    }

    void Command(UINT id) { SendMessageW(frame.GetSafeHwnd(), WM_COMMAND, id, 0); }

    // The state of the menu item after the frame prepared its pop-up.
    UINT ItemState(UINT id)
    {
        HMENU popup = GetSubMenu(GetMenu(frame.GetSafeHwnd()), 0);
        SendMessageW(frame.GetSafeHwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
        return GetMenuState(popup, id, MF_BYCOMMAND);
    }

    TestApp app;
    TestFrame frame;
    TestView view;
};
} // namespace

TEST_F(FrameCommandTest, CommandsGoToTheActiveViewThenTheFrameThenTheApplication)
{
    struct Case
    {
        UINT id;
        int frameRuns;
        int viewRuns;
        int appRuns;
    };
    // The frame and the view both take ID_CMD_FRAME; the view and the application both take ID_CMD_VIEW.
    const Case cases[] = {{ID_CMD_FRAME, 0, 1, 0}, {ID_CMD_VIEW, 0, 1, 0}, {ID_CMD_APP, 0, 0, 1}, {ID_CMD_UNHANDLED, 0, 0, 0}};
    for (const Case& c : cases)
    {
        frame.runs.clear();
        view.runs.clear();
        app.runs.clear();
        Command(c.id);
        EXPECT_EQ(c.frameRuns, frame.runs[c.id]) << c.id;
        EXPECT_EQ(c.viewRuns, view.runs[c.id]) << c.id;
        EXPECT_EQ(c.appRuns, app.runs[c.id]) << c.id;
    }

    // Without an active view (or once it is gone) its commands go on to the frame and the
    // application.
    view.DestroyWindow();
    frame.runs.clear();
    app.runs.clear();
    Command(ID_CMD_FRAME);
    Command(ID_CMD_VIEW);
    EXPECT_EQ(1, frame.runs[ID_CMD_FRAME]);
    EXPECT_EQ(1, app.runs[ID_CMD_VIEW]);
}

TEST_F(FrameCommandTest, MenuItemsTakeTheirStateFromTheUpdateHandlersBeforeThePopupOpens)
{
    EXPECT_FALSE(ItemState(ID_CMD_FRAME) & MF_GRAYED);     // a command handler, no update handler
    EXPECT_FALSE(ItemState(ID_CMD_APP) & MF_GRAYED);       // handled at the end of the route
    EXPECT_TRUE(ItemState(ID_CMD_DISABLED) & MF_GRAYED);   // its update handler disables it
    EXPECT_TRUE(ItemState(ID_CMD_UNHANDLED) & MF_GRAYED);  // nothing handles it
    EXPECT_TRUE(ItemState(ID_CMD_CHECKED) & MF_CHECKED);
    EXPECT_FALSE(ItemState(ID_CMD_CHECKED) & MF_GRAYED);
    EXPECT_TRUE(ItemState(ID_VIEW_TOOLBAR) & MF_GRAYED);   // no such bar

    frame.m_bAutoMenuEnable = false;
    HMENU popup = GetSubMenu(GetMenu(frame.GetSafeHwnd()), 0);
    EnableMenuItem(popup, ID_CMD_UNHANDLED, MF_BYCOMMAND | MF_ENABLED);
    EXPECT_FALSE(ItemState(ID_CMD_UNHANDLED) & MF_GRAYED);
}

TEST_F(FrameCommandTest, TheStatusBarShowsThePromptOfTheSelectedItemAndReadyWhenTheMenuCloses)
{
    CStatusBar status;
    ASSERT_TRUE(status.Create(frame.GetSafeHwnd()));
    const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};
    ASSERT_TRUE(status.SetIndicators(indicators, 3));
    EXPECT_EQ(CString(), status.GetPaneText(0));
    frame.OnIdleUpdateCmdUI();
    EXPECT_EQ(CString(L"Ready"), status.GetPaneText(0)); // the idle prompt from the start
    HMENU menu = GetMenu(frame.GetSafeHwnd());
    HMENU popup = GetSubMenu(menu, 0);
    auto select = [&](UINT item, UINT flags, HMENU from) {
        SendMessageW(frame.GetSafeHwnd(), WM_MENUSELECT, MAKEWPARAM(item, flags), reinterpret_cast<LPARAM>(from));
        return status.GetPaneText(0);
    };
    EXPECT_EQ(CString(L"Run the frame's command"), select(ID_CMD_FRAME, MF_STRING, popup));
    EXPECT_EQ(CString(L"A command that is never enabled"), select(ID_CMD_DISABLED, MF_STRING, popup));
    EXPECT_EQ(CString(), select(ID_CMD_APP, MF_STRING, popup)); // no string
    EXPECT_EQ(CString(), select(0, MF_POPUP, menu));
    EXPECT_EQ(CString(L"Ready"), select(0, 0xFFFF, nullptr));

    // The window text of the status bar is its message pane.
    wchar_t text[64] = L"";
    GetWindowTextW(status.GetSafeHwnd(), text, 64);
    EXPECT_STREQ(L"Ready", text);
}

TEST_F(FrameCommandTest, TheViewMenuShowsAndHidesTheStatusBarAndTheViewTakesTheRoom)
{
    CStatusBar status;
    ASSERT_TRUE(status.Create(frame.GetSafeHwnd()));
    const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS};
    ASSERT_TRUE(status.SetIndicators(indicators, 2));
    frame.RecalcLayout();

    RECT client;
    GetClientRect(frame.GetSafeHwnd(), &client);
    RECT bar = WindowRect(status.GetSafeHwnd());
    RECT pane = WindowRect(view.GetSafeHwnd());
    EXPECT_GT(bar.bottom - bar.top, 10);
    EXPECT_EQ(pane.bottom, bar.top);
    EXPECT_EQ(client.bottom, (pane.bottom - pane.top) + (bar.bottom - bar.top));
    EXPECT_TRUE(ItemState(ID_VIEW_STATUS_BAR) & MF_CHECKED);

    Command(ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(status.IsVisible());
    EXPECT_FALSE(ItemState(ID_VIEW_STATUS_BAR) & MF_CHECKED);
    EXPECT_EQ(client.bottom, WindowRect(view.GetSafeHwnd()).bottom - WindowRect(view.GetSafeHwnd()).top);

    Command(ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(status.IsVisible());
}

TEST_F(FrameCommandTest, KeyIndicatorsShowTheirTextOnlyWhileTheKeyIsOn)
{
    CStatusBar status;
    ASSERT_TRUE(status.Create(frame.GetSafeHwnd()));
    const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
    ASSERT_TRUE(status.SetIndicators(indicators, 4));
    frame.OnIdleUpdateCmdUI();
    const wchar_t* texts[] = {L"CAP", L"NUM", L"SCRL"};
    const int keys[] = {VK_CAPITAL, VK_NUMLOCK, VK_SCROLL};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ((GetKeyState(keys[i]) & 1) ? CString(texts[i]) : CString(), status.GetPaneText(i + 1)) << i;
}
