// The training's sound track: its wave path, the store's use of it while recording,
// saving and playing, and what happens while no audio engine is built in.
#include "cuehook/CEventManager.h"
#include "cuehook/tests/CuehookTestSupport.h"
#include <gtest/gtest.h>

namespace
{
// What the fake engines of one test were asked to do.
struct EngineLog
{
    std::vector<std::string> calls;
    CString wavPath;
    CString device;
    CString inputPin;
    const WAVEFORMATEX* format = nullptr;
    HRESULT startResult = S_OK;
};

class CFakeEngine : public ISoundTrackEngine
{
public:
    explicit CFakeEngine(EngineLog& log) : m_log(log) {}

    HRESULT StartRecording(const CString& wavPath, const CString& device, const WAVEFORMATEX* format,
                           const CString& inputPin) override
    {
        m_log.calls.push_back("StartRecording");
        m_log.wavPath = wavPath;
        m_log.device = device;
        m_log.format = format;
        m_log.inputPin = inputPin;
        m_recording = m_log.startResult >= 0;
        return m_log.startResult;
    }
    HRESULT StopRecording() override
    {
        m_recording = false;
        return Note("StopRecording");
    }
    HRESULT PauseRecording() override { return Note("PauseRecording"); }
    HRESULT ResumeRecording() override { return Note("ResumeRecording"); }
    HRESULT StartPlaying(const CString& wavPath, int) override
    {
        m_log.wavPath = wavPath;
        m_playing = true;
        return Note("StartPlaying");
    }
    HRESULT StopPlaying() override
    {
        m_playing = false;
        return Note("StopPlaying");
    }
    HRESULT PausePlaying() override { return Note("PausePlaying"); }
    HRESULT ResumePlaying() override { return Note("ResumePlaying"); }
    bool IsRecording() const override { return m_recording; }
    bool IsPlaying() const override { return m_playing; }
    HRESULT GetInputPinProperties(const InputPinValues& values) override
    {
        return static_cast<HRESULT>(values[0] + values[8]);
    }
    CString GetErrorText() const override { return L"The fake audio device is unplugged."; }

private:
    HRESULT Note(const char* call)
    {
        m_log.calls.push_back(call);
        return S_OK;
    }

    EngineLog& m_log;
    bool m_recording = false;
    bool m_playing = false;
};

SoundEngineFactory FakeEngines(EngineLog& log)
{
    return [&log] { return std::make_unique<CFakeEngine>(log); };
}

bool StartSoundRecording(CEventManager& store, CString& error)
{
    const CString device = L"Line In", pin = L"Microphone";
    static const WAVEFORMATEX format{WAVE_FORMAT_PCM, 1, 8000, 16000, 2, 16, 0};
    return store.StartRecorder(&device, &format, &pin, false, false, true, true, &error);
}

class SoundTrackTest : public ::testing::Test
{
protected:
    void TearDown() override { DeleteFileW(m_path); }

    EngineLog m_log;
    CString m_path = TempPath(L"sound.vtf");
    CString m_error;
};
} // namespace

TEST(SoundTrack, TheWavePathIsTheTrainingFileWithTheExtensionWav)
{
    struct Case
    {
        const wchar_t* training;
        const wchar_t* wav;
    } cases[] = {
        {L"C:\\Trainings\\setup.vtf", L"C:\\Trainings\\setup.wav"},
        {L"C:\\Trainings.old\\setup", L"C:\\Trainings.old\\setup.wav"},
        {L"D:\\a\\b.c\\name.two.vtf", L"D:\\a\\b.c\\name.two.wav"},
        {L"name.vtf", L"name.wav"},
    };
    CSoundTrack track(nullptr);
    for (const Case& c : cases)
    {
        track.SetWavPath(c.training);
        EXPECT_EQ(CString(c.wav), track.GetWavPath());
    }
}

TEST_F(SoundTrackTest, AnEngineThatCannotBeMadeFailsRecordingAndPlayingWithAText)
{
    CEventManager store;
    store.CreateSoundTrack([] { return std::unique_ptr<ISoundTrackEngine>(); });
    EXPECT_FALSE(StartSoundRecording(store, m_error));
    EXPECT_EQ(L"The audio engine of the sound track could not be created.", m_error);
    EXPECT_TRUE(store.IsRecording()); // the caller stops it
    store.StopRecorder(true);
    EXPECT_EQ(1, store.GetInputPinProperties({1, 2, 3, 4, 5, 6, 7, 8, 9}));

    ASSERT_TRUE(store.LoadCBTFile(GoldenPath(L"three_events_sound.vtf"), &m_error)) << m_error.ToAnsi();
    EXPECT_FALSE(store.StartSoundPlayer(true, &m_error));
    EXPECT_EQ(L"The audio engine of the sound track could not be created.", m_error);
}

TEST_F(SoundTrackTest, RecordingStartsTheEngineWithTheWavePathDeviceFormatAndPin)
{
    CEventManager store;
    store.CreateSoundTrack(FakeEngines(m_log));
    EXPECT_TRUE(store.SetSoundFileName(L"C:\\Trainings\\setup.vtf"));
    ASSERT_TRUE(StartSoundRecording(store, m_error)) << m_error.ToAnsi();
    EXPECT_EQ(L"C:\\Trainings\\setup.wav", m_log.wavPath);
    EXPECT_EQ(L"Line In", m_log.device);
    EXPECT_EQ(L"Microphone", m_log.inputPin);
    ASSERT_NE(nullptr, m_log.format);
    EXPECT_EQ(8000u, m_log.format->nSamplesPerSec);
    store.PauseRecorder();
    store.ResumeRecorder();
    EXPECT_EQ(std::vector<std::string>({"StartRecording", "PauseRecording", "ResumeRecording"}), m_log.calls);
    EXPECT_EQ(10, store.GetInputPinProperties({1, 2, 3, 4, 5, 6, 7, 8, 9}));
    store.StopRecorder(true);
}

TEST_F(SoundTrackTest, AFailingEngineGivesItsText)
{
    m_log.startResult = E_FAIL;
    CEventManager store;
    store.CreateSoundTrack(FakeEngines(m_log));
    EXPECT_FALSE(StartSoundRecording(store, m_error));
    EXPECT_EQ(L"The fake audio device is unplugged.", m_error);
    store.StopRecorder(true);
}

TEST_F(SoundTrackTest, SavingStopsTheSoundRecordingEvenWithNoEventsToWrite)
{
    for (bool withEvents : {false, true})
    {
        m_log.calls.clear();
        CEventManager store;
        store.CreateSoundTrack(FakeEngines(m_log));
        ASSERT_TRUE(StartSoundRecording(store, m_error));
        const EVENTMSG event = MakeEvent(WM_KEYDOWN, 'A', 1, 5);
        if (withEvents)
            store.OnRecordEvent(HC_ACTION, &event);
        ASSERT_TRUE(store.SaveCBTFile(m_path, &m_error));
        EXPECT_EQ(std::vector<std::string>({"StartRecording", "StopRecording"}), m_log.calls) << withEvents;
        store.StopRecorder(true);
    }
    const Bytes saved = ReadBytes<Bytes>(m_path);
    ASSERT_EQ(60u + 24 + 1, saved.size());
    EXPECT_EQ(1, saved.back()); // the training has a sound track
}

TEST_F(SoundTrackTest, ATrainingWithSoundPlaysItWhenTheCallerWantsIt)
{
    for (bool wanted : {false, true})
    {
        m_log.calls.clear();
        CEventManager store;
        store.CreateSoundTrack(FakeEngines(m_log));
        const CString training = GoldenPath(L"three_events_sound.vtf");
        ASSERT_TRUE(store.LoadCBTFile(training, &m_error));
        EXPECT_TRUE(store.StartSoundPlayer(wanted, &m_error));
        ASSERT_TRUE(store.StartPlayer(false, false, 0));
        store.PausePlayer();
        store.ResumePlayer();
        store.StopPlayer(false);
        if (!wanted)
        {
            EXPECT_TRUE(m_log.calls.empty());
            continue;
        }
        EXPECT_EQ(std::vector<std::string>({"StartPlaying", "PausePlaying", "ResumePlaying", "StopPlaying"}),
                  m_log.calls);
        EXPECT_EQ(training.Left(training.GetLength() - 3) + L"wav", m_log.wavPath);
    }
}

TEST_F(SoundTrackTest, ATrainingWithoutSoundNeverStartsTheEngine)
{
    CEventManager store;
    store.CreateSoundTrack(FakeEngines(m_log));
    ASSERT_TRUE(store.LoadCBTFile(GoldenPath(L"three_events.vtf"), &m_error));
    EXPECT_TRUE(store.StartSoundPlayer(true, &m_error));
    EXPECT_TRUE(m_log.calls.empty());
}
