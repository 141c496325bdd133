#include "screensaver/ScreenSaverLayout.h"

#include <gtest/gtest.h>
#include <set>

namespace
{
::testing::AssertionResult SameRect(const RECT& expected, const RECT& actual)
{
    if (EqualRect(&expected, &actual))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "expected " << expected.left << "," << expected.top << ","
                                         << expected.right << "," << expected.bottom << " got " << actual.left << ","
                                         << actual.top << "," << actual.right << "," << actual.bottom;
}
} // namespace

TEST(ScreenSaverLayout, PictureRectangleIsEvenAndCentredOrTakesTheWholeExtent)
{
    const RECT client = {0, 0, 1024, 768};
    EXPECT_TRUE(SameRect({361, 283, 663, 485}, PictureRect(client, 301, 201, true)));
    EXPECT_TRUE(SameRect({412, 334, 612, 434}, PictureRect(client, 200, 100, true)));
    // Too wide: the whole width, the height still centred.
    EXPECT_TRUE(SameRect({0, 334, 1024, 434}, PictureRect(client, 1500, 100, true)));
    EXPECT_TRUE(SameRect(client, PictureRect(client, 200, 100, false)));
    EXPECT_TRUE(SameRect({10, 20, 30, 40}, PictureRect({10, 20, 30, 40}, 200, 100, true)));
}

TEST(ScreenSaverLayout, MosaicCellsCoverTheRectangleWithTheRemainderInTheLastColumnAndRow)
{
    const RECT rect = {0, 0, 1000, 700};
    EXPECT_TRUE(SameRect({0, 0, 66, 46}, MosaicCellRect(rect, 15, 0)));
    EXPECT_TRUE(SameRect({66, 46, 132, 92}, MosaicCellRect(rect, 15, 16)));
    // 1000 / 15 leaves 10 pixels, 700 / 15 leaves 10: the last cells take them.
    EXPECT_TRUE(SameRect({924, 0, 1000, 46}, MosaicCellRect(rect, 15, 14)));
    EXPECT_TRUE(SameRect({924, 644, 1000, 700}, MosaicCellRect(rect, 15, 224)));
    long area = 0;
    for (int k = 0; k < 100; ++k)
    {
        RECT cell = MosaicCellRect({5, 7, 1003, 709}, 10, k);
        area += (cell.right - cell.left) * (cell.bottom - cell.top);
    }
    EXPECT_EQ(998L * 702L, area);
}

TEST(ScreenSaverLayout, MosaicOrdersArePermutationsThatBeginAsFixed)
{
    struct Case
    {
        int n;
        std::vector<int> start;
        UINT period;
    };
    const Case cases[] = {
        {5, {6, 16, 13, 4, 23, 10, 20, 2, 19, 0, 22, 12, 18, 8, 15, 11, 9, 1, 17, 5, 21, 24, 14, 3, 7}, 500},
        {10, {42, 54, 26, 57, 81, 95, 19, 11, 88, 24}, 250},
        {15, {87, 128, 80, 121, 17, 202, 212, 40, 178, 221}, 50},
    };
    for (const Case& c : cases)
    {
        const int* order = MosaicOrder(c.n);
        ASSERT_NE(nullptr, order);
        EXPECT_EQ(c.start, std::vector<int>(order, order + c.start.size())) << c.n;
        std::set<int> cells(order, order + c.n * c.n);
        EXPECT_EQ(size_t(c.n * c.n), cells.size()) << c.n;
        EXPECT_EQ(0, *cells.begin());
        EXPECT_EQ(c.n * c.n - 1, *cells.rbegin());
        EXPECT_EQ(c.period, MosaicPeriod(c.n));
    }
    EXPECT_EQ(nullptr, MosaicOrder(7));
}

TEST(ScreenSaverLayout, EachRevealEffectRunsItsTransitionCode)
{
    const int expected[15] = {0, 0, 0, 0, 1, 2, 3, 4, 5, 7, 6, 8, 9, 10, 0};
    for (int effect = 0; effect < 15; ++effect)
        EXPECT_EQ(expected[effect], TransitionCode(effect)) << effect;
}
