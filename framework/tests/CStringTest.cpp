#include "framework/CString.h"
#include <gtest/gtest.h>

TEST(CString, FormatFollowsTheWideRuntimeRules)
{
    struct Case
    {
        CString (*make)();
        const wchar_t* expected;
    } cases[] = {
        {[] {
             CString s;
             s.Format(L"%s|%d", L"wide", -7);
             return s;
         },
         L"wide|-7"},
        {[] {
             CString s;
             s.Format(L"%S", "narrow");
             return s;
         },
         L"narrow"},
        {[] {
             CString s;
             s.Format(L"%#08x", 0x1234u);
             return s;
         },
         L"0x001234"},
        {[] {
             CString s;
             s.Format(L"%5.1f|%-3c|", 2.26, L'x');
             return s;
         },
         L"  2.3|x  |"},
        {[] {
             CString s(L"a");
             s.AppendFormat(L"%02d", 5);
             return s;
         },
         L"a05"},
    };
    for (auto& c : cases)
        EXPECT_STREQ(c.expected, c.make().GetString());
}

TEST(CString, FormatOfLongTextIsNotCut)
{
    CString s;
    ASSERT_TRUE(s.Format(L"%s%s", CString(L'x', 3000).GetString(), L"end"));
    EXPECT_EQ(3003, s.GetLength());
    EXPECT_EQ(L"end", s.Right(3));
}

TEST(CString, LoadsFromTheStringTable)
{
    CString s;
    ASSERT_TRUE(s.LoadString(100));
    EXPECT_EQ(L"Hello from the string table", s);
    CString missing(L"kept");
    EXPECT_FALSE(missing.LoadString(4242));
    EXPECT_EQ(L"kept", missing);
}

TEST(CString, SearchingAndSlicingClampOutOfRangeArguments)
{
    CString s(L"C:\\a\\b.c.png");
    EXPECT_EQ(7, s.ReverseFind(L'.') - 1);
    EXPECT_EQ(4, s.ReverseFind(L'\\'));
    EXPECT_EQ(-1, s.Find(L"zz"));
    EXPECT_EQ(-1, s.Find(L'a', 100));
    EXPECT_EQ(L"C:", s.Left(2));
    EXPECT_EQ(L"png", s.Right(3));
    EXPECT_EQ(s, s.Left(100));
    EXPECT_EQ(L"", s.Mid(50));
    EXPECT_EQ(L"b.c", s.Mid(5, 3));
    EXPECT_EQ(L"", s.Left(-1));
}

TEST(CString, EditingOperations)
{
    CString s(L"  one two one  ");
    s.Trim();
    EXPECT_EQ(L"one two one", s);
    EXPECT_EQ(2, s.Replace(L"one", L"three"));
    EXPECT_EQ(L"three two three", s);
    EXPECT_EQ(2, s.Remove(L' '));
    s.MakeUpper();
    EXPECT_EQ(L"THREETWOTHREE", s);
    s.Delete(0, 5);
    s.Insert(0, L"<");
    EXPECT_EQ(L"<TWOTHREE", s);
    CString path(L"C:\\dir\\\\//");
    path.TrimRight(L"\\");
    EXPECT_EQ(L"C:\\dir\\\\//", path);
    path.TrimRight(L"/");
    EXPECT_EQ(L"C:\\dir\\\\", path);
}

TEST(CString, ComparisonIsCaseSensitiveUnlessAsked)
{
    CString a(L"Shot");
    EXPECT_TRUE(a == L"Shot");
    EXPECT_TRUE(a != CString(L"shot"));
    EXPECT_EQ(0, a.CompareNoCase(L"SHOT"));
    EXPECT_TRUE(CString(L"a") < CString(L"b"));
}

TEST(CString, BufferAccessForWin32Calls)
{
    CString s;
    wchar_t* buffer = s.GetBuffer(MAX_PATH);
    DWORD n = GetEnvironmentVariableW(L"VELL_NOT_SET_ANYWHERE", buffer, MAX_PATH);
    s.ReleaseBuffer(static_cast<int>(n));
    EXPECT_TRUE(s.IsEmpty());
    wcscpy(s.GetBuffer(10), L"abc");
    s.ReleaseBuffer();
    EXPECT_EQ(L"abc", s);
}

TEST(CString, ConvertsToAndFromNarrowText)
{
    CString s("plain");
    EXPECT_EQ(L"plain", s);
    EXPECT_EQ("plain", s.ToAnsi());
    EXPECT_EQ("\xC3\xA9", CString(L"\u00E9").ToAnsi(CP_UTF8));
}
