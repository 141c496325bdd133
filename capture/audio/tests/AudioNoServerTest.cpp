// The capture device's start-up check and the format list in a process whose sound server
// does not answer (the test program runs with a sound server address that leads
// nowhere). Wine then reports an invalid parameter, not a missing driver, so the text is
// the one of any other failure.
#include "capture/audio/AudioDeviceLists.h"
#include "capture/audio/AudioErrorText.h"
#include "testing/CStringPrinter.h"
#include <gtest/gtest.h>

namespace
{
const wchar_t* const kCaptureObjectFailure = L"Failure creating the DirectSoundCapture object. Error:  ";

TEST(CaptureDeviceWithoutServer, TheCheckAndTheFormatListFailWithTheCaptureObjectsText)
{
    EXPECT_TRUE(CheckAudioCaptureDevice());
    EXPECT_EQ(0, GetAudioErrorText().Find(kCaptureObjectFailure)) << GetAudioErrorText().ToAnsi(CP_UTF8);
    EXPECT_GT(GetAudioErrorText().GetLength(), CString(kCaptureObjectFailure).GetLength());

    HWND combo = CreateWindowExW(0, L"COMBOBOX", L"", WS_POPUP | CBS_DROPDOWNLIST, 0, 0, 200, 200, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    EXPECT_TRUE(FAILED(FillAudioFormatCombo(combo, L"0,176400,4,2,44100,16,1")));
    EXPECT_EQ(0, GetAudioErrorText().Find(kCaptureObjectFailure));
    EXPECT_EQ(0, SendMessageW(combo, CB_GETCOUNT, 0, 0));
    DestroyWindow(combo);
}
} // namespace
