#include "common/TextHelpers.h"
#include "testing/CStringPrinter.h"
#include <gtest/gtest.h>
#include <vector>

namespace
{
std::vector<CString> ToVector(const CArray<CString>& pieces)
{
    return std::vector<CString>(pieces.begin(), pieces.end());
}

std::vector<std::pair<LONG, LONG>> ToPairs(const CArray<POINT>& points)
{
    std::vector<std::pair<LONG, LONG>> pairs;
    for (const POINT& p : points)
        pairs.emplace_back(p.x, p.y);
    return pairs;
}

struct SplitCase
{
    const wchar_t* text;
    const wchar_t* separator;
    bool trim;
    std::vector<CString> pieces;
};
} // namespace

TEST(SplitString, CutsAtEverySeparator)
{
    const SplitCase cases[] = {
        {L"a,b,c", L",", false, {L"a", L"b", L"c"}},
        {L"a,b,", L",", false, {L"a", L"b"}},
        {L"a,,b", L",", false, {L"a", L"", L"b"}},
        {L"a, ,b", L",", false, {L"a", L" ", L"b"}},
        {L"a, ,b", L",", true, {L"a", L"b"}},
        {L" a , b ,", L",", true, {L"a", L"b"}},
        {L",", L",", false, {L""}},
        {L",", L",", true, {}},
        {L"", L",", false, {}},
        {L"one", L",", false, {L"one"}},
        {L"a::b::", L"::", false, {L"a", L"b"}},
        {L"a:b", L"::", false, {L"a:b"}},
    };
    for (const SplitCase& c : cases)
    {
        CArray<CString> pieces;
        pieces.Add(L"left over");
        SplitString(c.text, c.separator, pieces, c.trim);
        EXPECT_EQ(c.pieces, ToVector(pieces)) << CString(c.text).ToAnsi() << " trim " << c.trim;
    }
}

TEST(GetNextRecordFields, WalksRecordByRecord)
{
    const CString text = L"a,b;;c,,d;tail";
    int position = 0;
    CArray<CString> fields;

    EXPECT_TRUE(GetNextRecordFields(text, L";", L",", position, fields));
    EXPECT_EQ((std::vector<CString>{L"a", L"b"}), ToVector(fields));
    EXPECT_EQ(4, position);

    EXPECT_TRUE(GetNextRecordFields(text, L";", L",", position, fields));
    EXPECT_TRUE(fields.IsEmpty());
    EXPECT_EQ(5, position);

    EXPECT_TRUE(GetNextRecordFields(text, L";", L",", position, fields));
    EXPECT_EQ((std::vector<CString>{L"c", L"", L"d"}), ToVector(fields));
    EXPECT_EQ(10, position);

    // "tail" has no record separator after it.
    EXPECT_FALSE(GetNextRecordFields(text, L";", L",", position, fields));
    EXPECT_TRUE(fields.IsEmpty());
    EXPECT_EQ(0, position);
}

TEST(GetNextRecordFields, MultiCharacterRecordSeparator)
{
    int position = 0;
    CArray<CString> fields;
    EXPECT_TRUE(GetNextRecordFields(L"x|y\r\nz\r\n", L"\r\n", L"|", position, fields));
    EXPECT_EQ((std::vector<CString>{L"x", L"y"}), ToVector(fields));
    EXPECT_EQ(5, position);
    EXPECT_TRUE(GetNextRecordFields(L"x|y\r\nz\r\n", L"\r\n", L"|", position, fields));
    EXPECT_EQ((std::vector<CString>{L"z"}), ToVector(fields));
    EXPECT_EQ(8, position);
}

TEST(ParseNumberList, ReadsPairsOfNumbers)
{
    struct Case
    {
        const wchar_t* text;
        bool parsed;
        std::vector<std::pair<LONG, LONG>> pairs;
    };
    const Case cases[] = {
        {L"1,2,3,4", true, {{1, 2}, {3, 4}}},
        {L"10,20,30", true, {{10, 20}}},
        {L"10,,20,", true, {{10, 20}}},
        {L"2147483647,0", true, {{2147483647, 0}}},
        {L"", true, {}},
        {L"7", true, {}},
        {L"1,a,2,3", false, {}},
        {L"1,2,3,4x", false, {}},
        {L"1, 2", false, {}},
        {L"-1,2", false, {}},
        {L"2147483648,1", false, {}},
        {L"99999999999999999999,1", false, {}},
    };
    for (const Case& c : cases)
    {
        CArray<POINT> points;
        points.Add(POINT{9, 9});
        EXPECT_EQ(c.parsed, ParseNumberList(c.text, L",", points)) << CString(c.text).ToAnsi();
        EXPECT_EQ(c.pairs, ToPairs(points)) << CString(c.text).ToAnsi();
    }
}

TEST(TextHelpers, IsNotSingleCharAndSetAtGrow)
{
    EXPECT_FALSE(IsNotSingleChar(L"/", L'/'));
    EXPECT_TRUE(IsNotSingleChar(L"//", L'/'));
    EXPECT_TRUE(IsNotSingleChar(L"", L'/'));
    EXPECT_TRUE(IsNotSingleChar(L"\\", L'/'));

    CArray<int> numbers;
    EXPECT_FALSE(SetAtGrow(numbers, -1, 5));
    EXPECT_EQ(0, numbers.GetSize());
    EXPECT_TRUE(SetAtGrow(numbers, 3, 7));
    ASSERT_EQ(4, numbers.GetSize());
    EXPECT_EQ(7, numbers[3]);
    EXPECT_EQ(0, numbers[0]);
    EXPECT_TRUE(SetAtGrow(numbers, 1, 9));
    EXPECT_EQ(4, numbers.GetSize());
    EXPECT_EQ(9, numbers[1]);
}
