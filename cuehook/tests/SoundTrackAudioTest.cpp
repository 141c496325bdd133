// The training's sound track through the library's exports and its own audio engine: a
// training recorded with sound through the test audio device, saved, loaded and its
// sound played; the engine reports to the hot keys' window and never ends the loop.
#include "capture/audio/AudioFormats.h"
#include "capture/audio/CAudioGraph.h"
#include "capture/audio/tests/AudioTestSupport.h"
#include "cuehook/CuehookApi.h"
#include "cuehook/tests/CuehookTestSupport.h"
#include "standins/audio/TestAudioIds.h"
#include <gtest/gtest.h>

namespace
{
TEST(SoundTrackThroughExports, ATrainingWithSoundIsRecordedAndPlayedWithoutEndingTheLoop)
{
    const CString training = TempPath(L"voiced.vtf");
    const CString sound = TempPath(L"voiced.wav");
    CNotificationLog log;
    HookCBTKeyboard::InstallGlobalKeyboardProc(log.Window());
    // What the device hears.
    const CString toneFile = TempPath(L"voice_tone.wav");
    ASSERT_TRUE(WriteToneWave(toneFile, 10, 1000, 12000));
    CAudioGraphPtr tone(new CAudioGraph());
    tone->SetQuitOnPlaybackEnd(false);
    ASSERT_HRESULT_SUCCEEDED(tone->StartPlaying(toneFile, 0));

    CString error;
    const CString device = kTestAudioDeviceName, pin = L"Microphone";
    WAVEFORMATEX format;
    AudioFormatFromIndex(5, &format); // 44100 Hz, 16-bit mono
    HkSetSoundFileName(training);
    ASSERT_TRUE(HkStartRecorder(&device, &format, &pin, false, false, true, true, &error)) << error.ToAnsi();
    EVENTMSG event = MakeEvent(WM_KEYDOWN, 'A', 1, 5);
    HkOnRecordEvent(HC_ACTION, &event);
    // Long enough for the sound server's late start (up to about 1.5 s) to leave the tone
    // in the second half of the recording.
    PumpFor(4000);
    ASSERT_TRUE(HkSaveCBTFile(training, &error)) << error.ToAnsi();
    HkStopRecorder(true);
    tone->StopPlaying();
    WaveFile wave;
    ASSERT_TRUE(ReadWaveFile(sound, wave));
    EXPECT_GT(wave.Seconds(), 3.5);
    // The tone reaches the file a while after its playback started.
    EXPECT_GT(MeasureTone(wave, 2.0).peak, 2000);
    EXPECT_EQ((std::vector<UINT>{115, 116}), log.Received());

    log.Clear();
    ASSERT_TRUE(HkLoadCBTFile(training, &error)) << error.ToAnsi();
    ASSERT_TRUE(HkStartSoundPlayer(training, true, &error)) << error.ToAnsi();
    EXPECT_TRUE(PumpUntil([&] { return log.Count(120) == 1; }));
    EXPECT_EQ((std::vector<UINT>{119, 120}), log.Received());
    EXPECT_FALSE(TakeQuitMessage()) << "The sound track's end ended the training's message loop.";
    EXPECT_TRUE(HkStopSoundPlayer(&error));
    HookCBTKeyboard::UnInstallKeyboardProc();
    DeleteFileW(training);
    DeleteFileW(sound);
    DeleteFileW(toneFile);
}
} // namespace
