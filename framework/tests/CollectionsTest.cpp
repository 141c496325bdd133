#include "framework/CArray.h"
#include "framework/CList.h"
#include <gtest/gtest.h>

TEST(CList, WalksInInsertionOrderWithPositions)
{
    CStringList list;
    list.AddTail(L"b");
    list.AddHead(L"a");
    list.AddTail(L"c");
    CString joined;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        joined += list.GetNext(pos);
    EXPECT_EQ(L"abc", joined);
    EXPECT_EQ(3, list.GetCount());

    list.RemoveAt(list.FindIndex(1));
    EXPECT_EQ(L"a", list.GetHead());
    EXPECT_EQ(L"c", list.GetTail());
    EXPECT_EQ(L"a", list.RemoveHead());
    EXPECT_EQ(L"c", list.RemoveTail());
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(nullptr, list.GetHeadPosition());
}

TEST(CList, CopiesAreIndependent)
{
    CList<int> a;
    a.AddTail(4);
    a.AddTail(12);
    CList<int> b(a);
    b.AddTail(1);
    EXPECT_EQ(2, a.GetCount());
    EXPECT_FALSE(a == b);
    b.RemoveTail();
    EXPECT_TRUE(a == b);
    int sum = 0;
    for (int v : b)
        sum += v;
    EXPECT_EQ(16, sum);
}

TEST(CArray, GrowsAndExposesItsBytes)
{
    CByteArray bytes;
    EXPECT_EQ(nullptr, bytes.GetData());
    bytes.Add(1);
    bytes.SetSize(3);
    bytes[2] = 9;
    EXPECT_EQ(3, bytes.GetSize());
    EXPECT_EQ(0, bytes[1]);
    CByteArray more;
    more.Add(7);
    bytes.Append(more);
    EXPECT_EQ(7, bytes.GetData()[3]);
    bytes.RemoveAt(0, 2);
    EXPECT_EQ(9, bytes[0]);
}
