// The scheduled-task wizard driven by real input (clicks on its buttons, lists and boxes,
// typed text) against the system's Task Scheduler: a screen capture to a file, made
// through every page, read back and run as the system starts a task; the checks that
// keep a page; changing a listed task through the task list; the weekdays schedule; and
// a new task named like an existing one.
#include "VellWizSchTask/CDlgTasks.h"
#include "VellWizSchTask/CWizTaskPropSheet.h"
#include "VellWizSchTask/JobLineBuilder.h"
#include "VellWizSchTask/TaskMngrResources.h"
#include "VellWizSchTask/TaskWizardResources.h"
#include "VellWizSchTask/tests/BoxAnswers.h"
#include "VellWizSchTask/tests/TaskStoreSupport.h"
#include "capture/pages/tests/StandInDevices.h"
#include "capture/tests/CaptureTestSupport.h"
#include "capture/tests/IcqClientTestSupport.h"
#include "common/PathHelpers.h"
#include "common/SystemHelpers.h"
#include "common/tests/ScreenTestWindow.h"
#include "framework/AppWindowText.h"
#include "framework/tests/ControlsTestSupport.h"
#include "runjobs/CCmdLine.h"
#include "runjobs/tests/JobRunSupport.h"
#include "standins/audio/TestAudioIds.h"
#include "VellWizSchTask/JobLineText.h"
#include "testing/ScratchProfileTest.h"
#include "testing/TestFiles.h"
#include "testing/TestFolder.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace task_test;

namespace
{
// The wizard buttons of the sheet.
const UINT kBack = 0x3023;
const UINT kNext = 0x3024;
const UINT kFinish = 0x3025;
const UINT kCancel = IDCANCEL;

bool ClickWindow(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return ClickAt({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

bool PressKeys(std::initializer_list<std::pair<WORD, bool>> keys)
{
    std::vector<INPUT> inputs;
    for (const auto& [key, down] : keys)
    {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    return SendInputSettled(inputs.data(), static_cast<UINT>(inputs.size()));
}

// The argument vector of a job line, as the job runner's process gets it.
std::vector<const wchar_t*> Pointers(const CStringArray& args)
{
    std::vector<const wchar_t*> argv;
    for (int i = 0; i < args.GetSize(); ++i)
        argv.push_back(args[i].GetString());
    return argv;
}

// A wizard window driven as a user drives it.
class WizardDriver
{
public:
    explicit WizardDriver(HWND sheet) : m_sheet(sheet) {}

    HWND Sheet() const { return m_sheet; }
    HWND Page() const { return PropSheet_GetCurrentPageHwnd(m_sheet); }
    // The template id of the current page; 0 when the wizard has ended.
    UINT PageId() const
    {
        auto* page = dynamic_cast<CPropertyPage*>(CWnd::FromHandle(Page()));
        return page ? page->GetTemplateId() : 0;
    }
    HWND Item(UINT id) const { return GetDlgItem(Page(), static_cast<int>(id)); }
    CString Text(UINT id) const { return AppGetWindowText(Item(id)); }
    bool Enabled(UINT button) const { return IsWindowEnabled(GetDlgItem(m_sheet, static_cast<int>(button))) != FALSE; }
    // Waits until the pages have set the button's state (they may set it after the input
    // that changes it is handled).
    void AwaitButton(UINT button, bool enabled) const
    {
        PumpUntil([=] { return Enabled(button) == enabled; });
    }

    void Press(UINT button) const
    {
        SetForegroundWindow(m_sheet);
        ASSERT_TRUE(ClickWindow(GetDlgItem(m_sheet, static_cast<int>(button))));
    }
    void Click(UINT id) const { ASSERT_TRUE(ClickWindow(Item(id))); }
    // Replaces the text of the edit id by typing.
    void Type(UINT id, const wchar_t* text) const
    {
        Click(id);
        ASSERT_TRUE(PressKeys({{VK_END, true}, {VK_END, false}, {VK_SHIFT, true}, {VK_HOME, true}, {VK_HOME, false},
                               {VK_SHIFT, false}, {VK_DELETE, true}, {VK_DELETE, false}}));
        if (*text)
        {
            ASSERT_TRUE(TypeTextSettled(text));
        }
    }
    // Clicks the row of the type list id whose value is value.
    void ChooseRow(UINT id, int value) const
    {
        HWND list = Item(id);
        LVFINDINFOW find = {};
        find.flags = LVFI_PARAM;
        find.lParam = value;
        const int row = ListView_FindItem(list, -1, &find);
        ASSERT_GE(row, 0);
        RECT rect = {};
        ListView_GetItemRect(list, row, &rect, LVIR_LABEL);
        POINT centre = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        ClientToScreen(list, &centre);
        ASSERT_TRUE(ClickAt(centre));
    }
    // Next as the sheet's own button command, for tables that need no pointer.
    void PressNext() const
    {
        HWND next = GetDlgItem(m_sheet, static_cast<int>(kNext));
        SendMessageW(m_sheet, WM_COMMAND, MAKEWPARAM(kNext, BN_CLICKED), reinterpret_cast<LPARAM>(next));
    }
    // Next on a page that is expected to lead to page.
    void NextTo(UINT page) const
    {
        Press(kNext);
        ASSERT_EQ(page, PageId());
    }

private:
    HWND m_sheet;
};

class TaskWizardTest : public ScratchProfileTest
{
protected:
    // The wizard made modeless, in front, so the test drives it.
    std::unique_ptr<CWizTaskPropSheet> Open(bool newTask = true)
    {
        auto wizard = std::make_unique<CWizTaskPropSheet>(m_scheduler, newTask);
        EXPECT_TRUE(wizard->CreateWizard(nullptr));
        EXPECT_TRUE(PumpUntilInFront(wizard->GetSafeHwnd()));
        // The first page sets the buttons through messages it posts.
        EXPECT_TRUE(InputSettled());
        return wizard;
    }

    // From the introduction through a screen capture to a file, drawn as a rectangle,
    // up to the Name page.
    void ScreenFileRectangle(const WizardDriver& wizard, const CString& folder)
    {
        ASSERT_EQ(static_cast<UINT>(IDD_WIZ_INTRO), wizard.PageId());
        wizard.NextTo(IDD_WIZ_CAPTURE_TYPE);
        wizard.ChooseRow(IDC_WZ_CAPTURE_TYPE_LIST, 1);
        wizard.NextTo(IDD_WIZ_SC_TYPE);
        wizard.ChooseRow(IDC_SC_TYPE_LIST, 7);
        wizard.NextTo(IDD_WIZ_SC_FILE);
        wizard.Type(IDC_WZ_FILE_NAME, L"Shot");
        wizard.Type(IDC_FILE_FOLDER, folder);
        wizard.NextTo(IDD_WIZ_SC_DURATION);
        wizard.Type(IDC_WZ_DURATION_SECONDS, L"1");
        wizard.NextTo(IDD_WIZ_SC_SELECTION);
        wizard.Type(IDC_SELECTION_TEXT, L"210,160,270,200");
        wizard.NextTo(IDD_WIZ_NAME);
    }

    // The job line of the task name as the scheduler holds it.
    CString SavedJobLine(const CString& name)
    {
        CTaskRecord task;
        CString msg;
        EXPECT_TRUE(m_scheduler.Read(name, task, msg)) << msg.ToAnsi(CP_UTF8);
        return task.parameters;
    }

    CTaskScheduler m_scheduler;
    TaskCleanup m_cleanup;
};

TEST_F(TaskWizardTest, AScreenCaptureToAFileIsScheduledWeeklyReadBackAndRunsAsTheSystemRunsIt)
{
    TestFolder folder;
    const CString name = m_cleanup.Add(UniqueTaskName(L"Wizard shot"));
    auto sheet = Open();
    WizardDriver wizard(sheet->GetSafeHwnd());
    EXPECT_EQ(CString(L"This wizard helps you to create and schedule a Vellumor task to be performed by Windows."),
              wizard.Text(IDC_INTRO_TEXT));
    EXPECT_FALSE(wizard.Enabled(kBack));
    ScreenFileRectangle(wizard, folder.Path());

    wizard.Type(IDC_NAME_NAME, name);
    wizard.Type(IDC_NAME_COMMENT, L"Every Monday and Wednesday");
    wizard.Click(IDC_NAME_WEEKLY);
    wizard.NextTo(IDD_WIZ_WEEKLY);
    wizard.Click(IDC_WEEKLY_MONDAY + 2);
    wizard.NextTo(IDD_WIZ_CREDENTIALS);
    // The current user is given; an empty password matches its empty confirmation.
    EXPECT_FALSE(wizard.Text(IDC_CRED_USER).IsEmpty());
    wizard.NextTo(IDD_WIZ_FINISH);
    EXPECT_EQ(name, wizard.Text(IDC_FINISH_NAME));
    EXPECT_EQ(CString(L"which will perform a screen capture operation."), wizard.Text(IDC_FINISH_OPERATION));
    const CString expectedLine = sheet->m_finish.BuildCommandLine();
    wizard.Press(kFinish);
    ASSERT_TRUE(sheet->IsWizardEnded());
    EXPECT_TRUE(sheet->IsFinished());
    sheet.reset();

    CTaskRecord task;
    CString msg;
    ASSERT_TRUE(m_scheduler.Read(name, task, msg)) << msg.ToAnsi(CP_UTF8);
    EXPECT_EQ(CString(L"Every Monday and Wednesday"), task.comment);
    EXPECT_EQ(TASK_TIME_TRIGGER_WEEKLY, task.trigger.TriggerType);
    EXPECT_EQ(TASK_MONDAY | TASK_WEDNESDAY, task.trigger.Type.Weekly.rgfDaysOfTheWeek);
    EXPECT_EQ(OwnApplication().MakeLower(), task.application.MakeLower());
    EXPECT_EQ(expectedLine, task.parameters);
    EXPECT_EQ(0, task.parameters.Find(L"-type VELLUMOR_SC -esParam 7 -escType 2 -size \"210,160,270,200\" -file "
                                      L"\"Shot\" -path \"" +
                                      folder.Path() + L"\""))
        << task.parameters.ToAnsi(CP_UTF8);
    EXPECT_NE(-1, task.parameters.Find(L"-duration 1 -freq "));

    screen_test::ColourWindow target(capture_test::kPaintRect, capture_test::kPaint);
    ASSERT_TRUE(target.IsShown());
    const job_test::JobRun run = job_test::RunJob(task.parameters);
    EXPECT_EQ(0u, run.exitCode);
    WIN32_FIND_DATAW found = {};
    HANDLE search = FindFirstFileW(folder / L"Shot.*", &found);
    ASSERT_NE(INVALID_HANDLE_VALUE, search);
    FindClose(search);
    const capture_test::DecodedImage image = capture_test::Decode(folder / found.cFileName);
    ASSERT_TRUE(image.ok);
    EXPECT_NEAR(60, image.width, 1);
    EXPECT_TRUE(capture_test::ColourNear(capture_test::kPaint, image.centre, 0));
}

// A destination page's Next: the values typed, the box it shows (none: it passes).
struct DestinationCase
{
    int destination;
    std::vector<std::pair<UINT, const wchar_t*>> texts;
    const wchar_t* message;
};

TEST_F(TaskWizardTest, EachDestinationPageRefusesWhatItCannotUseWithItsOwnText)
{
    const wchar_t kCopies[] = L"You entered an invalid number of copies. Please enter a value between 1 and 999.";
    const DestinationCase kCases[] = {
        {SP_SC_PRINTER, {{IDC_WZ_PRINTER_NAME, L""}},
         L"The Printer Name field is empty. Please enter a valid printer name."},
        {SP_SC_PRINTER, {{IDC_WZ_PRINTER_NAME, L"PDF"}, {IDC_WZ_PRINTER_DRIVER, L""}},
         L"The Driver Name field is empty. Please enter a valid driver name."},
        {SP_SC_PRINTER, {{IDC_WZ_PRINTER_NAME, L"PDF"}, {IDC_WZ_PRINTER_DRIVER, L"d"}, {IDC_WZ_PRINTER_PORT, L""}},
         L"The Port Name field is empty. Please enter a valid port name."},
        {SP_SC_PRINTER,
         {{IDC_WZ_PRINTER_NAME, L"PDF"}, {IDC_WZ_PRINTER_DRIVER, L"d"}, {IDC_WZ_PRINTER_PORT, L"p"}, {IDC_WZ_PRINTER_COPIES, L"0"}},
         kCopies},
        {SP_SC_PRINTER,
         {{IDC_WZ_PRINTER_NAME, L"PDF"}, {IDC_WZ_PRINTER_DRIVER, L"d"}, {IDC_WZ_PRINTER_PORT, L"p"}, {IDC_WZ_PRINTER_COPIES, L"1000"}},
         kCopies},
        {SP_SC_PRINTER,
         {{IDC_WZ_PRINTER_NAME, L"PDF"}, {IDC_WZ_PRINTER_DRIVER, L"d"}, {IDC_WZ_PRINTER_PORT, L"p"}, {IDC_WZ_PRINTER_COPIES, L""}},
         kCopies},
        {SP_SC_PRINTER,
         {{IDC_WZ_PRINTER_NAME, L"PDF"}, {IDC_WZ_PRINTER_DRIVER, L"d"}, {IDC_WZ_PRINTER_PORT, L"p"}, {IDC_WZ_PRINTER_COPIES, L"999"}},
         nullptr},
        {SP_SC_EDITOR, {{IDC_EDITOR_PROGRAM, L"C:\\no such editor.exe"}}, L"Editor file does not exist."},
        {SP_SC_EMAIL, {{IDC_EMAIL_SERVER, L""}}, L"Mail server is missing. This field cannot be empty. Please correct."},
        {SP_SC_EMAIL, {{IDC_EMAIL_SERVER, L"s"}, {IDC_EMAIL_FROM, L"a@b"}, {IDC_EMAIL_TO, L""}},
         L"Recipient email address is missing. This field cannot be empty. Please correct."},
        {SP_SC_EMAIL, {{IDC_EMAIL_SERVER, L"s"}, {IDC_EMAIL_FROM, L"a@b"}, {IDC_EMAIL_TO, L"c@d"}}, nullptr},
        {SP_SC_FAX, {{IDC_FAX_NAME, L""}, {IDC_WZ_FAX_NUMBER, L"1"}}, L"The recipient name is missing. Please correct."},
        {SP_SC_FAX, {{IDC_FAX_NAME, L"Ann"}, {IDC_WZ_FAX_NUMBER, L""}}, L"The fax number is missing. Please correct."},
        {SP_SC_FAX, {{IDC_FAX_NAME, L"Ann"}, {IDC_WZ_FAX_NUMBER, L"1"}}, nullptr},
        {SP_SC_SCREENSAVER, {{IDC_WZ_SAVER_NAME, L"con"}},
         L"File/directory name is a reserved device name (aux, con, lpt1, prn)."},
        {SP_SC_WALLPAPER, {{IDC_WZ_WALLPAPER_NAME, L" "}}, L"Please provide a file name."},
        {SP_SC_CLIPBOARD, {}, nullptr},
        {SP_SC_DATABASE, {{IDC_WZ_DB_CONNECTION, L""}}, L"The database connection string is missing."},
        {SP_SC_DATABASE,
         {{IDC_WZ_DB_CONNECTION, L"DSN=x"}, {IDC_WZ_DB_TABLE, L"Shots"}, {IDC_WZ_DB_IMAGE_COLUMN, L""}},
         L"The image column name is missing."},
        {SP_SC_DATABASE,
         {{IDC_WZ_DB_CONNECTION, L"DSN=x"}, {IDC_WZ_DB_TABLE, L"Shots"}, {IDC_WZ_DB_IMAGE_COLUMN, L"Picture"}},
         L"Extra column data is missing. This capture type requires at least one more column data."},
    };
    for (const DestinationCase& c : kCases)
    {
        SCOPED_TRACE(c.destination);
        auto sheet = std::make_unique<CWizTaskPropSheet>(m_scheduler, true);
        sheet->m_scType.m_value = c.destination;
        // A database record without extra columns.
        sheet->m_scDatabase.m_record.ExtraColInfo.Empty();
        ASSERT_TRUE(sheet->CreateWizard(nullptr));
        WizardDriver wizard(sheet->GetSafeHwnd());
        for (int step = 0; step < 3; ++step)
            wizard.PressNext();
        const UINT page = wizard.PageId();
        ASSERT_EQ(static_cast<UINT>(DestinationPage(c.destination)), page);
        for (const auto& [id, text] : c.texts)
            SetWindowTextW(wizard.Item(id), text);
        BoxAnswers boxes;
        wizard.PressNext();
        if (c.message)
        {
            ASSERT_EQ(1u, boxes.texts.size());
            EXPECT_EQ(CString(c.message), boxes.texts[0]);
            EXPECT_EQ(page, wizard.PageId());
        }
        else
        {
            EXPECT_TRUE(boxes.texts.empty()) << (boxes.texts.empty() ? "" : boxes.texts[0].ToAnsi(CP_UTF8));
            EXPECT_EQ(static_cast<UINT>(IDD_WIZ_SC_DURATION), wizard.PageId());
        }
    }
}

class TaskWizardIcqTest : public IcqClientTest
{
protected:
    // The wizard on the destination list with ICQ chosen.
    std::unique_ptr<CWizTaskPropSheet> OpenOnDestinations()
    {
        auto sheet = std::make_unique<CWizTaskPropSheet>(m_scheduler, true);
        sheet->m_scType.m_value = SP_SC_ICQ;
        EXPECT_TRUE(sheet->CreateWizard(nullptr));
        WizardDriver wizard(sheet->GetSafeHwnd());
        wizard.PressNext();
        wizard.PressNext();
        EXPECT_EQ(static_cast<UINT>(IDD_WIZ_SC_TYPE), wizard.PageId());
        return sheet;
    }

    CTaskScheduler m_scheduler;
};

TEST_F(TaskWizardIcqTest, WithoutTheClientTheDestinationListIsNeverLeft)
{
    SetRunning(false);
    auto sheet = OpenOnDestinations();
    WizardDriver wizard(sheet->GetSafeHwnd());
    BoxAnswers boxes;
    wizard.PressNext();
    ASSERT_EQ(1u, boxes.texts.size());
    EXPECT_EQ(CString(L"ICQ Pro not installed or running. This operation cannot be completed successfully."),
              boxes.texts[0]);
    EXPECT_EQ(static_cast<UINT>(MB_OK), boxes.types[0]);
    EXPECT_EQ(static_cast<UINT>(IDD_WIZ_SC_TYPE), wizard.PageId());
}

TEST_F(TaskWizardIcqTest, WithTheClientEveryNextAsksAndTheContactChosenIsKept)
{
    AddUser(1001, L"Ann", nullptr);
    WriteContact(L"User 1001", L"LastName", L"Lee");
    auto sheet = OpenOnDestinations();
    WizardDriver wizard(sheet->GetSafeHwnd());
    {
        BoxAnswers boxes({IDNO});
        wizard.PressNext();
        ASSERT_EQ(1u, boxes.texts.size());
        EXPECT_EQ(0, boxes.texts[0].Find(L"Warning:  ICQ application displays a confirmation dialog box"));
        EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), boxes.types[0]);
        EXPECT_EQ(static_cast<UINT>(IDD_WIZ_SC_TYPE), wizard.PageId());
    }
    BoxAnswers boxes({IDYES});
    wizard.PressNext();
    EXPECT_EQ(1u, boxes.texts.size());
    ASSERT_EQ(static_cast<UINT>(IDD_WIZ_SC_ICQ), wizard.PageId());
    EXPECT_EQ(CString(L"Ann"), wizard.Text(IDC_WZ_ICQ_FIRST_NAME));
    EXPECT_EQ(CString(L"Lee"), wizard.Text(IDC_WZ_ICQ_LAST_NAME));
    wizard.PressNext();
    EXPECT_EQ(static_cast<UINT>(IDD_WIZ_SC_DURATION), wizard.PageId());
    EXPECT_EQ(1001, sheet->m_scIcq.m_record.UID);
    EXPECT_EQ(CString(L"Lee"), sheet->m_scIcq.m_record.LastName);
}

TEST_F(TaskWizardTest, TheWebUploadNeedsAUserOnlyWithAPassword)
{
    const struct
    {
        const wchar_t* user;
        const wchar_t* password;
        const wchar_t* message;
    } kCases[] = {
        {L"", L"secret", L"The login user name is missing."},
        {L"someone", L"", nullptr},
        {L"", L"", nullptr},
    };
    TestFolder folder;
    for (const auto& c : kCases)
    {
        auto sheet = std::make_unique<CWizTaskPropSheet>(m_scheduler, true);
        sheet->m_scType.m_value = SP_SC_WEB;
        sheet->m_scWebFile.m_record.FPath = folder.Path();
        ASSERT_TRUE(sheet->CreateWizard(nullptr));
        WizardDriver wizard(sheet->GetSafeHwnd());
        for (int step = 0; step < 4; ++step)
            wizard.PressNext();
        ASSERT_EQ(static_cast<UINT>(IDD_WIZ_SC_WEB_UPLOAD), wizard.PageId());
        SetWindowTextW(wizard.Item(IDC_WZ_WEB_USER), c.user);
        SetWindowTextW(wizard.Item(IDC_WZ_WEB_PASSWORD), c.password);
        BoxAnswers boxes;
        wizard.PressNext();
        ASSERT_EQ(c.message ? 1u : 0u, boxes.texts.size());
        if (c.message)
        {
            EXPECT_EQ(CString(c.message), boxes.texts[0]);
        }
        EXPECT_EQ(static_cast<UINT>(c.message ? IDD_WIZ_SC_WEB_UPLOAD : IDD_WIZ_SC_DURATION), wizard.PageId());
    }
}

TEST_F(TaskWizardTest, PagesKeepTheUserUntilTheirDataIsCompleteAndBackRetracesTheWay)
{
    TestFolder folder;
    auto sheet = Open();
    WizardDriver wizard(sheet->GetSafeHwnd());
    BoxAnswers boxes;
    wizard.NextTo(IDD_WIZ_CAPTURE_TYPE);
    wizard.NextTo(IDD_WIZ_SC_TYPE);
    wizard.NextTo(IDD_WIZ_SC_FILE);
    wizard.Type(IDC_WZ_FILE_NAME, L"aux");
    wizard.NextTo(IDD_WIZ_SC_FILE);
    ASSERT_EQ(1u, boxes.texts.size());
    EXPECT_EQ(CString(L"File/directory name is a reserved device name (aux, con, lpt1, prn)."), boxes.texts[0]);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), boxes.types[0]);
    EXPECT_EQ(wizard.Item(IDC_WZ_FILE_NAME), GetFocus());
    wizard.Type(IDC_WZ_FILE_NAME, L"Shot");
    wizard.Type(IDC_FILE_FOLDER, folder.Path());
    wizard.NextTo(IDD_WIZ_SC_DURATION);
    EXPECT_FALSE(IsWindowEnabled(wizard.Item(IDC_DURATION_FREQ)));
    wizard.NextTo(IDD_WIZ_SC_DURATION);
    EXPECT_EQ(CString(L"The duration parameter is missing and it is required for processing the current task."),
              boxes.texts.back());
    wizard.Type(IDC_WZ_DURATION_SECONDS, L"5");
    EXPECT_TRUE(IsWindowEnabled(wizard.Item(IDC_DURATION_FREQ)));
    wizard.Type(IDC_DURATION_FREQ, L"5");
    wizard.NextTo(IDD_WIZ_SC_DURATION);
    EXPECT_EQ(CString(L"The duration value cannot be smaller than or equal to the frequence value."),
              boxes.texts.back());
    wizard.Type(IDC_WZ_DURATION_SECONDS, L"6");
    wizard.NextTo(IDD_WIZ_SC_SELECTION);
    wizard.Type(IDC_SELECTION_TEXT, L"10,10,200");
    wizard.NextTo(IDD_WIZ_SC_SELECTION);
    EXPECT_EQ(CString(L"The current selection requires 4 coordinates delimited by comma (rectangle: left, top, right, "
                      L"bottom). Please correct."),
              boxes.texts.back());
    wizard.Type(IDC_SELECTION_TEXT, L"10,10,200,200");
    wizard.NextTo(IDD_WIZ_NAME);
    wizard.Type(IDC_NAME_NAME, L"Never written");
    wizard.Click(IDC_NAME_WEEKLY);
    wizard.NextTo(IDD_WIZ_WEEKLY);
    // Monday is the one day set: clearing it leaves Back alone.
    wizard.Click(IDC_WEEKLY_MONDAY);
    wizard.AwaitButton(kNext, false);
    EXPECT_FALSE(wizard.Enabled(kNext));
    EXPECT_TRUE(wizard.Enabled(kBack));
    wizard.Click(IDC_WEEKLY_MONDAY);
    wizard.NextTo(IDD_WIZ_CREDENTIALS);
    wizard.Type(IDC_CRED_PASSWORD, L"Secret");
    wizard.Type(IDC_CRED_CONFIRM, L"secret");
    wizard.AwaitButton(kNext, false);
    EXPECT_FALSE(wizard.Enabled(kNext));
    wizard.Type(IDC_CRED_CONFIRM, L"Secret");
    wizard.AwaitButton(kNext, true);
    EXPECT_TRUE(wizard.Enabled(kNext));

    // Back retraces the way, and a page shows what was left there.
    for (UINT page : {IDD_WIZ_WEEKLY, IDD_WIZ_NAME, IDD_WIZ_SC_SELECTION, IDD_WIZ_SC_DURATION, IDD_WIZ_SC_FILE,
                      IDD_WIZ_SC_TYPE, IDD_WIZ_CAPTURE_TYPE, IDD_WIZ_INTRO})
    {
        wizard.Press(kBack);
        EXPECT_EQ(page, wizard.PageId());
        if (page == IDD_WIZ_SC_FILE)
        {
            EXPECT_EQ(CString(L"Shot"), wizard.Text(IDC_WZ_FILE_NAME));
        }
    }
    wizard.Press(kCancel);
    EXPECT_TRUE(sheet->IsWizardEnded());
    EXPECT_FALSE(sheet->IsFinished());
}

// The wizard window of this thread; null when there is none.
HWND FindWizard()
{
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM result) {
            if (!dynamic_cast<CWizTaskPropSheet*>(CWnd::FromHandle(window)))
                return TRUE;
            *reinterpret_cast<HWND*>(result) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Drives the wizard that a click starts, from inside the wizard's own message loop: the
// steps run once the wizard window is there.
class InWizardLoop
{
public:
    explicit InWizardLoop(std::function<void(const WizardDriver&)> steps)
    {
        s_steps = std::move(steps);
        s_ran = false;
        m_timer = SetTimer(nullptr, 0, 100, &InWizardLoop::Fire);
    }
    ~InWizardLoop() { KillTimer(nullptr, m_timer); }

    static bool Ran() { return s_ran; }

private:
    static void CALLBACK Fire(HWND, UINT, UINT_PTR timer, DWORD)
    {
        HWND wizard = FindWizard();
        if (!wizard || !s_steps)
            return;
        KillTimer(nullptr, timer);
        auto steps = std::move(s_steps);
        s_steps = nullptr;
        steps(WizardDriver(wizard));
        s_ran = true;
        // Steps that stopped early leave the wizard open: it is cancelled, so its loop ends.
        if (IsWindow(wizard) && PropSheet_GetCurrentPageHwnd(wizard))
            PropSheet_PressButton(wizard, PSBTN_CANCEL);
    }
    static std::function<void(const WizardDriver&)> s_steps;
    static bool s_ran;
    UINT_PTR m_timer;
};
std::function<void(const WizardDriver&)> InWizardLoop::s_steps;
bool InWizardLoop::s_ran = false;

TEST_F(TaskWizardTest, ModifyShowsTheTasksValuesAndReplacesItsRow)
{
    TestFolder folder;
    const CString name = m_cleanup.Add(UniqueTaskName(L"Wizard modify"));
    JobSelection selection;
    selection.selectionType = SCT_RECTANGLE;
    selection.sizeText = L"1,2,30,40";
    selection.duration = 8;
    selection.frequence = 2;
    CTaskRecord original = OwnTask(name, BuildJobLine(InfoScFile(L"Old", folder.Path(), FT_BMP, false, false, 8, 2),
                                                      selection));
    original.comment = L"Before";
    CString msg;
    ASSERT_TRUE(m_scheduler.Create(original, msg)) << msg.ToAnsi(CP_UTF8);

    CDlgTasks dialog(m_scheduler, false);
    ASSERT_TRUE(dialog.Create());
    const int row = dialog.GetList().FindRow(name);
    ASSERT_GE(row, 0);
    dialog.GetList().SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
    ShowWindow(dialog.GetSafeHwnd(), SW_SHOW);
    SetForegroundWindow(dialog.GetSafeHwnd());

    CString intro, shownName, shownComment, fileName, selectionText, seconds;
    bool weeklyChecked = false;
    InWizardLoop steps([&](const WizardDriver& wizard) {
        intro = wizard.Text(IDC_INTRO_TEXT);
        wizard.NextTo(IDD_WIZ_CAPTURE_TYPE);
        wizard.NextTo(IDD_WIZ_SC_TYPE);
        wizard.NextTo(IDD_WIZ_SC_FILE);
        fileName = wizard.Text(IDC_WZ_FILE_NAME);
        wizard.NextTo(IDD_WIZ_SC_DURATION);
        seconds = wizard.Text(IDC_WZ_DURATION_SECONDS);
        wizard.NextTo(IDD_WIZ_SC_SELECTION);
        selectionText = wizard.Text(IDC_SELECTION_TEXT);
        wizard.NextTo(IDD_WIZ_NAME);
        shownName = wizard.Text(IDC_NAME_NAME);
        shownComment = wizard.Text(IDC_NAME_COMMENT);
        weeklyChecked = IsDlgButtonChecked(wizard.Page(), IDC_NAME_WEEKLY) == BST_CHECKED;
        wizard.Type(IDC_NAME_COMMENT, L"After");
        wizard.NextTo(IDD_WIZ_WEEKLY);
        wizard.NextTo(IDD_WIZ_CREDENTIALS);
        // The system keeps no account that could be read back here: the user is typed.
        wizard.Type(IDC_CRED_USER, L"tester");
        wizard.NextTo(IDD_WIZ_FINISH);
        wizard.Press(kFinish);
    });
    ASSERT_TRUE(ClickWindow(dialog.GetDlgItem(IDC_TASKS_MODIFY)));
    ASSERT_TRUE(PumpUntil([] { return InWizardLoop::Ran(); }));

    EXPECT_EQ(CString(L"This wizard helps you to modify a Vellumor task to be performed by Windows."), intro);
    EXPECT_EQ(CString(L"Old"), fileName);
    EXPECT_EQ(CString(L"8"), seconds);
    EXPECT_EQ(CString(L"1,2,30,40"), selectionText);
    EXPECT_EQ(name, shownName);
    EXPECT_EQ(CString(L"Before"), shownComment);
    EXPECT_TRUE(weeklyChecked);
    CTaskRecord task;
    ASSERT_TRUE(m_scheduler.Read(name, task, msg)) << msg.ToAnsi(CP_UTF8);
    EXPECT_EQ(CString(L"After"), task.comment);
    EXPECT_EQ(original.parameters, task.parameters);
    const int updated = dialog.GetList().FindRow(name);
    ASSERT_GE(updated, 0);
    EXPECT_EQ(CString(L"After"), dialog.GetList().GetItemText(updated, CTasksListCtrl::kComment));
}

TEST_F(TaskWizardTest, AMovieRecordingTaskCarriesItsFileTimingAndSelection)
{
    TestFolder folder;
    const CString name = m_cleanup.Add(UniqueTaskName(L"Wizard movie"));
    auto sheet = std::make_unique<CWizTaskPropSheet>(m_scheduler, true);
    sheet->m_captureType.m_value = 5;
    ASSERT_TRUE(sheet->CreateWizard(nullptr));
    WizardDriver wizard(sheet->GetSafeHwnd());
    BoxAnswers boxes;
    for (UINT page : {IDD_WIZ_CAPTURE_TYPE, IDD_WIZ_PRESENTATION_TYPE, IDD_WIZ_MOVIE_GENERAL})
    {
        wizard.PressNext();
        ASSERT_EQ(page, wizard.PageId());
    }
    SetWindowTextW(wizard.Item(IDC_MOVIE_NAME), L"Movie");
    // A folder that does not exist yet is made.
    SetWindowTextW(wizard.Item(IDC_MOVIE_FOLDER), folder / L"new");
    wizard.PressNext();
    ASSERT_EQ(static_cast<UINT>(IDD_WIZ_MOVIE_DURATION), wizard.PageId());
    EXPECT_TRUE(EnsurePathExists(folder / L"new", false));
    SetWindowTextW(wizard.Item(IDC_MOVIE_SECONDS), L"0");
    wizard.PressNext();
    ASSERT_EQ(1u, boxes.texts.size());
    EXPECT_EQ(CString(L"The duration parameter is missing and it is required for processing the current task."),
              boxes.texts[0]);
    SetWindowTextW(wizard.Item(IDC_MOVIE_SECONDS), L"1");
    SetWindowTextW(wizard.Item(IDC_WZ_MOVIE_FREQ), L"999");
    SetWindowTextW(wizard.Item(IDC_WZ_MOVIE_FRAME_RATE), L"5");
    wizard.PressNext();
    ASSERT_EQ(static_cast<UINT>(IDD_WIZ_PRESENTATION_SELECTION), wizard.PageId());
    SetWindowTextW(wizard.Item(IDC_SELECTION_TEXT), L"5,6,70,80");
    wizard.Press(kBack);
    EXPECT_EQ(static_cast<UINT>(IDD_WIZ_MOVIE_DURATION), wizard.PageId());
    for (UINT page : {IDD_WIZ_PRESENTATION_SELECTION, IDD_WIZ_NAME})
    {
        wizard.PressNext();
        ASSERT_EQ(page, wizard.PageId());
    }
    SetWindowTextW(wizard.Item(IDC_NAME_NAME), name);
    CheckDlgButton(wizard.Page(), IDC_NAME_ONCE, BST_CHECKED);
    SendMessageW(wizard.Page(), WM_COMMAND, MAKEWPARAM(IDC_NAME_ONCE, BN_CLICKED),
                 reinterpret_cast<LPARAM>(wizard.Item(IDC_NAME_ONCE)));
    for (UINT page : {IDD_WIZ_ONCE, IDD_WIZ_CREDENTIALS, IDD_WIZ_FINISH})
    {
        wizard.PressNext();
        ASSERT_EQ(page, wizard.PageId());
    }
    EXPECT_EQ(CString(L"which will perform a movie capture operation."), wizard.Text(IDC_FINISH_OPERATION));
    wizard.Press(kFinish);
    ASSERT_TRUE(sheet->IsFinished());

    CStringArray args;
    SplitCommandLine(SavedJobLine(name), args);
    const std::vector<const wchar_t*> argv = Pointers(args);
    const CCmdLine job(static_cast<int>(argv.size()), argv.data(), false);
    ASSERT_NE(nullptr, job.GetRecord());
    ASSERT_EQ(SP_PRESENTATION_RECORDING, job.GetRecord()->GetType());
    const auto& movie = static_cast<const InfoPresentationRecording&>(*job.GetRecord());
    EXPECT_EQ(CString(L"Movie"), movie.RecFName);
    EXPECT_EQ(folder / L"new", movie.RecPath);
    EXPECT_EQ(1, movie.RecDuration);
    EXPECT_EQ(999, movie.RecFreq);
    EXPECT_EQ(5, movie.RecFramesRate);
    EXPECT_EQ(CString(L"5,6,70,80"), job.m_sizeText);
    EXPECT_EQ(SCT_RECTANGLE, job.m_selectionType);
}

// A playing page's Next: the texts typed, whether "Normal" is checked, the answer to a
// box, the box's text (none: it passes).
struct PlayingCase
{
    int kind;
    std::vector<std::pair<UINT, CString>> texts;
    bool normal;
    int answer;
    const wchar_t* message;
};

TEST_F(TaskWizardTest, PlayingPagesCheckTheFileItsFolderAndTheWindow)
{
    TestFolder folder;
    const CString wav = folder / L"tune.wav";
    const CString avi = folder / L"clip.avi";
    const CString missing = folder / L"missing\\tune.wav";
    const PlayingCase kCases[] = {
        {3, {{IDC_WZ_AUDIO_PLAY_FILE, folder / L"tune.txt"}}, false, IDOK,
         L"Invalid audio file extension. An audio file extension shoud be .wav, .mpa, .mp2, .mp3, .au, .aif, .aiff or "
         L".snd."},
        {3, {{IDC_WZ_AUDIO_PLAY_FILE, missing}}, false, IDNO, nullptr},
        {3, {{IDC_WZ_AUDIO_PLAY_FILE, L"C:\\a|b.wav"}}, false, IDOK,
         L"File/directory name contains reserved characters (<>:\\\"/|?*)."},
        {3, {{IDC_WZ_AUDIO_PLAY_FILE, wav}}, false, IDOK, nullptr},
        {5, {{IDC_WZ_MOVIE_PLAY_FILE, avi}, {IDC_WZ_MOVIE_PLAY_WIDTH, L"199"}, {IDC_WZ_MOVIE_PLAY_HEIGHT, L"120"}}, false, IDOK,
         L"The window's width cannot be less than 200 pixels."},
        {5, {{IDC_WZ_MOVIE_PLAY_FILE, avi}, {IDC_WZ_MOVIE_PLAY_WIDTH, L"200"}, {IDC_WZ_MOVIE_PLAY_HEIGHT, L"119"}}, false, IDOK,
         L"The window's height cannot be less than 120 pixels."},
        {5, {{IDC_WZ_MOVIE_PLAY_FILE, avi}, {IDC_WZ_MOVIE_PLAY_WIDTH, L"10"}, {IDC_WZ_MOVIE_PLAY_HEIGHT, L"10"}}, true, IDOK,
         nullptr},
        {4, {{IDC_WZ_VIDEO_PLAY_FILE, wav}}, false, IDOK,
         L"Invalid video file extension for current operation. A video file extension shoud be .avi, .gt, .mov, .mpg, "
         L".mpeg or .m1v."},
        {4, {{IDC_WZ_VIDEO_PLAY_FILE, avi}, {IDC_WZ_VIDEO_PLAY_WIDTH, L"200"}, {IDC_WZ_VIDEO_PLAY_HEIGHT, L"120"}}, false, IDOK,
         nullptr},
    };
    for (const PlayingCase& c : kCases)
    {
        SCOPED_TRACE(c.texts.front().second.ToAnsi(CP_UTF8));
        auto sheet = std::make_unique<CWizTaskPropSheet>(m_scheduler, true);
        sheet->m_captureType.m_value = c.kind;
        sheet->m_audioType.m_value = SP_AUDIO_PLAYING;
        sheet->m_videoType.m_value = SP_VIDEO_PLAYING;
        sheet->m_presentationType.m_value = SP_PRESENTATION_PLAYING;
        ASSERT_TRUE(sheet->CreateWizard(nullptr));
        WizardDriver wizard(sheet->GetSafeHwnd());
        for (int step = 0; step < 3; ++step)
            wizard.PressNext();
        const UINT page = wizard.PageId();
        const UINT pages[] = {IDD_WIZ_AUDIO_PLAYING, IDD_WIZ_VIDEO_PLAYING, IDD_WIZ_MOVIE_PLAYING};
        ASSERT_EQ(pages[c.kind - 3], page);
        for (const auto& [id, text] : c.texts)
            SetWindowTextW(wizard.Item(id), text);
        if (c.normal)
            SendMessageW(wizard.Item(IDC_WZ_MOVIE_PLAY_NORMAL), BM_CLICK, 0, 0);
        BoxAnswers boxes({c.answer});
        wizard.PressNext();
        if (c.answer == IDNO)
        {
            // The missing folder was offered, refused, and named.
            ASSERT_EQ(2u, boxes.texts.size());
            EXPECT_EQ(CString(L"The path '") + folder / L"missing\\' does not exist.", boxes.texts[1]);
            EXPECT_EQ(page, wizard.PageId());
        }
        else if (c.message)
        {
            ASSERT_EQ(1u, boxes.texts.size());
            EXPECT_EQ(CString(c.message), boxes.texts[0]);
            EXPECT_EQ(page, wizard.PageId());
        }
        else
        {
            EXPECT_TRUE(boxes.texts.empty());
            EXPECT_EQ(static_cast<UINT>(IDD_WIZ_NAME), wizard.PageId());
        }
    }
}

TEST_F(TaskWizardTest, AChangedTasksLineGoesIntoThePagesAndComesBackTheSame)
{
    JobSelection selection;
    selection.selectionType = SCT_POLYGON;
    selection.sizeText = L"1,2,3,4,5,6";
    selection.captureCursor = true;
    selection.duration = 9;
    selection.frequence = 3;
    const CString lines[] = {
        BuildJobLine(InfoScWeb(WS_REMOTE_FTP, L"ftp.example.com", 21, L"u", L"p \"q\"", L"/up", L"Web", L"C:\\",
                               FT_PNG, true, false, 9, 3),
                     selection),
        BuildJobLine(InfoScPrinter(L"PDF", L"drv", L"port", false, PO_LANDSCAPE, 2, 9, 3), selection),
        BuildJobLine(InfoAudioPlaying(L"C:\\a b\\s.wav", 7, 2, false), selection),
        BuildJobLine(InfoVideoPlaying(L"C:\\v.avi", 5, 1, false, true, 10, 20, 300, 200), selection),
        BuildJobLine(InfoPresentationRecording(L"Movie", L"C:\\m", PFT_AVI, true, 4, 2, 5, false), selection),
        BuildJobLine(InfoCBTPlaying(L"C:\\t\\lesson.vtf", false, 3, true, false, 30, false, L"C:\\a b\\tool.exe",
                                    L"/open \"x y.txt\"", 5, 10, 20, 640, 480),
                     selection),
        BuildJobLine(InfoVideoRecording(L"Clip", L"C:\\", VFT_AVI, true, 12, L"Cam", 15, true, 1, 2, 300, 200, true,
                                        L"Mic", L"1", L"Line", false),
                     selection),
        BuildJobLine(InfoAudioRecording(L"Voice", L"C:\\", AFT_WAV, false, L"Desk Mic", L"0,22050,1,1,22050,8,1",
                                        L"Line In", 8, false, false),
                     selection),
        BuildJobLine(InfoCBTRecording(L"Lesson", L"C:\\t", true, false, L"Mic \"1\"", L"f", L"In", true, false, 9,
                                      false),
                     selection),
        BuildJobLine(InfoVideoRecording(L"Clip", L"C:\\v", VFT_AVI, false, 6, L"Cam", 25, true, 1, 2, 300, 200, false,
                                        L"Mic", L"f", L"In", false),
                     selection),
    };
    for (const CString& line : lines)
    {
        SCOPED_TRACE(line.ToAnsi(CP_UTF8));
        CStringArray args;
        SplitCommandLine(line, args);
        const std::vector<const wchar_t*> argv = Pointers(args);
        const CCmdLine job(static_cast<int>(argv.size()), argv.data(), false);
        CWizTaskPropSheet sheet(m_scheduler, false);
        sheet.TransferParsedJob(job);
        EXPECT_EQ(line, sheet.m_finish.BuildCommandLine());
    }
}

// The job of a task read back from the scheduler, as the job runner parses it.
std::unique_ptr<CCmdLine> ParsedJob(const CTaskRecord& task)
{
    CStringArray args;
    SplitCommandLine(task.parameters, args);
    const std::vector<const wchar_t*> argv = Pointers(args);
    return std::make_unique<CCmdLine>(static_cast<int>(argv.size()), argv.data(), false);
}

bool IsEnabled(HWND window)
{
    return IsWindowEnabled(window) != FALSE;
}

TEST_F(TaskWizardTest, ATrainingPlaybackTaskCarriesItsFileAndTheProgramItLaunches)
{
    TestFolder folder;
    ASSERT_TRUE(WriteFileBytes(folder / L"lesson.VTF", "x"));
    ASSERT_TRUE(WriteFileBytes(folder / L"tool.exe", "MZ"));
    const CString name = m_cleanup.Add(UniqueTaskName(L"Wizard training"));
    auto sheet = Open();
    WizardDriver wizard(sheet->GetSafeHwnd());
    wizard.NextTo(IDD_WIZ_CAPTURE_TYPE);
    wizard.ChooseRow(IDC_WZ_CAPTURE_TYPE_LIST, 2);
    wizard.NextTo(IDD_WIZ_CBT_TYPE);
    wizard.ChooseRow(IDC_CBT_TYPE_LIST, SP_CBT_PLAYING);
    wizard.NextTo(IDD_WIZ_CBT_PLAYING);
    BoxAnswers boxes;
    wizard.Type(IDC_CBTPLAY_FILE, folder / L"missing.vtf");
    wizard.NextTo(IDD_WIZ_CBT_PLAYING);
    ASSERT_EQ(1u, boxes.texts.size());
    EXPECT_EQ(CString(L"Training file does not exist."), boxes.texts[0]);
    EXPECT_EQ(wizard.Item(IDC_CBTPLAY_FILE), GetFocus());
    wizard.Type(IDC_CBTPLAY_FILE, folder / L"lesson.VTF");
    wizard.Type(IDC_CBTPLAY_SECONDS, L"30");
    wizard.Type(IDC_CBTPLAY_REPEAT, L"3");
    wizard.Click(IDC_CBTPLAY_SOUND);
    wizard.Click(IDC_CBTPLAY_SKIP_MOUSE);
    wizard.NextTo(IDD_WIZ_CBT_LAUNCH);

    // A new task launches nothing: its window is maximized and only the program is open
    // to input.
    EXPECT_TRUE(IsDlgButtonChecked(wizard.Page(), IDC_CBTLAUNCH_MAXIMIZE) == BST_CHECKED);
    EXPECT_EQ(CString(L"50"), wizard.Text(IDC_CBTLAUNCH_WIDTH));
    for (UINT id : {IDC_CBTLAUNCH_CMDLINE, IDC_CBTLAUNCH_MAXIMIZE, IDC_CBTLAUNCH_DELAY, IDC_CBTLAUNCH_LEFT})
        EXPECT_FALSE(IsEnabled(wizard.Item(id))) << id;
    wizard.Type(IDC_CBTLAUNCH_APP, folder / L"gone.exe");
    for (UINT id : {IDC_CBTLAUNCH_CMDLINE, IDC_CBTLAUNCH_MAXIMIZE, IDC_CBTLAUNCH_DELAY})
        EXPECT_TRUE(IsEnabled(wizard.Item(id))) << id;
    EXPECT_FALSE(IsEnabled(wizard.Item(IDC_CBTLAUNCH_WIDTH)));
    wizard.Click(IDC_CBTLAUNCH_MAXIMIZE);
    EXPECT_TRUE(IsEnabled(wizard.Item(IDC_CBTLAUNCH_WIDTH)));
    EXPECT_TRUE(IsEnabled(wizard.Item(IDC_CBTLAUNCH_LEFT_LABEL)));
    wizard.Type(IDC_CBTLAUNCH_LEFT, L"7");
    // Maximizing empties the position and size.
    wizard.Click(IDC_CBTLAUNCH_MAXIMIZE);
    EXPECT_EQ(CString(), wizard.Text(IDC_CBTLAUNCH_LEFT));
    EXPECT_EQ(CString(), wizard.Text(IDC_CBTLAUNCH_WIDTH));
    EXPECT_FALSE(IsEnabled(wizard.Item(IDC_CBTLAUNCH_LEFT)));
    wizard.Click(IDC_CBTLAUNCH_MAXIMIZE);
    const std::pair<UINT, const wchar_t*> texts[] = {{IDC_CBTLAUNCH_LEFT, L"10"},     {IDC_CBTLAUNCH_TOP, L"20"},
                                                     {IDC_CBTLAUNCH_WIDTH, L"640"},   {IDC_CBTLAUNCH_HEIGHT, L"480"},
                                                     {IDC_CBTLAUNCH_DELAY, L"5"},
                                                     {IDC_CBTLAUNCH_CMDLINE, L"/open \"x y.txt\""}};
    for (const auto& [id, text] : texts)
        wizard.Type(id, text);
    wizard.NextTo(IDD_WIZ_CBT_LAUNCH);
    ASSERT_EQ(2u, boxes.texts.size());
    EXPECT_EQ(CString(L"The file '") + folder / L"gone.exe" + L"' does not exist.", boxes.texts[1]);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONINFORMATION), boxes.types[1]);
    EXPECT_EQ(wizard.Item(IDC_CBTLAUNCH_APP), GetFocus());
    wizard.Type(IDC_CBTLAUNCH_APP, L" " + folder / L"tool.exe" + L" ");
    wizard.NextTo(IDD_WIZ_NAME);
    // Back retraces both pages, which keep what was typed.
    wizard.Press(kBack);
    EXPECT_EQ(static_cast<UINT>(IDD_WIZ_CBT_LAUNCH), wizard.PageId());
    wizard.Press(kBack);
    EXPECT_EQ(static_cast<UINT>(IDD_WIZ_CBT_PLAYING), wizard.PageId());
    EXPECT_EQ(CString(L"3"), wizard.Text(IDC_CBTPLAY_REPEAT));
    wizard.NextTo(IDD_WIZ_CBT_LAUNCH);
    wizard.NextTo(IDD_WIZ_NAME);
    wizard.Type(IDC_NAME_NAME, name);
    wizard.Click(IDC_NAME_ONCE);
    wizard.NextTo(IDD_WIZ_ONCE);
    wizard.NextTo(IDD_WIZ_CREDENTIALS);
    wizard.NextTo(IDD_WIZ_FINISH);
    EXPECT_EQ(CString(L"which will perform a training playback operation."), wizard.Text(IDC_FINISH_OPERATION));
    wizard.Press(kFinish);
    ASSERT_TRUE(sheet->IsFinished());
    EXPECT_EQ(2u, boxes.texts.size());

    CTaskRecord task;
    CString msg;
    ASSERT_TRUE(m_scheduler.Read(name, task, msg)) << msg.ToAnsi(CP_UTF8);
    EXPECT_EQ(0, task.parameters.Find(L"-type VELLUMOR_CBT -cbtType 0 -file \"")) << task.parameters.ToAnsi(CP_UTF8);
    const std::unique_ptr<CCmdLine> job = ParsedJob(task);
    ASSERT_NE(nullptr, job->GetRecord());
    ASSERT_EQ(SP_CBT_PLAYING, job->GetRecord()->GetType());
    const auto& play = static_cast<const InfoCBTPlaying&>(*job->GetRecord());
    EXPECT_EQ(folder / L"lesson.VTF", play.PlayFName);
    EXPECT_EQ(30u, play.PlayDuration);
    EXPECT_EQ(3, play.PlayRepeat);
    EXPECT_FALSE(play.PlaySound);
    EXPECT_TRUE(play.PlaySkipMouse);
    EXPECT_FALSE(play.PlaySkipKeyboard);
    EXPECT_EQ(folder / L"tool.exe", play.PlayAppFileName);
    EXPECT_EQ(CString(L"/open \"x y.txt\""), play.PlayCmdLine);
    EXPECT_EQ(10, play.PlayWndLeft);
    EXPECT_EQ(20, play.PlayWndTop);
    EXPECT_EQ(640, play.PlayWndWidth);
    EXPECT_EQ(480, play.PlayWndHeight);
    EXPECT_EQ(5, play.PlayDelayTime);
}

TEST_F(TaskWizardTest, ASmallLaunchWindowOpensMaximizedAndIsStoredWithoutASize)
{
    TestFolder folder;
    ASSERT_TRUE(WriteFileBytes(folder / L"lesson.vtf", "x"));
    ASSERT_TRUE(WriteFileBytes(folder / L"tool.exe", "MZ"));
    auto sheet = std::make_unique<CWizTaskPropSheet>(m_scheduler, true);
    sheet->m_captureType.m_value = 2;
    sheet->m_cbtType.m_value = SP_CBT_PLAYING;
    sheet->m_trainingPlaying = InfoCBTPlaying(folder / L"lesson.vtf", true, 0, false, false, 10, false,
                                              folder / L"tool.exe", L"", -4, 5, 6, 30, 40);
    ASSERT_TRUE(sheet->CreateWizard(nullptr));
    WizardDriver wizard(sheet->GetSafeHwnd());
    for (int step = 0; step < 4; ++step)
        wizard.PressNext();
    ASSERT_EQ(static_cast<UINT>(IDD_WIZ_CBT_LAUNCH), wizard.PageId());
    EXPECT_TRUE(IsDlgButtonChecked(wizard.Page(), IDC_CBTLAUNCH_MAXIMIZE) == BST_CHECKED);
    EXPECT_EQ(CString(L"50"), wizard.Text(IDC_CBTLAUNCH_WIDTH));
    EXPECT_EQ(CString(L"50"), wizard.Text(IDC_CBTLAUNCH_HEIGHT));
    EXPECT_EQ(CString(L"0"), wizard.Text(IDC_CBTLAUNCH_DELAY));
    EXPECT_TRUE(IsEnabled(wizard.Item(IDC_CBTLAUNCH_DELAY)));
    EXPECT_FALSE(IsEnabled(wizard.Item(IDC_CBTLAUNCH_TOP)));
    wizard.PressNext();
    ASSERT_EQ(static_cast<UINT>(IDD_WIZ_NAME), wizard.PageId());
    // The playback maximizes only a window stored without a size.
    EXPECT_NE(-1, sheet->m_finish.BuildCommandLine().Find(L"-left 0 -top 0 -width 0 -height 0 -delayTime 0"))
        << sheet->m_finish.BuildCommandLine().ToAnsi(CP_UTF8);
}

TEST_F(TaskWizardTest, AVideoRecordingNamesItsFileAndMakesItsFolder)
{
    TestFolder folder;
    // The next page lists capture devices: no box of a machine without any comes between.
    StandInDevices devices;
    auto sheet = std::make_unique<CWizTaskPropSheet>(m_scheduler, true);
    sheet->m_captureType.m_value = 4;
    ASSERT_TRUE(sheet->CreateWizard(nullptr));
    WizardDriver wizard(sheet->GetSafeHwnd());
    for (UINT page : {IDD_WIZ_CAPTURE_TYPE, IDD_WIZ_VIDEO_TYPE, IDD_WIZ_VIDEO_NAME})
    {
        wizard.PressNext();
        ASSERT_EQ(page, wizard.PageId());
    }
    const struct
    {
        const wchar_t* name;
        CString folder;
        UINT focus;
        CString message;
    } kRefused[] = {
        {L"con", folder.Path(), IDC_VIDNAME_NAME, L"File/directory name is a reserved device name (aux, con, lpt1, prn)."},
        {L"", folder.Path(), IDC_VIDNAME_NAME, L"Please provide a file name."},
        // Only one level of folder is made.
        {L"Clip", folder / L"a\\b", IDC_VIDNAME_FOLDER, GetSystemErrorText(ERROR_PATH_NOT_FOUND)},
    };
    for (const auto& c : kRefused)
    {
        SCOPED_TRACE(c.name);
        SetWindowTextW(wizard.Item(IDC_VIDNAME_NAME), c.name);
        SetWindowTextW(wizard.Item(IDC_VIDNAME_FOLDER), c.folder);
        BoxAnswers boxes;
        wizard.PressNext();
        ASSERT_EQ(1u, boxes.texts.size());
        EXPECT_EQ(c.message, boxes.texts[0]);
        EXPECT_EQ(static_cast<UINT>(IDD_WIZ_VIDEO_NAME), wizard.PageId());
        EXPECT_EQ(wizard.Item(c.focus), GetFocus());
    }
    SetWindowTextW(wizard.Item(IDC_VIDNAME_FOLDER), folder / L"new");
    SendMessageW(wizard.Item(IDC_VIDNAME_OVERWRITE), BM_CLICK, 0, 0);
    BoxAnswers boxes;
    wizard.PressNext();
    EXPECT_TRUE(boxes.texts.empty()) << (boxes.texts.empty() ? "" : boxes.texts[0].ToAnsi(CP_UTF8));
    EXPECT_EQ(static_cast<UINT>(IDD_WIZ_VIDEO_DEVICES), wizard.PageId());
    wizard.Press(kBack);
    EXPECT_EQ(static_cast<UINT>(IDD_WIZ_VIDEO_NAME), wizard.PageId());
    EXPECT_TRUE(EnsurePathExists(folder / L"new", false));
    EXPECT_EQ(0, sheet->m_finish.BuildCommandLine().Find(L"-type VELLUMOR_VIDEO -videoType 1 -file \"Clip\" -path \"" +
                                                         folder / L"new" + L"\" -fileType 0 -overwrite 0 "))
        << sheet->m_finish.BuildCommandLine().ToAnsi(CP_UTF8);
}

TEST_F(TaskWizardTest, AMonthlyDayMustExistInTheMonthsAndADayOfTheWeekIsStoredAsSuch)
{
    TestFolder folder;
    const CString name = m_cleanup.Add(UniqueTaskName(L"Wizard monthly"));
    auto sheet = Open();
    WizardDriver wizard(sheet->GetSafeHwnd());
    ScreenFileRectangle(wizard, folder.Path());
    wizard.Type(IDC_NAME_NAME, name);
    wizard.Click(IDC_NAME_MONTHLY);
    wizard.NextTo(IDD_WIZ_MONTHLY);
    // February alone.
    wizard.Click(IDC_MONTHLY_JANUARY + 1);
    wizard.Click(IDC_MONTHLY_JANUARY);
    BoxAnswers boxes;
    wizard.Type(IDC_MONTHLY_DAY, L"30");
    wizard.NextTo(IDD_WIZ_MONTHLY);
    ASSERT_EQ(1u, boxes.texts.size());
    EXPECT_EQ(CString(L"The day of the month to run is set to 30. This day is not valid for the month(s) selected, so "
                      L"the task will not run."),
              boxes.texts[0]);
    wizard.Type(IDC_MONTHLY_DAY, L"29");
    wizard.NextTo(IDD_WIZ_CREDENTIALS);
    wizard.Press(kBack);
    wizard.Click(IDC_MONTHLY_WEEK_RADIO);
    EXPECT_FALSE(IsWindowEnabled(wizard.Item(IDC_MONTHLY_DAY)));
    wizard.NextTo(IDD_WIZ_CREDENTIALS);
    wizard.NextTo(IDD_WIZ_FINISH);
    wizard.Press(kFinish);
    ASSERT_TRUE(sheet->IsFinished());
    EXPECT_EQ(1u, boxes.texts.size());

    CTaskRecord task;
    CString msg;
    ASSERT_TRUE(m_scheduler.Read(name, task, msg)) << msg.ToAnsi(CP_UTF8);
    ASSERT_EQ(TASK_TIME_TRIGGER_MONTHLYDOW, task.trigger.TriggerType);
    EXPECT_EQ(TASK_FEBRUARY, task.trigger.Type.MonthlyDOW.rgfMonths);
    EXPECT_EQ(TASK_FIRST_WEEK, task.trigger.Type.MonthlyDOW.wWhichWeek);
    // A day-of-the-month task offers "first" and Sunday when it turns to a day of the week.
    EXPECT_EQ(TASK_SUNDAY, task.trigger.Type.MonthlyDOW.rgfDaysOfTheWeek);
}

TEST_F(TaskWizardTest, WeekdaysAreStoredAsAWeeklyTaskOnMondayToFriday)
{
    TestFolder folder;
    const CString name = m_cleanup.Add(UniqueTaskName(L"Wizard weekdays"));
    auto sheet = Open();
    WizardDriver wizard(sheet->GetSafeHwnd());
    ScreenFileRectangle(wizard, folder.Path());
    wizard.Type(IDC_NAME_NAME, name);
    wizard.Click(IDC_NAME_DAILY);
    wizard.NextTo(IDD_WIZ_DAILY);
    wizard.Click(IDC_DAILY_WEEKDAYS);
    wizard.NextTo(IDD_WIZ_CREDENTIALS);
    wizard.NextTo(IDD_WIZ_FINISH);
    wizard.Press(kFinish);
    ASSERT_TRUE(sheet->IsFinished());

    CTaskRecord task;
    CString msg;
    ASSERT_TRUE(m_scheduler.Read(name, task, msg)) << msg.ToAnsi(CP_UTF8);
    EXPECT_EQ(TASK_TIME_TRIGGER_WEEKLY, task.trigger.TriggerType);
    EXPECT_EQ(1, task.trigger.Type.Weekly.WeeksInterval);
    EXPECT_EQ(62, task.trigger.Type.Weekly.rgfDaysOfTheWeek);
    EXPECT_EQ(CString(L"Weekly"), CTasksListCtrl::CellText(task, CTasksListCtrl::kFrequence));
}

TEST_F(TaskWizardTest, ANewTaskNamedLikeAnExistingOneAsksAndNoKeepsBoth)
{
    TestFolder folder;
    const CString name = m_cleanup.Add(UniqueTaskName(L"Wizard existing"));
    CString msg;
    ASSERT_TRUE(m_scheduler.Create(OwnTask(name, L"-type keep"), msg)) << msg.ToAnsi(CP_UTF8);
    auto sheet = Open();
    WizardDriver wizard(sheet->GetSafeHwnd());
    ScreenFileRectangle(wizard, folder.Path());
    wizard.Type(IDC_NAME_NAME, name);
    wizard.Click(IDC_NAME_ONCE);
    wizard.NextTo(IDD_WIZ_ONCE);
    wizard.NextTo(IDD_WIZ_CREDENTIALS);
    wizard.NextTo(IDD_WIZ_FINISH);
    {
        BoxAnswers boxes({IDNO});
        wizard.Press(kFinish);
        ASSERT_EQ(1u, boxes.texts.size());
        EXPECT_EQ(CString(L"A task having the same name already exists. Do you want to overwrite it?"),
                  boxes.texts[0]);
        EXPECT_EQ(static_cast<UINT>(MB_YESNO), boxes.types[0]);
    }
    EXPECT_FALSE(sheet->IsWizardEnded());
    EXPECT_EQ(static_cast<UINT>(IDD_WIZ_FINISH), wizard.PageId());
    CTaskRecord kept;
    ASSERT_TRUE(m_scheduler.Read(name, kept, msg));
    EXPECT_EQ(CString(L"-type keep"), kept.parameters);
    {
        BoxAnswers boxes({IDYES});
        wizard.Press(kFinish);
    }
    EXPECT_TRUE(sheet->IsFinished());
    CTaskRecord replaced;
    ASSERT_TRUE(m_scheduler.Read(name, replaced, msg));
    EXPECT_EQ(0, replaced.parameters.Find(L"-type VELLUMOR_SC"));
    EXPECT_EQ(TASK_TIME_TRIGGER_ONCE, replaced.trigger.TriggerType);
}
} // namespace

// The recording pages that list capture devices, on the stand-in devices.
class RecordingPagesTest : public TaskWizardTest
{
protected:
    // A wizard whose recording records name the stand-ins' first format, the device's
    // "Line In" and a folder of the test, 5 seconds long.
    std::unique_ptr<CWizTaskPropSheet> Sheet()
    {
        auto sheet = std::make_unique<CWizTaskPropSheet>(m_scheduler, true);
        const CString folder = m_folder.Path();
        auto& audio = sheet->m_audioRecording.m_record;
        audio.RecPath = folder;
        audio.RecInputFormat = kStandInFormat;
        audio.RecInputPinName = L"Line In";
        audio.RecDuration = 5;
        auto& training = sheet->m_cbtRecording.m_record;
        training.RecPath = folder;
        training.RecSoundFormat = kStandInFormat;
        training.RecInputPinName = L"Line In";
        training.RecDuration = 5;
        auto& video = sheet->m_videoRecording;
        video.RecVideoDevice = kStandInCamera;
        video.RecAudioInputFormat = kStandInFormat;
        video.RecAudioInputPinName = L"Line In";
        video.RecDuration = 5;
        return sheet;
    }
    // Opens the wizard on the recording page: the training and audio ones by the way
    // from the introduction, the video devices page directly.
    void OpenAt(CWizTaskPropSheet& sheet, UINT page)
    {
        sheet.m_captureType.m_value = page == IDD_WIZ_CBT_RECORDING ? 2 : 3;
        ASSERT_TRUE(sheet.CreateWizard(nullptr));
        const WizardDriver wizard(sheet.GetSafeHwnd());
        if (page == IDD_WIZ_VIDEO_DEVICES)
            sheet.SetActivePage(sheet.GetPageIndex(&sheet.m_videoDevices));
        else
            for (int step = 0; step < 3; ++step)
                wizard.PressNext();
        ASSERT_EQ(page, wizard.PageId());
    }
    // Clicks a check box as the user does, so the page hears it.
    static void Click(const WizardDriver& wizard, UINT id) { SendMessageW(wizard.Item(id), BM_CLICK, 0, 0); }

    StandInDevices m_devices;
    TestFolder m_folder;
};

// What a recording page's Next meets: the stand-ins' lists, the texts typed, the check
// boxes clicked, and the message with the control it focuses (0: not looked at); no
// message: the page passes.
enum class Lists
{
    All,
    NoAudioDevice,
    NoFormat,
    NoPin,
    NoCamera
};

struct RecordingCase
{
    UINT page;
    Lists lists;
    std::vector<std::pair<UINT, CString>> texts;
    std::vector<UINT> clicks;
    const wchar_t* message;
    UINT focus;
};

TEST_F(RecordingPagesTest, NextChecksTheFileTheInputAndTheDurationInOrder)
{
    const wchar_t kDevice[] = L"Audio input device is missing.";
    const wchar_t kFormat[] = L"Audio input format is missing.";
    const wchar_t kPin[] = L"Audio input pin is missing.";
    const wchar_t kDuration[] = L"The duration parameter is missing and it is required for processing the current task.";
    const CString noParent = GetSystemErrorText(ERROR_PATH_NOT_FOUND);
    const UINT audio = IDD_WIZ_AUDIO_RECORDING, training = IDD_WIZ_CBT_RECORDING, video = IDD_WIZ_VIDEO_DEVICES;
    const RecordingCase kCases[] = {
        {audio, Lists::All, {{IDC_AUDREC_NAME, L"a|b"}}, {},
         L"File/directory name contains reserved characters (<>:\\\"/|?*).", IDC_AUDREC_NAME},
        {audio, Lists::All, {{IDC_AUDREC_FOLDER, m_folder / L"no\\such"}}, {}, noParent, IDC_AUDREC_FOLDER},
        {audio, Lists::NoAudioDevice, {}, {}, kDevice, IDC_AUDREC_DEVICE},
        {audio, Lists::NoFormat, {}, {}, kFormat, IDC_AUDREC_FORMAT},
        {audio, Lists::NoPin, {}, {}, kPin, IDC_AUDREC_PIN},
        {audio, Lists::All, {{IDC_AUDREC_SECONDS, L"0"}}, {}, kDuration, IDC_AUDREC_SECONDS},
        {audio, Lists::All, {{IDC_AUDREC_FOLDER, m_folder / L"made"}}, {}, nullptr, 0},
        // Without sound the device and format are not asked for, the pin still is.
        // (The focus cannot go to the disabled pin list.)
        {training, Lists::NoAudioDevice, {}, {IDC_CBTREC_SOUND}, kPin, 0},
        {training, Lists::NoFormat, {}, {IDC_CBTREC_SOUND}, nullptr, 0},
        {training, Lists::NoAudioDevice, {}, {}, kDevice, IDC_CBTREC_DEVICE},
        {training, Lists::All, {{IDC_CBTREC_NAME, L""}}, {}, L"Please provide a file name.", IDC_CBTREC_NAME},
        {training, Lists::All, {{IDC_CBTREC_HOURS, L"0"}, {IDC_CBTREC_SECONDS, L"0"}}, {}, kDuration,
         IDC_CBTREC_SECONDS},
        {video, Lists::NoCamera, {}, {}, L"Video device missing.", IDC_VIDDEV_DEVICE},
        // The audio input is asked for also when no audio is recorded.
        {video, Lists::NoPin, {}, {IDC_VIDDEV_AUDIO}, kPin, 0},
        {video, Lists::NoPin, {}, {}, kPin, IDC_VIDDEV_AUDIO_PIN},
        {video, Lists::All, {{IDC_VIDDEV_SECONDS, L"0"}}, {}, kDuration, IDC_VIDDEV_SECONDS},
        {video, Lists::All, {{IDC_VIDDEV_WIDTH, L"199"}, {IDC_VIDDEV_HEIGHT, L"120"}}, {},
         L"The window's width cannot be less than 200 pixels.", IDC_VIDDEV_WIDTH},
        {video, Lists::All, {{IDC_VIDDEV_WIDTH, L"200"}, {IDC_VIDDEV_HEIGHT, L"119"}}, {},
         L"The window's height cannot be less than 120 pixels.", IDC_VIDDEV_HEIGHT},
        {video, Lists::All, {{IDC_VIDDEV_WIDTH, L"10"}, {IDC_VIDDEV_HEIGHT, L"10"}}, {IDC_VIDDEV_PREVIEW}, nullptr, 0},
    };
    for (const RecordingCase& c : kCases)
    {
        SCOPED_TRACE(testing::Message() << c.page << " " << static_cast<int>(c.lists) << " "
                                        << (c.message ? CString(c.message).ToAnsi(CP_UTF8) : "passes"));
        m_devices.audio = {{L"Desk Mic", {L"Line In"}}};
        m_devices.formats = {kStandInFormat};
        m_devices.cameras = {kStandInCamera};
        if (c.lists == Lists::NoAudioDevice)
            m_devices.audio.clear();
        if (c.lists == Lists::NoFormat)
            m_devices.formats.clear();
        if (c.lists == Lists::NoPin)
            m_devices.audio.front().pins.clear();
        if (c.lists == Lists::NoCamera)
            m_devices.cameras.clear();
        auto sheet = Sheet();
        OpenAt(*sheet, c.page);
        const WizardDriver wizard(sheet->GetSafeHwnd());
        for (const auto& [id, text] : c.texts)
            SetWindowTextW(wizard.Item(id), text);
        for (UINT id : c.clicks)
            Click(wizard, id);
        BoxAnswers boxes;
        wizard.PressNext();
        if (c.message)
        {
            ASSERT_EQ(1u, boxes.texts.size());
            EXPECT_EQ(CString(c.message), boxes.texts[0]);
            EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), boxes.types[0] & MB_ICONMASK);
            EXPECT_EQ(c.page, wizard.PageId());
            if (c.focus)
            {
                EXPECT_EQ(wizard.Item(c.focus), GetFocus());
            }
        }
        else
        {
            EXPECT_TRUE(boxes.texts.empty()) << (boxes.texts.empty() ? "" : boxes.texts[0].ToAnsi(CP_UTF8));
            EXPECT_EQ(static_cast<UINT>(IDD_WIZ_NAME), wizard.PageId());
        }
    }
}

TEST_F(RecordingPagesTest, TheListsShowTheStoredInputAndAnotherDeviceListsItsOwnPins)
{
    m_devices.audio = {{L"Desk Mic", {L"Front"}}, {L"Headset", {L"Mic", L"Line"}}};
    auto sheet = Sheet();
    sheet->m_audioRecording.m_record.RecInputDevice = L"headset";
    sheet->m_audioRecording.m_record.RecInputPinName = L"Line";
    OpenAt(*sheet, IDD_WIZ_AUDIO_RECORDING);
    const WizardDriver wizard(sheet->GetSafeHwnd());
    EXPECT_EQ(CString(L"Headset"), wizard.Text(IDC_AUDREC_DEVICE));
    EXPECT_EQ(CString(L"Line"), wizard.Text(IDC_AUDREC_PIN));
    EXPECT_EQ(2, SendMessageW(wizard.Item(IDC_AUDREC_FORMAT), CB_GETCOUNT, 0, 0));
    EXPECT_EQ(CString(L"Waveform-Audio (WAV)"), wizard.Text(IDC_AUDREC_TYPE));

    HWND devices = wizard.Item(IDC_AUDREC_DEVICE);
    SendMessageW(devices, CB_SETCURSEL, 0, 0);
    SendMessageW(wizard.Page(), WM_COMMAND, MAKEWPARAM(IDC_AUDREC_DEVICE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(devices));
    HWND pins = wizard.Item(IDC_AUDREC_PIN);
    ASSERT_EQ(1, SendMessageW(pins, CB_GETCOUNT, 0, 0));
    SendMessageW(pins, CB_SETCURSEL, 0, 0);
    BoxAnswers boxes;
    wizard.PressNext();
    EXPECT_TRUE(boxes.texts.empty());
    const InfoAudioRecording& record = sheet->m_audioRecording.m_record;
    EXPECT_EQ(CString(L"Desk Mic"), record.RecInputDevice);
    EXPECT_EQ(CString(L"Front"), record.RecInputPinName);
    EXPECT_EQ(CString(kStandInFormat), record.RecInputFormat);

    // The devices the lists held are released with the pages' windows, and by pages
    // that go while their sheet is open.
    const long before = StandInDevices::HeldDevices();
    EXPECT_GT(before, 0);
    sheet->SetActivePage(sheet->GetPageIndex(&sheet->m_videoDevices));
    EXPECT_EQ(before + 3, StandInDevices::HeldDevices());
    DestroyWindow(sheet->GetSafeHwnd());
    EXPECT_EQ(0, StandInDevices::HeldDevices());
    auto open = Sheet();
    OpenAt(*open, IDD_WIZ_VIDEO_DEVICES);
    EXPECT_EQ(3, StandInDevices::HeldDevices());
    open.reset();
    EXPECT_EQ(0, StandInDevices::HeldDevices());
}

TEST_F(RecordingPagesTest, AFailingDeviceServiceIsToldInAPlainBoxAndListsNothing)
{
    m_devices.audioResult = E_ACCESSDENIED;
    m_devices.cameraResult = E_OUTOFMEMORY;
    auto sheet = Sheet();
    BoxAnswers boxes;
    OpenAt(*sheet, IDD_WIZ_VIDEO_DEVICES);
    const WizardDriver wizard(sheet->GetSafeHwnd());
    ASSERT_EQ(2u, boxes.texts.size());
    EXPECT_EQ(CString(L"Failure enumerating the audio input devices installed in system. Error:  ") +
                  GetHResultText(E_ACCESSDENIED),
              boxes.texts[0]);
    EXPECT_EQ(CString(L"Failure enumerating the video devices. Error: ") + GetHResultText(E_OUTOFMEMORY),
              boxes.texts[1]);
    for (UINT type : boxes.types)
        EXPECT_EQ(0u, type & MB_ICONMASK);
    EXPECT_EQ(0, SendMessageW(wizard.Item(IDC_VIDDEV_AUDIO_DEVICE), CB_GETCOUNT, 0, 0));
    EXPECT_EQ(0, SendMessageW(wizard.Item(IDC_VIDDEV_DEVICE), CB_GETCOUNT, 0, 0));
}

// A check box of a recording page and the controls it enables.
struct EnablingCase
{
    UINT page, box;
    std::vector<UINT> controls;
};

TEST_F(RecordingPagesTest, RecordSoundPreviewAndRecordAudioEnableTheirControlsTogether)
{
    const EnablingCase kCases[] = {
        {IDD_WIZ_CBT_RECORDING, IDC_CBTREC_SOUND,
         {IDC_CBTREC_DEVICE, IDC_CBTREC_FORMAT, IDC_CBTREC_PIN, IDC_CBTREC_DEVICE_LABEL, IDC_CBTREC_FORMAT_LABEL,
          IDC_CBTREC_PIN_LABEL}},
        {IDD_WIZ_VIDEO_DEVICES, IDC_VIDDEV_PREVIEW,
         {IDC_VIDDEV_PREVIEW_GROUP, IDC_VIDDEV_LEFT_LABEL, IDC_VIDDEV_LEFT, IDC_VIDDEV_TOP_LABEL, IDC_VIDDEV_TOP,
          IDC_VIDDEV_WIDTH_LABEL, IDC_VIDDEV_WIDTH, IDC_VIDDEV_HEIGHT_LABEL, IDC_VIDDEV_HEIGHT}},
        {IDD_WIZ_VIDEO_DEVICES, IDC_VIDDEV_AUDIO,
         {IDC_VIDDEV_AUDIO_DEVICE, IDC_VIDDEV_AUDIO_FORMAT, IDC_VIDDEV_AUDIO_PIN, IDC_VIDDEV_AUDIO_DEVICE_LABEL,
          IDC_VIDDEV_AUDIO_FORMAT_LABEL, IDC_VIDDEV_AUDIO_PIN_LABEL}},
    };
    for (const EnablingCase& c : kCases)
    {
        SCOPED_TRACE(c.box);
        auto sheet = Sheet();
        // The records start with the box on; the page shows them so.
        OpenAt(*sheet, c.page);
        const WizardDriver wizard(sheet->GetSafeHwnd());
        for (bool on : {true, false, true})
        {
            EXPECT_EQ(on, IsDlgButtonChecked(wizard.Page(), static_cast<int>(c.box)) == BST_CHECKED);
            for (UINT id : c.controls)
                EXPECT_EQ(on, IsWindowEnabled(wizard.Item(id)) != FALSE) << id << (on ? " on" : " off");
            Click(wizard, c.box);
        }
    }
    // A record stored without them shows the controls disabled from the start.
    auto sheet = Sheet();
    sheet->m_videoRecording.RecPreview = false;
    sheet->m_videoRecording.RecAudio = false;
    OpenAt(*sheet, IDD_WIZ_VIDEO_DEVICES);
    const WizardDriver wizard(sheet->GetSafeHwnd());
    EXPECT_FALSE(IsWindowEnabled(wizard.Item(IDC_VIDDEV_WIDTH)));
    EXPECT_FALSE(IsWindowEnabled(wizard.Item(IDC_VIDDEV_AUDIO_PIN)));
}

TEST_F(RecordingPagesTest, AnAudioRecordingChosenInTheListsIsScheduledWithItsJobLine)
{
    const CString name = m_cleanup.Add(UniqueTaskName(L"Wizard audio"));
    auto sheet = Sheet();
    ASSERT_TRUE(sheet->CreateWizard(nullptr));
    ASSERT_TRUE(PumpUntilInFront(sheet->GetSafeHwnd()));
    ASSERT_TRUE(InputSettled());
    const WizardDriver wizard(sheet->GetSafeHwnd());
    wizard.NextTo(IDD_WIZ_CAPTURE_TYPE);
    wizard.ChooseRow(IDC_WZ_CAPTURE_TYPE_LIST, 3);
    wizard.NextTo(IDD_WIZ_AUDIO_TYPE);
    wizard.ChooseRow(IDC_AUDIO_TYPE_LIST, SP_AUDIO_RECORDING);
    wizard.NextTo(IDD_WIZ_AUDIO_RECORDING);
    wizard.Type(IDC_AUDREC_NAME, L"Voice");
    wizard.Type(IDC_AUDREC_SECONDS, L"7");
    wizard.Click(IDC_AUDREC_OVERWRITE);
    wizard.NextTo(IDD_WIZ_NAME);
    wizard.Press(kBack);
    ASSERT_EQ(static_cast<UINT>(IDD_WIZ_AUDIO_RECORDING), wizard.PageId());
    wizard.NextTo(IDD_WIZ_NAME);
    wizard.Type(IDC_NAME_NAME, name);
    wizard.Click(IDC_NAME_ONCE);
    for (UINT page : {IDD_WIZ_ONCE, IDD_WIZ_CREDENTIALS, IDD_WIZ_FINISH})
        wizard.NextTo(page);
    EXPECT_EQ(CString(L"which will perform an audio capture operation."), wizard.Text(IDC_FINISH_OPERATION));
    wizard.Press(kFinish);
    ASSERT_TRUE(sheet->IsFinished());

    const InfoAudioRecording expected(L"Voice", m_folder.Path(), AFT_WAV, false, kTestAudioDeviceName, kStandInFormat,
                                      L"Line In", 7, false, false);
    EXPECT_EQ(BuildJobLine(expected, JobSelection()), SavedJobLine(name));
}
