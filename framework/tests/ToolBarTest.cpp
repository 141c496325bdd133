#include "framework/CToolBar.h"
#include "framework/tests/FrameTestSupport.h"
#include <gtest/gtest.h>

using namespace frame_test;

namespace
{
const DWORD kBarStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;

class ToolBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.CreateShown());
        ASSERT_TRUE(view.Create(frame));
        ASSERT_TRUE(bar.CreateEx(frame.GetSafeHwnd(), TBSTYLE_FLAT, kBarStyle));
        ASSERT_TRUE(bar.LoadToolBar(IDR_TEST_TOOLBAR));
        frame.RecalcLayout();
    }

    bool ButtonEnabled(UINT id)
    {
        return SendMessageW(bar.GetToolBarCtrl(), TB_ISBUTTONENABLED, id, 0) != 0;
    }
    POINT ButtonCenter(UINT id)
    {
        RECT r = bar.GetItemRect(bar.CommandToIndex(id));
        MapWindowPoints(bar.GetSafeHwnd(), nullptr, reinterpret_cast<POINT*>(&r), 2);
        return Center(r);
    }

    TestFrame frame;
    TestView view;
    CToolBar bar;
};
} // namespace

TEST_F(ToolBarTest, ButtonsAndImagesComeFromTheToolbarResource)
{
    ASSERT_EQ(4, bar.GetCount());
    const UINT ids[] = {ID_CMD_FRAME, ID_SEPARATOR, ID_CMD_VIEW, ID_CMD_UNHANDLED};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(ids[i], bar.GetItemID(i));
    EXPECT_EQ(16, bar.GetImageSize().cx);
    EXPECT_EQ(15, bar.GetImageSize().cy);
    EXPECT_EQ(3, ImageList_GetImageCount(bar.GetImageList()));
    // Separators take no image: the images go on in order past them.
    EXPECT_EQ(0, bar.GetImageIndex(ID_CMD_FRAME));
    EXPECT_EQ(1, bar.GetImageIndex(ID_CMD_VIEW));
    EXPECT_EQ(2, bar.GetImageIndex(ID_CMD_UNHANDLED));
    EXPECT_EQ(-1, bar.GetImageIndex(ID_CMD_APP));
    EXPECT_EQ(4, SendMessageW(bar.GetToolBarCtrl(), TB_BUTTONCOUNT, 0, 0));

    CToolBar other;
    ASSERT_TRUE(other.CreateEx(frame.GetSafeHwnd()));
    EXPECT_FALSE(other.LoadToolBar(IDR_BAD_TOOLBAR)); // version 2
    EXPECT_FALSE(other.LoadToolBar(999));             // no such resource
}

TEST_F(ToolBarTest, TheBarTakesTheTopOfTheFrameAndTheViewTheRest)
{
    RECT client;
    GetClientRect(frame.GetSafeHwnd(), &client);
    MapWindowPoints(frame.GetSafeHwnd(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    RECT barRect = WindowRect(bar.GetSafeHwnd());
    RECT viewRect = WindowRect(view.GetSafeHwnd());
    EXPECT_EQ(client.top, barRect.top);
    EXPECT_EQ(client.right - client.left, barRect.right - barRect.left); // stretched along its side
    EXPECT_GE(barRect.bottom - barRect.top, 15 + 6);                      // a button's height at least
    EXPECT_EQ(barRect.bottom, viewRect.top);
    EXPECT_EQ(client.bottom, viewRect.bottom);
}

TEST_F(ToolBarTest, IdleUpdateEnablesButtonsByTheirHandlersAndAClickRunsTheCommand)
{
    frame.SetActiveView(&view);
    frame.OnIdleUpdateCmdUI();
    EXPECT_TRUE(ButtonEnabled(ID_CMD_FRAME));
    EXPECT_TRUE(ButtonEnabled(ID_CMD_VIEW));
    EXPECT_FALSE(ButtonEnabled(ID_CMD_UNHANDLED));

    ASSERT_TRUE(MouseScript().Click(ButtonCenter(ID_CMD_VIEW)).Play());
    EXPECT_TRUE(PumpUntil([&] { return view.runs[ID_CMD_VIEW] == 1; }));
    ASSERT_TRUE(MouseScript().Click(ButtonCenter(ID_CMD_UNHANDLED)).Play());
    EXPECT_EQ(0, frame.runs[ID_CMD_UNHANDLED] + view.runs[ID_CMD_UNHANDLED]);
}

TEST_F(ToolBarTest, TipsComeFromTheCommandStrings)
{
    HWND tips = reinterpret_cast<HWND>(SendMessageW(bar.GetToolBarCtrl(), TB_GETTOOLTIPS, 0, 0));
    ASSERT_NE(nullptr, tips);
    auto tipOf = [&](UINT id) {
        wchar_t text[80] = L"";
        TTTOOLINFOW info = {};
        info.cbSize = sizeof(info);
        info.hwnd = bar.GetToolBarCtrl();
        info.uId = id;
        info.lpszText = text;
        SendMessageW(tips, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&info));
        return CString(text);
    };
    EXPECT_EQ(CString(L"Frame command"), tipOf(ID_CMD_FRAME));
    EXPECT_EQ(CString(L"View command"), tipOf(ID_CMD_VIEW));
    EXPECT_EQ(CString(), tipOf(ID_CMD_UNHANDLED));
}
