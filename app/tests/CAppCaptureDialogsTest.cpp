// The recorder's frame-rate question answered in the program's dialog: OK hands the
// user's switch and rate back, Cancel leaves them as they were.
#include "app/CAppCaptureDialogs.h"
#include "capture/dialogs/DialogResources.h"
#include "framework/CDialog.h"

#include <gtest/gtest.h>

namespace
{
struct RateCase
{
    int button;
    bool useFrameRate;
    int frameRate;
};

TEST(CAppCaptureDialogsTest, FrameRateAnswerComesBackOnOkOnly)
{
    const RateCase cases[] = {{IDOK, true, 25}, {IDCANCEL, false, 15}};
    for (const RateCase& c : cases)
    {
        const CDialog::ModalHook previous = CDialog::SetModalHook([&](CDialog& dialog) {
            SendMessageW(dialog.GetDlgItem(IDC_RATE_USE), BM_CLICK, 0, 0);
            SetDlgItemTextW(dialog, IDC_RATE_EDIT, L"25");
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(c.button, BN_CLICKED), 0);
        });
        CAppCaptureDialogs dialogs;
        bool useFrameRate = false;
        int frameRate = 15;
        EXPECT_EQ(c.button, dialogs.ChooseFrameRate(useFrameRate, frameRate, nullptr));
        CDialog::SetModalHook(previous);
        EXPECT_EQ(c.useFrameRate, useFrameRate) << c.button;
        EXPECT_EQ(c.frameRate, frameRate) << c.button;
    }
}
} // namespace
