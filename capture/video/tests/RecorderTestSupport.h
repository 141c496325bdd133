#pragma once
// Test support for the video recorder: an owner window that logs the recorder's
// notifications, a record that captures from the test camera into a test folder, and
// frame-rate answers given through the capture dialogs.
#include "Info/InfoVideoRecording.h"
#include "capture/selection/ICaptureDialogs.h"
#include "capture/video/VideoRecorderIds.h"
#include "framework/CWnd.h"
#include "standins/camera/TestCameraIds.h"

#include <vector>

namespace recorder_test
{
// Records every recorder notification it receives, in order.
class OwnerLog : public CWnd
{
public:
    OwnerLog()
    {
        const RECT rect = {0, 0, 10, 10};
        CreateEx(WS_EX_TOOLWINDOW, AppRegisterWndClass(0), L"recorder owner", WS_POPUP, rect, nullptr, 0);
    }

    std::vector<UINT> messages;

    int Count(UINT message) const
    {
        int count = 0;
        for (UINT seen : messages)
            count += seen == message;
        return count;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_MANAGER_STARTED && message <= WM_CLOSE_VIDEO_WINDOW)
            messages.push_back(message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// The capture dialogs of a test: the frame-rate dialog answers with the values set.
class FrameRateDialogs : public ICaptureDialogs
{
public:
    int EditProperties(SendParam&, HWND) override { return IDCANCEL; }
    int ChooseSelection(EnumSendParam, EnumScreenCaptureType&, std::vector<POINT>&, CString&, HWND) override
    {
        return IDCANCEL;
    }
    int ChooseFrameRate(bool& useFrameRate, int& frameRate, HWND) override
    {
        ++shown;
        if (answer == IDOK)
        {
            useFrameRate = use;
            frameRate = rate;
        }
        return answer;
    }

    int answer = IDOK;
    bool use = true;
    int rate = 15;
    int shown = 0;
};

// A recording from the test camera at 320 x 240, 30 frames a second, into folder\take.avi,
// with preview and without sound.
inline InfoVideoRecording CameraRecording(const CString& folder)
{
    InfoVideoRecording recording;
    recording.RecFName = L"take";
    recording.RecPath = folder;
    recording.RecFType = VFT_AVI;
    recording.RecOverwrite = true;
    recording.RecDuration = 0;
    recording.RecVideoDevice = kTestCameraName;
    recording.RecFramesRate = 30;
    recording.RecPreview = true;
    recording.RecWndLeft = 0;
    recording.RecWndTop = 0;
    recording.RecWndWidth = 320;
    recording.RecWndHeight = 240;
    recording.RecAudio = false;
    recording.RecShowDlg = false;
    return recording;
}
} // namespace recorder_test
