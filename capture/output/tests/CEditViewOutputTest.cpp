// The output window: its line limit counted in text lines, lines appended whole, the
// search in one line, the Edit commands and their enabling, and real keys that move the
// caret and copy but never change the text.
#include "capture/output/CEditViewOutput.h"
#include "capture/output/OutputIds.h"
#include "framework/AppMainWnd.h"
#include "framework/AppWindowText.h"
#include "testing/TestClipboard.h"
#include "testing/TestInput.h"
#include "testing/TestPump.h"
#include "testing/CStringPrinter.h"
#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace
{
using Lines = std::vector<CString>;

// Whether a pop-up menu shows (menus are windows of the class "#32768").
bool VisibleMenu()
{
    for (HWND menu = nullptr; (menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) != nullptr;)
        if (IsWindowVisible(menu))
            return true;
    return false;
}

// A main window that records the commands it gets.
class CommandFrame : public CWnd
{
public:
    std::vector<UINT> commands;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND && lParam == 0) // a menu's, not a control's
            commands.push_back(LOWORD(wParam));
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// A frame holding the output view.
class OutputFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.CreateEx(0, AppRegisterWndClass(0), L"output", WS_OVERLAPPEDWINDOW, {20, 20, 420, 320},
                                   nullptr, 0));
        ASSERT_TRUE(view.Create(frame, CEditViewOutput::kViewId, {0, 0, 380, 260}));
    }

    void Append(const Lines& lines, int maxLines)
    {
        for (const CString& line : lines)
            view.AppendLine(line, maxLines);
    }

    // Shows the frame active with the view focused; false when the focus never came.
    bool Focus()
    {
        ShowWindow(frame, SW_SHOW);
        return PumpUntil([&] {
            if (GetForegroundWindow() != frame)
                SetForegroundWindow(frame);
            if (GetFocus() != view)
                SetFocus(view);
            return GetForegroundWindow() == frame && GetFocus() == view;
        });
    }

    int Caret() const
    {
        int start = 0, end = 0;
        view.GetSel(start, end);
        return end;
    }

    CommandFrame frame;
    CEditViewOutput view;
};

INPUT KeyInput(WORD key, bool up)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    if (key == VK_INSERT || key == VK_DELETE || (key >= VK_PRIOR && key <= VK_DOWN))
        input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    return input;
}

// Sends the key's event and lets this thread's windows handle it, so that the key state
// the next one meets is up to date.
void Key(WORD key, bool up)
{
    EXPECT_TRUE(SendInputSettled(KeyInput(key, up))) << "The key did not arrive.";
}

// Presses and releases the key, with Ctrl held when asked.
void Press(WORD key, bool ctrl = false)
{
    if (ctrl)
        Key(VK_CONTROL, false);
    Key(key, false);
    Key(key, true);
    if (ctrl)
        Key(VK_CONTROL, true);
}
} // namespace

TEST_F(OutputFixture, TheLimitCountsTextLinesAndTheFirstLinesGo)
{
    struct Case
    {
        int maxLines;
        Lines appended;
        Lines kept;
    };
    const Case cases[] = {
        {3, {L"1", L"2", L"3"}, {L"1", L"2", L"3"}},
        {3, {L"1", L"2", L"3", L"4"}, {L"2", L"3", L"4"}},
        {5, {L"1", L"2", L"3"}, {L"1", L"2", L"3"}},
        {1, {L"1", L"2"}, {L"2"}},
        {0, {L"1", L"2"}, {L"2"}},
        {2, {L"", L"x", L""}, {L"x", L""}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.maxLines);
        SetWindowTextW(view, L"");
        Append(c.appended, c.maxLines);
        EXPECT_EQ(c.kept, view.GetLines());
    }
}

TEST_F(OutputFixture, ALineWithBreaksIsAppendedAsOneAndTrimmingKeepsTheLastLines)
{
    view.AppendLine(L"a\r\nb\nc\rd", 10);
    EXPECT_EQ((Lines{L"a  b c d"}), view.GetLines());
    EXPECT_EQ(CString(L"a  b c d\r\n"), AppGetWindowText(view));

    Append({L"2", L"3", L"4", L"5"}, 10);
    view.TrimToLimit(2);
    EXPECT_EQ((Lines{L"4", L"5"}), view.GetLines());
    view.TrimToLimit(0);
    EXPECT_TRUE(view.GetLines().empty());
}

TEST_F(OutputFixture, FindInLineSelectsTheTextInThatLineOnlyAndTakesTheFocus)
{
    Append({L"first line", L"Second Line here"}, 10);
    ShowWindow(frame, SW_SHOW);
    EXPECT_TRUE(view.FindInLine(1, L"LINE", false));
    int start = 0, end = 0;
    view.GetSel(start, end);
    EXPECT_EQ(view.LineIndex(1) + 7, start);
    EXPECT_EQ(start + 4, end);
    EXPECT_TRUE(PumpUntil([&] { return GetFocus() == view; }));

    EXPECT_FALSE(view.FindInLine(1, L"LINE", true));
    EXPECT_TRUE(view.FindInLine(1, L"Line", true));
    EXPECT_FALSE(view.FindInLine(0, L"SECOND", false));
    EXPECT_FALSE(view.FindInLine(2, L"", false));
    EXPECT_FALSE(view.FindInLine(-1, L"", false));
}

TEST_F(OutputFixture, EditCommandsAreEnabledByTheSelectionAndTheText)
{
    const UINT never[] = {ID_EDIT_CUT, ID_EDIT_PASTE, ID_EDIT_UNDO};
    auto enabled = [&](UINT id) { return view.IsCommandEnabled(id); };
    EXPECT_FALSE(enabled(ID_EDIT_SELECT_ALL) || enabled(ID_EDIT_CLEAR_ALL) || enabled(ID_EDIT_COPY));

    Append({L"one", L"two"}, 10);
    EXPECT_TRUE(enabled(ID_EDIT_SELECT_ALL) && enabled(ID_EDIT_CLEAR_ALL));
    EXPECT_FALSE(enabled(ID_EDIT_COPY) || enabled(ID_EDIT_CLEAR));
    view.SetSel(0, 3);
    EXPECT_TRUE(enabled(ID_EDIT_COPY) && enabled(ID_EDIT_CLEAR));
    for (UINT id : never)
        EXPECT_FALSE(enabled(id)) << id;

    ClearClipboard();
    EXPECT_TRUE(view.RunEditCommand(ID_EDIT_COPY));
    EXPECT_EQ(CString(L"one"), ClipboardText());
    EXPECT_TRUE(view.RunEditCommand(ID_EDIT_SELECT_ALL));
    int start = 0, end = 0;
    view.GetSel(start, end);
    EXPECT_EQ(view.GetTextLength(), end - start);
    EXPECT_FALSE(view.RunEditCommand(ID_EDIT_PASTE));
    EXPECT_TRUE(view.RunEditCommand(ID_EDIT_CLEAR_ALL));
    EXPECT_EQ(0, view.GetTextLength());
}

TEST_F(OutputFixture, TypedKeysChangeNothingWhileCaretKeysMoveAndCtrlKeysCopy)
{
    Append({L"abc", L"def"}, 10);
    const CString text = AppGetWindowText(view);
    ASSERT_TRUE(Focus());
    view.SetSel(1, 1);

    for (WORD key : {static_cast<WORD>('X'), static_cast<WORD>(VK_BACK), static_cast<WORD>(VK_DELETE),
                     static_cast<WORD>(VK_RETURN), static_cast<WORD>(VK_SPACE)})
        Press(key);
    EXPECT_EQ(text, AppGetWindowText(view));
    EXPECT_EQ(1, Caret());

    Press(VK_RIGHT);
    EXPECT_EQ(2, Caret());
    Press(VK_END);
    EXPECT_EQ(3, Caret());
    Press(VK_DOWN);
    EXPECT_EQ(1, view.LineFromChar(Caret()));
    Press(VK_HOME);
    EXPECT_EQ(view.LineIndex(1), Caret());

    ClearClipboard();
    view.SetSel(1, 3);
    Press('C', true);
    EXPECT_EQ(CString(L"bc"), ClipboardText());
    view.SetSel(5, 8);
    Press(VK_INSERT, true);
    EXPECT_EQ(CString(L"def"), ClipboardText());
    EXPECT_EQ(text, AppGetWindowText(view));
}

TEST_F(OutputFixture, ARightClickFocusesTheViewAndSendsTheMenusCommandToTheMainWindow)
{
    Append({L"one", L"two"}, 10);
    ASSERT_TRUE(Focus());
    SetFocus(frame);
    AppSetMainWnd(frame);
    RECT area;
    GetWindowRect(view, &area);
    SetCursorPos((area.left + area.right) / 2, (area.top + area.bottom) / 2);

    // The menu runs its own loop on this thread: its key comes from another one.
    bool menuSeen = false;
    std::thread chooser([&] {
        if (!PumpUntil(VisibleMenu))
            return;
        menuSeen = true;
        INPUT keys[2] = {KeyInput('A', false), KeyInput('A', true)}; // "Select &All"
        SendInput(2, keys, sizeof(INPUT));
    });
    INPUT click[2] = {};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    SendInput(2, click, sizeof(INPUT));
    bool chosen = PumpUntil([&] { return !frame.commands.empty(); });
    chooser.join();
    AppSetMainWnd(nullptr);

    EXPECT_TRUE(menuSeen);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(std::vector<UINT>{ID_EDIT_SELECT_ALL}, frame.commands);
    EXPECT_EQ(static_cast<HWND>(view), GetFocus());
}
