// The picture show in this process: a saver window as the preview child of a test window,
// with the settings in a private HKEY_CURRENT_USER and the picture folder of the test.
#include "screensaver/CVellScreenSaverWnd.h"
#include "screensaver/ScreenSaverLayout.h"
#include "screensaver/tests/SaverTestSupport.h"
#include "testing/CStringPrinter.h"
#include "testing/PrivateUserRegistry.h"
#include "testing/TestFolder.h"
#include "testing/TestPump.h"

#include <gtest/gtest.h>

using namespace saver_test;

namespace
{
auto* const g_registry = testing::AddGlobalTestEnvironment(new PrivateUserRegistry);

const COLORREF kTop = RGB(220, 30, 40);
const COLORREF kBottom = RGB(20, 60, 230);
const COLORREF kBlack = RGB(0, 0, 0);

// A saver window that tells when it is deleted.
class CountedSaverWnd : public CVellScreenSaverWnd
{
public:
    explicit CountedSaverWnd(bool& deleted) : m_deleted(deleted) {}
    ~CountedSaverWnd() override { m_deleted = true; }

private:
    bool& m_deleted;
};

class SaverWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, kScreenSaverKey);
        WriteBytes(m_folder / L"v1.2.bmp", TwoToneBitmap(80, 60, kTop, kBottom));
        HKEY key = nullptr;
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, kScreenSaverKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        RegCloseKey(key);
        SetText(HKEY_LOCAL_MACHINE, L"ImgPath", m_folder.Path() + L"\\");
        SetText(HKEY_CURRENT_USER, L"Image", L"v1.2");
    }
    void TearDown() override
    {
        if (m_parent)
            DestroyWindow(m_parent);
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kScreenSaverKey, L"ImgPath");
        RegDeleteTreeW(HKEY_CURRENT_USER, kScreenSaverKey);
    }

    // The saver window in a shown test window of the size at the screen's top-left.
    CVellScreenSaverWnd* Start(int width, int height, CVellScreenSaverWnd* window = nullptr)
    {
        m_parent = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP, 0, 0, width, height, nullptr, nullptr,
                                   nullptr, nullptr);
        ShowWindow(m_parent, SW_SHOWNOACTIVATE);
        if (!window)
            window = new CVellScreenSaverWnd();
        if (!window->Create(m_parent, RECT{}))
            return nullptr;
        window->ReadAndRestart();
        return window;
    }

    COLORREF Pixel(int x, int y) const { return WindowPixel(m_parent, x, y); }

    TestFolder m_folder;
    HWND m_parent = nullptr;
};
} // namespace

TEST_F(SaverWindowTest, ThePictureShowsCentredAtItsOwnSizeOnBlack)
{
    CVellScreenSaverWnd* window = Start(300, 200);
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(CString(L"v1.2"), window->LoadedName());
    const RECT expected = {110, 70, 190, 130};
    EXPECT_TRUE(EqualRect(&expected, &window->PictureRectangle()));
    EXPECT_EQ(kTop, Pixel(150, 75));
    EXPECT_EQ(kBottom, Pixel(150, 125));
    EXPECT_EQ(kBlack, Pixel(100, 100));
    EXPECT_EQ(kBlack, Pixel(150, 135));
}

TEST_F(SaverWindowTest, TheLogoStandsInForTheLogoNameNoNameAndAMissingFirstPicture)
{
    for (const wchar_t* image : {L"<Vellumor Logo>", L"", L"missing"})
    {
        SetText(HKEY_CURRENT_USER, L"Image", image);
        CVellScreenSaverWnd* window = Start(200, 150);
        ASSERT_NE(nullptr, window);
        EXPECT_EQ(CString(kScreenSaverLogoName), window->LoadedName()) << CString(image).ToAnsi();
        EXPECT_TRUE(window->HasPicture());
        DestroyWindow(m_parent);
        m_parent = nullptr;
    }
}

TEST_F(SaverWindowTest, AMissingPictureKeepsTheOneShownAndAnEmptyPoolShowsTheLogo)
{
    CVellScreenSaverWnd* window = Start(200, 150);
    ASSERT_NE(nullptr, window);
    SetText(HKEY_CURRENT_USER, L"Image", L"gone");
    window->ReadAndRestart();
    EXPECT_EQ(CString(L"v1.2"), window->LoadedName());

    WriteBytes(m_folder / L"ImgPoolFiles.txt", "");
    SetNumber(HKEY_CURRENT_USER, L"IsImagePool", 1);
    SetText(HKEY_CURRENT_USER, L"ImagePoolFiles", L"ImgPoolFiles.txt");
    window->ReadAndRestart();
    EXPECT_EQ(CString(kScreenSaverLogoName), window->LoadedName());
    EXPECT_TRUE(window->Current().pool);
}

TEST_F(SaverWindowTest, TheMosaicRevealsItsCellsInTheFixedOrder)
{
    SetNumber(HKEY_CURRENT_USER, L"Effects", SSE_MOSAIC);
    SetNumber(HKEY_CURRENT_USER, L"Matrix", 0);
    SetNumber(HKEY_CURRENT_USER, L"OrigSize", 0);
    CVellScreenSaverWnd* window = Start(100, 100);
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(kBlack, Pixel(30, 30));
    window->MosaicStep(); // cell 6: column 1, row 1
    EXPECT_EQ(kTop, Pixel(30, 30));
    EXPECT_EQ(kBlack, Pixel(30, 70)); // cell 16 comes second
    window->MosaicStep();
    EXPECT_EQ(kBottom, Pixel(30, 70));
    while (window->MosaicCount() < 25)
        window->MosaicStep();
    EXPECT_EQ(kTop, Pixel(99, 0));
    EXPECT_EQ(kBottom, Pixel(0, 99));
}

TEST_F(SaverWindowTest, AnimatedEffectsDrawThePictureUpright)
{
    SetNumber(HKEY_CURRENT_USER, L"OrigSize", 0);
    for (DWORD effect : {SSE_WATER, SSE_FIRE})
    {
        SetNumber(HKEY_CURRENT_USER, L"Effects", effect);
        CVellScreenSaverWnd* window = Start(120, 90);
        ASSERT_NE(nullptr, window);
        window->WaterFrame(); // flat water: the picture as it is
        EXPECT_EQ(kTop, Pixel(60, 10)) << effect;
        EXPECT_EQ(kBottom, Pixel(60, 80)) << effect;
        if (effect == SSE_FIRE)
        {
            window->OverlayFrame(); // the fire's glow over the bottom row
            EXPECT_NE(kBottom, Pixel(60, 89));
        }
        DestroyWindow(m_parent);
        m_parent = nullptr;
    }
}

TEST_F(SaverWindowTest, ARevealStopsForARestartAndForTheWindowsEndLeavingTheHeapWhole)
{
    SetNumber(HKEY_CURRENT_USER, L"Effects", SSE_IN_OUT);
    SetNumber(HKEY_CURRENT_USER, L"OrigSize", 0);
    bool deleted = false;
    CVellScreenSaverWnd* window = Start(640, 480, new CountedSaverWnd(deleted));
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(PumpUntil([&] { return window->IsRevealRunning(); }));
    window->ReadAndRestart(); // the memory DC is remade under the running reveal
    ASSERT_TRUE(PumpUntil([&] { return window->IsRevealRunning(); }));
    DestroyWindow(m_parent); // the window goes mid-reveal and deletes itself
    m_parent = nullptr;
    EXPECT_TRUE(deleted);

    HANDLE heaps[64];
    const DWORD count = GetProcessHeaps(64, heaps);
    for (DWORD i = 0; i < count && i < 64; ++i)
        EXPECT_TRUE(HeapValidate(heaps[i], 0, nullptr)) << i;
}
