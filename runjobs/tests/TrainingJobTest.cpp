// Training jobs end to end: VellRunJobs.exe records what is typed into this program's
// window for its duration (5 s), with and without a sound track, and plays the file back into a
// fresh window, ending when the playing ends; a missing file fails the job.
#include "capture/audio/AudioFormats.h"
#include "capture/audio/tests/AudioTestSupport.h"
#include "capture/training/tests/TrainingTestSupport.h"
#include "runjobs/tests/JobRunSupport.h"
#include "standins/audio/TestAudioIds.h"
#include "testing/TestFiles.h"

#include <gtest/gtest.h>

using namespace job_test;

namespace
{
// A top-level edit control in front, which the typed and the played keys reach.
class FrontEdit
{
public:
    FrontEdit()
    {
        m_edit = CreateWindowExW(0, L"EDIT", L"", WS_POPUP | WS_BORDER | WS_VISIBLE, 200, 200, 300, 30, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
        EXPECT_TRUE(PumpUntilInFront(m_edit));
        SetFocus(m_edit);
    }
    ~FrontEdit() { DestroyWindow(m_edit); }
    CString Text() const
    {
        wchar_t text[256] = L"";
        GetWindowTextW(m_edit, text, ARRAYSIZE(text));
        return text;
    }

private:
    HWND m_edit;
};

CString SoundFlags(bool sound)
{
    if (!sound)
        return L"-sound 0 -device \"\" -format \"\" -pinName \"\"";
    WAVEFORMATEX format;
    AudioFormatFromIndex(5, &format);
    return L"-sound 1 -device \"" + CString(kTestAudioDeviceName) + L"\" -format " + AudioFormatString(format) +
           L" -pinName Microphone";
}
} // namespace

TEST(TrainingJobTest, ARecordingJobTakesWhatIsTypedAndAPlayingJobTypesItAgain)
{
    for (bool sound : {false, true})
    {
        TestFolder folder;
        {
            FrontEdit edit;
            CInputScript script;
            script.Tap('J').Tap('O').Tap('B');
            bool started = false;
            JobRun run = RunJob(L"-type VELLUMOR_CBT -cbtType 1 -file lesson -path \"" + folder.Path() +
                                    L"\" -overwrite 1 " + SoundFlags(sound) +
                                    L" -skipMouse 0 -skipKb 0 -duration 5",
                                [&] {
                                    // Typed once the job has its hooks and has started.
                                    if (!started && RecorderHookTaken())
                                    {
                                        script.Start(1000);
                                        started = true;
                                    }
                                });
            EXPECT_EQ(0u, run.exitCode);
            EXPECT_TRUE(run.entries.empty());
            EXPECT_EQ(CString(L"job"), edit.Text());
        }
        std::vector<UINT> keys;
        for (const EVENTMSG& event : LoadTrainingEvents(folder / L"lesson.vtf"))
            if (event.message == WM_KEYDOWN)
                keys.push_back(LOBYTE(event.paramL));
        EXPECT_EQ((std::vector<UINT>{'J', 'O', 'B'}), keys) << "sound " << sound;
        WaveFile wave;
        EXPECT_EQ(sound, ReadWaveFile(folder / L"lesson.wav", wave));

        FrontEdit fresh;
        JobRun run = RunJob(L"-type VELLUMOR_CBT -cbtType 0 -file \"" + (folder / L"lesson.vtf") + L"\" -sound " +
                            (sound ? L"1" : L"0") + L" -repeat 0 -skipMouse 0 -skipKb 0 -duration 0");
        EXPECT_EQ(0u, run.exitCode);
        EXPECT_TRUE(run.entries.empty());
        EXPECT_EQ(CString(L"job"), fresh.Text()) << "sound " << sound;
    }
}

// A missing file is refused by the line's check ("Task  " first); a file that is no
// training fails when the manager loads it.
TEST(TrainingJobTest, AMissingOrBrokenFileFailsThePlayingJob)
{
    TestFolder folder;
    WriteBytes(folder / L"broken.vtf", "not a training");
    const struct
    {
        const wchar_t* file;
        const wchar_t* entryStart;
    } cases[] = {
        {L"gone.vtf", L"Task  Training  Playing: "},
        {L"broken.vtf", L"Training  Playing: "},
    };
    for (const auto& c : cases)
    {
        JobRun run = RunJob(L"-type VELLUMOR_CBT -cbtType 0 -file \"" + (folder / c.file) +
                            L"\" -sound 0 -repeat 0 -skipMouse 0 -skipKb 0 -duration 0");
        EXPECT_EQ(2u, run.exitCode) << c.file;
        ASSERT_EQ(1u, run.entries.size()) << c.file;
        const std::wstring entry = run.entries[0];
        EXPECT_EQ(0u, entry.find(c.entryStart)) << CString(entry.c_str()).ToAnsi();
        EXPECT_GT(entry.size(), wcslen(c.entryStart)) << "the reason follows";
    }
}
