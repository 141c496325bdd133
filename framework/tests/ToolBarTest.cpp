#include "framework/BitmapMenu.h"
#include "framework/CStatusBar.h"
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

TEST_F(ToolBarTest, ThePointerOnAButtonShowsItsPromptInTheStatusBar)
{
    CStatusBar status;
    ASSERT_TRUE(status.Create(frame.GetSafeHwnd()));
    const UINT indicators[] = {ID_SEPARATOR};
    ASSERT_TRUE(status.SetIndicators(indicators, 1));
    frame.RecalcLayout();
    ASSERT_TRUE(MouseScript().MoveTo(ButtonCenter(ID_CMD_FRAME)).Play());
    EXPECT_TRUE(PumpUntil([&] { return status.GetPaneText(0) == CString(L"Run the frame's command"); }))
        << status.GetPaneText(0).ToAnsi(CP_UTF8);
    ASSERT_TRUE(MouseScript().MoveTo(Center(WindowRect(view.GetSafeHwnd()))).Play());
    EXPECT_TRUE(PumpUntil([&] { return status.GetPaneText(0) == CString(L"Ready"); }))
        << status.GetPaneText(0).ToAnsi(CP_UTF8);
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

namespace
{
// The colour at the middle of the image the frame draws for an item in the given state.
COLORREF DrawnImage(HWND frame, UINT id, UINT state)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 24, 24);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    RECT all = {0, 0, 24, 24};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_MENU;
    item.itemID = id;
    item.itemState = state;
    item.hDC = dc;
    item.rcItem = {0, 0, 20, 20};
    SendMessageW(frame, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    COLORREF colour = GetPixel(dc, 10, 10);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return colour;
}
} // namespace

TEST(BitmapMenu, MenuItemsShowTheImageOfTheirCommandsToolbarButton)
{
    BitmapMenu<TestFrame> frame;
    ASSERT_TRUE(frame.CreateShown());
    CToolBar bar;
    ASSERT_TRUE(bar.CreateEx(frame.GetSafeHwnd(), TBSTYLE_FLAT, kBarStyle));
    ASSERT_TRUE(bar.LoadToolBar(IDR_TEST_TOOLBAR));
    HMENU popup = GetSubMenu(GetMenu(frame.GetSafeHwnd()), 0);
    auto bitmapOf = [&](UINT id) {
        MENUITEMINFOW info = {sizeof(info)};
        info.fMask = MIIM_BITMAP;
        GetMenuItemInfoW(popup, id, FALSE, &info);
        return info.hbmpItem;
    };

    // No toolbar registered: the menu stays as it is.
    SendMessageW(frame.GetSafeHwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    EXPECT_EQ(nullptr, bitmapOf(ID_CMD_FRAME));

    frame.RegisterToolBar(&bar);
    SendMessageW(frame.GetSafeHwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    EXPECT_EQ(HBMMENU_CALLBACK, bitmapOf(ID_CMD_FRAME));
    EXPECT_EQ(HBMMENU_CALLBACK, bitmapOf(ID_CMD_APP));
    MENUINFO info = {sizeof(info)};
    info.fMask = MIM_STYLE;
    GetMenuInfo(popup, &info);
    EXPECT_TRUE(info.dwStyle & MNS_CHECKORBMP);
    EXPECT_TRUE(GetMenuState(popup, ID_CMD_UNHANDLED, MF_BYCOMMAND) & MF_GRAYED); // the frame's own update ran first

    MEASUREITEMSTRUCT measure = {};
    measure.CtlType = ODT_MENU;
    measure.itemID = ID_CMD_FRAME;
    measure.itemHeight = 10;
    SendMessageW(frame.GetSafeHwnd(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    EXPECT_EQ(15u + 2u, measure.itemHeight);
    EXPECT_GE(measure.itemWidth, 16u);

    EXPECT_EQ(RGB(255, 0, 0), DrawnImage(frame.GetSafeHwnd(), ID_CMD_FRAME, 0)); // the first button's image
    EXPECT_EQ(RGB(0, 160, 0), DrawnImage(frame.GetSafeHwnd(), ID_CMD_VIEW, ODS_SELECTED));
    EXPECT_EQ(RGB(255, 255, 255), DrawnImage(frame.GetSafeHwnd(), ID_CMD_APP, 0)); // no button, no image
    COLORREF greyed = DrawnImage(frame.GetSafeHwnd(), ID_CMD_FRAME, ODS_GRAYED);
    EXPECT_EQ(GetRValue(greyed), GetGValue(greyed));
    EXPECT_EQ(GetGValue(greyed), GetBValue(greyed));
    EXPECT_NE(RGB(255, 255, 255), greyed);
}
