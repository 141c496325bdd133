#include "common/CWndTransparent.h"
#include "framework/AppMessageLoop.h"
#include <gtest/gtest.h>

namespace
{
const RECT kParked = {5, 5, 10, 10};

RECT FullRect()
{
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    InflateRect(&desktop, 1, 1);
    return desktop;
}

bool HasWindowRect(HWND window, const RECT& expected)
{
    RECT rect = {};
    return GetWindowRect(window, &rect) && EqualRect(&rect, &expected);
}

// Whether some window of the thread holds the update lock: a second lock is refused.
bool UpdatesLocked(HWND other)
{
    if (!LockWindowUpdate(other))
        return true;
    LockWindowUpdate(nullptr);
    return false;
}

class CWndTransparentTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, other);
    }
    void TearDown() override
    {
        LockWindowUpdate(nullptr);
        DestroyWindow(other);
    }

    HWND other = nullptr;
};
} // namespace

TEST_F(CWndTransparentTest, ConstructionAloneMakesNoWindow)
{
    CWndTransparent overlay;
    EXPECT_EQ(nullptr, overlay.GetSafeHwnd());
}

TEST_F(CWndTransparentTest, CreatedHiddenAtTheParkedSpotWithAClassThatNeverPaints)
{
    CWndTransparent overlay;
    overlay.Create(false);
    HWND window = overlay.GetSafeHwnd();
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(&overlay, CWnd::FromHandle(window));
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(HasWindowRect(window, kParked));

    wchar_t title[32] = {};
    GetWindowTextW(window, title, 32);
    EXPECT_STREQ(L"Vellumor", title);
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    EXPECT_EQ(static_cast<DWORD>(WS_POPUP | WS_BORDER | 0x28), style & ~static_cast<DWORD>(WS_CLIPSIBLINGS));
    EXPECT_EQ(0, GetWindowLongPtrW(window, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_WINDOWEDGE));
    EXPECT_EQ(0, GetClassLongPtrW(window, GCLP_HBRBACKGROUND));
    EXPECT_EQ(0, GetClassLongPtrW(window, GCLP_HCURSOR));
    EXPECT_EQ(0, GetClassLongPtrW(window, GCLP_HICON));
    EXPECT_EQ(0, GetClassLongPtrW(window, GCL_STYLE));
}

TEST_F(CWndTransparentTest, CreatedShownCoversTheDesktopWithoutTakingTheLock)
{
    CWndTransparent overlay;
    overlay.Create(true);
    HWND window = overlay.GetSafeHwnd();
    ASSERT_NE(nullptr, window);
    EXPECT_TRUE(IsWindowVisible(window));
    RECT full = FullRect();
    EXPECT_TRUE(HasWindowRect(window, full));
    EXPECT_FALSE(UpdatesLocked(other));
}

TEST_F(CWndTransparentTest, ShowCoversTheDesktopInFrontWithTheLockAndHideParksAndUnlocks)
{
    CWndTransparent overlay;
    overlay.Create(false);
    HWND window = overlay.GetSafeHwnd();
    ASSERT_NE(nullptr, window);
    const RECT full = FullRect();

    EXPECT_TRUE(overlay.Show(true));
    AppPumpWaiting();
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(HasWindowRect(window, full));
    EXPECT_EQ(window, GetForegroundWindow());
    EXPECT_TRUE(UpdatesLocked(other));

    // A second show leaves it where it is and the lock held.
    overlay.Show(true);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(HasWindowRect(window, full));
    EXPECT_TRUE(UpdatesLocked(other));

    for (int round = 0; round < 2; ++round)
    {
        SCOPED_TRACE(round);
        EXPECT_TRUE(overlay.Show(false));
        EXPECT_FALSE(IsWindowVisible(window));
        EXPECT_TRUE(HasWindowRect(window, kParked));
        EXPECT_FALSE(UpdatesLocked(other));
    }
}

TEST_F(CWndTransparentTest, HidingLiftsALockTakenByAnotherWindow)
{
    CWndTransparent overlay;
    overlay.Create(false);
    ASSERT_TRUE(LockWindowUpdate(other));
    EXPECT_TRUE(overlay.Show(false));
    EXPECT_FALSE(UpdatesLocked(other));
}

TEST_F(CWndTransparentTest, ShownOverlayNeverErasesWhatLiesBeneath)
{
    CWndTransparent overlay;
    overlay.Create(false);
    overlay.Show(true);
    LockWindowUpdate(nullptr);

    // A device context showing a picture keeps it when the overlay is asked to erase.
    const COLORREF picture = RGB(200, 40, 120);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 8, 8);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    HBRUSH brush = CreateSolidBrush(picture);
    RECT all = {0, 0, 8, 8};
    FillRect(memory, &all, brush);
    DeleteObject(brush);

    EXPECT_EQ(0, SendMessageW(overlay.GetSafeHwnd(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0));
    EXPECT_EQ(picture, GetPixel(memory, 4, 4));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    overlay.Show(false);
}

TEST_F(CWndTransparentTest, DestroyingTheObjectDestroysItsWindow)
{
    HWND window = nullptr;
    {
        CWndTransparent overlay;
        overlay.Create(true);
        window = overlay.GetSafeHwnd();
        ASSERT_TRUE(IsWindow(window));
    }
    EXPECT_FALSE(IsWindow(window));
}
