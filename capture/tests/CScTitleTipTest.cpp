#include "capture/selection/CScTitleTip.h"

#include "capture/tests/SelectionTestSupport.h"
#include "testing/CStringPrinter.h"

#include <gtest/gtest.h>

using namespace selection_test;

namespace
{
const RECT kTipRect{300, 200, 500, 224};

// Dispatches the thread's messages for ms and counts the WM_PAINT messages of window.
int CountPaints(HWND window, DWORD ms)
{
    int paints = 0;
    PumpFor(ms, [&](const MSG& message) {
        if (message.message == WM_PAINT && message.hwnd == window)
            ++paints;
    });
    return paints;
}

// The number of red pixels of the screen inside rect.
int RedPixels(const RECT& rect)
{
    HDC screen = GetDC(nullptr);
    int red = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            red += GetPixel(screen, x, y) == RGB(255, 0, 0);
    ReleaseDC(nullptr, screen);
    return red;
}

class OwnerWindow : public CWnd
{
public:
    OwnerWindow() { CreateEx(0, AppRegisterWndClass(0), L"", WS_POPUP, RECT{0, 0, 10, 10}, nullptr, 0); }
};
} // namespace

TEST(CScTitleTipTest, ShowPaintsTheTextInRedOnTopAndHidesAfterItsDelay)
{
    OwnerWindow owner;
    CScTitleTip shown;
    ASSERT_TRUE(shown.Create(&owner));
    wchar_t className[32] = {};
    GetClassNameW(shown, className, 32);
    EXPECT_STREQ(L"ZScTitleTip", className);
    EXPECT_FALSE(IsWindowVisible(shown));
    EXPECT_EQ(owner.GetSafeHwnd(), GetWindow(shown, GW_OWNER));

    CScTitleTip moved;
    ASSERT_TRUE(moved.Create(nullptr));
    moved.MoveTo(RECT{300, 300, 500, 324}, L"640 x 480");

    shown.Show(kTipRect, L"The screen capture was saved.");
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(shown) && RedPixels(kTipRect) > 20; }));
    EXPECT_TRUE(shown.IsShown());
    EXPECT_EQ(CString(L"The screen capture was saved."), shown.GetText());
    EXPECT_TRUE(GetWindowLongW(shown, GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT placed;
    GetWindowRect(shown, &placed);
    EXPECT_TRUE(EqualRect(&kTipRect, &placed));

    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(shown); }, 5000));
    EXPECT_FALSE(shown.IsShown());
    EXPECT_TRUE(IsWindowVisible(moved)); // a tip placed with MoveTo stays
}

TEST(CScTitleTipTest, ASizeLabelIsPaintedOnceAndOnlyAgainForNewText)
{
    CScTitleTip label;
    ASSERT_TRUE(label.Create(nullptr));
    label.MoveTo(kTipRect, L"200 x 100");
    EXPECT_LE(CountPaints(label, 500), 2); // never validated, WM_PAINT would come back at once

    label.MoveTo(kTipRect, L"200 x 100");
    EXPECT_EQ(0, CountPaints(label, 200));
    label.SetText(L"210 x 100");
    EXPECT_EQ(1, CountPaints(label, 200));
    EXPECT_EQ(CString(L"210 x 100"), label.GetText());
}
