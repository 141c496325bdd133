// Commands as the user gives them: the View toggles, hiding and showing again from the tray
// icon, Record without a destination, a recent configuration and the tasks manager.
#include "app/AppIds.h"
#include "app/tests/ProfileFixture.h"
#include "Info/InfoScSettings.h"
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

TEST_F(CommandsTest, ViewCommandsHideAndShowTheirBars)
{
    StartProgram();
    const UINT toggles[][2] = {
        {ID_VIEW_TOOLBAR_MISC, IDW_TOOLBAR_MISC},
        {ID_VIEW_CAPTURE_TYPES, IDW_BAR_CAPTURE_TYPES},
        {ID_VIEW_OUTPUT, IDW_BAR_OUTPUT},
        {0xE800, 0xE800},
        {0xE801, 0xE801},
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
