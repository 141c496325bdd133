// What the training, video and movie pages enable as the user chooses: the launched
// application's window, the movie's frequency, the normal size of a player window and
// the sound inputs.
#include "Info/InfoCBTPlaying.h"
#include "Info/InfoCBTRecording.h"
#include "Info/InfoPresentationRecording.h"
#include "Info/InfoVideoPlaying.h"
#include "capture/pages/MediaPagesIds.h"
#include "capture/pages/tests/PageHostFixture.h"
#include "testing/CStringPrinter.h"

namespace
{
class MediaPageEnablingTest : public PageHostTest
{
protected:
    bool Enabled(int page, UINT id) { return IsWindowEnabled(Item(page, id)) != FALSE; }
    bool Checked(int page, UINT id) { return SendMessageW(Item(page, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    // A real click in the middle of the control.
    void Click(int page, UINT id)
    {
        HWND control = Item(page, id);
        m_sheet->SetActivePage(page);
        SetForegroundWindow(m_host);
        RECT box = {};
        GetWindowRect(control, &box);
        ClickAt({(box.left + box.right) / 2, (box.top + box.bottom) / 2});
    }
    void SetNormalSizeValue(const wchar_t* name, DWORD value)
    {
        RegSetKeyValueW(HKEY_CURRENT_USER, INFO_REGISTRY_ROOT, name, REG_DWORD, &value, sizeof(value));
    }
};

TEST_F(MediaPageEnablingTest, LaunchPageFollowsTheApplicationAndMaximize)
{
    struct Case
    {
        const wchar_t* application;
        bool maximize;
        bool commandLine, maximizeBox, position;
    };
    const Case cases[] = {
        {L"", false, false, false, false},
        {L"", true, false, false, false},
        {L"C:\\windows\\notepad.exe", false, true, true, true},
        {L"C:\\windows\\notepad.exe", true, true, true, false},
    };
    MakeValid(SP_CBT_PLAYING);
    auto& live = static_cast<InfoCBTPlaying&>(Live(SP_CBT_PLAYING));
    live.PlayWndLeft = 10;
    live.PlayWndWidth = 640;
    live.PlayWndHeight = 480;
    for (const Case& c : cases)
    {
        Show(SP_CBT_PLAYING);
        TypeInto(Item(1, IDC_LAUNCH_APP), c.application);
        if (c.maximize != Checked(1, IDC_LAUNCH_MAXIMIZE))
            SendMessageW(Item(1, IDC_LAUNCH_MAXIMIZE), BM_CLICK, 0, 0);
        const std::wstring name = std::wstring(c.application) + (c.maximize ? L" maximized" : L"");
        EXPECT_EQ(c.commandLine, Enabled(1, IDC_LAUNCH_CMDLINE)) << name.c_str();
        EXPECT_EQ(c.commandLine, Enabled(1, IDC_LAUNCH_DELAY)) << name.c_str();
        EXPECT_EQ(c.maximizeBox, Enabled(1, IDC_LAUNCH_MAXIMIZE)) << name.c_str();
        for (UINT id : {IDC_LAUNCH_LEFT, IDC_LAUNCH_TOP_LABEL, IDC_LAUNCH_WIDTH, IDC_LAUNCH_HEIGHT})
            EXPECT_EQ(c.position, Enabled(1, id)) << name.c_str() << " item " << id;
        // Maximizing writes zeros into the position and size.
        EXPECT_EQ(CString(c.maximize ? L"0" : L"10"), Text(1, IDC_LAUNCH_LEFT)) << name.c_str();
    }
}

TEST_F(MediaPageEnablingTest, AStoredWindowOfNoSizeShowsMaximize)
{
    MakeValid(SP_CBT_PLAYING);
    auto& live = static_cast<InfoCBTPlaying&>(Live(SP_CBT_PLAYING));
    live.PlayAppFileName = L"C:\\windows\\notepad.exe";
    live.PlayWndLeft = 30;
    live.PlayWndWidth = live.PlayWndHeight = 0;
    live.PlayDelayTime = -4;
    Show(SP_CBT_PLAYING);

    EXPECT_TRUE(Checked(1, IDC_LAUNCH_MAXIMIZE));
    EXPECT_EQ(CString(L"0"), Text(1, IDC_LAUNCH_WIDTH));
    EXPECT_EQ(CString(L"0"), Text(1, IDC_LAUNCH_HEIGHT));
    EXPECT_EQ(CString(L"0"), Text(1, IDC_LAUNCH_DELAY));
    EXPECT_FALSE(Enabled(1, IDC_LAUNCH_WIDTH));
    EXPECT_FALSE(Enabled(1, IDC_LAUNCH_LEFT));
}

TEST_F(MediaPageEnablingTest, MovieFrequencyFollowsTheDurationAndItsMode)
{
    MakeValid(SP_PRESENTATION_RECORDING);
    auto& live = static_cast<InfoPresentationRecording&>(Live(SP_PRESENTATION_RECORDING));
    live.RecDuration = 0;
    live.RecFreq = 0;
    Show(SP_PRESENTATION_RECORDING);

    // A stored frequency of 0 is "Manual"; without a duration the group is disabled.
    EXPECT_TRUE(Checked(1, IDC_MOVIE_MANUAL));
    EXPECT_FALSE(Checked(1, IDC_MOVIE_EACH));
    for (UINT id : {IDC_MOVIE_FREQ_LABEL, IDC_MOVIE_EACH, IDC_MOVIE_MANUAL, IDC_MOVIE_FREQ, IDC_MOVIE_FREQ_SPIN})
        EXPECT_FALSE(Enabled(1, id)) << id;

    m_sheet->SetActivePage(1);
    TypeInto(Item(1, IDC_MOVIE_REC_SECONDS), L"30");
    Page(1).IsModified();
    EXPECT_TRUE(Enabled(1, IDC_MOVIE_EACH));
    EXPECT_TRUE(Enabled(1, IDC_MOVIE_MANUAL));
    EXPECT_FALSE(Enabled(1, IDC_MOVIE_FREQ));

    Click(1, IDC_MOVIE_EACH);
    EXPECT_TRUE(Checked(1, IDC_MOVIE_EACH));
    EXPECT_EQ(CString(L"1"), Text(1, IDC_MOVIE_FREQ));
    EXPECT_TRUE(Enabled(1, IDC_MOVIE_FREQ));
    ASSERT_TRUE(m_sheet->Save());
    EXPECT_EQ(1, live.RecFreq);
    EXPECT_EQ(30, live.RecDuration);
}

TEST_F(MediaPageEnablingTest, NormalSizePutsTheTypedSizeBackAlsoInALaterPage)
{
    struct Case
    {
        EnumSendParam type;
        UINT normal, width, height;
    };
    const Case cases[] = {
        {SP_VIDEO_PLAYING, IDC_VIDEO_PLAY_NORMAL, IDC_VIDEO_PLAY_WIDTH, IDC_VIDEO_PLAY_HEIGHT},
        {SP_PRESENTATION_PLAYING, IDC_MOVIE_PLAY_NORMAL, IDC_MOVIE_PLAY_WIDTH, IDC_MOVIE_PLAY_HEIGHT},
    };
    for (const Case& c : cases)
    {
        MakeValid(c.type);
        Show(c.type);
        EXPECT_FALSE(Checked(0, c.normal)) << c.type;
        TypeInto(Item(0, c.width), L"640");
        TypeInto(Item(0, c.height), L"480");
        Click(0, c.normal);
        EXPECT_EQ(CString(L"0"), Text(0, c.width));
        EXPECT_FALSE(Enabled(0, c.height));
        Click(0, c.normal);
        EXPECT_EQ(CString(L"640"), Text(0, c.width));
        EXPECT_EQ(CString(L"480"), Text(0, c.height));
        EXPECT_TRUE(Enabled(0, c.height));

        // A page made later for a stored normal size starts with it and offers the same texts.
        auto& live = static_cast<InfoVideoPlaying&>(Live(c.type));
        live.PlayWndWidth = live.PlayWndHeight = 0;
        Show(c.type);
        EXPECT_TRUE(Checked(0, c.normal)) << c.type;
        EXPECT_EQ(CString(L"0"), Text(0, c.width));
        EXPECT_FALSE(Enabled(0, c.width));
        Click(0, c.normal);
        EXPECT_EQ(CString(L"640"), Text(0, c.width));
        EXPECT_EQ(CString(L"480"), Text(0, c.height));
    }
}

TEST_F(MediaPageEnablingTest, TheRegistryValueCanTurnTheNormalSizeOff)
{
    struct Case
    {
        EnumSendParam type;
        const wchar_t* value;
        UINT normal;
    };
    const Case cases[] = {
        {SP_VIDEO_PLAYING, L"VideoNormalSize", IDC_VIDEO_PLAY_NORMAL},
        {SP_PRESENTATION_PLAYING, L"PresNormalSize", IDC_MOVIE_PLAY_NORMAL},
    };
    for (const Case& c : cases)
    {
        MakeValid(c.type);
        auto& live = static_cast<InfoVideoPlaying&>(Live(c.type));
        live.PlayWndWidth = live.PlayWndHeight = 0;
        SetNormalSizeValue(c.value, 0);
        Show(c.type);
        EXPECT_FALSE(Checked(0, c.normal)) << c.type;
        // Off, a size of 0 is refused.
        MessageBoxRecorder boxes(IDOK);
        EXPECT_FALSE(m_sheet->Validate());
        SetNormalSizeValue(c.value, 1);
        Show(c.type);
        EXPECT_TRUE(Checked(0, c.normal)) << c.type;
        EXPECT_TRUE(m_sheet->Validate());
    }
}

TEST_F(MediaPageEnablingTest, RecordSoundAndRecordAudioEnableTheirLists)
{
    struct Case
    {
        EnumSendParam type;
        int page;
        UINT check;
        std::vector<UINT> enabled;
    };
    const Case cases[] = {
        {SP_CBT_RECORDING, 1, IDC_CBT_SOUND,
         {IDC_CBT_SOUND_DEVICE, IDC_CBT_SOUND_FORMAT, IDC_CBT_SOUND_PIN, IDC_CBT_SOUND_DEVICE_LABEL,
          IDC_CBT_SOUND_FORMAT_LABEL, IDC_CBT_SOUND_PIN_LABEL}},
        {SP_VIDEO_RECORDING, 2, IDC_VIDEO_AUDIO,
         {IDC_VIDEO_AUDIO_DEVICE, IDC_VIDEO_AUDIO_FORMAT, IDC_VIDEO_AUDIO_PIN, IDC_VIDEO_AUDIO_DEVICE_LABEL,
          IDC_VIDEO_AUDIO_FORMAT_LABEL, IDC_VIDEO_AUDIO_PIN_LABEL}},
    };
    for (const Case& c : cases)
    {
        MakeValid(c.type);
        Show(c.type);
        for (bool on : {!Checked(c.page, c.check), Checked(c.page, c.check)})
        {
            Click(c.page, c.check);
            ASSERT_EQ(on, Checked(c.page, c.check)) << c.type;
            for (UINT id : c.enabled)
                EXPECT_EQ(on, Enabled(c.page, id)) << c.type << " item " << id;
        }
    }
}
} // namespace
