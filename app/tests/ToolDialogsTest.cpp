// The Tools menu's dialogs and the last capture's picture opened from the running program,
// each answered as a user answers it, and what the answer changes.
#include "app/AppIds.h"
#include "app/tests/ProfileFixture.h"
#include "app/tests/ProgramInput.h"
#include "Info/InfoScFile.h"
#include "Info/InfoScSettings.h"
#include "common/CEventLog.h"
#include "common/PathHelpers.h"
#include "testing/TestFiles.h"
#include "testing/TestFolder.h"
#include "testing/TestInput.h"

#include <commctrl.h>

namespace app_test
{
namespace
{
// Controls of the dialogs, as their templates number them.
const UINT kLogList = 1500;
const UINT kLogClear = 1103;
const UINT kOptionsMaxLines = 1495;
const UINT kOptionsErrorLog = 1527;
const UINT kLastPicture = 1525;
const UINT kSearchList = 1530;
const UINT kSearchFind = 1531;
const UINT kSearchText = 1539;
const UINT kSearchProperties = 1542;
const UINT kSearchOutput = 1543;
const UINT kPropertiesTitle = 1508;
const UINT kOutputWindow = 20000;
const UINT kSelectionType = 1255;
const UINT kSelectionText = 1256;
const UINT kUseSelection = 1600;

LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, 10000, &result);
    return static_cast<LRESULT>(result);
}

// A click on the dialog's button as the button reports it.
void Click(HWND dialog, UINT id)
{
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// Sent, as the check box's own click would be handled before any later message: a posted
// notification would come after a command the test sends next.
void SetCheck(HWND dialog, UINT id, bool on)
{
    HWND box = GetDlgItem(dialog, id);
    Ask(box, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED);
    Ask(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(box));
}

// The text as the window gives it (a combo box gives its edit's).
CString WindowText(HWND window)
{
    wchar_t text[256] = {};
    Ask(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
}

int ItemCount(HWND list)
{
    return static_cast<int>(Ask(list, LVM_GETITEMCOUNT));
}

DWORD StoredNumber(const wchar_t* section, const wchar_t* name)
{
    DWORD value = 0;
    DWORD size = sizeof value;
    RegGetValueW(HKEY_CURRENT_USER, CString(kProductKey) + L"\\" + section, name, RRF_RT_REG_DWORD, nullptr, &value,
                 &size);
    return value;
}

class ToolDialogsTest : public ProfileFixture
{
protected:
    // The program's visible top-level window with the title; null when it never came.
    HWND WaitForWindow(const wchar_t* title)
    {
        HWND window = nullptr;
        WaitFor([&] {
            window = program.TopLevelByText(title);
            return window && IsWindowVisible(window);
        });
        return window;
    }

    ProductKeyBackup backup;
};

TEST_F(ToolDialogsTest, ErrorsLogListsTheProgramsEntryAndClearEmptiesTheLog)
{
    CEventLog log;
    ASSERT_TRUE(log.Clear(nullptr, nullptr)) << log.GetErrorText().ToAnsi();
    ASSERT_TRUE(log.Report(L"Vellumor", GetModulePath(), EVENTLOG_ERROR_TYPE, 1,
                           L"12/01/2026 10:00:05  Vellumor  Screen  Cannot save the file."));
    StartProgram();
    program.Post(ID_TOOLS_ERRORS_LOG);
    HWND logs = WaitForWindow(L"Event Log Entries");
    ASSERT_NE(nullptr, logs) << program.Describe().GetString();
    HWND list = GetDlgItem(logs, kLogList);
    EXPECT_TRUE(WaitFor([&] { return ItemCount(list) == 1; }));

    Click(logs, kLogClear);
    EXPECT_TRUE(WaitFor([&] { return ItemCount(list) == 0; }));
    CStringArray left;
    ASSERT_TRUE(log.Read(nullptr, L"Vellumor", left));
    EXPECT_EQ(0, left.GetSize());
    EXPECT_TRUE(MainProgram::Answer({logs, L""}, IDCANCEL));
}

TEST_F(ToolDialogsTest, OptionsStoreWhatIsTyped)
{
    StartProgram();
    program.Post(ID_TOOLS_OPTIONS);
    HWND options = WaitForWindow(L"Options");
    ASSERT_NE(nullptr, options) << program.Describe().GetString();
    const bool errorLog = Ask(GetDlgItem(options, kOptionsErrorLog), BM_GETCHECK) == BST_CHECKED;
    Ask(GetDlgItem(options, kOptionsMaxLines), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"250"));
    SetCheck(options, kOptionsErrorLog, !errorLog);
    EXPECT_TRUE(MainProgram::Answer({options, L""}, IDOK));
    EXPECT_EQ(250u, StoredNumber(L"Common", L"OptsOwMaxLines"));
    EXPECT_EQ(errorLog ? 0u : 1u, StoredNumber(L"Common", L"OptsOwErrLog"));
    EXPECT_TRUE(program.NoBoxFor(300));
}

// A desktop capture into the clipboard, then its picture.
TEST_F(ToolDialogsTest, LastCaptureShowsThePictureJustTaken)
{
    InfoScSettings settings;
    settings.LoadFromRegistry();
    settings.Clear();
    settings.SetSelection(SP_SC_CLIPBOARD, true);
    ASSERT_TRUE(settings.SaveToRegistry(0));
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    StartProgram();
    program.Post(ID_HOTKEY_CAPTURE_DESKTOP);
    ASSERT_TRUE(WaitFor([] { return IsClipboardFormatAvailable(CF_BITMAP) || IsClipboardFormatAvailable(CF_DIB); }));

    program.Post(ID_CAPTURE_SHOW_LAST);
    HWND last = WaitForWindow(L"Last Screen Capture Image");
    ASSERT_NE(nullptr, last) << program.Describe().GetString();
    EXPECT_NE(0, Ask(GetDlgItem(last, kLastPicture), STM_GETIMAGE, IMAGE_BITMAP));
    EXPECT_TRUE(MainProgram::Answer({last, L""}, IDOK));
}

// A timed capture asks for its selection; the rectangle typed there is what it captures.
TEST_F(ToolDialogsTest, ATimedCaptureTakesTheRectangleChosenInTheSelectionDialog)
{
    TestFolder folder;
    InfoScSettings settings;
    settings.LoadFromRegistry();
    settings.Clear();
    settings.SetSelection(SP_SC_FILE, true);
    settings.SetCaptureType(SCT_DESKTOP);
    ASSERT_TRUE(settings.SaveToRegistry(0));
    InfoScFile file(L"timed", folder.Path(), FT_BMP, false, false, 2, 1);
    ASSERT_TRUE(file.SaveToRegistry(0));
    StartProgram();
    program.Post(ID_CAPTURE_RECORD);
    HWND selection = WaitForWindow(L"Selection Type");
    ASSERT_NE(nullptr, selection) << program.Describe().GetString();
    HWND types = GetDlgItem(selection, kSelectionType);
    Ask(types, CB_SETCURSEL, SCT_RECTANGLE);
    Ask(selection, WM_COMMAND, MAKEWPARAM(kSelectionType, CBN_SELCHANGE), reinterpret_cast<LPARAM>(types));
    Ask(GetDlgItem(selection, kSelectionText), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"10,10,110,60"));
    EXPECT_TRUE(MainProgram::Answer({selection, L""}, kUseSelection));

    SIZE size = {};
    EXPECT_TRUE(WaitFor([&] {
        size = FirstBitmapSize(folder.Path());
        return size.cx == 100 && size.cy == 50;
    })) << size.cx << " x " << size.cy;
    // The capture ends by itself after its two seconds; the folder goes after the program.
    WaitFor([&] { return CountFiles(folder / L"*.bmp") >= 2; });
    EXPECT_EQ(0, program.Exit());
}

// Find lists the stored file name and an output line; a double click on a row shows the
// File destination, or selects the text in the output window.
TEST_F(ToolDialogsTest, FindListsWhatHoldsTheTextAndItsRowsLeadThere)
{
    InfoScFile file;
    file.LoadFromRegistry();
    file.FName = L"FindMeReport";
    ASSERT_TRUE(file.SaveToRegistry(0));
    StartProgram();
    HWND output = program.ChildById(kOutputWindow);
    Ask(output, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Capture started\r\nSaved the FindMeReport file"));
    program.Post(ID_TOOLS_FIND);
    HWND find = WaitForWindow(L"Find");
    ASSERT_NE(nullptr, find) << program.Describe().GetString();
    HWND list = GetDlgItem(find, kSearchList);
    // Finds the text in one group and double-clicks its one row, on the found text. The
    // first search is typed into the text box, which has the focus, and started with Enter.
    auto findAndOpen = [&](bool properties) {
        SetCheck(find, kSearchProperties, properties);
        SetCheck(find, kSearchOutput, !properties);
        if (properties)
        {
            ASSERT_TRUE(MainProgram::Activate(find)) << program.Describe().GetString();
            ASSERT_TRUE(TypeTextSettled(L"findmereport"));
            ASSERT_TRUE(WaitFor([&] { return WindowText(GetDlgItem(find, kSearchText)) == L"findmereport"; }))
                << WindowText(GetDlgItem(find, kSearchText)).GetString();
            INPUT enter[2] = {};
            enter[0].type = enter[1].type = INPUT_KEYBOARD;
            enter[0].ki.wVk = enter[1].ki.wVk = VK_RETURN;
            enter[1].ki.dwFlags = KEYEVENTF_KEYUP;
            ASSERT_TRUE(SendInputSettled(enter, 2));
        }
        else
        {
            // Sent, not posted: the earlier search's row is gone when it returns.
            Ask(find, WM_COMMAND, MAKEWPARAM(kSearchFind, BN_CLICKED),
                reinterpret_cast<LPARAM>(GetDlgItem(find, kSearchFind)));
        }
        ASSERT_TRUE(WaitFor([&] { return ItemCount(list) == 1 && IsWindowEnabled(GetDlgItem(find, kSearchFind)); }))
            << ItemCount(list);
        RECT area = {};
        GetWindowRect(list, &area);
        RECT header = {};
        GetWindowRect(FindWindowExW(list, nullptr, WC_HEADERW, nullptr), &header);
        ASSERT_TRUE(MainProgram::Activate(find)) << program.Describe().GetString();
        ASSERT_TRUE(DoubleClickAt(list, {(area.left + area.right) / 2, header.bottom + 6}));
    };

    ASSERT_NO_FATAL_FAILURE(findAndOpen(true));
    EXPECT_TRUE(WaitFor([&] { return TextOf(program.ChildById(kPropertiesTitle)) == L"File"; }))
        << TextOf(program.ChildById(kPropertiesTitle)).GetString() << " " << program.Describe().GetString();

    ASSERT_NO_FATAL_FAILURE(findAndOpen(false));
    const LRESULT selected = MAKELONG(27, 39); // "FindMeReport" in the second line
    EXPECT_TRUE(WaitFor([&] { return Ask(output, EM_GETSEL) == selected; })) << std::hex << Ask(output, EM_GETSEL);

    EXPECT_TRUE(MainProgram::Answer({find, L""}, IDCANCEL)) << "Close hides Find.";
    EXPECT_TRUE(IsWindow(find));
    EXPECT_EQ(CString(L"findmereport"),
              ReadString(HKEY_CURRENT_USER, CString(kProductKey) + L"\\Find", L"SearchText0"));
}
} // namespace
} // namespace app_test
