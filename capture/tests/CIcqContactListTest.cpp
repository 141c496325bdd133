#include "capture/destinations/CIcqContactList.h"

#include "capture/tests/IcqClientTestSupport.h"
#include "testing/CStringPrinter.h"
#include "testing/TestPump.h"
#include <vector>

namespace
{
int g_listChanges = 0;

LRESULT CALLBACK CountingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ICQ_USERLIST_CHANGED && wParam == 0 && lParam == 0)
        ++g_listChanges;
    return DefWindowProcW(window, message, wParam, lParam);
}

// Online: 1001 Ann (Friends), 1003 Cem (Work), 1004 Dora; offline: 1002 Bob
// (Friends). A hidden page window holds the user combo box (unsorted, as the
// user page's) and counts the list-change messages it receives.
class CIcqContactListTest : public IcqClientTest
{
protected:
    void SetUp() override
    {
        IcqClientTest::SetUp();
        AddUser(1001, L"Ann", L"Friends");
        WriteContact(L"User 1001", L"LastName", L"Lee");
        AddUser(1002, L"Bob", L"Friends");
        WriteContact(L"User 1002", L"Online", L"0");
        AddUser(1003, L"Cem", L"Work");
        AddUser(1004, L"Dora", nullptr);

        WNDCLASSW wc = {};
        wc.lpfnWndProc = CountingWindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VellIcqPageTestWindow";
        RegisterClassW(&wc);
        m_page = CreateWindowW(wc.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                               wc.hInstance, nullptr);
        m_combo = CreateWindowW(L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, 10, 10, 200,
                                150, m_page, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(nullptr, m_combo);
        g_listChanges = 0;
    }
    void TearDown() override
    {
        // No notification outlives the test.
        GetIcqApiLibrary().ICQAPICall_RegisterNotify(1, 0, nullptr);
        SetIcqNotifyWindow(nullptr);
        DestroyWindow(m_page);
        UnregisterClassW(L"VellIcqPageTestWindow", GetModuleHandleW(nullptr));
        IcqClientTest::TearDown();
    }

    std::vector<CString> Items() const
    {
        std::vector<CString> items;
        int count = static_cast<int>(SendMessageW(m_combo, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i)
        {
            wchar_t text[32] = {};
            SendMessageW(m_combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            items.push_back(text);
        }
        return items;
    }
    const ICQAPI_User* ItemUser(int index) const
    {
        return reinterpret_cast<const ICQAPI_User*>(
            SendMessageW(m_combo, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
    }
    int Selected() const { return static_cast<int>(SendMessageW(m_combo, CB_GETCURSEL, 0, 0)); }

    static InfoScIcq Record(int uin) { return InfoScIcq(L"", L"", uin, 0, FT_BMP, false, 0, 1); }

    HWND m_page = nullptr;
    HWND m_combo = nullptr;
};
} // namespace

TEST_F(CIcqContactListTest, ListsTheOnlineUsersThenEachGroupsAndSelectsTheRecordsUser)
{
    CIcqContactList list;
    ASSERT_TRUE(list.Init(m_combo, Record(1003)));

    // Ann and Cem are online and in a group: each is listed twice.
    EXPECT_EQ((std::vector<CString>{L"1001", L"1003", L"1004", L"1001", L"1003"}), Items());
    EXPECT_EQ(1, Selected());
    // Each item carries the user's full record.
    ASSERT_NE(nullptr, ItemUser(1));
    EXPECT_EQ(1003, ItemUser(1)->Uin);
    EXPECT_STREQ("Cem", ItemUser(1)->FirstName);
    ASSERT_NE(nullptr, ItemUser(3));
    EXPECT_EQ(1001, ItemUser(3)->Uin);
    EXPECT_STREQ("Lee", ItemUser(3)->LastName);
}

TEST_F(CIcqContactListTest, AUserNotListedSelectsTheFirstItemAndAnEmptyListNone)
{
    CIcqContactList list;
    ASSERT_TRUE(list.Init(m_combo, Record(1002)));
    EXPECT_EQ(0, Selected());
    EXPECT_EQ(0, list.FillCombo(m_combo));

    DeleteFileW(m_folder / L"Contacts.ini");
    EXPECT_EQ(-1, list.FillCombo(m_combo));
    EXPECT_TRUE(Items().empty());
}

TEST_F(CIcqContactListTest, WithoutTheIcqApiNothingIsListed)
{
    CIcqApiLibrary missing(L"NoSuchIcqApi.dll");
    CIcqContactList notInstalled(missing);
    EXPECT_FALSE(notInstalled.Init(m_combo, Record(1001)));
    EXPECT_TRUE(Items().empty());

    SetRunning(false);
    CIcqContactList notRunning;
    EXPECT_FALSE(notRunning.Init(m_combo, Record(1001)));
    EXPECT_TRUE(Items().empty());
}

TEST_F(CIcqContactListTest, EditsOfTheContactListAreSentToTheNotifyWindowOnly)
{
    SetIcqNotifyWindow(m_page);
    CIcqContactList list;
    ASSERT_TRUE(list.Init(m_combo, Record(1001)));

    // A user coming online: the page hears of it and lists the user on refilling.
    WriteContact(L"User 1002", L"Online", L"1");
    PumpUntil([] { return g_listChanges >= 1; });
    ASSERT_GE(g_listChanges, 1);
    list.FillCombo(m_combo);
    EXPECT_EQ((std::vector<CString>{L"1001", L"1002", L"1003", L"1004", L"1001", L"1002", L"1003"}), Items());

    // Once the page has gone, changes reach no window.
    SetIcqNotifyWindow(nullptr);
    int heard = g_listChanges;
    AddUser(1005, L"Eve", nullptr);
    PumpUntil([&] { return g_listChanges >= heard + 1; }, 2000);
    EXPECT_EQ(heard, g_listChanges);
}
