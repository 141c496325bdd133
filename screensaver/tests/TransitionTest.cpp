// The memory DC's pixel transitions: their order, and the copy on real DCs.
#include "common/CMemoryDC.h"
#include "testing/TestCanvas.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <thread>

namespace
{
std::string Order(int code, const RECT& rect)
{
    std::string order;
    CMemoryDC::VisitTransition(code, rect, [&](int x, int y) {
        order += std::to_string(x) + std::to_string(y) + " ";
        return true;
    });
    return order;
}

// A canvas of one colour.
class Canvas : public TestCanvas
{
public:
    Canvas(int width, int height, COLORREF colour) : TestCanvas(width, height) { Fill({0, 0, width, height}, colour); }
};

const COLORREF kPicture = RGB(10, 200, 30);
const COLORREF kBlank = RGB(255, 255, 255);

int CountColour(HDC dc, const RECT& rect, COLORREF colour)
{
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            count += GetPixel(dc, x, y) == colour;
    return count;
}
} // namespace

TEST(Transition, EachCodeVisitsThePixelsInItsOrder)
{
    struct Case
    {
        int code;
        RECT rect;
        const char* order;
    };
    const Case cases[] = {
        {1, {0, 0, 3, 2}, "00 01 10 11 20 21 "},
        {2, {0, 0, 3, 2}, "21 20 11 10 01 00 "},
        {3, {0, 0, 3, 2}, "00 10 20 01 11 21 "},
        {4, {0, 0, 3, 2}, "21 11 01 20 10 00 "},
        // Odd widths start at the middle column, even ones at the middle pair.
        {5, {0, 0, 3, 2}, "10 11 00 01 20 21 "},
        {5, {0, 0, 4, 1}, "10 20 00 30 "},
        {6, {0, 0, 3, 2}, "00 01 20 21 10 11 "},
        {7, {0, 0, 2, 3}, "01 11 00 10 02 12 "},
        {8, {0, 0, 2, 3}, "00 10 02 12 01 11 "},
        {9, {0, 0, 3, 3}, "11 00 10 20 21 22 12 02 01 "},
        {10, {0, 0, 3, 3}, "00 10 20 21 22 12 02 01 11 "},
        {10, {1, 1, 4, 2}, "11 21 31 "},
        {9, {0, 0, 4, 4}, "11 21 22 12 00 10 20 30 31 32 33 23 13 03 02 01 "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.order, Order(c.code, c.rect)) << "code " << c.code;
}

TEST(Transition, EveryCodeVisitsEachPixelOnceForAnySize)
{
    for (int code = 1; code <= 10; ++code)
        for (int width = 1; width <= 7; ++width)
            for (int height = 1; height <= 6; ++height)
            {
                std::multiset<std::pair<int, int>> seen;
                CMemoryDC::VisitTransition(code, {2, 3, 2 + width, 3 + height}, [&](int x, int y) {
                    seen.insert({x, y});
                    return true;
                });
                std::set<std::pair<int, int>> unique(seen.begin(), seen.end());
                ASSERT_EQ(size_t(width * height), seen.size()) << code << " " << width << "x" << height;
                ASSERT_EQ(seen.size(), unique.size()) << code << " " << width << "x" << height;
                ASSERT_EQ(std::make_pair(2, 3), *unique.begin());
                ASSERT_EQ(std::make_pair(1 + width, 2 + height), *unique.rbegin());
            }
}

TEST(Transition, CopiesTheRectangleClippedToTheMemoryDC)
{
    Canvas screen(40, 30, kPicture);
    CMemoryDC memory;
    ASSERT_TRUE(memory.CreateCopyOf(screen.dc(), 40, 30));
    struct Case
    {
        int code;
        RECT rect;
        RECT copied;
    };
    const Case cases[] = {
        {9, {5, 5, 16, 12}, {5, 5, 16, 12}},
        {2, {30, 20, 60, 50}, {30, 20, 40, 30}}, // cut at the memory DC's extent
        {3, {100, 100, 120, 120}, {0, 0, 40, 30}}, // nothing in common: the whole extent
        {0, {1, 2, 7, 9}, {1, 2, 7, 9}},           // no transition: copied at once
    };
    for (const Case& c : cases)
    {
        Canvas target(50, 40, kBlank);
        memory.RunTransition(c.code, target.dc(), c.rect);
        const int area = (c.copied.right - c.copied.left) * (c.copied.bottom - c.copied.top);
        EXPECT_EQ(area, CountColour(target.dc(), c.copied, kPicture)) << c.code;
        EXPECT_EQ(area, CountColour(target.dc(), {0, 0, 50, 40}, kPicture)) << c.code;
        EXPECT_FALSE(memory.IsBusy());
    }
}

TEST(Transition, AStopRequestEndsTheRunningTransitionAtOnce)
{
    Canvas screen(600, 400, kPicture);
    Canvas target(600, 400, kBlank);
    CMemoryDC memory;
    ASSERT_TRUE(memory.CreateCopyOf(screen.dc(), 600, 400));
    std::thread worker([&] { memory.RunTransition(1, target.dc(), {0, 0, 600, 400}); });
    while (!memory.IsBusy())
        Sleep(0);
    memory.RequestStop();
    worker.join();
    EXPECT_FALSE(memory.IsBusy());
    EXPECT_EQ(kBlank, GetPixel(target.dc(), 599, 399));
    EXPECT_EQ(kPicture, GetPixel(target.dc(), 0, 0));
}
