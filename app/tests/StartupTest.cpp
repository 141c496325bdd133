// The program's start, its windows and resources, a second start, and its end.
#include "app/AppIds.h"
#include "app/tests/ProfileFixture.h"
#include "testing/TestRoot.h"

#include <vector>

namespace app_test
{
namespace
{
class StartupTest : public ProfileFixture
{
};

TEST_F(StartupTest, FirstStartShowsEveryWindowAndFillsTheProfile)
{
    StartProgram();
    struct Part
    {
        UINT id;
        const wchar_t* text; // null: any
    };
    const Part parts[] = {
        {0xE800, L"Main Toolbar"},           {IDW_TOOLBAR_MISC, L"Miscellaneous Toolbar"},
        {0xE801, nullptr},                   {IDW_BAR_CAPTURE_TYPES, L"Capture Types"},
        {IDW_BAR_OUTPUT, L"Output"},         {100, nullptr} /* the capture-type tree */,
        {20000, nullptr} /* output window */, {0xE900, nullptr} /* the splitter */,
    };
    for (const Part& part : parts)
    {
        HWND child = program.ChildById(part.id);
        ASSERT_NE(nullptr, child) << part.id;
        EXPECT_TRUE(IsWindowVisible(child)) << part.id;
        if (part.text)
        {
            EXPECT_STREQ(part.text, TextOf(child).GetString());
        }
    }
    EXPECT_NE(-1, TextOf(program.Window()).Find(L"Screen Capture"));
    EXPECT_EQ(0, program.Exit());

    // The recent list starts with the default configuration of the program's folder.
    EXPECT_STREQ(TestProgramFolder() + L"\\DefaultConfig.xml",
                 ReadString(HKEY_CURRENT_USER, CString(kProductKey) + L"\\Recent Config Files", L"File1"));
    const CString imagePath = ReadString(HKEY_LOCAL_MACHINE, CString(kProductKey) + L"\\ScreenSaver", L"ImgPath");
    EXPECT_EQ(imagePath.GetLength() - 13, imagePath.Find(L"\\Screen Saver")) << imagePath.GetString();
    EXPECT_FALSE(ReadString(HKEY_CURRENT_USER, CString(kProductKey) + L"\\PersistWndSetts", L"WindowPos").IsEmpty());
}

TEST_F(StartupTest, ALaterStartKeepsAListThatHoldsEntries)
{
    const CString recentKey = CString(kProductKey) + L"\\Recent Config Files";
    RegSetKeyValueW(HKEY_CURRENT_USER, recentKey, L"File1", REG_SZ, L"C:\\other.xml", sizeof L"C:\\other.xml");
    StartProgram();
    EXPECT_EQ(0, program.Exit());
    EXPECT_STREQ(L"C:\\other.xml", ReadString(HKEY_CURRENT_USER, recentKey, L"File1").GetString());
    EXPECT_TRUE(ReadString(HKEY_CURRENT_USER, recentKey, L"File2").IsEmpty());
}

TEST_F(StartupTest, ASecondStartEndsAndBringsTheFirstForward)
{
    StartProgram();
    ShowWindow(program.Window(), SW_MINIMIZE);
    ASSERT_TRUE(WaitFor([&] { return IsIconic(program.Window()) != FALSE; }));
    EXPECT_EQ(0, MainProgram::StartSecondInstance());
    EXPECT_TRUE(WaitFor([&] { return !IsIconic(program.Window()); }));
}

// The resources as the program carries them.
class ResourceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        module = LoadLibraryExW(TestProgramFolder() + L"\\Vellumor.exe", nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(nullptr, module);
    }
    void TearDown() override { FreeLibrary(module); }

    // The items of a pop-up as "text=id" ("-" for a separator, "text>" for a submenu).
    static std::vector<CString> Items(HMENU menu)
    {
        std::vector<CString> items;
        for (int i = 0; i < GetMenuItemCount(menu); ++i)
        {
            wchar_t text[128] = {};
            GetMenuStringW(menu, i, text, 128, MF_BYPOSITION);
            UINT id = GetMenuItemID(menu, i);
            CString item;
            if (GetSubMenu(menu, i))
                item.Format(L"%s>", text);
            else if (id == 0)
                item = L"-";
            else
                item.Format(L"%s=%u", text, id);
            items.push_back(item);
        }
        return items;
    }
    static CString Joined(const std::vector<CString>& items)
    {
        CString all;
        for (const CString& item : items)
            all += item + L"|";
        return all;
    }

    HMODULE module = nullptr;
};

TEST_F(ResourceTest, MainMenuHoldsEveryCommandInOrder)
{
    HMENU menu = LoadMenuW(module, MAKEINTRESOURCEW(IDR_MAINFRAME));
    ASSERT_NE(nullptr, menu);
    const wchar_t* const expected[] = {
        L"&Open Configuration=32876|Save &Configuration=32877|-|Page &Setup=57605|&Print...=57607|-|"
        L"&Recent Configuration Files>|-|E&xit=57665|",
        L"&Undo\tCtrl+Z=57643|-|Cu&t\tCtrl+X=57635|&Copy\tCtrl+C=57634|C&lear All\tCtrl+L=57633|"
        L"&Paste\tCtrl+V=57637|-|&Select All\tCtrl+A=57642|",
        L"Main &Toolbar=59392|&Miscellaneous Toolbar=32872|&Status Bar=59393|-|&Capture Types=32853|"
        L"&Output=286|-|&Hide=32855|",
        L"&Record=251|&Play=291|Pa&use=292|Resu&me=293|&Stop=255|-|Repeat &Last Screen Capture=284|"
        L"S&how Last Screen Capture=285|",
        L"&Errors Log=288|&Tasks Manager=289|-|&Find=290|-|&Options...=32858|",
        L"&Content...=135|-|&About ...=57664|",
    };
    const wchar_t* const titles[] = {L"&File", L"&Edit", L"&View", L"&Actions", L"&Tools", L"&Help"};
    ASSERT_EQ(6, GetMenuItemCount(menu));
    for (int i = 0; i < 6; ++i)
    {
        wchar_t title[32] = {};
        GetMenuStringW(menu, i, title, 32, MF_BYPOSITION);
        EXPECT_STREQ(titles[i], title);
        EXPECT_STREQ(expected[i], Joined(Items(GetSubMenu(menu, i))).GetString());
    }
    HMENU recent = GetSubMenu(GetSubMenu(menu, 0), 6);
    EXPECT_STREQ(L"Empty=353|Empty=354|Empty=355|Empty=356|Empty=357|Empty=358|Empty=359|Empty=360|",
                 Joined(Items(recent)).GetString());
    DestroyMenu(menu);
}

// RT_TOOLBAR: version, button width, height, count, then the command ids (0: separator).
std::vector<WORD> ToolBarResource(HMODULE module, UINT id)
{
    HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(241));
    if (!info)
        return {};
    auto* words = static_cast<const WORD*>(LockResource(LoadResource(module, info)));
    return std::vector<WORD>(words, words + 4 + words[3]);
}

TEST_F(ResourceTest, ToolbarsHoldTheirButtonsInOrder)
{
    const std::vector<WORD> main = {1,     20,    19,  12,  57635, 57634, 57637, 0,
                                    251,   291,   292, 293, 255,   0,     284,   285};
    const std::vector<WORD> misc = {1, 19, 18, 11, 32876, 32877, 0, 57605, 57607, 0, 288, 290, 0, 135, 57664};
    EXPECT_EQ(main, ToolBarResource(module, IDR_MAINFRAME));
    EXPECT_EQ(misc, ToolBarResource(module, IDR_TOOLBAR_MISC));
}

TEST_F(ResourceTest, AcceleratorsAndPrompts)
{
    HACCEL table = LoadAcceleratorsW(module, MAKEINTRESOURCEW(IDR_MAINFRAME));
    ASSERT_NE(nullptr, table);
    ACCEL keys[16] = {};
    const int count = CopyAcceleratorTableW(table, keys, 16);
    struct Key
    {
        BYTE modifiers;
        WORD key;
        WORD command;
    };
    const Key expected[] = {
        {FCONTROL, 'C', 57634},     {FCONTROL, VK_INSERT, 57634}, {FCONTROL, 'V', 57637},
        {FSHIFT, VK_INSERT, 57637}, {FCONTROL, 'X', 57635},       {FSHIFT, VK_DELETE, 57635},
        {FCONTROL, 'Z', 57643},     {FALT, VK_BACK, 57643},       {0, VK_F6, 57680},
        {FSHIFT, VK_F6, 57681},
    };
    ASSERT_EQ(10, count);
    for (int i = 0; i < count; ++i)
    {
        EXPECT_EQ(expected[i].modifiers | FVIRTKEY, keys[i].fVirt & ~0x80) << i;
        EXPECT_EQ(expected[i].key, keys[i].key) << i;
        EXPECT_EQ(expected[i].command, keys[i].cmd) << i;
    }
    wchar_t text[256] = {};
    LoadStringW(module, 251, text, 256);
    EXPECT_STREQ(L"Start capturing based on current selected option\nRecord", text);
    LoadStringW(module, 32855, text, 256);
    EXPECT_STREQ(L"Hide the application's main window", text);
    LoadStringW(module, 57345, text, 256);
    EXPECT_STREQ(L"Ready", text);
}
} // namespace
} // namespace app_test
