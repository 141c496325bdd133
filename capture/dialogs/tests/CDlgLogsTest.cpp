#include "capture/destinations/CaptureTables.h"
#include "capture/dialogs/CDlgLogs.h"
#include "capture/dialogs/DialogResources.h"
#include "common/PathHelpers.h"
#include "DialogsTestSupport.h"
#include "testing/CStringPrinter.h"
#include "testing/ScratchProfileTest.h"
#include "testing/TestFolder.h"
#include "testing/TestPump.h"
#include "testing/TestRoot.h"

#include <gtest/gtest.h>

namespace
{
const wchar_t kOtherSource[] = L"VellDialogsTestOther";

// Each test starts on an empty Application log, with a scratch profile, and leaves the
// log empty.
class DlgLogsTest : public ScratchProfileTest
{
protected:
    void SetUp() override
    {
        ScratchProfileTest::SetUp();
        ASSERT_TRUE(m_log.Clear(nullptr, nullptr)) << m_log.GetErrorText().ToAnsi();
    }
    void TearDown() override
    {
        m_log.Clear(nullptr, nullptr);
        DeleteFileW(GetLogDirectory() + L"\\Elc1.tmp");
        ScratchProfileTest::TearDown();
    }
    void Report(const wchar_t* source, const wchar_t* text)
    {
        ASSERT_TRUE(m_log.Report(source, GetModulePath(), EVENTLOG_ERROR_TYPE, 1, text)) << m_log.GetErrorText().ToAnsi();
    }
    // The program's and the job runner's entries, their times interleaved.
    void ReportMixed()
    {
        Report(kProgramEventSource, L"12/01/2026 10:00:05  Vellumor  Screen  Cannot save  the file.");
        Report(kProgramEventSource, L"12/01/2026 09:00:00  Vellumor  Movie  Oldest");
        Report(kProgramEventSource, L"no separator at all");
        Report(kJobEventSource, L"12/01/2026 10:00:07  Task  Audio  Newest");
        Report(kJobEventSource, L"12/01/2026 09:30:00  The job stopped.");
        Report(kProgramEventSource, L"11/30/2027 08:00:00  Vellumor  Screen  A later year");
    }
    CString Row(CLogListCtrl& list, int row)
    {
        return list.GetItemText(row, 0) + L"|" + list.GetItemText(row, 1) + L"|" + list.GetItemText(row, 2) + L"|" +
               list.GetItemText(row, 3);
    }
    static CString FileText(const CString& path)
    {
        HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        char bytes[4096] = {};
        DWORD read = 0;
        ::ReadFile(file, bytes, sizeof bytes - 1, &read, nullptr);
        CloseHandle(file);
        return CString(bytes);
    }
    POINT HeaderItemCentre(CLogListCtrl& list, int column)
    {
        RECT item = {};
        SendMessageW(list.GetHeaderCtrl(), HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&item));
        MapWindowPoints(list.GetHeaderCtrl(), nullptr, reinterpret_cast<POINT*>(&item), 2);
        return POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    }

    CEventLog m_log;
    DialogHost m_host;
    RecordedBoxes m_boxes;
};
} // namespace

TEST_F(DlgLogsTest, EntriesOfBothSourcesAreSplitAndSorted)
{
    ReportMixed();
    CDlgLogs dialog(m_host);
    ASSERT_TRUE(dialog.Create(m_host));
    ShowWindow(dialog, SW_SHOW);
    CLogListCtrl& list = dialog.GetList();
    ASSERT_EQ(5, list.GetItemCount()) << "The text without a separator is left out.";
    const wchar_t* rows[] = {L"11/30/2027 08:00:00|Vellumor|Screen|A later year", L"12/01/2026 09:00:00|Vellumor|Movie|Oldest",
                             L"12/01/2026 09:30:00|||The job stopped.",
                             L"12/01/2026 10:00:05|Vellumor|Screen|Cannot save  the file.",
                             L"12/01/2026 10:00:07|Task|Audio|Newest"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(CString(rows[i]), Row(list, i)) << "The date column sorts as text.";
    EXPECT_TRUE(m_boxes.texts.empty());

    // Header clicks sort by the column and toggle; each click lands apart from the last.
    struct Step
    {
        int column;
        bool descending;
        const wchar_t* first;
    } steps[] = {{3, false, L"A later year"}, {3, true, L"The job stopped."}, {1, false, L""}};
    int shift = 6;
    for (const Step& step : steps)
    {
        POINT point = HeaderItemCentre(list, step.column);
        point.x += shift = -shift;
        ASSERT_TRUE(ClickScreen(RECT{point.x, point.y, point.x, point.y}));
        EXPECT_EQ(step.column, list.GetSortHeader().GetSortColumn());
        EXPECT_EQ(step.descending, list.GetSortHeader().IsDescending());
        EXPECT_EQ(CString(step.first), list.GetItemText(0, step.column));
    }

    // A new entry goes to its sorted place.
    LogEntry entry;
    ASSERT_TRUE(SplitLogText(L"01/01/2026 00:00:00  Ab  Screen  inserted", entry));
    EXPECT_EQ(1, list.InsertEntry(entry));
}

TEST_F(DlgLogsTest, ExportWritesBothSourcesNewestFirstToTheSameFile)
{
    CDlgLogs dialog(m_host);
    ASSERT_TRUE(dialog.Create(m_host));
    CString path;
    EXPECT_FALSE(dialog.ExportToFile(path)) << "Nothing to export.";
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(GetLogDirectory() + L"\\Elc1.tmp"));

    ReportMixed();
    ASSERT_TRUE(dialog.ExportToFile(path));
    EXPECT_EQ(0, path.CompareNoCase(GetLogDirectory() + L"\\Elc1.tmp")) << path;
    EXPECT_EQ(CString(L"11/30/2027 08:00:00  Vellumor  Screen  A later year\r\n"
                      L"12/01/2026 10:00:07  Task  Audio  Newest\r\n"
                      L"12/01/2026 10:00:05  Vellumor  Screen  Cannot save  the file.\r\n"
                      L"12/01/2026 09:30:00  The job stopped.\r\n"
                      L"12/01/2026 09:00:00  Vellumor  Movie  Oldest\r\n"
                      L"no separator at all\r\n"),
              FileText(path));

    ASSERT_TRUE(m_log.Clear(nullptr, nullptr));
    Report(kJobEventSource, L"12/02/2026 10:00:00  Task  Screen  Alone");
    CString again;
    ASSERT_TRUE(dialog.ExportToFile(again));
    EXPECT_EQ(path, again);
    EXPECT_EQ(CString(L"12/02/2026 10:00:00  Task  Screen  Alone\r\n"), FileText(again)) << "The second replaced the first.";
}

TEST_F(DlgLogsTest, ClearEmptiesTheWholeApplicationLog)
{
    ReportMixed();
    Report(kOtherSource, L"another program's entry");
    CDlgLogs dialog(m_host);
    ASSERT_TRUE(dialog.Create(m_host));
    ASSERT_EQ(5, dialog.GetList().GetItemCount());
    ClickButton(dialog, IDC_LOG_CLEAR);
    EXPECT_EQ(0, dialog.GetList().GetItemCount());
    CStringArray texts;
    ASSERT_TRUE(m_log.Read(nullptr, kOtherSource, texts));
    EXPECT_TRUE(texts.IsEmpty());
    EXPECT_TRUE(m_boxes.texts.empty());
}

TEST_F(DlgLogsTest, ColumnWidthsComeBackInTheNextDialog)
{
    {
        CDlgLogs dialog(m_host);
        ASSERT_TRUE(dialog.Create(m_host));
        const int defaults[] = {80, 60, 60, 150};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(defaults[i], dialog.GetList().GetColumnWidth(i));
        dialog.GetList().SetColumnWidth(3, 210);
    }
    EXPECT_EQ(CString(L"80,60,60,210"), StoredText(L"LisColSizes", L"Log"));
    CDlgLogs dialog(m_host);
    ASSERT_TRUE(dialog.Create(m_host));
    EXPECT_EQ(210, dialog.GetList().GetColumnWidth(3));
}

TEST_F(DlgLogsTest, ViewWithNotepadOpensTheExport)
{
    Report(kProgramEventSource, L"12/01/2026 10:00:05  Vellumor  Screen  For Notepad");
    CDlgLogs dialog(m_host);
    ASSERT_TRUE(dialog.Create(m_host));
    ClickButton(dialog, IDC_LOG_EXPORT);
    HWND notepad = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (notepad = FindWindowW(L"Notepad", nullptr)) != nullptr; }));
    CString title;
    // Notepad shows "Untitled" until it has loaded the file.
    PumpUntil([&] { return (title = AppGetWindowText(notepad)).Left(4).CompareNoCase(L"Elc1") == 0; });
    EXPECT_EQ(0, title.CompareNoCase(L"Elc1.tmp - Notepad")) << title.ToAnsi();
    DWORD process = 0;
    GetWindowThreadProcessId(notepad, &process);
    HANDLE handle = OpenProcess(SYNCHRONIZE, FALSE, process);
    PostMessageW(notepad, WM_CLOSE, 0, 0);
    EXPECT_TRUE(PumpUntilSignalled(handle));
    CloseHandle(handle);
    EXPECT_TRUE(m_boxes.texts.empty());
}

TEST_F(DlgLogsTest, AFailedJobOfTheRunnerIsListed)
{
    TestFolder folder;
    const CString command = L"\"" + TestProgramFolder() + L"\\VellRunJobs.exe\" -type VELLUMOR_AUDIO -audioType 0 -file \"" +
                            (folder / L"gone.wav") + L"\" -repeat 0 -duration 0";
    STARTUPINFOW startup = {sizeof startup};
    PROCESS_INFORMATION process = {};
    std::wstring line = command.GetString();
    ASSERT_TRUE(CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    ASSERT_TRUE(PumpUntilSignalled(process.hProcess, 60000));
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(2u, exitCode);

    CDlgLogs dialog(m_host);
    ASSERT_TRUE(dialog.Create(m_host));
    ASSERT_EQ(1, dialog.GetList().GetItemCount());
    EXPECT_EQ(CString(L"Task"), dialog.GetList().GetItemText(0, 1));
    EXPECT_EQ(CString(L"Audio"), dialog.GetList().GetItemText(0, 2));
    EXPECT_NE(-1, dialog.GetList().GetItemText(0, 3).Find(L"gone.wav"));
}
