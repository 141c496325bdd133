#include "common/CChildControlPlacement.h"
#include <gtest/gtest.h>

namespace
{
struct AnchorCase
{
    const char* name;
    bool left, top, right, bottom;
    int dx, dy, dWidth, dHeight; // the control's change when the client grows by (kGrowX, kGrowY)
};

const int kGrowX = 100;
const int kGrowY = 60;
const int kControlId = 1001;

class CChildControlPlacementTest : public ::testing::TestWithParam<AnchorCase>
{
protected:
    void SetUp() override
    {
        m_parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        m_control = CreateWindowExW(0, L"BUTTON", L"Anchored", WS_CHILD | WS_VISIBLE, 50, 40, 120, 30, m_parent,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlId)),
                                    GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(nullptr, m_control);
    }
    void TearDown() override { DestroyWindow(m_parent); }

    RECT ControlRect() const
    {
        RECT rect;
        GetWindowRect(m_control, &rect);
        MapWindowPoints(nullptr, m_parent, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    // Grows the parent as a user would and repositions as its WM_SIZE would.
    void Grow(CChildControlPlacement& placement)
    {
        RECT window;
        GetWindowRect(m_parent, &window);
        SetWindowPos(m_parent, nullptr, 0, 0, window.right - window.left + kGrowX, window.bottom - window.top + kGrowY,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT client;
        GetClientRect(m_parent, &client);
        placement.Reposition(m_parent, client.right, client.bottom);
    }

    HWND m_parent = nullptr;
    HWND m_control = nullptr;
};
} // namespace

TEST_P(CChildControlPlacementTest, KeepsTheDistancesToTheAnchoredEdges)
{
    const AnchorCase& c = GetParam();
    CChildControlPlacement placement;
    placement.Init(m_parent, kControlId, c.left, c.top, c.right, c.bottom);
    RECT before = ControlRect();
    Grow(placement);
    RECT after = ControlRect();
    EXPECT_EQ(c.dx, after.left - before.left);
    EXPECT_EQ(c.dy, after.top - before.top);
    EXPECT_EQ(c.dWidth, (after.right - after.left) - (before.right - before.left));
    EXPECT_EQ(c.dHeight, (after.bottom - after.top) - (before.bottom - before.top));
}

INSTANTIATE_TEST_SUITE_P(Anchors, CChildControlPlacementTest,
                         ::testing::Values(AnchorCase{"LeftAndRightStretch", true, true, true, false, 0, 0, kGrowX, 0},
                                           AnchorCase{"RightOnlyFollows", false, true, true, false, kGrowX, 0, 0, 0},
                                           AnchorCase{"BottomOnlyFollows", true, false, false, true, 0, kGrowY, 0, 0},
                                           AnchorCase{"AllEdgesStretchBothWays", true, true, true, true, 0, 0, kGrowX,
                                                      kGrowY},
                                           AnchorCase{"TopLeftStays", true, true, false, false, 0, 0, 0, 0},
                                           AnchorCase{"NoEdgeKeepsItsPlace", false, false, false, false, 0, 0, 0, 0}),
                         [](const ::testing::TestParamInfo<AnchorCase>& info) { return std::string(info.param.name); });
