// Playing sound files through the audio graph under the test's sound server: repeats,
// pause and resume, the end of a playback without a notify target, and stops after it.
#include "capture/audio/AudioErrorText.h"
#include "capture/audio/CAudioGraph.h"
#include "capture/audio/tests/AudioTestSupport.h"
#include "testing/CStringPrinter.h"
#include "testing/TestFolder.h"
#include "testing/TestPump.h"
#include <gtest/gtest.h>

namespace
{
class AudioPlaybackTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(WriteToneWave(m_short, 0.3));
        ASSERT_TRUE(WriteToneWave(m_long, 3));
    }
    void TearDown() override { TakeQuitMessage(); }
    // Pumps until the graph has stopped playing.
    bool PumpUntilEnded(const CAudioGraph& graph) { return PumpUntil([&] { return !graph.IsPlaying(); }); }

    TestFolder m_folder;
    CString m_short = m_folder / L"short.wav";
    CString m_long = m_folder / L"long.wav";
    CNotificationLog m_log;
};

TEST_F(AudioPlaybackTest, RepeatsPlayTheFileAgainThenStop)
{
    CAudioGraphPtr graph(new CAudioGraph());
    graph->SetNotifyTarget(m_log.Window());
    ASSERT_HRESULT_SUCCEEDED(graph->StartPlaying(m_short, 2)) << GetAudioErrorText().ToAnsi(CP_UTF8);
    EXPECT_TRUE(graph->IsPlaying());
    ASSERT_TRUE(PumpUntilEnded(*graph));
    EXPECT_EQ((std::vector<UINT>{119, 119, 119, 120}), m_log.Received());
    EXPECT_FALSE(TakeQuitMessage()) << "A graph with a notify target ends no message loop.";

    // The graph ended by itself: a stop finds nothing to stop and sends nothing.
    EXPECT_EQ(S_FALSE, graph->StopPlaying());
    EXPECT_EQ(4u, m_log.Received().size());
}

TEST_F(AudioPlaybackTest, PauseAndResumeKeepThePlayback)
{
    CAudioGraphPtr graph(new CAudioGraph());
    graph->SetNotifyTarget(m_log.Window());
    ASSERT_HRESULT_SUCCEEDED(graph->StartPlaying(m_long, 0)) << GetAudioErrorText().ToAnsi(CP_UTF8);
    EXPECT_TRUE(SUCCEEDED(graph->PausePlaying()));
    EXPECT_TRUE(graph->IsPlayingPaused());
    EXPECT_TRUE(graph->IsPlaying());
    EXPECT_TRUE(SUCCEEDED(graph->ResumePlaying()));
    EXPECT_FALSE(graph->IsPlayingPaused());
    EXPECT_EQ(S_OK, graph->StopPlaying());
    EXPECT_FALSE(graph->IsPlaying());
    EXPECT_EQ((std::vector<UINT>{119, 121, 122, 120}), m_log.Received());
}

TEST_F(AudioPlaybackTest, EndWithoutNotifyTargetQuitsTheMessageLoopUnlessSwitchedOff)
{
    CAudioGraphPtr graph(new CAudioGraph());
    ASSERT_HRESULT_SUCCEEDED(graph->StartPlaying(m_short, 0)) << GetAudioErrorText().ToAnsi(CP_UTF8);
    ASSERT_TRUE(PumpUntilEnded(*graph));
    EXPECT_TRUE(TakeQuitMessage());

    graph->SetQuitOnPlaybackEnd(false);
    ASSERT_HRESULT_SUCCEEDED(graph->StartPlaying(m_short, 0)) << GetAudioErrorText().ToAnsi(CP_UTF8);
    ASSERT_TRUE(PumpUntilEnded(*graph));
    PumpFor(100);
    EXPECT_FALSE(TakeQuitMessage());
}

TEST_F(AudioPlaybackTest, DeletingTheGraphFromItsOwnStopMessageIsSafe)
{
    // The notify target lets go of the graph when the end's WM_USER+120 arrives.
    CAudioGraphPtr graph(new CAudioGraph());
    struct Target
    {
        static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
        {
            if (message == WM_USER + 120)
                reinterpret_cast<CAudioGraphPtr*>(GetWindowLongPtrW(window, GWLP_USERDATA))->reset();
            return DefWindowProcW(window, message, wParam, lParam);
        }
    };
    HWND target = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    SetWindowLongPtrW(target, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&graph));
    SetWindowLongPtrW(target, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Target::Proc));
    graph->SetNotifyTarget(target);
    ASSERT_HRESULT_SUCCEEDED(graph->StartPlaying(m_short, 0)) << GetAudioErrorText().ToAnsi(CP_UTF8);
    EXPECT_TRUE(PumpUntil([&] { return graph == nullptr; }));
    PumpFor(50);
    DestroyWindow(target);
}

TEST_F(AudioPlaybackTest, AFileThatCannotBeRenderedFailsWithItsName)
{
    CAudioGraphPtr graph(new CAudioGraph());
    graph->SetNotifyTarget(m_log.Window());
    const CString missing = m_folder / L"missing.wav";
    EXPECT_TRUE(FAILED(graph->StartPlaying(missing, 0)));
    EXPECT_EQ(0, GetAudioErrorText().Find(L"Failure rendering the audio file '" + missing + L"'. Error:  "))
        << GetAudioErrorText().ToAnsi(CP_UTF8);
    EXPECT_FALSE(graph->IsPlaying());
    EXPECT_TRUE(m_log.Received().empty());
}
} // namespace
