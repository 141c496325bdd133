// The task list dialog against the system's Task Scheduler: what it lists (and which
// tasks it cannot read), where rows go, the buttons, deleting with a task gone behind
// the list's back; and the program itself: one instance, the stand-alone flag.
#include "VellWizSchTask/CDlgTasks.h"
#include "VellWizSchTask/CTasksManagerApp.h"
#include "VellWizSchTask/TaskMngrResources.h"
#include "VellWizSchTask/tests/BoxAnswers.h"
#include "VellWizSchTask/tests/TaskStoreSupport.h"
#include "common/CRegistry.h"
#include "framework/ListColumnWidths.h"
#include "testing/ScratchProfileTest.h"
#include "testing/TestInput.h"
#include "testing/TestProcess.h"
#include "testing/TestPump.h"
#include "testing/TestRoot.h"

#include <gtest/gtest.h>
#include <memory>

using namespace task_test;

namespace
{
CTaskRecord TaskStarting(const CString& name, WORD month, WORD day)
{
    CTaskRecord rec = OwnTask(name, L"-type x");
    rec.trigger.wBeginMonth = month;
    rec.trigger.wBeginDay = day;
    return rec;
}

class DlgTasksTest : public ScratchProfileTest
{
protected:
    // The dialog, made modeless so the test drives it.
    std::unique_ptr<CDlgTasks> Open()
    {
        auto dialog = std::make_unique<CDlgTasks>(m_scheduler, false);
        EXPECT_TRUE(dialog->Create());
        return dialog;
    }
    static bool Enabled(CDlgTasks& dialog, UINT id) { return IsWindowEnabled(dialog.GetDlgItem(id)) != FALSE; }
    static void Select(CTasksListCtrl& list, std::initializer_list<int> rows)
    {
        list.SetItemState(-1, 0, LVIS_SELECTED);
        for (int row : rows)
            list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
    }
    static CString Names(CTasksListCtrl& list)
    {
        CString names;
        for (int row = 0; row < list.GetItemCount(); ++row)
            names += list.GetItemText(row, CTasksListCtrl::kName) + L";";
        return names;
    }

    CTaskScheduler m_scheduler;
    TaskCleanup m_cleanup;
};
} // namespace

TEST_F(DlgTasksTest, ListsEveryReadableOwnTaskAndNamesTheUnreadableOnesInOneBox)
{
    const CString first = m_cleanup.Add(UniqueTaskName(L"B listed"));
    const CString second = m_cleanup.Add(UniqueTaskName(L"A listed"));
    const CString corrupt = m_cleanup.Add(UniqueTaskName(L"Corrupt"));
    CString msg;
    ASSERT_TRUE(m_scheduler.Create(OwnTask(first, L"-type one"), msg));
    ASSERT_TRUE(m_scheduler.Create(OwnTask(second, L"-type two"), msg));
    ASSERT_TRUE(WriteCorruptTask(corrupt));

    BoxAnswers boxes;
    auto dialog = Open();
    CTasksListCtrl& list = dialog->GetList();
    ASSERT_EQ(2, list.GetItemCount());
    EXPECT_EQ(second + L";" + first + L";", Names(list)) << "rows go in name order";
    EXPECT_EQ(CString(L"Comment of ") + second, list.GetItemText(0, CTasksListCtrl::kComment));
    EXPECT_EQ(CString(L"Weekly"), list.GetItemText(0, CTasksListCtrl::kFrequence));
    EXPECT_EQ(CString(L"10/01/2030  7:05"), list.GetItemText(0, CTasksListCtrl::kStartTime));
    ASSERT_EQ(1u, boxes.texts.size());
    EXPECT_GE(boxes.texts[0].Find(corrupt), 0);
    EXPECT_FALSE(Enabled(*dialog, IDC_TASKS_MODIFY));
    EXPECT_FALSE(Enabled(*dialog, IDC_TASKS_DELETE));
}

TEST_F(DlgTasksTest, RowsGoToTheirSortedPlaceAndStartTimeSortsAsText)
{
    auto dialog = Open();
    CTasksListCtrl& list = dialog->GetList();
    ASSERT_GE(list.AddRow(TaskStarting(L"september", 9, 30)), 0);
    ASSERT_GE(list.AddRow(TaskStarting(L"October", 10, 1)), 0);
    EXPECT_EQ(CString(L"October;september;"), Names(list)) << "names compare without regard to case";
    EXPECT_EQ(-1, list.AddRow(TaskStarting(L"OCTOBER", 1, 1))) << "one row per name";

    CSortHeaderCtrl* header = static_cast<CSortHeaderCtrl*>(CWnd::FromHandle(list.GetHeaderCtrl()));
    ASSERT_NE(nullptr, header);
    header->SetSortColumn(CTasksListCtrl::kStartTime, false);
    EXPECT_EQ(CString(L"October;september;"), Names(list)) << "\"10/01\" sorts before \"9/30\" as text";
    header->SetSortColumn(CTasksListCtrl::kStartTime, true);
    ASSERT_GE(list.AddRow(TaskStarting(L"november", 11, 5)), 0);
    EXPECT_EQ(CString(L"september;november;October;"), Names(list));

    CTaskRecord renamed = TaskStarting(L"October", 12, 24);
    renamed.comment = L"changed";
    EXPECT_EQ(2, list.UpdateRow(L"october", renamed));
    EXPECT_EQ(CString(L"changed"), list.GetItemText(2, CTasksListCtrl::kComment));
    EXPECT_EQ(CString(L"12/24/2030  7:05"), list.GetItemText(2, CTasksListCtrl::kStartTime));
    EXPECT_EQ(-1, list.UpdateRow(L"missing", renamed));
}

TEST_F(DlgTasksTest, ButtonsFollowTheSelection)
{
    auto dialog = Open();
    CTasksListCtrl& list = dialog->GetList();
    list.AddRow(TaskStarting(L"one", 1, 1));
    list.AddRow(TaskStarting(L"two", 1, 2));
    Select(list, {1});
    EXPECT_TRUE(Enabled(*dialog, IDC_TASKS_MODIFY));
    EXPECT_TRUE(Enabled(*dialog, IDC_TASKS_DELETE));
    ASSERT_NE(nullptr, list.GetSelectedTask());
    EXPECT_EQ(CString(L"two"), list.GetSelectedTask()->name);
    Select(list, {0, 1});
    EXPECT_FALSE(Enabled(*dialog, IDC_TASKS_MODIFY));
    EXPECT_TRUE(Enabled(*dialog, IDC_TASKS_DELETE));
    EXPECT_EQ(nullptr, list.GetSelectedTask());
    Select(list, {});
    EXPECT_FALSE(Enabled(*dialog, IDC_TASKS_DELETE));
}

TEST_F(DlgTasksTest, DeleteRemovesTheTasksAndNamesTheOneThatWasAlreadyGone)
{
    const CString kept = m_cleanup.Add(UniqueTaskName(L"A kept"));
    const CString deleted = m_cleanup.Add(UniqueTaskName(L"B deleted"));
    const CString vanished = m_cleanup.Add(UniqueTaskName(L"C vanished"));
    CString msg;
    for (const CString& name : {kept, deleted, vanished})
        ASSERT_TRUE(m_scheduler.Create(OwnTask(name, L"-type x"), msg));
    auto dialog = Open();
    CTasksListCtrl& list = dialog->GetList();
    ASSERT_EQ(3, list.GetItemCount());
    Select(list, {1, 2});
    ASSERT_TRUE(m_scheduler.Delete(vanished, msg));

    BoxAnswers boxes;
    SendMessageW(dialog->GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(IDC_TASKS_DELETE, BN_CLICKED),
                 reinterpret_cast<LPARAM>(dialog->GetDlgItem(IDC_TASKS_DELETE)));
    ASSERT_EQ(1u, boxes.texts.size());
    EXPECT_EQ(L"A failure occurred trying to delete the following Vellumor's task(s): " + vanished + L".",
              boxes.texts[0]);
    EXPECT_EQ(kept + L";" + vanished + L";", Names(list));
    EXPECT_FALSE(m_scheduler.Exists(deleted, msg));
    EXPECT_TRUE(m_scheduler.Exists(kept, msg));
    EXPECT_EQ(1, list.GetSelectedCount());
    EXPECT_EQ(1, list.GetNextItem(-1, LVNI_SELECTED)) << "the row after the deleted block keeps the selection";
}

TEST_F(DlgTasksTest, ColumnWidthsAreStoredWhenTheListGoesAndUsedOnlyWhenFiveAreStored)
{
    {
        auto dialog = Open();
        EXPECT_EQ(120, dialog->GetList().GetColumnWidth(CTasksListCtrl::kName));
        dialog->GetList().SetColumnWidth(CTasksListCtrl::kComment, 140);
    }
    CArray<int> widths;
    LoadColumnWidths(L"TaskList", widths);
    ASSERT_EQ(5, widths.GetSize());
    EXPECT_EQ(140, widths[1]);
    {
        auto dialog = Open();
        EXPECT_EQ(140, dialog->GetList().GetColumnWidth(CTasksListCtrl::kComment));
    }
    CArray<int> four;
    for (int width : {50, 60, 70, 80})
        four.Add(width);
    SaveColumnWidths(L"TaskList", four);
    auto dialog = Open();
    EXPECT_EQ(95, dialog->GetList().GetColumnWidth(CTasksListCtrl::kComment));
}

TEST_F(DlgTasksTest, OnlyAStandAloneStartShowsTheIconAndTheAboutItem)
{
    for (bool standAlone : {false, true})
    {
        CDlgTasks dialog(m_scheduler, standAlone);
        ASSERT_TRUE(dialog.Create());
        HMENU menu = GetSystemMenu(dialog.GetSafeHwnd(), FALSE);
        wchar_t text[128] = L"";
        const bool hasAbout = GetMenuStringW(menu, IDM_TASKS_ABOUT, text, 128, MF_BYCOMMAND) > 0;
        EXPECT_EQ(standAlone, hasAbout);
        EXPECT_EQ(standAlone, SendMessageW(dialog.GetSafeHwnd(), WM_GETICON, ICON_BIG, 0) != 0);
        if (standAlone)
        {
            EXPECT_EQ(CString(L"Display program information, version number and copyright"), CString(text));
        }
    }
}

TEST_F(DlgTasksTest, CtrlATypedInTheListSelectsEveryRow)
{
    auto dialog = Open();
    CTasksListCtrl& list = dialog->GetList();
    for (const wchar_t* name : {L"one", L"two", L"three"})
        list.AddRow(TaskStarting(name, 1, 1));
    ShowWindow(dialog->GetSafeHwnd(), SW_SHOW);
    SetForegroundWindow(dialog->GetSafeHwnd());
    SetFocus(list.GetSafeHwnd());
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == list.GetSafeHwnd(); }, 5000));

    INPUT keys[4] = {};
    const WORD order[4] = {VK_CONTROL, 'A', 'A', VK_CONTROL};
    for (int i = 0; i < 4; ++i)
    {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = order[i];
        keys[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
    }
    ASSERT_TRUE(SendInputSettled(keys, 4));
    EXPECT_EQ(3, list.GetSelectedCount());
    EXPECT_TRUE(Enabled(*dialog, IDC_TASKS_DELETE));
    EXPECT_FALSE(Enabled(*dialog, IDC_TASKS_MODIFY));
}

namespace
{
const wchar_t kCaption[] = L"Vellumor Tasks Manager";

bool StartManager(PROCESS_INFORMATION& process)
{
    return StartTestProcess((L"\"" + TestProgramFolder() + L"\\VellTaskMngr.exe\"").GetString(), process);
}

DWORD ExitCodeAfterEnd(const PROCESS_INFORMATION& process)
{
    DWORD code = STILL_ACTIVE;
    if (PumpUntilSignalled(process.hProcess, 20000))
        GetExitCodeProcess(process.hProcess, &code);
    else
        TerminateProcess(process.hProcess, 99);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

bool SetWizSa(DWORD value)
{
    CRegistry key;
    CString error;
    return key.Open(HKEY_LOCAL_MACHINE, kWizSaKey, true, error) && key.SetDWORD(kWizSaValue, value, error);
}

DWORD WizSa()
{
    CRegistry key;
    CString error;
    DWORD value = 99;
    key.Open(HKEY_LOCAL_MACHINE, kWizSaKey, false, error) && key.GetDWORD(kWizSaValue, &value, error);
    return value;
}
} // namespace

TEST(TasksManagerProgramTest, ASecondStartBringsTheFirstForwardAndClosingSetsTheStandAloneFlag)
{
    ASSERT_TRUE(SetWizSa(0));
    PROCESS_INFORMATION first = {};
    ASSERT_TRUE(StartManager(first));
    HWND window = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (window = FindWindowW(nullptr, kCaption)) != nullptr; }, 20000));
    ShowWindow(window, SW_MINIMIZE);

    PROCESS_INFORMATION second = {};
    ASSERT_TRUE(StartManager(second));
    EXPECT_EQ(0u, ExitCodeAfterEnd(second));
    EXPECT_TRUE(PumpUntil([&] { return !IsIconic(window); }, 5000)) << "the first instance is restored";
    EXPECT_EQ(0u, WizSa()) << "neither start has closed its dialog yet";

    PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_EQ(0u, ExitCodeAfterEnd(first));
    EXPECT_EQ(1u, WizSa());
}
