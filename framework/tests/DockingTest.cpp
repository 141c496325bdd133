#include "framework/AppProfile.h"
#include "framework/CDockState.h"
#include "framework/CToolBar.h"
#include "framework/tests/FrameTestSupport.h"
#include "testing/PrivateUserRegistry.h"
#include <gtest/gtest.h>

using namespace frame_test;

namespace
{
::testing::Environment* const kPrivateRegistry = ::testing::AddGlobalTestEnvironment(new PrivateUserRegistry);

const DWORD kBarStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_SIZE_DYNAMIC;
const UINT kSecondBar = 0xE810;
const wchar_t* const kProfileName = L"Bars\\State";

// A frame docking two toolbars on every side.
struct DockingFrame
{
    TestFrame frame;
    TestView view;
    CToolBar first;
    CToolBar second;

    bool Create()
    {
        if (!frame.CreateShown(0) || !view.Create(frame) ||
            !first.CreateEx(frame.GetSafeHwnd(), TBSTYLE_FLAT, kBarStyle, AFX_IDW_TOOLBAR) ||
            !first.LoadToolBar(IDR_TEST_TOOLBAR) ||
            !second.CreateEx(frame.GetSafeHwnd(), TBSTYLE_FLAT, kBarStyle, kSecondBar) ||
            !second.LoadToolBar(IDR_TEST_TOOLBAR))
            return false;
        SetWindowTextW(first.GetSafeHwnd(), L"First");
        first.EnableDocking(CBRS_ALIGN_ANY);
        second.EnableDocking(CBRS_ALIGN_ANY);
        frame.EnableDocking(CBRS_ALIGN_ANY);
        frame.DockControlBar(&first);
        frame.DockControlBar(&second);
        return true;
    }

    RECT ScreenClient() const
    {
        RECT client;
        GetClientRect(frame.GetSafeHwnd(), &client);
        MapWindowPoints(frame.GetSafeHwnd(), nullptr, reinterpret_cast<POINT*>(&client), 2);
        return client;
    }
    CDockBar* Side(UINT id) const { return frame.GetDockBar(id); }
};

class DockingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AppSetRegistryKey(L"Vellumor Tests");
        AppSetProfileName(L"Docking");
        ASSERT_TRUE(docking.Create());
    }
    void TearDown() override
    {
        AppSetRegistryKey(nullptr);
        AppSetProfileName(nullptr);
    }

    static POINT GripperOf(CControlBar& bar)
    {
        RECT r = WindowRect(bar.GetSafeHwnd());
        return {r.left + 4, (r.top + r.bottom) / 2};
    }
    static HWND MiniFrameOf(CControlBar& bar) { return GetParent(GetParent(bar.GetSafeHwnd())); }
    // A point of the window's non-client area that answers the hit code, scanning its caption.
    static POINT CaptionPoint(HWND window, LRESULT code)
    {
        RECT r = WindowRect(window);
        int y = r.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYSMCAPTION) / 2;
        for (int x = r.right - 1; x > r.left; --x)
            if (SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == code)
                return {code == HTCAPTION ? x - 20 : x - 3, y};
        return {-1, -1};
    }

    DockingFrame docking;
};
} // namespace

TEST_F(DockingTest, BarsDockedOnOneSideShareARowAndTheViewTakesTheRest)
{
    CDockBar* top = docking.Side(AFX_IDW_DOCKBAR_TOP);
    ASSERT_EQ(2u, top->GetRows().size()); // each DockControlBar without a point opens a row
    RECT client = docking.ScreenClient();
    RECT first = WindowRect(docking.first.GetSafeHwnd());
    RECT second = WindowRect(docking.second.GetSafeHwnd());
    EXPECT_EQ(client.top, first.top);
    EXPECT_EQ(first.bottom, second.top);
    EXPECT_EQ(second.bottom, WindowRect(docking.view.GetSafeHwnd()).top);
}

TEST_F(DockingTest, DraggingTheGripperFloatsTheBarAndDraggingItsFrameDocksItOnAnotherSide)
{
    RECT client = docking.ScreenClient();
    ASSERT_TRUE(MouseScript().Drag(GripperOf(docking.first), Center(client)).Play());
    ASSERT_TRUE(docking.first.IsFloating());
    HWND mini = MiniFrameOf(docking.first);
    EXPECT_TRUE(IsWindowVisible(mini));
    EXPECT_EQ(1u, docking.Side(AFX_IDW_DOCKBAR_TOP)->GetRows().size());
    wchar_t title[32] = L"";
    GetWindowTextW(mini, title, 32);
    EXPECT_STREQ(L"First", title);

    // Its caption carries it to the left side, where it stands upright.
    POINT caption = CaptionPoint(mini, HTCAPTION);
    ASSERT_GE(caption.x, 0);
    ASSERT_TRUE(MouseScript().Drag(caption, {client.left + 4, (client.top + client.bottom) / 2}).Play());
    EXPECT_FALSE(docking.first.IsFloating());
    EXPECT_EQ(docking.Side(AFX_IDW_DOCKBAR_LEFT), docking.first.GetDockBar());
    RECT upright = WindowRect(docking.first.GetSafeHwnd());
    EXPECT_GT(upright.bottom - upright.top, upright.right - upright.left);
    EXPECT_FALSE(IsWindow(mini));
    EXPECT_EQ(upright.right, WindowRect(docking.view.GetSafeHwnd()).left);

    // A drag that ends where it began moves nothing.
    ASSERT_TRUE(MouseScript().Drag(GripperOf(docking.second), GripperOf(docking.second)).Play());
    EXPECT_EQ(docking.Side(AFX_IDW_DOCKBAR_TOP), docking.second.GetDockBar());
}

TEST_F(DockingTest, TheCloseButtonOfAFloatingFrameHidesTheBarAndTheViewMenuBringsItBack)
{
    docking.frame.FloatControlBar(&docking.first, {300, 300});
    HWND mini = MiniFrameOf(docking.first);
    ASSERT_TRUE(IsWindowVisible(mini));
    POINT close = CaptionPoint(mini, HTCLOSE);
    ASSERT_GE(close.x, 0);
    ASSERT_TRUE(MouseScript().Click(close).Play());
    EXPECT_TRUE(PumpUntil([&] { return !docking.first.IsVisible(); }));
    EXPECT_FALSE(IsWindowVisible(mini));

    SendMessageW(docking.frame.GetSafeHwnd(), WM_COMMAND, ID_VIEW_TOOLBAR, 0);
    EXPECT_TRUE(docking.first.IsVisible());
    EXPECT_TRUE(IsWindowVisible(mini));
}

TEST_F(DockingTest, DoubleClicksToggleBetweenTheLastDockedAndTheLastFloatingPlace)
{
    docking.frame.DockControlBar(&docking.first, AFX_IDW_DOCKBAR_BOTTOM);
    SendMessageW(docking.first.GetSafeHwnd(), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    ASSERT_TRUE(docking.first.IsFloating());
    SendMessageW(MiniFrameOf(docking.first), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    EXPECT_EQ(docking.Side(AFX_IDW_DOCKBAR_BOTTOM), docking.first.GetDockBar());
}

TEST_F(DockingTest, TheBarStateComesBackInAFrameMadeAnew)
{
    docking.frame.DockControlBar(&docking.second, AFX_IDW_DOCKBAR_RIGHT);
    docking.frame.FloatControlBar(&docking.first, {320, 280});
    RECT floating = WindowRect(MiniFrameOf(docking.first));
    docking.frame.SaveBarState(kProfileName);

    DockingFrame again;
    ASSERT_TRUE(again.Create());
    CDockState state;
    state.LoadState(kProfileName);
    EXPECT_TRUE(state.FitsFrame(again.frame));
    again.frame.SetDockState(state);
    ASSERT_TRUE(again.first.IsFloating());
    RECT restored = WindowRect(MiniFrameOf(again.first));
    EXPECT_EQ(floating.left, restored.left);
    EXPECT_EQ(floating.top, restored.top);
    EXPECT_EQ(again.Side(AFX_IDW_DOCKBAR_RIGHT), again.second.GetDockBar());
    EXPECT_TRUE(again.Side(AFX_IDW_DOCKBAR_TOP)->GetRows().empty());

    // Hidden bars stay hidden; a shorter state leaves no records of the longer one behind.
    again.frame.ShowControlBar(&again.second, false, false);
    again.frame.DockControlBar(&again.first, AFX_IDW_DOCKBAR_TOP);
    again.frame.SaveBarState(kProfileName);
    state.LoadState(kProfileName);
    again.frame.ShowControlBar(&again.second, true, false);
    again.frame.SetDockState(state);
    EXPECT_FALSE(again.second.IsVisible());
    EXPECT_FALSE(again.first.IsFloating());
    EXPECT_EQ(0, AppGetProfileInt(CDockState::SectionName(kProfileName, static_cast<int>(state.m_arrBarInfo.size())),
                                  L"BarID", 0));
}

TEST_F(DockingTest, AStateNamingABarTheFrameDoesNotHaveDoesNotFitIt)
{
    CDockState state;
    EXPECT_TRUE(state.FitsFrame(docking.frame)); // empty

    docking.frame.GetDockState(state);
    EXPECT_TRUE(state.FitsFrame(docking.frame));

    CDockState unknownInRow = state;
    unknownInRow.m_arrBarInfo.back().m_arrBarID.push_back(4321);
    EXPECT_FALSE(unknownInRow.FitsFrame(docking.frame));

    CDockState unknownBar = state;
    unknownBar.m_arrBarInfo.push_back(CControlBarInfo());
    unknownBar.m_arrBarInfo.back().m_nBarID = 4321;
    EXPECT_FALSE(unknownBar.FitsFrame(docking.frame));
    unknownBar.m_arrBarInfo.back().m_bFloating = true; // a floating record needs only its listed bars
    EXPECT_TRUE(unknownBar.FitsFrame(docking.frame));

    // A floating dock bar's record lists its bar under the id plus 0x10000.
    CDockState floating;
    floating.m_arrBarInfo.push_back(CControlBarInfo());
    floating.m_arrBarInfo.back().m_nBarID = kSecondBar + CControlBarInfo::kFloatingDockBarFlag;
    floating.m_arrBarInfo.back().m_bFloating = true;
    floating.m_arrBarInfo.back().m_arrBarID = {kSecondBar + CControlBarInfo::kFloatingDockBarFlag};
    EXPECT_TRUE(floating.FitsFrame(docking.frame));
}
