// Commands as the user gives them: the View toggles and their check marks, hiding and
// showing again from the tray icon, Record without a destination, a recent configuration
// and the tasks manager.
#include "app/AppIds.h"
#include "app/tests/ProfileFixture.h"
#include "app/tests/ProgramMenu.h"
#include "Info/InfoScSettings.h"
#include "testing/TestFolder.h"
#include "testing/TestPump.h"

namespace app_test
{
namespace
{
const UINT kTrayNotify = WM_USER + 100;

class CommandsTest : public ProfileFixture
{
protected:
    void SetUp() override
    {
        ProfileFixture::SetUp();
        saved.LoadFromRegistry();
    }
    void TearDown() override
    {
        ProfileFixture::TearDown();
        saved.SaveToRegistry(0);
    }

    InfoScSettings saved;
};

// Each View toggle hides and shows its bar; its item's check mark, as the open View menu
// shows it, follows its own bar.
TEST_F(CommandsTest, ViewCommandsToggleTheirBarsAndTheirCheckMarks)
{
    StartProgram();
    // In the order of the View menu's items.
    const UINT toggles[][2] = {
        {0xE800, 0xE800},
        {ID_VIEW_TOOLBAR_MISC, IDW_TOOLBAR_MISC},
        {0xE801, 0xE801},
        {ID_VIEW_CAPTURE_TYPES, IDW_BAR_CAPTURE_TYPES},
        {ID_VIEW_OUTPUT, IDW_BAR_OUTPUT},
    };
    for (const auto& toggle : toggles)
    {
        HWND bar = program.ChildById(toggle[1]);
        ASSERT_NE(nullptr, bar) << toggle[1];
        program.Send(toggle[0]);
        EXPECT_FALSE(IsWindowVisible(bar)) << toggle[0];
        program.Send(toggle[0]);
        EXPECT_TRUE(IsWindowVisible(bar)) << toggle[0];
    }

    // Two sets of hidden bars, each the other's complement: every item is read checked
    // once and unchecked once.
    TestFolder folder;
    for (bool firstHidden : {true, false})
    {
        bool hidden[5] = {};
        for (int i = 0; i < 5; ++i)
        {
            hidden[i] = (i % 2 == 0) == firstHidden;
            const bool shown = IsWindowVisible(program.ChildById(toggles[i][1])) != FALSE;
            if (hidden[i] == shown)
                program.Send(toggles[i][0]);
        }
        ProgramMenu view(program, L'V', folder / L"view menu.bmp");
        ASSERT_NE(nullptr, view.Window());
        for (int i = 0; i < 5; ++i)
        {
            if (i > 0)
                view.Down();
            RECT row = view.SelectedRow();
            ASSERT_FALSE(IsRectEmpty(&row)) << "item " << i << ", see " << view.Shot().Path().ToAnsi(CP_UTF8);
            EXPECT_EQ(!hidden[i], view.ShowsCheckMark(row))
                << "item " << i << " at " << row.top << ", see " << view.Shot().Path().ToAnsi(CP_UTF8);
        }
        EXPECT_TRUE(view.Close());
    }
}

TEST_F(CommandsTest, HiddenWindowComesBackOnADoubleClickOfTheTrayIcon)
{
    StartProgram();
    program.Send(ID_VIEW_HIDE);
    EXPECT_FALSE(IsWindowVisible(program.Window()));
    // The tray icon's callback as the shell sends it for a double click.
    SendMessageTimeoutW(program.Window(), kTrayNotify, 0, WM_LBUTTONDBLCLK, SMTO_NORMAL, 10000, nullptr);
    EXPECT_TRUE(IsWindowVisible(program.Window()));
}

TEST_F(CommandsTest, RecordWithoutADestinationSaysNoSelectionWasMade)
{
    InfoScSettings none;
    none.Clear();
    none.SaveToRegistry(0);
    StartProgram();
    program.Post(ID_CAPTURE_RECORD);
    Box box = program.WaitForBox(L"No selection has been made. Please select a screen capture option and try again.");
    EXPECT_TRUE(MainProgram::Answer(box, IDOK));
}

// The first recent entry names "DefaultConfig.xml", which a fresh profile does not hold:
// opening it reports the configuration file's failure and the program goes on.
TEST_F(CommandsTest, ARecentConfigurationThatCannotBeReadSaysSo)
{
    StartProgram();
    program.Post(ID_FILE_MRU_FIRST);
    Box box = program.WaitForBox(L"Error parsing the configuration file.");
    ASSERT_NE(nullptr, box.window);
    EXPECT_TRUE(MainProgram::Answer(box, IDOK));
    EXPECT_TRUE(IsWindowVisible(program.Window()));
}

TEST_F(CommandsTest, TheTasksManagerCommandStartsTheTasksManager)
{
    StartProgram();
    program.Post(ID_TOOLS_TASKS_MANAGER);
    HWND tasks = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (tasks = FindWindowW(nullptr, L"Vellumor Tasks Manager")) != nullptr; }));
    DWORD processId = 0;
    GetWindowThreadProcessId(tasks, &processId);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    ASSERT_NE(nullptr, process);
    PostMessageW(tasks, WM_CLOSE, 0, 0);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process, 30000));
    CloseHandle(process);
}
} // namespace
} // namespace app_test
