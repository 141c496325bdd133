// Dialogs of a template: modal runs driven through the modal hook (values in, end code and
// values out), validation that refuses OK, modeless dialogs whose keyboard interface the
// message loop runs, and notifications reflected to the control's object.
#include "UiTestResources.h"
#include "framework/AppFailure.h"
#include "framework/AppMessageBox.h"
#include "framework/AppMessageLoop.h"
#include "framework/AppWindowText.h"
#include "framework/CButton.h"
#include "framework/CComboBox.h"
#include "framework/CDialog.h"
#include "framework/CListBox.h"
#include "framework/tests/ModalDriver.h"
#include "testing/TestPump.h"
#include "testing/CStringPrinter.h"
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace
{
// The values a settings dialog edits.
struct Values
{
    CString name = L"first";
    int count = 5;
    int enabled = 0;
    int size = 1;
    int colour = 0;
    int shape = -1;
};

class ValuesDialog : public CDialog
{
public:
    explicit ValuesDialog(const Values& values) : CDialog(IDD_VALUES), values(values) {}
    Values values;
    CComboBox colours;
    CListBox shapes;

protected:
    BOOL OnInitDialog() override
    {
        colours.SubclassDlgItem(IDC_COLOUR, GetSafeHwnd());
        shapes.SubclassDlgItem(IDC_SHAPE, GetSafeHwnd());
        for (const wchar_t* colour : {L"Red", L"Green", L"Blue"})
            colours.AddString(colour);
        for (const wchar_t* shape : {L"Square", L"Circle"})
            shapes.AddString(shape);
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange& dx) override
    {
        DDX_Text(dx, IDC_NAME, values.name);
        DDV_MaxChars(dx, values.name, 10);
        DDX_Text(dx, IDC_COUNT, values.count);
        DDV_MinMaxInt(dx, values.count, 1, 99);
        DDX_Check(dx, IDC_ENABLED, values.enabled);
        DDX_Radio(dx, IDC_SIZE_SMALL, values.size);
        DDX_CBIndex(dx, IDC_COLOUR, values.colour);
        DDX_LBIndex(dx, IDC_SHAPE, values.shape);
    }
};


// Collects the message boxes a test expects, answering OK.
class ExpectedBoxes
{
public:
    ExpectedBoxes()
        : m_previous(AppSetMessageBoxHandler([this](const CString& text, const CString&, UINT) {
              texts.push_back(text);
              return IDOK;
          }))
    {
    }
    ~ExpectedBoxes() { AppSetMessageBoxHandler(m_previous); }
    std::vector<CString> texts;

private:
    MessageBoxHandler m_previous;
};

void SetText(CDialog& dialog, UINT id, const wchar_t* text)
{
    SetWindowTextW(dialog.GetDlgItem(id), text);
}

void Click(CDialog& dialog, UINT id)
{
    SendMessageW(dialog.GetDlgItem(id), BM_CLICK, 0, 0);
}
} // namespace

TEST(CDialog, ModalDialogShowsTheValuesAndReturnsTheEditedOnesWithOk)
{
    Values shown;
    Values seenInDialog;
    ModalDriver driver([&](CDialog& dialog) {
        auto& values = static_cast<ValuesDialog&>(dialog);
        seenInDialog.name = AppGetDlgItemText(dialog, IDC_NAME);
        seenInDialog.count = static_cast<int>(GetDlgItemInt(dialog, IDC_COUNT, nullptr, TRUE));
        seenInDialog.size = IsDlgButtonChecked(dialog, IDC_SIZE_MEDIUM) ? 1 : -1;
        SetText(dialog, IDC_NAME, L"second");
        SetText(dialog, IDC_COUNT, L" 42 ");
        Click(dialog, IDC_ENABLED);
        Click(dialog, IDC_SIZE_LARGE);
        values.colours.SetCurSel(2);
        values.shapes.SetCurSel(1);
        Click(dialog, IDOK);
    });
    ValuesDialog dialog(shown);
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(nullptr, dialog.GetSafeHwnd());

    EXPECT_EQ(CString(L"first"), seenInDialog.name);
    EXPECT_EQ(5, seenInDialog.count);
    EXPECT_EQ(1, seenInDialog.size);
    EXPECT_EQ(CString(L"second"), dialog.values.name);
    EXPECT_EQ(42, dialog.values.count);
    EXPECT_EQ(BST_CHECKED, dialog.values.enabled);
    EXPECT_EQ(2, dialog.values.size);
    EXPECT_EQ(2, dialog.values.colour);
    EXPECT_EQ(1, dialog.values.shape);
}

TEST(CDialog, CancelAndTheCloseBoxEndWithIdCancelAndKeepTheValues)
{
    for (UINT how : {static_cast<UINT>(WM_COMMAND), static_cast<UINT>(WM_CLOSE)})
    {
        ModalDriver driver([how](CDialog& dialog) {
            SetText(dialog, IDC_NAME, L"changed");
            if (how == WM_COMMAND)
                Click(dialog, IDCANCEL);
            else
                SendMessageW(dialog, WM_CLOSE, 0, 0);
        });
        ValuesDialog dialog(Values{});
        EXPECT_EQ(IDCANCEL, dialog.DoModal());
        EXPECT_EQ(CString(L"first"), dialog.values.name);
    }
}

TEST(CDialog, OkWithAWrongValueTellsTheUserFocusesTheControlAndStaysOpen)
{
    struct Case
    {
        const wchar_t* name;
        const wchar_t* count;
        UINT control;
        const wchar_t* text;
    };
    const Case cases[] = {
        {L"ok", L"12x", IDC_COUNT, L"Enter an integer."},
        {L"ok", L"", IDC_COUNT, L"Enter an integer."},
        {L"ok", L"99999999999", IDC_COUNT, L"Enter an integer."},
        {L"ok", L"100", IDC_COUNT, L"Enter an integer between 1 and 99."},
        {L"ok", L"0", IDC_COUNT, L"Enter an integer between 1 and 99."},
        {L"eleven char", L"7", IDC_NAME, L"Enter no more than 10 characters."},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(CString(c.count).ToAnsi());
        ExpectedBoxes boxes;
        bool stayedOpen = false;
        UINT focused = 0;
        ModalDriver driver([&](CDialog& dialog) {
            // The edit control's limit (DDV_MaxChars) applies to typing, not to WM_SETTEXT.
            SetText(dialog, IDC_NAME, c.name);
            SetText(dialog, IDC_COUNT, c.count);
            Click(dialog, IDOK);
            stayedOpen = dialog.GetEndCode() == 0 && IsWindowVisible(dialog);
            // The focus arrives once the dialog is active.
            PumpUntil([&] { return GetDlgCtrlID(GetFocus()) == static_cast<int>(c.control); }, 3000);
            focused = static_cast<UINT>(GetDlgCtrlID(GetFocus()));
            SetText(dialog, IDC_NAME, L"fixed");
            SetText(dialog, IDC_COUNT, L"9");
            Click(dialog, IDOK);
        });
        ValuesDialog dialog(Values{});
        EXPECT_EQ(IDOK, dialog.DoModal());
        EXPECT_TRUE(stayedOpen);
        ASSERT_EQ(1u, boxes.texts.size());
        EXPECT_EQ(CString(c.text), boxes.texts[0]);
        EXPECT_EQ(c.control, focused);
        EXPECT_EQ(9, dialog.values.count);
        EXPECT_EQ(CString(L"fixed"), dialog.values.name);
    }
}

TEST(CDialog, ParsingAndRangeTextsAreFunctionsOfTheirOwn)
{
    int value = -1;
    EXPECT_TRUE(AppParseInt(L"-2147483648", value));
    EXPECT_EQ(INT_MIN, value);
    EXPECT_TRUE(AppParseInt(L"\t17 ", value));
    EXPECT_EQ(17, value);
    for (const wchar_t* wrong : {L"", L" ", L"1 2", L"2147483648", L"0x10", L"3.5"})
        EXPECT_FALSE(AppParseInt(wrong, value)) << CString(wrong).ToAnsi();
    EXPECT_EQ(CString(L"Enter an integer between -3 and 3."), AppIntRangeText(-3, 3));
}

TEST(CDialog, AMissingTemplateFailsTheRunWithoutAWindow)
{
    CDialog dialog(9999);
    EXPECT_EQ(-1, dialog.DoModal());
    EXPECT_FALSE(dialog.Create());
    EXPECT_EQ(nullptr, dialog.GetSafeHwnd());
}

TEST(CDialog, ModelessDialogHidesOnCancelAndLivesUntilItsObjectGoes)
{
    HWND window = nullptr;
    {
        ValuesDialog dialog(Values{});
        ASSERT_TRUE(dialog.Create());
        window = dialog.GetSafeHwnd();
        EXPECT_EQ(CString(L"first"), AppGetDlgItemText(window, IDC_NAME)); // loaded at init
        ShowWindow(window, SW_SHOWNOACTIVATE);
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        EXPECT_TRUE(IsWindow(window));
        EXPECT_FALSE(IsWindowVisible(window));
        EXPECT_EQ(IDCANCEL, dialog.GetEndCode());
        EXPECT_FALSE(dialog.Create()); // one window per object
    }
    EXPECT_FALSE(IsWindow(window));
}

TEST(CDialog, TheLoopRunsAModelessDialogsKeyboardInterfaceWhileItIsListed)
{
    ValuesDialog dialog(Values{});
    ASSERT_TRUE(dialog.Create());
    ShowWindow(dialog, SW_SHOW);
    HWND name = dialog.GetDlgItem(IDC_NAME);
    HWND count = dialog.GetDlgItem(IDC_COUNT);
    ASSERT_TRUE(PumpUntil([&] {
        SetFocus(name);
        return GetFocus() == name;
    }));

    PostMessageW(name, WM_KEYDOWN, VK_TAB, 0);
    EXPECT_TRUE(PumpUntil([&] { return GetFocus() == count; }));

    // Unlisted, the dialog's keys reach the control as they are: the focus stays.
    AppRemoveModelessDialog(dialog);
    PostMessageW(count, WM_KEYDOWN, VK_TAB, 0);
    PumpUntil([] { return false; }, 100);
    EXPECT_EQ(count, GetFocus());
}

namespace
{
// A button that handles its own clicks.
class SelfClickingButton : public CButton
{
public:
    int clicks = 0;
    int notifies = 0;
    bool handles = true;

protected:
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override
    {
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
            ++clicks;
        else if (message == WM_NOTIFY)
            ++notifies;
        else
            return false;
        result = 77;
        return handles;
    }
};

class CountingDialog : public CDialog
{
public:
    CountingDialog() : CDialog(IDD_VALUES) {}
    std::vector<UINT> commands;
    int notifies = 0;

protected:
    bool OnCommand(UINT code, UINT id, HWND control) override
    {
        if (code == BN_CLICKED)
            commands.push_back(id);
        return CDialog::OnCommand(code, id, control);
    }
    bool OnNotify(const NMHDR&, LRESULT& result) override
    {
        ++notifies;
        result = 5;
        return true;
    }
};

LRESULT SendNotify(HWND parent, HWND from)
{
    NMHDR header = {from, static_cast<UINT_PTR>(GetDlgCtrlID(from)), static_cast<UINT>(-2) /* NM_CLICK */};
    return SendMessageW(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}
} // namespace

TEST(CDialog, AControlsObjectSeesItsNotificationsBeforeTheParentDoes)
{
    CountingDialog dialog;
    ASSERT_TRUE(dialog.Create());
    SelfClickingButton check;
    ASSERT_TRUE(check.SubclassDlgItem(IDC_ENABLED, dialog));

    check.Click();
    EXPECT_EQ(1, check.clicks);
    EXPECT_EQ(BST_CHECKED, check.GetCheck()); // the button's own procedure still runs
    EXPECT_TRUE(dialog.commands.empty());
    EXPECT_EQ(77, SendNotify(dialog, check));
    EXPECT_EQ(0, dialog.notifies);

    // Left unhandled by the control's object, the parent gets it.
    check.handles = false;
    check.Click();
    EXPECT_EQ(2, check.clicks);
    EXPECT_EQ(std::vector<UINT>{IDC_ENABLED}, dialog.commands);
    EXPECT_EQ(5, SendNotify(dialog, check));
    EXPECT_EQ(1, dialog.notifies);

    // A control without an object: straight to the parent.
    Click(dialog, IDC_SIZE_LARGE);
    EXPECT_EQ(IDC_SIZE_LARGE, dialog.commands.back());
}

TEST(CDialog, AControlsObjectGivesTheWindowBackAndNeverDestroysIt)
{
    CountingDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND control = dialog.GetDlgItem(IDC_ENABLED);
    auto ownProc = GetWindowLongPtrW(control, GWLP_WNDPROC);
    {
        SelfClickingButton check;
        ASSERT_TRUE(check.SubclassWindow(control));
        EXPECT_FALSE(SelfClickingButton().SubclassWindow(control)); // bound already
        EXPECT_NE(ownProc, GetWindowLongPtrW(control, GWLP_WNDPROC));
    }
    EXPECT_TRUE(IsWindow(control));
    EXPECT_EQ(ownProc, GetWindowLongPtrW(control, GWLP_WNDPROC));
    EXPECT_EQ(nullptr, CWnd::FromHandle(control));

    SelfClickingButton again;
    ASSERT_TRUE(again.SubclassWindow(control));
    EXPECT_EQ(control, again.UnsubclassWindow());
    EXPECT_EQ(ownProc, GetWindowLongPtrW(control, GWLP_WNDPROC));
    SendMessageW(control, BM_CLICK, 0, 0);
    EXPECT_EQ(0, again.clicks);
}

namespace
{
const UINT kThrowingCommand = 900;

class ThrowingDialog : public CDialog
{
public:
    ThrowingDialog() : CDialog(IDD_VALUES) {}

protected:
    bool OnCommand(UINT code, UINT id, HWND control) override
    {
        if (id == kThrowingCommand)
            throw std::runtime_error("command failed");
        return CDialog::OnCommand(code, id, control);
    }
};

class ThrowingButton : public CButton
{
protected:
    bool OnChildNotify(UINT message, WPARAM, LPARAM, LRESULT&) override
    {
        if (message == WM_COMMAND)
            throw std::runtime_error("notification failed");
        return false;
    }
};

std::vector<CString> g_failures;
void CollectFailure(const CString& text)
{
    g_failures.push_back(text);
}
} // namespace

TEST(CDialog, AnExceptionOfAHandlerOrAControlsObjectIsReportedAndStopsThere)
{
    g_failures.clear();
    AppFailureReporter previous = AppSetFailureReporter(&CollectFailure);
    ThrowingDialog dialog;
    ASSERT_TRUE(dialog.Create());
    SendMessageW(dialog, WM_COMMAND, kThrowingCommand, 0);
    ThrowingButton check;
    ASSERT_TRUE(check.SubclassDlgItem(IDC_ENABLED, dialog));
    check.Click();
    AppSetFailureReporter(previous);

    ASSERT_EQ(2u, g_failures.size());
    EXPECT_NE(-1, g_failures[0].Find(L"command failed"));
    EXPECT_NE(-1, g_failures[1].Find(L"notification failed"));
    EXPECT_TRUE(IsWindow(dialog));
}

namespace
{
// A dialog template in memory: a caption-less pop-up without controls.
struct EmptyTemplate
{
    DLGTEMPLATE header = {WS_POPUP | WS_CAPTION, 0, 0, 0, 0, 100, 50};
    WORD menu = 0, windowClass = 0, title = 0;
};
} // namespace

TEST(CDialog, ATemplateInMemoryRunsModallyAndEndsWithTheCodeGiven)
{
    EmptyTemplate dialogTemplate;
    ModalDriver driver([](CDialog& dialog) { dialog.EndDialog(42); });
    CDialog dialog(&dialogTemplate.header);
    EXPECT_EQ(42, dialog.DoModal());
    EXPECT_EQ(42, dialog.GetEndCode());
}
