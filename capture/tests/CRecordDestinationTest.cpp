// What every destination with a record of its own inherits: how SetInfo copies the
// parts, when the grab-and-run operations store the record, and that a failed grab
// never runs the destination. Each destination's tests keep only their own rows of
// which fields a part copies and whether they store the record before the grab.
#include "Info/InfoScClipboard.h"
#include "capture/destinations/CRecordDestination.h"

#include <gtest/gtest.h>

namespace
{
struct FakeRecord : SendParam
{
    FakeRecord(int first = 0, int second = 0, int duration = 0, int frequence = 0)
        : First(first), Second(second), Duration(duration), Frequence(frequence)
    {
    }
    EnumSendParam GetType() const override { return SP_SC_WEB; }
    bool LoadFromRegistry() override { return true; }
    bool SaveToRegistry(unsigned int) override { return true; }
    bool IsDisplayFlagOn() const override { return false; }
    bool operator==(const FakeRecord& o) const
    {
        return First == o.First && Second == o.Second && Duration == o.Duration && Frequence == o.Frequence;
    }

    int First;
    int Second;
    int Duration;
    int Frequence;
};

// Part 1 copies First, part 2 Second; Execute counts its runs and the run record it saw.
class FakeDestination : public CRecordDestination<FakeRecord>
{
public:
    explicit FakeDestination(bool storesBeforeGrab = false) : m_storesBeforeGrab(storesBeforeGrab) {}

    DestinationResult Execute() override
    {
        ++executions;
        return CanExecute() ? DR_DONE : DR_FAILED;
    }
    const FakeRecord& Edit() { return *static_cast<FakeRecord*>(GetInfo()); }

    int executions = 0;
    int grabs = 0;

protected:
    void CopyPart(const FakeRecord& record, unsigned int part) override
    {
        if (part == 1)
            EditInfo().First = record.First;
        else if (part == 2)
            EditInfo().Second = record.Second;
    }
    bool StoresRecordBeforeGrab() const override { return m_storesBeforeGrab; }
    void BeforeGrab() override { ++grabs; }

private:
    bool m_storesBeforeGrab;
};
} // namespace

TEST(CRecordDestinationTest, EachPartCopiesItsFieldsAndOtherRecordsAreIgnored)
{
    const FakeRecord source(1, 2, 3, 4);
    const struct
    {
        unsigned int part;
        FakeRecord expected;
    } cases[] = {
        {0, FakeRecord(1, 2, 3, 4)}, {1, FakeRecord(1, 0, 0, 0)}, {2, FakeRecord(0, 2, 0, 0)},
        {3, FakeRecord(0, 0, 3, 4)}, {9, FakeRecord()},
    };
    for (const auto& c : cases)
    {
        FakeDestination destination;
        destination.SetInfo(&source, c.part);
        EXPECT_TRUE(c.expected == destination.Edit()) << c.part;
    }

    FakeDestination destination;
    destination.SetInfo(&source, 0);
    const InfoScClipboard other;
    destination.SetInfo(&other, 0);
    destination.SetInfo(nullptr, 0);
    EXPECT_TRUE(source == destination.Edit());
}

TEST(CRecordDestinationTest, AFailedGrabNeverRunsTheDestinationAndARepeatRunsItWithTheRecord)
{
    FakeDestination destination;
    const RECT nothing = {10, 10, 10, 10};
    EXPECT_EQ(DR_FAILED, destination.ProcessWindow(nullptr));
    EXPECT_EQ(DR_FAILED, destination.ProcessRect(nothing));
    EXPECT_EQ(DR_FAILED, destination.ProcessRegion(nullptr));
    EXPECT_EQ(0, destination.executions);
    EXPECT_EQ(3, destination.grabs);

    // Without a picture the destination's own run refuses.
    const FakeRecord record(5, 6, 7, 8);
    EXPECT_EQ(DR_FAILED, destination.ProcessAgain(&record));
    EXPECT_EQ(1, destination.executions);
    EXPECT_TRUE(record == destination.Edit());
}

TEST(CRecordDestinationTest, TheRecordIsStoredBeforeOrOnlyAfterASuccessfulGrabAsTheDestinationChooses)
{
    const FakeRecord record(5, 6, 7, 8);
    const RECT area = {0, 0, 20, 20};
    for (bool beforeGrab : {false, true})
    {
        FakeDestination failing(beforeGrab);
        EXPECT_EQ(DR_FAILED, failing.ProcessWindowWithInfo(nullptr, &record)) << beforeGrab;
        EXPECT_EQ(beforeGrab, record == failing.Edit()) << beforeGrab;
        EXPECT_EQ(0, failing.executions) << beforeGrab;

        FakeDestination succeeding(beforeGrab);
        EXPECT_EQ(DR_DONE, succeeding.ProcessRectWithInfo(area, &record)) << beforeGrab;
        EXPECT_TRUE(record == succeeding.Edit()) << beforeGrab;
        EXPECT_EQ(1, succeeding.executions) << beforeGrab;
        EXPECT_EQ(1, succeeding.grabs) << beforeGrab;
    }
}
