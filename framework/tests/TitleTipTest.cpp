#include "framework/AppWindowText.h"
#include "framework/CTtListCtrl.h"
#include "ControlsTestSupport.h"
#include "testing/CStringPrinter.h"
#include "testing/TestPump.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace
{
const wchar_t kLongText[] = L"A rather long text that the narrow first column cuts off";

class TitleTipTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const RECT rect = {10, 10, 410, 210};
        ASSERT_TRUE(m_list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, rect, m_host, 100));
        m_list.InsertColumn(0, L"Cut", LVCFMT_LEFT, 80);
        m_list.InsertColumn(1, L"Fits", LVCFMT_LEFT, 250);
        m_list.InsertItem(0, kLongText);
        m_list.SetItemText(0, 1, L"short");
        m_list.InsertItem(1, L"second");
        SetFocus(m_list);
        // The cursor starts away from the list, so only a test's own moves show tips.
        MoveMouseTo(POINT{GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5});
    }
    // The middle of a cell, in the list's client coordinates.
    POINT CellPoint(int row, int column)
    {
        RECT cell = {LVIR_BOUNDS};
        cell.top = column;
        SendMessageW(m_list, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
        return POINT{cell.left + 20, (cell.top + cell.bottom) / 2};
    }
    POINT OnScreen(POINT point)
    {
        ClientToScreen(m_list, &point);
        return point;
    }
    bool TipShown() { return IsWindowVisible(m_list.GetTitleTip()); }
    CString TipText() { return AppGetWindowText(m_list.GetTitleTip()); }

    ControlHost m_host;
    CTtListCtrl m_list;
};
} // namespace

TEST_F(TitleTipTest, OnlyCutTextShowsATip)
{
    ASSERT_TRUE(MoveMouseTo(OnScreen(CellPoint(0, 0))));
    ASSERT_TRUE(TipShown());
    EXPECT_EQ(CString(L" ") + kLongText, TipText());
    RECT tip = {}, list = {};
    GetWindowRect(m_list.GetTitleTip(), &tip);
    GetWindowRect(m_list, &list);
    EXPECT_GT(tip.right - tip.left, 80);

    // Out of the cell: the tip goes and the fitting cell shows none.
    ASSERT_TRUE(MoveMouseTo(OnScreen(CellPoint(0, 1))));
    PumpFor(50);
    EXPECT_FALSE(TipShown());
    EXPECT_EQ(nullptr, GetCapture());
}

TEST_F(TitleTipTest, NoTipWhileAButtonIsHeld)
{
    const POINT point = CellPoint(0, 0);
    SendMessageW(m_list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    EXPECT_FALSE(TipShown());
    SendMessageW(m_list, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
    EXPECT_TRUE(TipShown());
    m_list.GetTitleTip().Hide();
    ReleaseCapture();
}

TEST_F(TitleTipTest, DoubleClickOnTheTipReachesTheList)
{
    const POINT point = OnScreen(CellPoint(0, 0));
    ASSERT_TRUE(MoveMouseTo(point));
    ASSERT_TRUE(TipShown());
    ASSERT_TRUE(ClickAt(point));
    PumpUntil([&] { return m_list.GetNextItem(-1, LVNI_SELECTED) == 0; });
    EXPECT_EQ(0, m_list.GetNextItem(-1, LVNI_SELECTED)) << "The press reached the row under the tip.";
    ASSERT_TRUE(MoveMouseTo(POINT{point.x + 1, point.y}));
    ASSERT_TRUE(TipShown()) << "The next move shows the tip again.";
    ASSERT_TRUE(ClickAt(POINT{point.x + 1, point.y}));
    EXPECT_TRUE(PumpUntil([&] {
        return std::count(m_host.notifications.begin(), m_host.notifications.end(), static_cast<UINT>(NM_DBLCLK)) > 0;
    }));
}

// A quick double click on a cut-off cell: the first press hides the tip, so the second
// goes to the list itself, and the two still make a double click. Two presses further
// apart than the double-click time stay two clicks.
TEST_F(TitleTipTest, DoubleClickSplitBetweenTipAndListStillOpensTheRow)
{
    const POINT point = OnScreen(CellPoint(0, 0));
    const INPUT click[2] = {MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)};
    for (const DWORD pause : {0u, GetDoubleClickTime() + 200})
    {
        m_host.notifications.clear();
        ASSERT_TRUE(MoveMouseTo(point));
        ASSERT_TRUE(TipShown());
        if (pause == 0)
        {
            const INPUT twice[4] = {click[0], click[1], click[0], click[1]};
            ASSERT_TRUE(SendInputSettled(twice, 4));
        }
        else
        {
            ASSERT_TRUE(SendInputSettled(click, 2));
            PumpFor(pause);
            ASSERT_TRUE(SendInputSettled(click, 2));
        }
        const auto count = [&](int code) {
            return std::count(m_host.notifications.begin(), m_host.notifications.end(), static_cast<UINT>(code));
        };
        PumpUntil([&] { return count(NM_CLICK) == (pause == 0 ? 1 : 2); });
        EXPECT_EQ(pause == 0 ? 1 : 0, count(NM_DBLCLK)) << "pause " << pause;
        EXPECT_EQ(pause == 0 ? 1 : 2, count(NM_CLICK)) << "pause " << pause;
        MoveMouseTo(POINT{GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5});
        PumpFor(50);
    }
}

TEST_F(TitleTipTest, TipStaysOnTheScreenAndCutsTextWiderThanIt)
{
    CTitleTip& tip = m_list.GetTitleTip();
    const int screen = GetSystemMetrics(SM_CXSCREEN);
    // A cell whose tip would pass the right screen edge by far.
    POINT origin = {0, 0};
    ClientToScreen(m_list, &origin);
    const RECT cell = {screen - 60 - origin.x, 30, screen - 20 - origin.x, 46};
    tip.Show(cell, kLongText);
    ASSERT_TRUE(TipShown());
    RECT placed = {};
    GetWindowRect(tip, &placed);
    EXPECT_EQ(screen, placed.right);
    const int moved = placed.left - (cell.left + origin.x);
    EXPECT_LT(moved, 0);
    EXPECT_EQ(-1 - moved, tip.GetHoverRect().left) << "The hover area still covers the cell.";
    EXPECT_EQ(cell.right - cell.left - moved, tip.GetHoverRect().right);
    tip.Hide();
    ReleaseCapture();

    const CString wide(L'W', 2000);
    tip.Show(RECT{0, 0, 50, 16}, wide);
    GetWindowRect(tip, &placed);
    EXPECT_LE(placed.right - placed.left, screen);
    EXPECT_EQ(CString(L"..."), TipText().Right(3));
    EXPECT_LT(TipText().GetLength(), 2000);
    tip.Hide();
    ReleaseCapture();
}

TEST_F(TitleTipTest, TimedTipShowsFittingTextAndANewTipReplacesIt)
{
    CTitleTip& tip = m_list.GetTitleTip();
    tip.SetHideDelay(100);
    tip.Show(RECT{0, 0, 300, 16}, L"fits", 0, 0, true);
    EXPECT_TRUE(TipShown());
    EXPECT_EQ(nullptr, GetCapture()) << "A timed tip leaves the mouse alone.";
    tip.Show(RECT{0, 0, 300, 16}, L"fits too", 0, 0, true);
    EXPECT_EQ(CString(L" fits too"), TipText());
    EXPECT_TRUE(PumpUntil([&] { return !TipShown(); }));
    EXPECT_FALSE(tip.IsTimed());

    tip.ShowLines(RECT{0, 0, 10, 10}, L"first line\nsecond line", 2, 1, true);
    EXPECT_TRUE(TipShown());
    EXPECT_EQ(CString(L"first line\nsecond line"), TipText());
    EXPECT_TRUE(PumpUntil([&] { return !TipShown(); }));
}
