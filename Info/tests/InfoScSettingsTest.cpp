#include "Info/InfoScSettings.h"
#include "Info/tests/InfoTestSupport.h"

using namespace InfoTest;

namespace
{
const wchar_t* const kKey = L"ScreenCapture\\SendSettings";
}

class InfoScSettingsTest : public InfoRegistryTest
{
};

TEST_F(InfoScSettingsTest, DefaultsSendToTheClipboardOnly)
{
    InfoScSettings s;
    EXPECT_EQ(SP_SC_SETTINGS, s.GetType());
    EXPECT_EQ(SCT_RECTANGLE, s.Type);
    EXPECT_EQ(200, s.HoldTime);
    EXPECT_EQ(RLC_CTRL_SHIFT_F9, s.RLC);
    EXPECT_FALSE(s.ShowSize || s.CaptCursor || s.File || s.Web || s.Printer);
    EXPECT_TRUE(s.Clipboard);
    EXPECT_TRUE(s.IsSelectionDone());
    EXPECT_FALSE(s.IsDisplayFlagOn());
    s.Clear();
    EXPECT_FALSE(s.IsSelectionDone());
    EXPECT_FALSE(KeyExists(kKey));
}

TEST_F(InfoScSettingsTest, SavesEveryValueAndLoadsItBack)
{
    InfoScSettings s;
    s.Type = SCT_WINDOW;
    s.ShowSize = true;
    s.HoldTime = 1500;
    s.RLC = RLC_CTRL_SHIFT_F12;
    s.CaptCursor = true;
    s.File = s.Web = s.Db = true;
    s.Clipboard = false;
    ASSERT_TRUE(s.SaveToRegistry(0));
    EXPECT_EQ((std::set<std::wstring>{L"Type", L"ShowSize", L"HoldTime", L"RLC", L"CaptCursor", L"File", L"Printer",
                                      L"Fax", L"Editor", L"Email", L"ICQ", L"Clipboard", L"Db", L"ScreenSaver",
                                      L"Wallpaper", L"Web"}),
              ValueNames(kKey));
    InfoScSettings loaded;
    EXPECT_TRUE(loaded.LoadFromRegistry());
    EXPECT_TRUE(loaded == s);
    InfoScSettings copy(loaded);
    EXPECT_TRUE(copy == s);
}

TEST_F(InfoScSettingsTest, OnlyPartZeroSaves)
{
    InfoScSettings s;
    EXPECT_FALSE(s.SaveToRegistry(1));
    EXPECT_TRUE(ValueNames(kKey).empty());
}

TEST_F(InfoScSettingsTest, LoadClampsHoldTimeAndRepeatKey)
{
    struct
    {
        DWORD holdTime, rlc;
        int expectedHold, expectedRlc;
    } cases[] = {{150, 3, 200, 0}, {2500, 2, 200, 2}, {2000, 1, 2000, 1}, {200, 0xFFFFFFFF, 200, 0}};
    for (auto& c : cases)
    {
        PutDword(kKey, L"HoldTime", c.holdTime);
        PutDword(kKey, L"RLC", c.rlc);
        InfoScSettings s;
        EXPECT_TRUE(s.LoadFromRegistry());
        EXPECT_EQ(c.expectedHold, s.HoldTime) << c.holdTime;
        EXPECT_EQ(c.expectedRlc, s.RLC) << c.rlc;
    }
}

TEST_F(InfoScSettingsTest, LoadAlwaysSucceedsAndKeepsFieldsOfMissingOrWrongValues)
{
    PutText(kKey, L"Type", L"1");
    PutDword(kKey, L"Web", 2);
    PutDword(kKey, L"Type", 9); // a stored type is taken unchecked...
    PutText(kKey, L"ShowSize", L"1");
    InfoScSettings s;
    s.ShowSize = true;
    EXPECT_TRUE(s.LoadFromRegistry());
    EXPECT_EQ(9, s.Type);
    EXPECT_TRUE(s.ShowSize); // ...a wrong-typed value leaves its field as it was
    EXPECT_TRUE(s.Web);
    EXPECT_TRUE(s.Clipboard);
}

TEST_F(InfoScSettingsTest, SettersWriteAtOnce)
{
    InfoScSettings s;
    EXPECT_TRUE(s.SetHoldTime(5000));
    EXPECT_EQ(5000u, Dword(kKey, L"HoldTime"));
    InfoScSettings loaded;
    loaded.LoadFromRegistry();
    EXPECT_EQ(200, loaded.HoldTime);

    EXPECT_TRUE(s.SetSelection(SP_SC_CLIPBOARD, false));
    EXPECT_FALSE(s.Clipboard);
    EXPECT_EQ(0u, Dword(kKey, L"Clipboard"));
    EXPECT_TRUE(s.SetSelection(SP_SC_PRINTER, true));
    EXPECT_EQ(1u, Dword(kKey, L"Printer"));

    InfoScSettings before(s);
    EXPECT_FALSE(s.SetSelection(SP_CBT_RECORDING, true));
    EXPECT_TRUE(s == before);

    EXPECT_TRUE(s.SetCaptureType(SCT_ELLIPSE));
    EXPECT_TRUE(s.SetShowSize(true));
    EXPECT_TRUE(s.SetRLC(RLC_CTRL_SHIFT_F11));
    EXPECT_TRUE(s.SetCaptureCursor(true));
    EXPECT_EQ(3u, Dword(kKey, L"Type"));
    EXPECT_EQ(1u, Dword(kKey, L"ShowSize"));
    EXPECT_EQ(1u, Dword(kKey, L"RLC"));
    EXPECT_EQ(1u, Dword(kKey, L"CaptCursor"));
}
