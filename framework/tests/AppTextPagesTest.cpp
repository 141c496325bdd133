// Text laid out in printed pages, measured one unit per character.
#include "framework/AppTextPages.h"
#include "testing/CStringPrinter.h"
#include <gtest/gtest.h>

namespace
{
int Characters(const CString& text)
{
    return text.GetLength();
}

std::vector<AppTextPage> LayOut(const wchar_t* text, int width = 10, int linesPerPage = 3)
{
    return AppLayOutPages(text, width, linesPerPage, Characters);
}
} // namespace

TEST(AppTextPages, LinesWrapAtTheLastBlankThatFitsElseAfterTheLastCharacter)
{
    struct Case
    {
        const wchar_t* text;
        AppTextPage lines;
    };
    const Case cases[] = {
        {L"short", {L"short"}},
        {L"exactly10c", {L"exactly10c"}},
        {L"two words here", {L"two words", L"here"}},
        {L"abcdefghijklmnop", {L"abcdefghij", L"klmnop"}},
        {L"abcde fghijklmnopq", {L"abcde", L"fghijklmno", L"pq"}},
        {L"tenletters next", {L"tenletters", L"next"}},
        {L"a\tb", {L"a       b"}},
        {L"one\r\ntwo\nthree\rfour", {L"one", L"two", L"three"}},
        {L"one\r\n\r\ntwo\r\n", {L"one", L"", L"two"}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(CString(c.text).ToAnsi());
        auto pages = LayOut(c.text);
        ASSERT_FALSE(pages.empty());
        EXPECT_EQ(c.lines, pages[0]);
    }
}

TEST(AppTextPages, PagesHoldTheirLinesInOrderAndAnEmptyTextGivesOneEmptyPage)
{
    auto pages = LayOut(L"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7");
    ASSERT_EQ(3u, pages.size());
    EXPECT_EQ((AppTextPage{L"1", L"2", L"3"}), pages[0]);
    EXPECT_EQ((AppTextPage{L"4", L"5", L"6"}), pages[1]);
    EXPECT_EQ((AppTextPage{L"7"}), pages[2]);

    pages = LayOut(L"");
    ASSERT_EQ(1u, pages.size());
    EXPECT_TRUE(pages[0].empty());

    // A page too small for a line still takes one.
    EXPECT_EQ(2u, LayOut(L"a\nb", 10, 0).size());
}
