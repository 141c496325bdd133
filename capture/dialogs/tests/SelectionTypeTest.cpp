#include "Info/InfoScFile.h"
#include "Info/InfoScSettings.h"
#include "capture/destinations/CImageDestinations.h"
#include "capture/dialogs/CDlgPresentationSelectionType.h"
#include "capture/dialogs/DialogResources.h"
#include "capture/selection/CScreenCaptureManager.h"
#include "capture/selection/ICaptureDialogs.h"
#include "capture/tests/FakeSystemCursors.h"
#include "capture/timing/CWndTimer.h"
#include "capture/tests/SelectionTestSupport.h"
#include "DialogsTestSupport.h"
#include "testing/CStringPrinter.h"
#include "testing/TestFolder.h"
#include "testing/TestPump.h"

#include <gtest/gtest.h>

using namespace selection_test;

namespace
{
// The dialog opened in the host with the type chosen in its combo box.
class SelectionTypeTest : public ::testing::Test
{
protected:
    void Open(EnumScreenCaptureType type, const std::vector<POINT>& points = {}, const wchar_t* text = L"")
    {
        m_dialog = std::make_unique<CDlgPresentationSelectionType>(type, points, text, m_host);
        ASSERT_TRUE(m_dialog->Create(m_host));
        ShowWindow(*m_dialog, SW_SHOW);
    }
    void Choose(EnumScreenCaptureType type)
    {
        HWND combo = m_dialog->GetDlgItem(IDC_SEL_TYPE);
        SendMessageW(combo, CB_SETCURSEL, type, 0);
        SendMessageW(*m_dialog, WM_COMMAND, MAKEWPARAM(IDC_SEL_TYPE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    }
    CString Text() { return AppGetWindowText(m_dialog->GetDlgItem(IDC_SEL_TEXT)); }
    static CString Loaded(UINT id)
    {
        CString text;
        text.LoadString(id);
        return text;
    }

    DialogHost m_host;
    RecordedBoxes m_boxes;
    std::unique_ptr<CDlgPresentationSelectionType> m_dialog;
};
} // namespace

TEST_F(SelectionTypeTest, UseSelectionChecksTheTextOfTheType)
{
    struct Case
    {
        EnumScreenCaptureType type;
        const wchar_t* text;
        UINT message; // 0: accepted
        const wchar_t* points;
    } cases[] = {
        {SCT_RECTANGLE, L"", IDS_SEL_NO_TEXT, L""},
        {SCT_WINDOW, L"", IDS_SEL_NO_TEXT, L""},
        {SCT_FREE_HAND, L"   ", IDS_SEL_NO_TEXT, L""},
        {SCT_RECTANGLE, L"10,10,a,60", IDS_SEL_INVALID, L""},
        {SCT_POLYGON, L"10,10,,60,5,5", IDS_SEL_INVALID, L""},
        {SCT_ELLIPSE, L"10,10,110", IDS_SEL_INVALID, L""},
        {SCT_POLYGON, L"10,10,110,60", IDS_SEL_THREE_POINTS, L""},
        {SCT_RECTANGLE, L"1,2,3,4,5,6", IDS_SEL_FOUR_VALUES, L""},
        {SCT_RECTANGLE, L"10, 10,110 ,60", 0, L"10,10,110,60"},
        {SCT_FREE_HAND, L"1,2,3,4,5,6", 0, L"1,2,3,4,5,6"},
        {SCT_WINDOW, L"Untitled - Notepad", 0, L""},
        {SCT_ACTIVE_WINDOW, L"", 0, L""},
        {SCT_DESKTOP, L"", 0, L""},
    };
    for (const Case& c : cases)
    {
        Open(SCT_RECTANGLE);
        Choose(c.type);
        SetDlgItemTextW(*m_dialog, IDC_SEL_TEXT, c.text);
        m_boxes.texts.clear();
        m_boxes.types.clear();
        ClickButton(*m_dialog, IDC_SEL_USE_SELECTION);
        if (c.message)
        {
            EXPECT_EQ(0, m_dialog->GetEndCode()) << c.type << " " << CString(c.text);
            ASSERT_EQ(1u, m_boxes.texts.size()) << c.type << " " << CString(c.text);
            EXPECT_EQ(Loaded(c.message), m_boxes.texts[0]);
            EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), m_boxes.types[0] & MB_ICONMASK);
            continue;
        }
        EXPECT_EQ(kSelectionUseSelection, m_dialog->GetEndCode()) << c.type << " " << CString(c.text);
        EXPECT_TRUE(m_boxes.texts.empty());
        CString points;
        for (const POINT& point : m_dialog->GetSelectionPoints())
            points.AppendFormat(L"%s%ld,%ld", points.IsEmpty() ? L"" : L",", point.x, point.y);
        EXPECT_EQ(CString(c.points), points) << c.type;
    }
}

TEST_F(SelectionTypeTest, PointsForTheWindowTypesOpenAsARectangle)
{
    const std::vector<POINT> points = {{10, 10}, {110, 60}};
    for (EnumScreenCaptureType type : {SCT_WINDOW, SCT_ACTIVE_WINDOW, SCT_DESKTOP})
    {
        Open(type, points);
        EXPECT_EQ(SCT_RECTANGLE, m_dialog->GetSelectionType());
        EXPECT_EQ(SCT_RECTANGLE, SendMessageW(m_dialog->GetDlgItem(IDC_SEL_TYPE), CB_GETCURSEL, 0, 0));
        EXPECT_EQ(CString(L"10,10,110,60"), Text());
        EXPECT_EQ(Loaded(IDS_SEL_RECTANGLE), AppGetWindowText(m_dialog->GetDlgItem(IDC_SEL_LABEL)));
    }
    // The no-data types empty and disable the edit, and take the mouse controls away.
    Choose(SCT_DESKTOP);
    EXPECT_EQ(CString(L""), Text());
    EXPECT_FALSE(IsWindowEnabled(m_dialog->GetDlgItem(IDC_SEL_TEXT)));
    EXPECT_FALSE(IsWindowEnabled(m_dialog->GetDlgItem(IDC_SEL_USE_MOUSE)));
    Choose(SCT_WINDOW);
    EXPECT_TRUE(IsWindowEnabled(m_dialog->GetDlgItem(IDC_SEL_TEXT)));
    EXPECT_FALSE(IsWindowEnabled(m_dialog->GetDlgItem(IDC_SEL_USE_MOUSE)));
}

TEST_F(SelectionTypeTest, UseMouseWritesTheMarkedRectangle)
{
    Open(SCT_RECTANGLE);
    ClickButton(*m_dialog, IDC_SEL_USE_MOUSE);
    CWndTransparentScSelection* overlay = m_dialog->GetOverlay();
    ASSERT_NE(nullptr, overlay);
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == *overlay; }));
    InputScript script({MoveTo(150, 120), Mouse(MOUSEEVENTF_LEFTDOWN), MoveTo(250, 200), MoveTo(400, 300),
                        Mouse(MOUSEEVENTF_LEFTUP)});
    ASSERT_TRUE(script.Play(10000));
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(*overlay); }));
    EXPECT_EQ(CString(L"150,120,400,300"), Text());
    ClickButton(*m_dialog, IDC_SEL_USE_SELECTION);
    EXPECT_EQ(kSelectionUseSelection, m_dialog->GetEndCode());
    EXPECT_EQ(2u, m_dialog->GetSelectionPoints().size());
}

namespace
{
// The owner of a timed capture without a main window.
class QuietOwner : public ICaptureOwner
{
public:
    void BeginCapture() override {}
    void OnCaptureFinished(DestinationResult, bool, bool, bool, bool) override {}
    void SetRightButtonPoll(bool) override {}
    CHkVellLibrary* GetHookLibrary() override { return nullptr; }
    HWND GetOwnerWindow() override { return nullptr; }
};

// The program's dialogs as the engine meets them: the selection type is the real dialog.
class ProgramDialogs : public ICaptureDialogs
{
public:
    int EditProperties(SendParam&, HWND) override { return IDOK; }
    int ChooseSelection(EnumSendParam recordType, EnumScreenCaptureType& type, std::vector<POINT>& points,
                        CString& windowName, HWND parent) override
    {
        return ChooseSelectionType(recordType, type, points, windowName, parent);
    }
    int ChooseFrameRate(bool&, int&, HWND) override
    {
        return IDCANCEL;
    }
};

int CountBitmaps(const TestFolder& folder, SIZE& size)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(folder / L"*.bmp", &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    int count = 0;
    do
    {
        ++count;
        BITMAP info = {};
        HBITMAP bitmap = static_cast<HBITMAP>(
            LoadImageW(nullptr, folder / found.cFileName, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
        GetObjectW(bitmap, sizeof info, &info);
        DeleteObject(bitmap);
        size = SIZE{info.bmWidth, info.bmHeight};
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return count;
}
} // namespace

TEST(SelectionTypeCaptureTest, ATimedCaptureTakesTheTypedRectangle)
{
    InfoScSettings savedSettings;
    InfoScFile savedFile;
    savedSettings.LoadFromRegistry();
    savedFile.LoadFromRegistry();
    TestFolder folder;
    InfoScSettings settings;
    settings.Clear();
    settings.File = true;
    settings.Type = SCT_DESKTOP;
    settings.SaveToRegistry(0);
    InfoScFile file(L"timed", folder.Path(), FT_BMP, false, false, 3, 1);
    file.SaveToRegistry(0);

    ProgramDialogs dialogs;
    QuietOwner owner;
    FakeSystemCursors cursors;
    CScreenCaptureManager manager(std::unique_ptr<CImageDestinations>(new CImageDestinations), dialogs);
    manager.SetSystemCursors(cursors);
    manager.SetOwner(&owner);

    // The user chooses the rectangle, types its corners and uses the selection.
    bool typed = false;
    const CDialog::ModalHook previous = CDialog::SetModalHook([&](CDialog& dialog) {
        HWND combo = dialog.GetDlgItem(IDC_SEL_TYPE);
        SendMessageW(combo, CB_SETCURSEL, SCT_RECTANGLE, 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_SEL_TYPE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
        SetForegroundWindow(dialog);
        SetFocus(dialog.GetDlgItem(IDC_SEL_TEXT));
        typed = TypeTextSettled(L"10,10,110,60");
        SendMessageW(dialog.GetDlgItem(IDC_SEL_USE_SELECTION), BM_CLICK, 0, 0);
    });
    const DestinationResult started = manager.Start(false);
    CDialog::SetModalHook(previous);
    EXPECT_TRUE(typed);
    ASSERT_EQ(DR_DONE, started);
    CWndTimer* timer = manager.GetTimer();
    ASSERT_NE(nullptr, timer);
    SendMessageW(timer->GetSafeHwnd(), WM_TIMER, CWndTimer::kScreenTimerId, 0);
    SendMessageW(timer->GetSafeHwnd(), WM_TIMER, CWndTimer::kStopTimerId, 0);
    EXPECT_TRUE(PumpUntil([&] { return !manager.IsCapturing(); }));
    SIZE size = {};
    EXPECT_LE(1, CountBitmaps(folder, size));
    EXPECT_EQ(100, size.cx);
    EXPECT_EQ(50, size.cy);

    savedSettings.SaveToRegistry(0);
    savedFile.SaveToRegistry(0);
}
