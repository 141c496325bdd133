#include "common/CMemoryDC.h"
#include "framework/AppMessageLoop.h"
#include "testing/CStringPrinter.h"
#include "testing/TestCanvas.h"
#include <gtest/gtest.h>
#include <cstdlib>

namespace
{
// A screen-sized canvas stands in for the screen: four quadrants of known colours.
using Canvas = TestCanvas;

const COLORREF kTopLeft = RGB(200, 40, 0);
const COLORREF kTopRight = RGB(0, 250, 100);
const COLORREF kBottom = RGB(60, 120, 240);
const COLORREF kWhite = RGB(255, 255, 255);

COLORREF Dimmed(COLORREF color, int alpha)
{
    return RGB(GetRValue(color) * alpha / 255, GetGValue(color) * alpha / 255, GetBValue(color) * alpha / 255);
}

// Equal within one step per channel: blending rounds.
::testing::AssertionResult Near(COLORREF expected, COLORREF actual)
{
    if (std::abs(GetRValue(expected) - GetRValue(actual)) <= 1 &&
        std::abs(GetGValue(expected) - GetGValue(actual)) <= 1 &&
        std::abs(GetBValue(expected) - GetBValue(actual)) <= 1)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::hex << "expected 0x" << expected << ", got 0x" << actual;
}

class CMemoryDCTest : public ::testing::Test
{
protected:
    CMemoryDCTest()
        : width(GetSystemMetrics(SM_CXSCREEN)), height(GetSystemMetrics(SM_CYSCREEN)), screen(width, height),
          target(width, height)
    {
        screen.Fill(RECT{0, 0, width / 2, height / 2}, kTopLeft);
        screen.Fill(RECT{width / 2, 0, width, height / 2}, kTopRight);
        screen.Fill(RECT{0, height / 2, width, height}, kBottom);
        target.Fill(RECT{0, 0, width, height}, kWhite);
    }

    const int width;
    const int height;
    Canvas screen;
    Canvas target;
};
} // namespace

TEST(CMemoryDC, BeforeASnapshotThereIsNothingToBlendOrCopy)
{
    CMemoryDC memory;
    EXPECT_EQ(RGB(32, 147, 159), memory.GetFillColor());
    EXPECT_FALSE(memory.CreateBlendCopy(128));
    EXPECT_EQ(nullptr, memory.GetBlendDC());
    EXPECT_EQ(nullptr, memory.GetBlendBitmap());
    EXPECT_FALSE(memory.FillBackground());

    Canvas target(8, 8);
    HRGN region = CreateRectRgn(0, 0, 4, 4);
    EXPECT_FALSE(memory.CopyRegionTo(target.dc(), region, false));
    EXPECT_FALSE(memory.CopyTo(target.dc(), 0, 0, 4, 4));
    DeleteObject(region);
}

TEST_F(CMemoryDCTest, SnapshotAndDimmedCopy)
{
    CMemoryDC memory;
    ASSERT_TRUE(memory.CreateScreenSized(screen.dc(), 128));
    EXPECT_EQ(width, memory.GetWidth());
    EXPECT_EQ(height, memory.GetHeight());

    const POINT samples[] = {{0, 0}, {width / 2 - 1, 10}, {width / 2, 0}, {width - 1, height / 2 - 1}, {5, height - 1}};
    const COLORREF colors[] = {kTopLeft, kTopLeft, kTopRight, kTopRight, kBottom};
    for (int i = 0; i < 5; ++i)
    {
        EXPECT_EQ(colors[i], GetPixel(memory.GetMainDC(), samples[i].x, samples[i].y)) << i;
        EXPECT_TRUE(Near(Dimmed(colors[i], 128), GetPixel(memory.GetBlendDC(), samples[i].x, samples[i].y))) << i;
    }
}

TEST_F(CMemoryDCTest, FullAlphaGivesAnExactCopy)
{
    CMemoryDC memory;
    ASSERT_TRUE(memory.CreateScreenSized(screen.dc(), 255));
    EXPECT_EQ(kTopLeft, GetPixel(memory.GetBlendDC(), 1, 1));
    EXPECT_EQ(kTopRight, GetPixel(memory.GetBlendDC(), width - 2, 1));
    EXPECT_EQ(kBottom, GetPixel(memory.GetBlendDC(), 1, height - 2));

    ASSERT_TRUE(memory.CreateBlendCopy(0));
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(memory.GetBlendDC(), 1, 1));
}

TEST_F(CMemoryDCTest, FillBackgroundPaintsTheWholeSnapshot)
{
    CMemoryDC memory;
    ASSERT_TRUE(memory.CreateScreenSized(screen.dc(), 255));
    memory.SetFillColor(RGB(1, 2, 3));
    ASSERT_TRUE(memory.FillBackground());
    for (POINT p : {POINT{0, 0}, POINT{width - 1, 0}, POINT{width / 2, height / 2}, POINT{width - 1, height - 1}})
        EXPECT_EQ(RGB(1, 2, 3), GetPixel(memory.GetMainDC(), p.x, p.y));

    // A new bitmap starts out in the fill colour.
    memory.SetFillColor(RGB(32, 147, 159));
    ASSERT_TRUE(memory.CreateBitmap(screen.dc()));
    EXPECT_EQ(RGB(32, 147, 159), GetPixel(memory.GetMainDC(), width / 3, height / 3));
}

TEST_F(CMemoryDCTest, CopyToCopiesOneRectangleInPlace)
{
    CMemoryDC memory;
    ASSERT_TRUE(memory.CreateScreenSized(screen.dc(), 128));
    int x = width / 2 - 5;
    ASSERT_TRUE(memory.CopyTo(target.dc(), x, 20, 10, 30));
    EXPECT_EQ(kTopLeft, GetPixel(target.dc(), x, 20));
    EXPECT_EQ(kTopRight, GetPixel(target.dc(), x + 9, 49));
    EXPECT_EQ(kWhite, GetPixel(target.dc(), x - 1, 20));
    EXPECT_EQ(kWhite, GetPixel(target.dc(), x + 10, 20));
    EXPECT_EQ(kWhite, GetPixel(target.dc(), x, 50));
}

TEST_F(CMemoryDCTest, CopyRegionToCopiesEveryRectangleFromEitherCopy)
{
    CMemoryDC memory;
    ASSERT_TRUE(memory.CreateScreenSized(screen.dc(), 128));
    HRGN region = CreateRectRgn(10, 10, 30, 20);
    HRGN second = CreateRectRgn(width - 40, height - 30, width - 20, height - 10);
    CombineRgn(region, region, second, RGN_OR);

    ASSERT_TRUE(memory.CopyRegionTo(target.dc(), region, true));
    EXPECT_TRUE(Near(Dimmed(kTopLeft, 128), GetPixel(target.dc(), 10, 10)));
    EXPECT_TRUE(Near(Dimmed(kTopLeft, 128), GetPixel(target.dc(), 29, 19)));
    EXPECT_TRUE(Near(Dimmed(kBottom, 128), GetPixel(target.dc(), width - 40, height - 30)));
    EXPECT_EQ(kWhite, GetPixel(target.dc(), 30, 10));
    EXPECT_EQ(kWhite, GetPixel(target.dc(), 100, 100));

    ASSERT_TRUE(memory.CopyRegionTo(target.dc(), second, false));
    EXPECT_EQ(kBottom, GetPixel(target.dc(), width - 40, height - 30));
    EXPECT_TRUE(Near(Dimmed(kTopLeft, 128), GetPixel(target.dc(), 10, 10)));
    DeleteObject(second);
    DeleteObject(region);
}

TEST_F(CMemoryDCTest, AnEmptyRegionDrawsNothing)
{
    CMemoryDC memory;
    ASSERT_TRUE(memory.CreateScreenSized(screen.dc(), 255));
    HRGN empty = CreateRectRgn(0, 0, 0, 0);
    EXPECT_FALSE(memory.CopyRegionTo(target.dc(), empty, false));
    EXPECT_FALSE(memory.CopyRegionTo(target.dc(), empty, true));
    EXPECT_EQ(kWhite, GetPixel(target.dc(), 0, 0));
    DeleteObject(empty);
}

TEST_F(CMemoryDCTest, ASecondSnapshotReplacesEveryHandle)
{
    CMemoryDC memory;
    ASSERT_TRUE(memory.CreateScreenSized(screen.dc(), 128));
    const HGDIOBJ before[] = {memory.GetMainDC(), memory.GetBlendDC(), memory.GetMainBitmap(), memory.GetBlendBitmap(),
                              memory.GetFillBrush()};
    screen.Fill(RECT{0, 0, width, height}, kWhite);
    ASSERT_TRUE(memory.CreateScreenSized(screen.dc(), 128));
    const HGDIOBJ after[] = {memory.GetMainDC(), memory.GetBlendDC(), memory.GetMainBitmap(), memory.GetBlendBitmap(),
                             memory.GetFillBrush()};
    for (int i = 0; i < 5; ++i)
    {
        EXPECT_NE(0u, GetObjectType(after[i])) << i;
        EXPECT_NE(before[i], after[i]) << i;
        // The earlier handle is gone, not leaked.
        EXPECT_EQ(0u, GetObjectType(before[i])) << i;
    }
    EXPECT_EQ(kWhite, GetPixel(memory.GetMainDC(), 0, 0));
    EXPECT_TRUE(Near(Dimmed(kWhite, 128), GetPixel(memory.GetBlendDC(), 0, 0)));
}

TEST(CMemoryDC, SnapshotOfTheRealScreen)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = CreateSolidBrush(RGB(250, 0, 250));
    wc.lpszClassName = L"VellMemoryDCSource";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 50, 60, 200, 100,
                                  nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_TRUE(window);
    UpdateWindow(window);
    AppPumpWaiting();

    CMemoryDC memory;
    HDC display = GetDC(nullptr);
    ASSERT_TRUE(memory.CreateScreenSized(display, 100));
    ReleaseDC(nullptr, display);
    EXPECT_EQ(RGB(250, 0, 250), GetPixel(memory.GetMainDC(), 100, 100));
    EXPECT_TRUE(Near(Dimmed(RGB(250, 0, 250), 100), GetPixel(memory.GetBlendDC(), 100, 100)));

    DestroyWindow(window);
    UnregisterClassW(wc.lpszClassName, wc.hInstance);
    DeleteObject(wc.hbrBackground);
}
