#include "app/CRightButtonHold.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{
// One tick of the poll: the button held, and a capture or selection running.
struct Tick
{
    bool held;
    bool busy;
};

struct HoldCase
{
    const char* name;
    int holdTimeMs;
    std::vector<Tick> ticks;
    // The tick (0-based) at which the capture begins; -1 for none.
    int beginsAt;
};

const Tick kHeld = {true, false};
const Tick kReleased = {false, false};
const Tick kBusyHeld = {true, true};

std::vector<Tick> Repeat(Tick tick, int count)
{
    return std::vector<Tick>(count, tick);
}

std::vector<Tick> Join(std::vector<Tick> first, const std::vector<Tick>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

TEST(CRightButtonHoldTest, CaptureBeginsAtTheTickThatFindsMoreThanTheHoldTime)
{
    const HoldCase cases[] = {
        {"200 ms: the third held tick", 200, Repeat(kHeld, 5), 2},
        // 0, 200, ..., 2000 counted at ticks 0..10: not more than 2000; 2200 at tick 11.
        {"2000 ms: at 2200 counted", 2000, Repeat(kHeld, 14), 11},
        {"a release resets the count", 200, Join({kHeld, kHeld, kReleased}, Repeat(kHeld, 3)), 5},
        {"a busy manager neither begins nor counts", 200, Join(Repeat(kBusyHeld, 6), Repeat(kHeld, 3)), 8},
        {"never held", 200, Repeat(kReleased, 6), -1},
    };
    for (const HoldCase& c : cases)
    {
        CRightButtonHold hold;
        int began = -1;
        for (size_t i = 0; i < c.ticks.size() && began < 0; ++i)
            if (hold.Tick(c.ticks[i].held, c.ticks[i].busy, c.holdTimeMs))
                began = static_cast<int>(i);
        EXPECT_EQ(c.beginsAt, began) << c.name;
    }
}
} // namespace
