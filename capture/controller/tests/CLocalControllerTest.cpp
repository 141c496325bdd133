#include "capture/controller/CLocalController.h"

#include "capture/controller/CaptureType.h"
#include "capture/controller/tests/ControllerFixture.h"
#include "capture/tests/IcqClientTestSupport.h"
#include "common/tests/MessageBoxRecorder.h"
#include "testing/TestPump.h"

using namespace controller_test;

namespace
{
void WriteCommon(const wchar_t* name, DWORD value)
{
    ASSERT_EQ(ERROR_SUCCESS,
              RegSetKeyValueW(HKEY_CURRENT_USER, CGlobalOptions::kKey, name, REG_DWORD, &value, sizeof value));
}

class LocalControllerTest : public ControllerFixture
{
};
} // namespace

TEST_F(LocalControllerTest, CommonValuesAreReadAndCorrected)
{
    struct Case
    {
        const char* name;
        std::vector<std::pair<const wchar_t*, DWORD>> stored;
        int type;
        bool audioRecords;
        int hotKeys;
    };
    const Case cases[] = {
        {"no key", {}, CT_SCREEN, false, 0},
        {"type 9", {{L"CaptType", 9}}, CT_SCREEN, false, 0},
        {"type 0", {{L"CaptType", 0}}, CT_SCREEN, false, 0},
        {"type 6 kept", {{L"CaptType", 6}}, CT_NONE, false, 0},
        {"movie, audio records", {{L"CaptType", 5}, {L"AudioType", 7}}, CT_MOVIE, true, 0},
        {"hot keys 5", {{L"CBTHotKeys", 5}}, CT_SCREEN, false, 1},
        {"hot keys -1", {{L"CBTHotKeys", 0xFFFFFFFF}}, CT_SCREEN, false, 1},
        {"hot keys 2", {{L"CBTHotKeys", 2}}, CT_SCREEN, false, 2},
    };
    for (const Case& c : cases)
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, CGlobalOptions::kKey);
        for (const auto& value : c.stored)
            WriteCommon(value.first, value.second);
        CLocalController& controller = MakeController();
        EXPECT_EQ(c.type, controller.GetCaptureType()) << c.name;
        EXPECT_EQ(c.audioRecords, controller.IsRecActive(CT_AUDIO)) << c.name;
        EXPECT_FALSE(controller.IsRecActive(CT_TRAINING) || controller.IsRecActive(CT_VIDEO) ||
                     controller.IsRecActive(CT_MOVIE))
            << c.name;
        EXPECT_TRUE(controller.IsRecActive(CT_SCREEN)) << c.name;
        EXPECT_EQ(c.hotKeys, controller.GetCBTHotKeys()) << c.name;
    }
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_CURRENT_USER, CGlobalOptions::kKey, 0, KEY_READ, &key))
        << "The first read creates the key.";
    RegCloseKey(key);
}

TEST_F(LocalControllerTest, ChoicesAreWrittenAtOnceAndTheManagersLoadTheirRecords)
{
    CLocalController& controller = MakeController();
    EXPECT_EQ(std::vector<int>({1, 1, 1, 1}),
              std::vector<int>({training->loads, audio->loads, video->loads, movie->loads}));
    for (FakeMedia* media : {audio, video, movie})
        EXPECT_EQ(static_cast<ICaptureStepTarget*>(&controller), media->stepTarget);
    EXPECT_EQ(std::vector<int>({SCT_RECTANGLE, Screen().GetHoldTime(), Screen().GetShowSize() ? 1 : 0,
                                Screen().GetCaptureCursor() ? 1 : 0}),
              movie->selection);

    controller.SetCaptureType(CT_MOVIE);
    controller.SetRecActive(CT_AUDIO, true);
    controller.SetRecActive(CT_TRAINING, true);
    controller.SetRecActive(CT_SCREEN, false); // screen capture always records
    EXPECT_TRUE(controller.IsRecActive(CT_SCREEN));
    controller.SetCBTHotKeys(2);
    EXPECT_EQ(5u, ReadCommon(L"CaptType"));
    EXPECT_EQ(1u, ReadCommon(L"AudioType"));
    EXPECT_EQ(1u, ReadCommon(L"CBTType"));
    EXPECT_EQ(2u, ReadCommon(L"CBTHotKeys"));
    EXPECT_EQ(std::vector<bool>({true}), training->recordFlags) << "The hook library hears the training choice.";

    CLocalController& reloaded = MakeController();
    EXPECT_EQ(CT_MOVIE, reloaded.GetCaptureType());
    EXPECT_TRUE(reloaded.IsRecActive(CT_AUDIO));
    EXPECT_TRUE(reloaded.IsRecActive(CT_TRAINING));
    EXPECT_FALSE(reloaded.IsRecActive(CT_VIDEO));
    EXPECT_EQ(2, reloaded.GetCBTHotKeys());
}

// Stop ends what the current type runs, the recorder before the player, and starts
// nothing, whatever runs in other kinds.
TEST_F(LocalControllerTest, StopEndsOnlyWhatTheCurrentTypeRuns)
{
    struct Case
    {
        SideState recorder;
        SideState player;
        SideState recorderAfter;
        SideState playerAfter;
    };
    const Case cases[] = {
        {kIdle, kIdle, kIdle, kIdle},           {kRunning, kIdle, kIdle, kIdle},
        {kPaused, kIdle, kIdle, kIdle},         {kIdle, kRunning, kIdle, kIdle},
        {kIdle, kPaused, kIdle, kIdle},         {kRunning, kRunning, kIdle, kRunning},
    };
    for (int type = CT_AUDIO; type <= CT_MOVIE; ++type)
    {
        for (const Case& c : cases)
        {
            CLocalController& controller = MakeController();
            controller.SetCaptureType(type);
            FakeMedia& media = *Media(type);
            media.recorder = c.recorder;
            media.player = c.player;
            // Another kind records meanwhile: it is not the current type's.
            FakeMedia& other = *Media(type == CT_MOVIE ? CT_AUDIO : CT_MOVIE);
            other.recorder = kRunning;
            training->recorder = kRunning;
            controller.Stop();
            const std::string name = "type " + std::to_string(type) + ", states " + std::to_string(c.recorder) + "/" +
                                     std::to_string(c.player);
            EXPECT_EQ(c.recorderAfter, media.recorder) << name;
            EXPECT_EQ(c.playerAfter, media.player) << name;
            EXPECT_EQ(kRunning, other.recorder) << name;
            EXPECT_EQ(kRunning, training->recorder) << name;
            EXPECT_EQ(0, media.starts + other.starts + training->starts) << name;
        }
    }

    const SideState trainingStates[][2] = {{kIdle, kIdle}, {kRunning, kIdle}, {kPaused, kIdle}, {kIdle, kRunning}};
    for (const auto& states : trainingStates)
    {
        CLocalController& controller = MakeController();
        controller.SetCaptureType(CT_TRAINING);
        training->recorder = states[0];
        training->player = states[1];
        audio->recorder = kRunning;
        controller.Stop();
        EXPECT_EQ(kIdle, training->recorder);
        EXPECT_EQ(kIdle, training->player);
        EXPECT_EQ(0, training->starts + audio->starts);
        EXPECT_EQ(kRunning, audio->recorder);
    }
}

TEST_F(LocalControllerTest, StopEndsATimedScreenCaptureAndNeverBeginsOne)
{
    SetFileTiming(60);
    CLocalController& controller = MakeController();
    movie->recorder = kRunning;
    controller.Stop();
    EXPECT_FALSE(Screen().IsCapturing());
    EXPECT_EQ(0, owner.beginCaptures);
    EXPECT_EQ(kRunning, movie->recorder);

    for (bool pause : {false, true})
    {
        controller.Record();
        ASSERT_TRUE(Screen().IsCapturing());
        EXPECT_TRUE(controller.GetTimeDisplay().IsRunning());
        if (pause)
        {
            controller.PauseResume();
            ASSERT_TRUE(Screen().IsCapturePaused());
            EXPECT_TRUE(controller.IsPaused());
        }
        controller.Stop();
        EXPECT_FALSE(Screen().IsCapturing()) << "paused " << pause;
        EXPECT_FALSE(controller.GetTimeDisplay().IsRunning()) << "paused " << pause;
        EXPECT_EQ(0, owner.beginCaptures);
    }
}

TEST_F(LocalControllerTest, EndOfATimedStepStopsThroughTheController)
{
    SetFileTiming(1); // the step ends after 2 s
    CLocalController& controller = MakeController();
    controller.Record();
    ASSERT_TRUE(Screen().IsCapturing());
    host.pages.clear();
    EXPECT_TRUE(PumpUntil([&] { return !Screen().IsCapturing(); }));
    EXPECT_FALSE(controller.GetTimeDisplay().IsRunning());
    EXPECT_EQ(std::vector<int>({0}), host.pages) << "The Time/Action page is reset by the controller's stop.";
}

TEST_F(LocalControllerTest, CommandsFollowTheRecordPlayPairAndTheDisplay)
{
    CLocalController& controller = MakeController();
    controller.SetCaptureType(CT_AUDIO);
    controller.SetTotalToPlay(90);
    controller.Play();
    EXPECT_EQ(kRunning, audio->player);
    EXPECT_EQ(90, controller.GetTimeDisplay().GetTotal());
    controller.PauseResume();
    EXPECT_EQ(kPaused, audio->player);
    controller.PauseResume();
    EXPECT_EQ(kRunning, audio->player);
    controller.Play();
    EXPECT_EQ(kIdle, audio->player);
    EXPECT_FALSE(controller.GetTimeDisplay().IsRunning());
    EXPECT_EQ(std::vector<int>({-CT_AUDIO, 0, -CT_AUDIO, 0}), host.pages);

    audio->failStarts = true;
    MessageBoxRecorder boxes(IDOK);
    controller.Record();
    ASSERT_EQ(1u, boxes.boxes.size());
    EXPECT_EQ(CString(L"The fake manager failed."), boxes.boxes[0].text);
    EXPECT_FALSE(controller.GetTimeDisplay().IsRunning());

    // A screen capture without a duration is an interactive selection: no time counts.
    controller.SetCaptureType(CT_SCREEN);
    controller.Record();
    EXPECT_EQ(1, owner.beginCaptures);
    EXPECT_FALSE(controller.GetTimeDisplay().IsRunning());
    controller.PauseResume(); // nothing captures: nothing to pause
    EXPECT_FALSE(Screen().IsCapturePaused());
}

TEST_F(LocalControllerTest, MissingKindsSayTheyAreNotAvailable)
{
    CLocalController& controller = MakeController({CT_TRAINING, CT_VIDEO});
    MessageBoxRecorder boxes(IDOK);
    controller.SetCaptureType(CT_VIDEO);
    controller.Stop();
    controller.PauseResume();
    controller.StopAll();
    EXPECT_TRUE(boxes.boxes.empty()) << "Nothing runs in a missing kind: nothing to stop.";
    EXPECT_FALSE(controller.IsRecording() || controller.IsPlaying() || controller.IsPaused());
    controller.Record();
    controller.SetCaptureType(CT_TRAINING);
    controller.Play();
    ASSERT_EQ(2u, boxes.boxes.size());
    EXPECT_EQ(CString(L"Video capture is not available in this version yet."), boxes.boxes[0].text);
    EXPECT_EQ(CString(L"Training capture is not available in this version yet."), boxes.boxes[1].text);

    controller.SetCaptureType(CT_NONE); // a stored 6: no command acts, nothing is said
    controller.Record();
    controller.Play();
    EXPECT_EQ(2u, boxes.boxes.size());
}

TEST_F(LocalControllerTest, StopAllEndsEveryKind)
{
    SetFileTiming(60);
    CLocalController& controller = MakeController();
    controller.Record();
    ASSERT_TRUE(Screen().IsCapturing());
    training->player = kRunning;
    audio->recorder = kPaused;
    video->player = kRunning;
    movie->recorder = kRunning;
    controller.StopAll();
    EXPECT_FALSE(Screen().IsCapturing());
    EXPECT_FALSE(controller.GetTimeDisplay().IsRunning());
    for (SideState state : {training->player, audio->recorder, video->player, movie->recorder})
        EXPECT_EQ(kIdle, state);
    EXPECT_EQ(0, training->starts + audio->starts + video->starts + movie->starts);
}

class ControllerIcqTest : public IcqClientTest
{
protected:
    void TearDown() override
    {
        m_saved.SaveToRegistry(0);
        IcqClientTest::TearDown();
    }
    InfoScSettings m_saved;
};

TEST_F(ControllerIcqTest, IcqDestinationIsSwitchedOffWhenTheClientDoesNotRun)
{
    m_saved.LoadFromRegistry();
    for (bool running : {true, false})
    {
        SetRunning(running);
        InfoScSettings settings;
        settings.Clear();
        settings.ICQ = true;
        settings.SaveToRegistry(0);
        AcceptingDialogs dialogs;
        CaptureManagers managers;
        managers.screen.reset(
            new CScreenCaptureManager(std::unique_ptr<CImageDestinations>(new CImageDestinations), dialogs));
        CLocalController controller(std::move(managers));
        InfoScSettings stored;
        stored.LoadFromRegistry();
        EXPECT_EQ(running, stored.ICQ) << "running " << running;
        EXPECT_EQ(running, controller.GetScreenManager()->GetSettings()->ICQ) << "running " << running;
    }
}
