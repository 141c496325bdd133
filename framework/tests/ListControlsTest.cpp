#include "framework/CListCtrlEmptyTitle.h"
#include "framework/CListParentItemImp.h"
#include "framework/CSortHeaderCtrl.h"
#include "framework/ListColumnWidths.h"
#include "ControlsTestSupport.h"
#include "testing/CStringPrinter.h"
#include "testing/ScratchProfileTest.h"
#include "testing/TestPump.h"

#include <gtest/gtest.h>
#include <memory>

namespace
{
// A report list of three columns whose rows carry their index as item data; the rows'
// texts stay in the test so the compare callback can hand them to the header.
class SortedList : public CTtListCtrl
{
public:
    SortedList(HWND parent, bool withCallback) : header(withCallback ? &Compare : nullptr, 0)
    {
        const RECT rect = {10, 10, 610, 300};
        Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, rect, parent, 100);
        for (const wchar_t* title : {L"Name", L"Size", L"Note"})
        {
            CColumn column;
            column.title = title;
            columns.Add(column);
        }
        columns[1].type = CColumn::kNumber;
        columns[2].type = 7; // a type that does not sort
        for (int i = 0; i < 3; ++i)
            InsertColumn(i, columns[i].title, LVCFMT_LEFT, 150);
        header.SetColumns(&columns);
        header.SubclassWindow(GetHeaderCtrl());
    }
    void AddRow(const wchar_t* name, const wchar_t* size)
    {
        const int row = InsertItem(GetItemCount(), name, static_cast<LPARAM>(cells.size()));
        SetItemText(row, 1, size);
        cells.push_back({name, size});
    }
    CString Order(int column) const
    {
        CString order;
        for (int i = 0; i < GetItemCount(); ++i)
            order += GetItemText(i, column) + L";";
        return order;
    }
    // The middle of a header item, on the screen.
    POINT HeaderPoint(int column) const
    {
        RECT item = {};
        SendMessageW(GetHeaderCtrl(), HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&item));
        POINT point = {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
        ClientToScreen(GetHeaderCtrl(), &point);
        return point;
    }

    CArray<CColumn> columns;
    std::vector<std::pair<CString, CString>> cells;
    CSortHeaderCtrl header;

private:
    static int CALLBACK Compare(LPARAM a, LPARAM b, LPARAM parameter)
    {
        auto* header = reinterpret_cast<CSortHeaderCtrl*>(parameter);
        auto* list = static_cast<SortedList*>(CWnd::FromHandle(GetParent(*header)));
        const auto& x = list->cells[a];
        const auto& y = list->cells[b];
        const bool number = header->GetSortColumn() == 1;
        return header->CompareItems(number ? x.second : x.first, number ? y.second : y.first);
    }
};

struct CompareCase
{
    int column;
    bool descending;
    const wchar_t* a;
    const wchar_t* b;
    int sign;
};

int Sign(int value)
{
    return (value > 0) - (value < 0);
}
} // namespace

TEST(SortHeaderTest, CompareItemsByColumnType)
{
    CArray<CColumn> columns;
    columns.SetSize(3);
    columns[1].type = CColumn::kNumber;
    columns[2].type = 5;
    const CompareCase cases[] = {
        {0, false, L"10", L"9", -1},       {1, false, L"10", L"9", 1},         {1, true, L"10", L"9", -1},
        {1, false, L"", L"0", 0},          {1, false, L"", L"-1", 1},          {0, false, L"Capture", L"CAPTURE", 0},
        {0, true, L"apple", L"Banana", 1}, {1, false, L"2.5", L"2.25", 1},     {2, false, L"a", L"b", 0},
        {3, false, L"a", L"b", 0},         {99, true, L"a", L"b", 0},
    };
    CSortHeaderCtrl header;
    EXPECT_EQ(0, header.CompareItems(L"a", L"b")) << "No column table.";
    header.SetColumns(&columns);
    for (const CompareCase& c : cases)
    {
        header.SetSortColumn(c.column, c.descending);
        EXPECT_EQ(c.sign, Sign(header.CompareItems(c.a, c.b)))
            << "column " << c.column << " flag " << c.descending << ": " << CString(c.a) << " / " << CString(c.b);
    }
}

TEST(SortHeaderTest, HeaderClicksSortAndToggle)
{
    ControlHost host;
    SortedList list(host, true);
    list.AddRow(L"beta", L"10");
    list.AddRow(L"Alpha", L"9");
    list.AddRow(L"gamma", L"");
    struct Step
    {
        int column;
        bool descending;
        const wchar_t* names;
    } steps[] = {{1, false, L"gamma;Alpha;beta;"}, {1, true, L"beta;Alpha;gamma;"}, {1, false, L"gamma;Alpha;beta;"},
                 {0, false, L"Alpha;beta;gamma;"}, {0, true, L"gamma;beta;Alpha;"}};
    int shift = 8;
    for (const Step& step : steps)
    {
        // Each click lands away from the last, so that no two make a double click.
        POINT point = list.HeaderPoint(step.column);
        point.x += shift = -shift;
        ASSERT_TRUE(ClickAt(point));
        EXPECT_EQ(step.column, list.header.GetSortColumn());
        EXPECT_EQ(step.descending, list.header.IsDescending());
        EXPECT_EQ(CString(step.names), list.Order(0));
    }
    HDITEMW item = {};
    item.mask = HDI_FORMAT;
    list.header.GetItem(0, item);
    EXPECT_TRUE(item.fmt & HDF_OWNERDRAW) << "The sort column draws its arrow.";
    EXPECT_TRUE(host.notifications.empty() ||
                std::find(host.notifications.begin(), host.notifications.end(), static_cast<UINT>(LVN_COLUMNCLICK)) ==
                    host.notifications.end())
        << "The header took its clicks.";
}

TEST(SortHeaderTest, WithoutCallbackTheArrowMovesButNothingSorts)
{
    ControlHost host;
    SortedList list(host, false);
    list.AddRow(L"b", L"2");
    list.AddRow(L"a", L"1");
    ASSERT_TRUE(ClickAt(list.HeaderPoint(0)));
    EXPECT_EQ(0, list.header.GetSortColumn());
    EXPECT_EQ(CString(L"b;a;"), list.Order(0));
    // A column outside the table sorts as equal instead of failing inside the list's sort.
    list.header.SetSortColumn(2, false);
    EXPECT_EQ(CString(L"b;a;"), list.Order(0));
}

namespace
{
// A list owner with a column table and a profile key.
class Owner : public CListParentItemImp
{
public:
    explicit Owner(int columns) : count(columns) {}
    void GetColumns(CArray<CColumn>& columns) override
    {
        columns.SetSize(count);
        for (int i = 0; i < count; ++i)
            columns[i].title.Format(L"Column %d", i);
        CArray<int> widths;
        LoadColumnWidths(L"Test", widths);
        MergeColumnWidths(columns, widths);
    }
    void StoreColumnWidths(const CArray<int>& widths) override
    {
        ++stores;
        SaveColumnWidths(L"Test", widths);
    }
    int count;
    int stores = 0;
};

class ColumnWidthsTest : public ScratchProfileTest
{
protected:
    // A borderless report list whose client area is 532 pixels wide.
    void MakeList()
    {
        const RECT rect = {0, 0, 532, 200};
        m_list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_NOSCROLL, rect, m_host, 100);
    }
    CArray<int> Widths()
    {
        CArray<int> widths;
        for (int i = 0; i < m_list.GetColumnCount(); ++i)
            widths.Add(m_list.GetColumnWidth(i));
        return widths;
    }

    ControlHost m_host;
    CTtListCtrl m_list;
};

CArray<int> MakeWidths(std::initializer_list<int> values)
{
    CArray<int> widths;
    for (int value : values)
        widths.Add(value);
    return widths;
}
} // namespace

TEST_F(ColumnWidthsTest, ThreeColumnsShareTheWidthAndStoredWidthsComeBack)
{
    MakeList();
    Owner owner(3);
    owner.InsertColumns(m_list);
    EXPECT_EQ(MakeWidths({116, 100, 300}), Widths());
    owner.SaveColumnLayout(m_list);
    EXPECT_EQ(CString(L"116,100,300"), StoredText(L"LisColSizes", L"Test")) << "Computed widths are no stored ones.";
    owner.SaveColumnLayout(m_list);
    EXPECT_EQ(1, owner.stores) << "Nothing changed since.";

    m_list.SetColumnWidth(1, 140);
    owner.SaveColumnLayout(m_list);
    EXPECT_EQ(2, owner.stores);
    EXPECT_EQ(CString(L"116,140,300"), StoredText(L"LisColSizes", L"Test"));
    owner.InsertColumns(m_list);
    EXPECT_EQ(MakeWidths({116, 140, 300}), Widths());
    EXPECT_EQ(3, m_list.GetColumnCount()) << "The old columns went first.";
}

TEST_F(ColumnWidthsTest, StoredWidthsOfAnotherCountAreIgnored)
{
    MakeList();
    SaveColumnWidths(L"Test", MakeWidths({50, 60}));
    Owner owner(3);
    owner.InsertColumns(m_list);
    EXPECT_EQ(MakeWidths({116, 100, 300}), Widths());

    SaveColumnWidths(L"Test", CArray<int>());
    EXPECT_EQ(CString(L"50,60"), StoredText(L"LisColSizes", L"Test")) << "An empty array writes nothing.";
    CArray<int> loaded;
    LoadColumnWidths(L"Other", loaded);
    EXPECT_TRUE(loaded.IsEmpty());
}

TEST(EmptyTitleTest, EmptyListDrawsItsTextBelowTheHeader)
{
    ControlHost host;
    CListCtrlEmptyTitle list;
    const RECT rect = {10, 10, 410, 210};
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, rect, host, 100));
    list.InsertColumn(0, L"Column", LVCFMT_LEFT, 300);
    list.SetEmptyTitle(L"There are no items to show in this view.");
    UpdateWindow(list);
    RECT header = {};
    GetWindowRect(list.GetHeaderCtrl(), &header);
    const RECT text = list.EmptyTitleRect();
    EXPECT_EQ(header.bottom - header.top, text.top);
    EXPECT_GT(text.top, 0);

    // Some pixel of the first text line is dark; the line just below the header is not.
    HDC dc = GetDC(list);
    bool inked = false;
    for (int x = text.left; x < 200 && !inked; ++x)
        for (int y = text.top; y < text.top + 12 && !inked; ++y)
            inked = GetPixel(dc, x, y) == GetSysColor(COLOR_WINDOWTEXT);
    ReleaseDC(list, dc);
    EXPECT_TRUE(inked);
}
