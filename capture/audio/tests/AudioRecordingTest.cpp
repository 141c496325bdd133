// Recording through the test audio device while a tone plays into the sound server (the
// device's microphone hears what is played): the wave file's format, length and tone,
// the audition path, the selected input, and the device going away and coming back.
#include "capture/audio/AudioErrorText.h"
#include "capture/audio/AudioFormats.h"
#include "capture/audio/CAudioGraph.h"
#include "capture/audio/CAudioManager.h"
#include "capture/audio/tests/AudioTestSupport.h"
#include "standins/audio/TestAudioIds.h"
#include "testing/CStringPrinter.h"
#include "testing/TestFiles.h"
#include "testing/TestFolder.h"
#include "testing/TestPump.h"
#include <gtest/gtest.h>

namespace
{
const wchar_t* const kFormat = L"0,88200,2,1,44100,16,1"; // 44100 Hz, 16-bit mono
const double kToneHz = 1000;
// How far the file's length may be outside the time the recording ran: the buffers that
// the start and the stop of the sound server's input take or leave.
const double kLengthTolerance = 0.25;

// How long a recording ran: at least from the start's return to the stop's call, at most
// from the start's call to the stop's return (which a loaded machine stretches).
struct RunTime
{
    double least = 0;
    double most = 0;
};

void ExpectLengthOf(const RunTime& ran, double seconds)
{
    EXPECT_GE(seconds, ran.least - kLengthTolerance) << "ran " << ran.least << " to " << ran.most << " s";
    EXPECT_LE(seconds, ran.most + kLengthTolerance) << "ran " << ran.least << " to " << ran.most << " s";
}

class AudioRecordingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(WriteToneWave(m_toneFile, 30, kToneHz, 12000));
        m_tone->SetNotifyTarget(m_toneLog.Window());
        ASSERT_HRESULT_SUCCEEDED(m_tone->StartPlaying(m_toneFile, 0)) << GetAudioErrorText().ToAnsi(CP_UTF8);
    }
    void TearDown() override { TakeQuitMessage(); }

    static WAVEFORMATEX Format()
    {
        WAVEFORMATEX format;
        ParseAudioFormat(kFormat, &format);
        return format;
    }
    // Records for about seconds into file through the pin; how long it ran.
    RunTime Record(CAudioGraph& graph, const CString& file, const wchar_t* pin, double seconds)
    {
        const WAVEFORMATEX format = Format();
        graph.SetNotifyTarget(m_log.Window());
        const DWORD called = timeGetTime();
        EXPECT_HRESULT_SUCCEEDED(graph.StartRecording(file, kTestAudioDeviceName, &format, pin))
            << GetAudioErrorText().ToAnsi(CP_UTF8);
        const DWORD started = timeGetTime();
        PumpFor(static_cast<DWORD>(seconds * 1000));
        const DWORD stopping = timeGetTime();
        EXPECT_HRESULT_SUCCEEDED(graph.StopRecording()) << GetAudioErrorText().ToAnsi(CP_UTF8);
        RunTime ran;
        ran.least = (stopping - started) / 1000.0;
        ran.most = (timeGetTime() - called) / 1000.0;
        return ran;
    }
    // Reads the file and checks that it has the record's format.
    WaveFile ReadRecording(const CString& file)
    {
        WaveFile wave;
        EXPECT_TRUE(ReadWaveFile(file, wave)) << file.ToAnsi(CP_UTF8);
        const WAVEFORMATEX expected = Format();
        EXPECT_EQ(expected.nSamplesPerSec, wave.format.nSamplesPerSec);
        EXPECT_EQ(expected.nChannels, wave.format.nChannels);
        EXPECT_EQ(expected.wBitsPerSample, wave.format.wBitsPerSample);
        EXPECT_EQ(expected.nBlockAlign, wave.format.nBlockAlign);
        return wave;
    }

    TestFolder m_folder;
    CString m_toneFile = m_folder / L"tone.wav";
    CNotificationLog m_toneLog;
    CAudioGraphPtr m_tone{new CAudioGraph()};
    CNotificationLog m_log;
};

TEST_F(AudioRecordingTest, TheMicrophoneRecordsThePlayingToneForTheTimeItRan)
{
    const CString file = m_folder / L"take.wav";
    CAudioGraphPtr graph(new CAudioGraph());
    // The tone reaches the sound server's monitor a while after its playback started.
    const RunTime ran = Record(*graph, file, L"Microphone", 3);
    EXPECT_EQ((std::vector<UINT>{115, 116}), m_log.Received());
    const WaveFile wave = ReadRecording(file);
    ExpectLengthOf(ran, wave.Seconds());
    // The last second holds the tone: its pitch and a clear level.
    const ToneMeasure tone = MeasureTone(wave, 1.0);
    EXPECT_NEAR(kToneHz, tone.frequency, 20);
    EXPECT_GT(tone.peak, 2000);
}

TEST_F(AudioRecordingTest, OnlyTheNamedInputIsHeardAndAuditionStillRecords)
{
    // The line input is silent: the microphone is switched off while it records.
    const CString line = m_folder / L"line.wav";
    CAudioGraphPtr graph(new CAudioGraph());
    Record(*graph, line, L"Line In", 1);
    EXPECT_LT(MeasureTone(ReadRecording(line), 0.5).peak, 50);

    // Heard while recorded: the device has no preview pin, so a Smart Tee splits it.
    const CString heard = m_folder / L"heard.wav";
    CAudioGraphPtr audition(new CAudioGraph());
    audition->SetAudition(true);
    const RunTime ran = Record(*audition, heard, L"mICROPHONE", 1.5);
    const WaveFile wave = ReadRecording(heard);
    ExpectLengthOf(ran, wave.Seconds());
    EXPECT_NEAR(kToneHz, MeasureTone(wave, 0.5).frequency, 20);
}

TEST_F(AudioRecordingTest, ThePinPropertiesAreThoseOfTheSelectedInput)
{
    CAudioGraphPtr graph(new CAudioGraph());
    BOOL enabled = FALSE;
    const AudioInputPinValues values = {reinterpret_cast<UINT_PTR>(&enabled)};
    EXPECT_EQ(1, graph->GetInputPinProperties(values));
    const WAVEFORMATEX format = Format();
    ASSERT_HRESULT_SUCCEEDED(graph->StartRecording(m_folder / L"pin.wav", kTestAudioDeviceName, &format, L"Line In"));
    EXPECT_EQ(S_OK, graph->GetInputPinProperties(values));
    EXPECT_TRUE(enabled);
    ASSERT_HRESULT_SUCCEEDED(graph->PauseRecording());
    EXPECT_EQ(1, graph->GetInputPinProperties(values));
    EXPECT_HRESULT_SUCCEEDED(graph->StopRecording());
}

TEST_F(AudioRecordingTest, APauseThatFailsLeavesTheRecordingUnpaused)
{
    // The file writer cannot open a file another holds without sharing.
    const CString locked = m_folder / L"locked.wav";
    HANDLE holder = CreateFileW(locked, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);
    CAudioGraphPtr graph(new CAudioGraph());
    graph->SetNotifyTarget(m_log.Window());
    const WAVEFORMATEX format = Format();
    EXPECT_TRUE(FAILED(graph->StartRecording(locked, kTestAudioDeviceName, &format, L"Microphone")));
    EXPECT_TRUE(FAILED(graph->PauseRecording()));
    EXPECT_FALSE(graph->IsRecordingPaused());
    EXPECT_EQ(0, m_log.Count(117));
    CloseHandle(holder);
}

TEST_F(AudioRecordingTest, TheDeviceGoingAndComingBackKeepsBothParts)
{
    CAudioManager manager;
    manager.SetNotifyWindow(m_log.Window());
    manager.GetRecording() = InfoAudioRecording(L"take", m_folder.Path(), AFT_WAV, true, kTestAudioDeviceName, kFormat,
                                                L"Microphone", 0, false, false);
    ASSERT_EQ(DR_DONE, manager.StartRecording()) << manager.GetErrorText().ToAnsi(CP_UTF8);
    PumpFor(1000);

    CString name;
    name.Format(kTestAudioRemoveEventFormat, GetCurrentProcessId());
    HANDLE remove = OpenEventW(EVENT_MODIFY_STATE, FALSE, name);
    name.Format(kTestAudioReturnEventFormat, GetCurrentProcessId());
    HANDLE comeBack = OpenEventW(EVENT_MODIFY_STATE, FALSE, name);
    ASSERT_TRUE(remove && comeBack);

    SetEvent(remove);
    ASSERT_TRUE(PumpUntil([&] { return m_log.Count(116) == 2; }));
    EXPECT_EQ(L"The selected input device was removed!", manager.GetErrorText());
    EXPECT_FALSE(manager.IsRecording());

    SetEvent(comeBack);
    ASSERT_TRUE(PumpUntil([&] { return m_log.Count(115) == 3; }));
    EXPECT_EQ(L"The audio input device has been reattached!", manager.GetErrorText());
    EXPECT_TRUE(manager.IsRecording());
    PumpFor(1000);
    EXPECT_TRUE(manager.StopRecording());
    CloseHandle(remove);
    CloseHandle(comeBack);

    // What was recorded before the device went is kept beside the file; the recording
    // went on in the record's format.
    const WaveFile first = ReadRecording(m_folder / L"take1.wav");
    const WaveFile second = ReadRecording(m_folder / L"take.wav");
    EXPECT_GT(first.Seconds(), 0.8);
    EXPECT_GT(second.Seconds(), 0.8);
    EXPECT_EQ((std::vector<UINT>{115, 116, 116, 115, 115, 116}), m_log.Received());
}
TEST_F(AudioRecordingTest, ASecondStartStopsTheFirstAndRecordsIntoANewFile)
{
    CAudioManager manager;
    manager.SetNotifyWindow(m_log.Window());
    manager.GetRecording() = InfoAudioRecording(L"take", m_folder.Path(), AFT_WAV, false, kTestAudioDeviceName, kFormat,
                                                L"Microphone", 0, false, false);
    ASSERT_EQ(DR_DONE, manager.StartRecording()) << manager.GetErrorText().ToAnsi(CP_UTF8);
    PumpFor(500);
    ASSERT_EQ(DR_DONE, manager.StartRecording()) << manager.GetErrorText().ToAnsi(CP_UTF8);
    EXPECT_EQ(m_folder / L"take1.wav", manager.GetOutputPath());
    PumpFor(500);
    EXPECT_TRUE(manager.StopRecording());
    EXPECT_EQ((std::vector<UINT>{115, 116, 115, 116}), m_log.Received());
    EXPECT_GT(ReadRecording(m_folder / L"take.wav").Seconds(), 0.3);
    EXPECT_GT(ReadRecording(m_folder / L"take1.wav").Seconds(), 0.3);
}
} // namespace
