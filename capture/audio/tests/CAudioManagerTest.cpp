// The audio manager: the dialog step, its checks and texts, the recording's file name,
// and its step timer.
#include "capture/audio/AudioErrorText.h"
#include "capture/audio/CAudioManager.h"
#include "capture/audio/tests/AudioTestSupport.h"
#include "capture/selection/ICaptureDialogs.h"
#include "testing/CStringPrinter.h"
#include "testing/TestFiles.h"
#include "testing/TestFolder.h"
#include "testing/TestPump.h"
#include <gtest/gtest.h>

namespace
{
const wchar_t* const kFormat = L"0,88200,2,1,44100,16,1";

// Answers the properties dialog with a fixed button, after an edit of the record.
class CFakeDialogs : public ICaptureDialogs
{
public:
    int EditProperties(SendParam& record, HWND) override
    {
        ++shown;
        if (edit)
            edit(record);
        return answer;
    }
    int ChooseSelection(EnumSendParam, EnumScreenCaptureType&, std::vector<POINT>&, CString&, HWND) override
    {
        return IDCANCEL;
    }
    int ChooseFrameRate(bool&, int&, HWND) override
    {
        return IDCANCEL;
    }

    int answer = IDCANCEL;
    int shown = 0;
    std::function<void(SendParam&)> edit;
};

class AudioManagerTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(WriteToneWave(m_tone, 0.3)); }
    void TearDown() override { TakeQuitMessage(); }

    InfoAudioRecording Recording(const CString& device, const CString& format, bool overwrite = true)
    {
        return InfoAudioRecording(L"take", m_folder / L"takes", AFT_WAV, overwrite, device, format, L"Line In", 0,
                                  false, false);
    }
    static HWND TimerWindow() { return FindWindowW(L"$ZVellumorTimerZ$", nullptr); }

    TestFolder m_folder;
    CString m_tone = m_folder / L"tone.wav";
    CNotificationLog m_log;
};

TEST_F(AudioManagerTest, PlayingAMissingFileFailsWithItsNameAndMakesNoGraph)
{
    CAudioManager manager;
    const CString missing = m_folder / L"gone.wav";
    manager.GetPlaying() = InfoAudioPlaying(missing, 0, 0, false);
    EXPECT_EQ(DR_FAILED, manager.StartPlaying());
    EXPECT_EQ(L"Audio file '" + missing + L"' does not exist.", manager.GetErrorText());
    EXPECT_FALSE(manager.IsPlaying());
    EXPECT_FALSE(manager.PausePlaying());
    EXPECT_FALSE(manager.PauseRecording());
    EXPECT_FALSE(manager.StopPlaying());
}

TEST_F(AudioManagerTest, RecordingChecksTheDeviceAndTheFormat)
{
    struct Case
    {
        const wchar_t* device;
        const wchar_t* format;
        const wchar_t* text;
    };
    const Case cases[] = {
        {L"", kFormat, L"Audio device name and/or format is empty."},
        {L"Vellumor Test Device", L"", L"Audio device name and/or format is empty."},
        {L"No Such Audio Device", kFormat,
         L"Cannot create the specified audio capture device. Possible cause: the audio capture device was not "
         L"selected yet."},
    };
    for (const Case& c : cases)
    {
        CAudioManager manager;
        manager.GetRecording() = Recording(c.device, c.format);
        EXPECT_EQ(DR_FAILED, manager.StartRecording()) << c.device;
        EXPECT_EQ(CString(c.text), manager.GetErrorText());
        EXPECT_FALSE(manager.IsRecording());
    }
}

TEST_F(AudioManagerTest, AnExistingFileThatMayNotBeOverwrittenGivesANumberedName)
{
    CAudioManager manager;
    manager.GetRecording() = Recording(L"No Such Audio Device", kFormat, false);
    manager.StartRecording();
    EXPECT_EQ(m_folder / L"takes\\take.wav", manager.GetOutputPath());
    WriteBytes(m_folder / L"takes\\take.wav", "RIFF");
    manager.StartRecording();
    EXPECT_EQ(m_folder / L"takes\\take1.wav", manager.GetOutputPath());
    manager.GetRecording().RecOverwrite = true;
    manager.StartRecording();
    EXPECT_EQ(m_folder / L"takes\\take.wav", manager.GetOutputPath());
}

TEST_F(AudioManagerTest, TheDialogStepUsesTheEditedRecordOrStartsNothing)
{
    CFakeDialogs dialogs;
    CAudioManager manager(&dialogs);
    manager.SetNotifyWindow(m_log.Window());
    manager.GetPlaying() = InfoAudioPlaying(m_folder / L"gone.wav", 0, 0, true);
    EXPECT_EQ(DR_NOTHING_DONE, manager.StartPlaying());
    EXPECT_EQ(1, dialogs.shown);

    dialogs.answer = IDOK;
    dialogs.edit = [this](SendParam& record) { static_cast<InfoAudioPlaying&>(record).PlayFName = m_tone; };
    ASSERT_EQ(DR_DONE, manager.StartPlaying()) << manager.GetErrorText().ToAnsi(CP_UTF8);
    EXPECT_EQ(2, dialogs.shown);
    EXPECT_TRUE(manager.IsPlaying());
    // The live record keeps its own settings.
    EXPECT_EQ(m_folder / L"gone.wav", manager.GetPlaying().PlayFName);
    EXPECT_TRUE(manager.StopPlaying());

    // Without dialogs a record that asks for one starts nothing.
    CAudioManager unattended;
    unattended.GetPlaying() = InfoAudioPlaying(m_tone, 0, 0, true);
    EXPECT_EQ(DR_NOTHING_DONE, unattended.StartPlaying());
    EXPECT_FALSE(unattended.IsPlaying());
}

TEST_F(AudioManagerTest, StepTimerEndsThePlaybackAndGoesWithEveryStop)
{
    ASSERT_TRUE(WriteToneWave(m_tone, 4));
    CAudioManager manager;
    manager.SetNotifyWindow(m_log.Window());
    manager.GetPlaying() = InfoAudioPlaying(m_tone, 1, 0, false);
    ASSERT_EQ(DR_DONE, manager.StartPlaying()) << manager.GetErrorText().ToAnsi(CP_UTF8);
    EXPECT_NE(nullptr, TimerWindow());
    // A duration of 1 second ends after 2.
    EXPECT_TRUE(PumpUntil([&] { return !manager.IsPlaying(); }, 4000));
    EXPECT_EQ(1, m_log.Count(120));

    for (bool (CAudioManager::*stop)() : {&CAudioManager::StopPlaying, &CAudioManager::StopAll})
    {
        manager.GetPlaying().PlayDuration = 30;
        ASSERT_EQ(DR_DONE, manager.StartPlaying());
        EXPECT_NE(nullptr, TimerWindow());
        EXPECT_TRUE((manager.*stop)());
        EXPECT_TRUE(PumpUntil([] { return TimerWindow() == nullptr; })) << "A stop leaves the step timer running.";
    }
}

TEST_F(AudioManagerTest, PauseAndResumeReachTheGraph)
{
    CAudioManager manager;
    manager.SetNotifyWindow(m_log.Window());
    manager.GetPlaying() = InfoAudioPlaying(m_tone, 0, 0, false);
    ASSERT_EQ(DR_DONE, manager.StartPlaying());
    EXPECT_TRUE(manager.PausePlaying());
    EXPECT_TRUE(manager.IsPlayingPaused());
    EXPECT_FALSE(manager.PausePlaying());
    EXPECT_TRUE(manager.ResumePlaying());
    EXPECT_FALSE(manager.ResumePlaying());
    EXPECT_TRUE(PumpUntil([&] { return !manager.IsPlaying(); }));
    EXPECT_EQ((std::vector<UINT>{119, 121, 122, 120}), m_log.Received());
    // The graph ended by itself; the stop lets it go.
    EXPECT_TRUE(manager.StopPlaying());
}
} // namespace
