// The pool list's rows: sorted insertion, removal of every selected row, column sorting.
#include "screensaver/CImagePoolListCtrl.h"
#include "testing/CStringPrinter.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace
{
std::vector<CString> Names(const CImagePoolListCtrl& list)
{
    std::vector<CString> names;
    for (int row = 0; row < list.GetRowCount(); ++row)
        names.push_back(list.GetCell(row, 0));
    return names;
}
} // namespace

TEST(ImagePoolList, RowsGoInSortedPlacesAndEverySelectedRowIsRemoved)
{
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
    CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 300, 200, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(1011)), nullptr, nullptr);
    CImagePoolListCtrl list;
    ASSERT_TRUE(list.Attach(parent, 1011));
    for (const wchar_t* path : {L"C:\\b\\v1.2.bmp", L"D:\\a\\Alpha.png", L"C:\\c\\beta.bmp", L"E:\\z\\v1.2.bmp"})
        list.AddPath(path);
    // Case aside, duplicates kept, each after its equals.
    EXPECT_EQ((std::vector<CString>{L"Alpha.png", L"beta.bmp", L"v1.2.bmp", L"v1.2.bmp"}), Names(list));
    EXPECT_EQ(CString(L"D:\\a"), list.GetCell(0, 1));
    EXPECT_EQ((std::vector<CString>{L"D:\\a\\Alpha.png", L"C:\\c\\beta.bmp", L"C:\\b\\v1.2.bmp", L"E:\\z\\v1.2.bmp"}),
              list.GetPaths());

    list.SortBy(1, false); // by folder, descending
    EXPECT_EQ(CString(L"E:\\z"), list.GetCell(0, 1));
    list.AddPath(L"F:\\q\\new.bmp");
    EXPECT_EQ(CString(L"F:\\q"), list.GetCell(0, 1));

    for (int row : {0, 2, 4})
        ListView_SetItemState(list.GetSafeHwnd(), row, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(3, list.GetSelectedCount());
    list.RemoveSelected();
    EXPECT_EQ(0, list.GetSelectedCount());
    EXPECT_EQ((std::vector<CString>{L"E:\\z\\v1.2.bmp", L"C:\\c\\beta.bmp"}), list.GetPaths());
    DestroyWindow(parent);
}
