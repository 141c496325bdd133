// The property and settings pages in the program's views and in its Properties dialog:
// a type chosen in the capture-type tree shows its pages in both views; an edit reaches
// the live record and the registry only through Save (No to the question on leaving it
// drops it); the edit keys work in a page's field; a capture whose record asks for its
// dialog shows the live record's pages.
#include "app/AppIds.h"
#include "app/tests/ProfileFixture.h"
#include "app/tests/ProgramInput.h"
#include "capture/pages/PagesIds.h"
#include "Info/InfoScFile.h"
#include "Info/InfoScSettings.h"
#include "testing/TestClipboard.h"
#include "testing/TestFolder.h"
#include "testing/TestInput.h"

#include <commctrl.h>

namespace app_test
{
namespace
{
const UINT kTreeId = 100;
const UINT kLowerPaneId = 0xE910;
// Places in the capture-type tree: the kind's index, the child's (-1: the kind itself).
struct TreePlace
{
    int kind;
    int child;
};
const TreePlace kScreenCapture = {0, -1};
const TreePlace kClipboard = {0, 0};
const TreePlace kFile = {0, 4};

LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, 10000, &result);
    return static_cast<LRESULT>(result);
}

// An edit's text, asked of its process (the window's own text is not the edit's).
CString EditText(HWND edit)
{
    wchar_t text[256] = {};
    Ask(edit, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
}

// Clicks into the edit and selects its whole text with Home, Shift+End.
void SelectAllOf(HWND edit)
{
    ClickCenterOf(edit);
    PressTogether({VK_HOME});
    PressTogether({VK_SHIFT, VK_END});
}

void TypeOver(HWND edit, const wchar_t* text)
{
    SelectAllOf(edit);
    TypeTextSettled(text);
}

CString StoredFileName()
{
    InfoScFile stored;
    stored.LoadFromRegistry();
    return stored.FName;
}

class PagesTest : public ProfileFixture
{
protected:
    void SetUp() override
    {
        ProfileFixture::SetUp();
        savedFile.LoadFromRegistry();
        savedSettings.LoadFromRegistry();
        InfoScFile file(L"before", folder.Path(), FT_BMP, false, false, 0, 1);
        file.SaveToRegistry(0);
        InfoScSettings settings;
        settings.Clear();
        settings.SetSelection(SP_SC_FILE, true);
        settings.SaveToRegistry(0);
    }
    void TearDown() override
    {
        ProfileFixture::TearDown();
        savedFile.SaveToRegistry(0);
        savedSettings.SaveToRegistry(0);
    }

    LPARAM TreeItem(TreePlace place) const
    {
        HWND tree = program.ChildById(kTreeId);
        auto item = reinterpret_cast<LPARAM>(Ask(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
        for (int i = 0; i < place.kind; ++i)
            item = Ask(tree, TVM_GETNEXTITEM, TVGN_NEXT, item);
        if (place.child >= 0)
            item = Ask(tree, TVM_GETNEXTITEM, TVGN_CHILD, item);
        for (int i = 0; i < place.child; ++i)
            item = Ask(tree, TVM_GETNEXTITEM, TVGN_NEXT, item);
        return item;
    }
    // Chooses the tree's item as the tree's own selection does it. Sent: the program
    // shows the type in both views before the tree's selection message returns.
    void Choose(TreePlace place) const { Ask(program.ChildById(kTreeId), TVM_SELECTITEM, TVGN_CARET, TreeItem(place)); }
    // Posted, for a choice that asks first: the question's box would hold up a sent one.
    void ChooseAsking(TreePlace place) const
    {
        PostMessageW(program.ChildById(kTreeId), TVM_SELECTITEM, TVGN_CARET, TreeItem(place));
    }
    // The visible control of the id, once there is one (a hidden page may hold one too).
    HWND WaitForShown(UINT id) const
    {
        HWND found = nullptr;
        WaitFor([&] { return (found = program.ShownChildById(id)) != nullptr; });
        return found;
    }
    bool WaitForTitle(const wchar_t* title) const
    {
        return WaitFor([&] { return TextOf(program.ChildById(IDC_PROPS_TITLE)) == title; });
    }
    // Shows the File pages; their name field, once it shows the text.
    HWND ShowFileName(const wchar_t* expected) const
    {
        Choose(kFile);
        EXPECT_TRUE(WaitForTitle(L"File"));
        HWND name = WaitForShown(IDC_FILE_NAME);
        EXPECT_TRUE(WaitFor([&] { return EditText(name) == expected; })) << EditText(name).GetString();
        return name;
    }
    bool SaveEnabled() const { return IsWindowEnabled(program.ChildById(IDC_PROPS_SAVE)) != FALSE; }

    TestFolder folder;
    InfoScFile savedFile;
    InfoScSettings savedSettings;
};

TEST_F(PagesTest, AChosenTypeShowsItsPagesInBothViews)
{
    StartProgram();
    HWND name = ShowFileName(L"before");
    ASSERT_NE(nullptr, name);
    EXPECT_TRUE(IsChild(program.ChildById(kLowerPaneId), name));

    Choose(kScreenCapture);
    ASSERT_TRUE(WaitForTitle(L"Screen Capture"));
    HWND kinds = WaitForShown(IDC_CAPTURE_TYPE_LIST);
    ASSERT_NE(nullptr, kinds);
    EXPECT_TRUE(IsChild(program.ChildById(kLowerPaneId), kinds));
    HWND settingsText = WaitForShown(IDC_CAPTURE_TYPE_TEXT);
    ASSERT_NE(nullptr, settingsText);
    EXPECT_FALSE(IsChild(program.ChildById(kLowerPaneId), settingsText));
    EXPECT_NE(L"", TextOf(settingsText));
    EXPECT_EQ(nullptr, program.ChildById(IDC_FILE_NAME)) << "the File pages are gone";
}

TEST_F(PagesTest, AnEditReachesTheRecordOnlyThroughSave)
{
    StartProgram();
    HWND name = ShowFileName(L"before");
    ASSERT_NE(nullptr, name);
    TypeOver(name, L"after");
    ASSERT_TRUE(WaitFor([&] { return SaveEnabled(); }));
    EXPECT_EQ(L"before", StoredFileName());

    // Leaving the edited pages asks; No drops the edit.
    ChooseAsking(kClipboard);
    Box question = program.WaitForBox(
        L"The current capture's properties have been modified. Do you want to save them?");
    ASSERT_TRUE(MainProgram::Answer(question, IDNO));
    ASSERT_TRUE(WaitForTitle(L"Clipboard"));
    EXPECT_EQ(L"before", StoredFileName());
    name = ShowFileName(L"before");
    ASSERT_NE(nullptr, name);

    TypeOver(name, L"after");
    ASSERT_TRUE(WaitFor([&] { return SaveEnabled(); }));
    ClickCenterOf(program.ChildById(IDC_PROPS_SAVE));
    EXPECT_TRUE(WaitFor([&] { return !SaveEnabled(); }));
    EXPECT_EQ(L"after", StoredFileName());
    // The live record holds the saved name: the pages built again show it, asking nothing.
    Choose(kClipboard);
    ASSERT_TRUE(WaitForTitle(L"Clipboard"));
    EXPECT_TRUE(program.Boxes().empty());
    EXPECT_NE(nullptr, ShowFileName(L"after"));
}

// A double click on a row of the kind's page shows that type, selected in the tree too.
TEST_F(PagesTest, ADoubleClickOnAKindsRowShowsThatType)
{
    StartProgram();
    Choose(kScreenCapture);
    ASSERT_TRUE(WaitForTitle(L"Screen Capture"));
    HWND list = WaitForShown(IDC_CAPTURE_TYPE_LIST);
    ASSERT_NE(nullptr, list);
    RECT header = {};
    GetWindowRect(FindWindowExW(list, nullptr, WC_HEADERW, nullptr), &header);
    ASSERT_TRUE(DoubleClickAt(list, {header.left + 30, header.bottom + 8}));
    EXPECT_TRUE(WaitForTitle(L"Clipboard")) << TextOf(program.ChildById(IDC_PROPS_TITLE)).GetString();
    EXPECT_EQ(TreeItem(kClipboard), Ask(program.ChildById(kTreeId), TVM_GETNEXTITEM, TVGN_CARET, 0));
}

// The program's edit keys work in a page's field: both copy keys, cut, and paste.
TEST_F(PagesTest, EditKeysCopyCutAndPasteInAPageField)
{
    StartProgram();
    HWND name = ShowFileName(L"before");
    ASSERT_NE(nullptr, name);
    TypeOver(name, L"after");
    ASSERT_TRUE(WaitFor([&] { return EditText(name) == L"after"; }));
    const WORD copyKeys[][2] = {{'C', VK_CONTROL}, {VK_INSERT, VK_CONTROL}};
    for (const auto& keys : copyKeys)
    {
        ClearClipboard();
        SelectAllOf(name);
        PressTogether({keys[1], keys[0]});
        EXPECT_TRUE(WaitFor([] { return ClipboardText() == L"after"; })) << keys[0];
    }
    ClearClipboard();
    SelectAllOf(name);
    PressTogether({VK_SHIFT, VK_DELETE});
    EXPECT_TRUE(WaitFor([&] { return EditText(name).IsEmpty() && ClipboardText() == L"after"; }));
    PressTogether({VK_SHIFT, VK_INSERT});
    EXPECT_TRUE(WaitFor([&] { return EditText(name) == L"after"; }));
}

TEST_F(PagesTest, ACaptureWhoseRecordAsksShowsItsPagesInThePropertiesDialog)
{
    InfoScFile file(L"before", folder.Path(), FT_BMP, false, true, 0, 1);
    file.SaveToRegistry(0);
    StartProgram();
    program.Post(ID_CAPTURE_RECORD);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (dialog = program.TopLevelByText(L"Properties")) != nullptr; }))
        << program.Describe().GetString();
    HWND name = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        name = nullptr;
        EnumChildWindows(
            dialog,
            [](HWND child, LPARAM found) {
                if (GetDlgCtrlID(child) != IDC_FILE_NAME)
                    return TRUE;
                *reinterpret_cast<HWND*>(found) = child;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&name));
        return name != nullptr;
    }));
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(name) != FALSE; }));
    EXPECT_EQ(L"before", EditText(name));
    EXPECT_TRUE(MainProgram::Answer({dialog, L""}, IDCANCEL));
    // Cancelled: nothing was captured and nothing else was asked.
    EXPECT_TRUE(program.NoBoxFor(1000));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(folder / L"before.bmp"));
}
} // namespace
} // namespace app_test
