// The manager's steps without real input: toggles, the dialog, refused settings, the
// numbered file, a missing file, the launch of an application, the job build's loop and
// the faults of a lost save, a lost quit and a played file other than the chosen one.
#include "capture/selection/ICaptureDialogs.h"
#include "capture/training/tests/TrainingTestSupport.h"
#include "common/PathHelpers.h"
#include "cuehook/CuehookApi.h"
#include "testing/TestChild.h"
#include "testing/TestPump.h"

#include <gtest/gtest.h>

namespace
{
// Answers the properties dialog with a fixed button, after letting edit change the record.
class FakeDialogs : public ICaptureDialogs
{
public:
    int button = IDCANCEL;
    int shown = 0;
    std::function<void(SendParam&)> edit;

    int EditProperties(SendParam& record, HWND) override
    {
        ++shown;
        if (edit)
            edit(record);
        return button;
    }
    int ChooseSelection(EnumSendParam, EnumScreenCaptureType&, std::vector<POINT>&, CString&, HWND) override
    {
        return IDCANCEL;
    }
    int ChooseFrameRate(bool&, int&, HWND) override
    {
        return IDCANCEL;
    }
};

// The launched program: its window in front, titled with its command line.
const wchar_t kLaunchedSwitch[] = L"--training-launched";
const wchar_t kLaunchedClass[] = L"VellTrainingLaunched";

DWORD RunLaunched(int, wchar_t**)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_DESTROY)
            PostQuitMessage(0);
        return DefWindowProcW(window, message, wParam, lParam);
    };
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kLaunchedClass;
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, kLaunchedClass, GetCommandLineW(), WS_OVERLAPPEDWINDOW, 10, 10, 200, 150,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    // The show state a program's entry gets: the start-up structure's, when it gives one.
    STARTUPINFOW startup{};
    GetStartupInfoW(&startup);
    ShowWindow(window, (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWNORMAL);
    SetForegroundWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
[[maybe_unused]] const bool s_launched = RegisterTestChild(kLaunchedSwitch, RunLaunched);

CString ProgramPath()
{
    wchar_t program[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    return program;
}

class CCBTManagerTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        for (HWND window = FindWindowW(kLaunchedClass, nullptr); window; window = FindWindowW(kLaunchedClass, nullptr))
        {
            DWORD processId = 0;
            GetWindowThreadProcessId(window, &processId);
            PostMessageW(window, WM_CLOSE, 0, 0);
            PumpUntil([&] { return !IsWindow(window); });
        }
        EXPECT_TRUE(HookLibraryIdle()) << "a test left the hook library running";
        PumpFor(20); // the spare end message of the last stop
    }

    CString PlayableFile(const wchar_t* name)
    {
        const CString path = folder / name;
        EXPECT_TRUE(WriteTrainingFile(path, {MoveEvent({300, 300}, 0), MoveEvent({310, 305}, 40)}));
        return path;
    }

    TestFolder folder;
    FakeDialogs dialogs;
};
} // namespace

TEST_F(CCBTManagerTest, RecordAndPlayToggleWhatRuns)
{
    CCBTManager manager(&dialogs);
    manager.GetRecording() = PlainRecording(folder.Path(), L"toggle");
    manager.GetPlaying() = PlainPlaying(PlayableFile(L"long.vtf"));
    manager.GetPlaying().PlayRepeat = -1; // plays until stopped
    CTrainingMainWindow main(manager);

    // The second command of each pair reaches the window inside the first one's loop.
    main.PostCommand(kHotKeyRecordCommand);
    main.PostCommand(kHotKeyRecordCommand);
    ASSERT_TRUE(PumpUntil([&] { return main.Runs().size() == 2; }));
    main.PostCommand(kHotKeyPlayCommand);
    main.PostCommand(kHotKeyPlayCommand);
    ASSERT_TRUE(PumpUntil([&] { return main.Runs().size() == 4; }));

    // The inner call of each pair is the stop; it is logged first.
    for (const auto& run : main.Runs())
        EXPECT_EQ(2, run.result) << run.command << ": " << run.error.ToAnsi();
    EXPECT_EQ(0, dialogs.shown);
}

TEST_F(CCBTManagerTest, FailedStartsInstallNothing)
{
    struct Case
    {
        const char* name;
        std::function<void(CCBTManager&)> set;
        bool record;
        int result;
        const wchar_t* error; // null: any text but an empty one
    };
    const Case cases[] = {
        {"dialog cancelled", [](CCBTManager& m) { m.GetRecording().RecShowDlg = true; }, true, 1, L""},
        {"dialog cancelled (playing)", [](CCBTManager& m) { m.GetPlaying().PlayShowDlg = true; }, false, 1, L""},
        {"sound without device",
         [](CCBTManager& m) {
             m.GetRecording().RecSound = true;
             m.GetRecording().RecSoundFormat = L"0,88200,2,1,44100,16,1";
         },
         true, 0, L"Audio device name and/or format is empty."},
        {"sound without format",
         [](CCBTManager& m) {
             m.GetRecording().RecSound = true;
             m.GetRecording().RecSoundDevice = L"Microphone";
         },
         true, 0, L"Audio device name and/or format is empty."},
        {"missing training file", [](CCBTManager& m) { m.GetPlaying().PlayFName += L".none"; }, false, 0, nullptr},
        {"missing application",
         [](CCBTManager& m) { m.GetPlaying().PlayAppFileName = L"C:\\no\\such.exe"; }, false, 0,
         L"The application to be launched 'C:\\no\\such.exe' does not exist."},
    };
    for (const Case& test : cases)
    {
        CCBTManager manager(&dialogs);
        manager.GetRecording() = PlainRecording(folder.Path(), L"failed");
        manager.GetPlaying() = PlainPlaying(PlayableFile(L"failed.vtf"));
        test.set(manager);
        CString error;
        EXPECT_EQ(test.result, test.record ? manager.Record(error) : manager.Play(error)) << test.name;
        if (test.error)
            EXPECT_EQ(CString(test.error), error) << test.name;
        else
            EXPECT_FALSE(error.IsEmpty()) << test.name;
        EXPECT_TRUE(HookLibraryIdle()) << test.name;
    }
}

TEST_F(CCBTManagerTest, AnExistingFileIsKeptAndTheRecordingTakesTheNextNumber)
{
    ASSERT_TRUE(WriteTrainingFile(folder / L"name.vtf", {MoveEvent({1, 1}, 0)}));
    CCBTManager manager(&dialogs);
    manager.GetRecording() = PlainRecording(folder.Path(), L"name");
    manager.GetRecording().RecOverwrite = false;
    CTrainingMainWindow main(manager);
    main.Post([&] {
        CString error;
        EXPECT_TRUE(manager.StopRecording(error)) << error.ToAnsi();
    });
    CString error;
    EXPECT_EQ(2, manager.Record(error)) << error.ToAnsi();
    EXPECT_EQ(folder / L"name1.vtf", manager.GetTrainingFile());
    EXPECT_EQ(1u, LoadTrainingEvents(folder / L"name.vtf").size()) << "the old file is untouched";
}

TEST_F(CCBTManagerTest, AMissingFolderIsCreated)
{
    CCBTManager manager(&dialogs);
    manager.GetRecording() = PlainRecording(folder / L"a\\b", L"deep");
    CTrainingMainWindow main(manager);
    main.Post([&] {
        CString error;
        manager.StopRecording(error);
    });
    CString error;
    EXPECT_EQ(2, manager.Record(error)) << error.ToAnsi();
    EXPECT_TRUE(EnsurePathExists(folder / L"a\\b", false));
}

// A save that fails in a stop run from inside the loop (here by Ctrl+Break as the hook
// library reports it) makes the recording fail with that save's text.
TEST_F(CCBTManagerTest, ASaveThatFailsInsideTheLoopFailsTheRecording)
{
    for (CCBTManager::Mode mode : {CCBTManager::Mode::Interactive, CCBTManager::Mode::Job})
    {
        CCBTManager manager(nullptr, mode);
        manager.GetRecording() = PlainRecording(folder / L"gone", L"lost");
        CTrainingMainWindow main(manager);
        main.Post([&] {
            EVENTMSG event = MoveEvent({5, 5}, GetTickCount());
            CCBTManager::OnHookEvent(HC_ACTION, 0, reinterpret_cast<LPARAM>(&event), reinterpret_cast<DWORD_PTR>(&manager));
            // The folder becomes a file: the save cannot write there.
            RemoveDirectoryW(folder / L"gone");
            CloseHandle(CreateFileW(folder / L"gone", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
            CCBTManager::OnHookEvent(kHookCodeCtrlBreak, 0, 0, reinterpret_cast<DWORD_PTR>(&manager));
        });
        CString error;
        EXPECT_EQ(0, manager.Record(error));
        EXPECT_FALSE(error.IsEmpty());
        DeleteFileW(folder / L"gone");
    }
}

// A WM_QUIT during a recording ends it, saved, and reaches the enclosing loop afterwards.
TEST_F(CCBTManagerTest, AQuitDuringARecordingEndsItAndIsPostedAgain)
{
    CCBTManager manager(&dialogs);
    manager.GetRecording() = PlainRecording(folder.Path(), L"quit");
    CTrainingMainWindow main(manager);
    bool recordingWhenQuitSeen = false;
    main.Post([&] {
        EVENTMSG event = MoveEvent({7, 7}, GetTickCount());
        CCBTManager::OnHookEvent(HC_ACTION, 0, reinterpret_cast<LPARAM>(&event), reinterpret_cast<DWORD_PTR>(&manager));
        recordingWhenQuitSeen = manager.IsRecording();
        PostQuitMessage(5);
    });
    CString error;
    EXPECT_EQ(2, manager.Record(error)) << error.ToAnsi();
    EXPECT_TRUE(recordingWhenQuitSeen);
    EXPECT_FALSE(manager.IsRecording());
    EXPECT_EQ(1u, LoadTrainingEvents(folder / L"quit.vtf").size());
    MSG quit;
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(5u, quit.wParam);
}

// The file chosen in the dialog is the one played, not the live record's.
TEST_F(CCBTManagerTest, PlayPlaysTheFileChosenInTheDialog)
{
    const CString chosen = PlayableFile(L"chosen.vtf");
    CCBTManager manager(&dialogs);
    manager.GetPlaying() = PlainPlaying(folder / L"missing.vtf");
    manager.GetPlaying().PlayShowDlg = true;
    dialogs.button = IDOK;
    dialogs.edit = [&](SendParam& record) { static_cast<InfoCBTPlaying&>(record).PlayFName = chosen; };
    CString error;
    EXPECT_EQ(2, manager.Play(error)) << error.ToAnsi();
    EXPECT_EQ(1, dialogs.shown);
    EXPECT_EQ(folder / L"missing.vtf", manager.GetPlaying().PlayFName) << "the live record is unchanged";
}

// The job build: no dialog, no second start, and its loop ends on the stop's quit, which
// goes no further.
TEST_F(CCBTManagerTest, TheJobBuildRefusesDialogsAndEndsOnItsOwnQuit)
{
    CCBTManager job(nullptr, CCBTManager::Mode::Job);
    job.GetRecording() = PlainRecording(folder.Path(), L"job");
    job.GetRecording().RecShowDlg = true;
    CString error;
    EXPECT_EQ(0, job.Record(error));
    EXPECT_FALSE(error.IsEmpty());

    job.GetRecording().RecShowDlg = false;
    CTrainingMainWindow main(job);
    int second = -1;
    CString secondError;
    main.Post([&] {
        second = job.Record(secondError);
        EVENTMSG event = MoveEvent({9, 9}, GetTickCount());
        CCBTManager::OnHookEvent(HC_ACTION, 0, reinterpret_cast<LPARAM>(&event), reinterpret_cast<DWORD_PTR>(&job));
        CCBTManager::OnHookEvent(kHookCodeCtrlBreak, 0, 0, reinterpret_cast<DWORD_PTR>(&job));
    });
    EXPECT_EQ(2, job.Record(error)) << error.ToAnsi();
    EXPECT_EQ(0, second);
    EXPECT_EQ(CString(L"A training recording is running already."), secondError);
    EXPECT_EQ(1u, LoadTrainingEvents(folder / L"job.vtf").size());
    MSG quit;
    EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(CCBTManagerTest, TheJobBuildEndsAtItsDuration)
{
    CCBTManager job(nullptr, CCBTManager::Mode::Job);
    job.GetRecording() = PlainRecording(folder.Path(), L"timed");
    job.GetRecording().RecDuration = 1;
    CString error;
    EXPECT_EQ(2, job.Record(error)) << error.ToAnsi();
    EXPECT_FALSE(job.IsRecording());
}

TEST_F(CCBTManagerTest, LaunchStartsPlacesOrMaximisesTheApplication)
{
    CString error;
    InfoCBTPlaying none = PlainPlaying(L"");
    EXPECT_TRUE(CCBTManager::LaunchTrainingApplication(none, error));

    InfoCBTPlaying placed = PlainPlaying(L"");
    placed.PlayAppFileName = ProgramPath();
    placed.PlayCmdLine = kLaunchedSwitch;
    placed.PlayDelayTime = 2;
    placed.PlayWndLeft = 50;
    placed.PlayWndTop = 60;
    placed.PlayWndWidth = 300;
    placed.PlayWndHeight = 200;
    ASSERT_TRUE(CCBTManager::LaunchTrainingApplication(placed, error)) << error.ToAnsi();
    HWND window = FindWindowW(kLaunchedClass, nullptr);
    ASSERT_TRUE(window);
    RECT rect{};
    GetWindowRect(window, &rect);
    const RECT wanted = {50, 60, 350, 260};
    EXPECT_TRUE(EqualRect(&wanted, &rect));
    wchar_t title[MAX_PATH * 2] = L"";
    GetWindowTextW(window, title, ARRAYSIZE(title));
    EXPECT_EQ(L"\"" + ProgramPath() + L"\" \"" + kLaunchedSwitch + L"\"", CString(title));
    PostMessageW(window, WM_CLOSE, 0, 0);
    PumpUntil([&] { return !IsWindow(window); });

    InfoCBTPlaying maximised = placed;
    maximised.PlayWndWidth = 0;
    CTargetProcess front; // the window in front, which must stay where it is
    ASSERT_TRUE(front.IsReady());
    ASSERT_TRUE(CCBTManager::LaunchTrainingApplication(maximised, error)) << error.ToAnsi();
    // Nothing is placed, so the launch does not wait for the window: the test does.
    ASSERT_TRUE(PumpUntil(
        [&] {
            window = FindWindowW(kLaunchedClass, nullptr);
            return window && IsWindowVisible(window);
        },
        kProcessStartGiveUpMs));
    EXPECT_TRUE(IsZoomed(window));
    GetWindowRect(front.Window(), &rect);
    const RECT unmoved = {kTargetOrigin.x, kTargetOrigin.y, kTargetOrigin.x + kTargetSize.cx,
                          kTargetOrigin.y + kTargetSize.cy};
    EXPECT_TRUE(EqualRect(&unmoved, &rect));
}
