// The video recorder window recording from the test camera (and the test audio device)
// into AVI files that are read back, with its owner's notifications, its menus, its
// settings and the graph's events.
#include "capture/video/CWndVideoRecorder.h"
#include "capture/video/tests/AviReadBack.h"
#include "capture/video/tests/RecorderTestSupport.h"
#include "capture/video/tests/VideoTestSupport.h"
#include "common/SystemHelpers.h"
#include "standins/audio/TestAudioIds.h"
#include "standins/camera/CTestCameraDevices.h"
#include "testing/CStringPrinter.h"
#include "testing/TestFolder.h"
#include "testing/TestPump.h"

#include <evcode.h>
#include <gtest/gtest.h>
#include <mmsystem.h>

using namespace recorder_test;
using video_test::AnsweredDialogs;

namespace
{
// Records about ms milliseconds; false when the capture did not start. capturedMs, when
// given, receives the time from the start's return to the stop's call: the least the
// capture ran (the calls themselves take time, which a loaded machine stretches).
bool RecordFor(CWndVideoRecorder& recorder, DWORD ms, DWORD* capturedMs = nullptr)
{
    if (!recorder.StartCapture())
        return false;
    const DWORD started = timeGetTime();
    PumpFor(ms);
    if (capturedMs)
        *capturedMs = timeGetTime() - started;
    return recorder.StopCapture();
}

CString StatusText(const CWndVideoRecorder& recorder)
{
    wchar_t text[512] = L"";
    GetDlgItemTextW(recorder.GetStatusLine(), 1, text, 512);
    return text;
}

bool InAscendingOrder(const std::vector<int>& numbers)
{
    for (size_t i = 0; i < numbers.size(); ++i)
        if (numbers[i] < 0 || (i > 0 && numbers[i] <= numbers[i - 1]))
            return false;
    return true;
}
} // namespace

class VideoRecorderTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_HRESULT_SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)); }
    void TearDown() override { CoUninitialize(); }

    std::unique_ptr<CWndVideoRecorder> MakeRecorder(const InfoVideoRecording& recording, HWND owner,
                                                    ICaptureDialogs* dialogs = nullptr)
    {
        auto recorder = std::make_unique<CWndVideoRecorder>(&recording, owner, dialogs);
        EXPECT_TRUE(recorder->Create()) << recorder->GetErrorText().GetString();
        return recorder;
    }

    TestFolder m_folder;
    InfoVideoRecording m_recording = CameraRecording(m_folder.Path());
    AnsweredDialogs m_boxes;
    OwnerLog m_owner;
};

TEST_F(VideoRecorderTest, RecordsTheCameraPatternWithPreviewAndTellsTheOwner)
{
    auto recorder = MakeRecorder(m_recording, m_owner);
    ASSERT_TRUE(recorder->IsPreviewing());
    const DWORD started = timeGetTime();
    DWORD capturedMs = 0;
    ASSERT_TRUE(RecordFor(*recorder, 2000, &capturedMs)) << recorder->GetErrorText().GetString();
    const DWORD ranMs = timeGetTime() - started;

    EXPECT_EQ((std::vector<UINT>{WM_MANAGER_STARTED, WM_MANAGER_STOPPED}), m_owner.messages);
    const AviReadBack back = ReadAviBack(m_folder / L"take.avi");
    ASSERT_TRUE(back.opened);
    EXPECT_EQ(320, back.width);
    EXPECT_EQ(240, back.height);
    EXPECT_NEAR(30.0, back.framesPerSecond, 0.01);
    EXPECT_TRUE(InAscendingOrder(back.frameNumbers));
    // Every frame time of the run is in the file, as written or dropped: no more frame
    // times than the whole call took, no fewer than the capture surely ran.
    ASSERT_FALSE(back.frameNumbers.empty());
    const int lastFrame = back.frameNumbers.back();
    EXPECT_LE(lastFrame + 1, static_cast<int>(ranMs * 30 / 1000) + 1);
    EXPECT_GE(lastFrame + 1, static_cast<int>(capturedMs * 30 / 1000) - 15);
    EXPECT_FALSE(back.hasSound);
    // The camera's own counters make the statistics: the file holds the frames it
    // delivered (but one or two that reached the writer as it stopped), and the frames it
    // dropped are the gaps in the numbers.
    const CString status = StatusText(*recorder);
    int frames = -1, seconds = 0, tenths = 0, dropped = -1;
    ASSERT_EQ(4, swscanf(status, L"Captured %d frames in %d.%d sec (%d dropped)", &frames, &seconds, &tenths, &dropped))
        << status.GetString();
    const int written = static_cast<int>(back.frameNumbers.size());
    EXPECT_GE(frames, written);
    EXPECT_LE(frames, written + 2);
    const int gaps = lastFrame + 1 - written;
    EXPECT_LE(gaps, dropped) << status.GetString();
    EXPECT_LE(dropped, gaps + 2) << status.GetString();
    EXPECT_TRUE(recorder->IsPreviewing());
}

TEST_F(VideoRecorderTest, RecordsSoundInTheRecordsFormat)
{
    m_recording.RecAudio = true;
    m_recording.RecAudioInputDevice = kTestAudioDeviceName;
    m_recording.RecAudioInputFormat = L"0,88200,2,1,44100,16,1";
    m_recording.RecAudioInputPinName = L"Microphone";
    auto recorder = MakeRecorder(m_recording, m_owner);
    ASSERT_TRUE(recorder->IsCaptureAudioOn());
    ASSERT_TRUE(RecordFor(*recorder, 1500)) << recorder->GetErrorText().GetString();

    const AviReadBack back = ReadAviBack(m_folder / L"take.avi");
    ASSERT_TRUE(back.hasSound);
    EXPECT_EQ(WAVE_FORMAT_PCM, back.soundFormat.wFormatTag);
    EXPECT_EQ(1, back.soundFormat.nChannels);
    EXPECT_EQ(44100u, back.soundFormat.nSamplesPerSec);
    EXPECT_EQ(16, back.soundFormat.wBitsPerSample);
    EXPECT_GT(back.soundBytes, 88200 / 2);
    EXPECT_TRUE(InAscendingOrder(back.frameNumbers));
}

TEST_F(VideoRecorderTest, AnUnattendedRecorderIsNeverShownYetCaptures)
{
    m_recording.RecPreview = false;
    auto recorder = MakeRecorder(m_recording, nullptr);
    EXPECT_FALSE(IsWindowVisible(*recorder));
    EXPECT_EQ(nullptr, recorder->GetStatusLine());
    ASSERT_TRUE(RecordFor(*recorder, 1000)) << recorder->GetErrorText().GetString();
    EXPECT_FALSE(IsWindowVisible(*recorder));
    const AviReadBack back = ReadAviBack(m_folder / L"take.avi");
    EXPECT_FALSE(back.frameNumbers.empty());
    EXPECT_TRUE(InAscendingOrder(back.frameNumbers));
}
