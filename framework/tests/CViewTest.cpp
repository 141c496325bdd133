// Views inside a frame: a form view of a dialog template with its keyboard interface and
// the frame's accelerators, an edit view, and a static splitter of two panes with its bar
// and F6.
#include "UiTestResources.h"
#include "framework/AppMessageLoop.h"
#include "framework/AppWindowText.h"
#include "framework/CEditView.h"
#include "framework/CFormView.h"
#include "framework/CSplitterWnd.h"
#include "testing/TestPump.h"
#include "testing/CStringPrinter.h"
#include <gtest/gtest.h>

#include <vector>

namespace
{
const UINT kCommandF7 = 600;

// A top-level window that records its commands.
class Frame : public CWnd
{
public:
    explicit Frame(const RECT& rect = {40, 40, 440, 340})
    {
        CreateEx(0, AppRegisterWndClass(0), L"frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, rect, nullptr, 0);
    }
    std::vector<UINT> commands;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND && lParam == 0)
        {
            commands.push_back(LOWORD(wParam));
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class NamesForm : public CFormView
{
public:
    NamesForm() : CFormView(IDD_FORM) {}
    CString first = L"alpha";
    CString second = L"beta";

protected:
    void DoDataExchange(CDataExchange& dx) override
    {
        DDX_Text(dx, IDC_FORM_FIRST, first);
        DDX_Text(dx, IDC_FORM_SECOND, second);
    }
};

RECT ChildRect(HWND child)
{
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Gives the window the focus, activating its frame; false when it never arrives.
bool FocusOn(HWND window)
{
    return PumpUntil([&] {
        if (GetFocus() != window)
            SetFocus(window);
        return GetFocus() == window;
    });
}

bool FocusIsIn(HWND pane)
{
    HWND focus = GetFocus();
    return focus && (focus == pane || IsChild(pane, focus));
}
} // namespace

namespace
{
class CountingView : public CView
{
public:
    int draws = 0;

protected:
    void OnDraw(HDC dc) override
    {
        if (dc)
            ++draws;
    }
};
} // namespace

TEST(CView, AViewPaintsThroughOnDrawAndAClickGivesItTheFocus)
{
    Frame frame;
    CountingView view;
    ASSERT_TRUE(view.Create(frame, 5, {0, 0, 100, 80}));
    EXPECT_FALSE(view.Create(frame, 6, {0, 0, 100, 80}));
    ShowWindow(frame, SW_SHOW);
    UpdateWindow(frame);
    EXPECT_GT(view.draws, 0);

    ASSERT_TRUE(FocusOn(frame));
    SendMessageW(view, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(static_cast<HWND>(frame)),
                 MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    EXPECT_EQ(static_cast<HWND>(view), GetFocus());
}

TEST(CFormView, TheFormIsAChildDialogOfItsTemplateThatExchangesItsValues)
{
    Frame frame;
    NamesForm form;
    const RECT rect = {10, 20, 310, 220};
    ASSERT_TRUE(form.Create(frame, 77, rect));
    form.OnInitialUpdate();

    EXPECT_EQ(static_cast<HWND>(frame), GetParent(form));
    EXPECT_EQ(77, GetDlgCtrlID(form));
    EXPECT_TRUE(GetWindowLongPtrW(form, GWL_STYLE) & WS_CHILD);
    EXPECT_FALSE(GetWindowLongPtrW(form, GWL_STYLE) & WS_CAPTION);
    RECT placed = ChildRect(form);
    EXPECT_EQ(10, placed.left);
    EXPECT_EQ(220, placed.bottom);
    EXPECT_EQ(CString(L"alpha"), AppGetDlgItemText(form, IDC_FORM_FIRST));
    EXPECT_EQ(CString(L"Form"), AppGetDlgItemText(form, IDC_FORM_TITLE));

    SetWindowTextW(form.GetDlgItem(IDC_FORM_SECOND), L"gamma");
    EXPECT_TRUE(form.UpdateData(true));
    EXPECT_EQ(CString(L"gamma"), form.second);
}

TEST(CFormView, TabMovesThroughTheFormAndTheFramesAcceleratorsComeFirst)
{
    Frame frame;
    NamesForm form;
    ASSERT_TRUE(form.Create(frame, 1, {0, 0, 300, 200}));
    ShowWindow(frame, SW_SHOW);
    HWND first = form.GetDlgItem(IDC_FORM_FIRST);
    HWND second = form.GetDlgItem(IDC_FORM_SECOND);
    ASSERT_TRUE(FocusOn(first));

    PostMessageW(first, WM_KEYDOWN, VK_TAB, 0);
    EXPECT_TRUE(PumpUntil([&] { return GetFocus() == second; }));

    ACCEL key = {FVIRTKEY, VK_F7, kCommandF7};
    HACCEL table = CreateAcceleratorTableW(&key, 1);
    AppSetAccelerators(frame, table);
    PostMessageW(second, WM_KEYDOWN, VK_F7, 0);
    EXPECT_TRUE(PumpUntil([&] { return !frame.commands.empty(); }));
    EXPECT_EQ(std::vector<UINT>{kCommandF7}, frame.commands);
    AppSetAccelerators(frame, nullptr);
    DestroyAcceleratorTable(table);
}

namespace
{
// A frame split into a form above and an edit view below.
struct SplitFrame
{
    SplitFrame()
    {
        RECT client;
        GetClientRect(frame, &client);
        created = splitter.CreateStatic(frame, 2, 1, client) && splitter.CreateView(0, 0, form, 100) &&
                  splitter.CreateView(1, 0, edit, 100);
    }
    Frame frame;
    CSplitterWnd splitter;
    NamesForm form;
    CEditView edit;
    bool created = false;
};

void Drag(HWND window, POINT from, POINT to)
{
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
}
} // namespace

TEST(CSplitterWnd, TwoPanesShareTheSplitterAroundTheBarAndFollowItsSize)
{
    SplitFrame split;
    ASSERT_TRUE(split.created);
    EXPECT_EQ(static_cast<HWND>(split.form), split.splitter.GetPane(0, 0));
    EXPECT_EQ(static_cast<HWND>(split.edit), split.splitter.GetPane(1, 0));
    EXPECT_EQ(CSplitterWnd::kFirstPaneId + 16, static_cast<UINT>(GetDlgCtrlID(split.edit)));
    EXPECT_FALSE(split.splitter.CreateView(1, 0, split.edit, 10)); // taken
    EXPECT_FALSE(CSplitterWnd().CreateStatic(split.frame, 2, 2, {0, 0, 10, 10}));

    MoveWindow(split.splitter, 0, 0, 300, 400, TRUE);
    RECT top = ChildRect(split.form), bottom = ChildRect(split.edit);
    EXPECT_EQ(0, top.top);
    EXPECT_EQ(100, top.bottom);
    EXPECT_EQ(100 + CSplitterWnd::kBarSize, bottom.top);
    EXPECT_EQ(400, bottom.bottom);
    EXPECT_EQ(300, bottom.right);

    // Dragging the bar moves it, within the least pane size.
    split.splitter.SetFirstPaneSize(100, 30);
    Drag(split.splitter, {50, 102}, {50, 252});
    EXPECT_EQ(250, split.splitter.GetFirstPaneSize());
    EXPECT_EQ(250 + CSplitterWnd::kBarSize, ChildRect(split.edit).top);
    Drag(split.splitter, {50, 252}, {50, 399});
    EXPECT_EQ(400 - CSplitterWnd::kBarSize - 30, split.splitter.GetFirstPaneSize());
    // A press away from the bar drags nothing.
    Drag(split.splitter, {50, 10}, {50, 200});
    EXPECT_EQ(400 - CSplitterWnd::kBarSize - 30, split.splitter.GetFirstPaneSize());
}

TEST(CSplitterWnd, F6MovesTheFocusToTheOtherPaneAndBack)
{
    SplitFrame split;
    ASSERT_TRUE(split.created);
    ShowWindow(split.frame, SW_SHOW);
    ASSERT_TRUE(FocusOn(split.edit));

    PostMessageW(split.edit, WM_KEYDOWN, VK_F6, 0);
    EXPECT_TRUE(PumpUntil([&] { return FocusIsIn(split.form); }));
    // Inside the form the key reaches the splitter before the form's dialog manager.
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_F6, 0);
    EXPECT_TRUE(PumpUntil([&] { return GetFocus() == split.edit; }));
    // Other keys stay the pane's: a typed letter lands in the edit view.
    PostMessageW(split.edit, WM_CHAR, L'x', 0);
    EXPECT_TRUE(PumpUntil([&] { return AppGetWindowText(split.edit) == L"x"; }));
    EXPECT_EQ(static_cast<HWND>(split.edit), GetFocus());
}
