#include "capture/controller/CMenuActions.h"

#include "capture/controller/ActionIds.h"
#include "capture/controller/CaptureType.h"
#include "capture/controller/tests/ControllerFixture.h"
#include "capture/controller/tests/HostWindow.h"
#include "capture/controller/tests/InputThread.h"

#include <string>

using namespace controller_test;

namespace
{
std::vector<UINT> ItemIds(HMENU menu)
{
    std::vector<UINT> ids;
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        ids.push_back(GetMenuItemID(menu, i));
    return ids;
}

// The actions in the order of the expected states of the rule tables.
const UINT kActions[] = {ID_CAPTURE_RECORD, ID_CAPTURE_PLAY,        ID_CAPTURE_PAUSE,   ID_CAPTURE_RESUME,
                         ID_CAPTURE_STOP,   ID_CAPTURE_REPEAT_LAST, ID_CAPTURE_SHOW_LAST};

class MenuActionsTest : public ControllerFixture
{
protected:
    // The enabled state of each action after an update, as '1' and '0' in kActions order.
    std::string EnabledActions(CLocalController& controller)
    {
        HMENU menu = CreatePopupMenu();
        for (UINT id : kActions)
            AppendMenuW(menu, MF_STRING, id, L"action");
        CMenuActions actions(CMenuActions::kTray, controller);
        CCmdUI::UpdatePopupMenu(menu, [&](CCmdUI& item) { actions.UpdateCommand(&item); });
        std::string states;
        for (UINT id : kActions)
            states += (GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) ? '0' : '1';
        DestroyMenu(menu);
        return states;
    }
};
} // namespace

TEST_F(MenuActionsTest, MenusFromAViewHoldOnlyTheActions)
{
    CLocalController& controller = MakeController();
    HostWindow host;
    struct Case
    {
        int type;
        CMenuActions::Kind kind;
        std::vector<UINT> ids;
    };
    const Case cases[] = {
        {CT_SCREEN, CMenuActions::kTray, {133, 0, 251, 292, 293, 255, 0, 284, 285, 0, 135, 0, 57665}},
        {CT_SCREEN, CMenuActions::kView, {251, 292, 293, 255, 0, 284, 285}},
        {CT_TRAINING, CMenuActions::kTray, {133, 0, 251, 291, 255, 0, 135, 0, 57665}},
        {CT_TRAINING, CMenuActions::kView, {251, 291, 255}},
        {CT_VIDEO, CMenuActions::kView, {251, 291, 292, 293, 255}},
        {CT_MOVIE, CMenuActions::kTray, {133, 0, 251, 291, 292, 293, 255, 0, 135, 0, 57665}},
    };
    for (const Case& c : cases)
    {
        HMENU menu = CMenuActions(c.kind, controller).LoadActionMenu(c.type);
        ASSERT_NE(nullptr, menu) << "type " << c.type;
        EXPECT_EQ(c.ids, ItemIds(menu)) << "type " << c.type << ", kind " << c.kind;
        DestroyMenu(menu);
    }
    CMenuActions actions(CMenuActions::kView, controller);
    EXPECT_EQ(nullptr, actions.LoadActionMenu(CT_NONE));
    EXPECT_EQ(-1, actions.Show(CT_NONE));
    EXPECT_EQ(-1, actions.TrackAtCursor(nullptr));
}

TEST_F(MenuActionsTest, ChosenActionGoesToTheMainWindow)
{
    CLocalController& controller = MakeController();
    HostWindow host;
    HMENU shown = nullptr;
    // The menu pops up at the cursor: over the host window.
    RECT hostRect = {};
    GetWindowRect(host, &hostRect);
    SetCursorPos(hostRect.left + 50, hostRect.top + 50);
    // A click on the second entry of the training actions: Play. A menu still open after
    // a few clicks is cancelled, so that a fault fails the test instead of hanging it.
    InputThread input([&] {
        HWND menuWindow = WaitForVisibleWindow(L"#32768");
        shown = menuWindow ? reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0)) : nullptr;
        for (int attempt = 0; attempt < 3 && menuWindow && IsWindowVisible(menuWindow); ++attempt)
        {
            RECT item = {};
            if (GetMenuItemRect(nullptr, shown, 1, &item))
                ClickAt({(item.left + item.right) / 2, (item.top + item.bottom) / 2});
            PumpUntil([&] { return !IsWindowVisible(menuWindow); }, 2000);
        }
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(host, WM_CANCELMODE, 0, 0, SMTO_BLOCK, 2000, &ignored);
    });
    CMenuActions actions(CMenuActions::kView, controller);
    EXPECT_EQ(ID_CAPTURE_PLAY, actions.Show(CT_TRAINING));
    ASSERT_TRUE(input.Finish());
    EXPECT_NE(nullptr, shown);
    EXPECT_EQ(CT_TRAINING, actions.GetCaptureType());
    EXPECT_EQ(std::vector<UINT>({ID_CAPTURE_PLAY}), host.commands);
}

// States in the order Record, Play, Pause, Resume, Stop, Repeat Last, Show Last.
TEST_F(MenuActionsTest, TrainingRule)
{
    struct Case
    {
        const char* name;
        bool records;
        SideState recorder;
        SideState player;
        const char* enabled;
    };
    const Case cases[] = {
        {"idle, recording mode", true, kIdle, kIdle, "1000000"},
        {"idle, playing mode", false, kIdle, kIdle, "0100000"},
        {"recording", true, kRunning, kIdle, "0000100"},
        {"playing", true, kIdle, kRunning, "0000100"},
    };
    for (const Case& c : cases)
    {
        CLocalController& controller = MakeController();
        controller.SetCaptureType(CT_TRAINING);
        controller.SetRecActive(CT_TRAINING, c.records);
        training->recorder = c.recorder;
        training->player = c.player;
        EXPECT_EQ(c.enabled, EnabledActions(controller)) << c.name;
    }
}

TEST_F(MenuActionsTest, GeneralRuleOfAudioVideoAndMovie)
{
    struct Case
    {
        const char* name;
        int type;
        bool records;
        SideState recorder;
        SideState player;
        bool lastCaptureSucceeded;
        const char* enabled;
    };
    const Case cases[] = {
        {"audio idle, recording mode", CT_AUDIO, true, kIdle, kIdle, false, "1000000"},
        {"audio idle, playing mode", CT_AUDIO, false, kIdle, kIdle, false, "0100000"},
        {"video recording", CT_VIDEO, true, kRunning, kIdle, false, "0010100"},
        {"video playing paused", CT_VIDEO, false, kIdle, kPaused, false, "0001100"},
        {"movie idle after a capture", CT_MOVIE, true, kIdle, kIdle, true, "1000011"},
        {"movie in playing mode after a capture", CT_MOVIE, false, kIdle, kIdle, true, "0100000"},
        {"movie recording paused", CT_MOVIE, true, kPaused, kIdle, true, "0001111"},
        {"audio has no last capture", CT_AUDIO, true, kIdle, kIdle, true, "1000000"},
    };
    for (const Case& c : cases)
    {
        CLocalController& controller = MakeController();
        controller.SetCaptureType(c.type);
        controller.SetRecActive(c.type, c.records);
        FakeMedia& media = *Media(c.type);
        media.recorder = c.recorder;
        media.player = c.player;
        media.lastCaptureSucceeded = c.lastCaptureSucceeded;
        EXPECT_EQ(c.enabled, EnabledActions(controller)) << c.name;
    }
}

TEST_F(MenuActionsTest, GeneralRuleOfScreenCapture)
{
    SetFileTiming(60);
    CLocalController& controller = MakeController();
    EXPECT_EQ("1000000", EnabledActions(controller)) << "idle, no capture yet";
    controller.Record();
    ASSERT_TRUE(Screen().IsCapturing());
    EXPECT_EQ("0010100", EnabledActions(controller)) << "timed capture running";
    controller.PauseResume();
    EXPECT_EQ("0001100", EnabledActions(controller)) << "timed capture paused";
    controller.Stop();

    // A type that names no kind changes nothing, nor does a command that is no action.
    controller.SetCaptureType(CT_NONE);
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING | MF_GRAYED, ID_CAPTURE_RECORD, L"Record");
    AppendMenuW(menu, MF_STRING | MF_GRAYED, ID_APP_OPEN, L"Open");
    CMenuActions actions(CMenuActions::kTray, controller);
    bool changed = false;
    CCmdUI::UpdatePopupMenu(menu, [&](CCmdUI& item) {
        actions.UpdateCommand(&item);
        changed |= item.m_bEnableChanged;
    });
    controller.SetCaptureType(CT_SCREEN);
    CCmdUI::UpdatePopupMenu(menu, [&](CCmdUI& item) {
        actions.UpdateCommand(&item);
        changed |= item.m_nID == ID_APP_OPEN && item.m_bEnableChanged;
    });
    actions.UpdateCommand(nullptr);
    EXPECT_FALSE(changed);
    EXPECT_EQ(0u, GetMenuState(menu, ID_CAPTURE_RECORD, MF_BYCOMMAND) & MF_GRAYED);
    DestroyMenu(menu);
}
