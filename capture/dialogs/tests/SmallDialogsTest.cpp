#include "capture/dialogs/CDlgOptions.h"
#include "capture/dialogs/CDlgScLastCapture.h"
#include "capture/dialogs/CDlgVideoRecFrameRate.h"
#include "capture/dialogs/DialogResources.h"
#include "DialogsTestSupport.h"

#include <commctrl.h>
#include "testing/CStringPrinter.h"

#include <gtest/gtest.h>

namespace
{
DWORD StoredOption(const wchar_t* name)
{
    DWORD value = 0xFFFFFFFF, size = sizeof value;
    RegGetValueW(HKEY_CURRENT_USER, CGlobalOptions::kKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
    return value;
}

// Sets a number edit's text as typing would leave it and presses OK: true when the
// dialog stayed open with the range message and the focus on the edit.
bool RefusedOnOK(CDialog& dialog, UINT editId, const wchar_t* text, const wchar_t* range, RecordedBoxes& boxes)
{
    SetDlgItemTextW(dialog, editId, text);
    boxes.texts.clear();
    ClickButton(dialog, IDOK);
    const CString expected = CString(L"The value for this field should be between ") + range + L". Please correct.";
    return dialog.GetEndCode() == 0 && boxes.texts.size() == 1 && boxes.texts[0] == expected &&
           GetFocus() == dialog.GetDlgItem(editId);
}

class OptionsDialogTest : public ::testing::Test
{
protected:
    void SetUp() override { RegDeleteKeyW(HKEY_CURRENT_USER, CGlobalOptions::kKey); }
    void TearDown() override { RegDeleteKeyW(HKEY_CURRENT_USER, CGlobalOptions::kKey); }

    DialogHost m_host;
    RecordedBoxes m_boxes;
};
} // namespace

TEST_F(OptionsDialogTest, OkWritesTheThreeOptions)
{
    CGlobalOptions options;
    CDlgOptions dialog(options, m_host);
    ASSERT_TRUE(dialog.Create(m_host));
    EXPECT_EQ(CString(L"10000"), AppGetWindowText(dialog.GetDlgItem(IDC_OPTS_MAX_LINES)));
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(dialog, IDC_OPTS_ERROR_LOG));
    CheckDlgButton(dialog, IDC_OPTS_ERROR_LOG, BST_UNCHECKED);
    SetDlgItemTextW(dialog, IDC_OPTS_MAX_LINES, L"250");
    ClickButton(dialog, IDOK);
    EXPECT_EQ(IDOK, dialog.GetEndCode());
    EXPECT_EQ(0u, StoredOption(L"OptsOwErrLog"));
    EXPECT_EQ(1u, StoredOption(L"OptsOwData"));
    EXPECT_EQ(250u, StoredOption(L"OptsOwMaxLines"));
    EXPECT_TRUE(m_boxes.texts.empty());
    // The options the dialog was given are the ones it changed.
    EXPECT_FALSE(options.GetShowErrorLog());
    EXPECT_TRUE(options.GetShowData());
    EXPECT_EQ(250u, options.GetMaxLines());
}

TEST_F(OptionsDialogTest, OkRefusesANumberOutsideTheRange)
{
    CGlobalOptions options;
    CDlgOptions dialog(options, m_host);
    ASSERT_TRUE(dialog.Create(m_host));
    ShowWindow(dialog, SW_SHOW);
    for (const wchar_t* text : {L"", L"0"})
        EXPECT_TRUE(RefusedOnOK(dialog, IDC_OPTS_MAX_LINES, text, L"1 and 10000", m_boxes)) << CString(text);
    EXPECT_EQ(0xFFFFFFFFu, StoredOption(L"OptsOwMaxLines")) << "Nothing was stored.";

    // 10001 never stands in the edit: it takes back its last number at once.
    SetDlgItemTextW(dialog, IDC_OPTS_MAX_LINES, L"10001");
    EXPECT_EQ(CString(L"0"), AppGetWindowText(dialog.GetDlgItem(IDC_OPTS_MAX_LINES)));
    SetDlgItemTextW(dialog, IDC_OPTS_MAX_LINES, L"10000");
    ClickButton(dialog, IDOK);
    EXPECT_EQ(10000u, StoredOption(L"OptsOwMaxLines"));
}

TEST(FrameRateDialogTest, CheckBoxEnablesTheRateAndOkChecksIt)
{
    DialogHost host;
    RecordedBoxes boxes;
    CDlgVideoRecFrameRate dialog(false, 15, host);
    ASSERT_TRUE(dialog.Create(host));
    ShowWindow(dialog, SW_SHOW);
    const UINT rateControls[] = {IDC_RATE_LABEL, IDC_RATE_EDIT, IDC_RATE_SPIN, IDC_RATE_UNIT};
    for (UINT id : rateControls)
        EXPECT_FALSE(IsWindowEnabled(dialog.GetDlgItem(id))) << id;
    EXPECT_EQ(15, SendMessageW(dialog.GetDlgItem(IDC_RATE_SPIN), UDM_GETPOS32, 0, 0));
    SendMessageW(dialog.GetDlgItem(IDC_RATE_USE), BM_CLICK, 0, 0);
    for (UINT id : rateControls)
        EXPECT_TRUE(IsWindowEnabled(dialog.GetDlgItem(id))) << id;

    for (const wchar_t* text : {L"", L"0"})
        EXPECT_TRUE(RefusedOnOK(dialog, IDC_RATE_EDIT, text, L"1 and 999", boxes)) << CString(text);
    SetDlgItemTextW(dialog, IDC_RATE_EDIT, L"25");
    ClickButton(dialog, IDOK);
    EXPECT_EQ(IDOK, dialog.GetEndCode());
    EXPECT_TRUE(dialog.GetUseFrameRate());
    EXPECT_EQ(25, dialog.GetFrameRate());
}

TEST(LastCaptureDialogTest, PictureAndButtonKeepTheirMarginsAndTheWindowItsMinimum)
{
    DialogHost host;
    HDC screen = GetDC(nullptr);
    HBITMAP picture = CreateCompatibleBitmap(screen, 120, 80);
    ReleaseDC(nullptr, screen);
    CDlgScLastCapture dialog(picture, host);
    DeleteObject(picture); // the dialog shows its own copy
    ASSERT_TRUE(dialog.Create(host));
    HWND image = dialog.GetDlgItem(IDC_LAST_PICTURE);
    BITMAP shown = {};
    ASSERT_TRUE(GetObjectW(reinterpret_cast<HBITMAP>(SendMessageW(image, STM_GETIMAGE, IMAGE_BITMAP, 0)), sizeof shown,
                           &shown));
    EXPECT_EQ(120, shown.bmWidth);

    for (SIZE size : {SIZE{500, 400}, SIZE{300, 260}})
    {
        SetWindowPos(dialog, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT client = {}, ok = {}, picture = {};
        GetClientRect(dialog, &client);
        GetWindowRect(dialog.GetDlgItem(IDOK), &ok);
        GetWindowRect(image, &picture);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&ok), 2);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&picture), 2);
        EXPECT_EQ(client.right - 14, ok.right);
        EXPECT_EQ(client.bottom - 14, ok.bottom);
        const RECT expected = {14, 42, client.right - 14, ok.top - 14};
        EXPECT_TRUE(EqualRect(&expected, &picture)) << size.cx << ": " << picture.left << "," << picture.top << ","
                                                    << picture.right << "," << picture.bottom;
    }
    MINMAXINFO limits = {};
    SendMessageW(dialog, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ(200, limits.ptMinTrackSize.x);
    EXPECT_EQ(200, limits.ptMinTrackSize.y);
}
