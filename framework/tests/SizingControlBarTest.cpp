#include "framework/AppFrameBarState.h"
#include "framework/AppProfile.h"
#include "framework/CDockState.h"
#include "framework/CSCBMiniDockFrameWnd.h"
#include "framework/CSizingControlBarCF.h"
#include "framework/tests/FrameTestSupport.h"
#include <gtest/gtest.h>

using namespace frame_test;

namespace
{
const DWORD kBarStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;
const UINT kUpperId = 1964;
const UINT kLowerId = 1963;
const wchar_t* const kProfileName = L"Sizing\\Bars";

// A frame with two sizing bars in one column on its left.
struct SizingFrame
{
    TestFrame frame;
    TestView view;
    CSizingControlBarCF upper;
    CSizingControlBarCF lower;

    bool Create()
    {
        if (!frame.CreateShown(0) || !view.Create(frame))
            return false;
        frame.EnableDocking(CBRS_ALIGN_ANY);
        frame.SetFloatingFrameClass<CSCBMiniDockFrameWnd>();
        if (!upper.Create(L"Upper", frame.GetSafeHwnd(), kUpperId, kBarStyle) ||
            !lower.Create(L"Lower", frame.GetSafeHwnd(), kLowerId, kBarStyle))
            return false;
        for (CSizingControlBarCF* bar : {&upper, &lower})
        {
            bar->EnableDocking(CBRS_ALIGN_ANY);
            frame.DockControlBar(bar, AFX_IDW_DOCKBAR_LEFT);
        }
        frame.GetDockBar(AFX_IDW_DOCKBAR_LEFT)->SetRows({{&upper, &lower}});
        frame.RecalcLayout();
        return true;
    }
};

class SizingControlBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AppSetRegistryKey(L"Vellumor Tests");
        AppSetProfileName(L"Sizing");
        ASSERT_TRUE(bars.Create());
    }
    void TearDown() override
    {
        AppSetRegistryKey(nullptr);
        AppSetProfileName(nullptr);
    }

    // A point of the bar's edge, found through the bar's own hit test.
    static POINT EdgePoint(CControlBar& bar, LRESULT code)
    {
        RECT r = WindowRect(bar.GetSafeHwnd());
        POINT middle = Center(r);
        POINT point = code == HTBOTTOM ? POINT{middle.x, r.bottom - 2}
                      : code == HTTOP  ? POINT{middle.x, r.top + 2}
                      : code == HTRIGHT ? POINT{r.right - 2, middle.y}
                                        : POINT{r.left + 2, middle.y};
        EXPECT_EQ(code, SendMessageW(bar.GetSafeHwnd(), WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y)));
        return point;
    }
    static POINT InWindowToScreen(CControlBar& bar, const RECT& r)
    {
        RECT window = WindowRect(bar.GetSafeHwnd());
        POINT center = Center(r);
        return {window.left + center.x, window.top + center.y};
    }
    static int Height(HWND window)
    {
        RECT r = WindowRect(window);
        return r.bottom - r.top;
    }
    static int Width(HWND window)
    {
        RECT r = WindowRect(window);
        return r.right - r.left;
    }

    SizingFrame bars;
    TestFrame& frame = bars.frame;
    TestView& view = bars.view;
    CSizingControlBarCF& upper = bars.upper;
    CSizingControlBarCF& lower = bars.lower;
};
} // namespace

TEST_F(SizingControlBarTest, BarsOfAColumnFillItAndHaveEdgesOnlyBetweenThemAndTowardsTheView)
{
    RECT client;
    GetClientRect(frame.GetSafeHwnd(), &client);
    EXPECT_EQ(client.bottom, Height(upper.GetSafeHwnd()) + Height(lower.GetSafeHwnd()) - 2);
    EXPECT_EQ(Width(upper.GetSafeHwnd()), Width(lower.GetSafeHwnd()));
    const DWORD edges = CSizingControlBar::SCBS_EDGEALL;
    EXPECT_EQ(CSizingControlBar::SCBS_EDGEBOTTOM | CSizingControlBar::SCBS_EDGERIGHT, upper.GetSCBStyle() & edges);
    EXPECT_EQ(CSizingControlBar::SCBS_EDGETOP | CSizingControlBar::SCBS_EDGERIGHT, lower.GetSCBStyle() & edges);
}

TEST_F(SizingControlBarTest, DraggingTheEdgeBetweenTwoBarsMovesLengthAndTheNeighbourGivesWayDownToItsMinimum)
{
    int upperHeight = Height(upper.GetSafeHwnd());
    int lowerHeight = Height(lower.GetSafeHwnd());
    RECT lowerBefore = WindowRect(lower.GetSafeHwnd());
    POINT edge = EdgePoint(upper, HTBOTTOM);
    ASSERT_TRUE(MouseScript().Drag(edge, {edge.x, edge.y + 40}).Play());
    EXPECT_FALSE(upper.IsTracking());
    EXPECT_EQ(upperHeight + 40, Height(upper.GetSafeHwnd()));
    EXPECT_EQ(lowerHeight - 40, Height(lower.GetSafeHwnd()));
    EXPECT_EQ(lowerBefore.bottom, WindowRect(lower.GetSafeHwnd()).bottom);

    // Far beyond: the lower bar stops at its minimum, the upper takes the rest.
    edge = EdgePoint(upper, HTBOTTOM);
    ASSERT_TRUE(MouseScript().Drag(edge, {edge.x, lowerBefore.bottom + 100}).Play());
    EXPECT_EQ(lower.m_szMinVert.cy, Height(lower.GetSafeHwnd()));
    EXPECT_EQ(upperHeight + lowerHeight - lower.m_szMinVert.cy, Height(upper.GetSafeHwnd()));
}

TEST_F(SizingControlBarTest, TheInnerEdgeChangesTheThicknessOfTheWholeColumn)
{
    int width = Width(upper.GetSafeHwnd());
    RECT viewBefore = WindowRect(view.GetSafeHwnd());
    POINT edge = EdgePoint(upper, HTRIGHT);
    ASSERT_TRUE(MouseScript().Drag(edge, {edge.x + 30, edge.y}).Play());
    EXPECT_EQ(width + 30, Width(upper.GetSafeHwnd()));
    EXPECT_EQ(width + 30, Width(lower.GetSafeHwnd()));
    EXPECT_EQ(viewBefore.left + 30, WindowRect(view.GetSafeHwnd()).left);
}

TEST_F(SizingControlBarTest, TheCloseButtonHidesTheBarAndTheOtherTakesTheColumn)
{
    RECT client;
    GetClientRect(frame.GetSafeHwnd(), &client);
    POINT close = InWindowToScreen(upper, upper.CloseButtonRect());
    ASSERT_EQ(HTCLOSE, SendMessageW(upper.GetSafeHwnd(), WM_NCHITTEST, 0, MAKELPARAM(close.x, close.y)));
    ASSERT_TRUE(MouseScript().Click(close).Play());
    EXPECT_TRUE(PumpUntil([&] { return !upper.IsVisible(); }));
    EXPECT_EQ(client.bottom, Height(lower.GetSafeHwnd()));
}

TEST_F(SizingControlBarTest, DraggingTheCaptionFloatsTheBarInACaptionlessFrameThatKeepsItsMinimum)
{
    RECT client = WindowRect(view.GetSafeHwnd());
    POINT caption = InWindowToScreen(upper, upper.CaptionRect());
    ASSERT_TRUE(MouseScript().Drag(caption, Center(client)).Play());
    ASSERT_TRUE(upper.IsFloating());
    HWND mini = GetParent(GetParent(upper.GetSafeHwnd()));
    EXPECT_TRUE(IsWindowVisible(mini));
    EXPECT_FALSE(GetWindowLongW(mini, GWL_STYLE) & WS_CAPTION);
    // Its system menu's Close item hides the bar, and says so.
    wchar_t close[32] = {};
    GetMenuStringW(GetSystemMenu(mini, FALSE), SC_CLOSE, close, 32, MF_BYCOMMAND);
    EXPECT_STREQ(L"Hide", close);
    // The lower bar now fills the column alone.
    RECT frameClient;
    GetClientRect(frame.GetSafeHwnd(), &frameClient);
    EXPECT_EQ(frameClient.bottom, Height(lower.GetSafeHwnd()));

    MINMAXINFO limits = {};
    SendMessageW(mini, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    RECT smallest = {0, 0, upper.m_szMinFloat.cx - 4, upper.m_szMinFloat.cy - 4};
    AdjustWindowRectEx(&smallest, WS_POPUP | WS_THICKFRAME, FALSE, WS_EX_TOOLWINDOW);
    EXPECT_EQ(smallest.right - smallest.left, limits.ptMinTrackSize.x);
    EXPECT_EQ(smallest.bottom - smallest.top, limits.ptMinTrackSize.y);

    // Sizing the frame sets the floating size; its caption carries it back to the left.
    SetWindowPos(mini, nullptr, 0, 0, 260, 180, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT inside;
    GetClientRect(mini, &inside);
    EXPECT_EQ(inside.right + 4, upper.m_szFloat.cx);
    caption = InWindowToScreen(upper, upper.CaptionRect());
    MapWindowPoints(frame.GetSafeHwnd(), nullptr, reinterpret_cast<POINT*>(&frameClient), 2);
    ASSERT_TRUE(MouseScript().Drag(caption, {frameClient.left + 4, Center(client).y}).Play());
    EXPECT_EQ(frame.GetDockBar(AFX_IDW_DOCKBAR_LEFT), upper.GetDockBar());
}

TEST_F(SizingControlBarTest, StoredSizesLoadAtLeastAsTheirMinimumAndMissingOnesKeepTheCurrentSize)
{
    CString section;
    section.Format(L"%s-SCBar-%d", kProfileName, kUpperId);
    AppWriteProfileInt(section, L"sizeHorzCY", 10);
    AppWriteProfileInt(section, L"sizeVertCX", 150);
    upper.m_szHorz = {120, 90};
    upper.LoadState(kProfileName);
    EXPECT_EQ(32, upper.m_szHorz.cy);  // below the minimum height of a row
    EXPECT_EQ(120, upper.m_szHorz.cx); // not stored
    EXPECT_EQ(150, upper.m_szVert.cx);

    upper.m_szFloat = {333, 222};
    upper.SaveState(kProfileName);
    EXPECT_EQ(333, AppGetProfileInt(section, L"sizeFloatCX", 0));
    EXPECT_EQ(222, AppGetProfileInt(section, L"sizeFloatCY", 0));
}

TEST_F(SizingControlBarTest, LoadingMovesTheFloatingRecordOfTheBarDownByTheCaptionItLoses)
{
    CDockState state;
    CControlBarInfo floating;
    floating.m_nBarID = kUpperId + CControlBarInfo::kFloatingDockBarFlag;
    floating.m_bFloating = true;
    floating.m_pointPos = {100, 100};
    floating.m_arrBarID = {kUpperId};
    CControlBarInfo other = floating;
    other.m_nBarID = kLowerId + CControlBarInfo::kFloatingDockBarFlag;
    other.m_arrBarID = {kLowerId};
    state.m_arrBarInfo = {floating, other};
    state.SaveState(kProfileName);

    CSizingControlBar::GlobalLoadState(&frame, kProfileName);
    state.LoadState(kProfileName);
    ASSERT_EQ(2u, state.m_arrBarInfo.size());
    for (const CControlBarInfo& info : state.m_arrBarInfo)
    {
        EXPECT_EQ(101, info.m_pointPos.x);
        EXPECT_EQ(100 + GetSystemMetrics(SM_CYSMCAPTION) + 1, info.m_pointPos.y);
    }
}

TEST_F(SizingControlBarTest, TheFramesBarStateComesBackOnlyWhenItNamesNoUnknownBar)
{
    frame.FloatControlBar(&upper, {300, 250});
    const RECT floating = WindowRect(upper.GetSafeHwnd());
    lower.m_szVert.cx = 150;
    AppSaveFrameBarState(frame, kProfileName);
    CString upperSection;
    upperSection.Format(L"%s-SCBar-%d", kProfileName, kUpperId);
    AppWriteProfileInt(upperSection, L"sizeHorzCY", 10);

    SizingFrame again;
    ASSERT_TRUE(again.Create());
    ASSERT_TRUE(AppLoadFrameBarState(again.frame, kProfileName));
    EXPECT_TRUE(again.upper.IsFloating());
    // The floating bar keeps its size: its frame is not made larger on every load.
    RECT restored = WindowRect(again.upper.GetSafeHwnd());
    EXPECT_EQ(floating.right - floating.left, restored.right - restored.left);
    EXPECT_EQ(floating.bottom - floating.top, restored.bottom - restored.top);
    EXPECT_EQ(32, again.upper.m_szHorz.cy); // a stored row height of 10 loads as the minimum
    EXPECT_EQ(150, again.lower.m_szVert.cx);
    EXPECT_EQ(again.frame.GetDockBar(AFX_IDW_DOCKBAR_LEFT), again.lower.GetDockBar());

    // A record of a bar no frame has: nothing loads, every bar keeps its default.
    CDockState state;
    state.LoadState(kProfileName);
    CControlBarInfo unknown;
    unknown.m_nBarID = 4321;
    state.m_arrBarInfo.push_back(unknown);
    state.SaveState(kProfileName);
    SizingFrame fresh;
    ASSERT_TRUE(fresh.Create());
    EXPECT_FALSE(AppLoadFrameBarState(fresh.frame, kProfileName));
    EXPECT_FALSE(fresh.upper.IsFloating());
    EXPECT_EQ(200, fresh.lower.m_szVert.cx);
    EXPECT_EQ(200, fresh.upper.m_szHorz.cy);
}
