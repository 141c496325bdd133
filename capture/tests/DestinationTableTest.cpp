#include "capture/destinations/DestinationTable.h"

#include "Info/InfoScClipboard.h"
#include "Info/InfoScDatabase.h"
#include "Info/InfoScEditor.h"
#include "Info/InfoScEmail.h"
#include "Info/InfoScFax.h"
#include "Info/InfoScFile.h"
#include "Info/InfoScIcq.h"
#include "Info/InfoScPrinter.h"
#include "Info/InfoScScreenSaver.h"
#include "Info/InfoScWallpaper.h"
#include "Info/InfoScWeb.h"

#include <gtest/gtest.h>

namespace
{
// A record of the class with its own duration and frequency, copied and timed through
// the row of its type: a row paired with another record class gives another type.
template <class Record> void ExpectRowHandles(int duration, int frequency)
{
    Record record;
    record.Duration = duration;
    record.Frequence = frequency;
    SCOPED_TRACE(record.GetType());
    const std::unique_ptr<SendParam> copy = CopyDestinationRecord(record);
    ASSERT_NE(nullptr, copy);
    EXPECT_EQ(record.GetType(), copy->GetType());
    EXPECT_TRUE(static_cast<const Record&>(*copy) == record);
    const DestinationTiming timing = GetDestinationTiming(record);
    EXPECT_EQ(duration, timing.duration);
    EXPECT_EQ(frequency, timing.frequency);
    EXPECT_EQ(record.GetType(), DestinationOf(record.GetType()).type);
}
} // namespace

TEST(DestinationTableTest, EachRowCopiesAndTimesTheRecordOfItsType)
{
    ExpectRowHandles<InfoScFile>(1, 2);
    ExpectRowHandles<InfoScEditor>(3, 4);
    ExpectRowHandles<InfoScEmail>(5, 6);
    ExpectRowHandles<InfoScIcq>(7, 8);
    ExpectRowHandles<InfoScPrinter>(9, 10);
    ExpectRowHandles<InfoScFax>(11, 12);
    ExpectRowHandles<InfoScDatabase>(13, 14);
    ExpectRowHandles<InfoScClipboard>(15, 16);
    ExpectRowHandles<InfoScScreenSaver>(17, 18);
    ExpectRowHandles<InfoScWallpaper>(19, 20);
    ExpectRowHandles<InfoScWeb>(21, 22);
}

TEST(DestinationTableTest, OtherTypesHaveNoRow)
{
    const int others[] = {0, SP_MOVIE_CAPTURE, SP_SC_FILE - 1, SP_SC_WEB + 1, SP_SC_SETTINGS};
    for (int type : others)
        EXPECT_EQ(nullptr, FindDestination(type)) << type;
    InfoScSettings settings;
    EXPECT_EQ(nullptr, CopyDestinationRecord(settings));
    const DestinationTiming timing = GetDestinationTiming(settings);
    EXPECT_EQ(0, timing.duration);
    EXPECT_EQ(0, timing.frequency);
}
