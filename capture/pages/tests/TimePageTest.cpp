// The Time/Action page: whether its record type runs now (text and animation), the total
// time of what a playing type plays (real training, WAV and AVI files), handed to the
// controller, and the page during a real training playback.
#include "Info/InfoCBTPlaying.h"
#include "Info/InfoScFile.h"
#include "capture/audio/tests/AudioTestSupport.h"
#include "capture/controller/CaptureType.h"
#include "capture/destinations/CAviWriter.h"
#include "capture/movie/CPresentationManager.h"
#include "capture/pages/SettingsPagesIds.h"
#include "capture/pages/tests/SettingsHostFixture.h"
#include "capture/training/tests/TrainingTestSupport.h"
#include "testing/TestFiles.h"


using controller_test::kIdle;
using controller_test::kPaused;
using controller_test::kRunning;
using controller_test::SideState;

namespace
{
class TimePageTest : public SettingsHostTest
{
protected:
    CString ActionText() { return Text(0, IDC_TIME_ACTION_TEXT); }
    CString TotalText() { return Text(0, IDC_TIME_TOTAL); }
    bool TotalShown()
    {
        return (GetWindowLongW(Item(0, IDC_TIME_TOTAL), GWL_STYLE) & WS_VISIBLE) &&
               (GetWindowLongW(Item(0, IDC_TIME_TOTAL_LABEL), GWL_STYLE) & WS_VISIBLE);
    }
    // The fake manager of a training or media kind.
    void SetStates(int kind, SideState recorder, SideState player)
    {
        if (kind == CT_TRAINING)
        {
            m_training->recorder = recorder;
            m_training->player = player;
            return;
        }
        controller_test::FakeMedia* media = kind == CT_AUDIO ? m_audio : kind == CT_VIDEO ? m_video : m_movie;
        media->recorder = recorder;
        media->player = player;
    }
};

// The archive's wide text form: 0xFF, 0xFFFE, a length byte, UTF-16LE characters.
std::string WideText(const std::wstring& text)
{
    std::string bytes = "\xFF\xFE\xFF";
    bytes += static_cast<char>(text.size());
    for (wchar_t ch : text)
    {
        bytes += static_cast<char>(ch & 0xFF);
        bytes += static_cast<char>(ch >> 8);
    }
    return bytes;
}

std::string Dword(DWORD value)
{
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

// An uncompressed AVI of frames black 8 x 8 pictures at 10 frames a second.
void WriteVideo(const CString& path, int frames)
{
    CAviWriter writer(path, 10);
    HBITMAP bitmap = CreateBitmap(8, 8, 1, 32, nullptr);
    for (int i = 0; i < frames; ++i)
        ASSERT_EQ(S_OK, writer.AddFrame(bitmap));
    DeleteObject(bitmap);
}
} // namespace

// Whether the page's type runs: only the controller's current kind counts, in its mode;
// the force flag (a training about to start) counts for training only.
TEST_F(TimePageTest, TheActionRunsOnlyForTheCurrentKindAndMode)
{
    InfoScSettings screen;
    screen.File = true;
    screen.SaveToRegistry(0);
    InfoScFile(L"shot", m_folder.Path(), FT_BMP, false, false, 60, 30).SaveToRegistry(0);
    MakeController();

    const struct
    {
        const char* name;
        int kind;
        bool recordMode;
        SideState recorder;
        SideState player;
        bool force;
        int type;
        const wchar_t* text; // "No action..." unless the action runs
    } cases[] = {
        {"screen records", CT_SCREEN, true, kRunning, kIdle, false, 7, L"Recording..."},
        {"screen records, web shown", CT_SCREEN, true, kRunning, kIdle, false, 17, L"Recording..."},
        {"screen paused", CT_SCREEN, true, kPaused, kIdle, false, 7, L"No action..."},
        {"screen idle", CT_SCREEN, true, kIdle, kIdle, true, 7, L"No action..."},
        {"screen records, movie page", CT_SCREEN, true, kRunning, kIdle, false, 24, L"No action..."},
        {"training records", CT_TRAINING, true, kRunning, kIdle, false, 18, L"Recording..."},
        {"training records, playing page", CT_TRAINING, true, kRunning, kIdle, false, 19, L"No action..."},
        {"training recording paused", CT_TRAINING, true, kPaused, kIdle, false, 18, L"No action..."},
        {"training recording forced", CT_TRAINING, true, kIdle, kIdle, true, 18, L"Recording..."},
        {"training forced, play page", CT_TRAINING, true, kIdle, kIdle, true, 19, L"No action..."},
        {"training plays", CT_TRAINING, false, kIdle, kRunning, false, 19, L"Playing..."},
        {"training plays, recording page", CT_TRAINING, false, kIdle, kRunning, false, 18, L"No action..."},
        {"training playing forced", CT_TRAINING, false, kIdle, kIdle, true, 19, L"Playing..."},
        {"training idle", CT_TRAINING, false, kIdle, kIdle, false, 19, L"No action..."},
        {"audio records", CT_AUDIO, true, kRunning, kIdle, false, 20, L"Recording..."},
        {"audio paused", CT_AUDIO, true, kPaused, kIdle, false, 20, L"No action..."},
        {"audio forced", CT_AUDIO, true, kIdle, kIdle, true, 20, L"No action..."},
        {"audio plays", CT_AUDIO, false, kIdle, kRunning, false, 21, L"Playing..."},
        {"audio plays, recording page", CT_AUDIO, false, kIdle, kRunning, false, 20, L"No action..."},
        {"video plays", CT_VIDEO, false, kIdle, kRunning, false, 23, L"Playing..."},
        {"video plays in record mode", CT_VIDEO, true, kIdle, kRunning, false, 23, L"No action..."},
        {"video play paused", CT_VIDEO, false, kIdle, kPaused, false, 23, L"No action..."},
        {"movie records", CT_MOVIE, true, kRunning, kIdle, false, 24, L"Recording..."},
        {"movie plays", CT_MOVIE, false, kIdle, kRunning, false, 25, L"Playing..."},
        {"movie records, screen page", CT_MOVIE, true, kRunning, kIdle, false, 7, L"No action..."},
    };
    for (const auto& c : cases)
    {
        m_controller->SetCaptureType(c.kind);
        m_controller->SetRecActive(c.kind, c.recordMode);
        if (c.kind == CT_SCREEN && c.recorder != kIdle)
        {
            m_controller->Record();
            ASSERT_TRUE(m_controller->GetScreenManager()->IsCapturing()) << c.name;
            if (c.recorder == kPaused)
                m_controller->PauseResume();
        }
        else if (c.kind != CT_SCREEN)
        {
            SetStates(c.kind, c.recorder, c.player);
        }

        Show(c.type);
        CPPageSettsCommonTime& page = TimePage();
        const bool running = CString(c.text) != L"No action...";
        EXPECT_EQ(running, page.IsActionRunning(c.force)) << c.name;
        page.ShowAction(c.force);
        EXPECT_EQ(CString(c.text), ActionText()) << c.name;
        EXPECT_EQ(running, page.GetAnimation().IsPlaying()) << c.name;
        page.ResetAction();
        EXPECT_EQ(CString(L"No action..."), ActionText()) << c.name;
        EXPECT_FALSE(page.GetAnimation().IsPlaying()) << c.name;

        m_controller->Stop();
        for (int kind : {CT_TRAINING, CT_AUDIO, CT_VIDEO, CT_MOVIE})
            SetStates(kind, kIdle, kIdle);
    }

    // What another kind runs does not count.
    m_controller->SetCaptureType(CT_AUDIO);
    m_movie->recorder = kRunning;
    Show(SP_PRESENTATION_RECORDING);
    EXPECT_FALSE(TimePage().IsActionRunning(true));
    EXPECT_EQ(CString(L"No action..."), ActionText());
}

// The training file's header gives the total: whole hours, not hours of a day.
TEST_F(TimePageTest, TheTrainingTotalComesFromTheFilesHeader)
{
    const CString made = m_folder / L"made.vtf";
    const struct
    {
        const char* name;
        std::vector<EVENTMSG> events; // written through the event store when not empty
        std::string bytes;            // otherwise the file's bytes; none: no file
        const wchar_t* text;
        int total;
    } cases[] = {
        {"a day, an hour, a minute, a second", {MoveEvent({5, 5}, 1000), MoveEvent({6, 6}, 90062000)}, "",
         L"25 : 01 : 01", 90061},
        {"under a second", {MoveEvent({5, 5}, 0), MoveEvent({6, 6}, 999)}, "", L"0 : 00 : 00", 0},
        {"version 1.0", {}, WideText(L"Vellumor CBT Version 1.0") + Dword(0), L"Unknown", -1},
        {"no blank", {}, WideText(L"VellumorCBTVersion1.1") + Dword(5000), L"Unknown", -1},
        {"ends in the length", {}, WideText(L"Vellumor CBT Version 1.1") + "\x10\x27", L"Unknown", -1},
        {"empty", {}, "", L"Unknown", -1},
        {"narrow text", {}, "\x18" "Vellumor CBT Version 1.1" + Dword(61500), L"0 : 01 : 01", 61},
        {"later version", {}, WideText(L"Vellumor CBT Version 2.0") + Dword(3000), L"0 : 00 : 03", 3},
    };
    for (const auto& c : cases)
    {
        DeleteFileW(made);
        if (!c.events.empty())
            ASSERT_TRUE(WriteTrainingFile(made, c.events)) << c.name;
        else
            WriteBytes(made, c.bytes);
        InfoCBTPlaying playing;
        playing.PlayFName = made;
        playing.SaveToRegistry(0);
        m_controller->SetTotalToPlay(99);
        Show(SP_CBT_PLAYING);
        EXPECT_TRUE(TotalShown()) << c.name;
        EXPECT_EQ(CString(c.text), TotalText()) << c.name;
        EXPECT_EQ(c.total, m_controller->GetTotalToPlay()) << c.name;
    }
    InfoCBTPlaying missing;
    missing.PlayFName = m_folder / L"missing.vtf";
    missing.SaveToRegistry(0);
    Show(SP_CBT_PLAYING);
    EXPECT_EQ(CString(L"Unknown"), TotalText());
    EXPECT_EQ(-1, m_controller->GetTotalToPlay());
}

TEST_F(TimePageTest, OnlyThePlayingTypesShowTheLengthOfTheirFile)
{
    const CString tone = m_folder / L"tone.wav";
    const CString video = m_folder / L"video.avi";
    ASSERT_TRUE(WriteToneWave(tone, 3.5));
    WriteVideo(video, 25);
    auto movie = std::make_unique<CPresentationManager>(nullptr);
    movie->GetPlayingRecord().PlayFName = video;
    MakeController(nullptr, std::move(movie));
    m_audio->playing.PlayFName = tone;
    m_video->playing.PlayFName = video;

    const struct
    {
        int type;
        const wchar_t* text; // null: hidden
        int total;
    } cases[] = {
        {SP_AUDIO_PLAYING, L"0 : 00 : 03", 3}, {SP_VIDEO_PLAYING, L"0 : 00 : 02", 2},
        {SP_PRESENTATION_PLAYING, L"0 : 00 : 02", 2}, {SP_SC_FILE, nullptr, -1}, {SP_SC_WEB, nullptr, -1},
        {SP_CBT_RECORDING, nullptr, -1}, {SP_AUDIO_RECORDING, nullptr, -1}, {SP_VIDEO_RECORDING, nullptr, -1},
        {SP_PRESENTATION_RECORDING, nullptr, -1},
    };
    for (const auto& c : cases)
    {
        m_controller->SetTotalToPlay(99);
        Show(c.type);
        EXPECT_EQ(c.text != nullptr, TotalShown()) << c.type;
        if (c.text)
        {
            EXPECT_EQ(CString(c.text), TotalText()) << c.type;
        }
        EXPECT_EQ(c.total, m_controller->GetTotalToPlay()) << c.type;
    }

    // A file that is gone, or no stream of the type.
    m_audio->playing.PlayFName = m_folder / L"gone.wav";
    m_video->playing.PlayFName = tone;
    for (int type : {SP_AUDIO_PLAYING, SP_VIDEO_PLAYING})
    {
        Show(type);
        EXPECT_EQ(CString(L"Unknown"), TotalText()) << type;
        EXPECT_EQ(-1, m_controller->GetTotalToPlay()) << type;
    }
}

// A real playback: the page of the playing type says so while the page of the recording
// type does not, the elapsed time reaches the page, and the stop resets it.
TEST_F(TimePageTest, DuringATrainingPlaybackOnlyThePlayingTypeSaysPlaying)
{
    const CString file = m_folder / L"moves.vtf";
    ASSERT_TRUE(WriteTrainingFile(file, {MoveEvent({300, 300}, 0), MoveEvent({302, 300}, 3000)}));
    PlainPlaying(file).SaveToRegistry(0);
    auto manager = std::make_unique<CCBTManager>(nullptr);
    CCBTManager& training = *manager;
    MakeController(std::move(manager));
    m_controller->SetCaptureType(CT_TRAINING);
    m_controller->SetRecActive(CT_TRAINING, false);
    Show(SP_CBT_PLAYING);
    EXPECT_EQ(CString(L"0 : 00 : 03"), TotalText());
    EXPECT_NE(0, SendMessageW(Item(0, IDC_TIME_ANIMATION), ACM_OPENW, reinterpret_cast<WPARAM>(GetModuleHandleW(nullptr)),
                              reinterpret_cast<LPARAM>(MAKEINTRESOURCEW(IDR_SETTS_ACTION_ANIMATION))))
        << "The clip is one the control plays.";

    struct Seen
    {
        bool playing = false;
        CString page19, page18, page19Again, elapsed;
        bool animation19 = false, animation18 = true;
        int total = 0;
    } seen;
    m_host.Post([&] {
        seen.playing = training.IsPlaying();
        seen.total = m_controller->GetTimeDisplay().GetTotal();
        seen.page19 = ActionText();
        seen.animation19 = TimePage().GetAnimation().IsPlaying();
        SendMessageW(m_host, WM_TIMER, CElapsedTimeDisplay::kTimerId, 0);
        seen.elapsed = Text(0, IDC_TIME_ELAPSED);
        Show(SP_CBT_RECORDING);
        seen.page18 = ActionText();
        seen.animation18 = TimePage().GetAnimation().IsPlaying();
        Show(SP_CBT_PLAYING);
        seen.page19Again = ActionText();
        m_controller->Stop();
    });
    m_controller->Play();

    EXPECT_TRUE(seen.playing);
    EXPECT_EQ(3, seen.total) << "The page's total is the display's.";
    EXPECT_EQ(CString(L"Playing..."), seen.page19);
    EXPECT_TRUE(seen.animation19);
    EXPECT_NE(CString(L"0 : 00 : 00"), seen.elapsed);
    EXPECT_EQ(CString(L"No action..."), seen.page18);
    EXPECT_FALSE(seen.animation18);
    EXPECT_EQ(CString(L"Playing..."), seen.page19Again) << "From the playback's own state.";
    EXPECT_FALSE(training.IsPlaying());
    EXPECT_EQ(CString(L"No action..."), ActionText());
    EXPECT_FALSE(TimePage().GetAnimation().IsPlaying());
}
