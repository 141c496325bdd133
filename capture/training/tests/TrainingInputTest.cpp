// Training with real input on the display and the real hooks: what is typed and clicked
// in another program is recorded (ended by Ctrl+Break or by the duration), saved and
// played into a fresh copy of that program; the hot keys start Record and Play and are
// recorded like any key while a recording runs; the sound track through the test device.
#include "capture/audio/AudioFormats.h"
#include "capture/audio/tests/AudioTestSupport.h"
#include "capture/training/tests/TrainingTestSupport.h"
#include "common/PathHelpers.h"
#include "cuehook/CuehookApi.h"
#include "standins/audio/TestAudioIds.h"
#include "testing/TestPump.h"

#include <gtest/gtest.h>

namespace
{
// Types "Hi!" with Shift, clicks twice in the click area.
void TypeAndClick(CInputScript& script, const CTargetProcess& target)
{
    script.Click(target.EditPoint()).Shifted('H').Tap('I').Shifted('1');
    script.Click(target.AreaPoint(40, 50)).Click(target.AreaPoint(200, 120));
}

std::vector<UINT> KeysDown(const std::vector<EVENTMSG>& events)
{
    std::vector<UINT> keys;
    for (const EVENTMSG& event : events)
        if (event.message == WM_KEYDOWN)
            keys.push_back(LOBYTE(event.paramL));
    return keys;
}

class TrainingInputTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        EXPECT_TRUE(HookLibraryIdle());
        PumpFor(20);
    }

    // Records the script's input to a fresh target; the recorded file.
    CString RecordSession(const wchar_t* name, bool byDuration, CString& clicks)
    {
        CTargetProcess target;
        EXPECT_TRUE(target.IsReady());
        CCBTManager manager;
        manager.GetRecording() = PlainRecording(folder.Path(), name);
        if (byDuration)
            manager.GetRecording().RecDuration = 4;
        CInputScript script;
        script.AwaitRecording();
        TypeAndClick(script, target);
        if (!byDuration)
            script.CtrlBreak();
        script.Start();
        CString error;
        EXPECT_EQ(2, manager.Record(error)) << error.ToAnsi();
        PumpUntil([&] { return target.Text() == L"Hi!"; });
        EXPECT_EQ(CString(L"Hi!"), target.Text()) << "the input reached the target while it was recorded";
        clicks = target.Clicks();
        return manager.GetTrainingFile();
    }

    TestFolder folder;
};
} // namespace

TEST_F(TrainingInputTest, InputToAnotherProgramIsRecordedAndReplayedIntoAFreshOne)
{
    for (bool byDuration : {false, true})
    {
        CString recordedClicks;
        const CString file = RecordSession(byDuration ? L"timed" : L"broken", byDuration, recordedClicks);
        const std::vector<UINT> keys = KeysDown(LoadTrainingEvents(file));
        EXPECT_EQ((std::vector<UINT>{VK_SHIFT, 'H', 'I', VK_SHIFT, '1'}),
                  std::vector<UINT>(keys.begin(), keys.begin() + std::min<size_t>(keys.size(), 5)));
        EXPECT_EQ(byDuration ? 5u : 6u, keys.size()) << "Ctrl is the only key of Ctrl+Break that is recorded";

        for (int repeat : {0, 1})
        {
            CTargetProcess fresh;
            ASSERT_TRUE(fresh.IsReady());
            CCBTManager player;
            player.GetPlaying() = PlainPlaying(file);
            player.GetPlaying().PlayRepeat = repeat;
            CString error;
            EXPECT_EQ(2, player.Play(error)) << error.ToAnsi();
            const CString typed = repeat ? L"Hi!Hi!" : L"Hi!";
            PumpUntil([&] { return fresh.Text() == typed; });
            EXPECT_EQ(typed, fresh.Text()) << "repeat " << repeat;
            EXPECT_EQ(repeat ? recordedClicks + recordedClicks : recordedClicks, fresh.Clicks()) << "repeat " << repeat;
        }
    }
}

TEST_F(TrainingInputTest, HotKeysStartRecordAndPlayAndAreRecordedWhileRecording)
{
    CTargetProcess target;
    ASSERT_TRUE(target.IsReady());
    CCBTManager manager;
    manager.GetRecording() = PlainRecording(folder.Path(), L"hot");
    CTrainingMainWindow main(manager);
    manager.SetRecordFlag(true);
    HookCBTKeyboard::InstallGlobalKeyboardProc(main.Window());

    CInputScript script;
    auto hotKey = [&] { script.Key(VK_CONTROL, false).Key(VK_SHIFT, false).Tap(VK_F9).Key(VK_SHIFT, true).Key(VK_CONTROL, true); };
    script.Click(target.EditPoint());
    hotKey();                                       // starts Record
    script.AwaitRecording().Tap('A');
    hotKey();                                       // recorded, no command
    script.CtrlBreak();
    script.Start();
    ASSERT_TRUE(PumpUntil([&] { return main.Runs().size() == 1; }));
    EXPECT_EQ(kHotKeyRecordCommand, main.Runs()[0].command);
    EXPECT_EQ(2, main.Runs()[0].result) << main.Runs()[0].error.ToAnsi();
    const std::vector<UINT> keys = KeysDown(LoadTrainingEvents(folder / L"hot.vtf"));
    EXPECT_NE(keys.end(), std::find(keys.begin(), keys.end(), UINT('A')));
    EXPECT_NE(keys.end(), std::find(keys.begin(), keys.end(), UINT(VK_F9)));
    PumpFor(300);
    EXPECT_EQ(1u, main.Runs().size()) << "the hot key pressed while recording gave no command";

    // After the stop the hot keys work again; with the record flag off they play.
    manager.GetPlaying() = PlainPlaying(folder / L"hot.vtf");
    manager.SetRecordFlag(false);
    CInputScript again;
    again.Key(VK_CONTROL, false).Key(VK_SHIFT, false).Tap(VK_F9).Key(VK_SHIFT, true).Key(VK_CONTROL, true);
    again.Start();
    ASSERT_TRUE(PumpUntil([&] { return main.Runs().size() == 2; }));
    EXPECT_EQ(kHotKeyPlayCommand, main.Runs()[1].command);
    EXPECT_EQ(2, main.Runs()[1].result) << main.Runs()[1].error.ToAnsi();
    manager.SetRecordFlag(true);
}

TEST_F(TrainingInputTest, TheSoundTrackIsRecordedBesideTheFileAndPlayedWithIt)
{
    WAVEFORMATEX format;
    AudioFormatFromIndex(5, &format); // 44100 Hz, 16-bit mono
    CCBTManager manager;
    // The sound track's engine reports to the main window, as the audio manager's does.
    CNotificationLog mainWindow;
    manager.SetMainWindow(mainWindow.Window());
    HookCBTKeyboard::InstallGlobalKeyboardProc(mainWindow.Window());
    manager.GetRecording() = PlainRecording(folder.Path(), L"voiced");
    InfoCBTRecording& recording = manager.GetRecording();
    recording.RecSound = true;
    recording.RecSoundDevice = kTestAudioDeviceName;
    recording.RecSoundFormat = AudioFormatString(format);
    recording.RecInputPinName = L"Microphone";
    recording.RecDuration = 4;
    CInputScript script;
    script.AwaitRecording().Tap(VK_F13).Tap(VK_F14);
    script.Start();
    CString error;
    ASSERT_EQ(2, manager.Record(error)) << error.ToAnsi();
    EXPECT_EQ(1, mainWindow.Count(115)) << "the sound track started recording";

    WaveFile wave;
    ASSERT_TRUE(ReadWaveFile(folder / L"voiced.wav", wave));
    EXPECT_EQ(format.nSamplesPerSec, wave.format.nSamplesPerSec);
    EXPECT_EQ(format.nChannels, wave.format.nChannels);
    EXPECT_EQ(format.wBitsPerSample, wave.format.wBitsPerSample);
    EXPECT_GT(wave.Seconds(), 2.0);
    EXPECT_LT(wave.Seconds(), 6.0);

    manager.GetPlaying() = PlainPlaying(folder / L"voiced.vtf");
    manager.GetPlaying().PlaySound = true;
    mainWindow.Clear();
    EXPECT_EQ(2, manager.Play(error)) << error.ToAnsi();
    EXPECT_FALSE(manager.IsPlaying()) << "the playback ended with its events";
    EXPECT_EQ(1, mainWindow.Count(119)) << "the sound track started playing";
    HookCBTKeyboard::UnInstallKeyboardProc();
    manager.SetMainWindow(nullptr);
}
