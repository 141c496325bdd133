// The settings as the saver reads them, in a private HKEY_CURRENT_USER.
#include "screensaver/ScreenSaverSettings.h"
#include "testing/PrivateUserRegistry.h"

#include <gtest/gtest.h>

namespace
{
void WriteNumber(const wchar_t* name, DWORD value)
{
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, kScreenSaverKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                                             nullptr, &key, nullptr));
    RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    RegCloseKey(key);
}

class ScreenSaverSettingsTest : public ::testing::Test
{
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kScreenSaverKey); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kScreenSaverKey); }
};
} // namespace

TEST_F(ScreenSaverSettingsTest, EachValueOutsideItsRangeFallsBackAndEachInsideIsKept)
{
    struct Case
    {
        const wchar_t* name;
        DWORD value;
        int ScreenSaverSettings::*field;
        int expected;
    };
    const Case cases[] = {
        {L"Effects", 15, &ScreenSaverSettings::effect, 0},
        {L"Effects", 14, &ScreenSaverSettings::effect, 14},
        {L"Matrix", 3, &ScreenSaverSettings::matrix, 1},
        {L"Matrix", 0, &ScreenSaverSettings::matrix, 0},
        {L"AlphaFire", 4, &ScreenSaverSettings::alphaFire, 30},
        {L"AlphaFire", 100, &ScreenSaverSettings::alphaFire, 100},
        {L"AlphaPlasma", 101, &ScreenSaverSettings::alphaPlasma, 30},
        {L"AlphaPlasma", 5, &ScreenSaverSettings::alphaPlasma, 5},
        {L"FreqWater", 10001, &ScreenSaverSettings::freqWater, 3000},
        {L"FreqWater", 10000, &ScreenSaverSettings::freqWater, 10000},
        {L"FreqDisplay", 2999, &ScreenSaverSettings::freqDisplay, 3000},
        {L"FreqDisplay", 4500, &ScreenSaverSettings::freqDisplay, 4500},
        {L"ImagePoolSlider", 0, &ScreenSaverSettings::poolTime, 10000},
        {L"ImagePoolSlider", 15000, &ScreenSaverSettings::poolTime, 15000},
    };
    for (const Case& c : cases)
    {
        WriteNumber(c.name, c.value);
        ScreenSaverSettings settings;
        settings.*c.field = -1; // a value the check cannot give: the field was read
        settings.Read();
        EXPECT_EQ(c.expected, settings.*c.field) << CString(c.name).ToAnsi() << " " << c.value;
    }
}

TEST_F(ScreenSaverSettingsTest, MissingValuesLeaveTheFieldsAndOnlyOneMeansOriginalSize)
{
    ScreenSaverSettings settings;
    settings.effect = 7;
    settings.origSize = false;
    settings.image = L"kept";
    settings.Read();
    EXPECT_EQ(7, settings.effect);
    EXPECT_FALSE(settings.origSize);
    EXPECT_EQ(CString(L"kept"), settings.image);

    WriteNumber(L"OrigSize", 2);
    settings.origSize = true;
    settings.Read();
    EXPECT_FALSE(settings.origSize);
    WriteNumber(L"OrigSize", 1);
    settings.Read();
    EXPECT_TRUE(settings.origSize);
}

TEST_F(ScreenSaverSettingsTest, WrittenSettingsReadBackWhole)
{
    ScreenSaverSettings written;
    written.image = L"v1.2";
    written.effect = SSE_WATER;
    written.matrix = 2;
    written.origSize = false;
    written.alphaFire = 55;
    written.alphaPlasma = 66;
    written.freqWater = 4000;
    written.freqDisplay = 5000;
    written.pool = true;
    written.poolTime = 12000;
    ASSERT_TRUE(written.Write());

    ScreenSaverSettings read;
    read.Read();
    EXPECT_EQ(written.image, read.image);
    EXPECT_EQ(SSE_WATER, read.effect);
    EXPECT_EQ(2, read.matrix);
    EXPECT_FALSE(read.origSize);
    EXPECT_EQ(55, read.alphaFire);
    EXPECT_EQ(66, read.alphaPlasma);
    EXPECT_EQ(4000, read.freqWater);
    EXPECT_EQ(5000, read.freqDisplay);
    EXPECT_TRUE(read.pool);
    EXPECT_EQ(12000, read.poolTime);
    EXPECT_TRUE(read.poolListNamed);
}
