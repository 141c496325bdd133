// The saver's settings dialog (/c) driven by real input: the effect and its parameter, the
// image pool with two pictures added through the file dialog and one removed, OK.
#include "screensaver/resource.h"
#include "screensaver/tests/SaverJobFixture.h"
#include "testing/CStringPrinter.h"
#include "testing/TestInput.h"

#include <commctrl.h>
#include <gtest/gtest.h>

using namespace saver_test;

namespace
{
DWORD ReadNumber(const wchar_t* name)
{
    DWORD value = 0xFFFFFFFF, size = sizeof(value);
    RegGetValueW(HKEY_CURRENT_USER, kScreenSaverKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
    return value;
}

CString ReadText(const wchar_t* name)
{
    wchar_t text[MAX_PATH] = L"";
    DWORD size = sizeof(text);
    RegGetValueW(HKEY_CURRENT_USER, kScreenSaverKey, name, RRF_RT_REG_SZ, nullptr, text, &size);
    return text;
}

// Input reaches the saver's windows in the order it is sent: what a key or a click does is
// awaited as the state that follows from it.
void Key(WORD key)
{
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = key;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}

// The focused control of the window's thread, in the saver's process; or null.
HWND FocusOf(HWND window)
{
    GUITHREADINFO info = {sizeof(info)};
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

// The control's text, asked of the process that owns it.
CString TextOf(HWND control)
{
    wchar_t text[MAX_PATH] = L"";
    DWORD_PTR length = 0;
    SendMessageTimeoutW(control, WM_GETTEXT, MAX_PATH, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 1000, &length);
    return text;
}

// Types the text into the window's focused edit, which is empty, and waits until it shows it.
bool Type(HWND window, const CString& text)
{
    for (int i = 0; i < text.GetLength(); ++i)
    {
        INPUT keys[2] = {};
        keys[0].type = keys[1].type = INPUT_KEYBOARD;
        keys[0].ki.wScan = keys[1].ki.wScan = text[i];
        keys[0].ki.dwFlags = KEYEVENTF_UNICODE;
        keys[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        SendInput(2, keys, sizeof(INPUT));
    }
    return PumpUntil([&] { return TextOf(FocusOf(window)) == text; });
}

bool FocusIsAnEdit(HWND window)
{
    wchar_t name[32] = L"";
    GetClassNameW(FocusOf(window), name, 32);
    return CString(name).CompareNoCase(L"Edit") == 0;
}

// Clicks the control at the point of its window rectangle (fractions of its size) and
// waits until the saver has taken the click: once the click has passed the hooks it is in
// the saver's queue, and the second of two sent messages comes back only after the saver
// has gone back to its queue for what follows the click.
void ClickControl(HWND control, double across = 0.5, double down = 0.5)
{
    RECT rect;
    GetWindowRect(control, &rect);
    ClickAt(rect.left + int((rect.right - rect.left) * across), rect.top + int((rect.bottom - rect.top) * down));
    EXPECT_TRUE(InputSettled());
    for (int trip = 0; trip < 2; ++trip)
        SendMessageTimeoutW(GetAncestor(control, GA_ROOT), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kTestGiveUpMs, nullptr);
}

CString ComboText(HWND combo, int index)
{
    wchar_t text[MAX_PATH] = L"";
    if (SendMessageW(combo, CB_GETLBTEXTLEN, index, 0) < MAX_PATH)
        SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

// The process's visible window of the caption, or null.
HWND FindWindowOf(const SaverProcess& process, const wchar_t* caption)
{
    for (HWND window : process.Windows())
    {
        wchar_t text[100] = L"";
        GetWindowTextW(window, text, 100);
        if (CString(text) == caption)
            return window;
    }
    return nullptr;
}
} // namespace

TEST_F(SaverRunTest, TheSettingsDialogSavesEveryChangeByRealInputAndOkCloses)
{
    const CString folder = s_folder;
    ASSERT_TRUE(Exists(folder + L"\\v1.2.bmp"));
    WriteBytes(folder + L"\\second.bmp", TwoToneBitmap(40, 30, kPictureTop, kPictureBottom));
    DeleteFileW(folder + L"\\ImgPoolFiles.txt");
    RegDeleteTreeW(HKEY_CURRENT_USER, kScreenSaverKey);
    SetText(HKEY_CURRENT_USER, L"Image", L"v1.2");

    SaverProcess saver(L"/c");
    HWND dialog = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (dialog = FindWindowOf(saver, L"Vellumor Screen Saver")) != nullptr; }));
    // The dialog's defaults are saved at once: the pool is on.
    ASSERT_TRUE(PumpUntil([] { return ReadNumber(L"IsImagePool") == 1; }));
    HWND pictures = GetDlgItem(dialog, IDC_SETTINGS_PICTURE_COMBO);
    EXPECT_EQ(CString(L"<Vellumor Logo>"), ComboText(pictures, 0));
    bool listed = false;
    for (int i = 1; i < SendMessageW(pictures, CB_GETCOUNT, 0, 0); ++i)
        listed = listed || ComboText(pictures, i) == L"v1.2";
    EXPECT_TRUE(listed);

    // The effect: "Display up-down", the seventh.
    ClickControl(GetDlgItem(dialog, IDC_SETTINGS_EFFECT_COMBO));
    Key(VK_HOME);
    for (int i = 0; i < 6; ++i)
        Key(VK_DOWN);
    Key(VK_RETURN);
    ASSERT_TRUE(PumpUntil([] { return ReadNumber(L"Effects") == 6; }));

    // Its parameter: a click on the slider's track moves it a page.
    HWND parameter = GetDlgItem(dialog, IDC_SETTINGS_PARAM_SLIDER);
    const LRESULT before = SendMessageW(parameter, TBM_GETPOS, 0, 0);
    ClickControl(parameter, 0.9);
    PumpUntil([&] { return SendMessageW(parameter, TBM_GETPOS, 0, 0) != before; });
    const DWORD display = static_cast<DWORD>(SendMessageW(parameter, TBM_GETPOS, 0, 0));
    EXPECT_GT(display, 3000u);
    ASSERT_TRUE(PumpUntil([&] { return ReadNumber(L"FreqDisplay") == display; }));

    // Add two pictures by their names typed into the file dialog.
    ClickControl(GetDlgItem(dialog, IDC_SETTINGS_ADD));
    HWND open = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (open = FindWindowOf(saver, L"Open")) != nullptr; }));
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == open && FocusIsAnEdit(open); }));
    ASSERT_TRUE(Type(open, folder));
    Key(VK_RETURN);
    // The box goes into the folder and empties the name.
    ASSERT_TRUE(PumpUntil([&] { return TextOf(FocusOf(open)).IsEmpty(); }));
    ASSERT_TRUE(Type(open, L"\"v1.2.bmp\" \"second.bmp\""));
    Key(VK_RETURN);
    HWND list = GetDlgItem(dialog, IDC_SETTINGS_POOL_LIST);
    ASSERT_TRUE(PumpUntil([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 2; }));

    // Remove the first row ("second.bmp" sorts first).
    RECT header, rows;
    GetWindowRect(reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0)), &header);
    GetWindowRect(list, &rows);
    // The first click may come while the closing file dialog still holds the input.
    HWND remove = GetDlgItem(dialog, IDC_SETTINGS_REMOVE);
    for (int attempt = 0; attempt < 5 && !IsWindowEnabled(remove); ++attempt)
    {
        ClickAt(rows.left + 20, header.bottom + 8);
        PumpUntil([&] { return IsWindowEnabled(remove) != FALSE; }, 1000);
    }
    ASSERT_EQ(1, SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0));
    ClickControl(remove);
    ASSERT_TRUE(PumpUntil([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 1; }));

    ClickControl(GetDlgItem(dialog, IDOK));
    EXPECT_EQ(0u, saver.WaitForExit());

    EXPECT_EQ(6u, ReadNumber(L"Effects"));
    EXPECT_EQ(0u, ReadNumber(L"OrigSize"));
    EXPECT_EQ(1u, ReadNumber(L"Matrix"));
    EXPECT_EQ(CString(L"v1.2"), ReadText(L"Image"));
    EXPECT_EQ(30u, ReadNumber(L"AlphaFire"));
    EXPECT_EQ(30u, ReadNumber(L"AlphaPlasma"));
    EXPECT_EQ(3000u, ReadNumber(L"FreqWater"));
    EXPECT_EQ(display, ReadNumber(L"FreqDisplay"));
    EXPECT_EQ(1u, ReadNumber(L"IsImagePool"));
    EXPECT_EQ(CString(L"ImgPoolFiles.txt"), ReadText(L"ImagePoolFiles"));
    EXPECT_EQ(10000u, ReadNumber(L"ImagePoolSlider"));
    EXPECT_EQ("\xEF\xBB\xBF" + (folder + L"\\v1.2.bmp").ToAnsi(CP_UTF8) + "\r\n",
              ReadBytes(folder + L"\\ImgPoolFiles.txt"));

    DeleteFileW(folder + L"\\second.bmp");
    DeleteFileW(folder + L"\\ImgPoolFiles.txt");
}
