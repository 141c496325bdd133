#include "common/CMruFileManager.h"
#include "testing/ScratchProfileTest.h"

#include <cwchar>
#include <memory>
#include <vector>

namespace
{
bool EndsWithNoCase(const wchar_t* path, const wchar_t* extension)
{
    size_t length = wcslen(path), extensionLength = wcslen(extension);
    return length > extensionLength && _wcsicmp(path + length - extensionLength, extension) == 0;
}

bool IsConfigFile(const wchar_t* fullPath)
{
    return EndsWithNoCase(fullPath, L".xml");
}

bool IsNoteFile(const wchar_t* fullPath)
{
    return EndsWithNoCase(fullPath, L".txt");
}

CString MenuText(HMENU menu, int position)
{
    wchar_t text[256] = L"";
    GetMenuStringW(menu, position, text, ARRAYSIZE(text), MF_BYPOSITION);
    return CString(text);
}

bool IsGrayed(HMENU menu, int position)
{
    return (GetMenuState(menu, position, MF_BYPOSITION) & MF_GRAYED) != 0;
}

// Two lists, as a program with configuration files and notes would keep them.
class CMruFileManagerTest : public ScratchProfileTest
{
protected:
    static constexpr const wchar_t* kConfigSection = L"Recent Config Files";
    static constexpr const wchar_t* kNoteSection = L"Recent Notes";

    std::unique_ptr<CMruFileManager> NewManager()
    {
        std::unique_ptr<CMruFileManager> manager(new CMruFileManager([this](const wchar_t* path) {
            m_opened.push_back(CString(path));
            return m_openSucceeds;
        }));
        manager->AddMruList(353, kConfigSection, L"File%d", IsConfigFile, 8, false, 0);
        manager->AddMruList(400, kNoteSection, L"Note%d", IsNoteFile, 4, false, 0);
        return manager;
    }

    static const CRecentFileList2& Configs(const CMruFileManager& manager) { return *manager.FindListByCommandId(353); }

    // Runs the manager's update over a pop-up as its window would on WM_INITMENUPOPUP;
    // returns the ids of the items the manager left to other handlers.
    static std::vector<UINT> UpdatePopup(CMruFileManager& manager, HMENU popup)
    {
        std::vector<UINT> leftOver;
        CCmdUI::UpdatePopupMenu(popup, [&](CCmdUI& item) {
            if (!manager.OnUpdateRecentFile(&item))
                leftOver.push_back(item.m_nID);
        });
        return leftOver;
    }

    std::vector<CString> m_opened;
    bool m_openSucceeds = true;
};
} // namespace

TEST_F(CMruFileManagerTest, FilesGoToTheListThatAcceptsThemAndSurviveInTheProfile)
{
    auto manager = NewManager();
    EXPECT_TRUE(manager->AddToRecentFileList(L"C:\\configs\\a.xml"));
    EXPECT_TRUE(manager->AddToRecentFileList(L"C:\\configs\\b.XML"));
    EXPECT_TRUE(manager->AddToRecentFileList(L"C:\\notes\\n.txt"));
    EXPECT_FALSE(manager->AddToRecentFileList(L"C:\\pictures\\p.bmp"));
    EXPECT_FALSE(manager->AddToRecentFileList(L"C:\\configs\\old.xml.bak"));
    manager.reset();

    EXPECT_EQ(CString(L"C:\\configs\\b.XML"), StoredText(kConfigSection, L"File1"));
    EXPECT_EQ(CString(L"C:\\configs\\a.xml"), StoredText(kConfigSection, L"File2"));
    EXPECT_FALSE(ValueExists(kConfigSection, L"File3"));
    EXPECT_EQ(CString(L"C:\\notes\\n.txt"), StoredText(kNoteSection, L"Note1"));

    manager = NewManager();
    EXPECT_EQ(CString(L"C:\\configs\\b.XML"), Configs(*manager)[0]);
    EXPECT_EQ(CString(L"C:\\configs\\a.xml"), Configs(*manager)[1]);
    EXPECT_EQ(CString(), Configs(*manager)[2]);
}

TEST_F(CMruFileManagerTest, ARelativePathIsStoredInFull)
{
    wchar_t folder[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, folder);
    auto manager = NewManager();
    ASSERT_TRUE(manager->AddToRecentFileList(L"relative.xml"));
    CString expected(folder);
    if (expected.Right(1) != L"\\")
        expected += L"\\";
    EXPECT_EQ(expected + L"relative.xml", Configs(*manager)[0]);
}

TEST_F(CMruFileManagerTest, HasRecentFileLooksAtTheListThatWouldTakeThePath)
{
    auto manager = NewManager();
    EXPECT_FALSE(manager->HasRecentFile(L"C:\\any.xml"));
    manager->AddToRecentFileList(L"C:\\notes\\n.txt");
    EXPECT_FALSE(manager->HasRecentFile(L"C:\\any.xml"));
    EXPECT_TRUE(manager->HasRecentFile(L"C:\\other.txt"));
    EXPECT_FALSE(manager->HasRecentFile(L"C:\\pictures\\p.bmp")); // no list takes it
}

TEST_F(CMruFileManagerTest, NewestFirstWithoutRepeatsAndTheOldestDropsOff)
{
    auto manager = NewManager();
    for (int i = 1; i <= 9; ++i)
    {
        CString path;
        path.Format(L"C:\\f\\f%d.xml", i);
        manager->AddToRecentFileList(path);
    }
    manager->AddToRecentFileList(L"C:\\F\\F5.XML"); // already listed, in another case
    const wchar_t* expected[] = {L"C:\\F\\F5.XML", L"C:\\f\\f9.xml", L"C:\\f\\f8.xml", L"C:\\f\\f7.xml",
                                 L"C:\\f\\f6.xml", L"C:\\f\\f4.xml", L"C:\\f\\f3.xml", L"C:\\f\\f2.xml"};
    const CRecentFileList2& list = Configs(*manager);
    ASSERT_EQ(8, list.GetSize());
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(CString(expected[i]), list[i]) << "entry " << i;
}

TEST_F(CMruFileManagerTest, CommandIdsBelongToTheListOfTheirRange)
{
    auto manager = NewManager();
    CRecentFileList2* configs = manager->FindListByCommandId(353);
    CRecentFileList2* notes = manager->FindListByCommandId(400);
    ASSERT_NE(nullptr, configs);
    ASSERT_NE(nullptr, notes);
    ASSERT_NE(configs, notes);
    const struct
    {
        UINT id;
        CRecentFileList2* list;
    } cases[] = {{352, nullptr}, {353, configs}, {360, configs}, {361, nullptr},
                 {399, nullptr}, {400, notes},   {403, notes},   {404, nullptr}};
    for (const auto& c : cases)
        EXPECT_EQ(c.list, manager->FindListByCommandId(c.id)) << "id " << c.id;
}

TEST_F(CMruFileManagerTest, ARecentFileThatCannotBeOpenedLeavesTheList)
{
    auto manager = NewManager();
    manager->AddToRecentFileList(L"C:\\configs\\a.xml");
    manager->AddToRecentFileList(L"C:\\configs\\b.xml");

    m_openSucceeds = false;
    EXPECT_TRUE(manager->OnOpenRecentFile(354));
    ASSERT_EQ(1u, m_opened.size());
    EXPECT_EQ(CString(L"C:\\configs\\a.xml"), m_opened[0]);
    EXPECT_EQ(CString(L"C:\\configs\\b.xml"), Configs(*manager)[0]);
    EXPECT_EQ(CString(), Configs(*manager)[1]);

    m_openSucceeds = true;
    EXPECT_TRUE(manager->OnOpenRecentFile(353));
    EXPECT_EQ(CString(L"C:\\configs\\b.xml"), m_opened.back());
    EXPECT_EQ(CString(L"C:\\configs\\b.xml"), Configs(*manager)[0]);

    m_opened.clear();
    EXPECT_TRUE(manager->OnOpenRecentFile(355)); // an empty entry: handled, nothing to open
    EXPECT_FALSE(manager->OnOpenRecentFile(361));
    EXPECT_TRUE(m_opened.empty());
}

TEST_F(CMruFileManagerTest, TheMenuShowsOneNumberedItemPerEntryInPlaceOfThePlaceholder)
{
    auto manager = NewManager();
    HMENU popup = CreatePopupMenu();
    AppendMenuW(popup, MF_STRING, 100, L"&Open");
    AppendMenuW(popup, MF_STRING, 353, L"Recent File");
    AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(popup, MF_STRING, 101, L"E&xit");

    EXPECT_EQ((std::vector<UINT>{100, 101}), UpdatePopup(*manager, popup));
    ASSERT_EQ(4, GetMenuItemCount(popup));
    EXPECT_EQ(CString(L"Recent File"), MenuText(popup, 1));
    EXPECT_TRUE(IsGrayed(popup, 1));

    manager->AddToRecentFileList(L"C:\\R&D\\b.xml");
    manager->AddToRecentFileList(L"C:\\a very long folder name\\another folder\\config.xml");
    for (int round = 0; round < 2; ++round) // a second update replaces the first one's items
    {
        UpdatePopup(*manager, popup);
        ASSERT_EQ(5, GetMenuItemCount(popup));
        EXPECT_EQ(CString(L"&1 C:\\...\\config.xml"), MenuText(popup, 1));
        EXPECT_EQ(CString(L"&2 C:\\R&&D\\b.xml"), MenuText(popup, 2));
        EXPECT_EQ(353u, GetMenuItemID(popup, 1));
        EXPECT_EQ(354u, GetMenuItemID(popup, 2));
        EXPECT_FALSE(IsGrayed(popup, 1));
        EXPECT_EQ(101u, GetMenuItemID(popup, 4));
    }

    manager->FindListByCommandId(353)->Remove(0);
    manager->FindListByCommandId(353)->Remove(0);
    UpdatePopup(*manager, popup);
    ASSERT_EQ(4, GetMenuItemCount(popup));
    EXPECT_EQ(CString(L"Recent File"), MenuText(popup, 1));
    EXPECT_TRUE(IsGrayed(popup, 1));
    DestroyMenu(popup);
}

TEST_F(CMruFileManagerTest, ASubmenuOfRecentFilesIsFilledAndTheParentMenuKeptAsItWas)
{
    auto manager = NewManager();
    HMENU recent = CreatePopupMenu();
    AppendMenuW(recent, MF_STRING, 353, L"(none)");
    HMENU popup = CreatePopupMenu();
    AppendMenuW(popup, MF_STRING, 100, L"&Open");
    AppendMenuW(popup, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), L"Recent &Files");
    AppendMenuW(popup, MF_STRING, 101, L"E&xit");

    UpdatePopup(*manager, popup);
    ASSERT_EQ(1, GetMenuItemCount(recent));
    EXPECT_TRUE(IsGrayed(recent, 0));

    manager->AddToRecentFileList(L"C:\\configs\\a.xml");
    manager->AddToRecentFileList(L"C:\\configs\\b.xml");
    EXPECT_EQ((std::vector<UINT>{100, 101}), UpdatePopup(*manager, popup));
    ASSERT_EQ(2, GetMenuItemCount(recent));
    EXPECT_EQ(CString(L"&1 C:\\configs\\b.xml"), MenuText(recent, 0));
    EXPECT_EQ(CString(L"&2 C:\\configs\\a.xml"), MenuText(recent, 1));
    EXPECT_EQ(354u, GetMenuItemID(recent, 1));
    EXPECT_FALSE(IsGrayed(recent, 0));

    ASSERT_EQ(3, GetMenuItemCount(popup));
    EXPECT_EQ(recent, GetSubMenu(popup, 1));
    EXPECT_EQ(CString(L"Recent &Files"), MenuText(popup, 1));
    EXPECT_FALSE(IsGrayed(popup, 1));
    DestroyMenu(popup);
}
