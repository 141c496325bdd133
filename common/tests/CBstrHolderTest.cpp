#include "common/CBstrHolder.h"

#include <gtest/gtest.h>

TEST(CBstrHolderTest, HoldsASystemStringWithItsLengthAndANarrowCopy)
{
    CBstrHolder text(L"Vellumor \u00e9t\u00e9");
    const BSTR value = text;
    ASSERT_NE(nullptr, value);
    EXPECT_STREQ(L"Vellumor \u00e9t\u00e9", value);
    EXPECT_EQ(12u, SysStringLen(value));

    char expected[32] = "";
    WideCharToMultiByte(CP_ACP, 0, L"Vellumor \u00e9t\u00e9", -1, expected, sizeof(expected), nullptr, nullptr);
    EXPECT_STREQ(expected, text.GetNarrow());
    // The copy is made once.
    EXPECT_EQ(text.GetNarrow(), text.GetNarrow());
}

TEST(CBstrHolderTest, ANullTextIsTheNullStringAndAnEmptyNarrowText)
{
    CBstrHolder none(nullptr);
    EXPECT_EQ(nullptr, static_cast<BSTR>(none));
    EXPECT_STREQ("", none.GetNarrow());
    CBstrHolder empty(L"");
    EXPECT_NE(nullptr, static_cast<BSTR>(empty));
    EXPECT_STREQ("", empty.GetNarrow());
}
