// The ICQ API stand-in, reached as programs reach it: through CIcqApiLibrary, with the
// client's folder moved to a fresh folder of the test.
#include "testing/TestFiles.h"
#include "testing/TestFolder.h"
#include "standins/icq/CIcqApiLibrary.h"
#include "standins/icq/CIcqClientConfig.h"
#include "testing/TestPump.h"
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>

namespace
{
const char kFileBytes[] = "BM picture bytes \x01\x02\xfe";

// The notifications received, in order.
std::vector<int> g_notifications;

void WINAPI RecordNotification(int notification)
{
    g_notifications.push_back(notification);
}

class IcqApiTest : public testing::Test
{
protected:
    void SetUp() override
    {
        SetEnvironmentVariableW(kIcqClientFolderVariable, m_folder.Path());
        AddUser(1001, L"Ann", L"Friends");
        Write(L"User 1001", L"FirstName", L"Ann");
        Write(L"User 1001", L"LastName", L"Lee");
        Write(L"User 1001", L"Email", L"ann@example.com");
        Write(L"User 1001", L"IP", L"192.168.1.20");
        AddUser(1002, L"Bob", L"Friends");
        Write(L"User 1002", L"Online", L"0");
        AddUser(1003, L"Cem", L"Work");
        AddUser(1004, L"Dora", nullptr);
        AddUser(1005, L"Eve", L"friends");
        Write(L"User ann", L"Nickname", L"Not a user number");
        Write(L"Client", L"Running", L"1");
        g_notifications.clear();
    }
    void TearDown() override { SetEnvironmentVariableW(kIcqClientFolderVariable, nullptr); }

    void Write(const wchar_t* section, const wchar_t* key, const wchar_t* value)
    {
        WritePrivateProfileStringW(section, key, value, m_folder / L"Contacts.ini");
    }
    void AddUser(int uin, const wchar_t* nickname, const wchar_t* group)
    {
        CString section;
        section.Format(L"User %d", uin);
        Write(section, L"Nickname", nickname);
        Write(section, L"Group", group);
    }
    CString WriteTestFile(const wchar_t* name)
    {
        CString path = m_folder / name;
        HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, kFileBytes, sizeof(kFileBytes) - 1, &written, nullptr);
        CloseHandle(file);
        return path;
    }
    int Version()
    {
        int version = 0;
        EXPECT_TRUE(m_api.ICQAPICall_GetVersion(&version));
        return version;
    }

    TestFolder m_folder;
    CIcqApiLibrary m_api;
};

std::vector<int> Numbers(const ICQAPI_User* users, int count)
{
    std::vector<int> numbers;
    for (int i = 0; i < count; ++i)
        numbers.push_back(users[i].Uin);
    return numbers;
}

TEST_F(IcqApiTest, ListsTheOnlineUsersAndTheGroupsOfTheContactList)
{
    ASSERT_TRUE(m_api.IsLoaded());
    int count = -1;
    ICQAPI_User* users = nullptr;
    ASSERT_TRUE(m_api.ICQAPICall_GetOnlineListDetails(&count, &users));
    EXPECT_EQ((std::vector<int>{1001, 1003, 1004, 1005}), Numbers(users, count));
    EXPECT_STREQ("Ann", users[0].Nickname);
    EXPECT_EQ(ICQAPI_STATUS_ONLINE, users[0].Status);
    EXPECT_STREQ("", users[0].FirstName);

    ASSERT_TRUE(m_api.ICQAPICall_GetFullUserData(&users[0]));
    EXPECT_STREQ("Ann", users[0].FirstName);
    EXPECT_STREQ("Lee", users[0].LastName);
    EXPECT_STREQ("ann@example.com", users[0].Email);
    EXPECT_EQ(static_cast<int>(0xC0A80114), users[0].IP);
    m_api.ICQAPIUtil_FreeUsers(count, users);

    // Ann, online and in a group, appears in both lists; offline Bob in neither.
    ICQAPI_Group* groups = nullptr;
    ASSERT_TRUE(m_api.ICQAPICall_GetGroupOnlineListDetails(&count, &groups));
    ASSERT_EQ(2, count);
    EXPECT_STREQ("Friends", groups[0].Name);
    EXPECT_EQ((std::vector<int>{1001, 1005}), Numbers(groups[0].Users, groups[0].UserCount));
    EXPECT_STREQ("Work", groups[1].Name);
    EXPECT_EQ((std::vector<int>{1003}), Numbers(groups[1].Users, groups[1].UserCount));
    for (int i = 0; i < count; ++i)
        m_api.ICQAPIUtil_FreeGroup(&groups[i]);

    ICQAPI_User stranger = {};
    stranger.Uin = 4242;
    EXPECT_FALSE(m_api.ICQAPICall_GetFullUserData(&stranger));
    EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_FOUND), GetLastError());
}

TEST_F(IcqApiTest, AnEmptyContactListGivesNoUsersAndNoGroups)
{
    DeleteFileW(m_folder / L"Contacts.ini");
    int count = -1;
    ICQAPI_User* users = reinterpret_cast<ICQAPI_User*>(1);
    ASSERT_TRUE(m_api.ICQAPICall_GetOnlineListDetails(&count, &users));
    EXPECT_EQ(0, count);
    EXPECT_EQ(nullptr, users);
    ICQAPI_Group* groups = reinterpret_cast<ICQAPI_Group*>(1);
    ASSERT_TRUE(m_api.ICQAPICall_GetGroupOnlineListDetails(&count, &groups));
    EXPECT_EQ(0, count);
    EXPECT_EQ(nullptr, groups);
}

TEST_F(IcqApiTest, SettingUpChecksTheCredentialsAndTheVersion)
{
    EXPECT_TRUE(m_api.ICQAPICall_SetLicenseKey("Vellumor", "", "VELL-0001"));
    EXPECT_FALSE(m_api.ICQAPICall_SetLicenseKey("", "", "VELL-0001"));
    EXPECT_FALSE(m_api.ICQAPICall_SetLicenseKey("Vellumor", "", nullptr));

    int version = Version();
    ASSERT_GE(version, 1);
    const int both[] = {ICQAPI_NOTIFY_ONLINELIST, ICQAPI_NOTIFY_GROUPLIST};
    const int unknown[] = {2};
    EXPECT_FALSE(m_api.ICQAPICall_RegisterNotify(version + 1, 2, both));
    EXPECT_FALSE(m_api.ICQAPICall_RegisterNotify(version, 1, unknown));
    EXPECT_FALSE(m_api.ICQAPIUtil_SetUserNotificationFunc(2, RecordNotification));
    EXPECT_TRUE(m_api.ICQAPICall_RegisterNotify(version, 2, both));
    EXPECT_TRUE(m_api.ICQAPICall_RegisterNotify(version, 0, nullptr));
}

TEST_F(IcqApiTest, SendingAFileCopiesItIntoTheUsersFolder)
{
    CString path = WriteTestFile(L"Vell Image1.bmp");
    ASSERT_TRUE(m_api.ICQAPICall_SendFile(1001, path.ToAnsi().c_str()));
    ASSERT_TRUE(m_api.ICQAPICall_SendFile(1001, path.ToAnsi().c_str()));
    CString received = m_folder / L"Files\\1001";
    EXPECT_EQ(std::string(kFileBytes, sizeof(kFileBytes) - 1), ReadBytes(received + L"\\Vell Image1.bmp"));
    EXPECT_EQ(std::string(kFileBytes, sizeof(kFileBytes) - 1), ReadBytes(received + L"\\Vell Image1 (2).bmp"));
}

TEST_F(IcqApiTest, ASendThatCannotReachTheUserFailsWithTheReason)
{
    CString path = WriteTestFile(L"VellImage1.bmp");
    struct Case
    {
        int uin;
        CString file;
        DWORD error;
    } cases[] = {
        {4242, path, ERROR_NOT_FOUND},
        {1002, path, ERROR_NOT_CONNECTED},
        {1001, m_folder / L"gone.bmp", ERROR_FILE_NOT_FOUND},
        {1001, L"", ERROR_FILE_NOT_FOUND},
    };
    for (const Case& c : cases)
    {
        SetLastError(0);
        EXPECT_FALSE(m_api.ICQAPICall_SendFile(c.uin, c.file.ToAnsi().c_str())) << c.uin;
        EXPECT_EQ(c.error, GetLastError()) << c.uin;
    }
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(m_folder / L"Files\\4242"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(m_folder / L"Files\\1002"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(m_folder / L"Files\\1001\\gone.bmp"));
}

TEST_F(IcqApiTest, AClientThatIsNotRunningAnswersNothing)
{
    int version = Version();
    CString path = WriteTestFile(L"VellImage1.bmp");
    Write(L"Client", L"Running", L"0");

    int count = -1;
    ICQAPI_User* users = nullptr;
    ICQAPI_Group* groups = nullptr;
    ICQAPI_User user = {};
    user.Uin = 1001;
    const int both[] = {ICQAPI_NOTIFY_ONLINELIST, ICQAPI_NOTIFY_GROUPLIST};
    std::string file = path.ToAnsi();
    const std::pair<const char*, std::function<BOOL()>> calls[] = {
        {"SetLicenseKey", [&] { return m_api.ICQAPICall_SetLicenseKey("Vellumor", "", "VELL-0001"); }},
        {"GetVersion", [&] { return m_api.ICQAPICall_GetVersion(&version); }},
        {"GetOnlineListDetails", [&] { return m_api.ICQAPICall_GetOnlineListDetails(&count, &users); }},
        {"GetGroupOnlineListDetails", [&] { return m_api.ICQAPICall_GetGroupOnlineListDetails(&count, &groups); }},
        {"GetFullUserData", [&] { return m_api.ICQAPICall_GetFullUserData(&user); }},
        {"RegisterNotify", [&] { return m_api.ICQAPICall_RegisterNotify(version, 2, both); }},
        {"SendFile", [&] { return m_api.ICQAPICall_SendFile(1001, file.c_str()); }},
    };
    for (const auto& call : calls)
    {
        SetLastError(0);
        EXPECT_FALSE(call.second()) << call.first;
        EXPECT_EQ(static_cast<DWORD>(ERROR_SERVICE_NOT_ACTIVE), GetLastError()) << call.first;
    }
    EXPECT_EQ(0, count);
    EXPECT_EQ(nullptr, users);
    EXPECT_EQ(nullptr, groups);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(m_folder / L"Files"));
}

TEST_F(IcqApiTest, WithoutTheLibraryEveryCallFails)
{
    CIcqApiLibrary absent(L"NoSuchIcqApi.dll");
    EXPECT_FALSE(absent.IsLoaded());
    int version = 0;
    EXPECT_FALSE(absent.ICQAPICall_GetVersion(&version));
    EXPECT_EQ(static_cast<DWORD>(ERROR_MOD_NOT_FOUND), GetLastError());
    EXPECT_FALSE(absent.ICQAPICall_SetLicenseKey("Vellumor", "", "VELL-0001"));
    EXPECT_FALSE(absent.ICQAPICall_SendFile(1001, "C:\\VellImage1.bmp"));
    EXPECT_EQ(static_cast<DWORD>(ERROR_MOD_NOT_FOUND), GetLastError());
}

TEST_F(IcqApiTest, EditsOfTheContactListAreReportedForTheRegisteredListsOnly)
{
    int version = Version();
    ASSERT_TRUE(m_api.ICQAPIUtil_SetUserNotificationFunc(ICQAPI_NOTIFY_ONLINELIST, RecordNotification));
    ASSERT_TRUE(m_api.ICQAPIUtil_SetUserNotificationFunc(ICQAPI_NOTIFY_GROUPLIST, RecordNotification));
    const int groupsOnly[] = {ICQAPI_NOTIFY_GROUPLIST};
    ASSERT_TRUE(m_api.ICQAPICall_RegisterNotify(version, 1, groupsOnly));

    // A new user without a group changes the online list only, which is not reported;
    // Dora joining a group then is.
    AddUser(1006, L"Finn", nullptr);
    Write(L"User 1004", L"Group", L"Work");
    PumpUntil([] { return !g_notifications.empty(); });
    EXPECT_EQ(std::vector<int>{ICQAPI_NOTIFY_GROUPLIST}, g_notifications);

    const int both[] = {ICQAPI_NOTIFY_ONLINELIST, ICQAPI_NOTIFY_GROUPLIST};
    ASSERT_TRUE(m_api.ICQAPICall_RegisterNotify(version, 2, both));
    g_notifications.clear();
    Write(L"User 1006", L"Nickname", L"Finnegan");
    PumpUntil([] { return !g_notifications.empty(); });
    EXPECT_EQ(std::vector<int>{ICQAPI_NOTIFY_ONLINELIST}, g_notifications);

    EXPECT_TRUE(m_api.ICQAPICall_RegisterNotify(version, 0, nullptr));
    m_api.ICQAPIUtil_SetUserNotificationFunc(ICQAPI_NOTIFY_ONLINELIST, nullptr);
    m_api.ICQAPIUtil_SetUserNotificationFunc(ICQAPI_NOTIFY_GROUPLIST, nullptr);
}
} // namespace
