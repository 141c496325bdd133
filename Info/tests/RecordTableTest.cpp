// The common life of every settings record, run over the table rows that each record
// test file instantiates.
#include "Info/tests/InfoTestSupport.h"

using namespace InfoTest;

namespace
{
using RecordPtr = std::unique_ptr<SendParam>;

RecordPtr Changed(const RecordCase& c)
{
    RecordPtr record(c.make());
    c.change(*record);
    return record;
}
} // namespace

TEST_P(RecordTableTest, DefaultsDifferFromTheChangedRecordAndCarryTheType)
{
    const RecordCase& c = GetParam();
    RecordPtr fresh(c.make());
    EXPECT_EQ(c.type, fresh->GetType());
    EXPECT_FALSE(c.equal(*fresh, *Changed(c))) << "change() must touch persisted fields";
    EXPECT_FALSE(KeyExists(c.subKey)) << "a new record must not touch the registry";
}

TEST_P(RecordTableTest, CopiesAssignsComparesAndDeletesAcrossTheModuleBoundary)
{
    const RecordCase& c = GetParam();
    RecordPtr original = Changed(c);
    RecordPtr copy(c.copy(*original));
    EXPECT_TRUE(c.equal(*original, *copy));

    RecordPtr assigned(c.make());
    c.assign(*assigned, *original);
    EXPECT_TRUE(c.equal(*original, *assigned));
    // The copies are independent: resetting one leaves the other as it was.
    RecordPtr defaults(c.make());
    c.assign(*copy, *defaults);
    EXPECT_TRUE(c.equal(*original, *assigned));
    EXPECT_FALSE(c.equal(*original, *copy));
}

TEST_P(RecordTableTest, SaveThenLoadGivesTheSameRecord)
{
    const RecordCase& c = GetParam();
    RecordPtr saved = Changed(c);
    ASSERT_TRUE(saved->SaveToRegistry(0));
    RecordPtr loaded(c.make());
    ASSERT_TRUE(loaded->LoadFromRegistry());
    EXPECT_TRUE(c.equal(*saved, *loaded));
    EXPECT_EQ(saved->IsDisplayFlagOn(), loaded->IsDisplayFlagOn());
}

TEST_P(RecordTableTest, EachSavePartWritesExactlyItsValues)
{
    const RecordCase& c = GetParam();
    for (const auto& part : c.parts)
    {
        DeleteKey(L"");
        RecordPtr record = Changed(c);
        EXPECT_TRUE(record->SaveToRegistry(part.first)) << "part " << part.first;
        EXPECT_EQ(part.second, ValueNames(c.subKey)) << "part " << part.first;
    }
}

TEST_P(RecordTableTest, AnUnknownPartWritesNothingAndFails)
{
    const RecordCase& c = GetParam();
    RecordPtr record = Changed(c);
    EXPECT_FALSE(record->SaveToRegistry(c.unknownPart));
    EXPECT_TRUE(ValueNames(c.subKey).empty());
}

TEST_P(RecordTableTest, LoadingFromAMissingKeyCreatesItAndChangesNothing)
{
    const RecordCase& c = GetParam();
    RecordPtr record = Changed(c);
    RecordPtr before(c.copy(*record));
    EXPECT_FALSE(record->LoadFromRegistry());
    EXPECT_TRUE(c.equal(*before, *record));
    EXPECT_TRUE(KeyExists(c.subKey));
}

TEST_P(RecordTableTest, AWrongTypedValueFailsTheLoadButTheOthersAreRead)
{
    const RecordCase& c = GetParam();
    RecordPtr saved = Changed(c);
    ASSERT_TRUE(saved->SaveToRegistry(0));
    PutText(c.subKey, c.wrongTypeValue, L"1");
    RecordPtr loaded(c.make());
    EXPECT_FALSE(loaded->LoadFromRegistry());
    EXPECT_TRUE(c.readDespite(*loaded, *saved));
}

TEST_P(RecordTableTest, ABoolStoredAsTwoLoadsTrueAndSavesOne)
{
    const RecordCase& c = GetParam();
    RecordPtr saved(c.make());
    ASSERT_TRUE(saved->SaveToRegistry(0));
    PutDword(c.subKey, c.boolValue, 2);
    RecordPtr loaded(c.make());
    ASSERT_TRUE(loaded->LoadFromRegistry());
    EXPECT_TRUE(c.boolField(*loaded));
    ASSERT_TRUE(loaded->SaveToRegistry(0));
    EXPECT_EQ(1u, Dword(c.subKey, c.boolValue));
}
