// The video player window on movies of the project's own AVI writer, played for real
// through the system's DirectShow graph.
#include "capture/video/CWndVideoPlayer.h"
#include "capture/video/tests/TestMovie.h"
#include "capture/video/tests/VideoTestSupport.h"
#include "testing/CStringPrinter.h"
#include "testing/TestFiles.h"
#include "testing/TestFolder.h"
#include "testing/TestPump.h"

#include <gtest/gtest.h>
#include <memory>

using namespace video_test;

namespace
{
const int kMovieWidth = 400;
const int kMovieHeight = 300;

CString WindowTitle(HWND window)
{
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    return title;
}

bool IsChecked(HWND window, UINT id)
{
    return (GetMenuState(GetMenu(window), id, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

bool IsGrey(HWND window, UINT id)
{
    return (GetMenuState(GetMenu(window), id, MF_BYCOMMAND) & MF_GRAYED) != 0;
}
} // namespace

class VideoPlayerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(WriteTestMovie(m_moviePath, kMovieWidth, kMovieHeight));
        m_playing.PlayFName = m_moviePath;
        m_playing.PlayRepeat = 0;
        m_playing.PlayAudio = true;
        m_playing.PlayWndWidth = 0;
        m_playing.PlayWndHeight = 0;
    }

    // A created player of m_playing, told to the owner (or to none).
    std::unique_ptr<CWndVideoPlayer> MakePlayer(HWND owner)
    {
        auto player = std::make_unique<CWndVideoPlayer>(&m_playing, owner);
        EXPECT_TRUE(player->Create()) << player->GetErrorText().GetString();
        return player;
    }

    void Key(HWND window, WPARAM key) { SendMessageW(window, WM_KEYDOWN, key, 0); }

    bool WaitForStop(const CWndVideoPlayer& player)
    {
        return PumpUntil([&] { return !player.IsPlaying(); });
    }

    TestFolder m_folder;
    const CString m_moviePath = m_folder / L"clip.avi";
    InfoVideoPlaying m_playing;
    NotificationLog m_owner;
    AnsweredDialogs m_dialogs;
};

TEST_F(VideoPlayerTest, PlaysToTheEndTellingTheOwnerEachStep)
{
    auto player = MakePlayer(m_owner);

    ASSERT_TRUE(player->Play()) << player->GetErrorText().GetString();
    EXPECT_TRUE(player->Pause());
    EXPECT_TRUE(player->IsPaused());
    EXPECT_TRUE(player->Resume());
    ASSERT_TRUE(WaitForStop(*player));

    const std::vector<UINT> expected = {WM_PLAYER_STARTED, WM_PLAYER_PAUSED, WM_PLAYER_RESUMED, WM_PLAYER_STOPPED};
    EXPECT_EQ(expected, m_owner.messages);
    EXPECT_TRUE(m_dialogs.boxes.empty());
}

TEST_F(VideoPlayerTest, RepeatTwoPlaysThreeTimesThenStopsOnce)
{
    m_playing.PlayRepeat = 2;
    auto player = MakePlayer(m_owner);

    ASSERT_TRUE(player->Play()) << player->GetErrorText().GetString();
    ASSERT_TRUE(WaitForStop(*player));
    PumpFor(300);

    // Two repeats taken, each after a play had ended, and the third end stopped it.
    EXPECT_EQ(0, player->GetPlaying().PlayRepeat);
    const std::vector<UINT> expected = {WM_PLAYER_STARTED, WM_PLAYER_STOPPED};
    EXPECT_EQ(expected, m_owner.messages);
}

TEST_F(VideoPlayerTest, WithoutOwnerTheEndPostsQuitAndAFailureShowsNoBox)
{
    auto player = MakePlayer(nullptr);
    ASSERT_TRUE(player->Play()) << player->GetErrorText().GetString();
    ASSERT_TRUE(WaitForStop(*player));
    MSG quit;
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    // So does the user closing the window: nobody else would end the wait.
    SendMessageW(*player, WM_CLOSE, 0, 0);
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));

    // A file that is no movie fails to play, with the reason, and no box nobody answers.
    const CString notAMovie = m_folder / L"notes.avi";
    WriteBytes(notAMovie, "not a movie at all");
    m_playing.PlayFName = notAMovie;
    auto failing = MakePlayer(nullptr);
    EXPECT_FALSE(failing->Play());
    EXPECT_EQ(0, failing->GetErrorText().Find(L"Failure creating the video interfaces. Error: "))
        << failing->GetErrorText();
    EXPECT_TRUE(m_dialogs.boxes.empty());
}

TEST_F(VideoPlayerTest, OpeningAnotherFileTellsTheOwnerOnceThenNothingMore)
{
    const CString other = m_folder / L"other.avi";
    ASSERT_TRUE(WriteTestMovie(other, 200, 150));
    struct Case
    {
        CString chosen;
        std::vector<UINT> expected;
    };
    const Case cases[] = {
        // Another file: the close of the first, then the one notice; its own playing is silent.
        {other, {WM_PLAYER_STOPPED, WM_PLAYER_OTHER_FILE}},
        // The same file again (case ignored): the owner keeps hearing of it.
        {m_moviePath.Left(m_moviePath.GetLength() - 8) + L"CLIP.AVI",
         {WM_PLAYER_STOPPED, WM_PLAYER_STARTED, WM_PLAYER_PAUSED, WM_PLAYER_STOPPED}},
    };
    for (const Case& c : cases)
    {
        m_owner.messages.clear();
        m_dialogs.chosenPath = c.chosen;
        auto player = MakePlayer(m_owner);
        SendMessageW(*player, WM_COMMAND, ID_PLAYER_OPEN, 0);
        EXPECT_TRUE(player->IsPlaying()) << player->GetErrorText().GetString();
        EXPECT_TRUE(player->Pause());
        EXPECT_TRUE(player->Stop());
        EXPECT_EQ(c.expected, m_owner.messages) << c.chosen;
        EXPECT_EQ(c.chosen, player->GetPlaying().PlayFName);
    }
}

TEST_F(VideoPlayerTest, WindowsMediaFilesAndPlaylistsAreRefused)
{
    struct Case
    {
        const wchar_t* chosen;
        const wchar_t* box;
    };
    const Case cases[] = {
        {L"C:\\clips\\Show.WMV",
         L"Windows Media files (ASF, WMV, WMA) are not supported by this application.Please select a valid media "
         L"file."},
        {L"C:\\clips\\list.asx",
         L"ASX Playlists are not supported by this application.Please select a valid media file."},
    };
    for (const Case& c : cases)
    {
        m_dialogs.boxes.clear();
        m_dialogs.chosenPath = c.chosen;
        auto player = MakePlayer(m_owner);
        SendMessageW(*player, WM_COMMAND, ID_PLAYER_OPEN, 0);
        ASSERT_EQ(1u, m_dialogs.boxes.size()) << c.chosen;
        EXPECT_EQ(c.box, m_dialogs.boxes[0]);
        // The file open before was closed and nothing else is loaded.
        EXPECT_EQ(L"Vellumor Video Player", WindowTitle(*player));
        EXPECT_EQ(m_moviePath, player->GetPlaying().PlayFName);
    }
}

TEST_F(VideoPlayerTest, SizeKeysSizeTheWindowAndCheckTheirItem)
{
    m_playing.PlayWndWidth = 250;
    m_playing.PlayWndHeight = 200;
    auto player = MakePlayer(m_owner);
    ASSERT_TRUE(player->Play()) << player->GetErrorText().GetString();
    const int frameWidth = 2 * (GetSystemMetrics(SM_CXEDGE) + GetSystemMetrics(SM_CXFIXEDFRAME));
    const int frameHeight = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU) +
                            2 * (GetSystemMetrics(SM_CYEDGE) + GetSystemMetrics(SM_CYFIXEDFRAME));
    struct Case
    {
        WPARAM key;
        UINT item;
        int width;
        int height;
    };
    const Case cases[] = {
        {0, ID_PLAYER_SIZE_SELECTED, 250, 200}, // as the playing starts
        {'H', ID_PLAYER_SIZE_HALF, 200, 150},     {'t', ID_PLAYER_SIZE_THREE_QUARTER, 300, 225},
        {'D', ID_PLAYER_SIZE_DOUBLE, 800, 600},   {'N', ID_PLAYER_SIZE_NORMAL, 400, 300},
        {'L', ID_PLAYER_SIZE_SELECTED, 250, 200},
    };
    const UINT items[] = {ID_PLAYER_SIZE_SELECTED, ID_PLAYER_SIZE_HALF, ID_PLAYER_SIZE_THREE_QUARTER,
                          ID_PLAYER_SIZE_NORMAL, ID_PLAYER_SIZE_DOUBLE};
    for (const Case& c : cases)
    {
        if (c.key)
            Key(*player, c.key);
        RECT window = {};
        GetWindowRect(*player, &window);
        EXPECT_EQ(c.width + frameWidth, window.right - window.left) << c.key;
        EXPECT_EQ(c.height + frameHeight, window.bottom - window.top) << c.key;
        for (UINT item : items)
            EXPECT_EQ(item == c.item, IsChecked(*player, item)) << c.key << " " << item;
    }
}

TEST_F(VideoPlayerTest, TitleShowsMutePauseAndRate)
{
    m_playing.PlayAudio = false;
    m_playing.PlayRepeat = -1;
    auto player = MakePlayer(m_owner);
    EXPECT_EQ(L"Vellumor Video Player", WindowTitle(*player));
    ASSERT_TRUE(player->Play()) << player->GetErrorText().GetString();
    EXPECT_EQ(L"Vellumor Video Player - clip.avi (Muted)(Rate: 1.00)", WindowTitle(*player));

    Key(*player, VK_RIGHT);
    EXPECT_EQ(L"Vellumor Video Player - clip.avi (Muted)(Rate: 1.25)", WindowTitle(*player));
    Key(*player, 'a');
    EXPECT_EQ(L"Vellumor Video Player - clip.avi (Muted)(Paused)(Rate: 1.25)", WindowTitle(*player));
    Key(*player, VK_DOWN);
    Key(*player, 'U');
    // M turns the sound on; a graph without sound changes no volume, so the title
    // shows it at its next refresh.
    Key(*player, 'M');
    EXPECT_TRUE(player->GetPlaying().PlayAudio);
    Key(*player, 'S');
    EXPECT_EQ(L"Vellumor Video Player - clip.avi (Rate: 1.00)", WindowTitle(*player));
    EXPECT_TRUE(m_dialogs.boxes.empty());
}

TEST_F(VideoPlayerTest, MenuItemsAreGreyedByState)
{
    m_playing.PlayRepeat = -1;
    auto player = MakePlayer(m_owner);
    struct Case
    {
        const char* state;
        std::function<void()> enter;
        std::vector<UINT> grey;
        std::vector<UINT> enabled;
    };
    const Case cases[] = {
        {"running",
         [&] { player->Play(); },
         {ID_PLAYER_PLAY, ID_PLAYER_RESUME},
         {ID_PLAYER_PAUSE, ID_PLAYER_STOP, ID_PLAYER_RATE_DOUBLE, ID_PLAYER_SIZE_HALF, ID_PLAYER_CLOSE}},
        {"paused", [&] { player->Pause(); }, {ID_PLAYER_PLAY, ID_PLAYER_PAUSE}, {ID_PLAYER_RESUME, ID_PLAYER_STOP}},
        {"stopped",
         [&] { player->Stop(); },
         {ID_PLAYER_PAUSE, ID_PLAYER_RESUME, ID_PLAYER_STOP, ID_PLAYER_RATE_INCREASE, ID_PLAYER_FRAME_STEP},
         {ID_PLAYER_PLAY, ID_PLAYER_MUTE, ID_PLAYER_SIZE_DOUBLE}},
        {"no file",
         [&] { Key(*player, VK_F12); },
         {ID_PLAYER_CLOSE, ID_PLAYER_PAUSE, ID_PLAYER_STOP, ID_PLAYER_MUTE, ID_PLAYER_RATE_HALF, ID_PLAYER_FRAME_STEP,
          ID_PLAYER_SIZE_SELECTED, ID_PLAYER_SIZE_DOUBLE},
         {ID_PLAYER_OPEN, ID_PLAYER_PLAY, ID_PLAYER_FULL_SCREEN}},
    };
    for (const Case& c : cases)
    {
        c.enter();
        for (UINT id : c.grey)
            EXPECT_TRUE(IsGrey(*player, id)) << c.state << " " << id;
        for (UINT id : c.enabled)
            EXPECT_FALSE(IsGrey(*player, id)) << c.state << " " << id;
    }
}

TEST_F(VideoPlayerTest, ClosingWhilePlayingStopsThenAsksTheOwnerToDeleteIt)
{
    m_playing.PlayRepeat = -1;
    auto player = MakePlayer(m_owner);
    ASSERT_TRUE(player->Play()) << player->GetErrorText().GetString();

    SendMessageW(*player, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(PumpUntil([&] { return m_owner.Has(WM_PLAYER_CLOSED); }));

    const std::vector<UINT> expected = {WM_PLAYER_STARTED, WM_PLAYER_STOPPED, WM_PLAYER_CLOSED};
    EXPECT_EQ(expected, m_owner.messages);
    EXPECT_EQ(nullptr, player->GetSafeHwnd());
}

TEST_F(VideoPlayerTest, DeletingThePlayerPostsNothingToItsOwner)
{
    m_playing.PlayRepeat = -1;
    auto player = MakePlayer(m_owner);
    ASSERT_TRUE(player->Play()) << player->GetErrorText().GetString();
    ASSERT_TRUE(player->Stop());
    player.reset();
    PumpFor(200);

    const std::vector<UINT> expected = {WM_PLAYER_STARTED, WM_PLAYER_STOPPED};
    EXPECT_EQ(expected, m_owner.messages);
}
