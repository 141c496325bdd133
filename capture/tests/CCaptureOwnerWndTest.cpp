#include "capture/selection/CCaptureOwnerWnd.h"

#include "capture/destinations/CImageDestinations.h"
#include "capture/tests/CaptureTestSupport.h"
#include "framework/AppMainWnd.h"

#include <gtest/gtest.h>

using namespace capture_test;
using screen_test::ColourWindow;

TEST(CCaptureOwnerWndTest, OwnsTheClipboardDataOfTheSetAndStepsBackWhenItGoes)
{
    ColourWindow window(kPaintRect, kPaint);
    ASSERT_TRUE(window.IsShown());
    ASSERT_EQ(nullptr, AppGetMainWnd());
    InfoScSettings saved;
    saved.LoadFromRegistry();
    {
        CCaptureOwnerWnd owner;
        ASSERT_TRUE(owner.Create());
        EXPECT_EQ(owner.GetSafeHwnd(), AppGetMainWnd());
        EXPECT_FALSE(IsWindowVisible(owner));

        CImageDestinations set;
        set.GetSettings().Clear();
        set.GetSettings().SetSelection(SP_SC_CLIPBOARD, true);
        set.UseInfo(InfoScClipboard(FT_DIB, false, 0, 1));
        ASSERT_EQ(DR_DONE, set.ProcessWindow(window.Handle()));
        ASSERT_EQ(DR_DONE, set.ProcessAgain()) << set.GetErrorText().ToAnsi();
        EXPECT_EQ(owner.GetSafeHwnd(), GetClipboardOwner());
        EXPECT_TRUE(IsClipboardFormatAvailable(CF_DIB));
    }
    EXPECT_EQ(nullptr, AppGetMainWnd());
    saved.SaveToRegistry(0);
}

TEST(CCaptureOwnerWndTest, AMainWindowAlreadySetIsKept)
{
    HWND main = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    AppSetMainWnd(main);
    {
        CCaptureOwnerWnd owner;
        ASSERT_TRUE(owner.Create());
        EXPECT_EQ(main, AppGetMainWnd());
        ASSERT_TRUE(owner.DestroyWindow());
        EXPECT_EQ(main, AppGetMainWnd());
    }
    EXPECT_EQ(main, AppGetMainWnd());
    AppSetMainWnd(nullptr);
    DestroyWindow(main);
}
