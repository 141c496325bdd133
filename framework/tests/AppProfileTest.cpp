#include "framework/AppProfile.h"
#include "testing/ScratchProfileTest.h"

namespace
{
class AppProfileTest : public ScratchProfileTest
{
};
} // namespace

TEST_F(AppProfileTest, ValuesLiveUnderTheMakersKeyOfTheApplication)
{
    EXPECT_EQ(CString(L"Software\\Talvono Software\\Vellumor Threads Tests"), AppGetProfileKey());
    ASSERT_TRUE(AppWriteProfileString(L"Section", L"Text", L"value"));
    EXPECT_EQ(CString(L"value"), StoredText(L"Section", L"Text"));
}

TEST_F(AppProfileTest, IntsStringsAndBinariesRoundTripAndMissingOnesGiveTheDefault)
{
    EXPECT_EQ(-5, AppGetProfileInt(L"Section", L"Number", -5));
    EXPECT_EQ(CString(L"fallback"), AppGetProfileString(L"Section", L"Text", L"fallback"));
    CByteArray bytes;
    bytes.Add(1);
    EXPECT_FALSE(AppGetProfileBinary(L"Section", L"Blob", bytes));
    EXPECT_TRUE(bytes.IsEmpty());

    const BYTE blob[] = {0, 1, 2, 255};
    ASSERT_TRUE(AppWriteProfileInt(L"Section", L"Number", -7));
    ASSERT_TRUE(AppWriteProfileString(L"Section", L"Text", L""));
    ASSERT_TRUE(AppWriteProfileBinary(L"Section", L"Blob", blob, sizeof(blob)));
    EXPECT_EQ(-7, AppGetProfileInt(L"Section", L"Number", 0));
    EXPECT_EQ(CString(), AppGetProfileString(L"Section", L"Text", L"fallback")); // stored empty is not missing
    ASSERT_TRUE(AppGetProfileBinary(L"Section", L"Blob", bytes));
    ASSERT_EQ(4, bytes.GetSize());
    EXPECT_EQ(0, memcmp(blob, bytes.GetData(), sizeof(blob)));

    // A value of another type is missing for the typed read.
    EXPECT_EQ(9, AppGetProfileInt(L"Section", L"Text", 9));
    EXPECT_EQ(CString(L"fallback"), AppGetProfileString(L"Section", L"Number", L"fallback"));
}

TEST_F(AppProfileTest, NullValueDeletesTheEntryAndNullEntryTheSection)
{
    ASSERT_TRUE(AppWriteProfileString(L"Section", L"A", L"a"));
    ASSERT_TRUE(AppWriteProfileString(L"Section", L"B", L"b"));
    ASSERT_TRUE(AppWriteProfileString(L"Section", L"A", nullptr));
    EXPECT_FALSE(ValueExists(L"Section", L"A"));
    EXPECT_TRUE(ValueExists(L"Section", L"B"));
    EXPECT_TRUE(AppWriteProfileString(L"Section", L"A", nullptr)); // gone already: still done

    ASSERT_TRUE(AppWriteProfileString(L"Section", nullptr, nullptr));
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyExW(HKEY_CURRENT_USER, SectionKey(L"Section"), 0, KEY_READ, &key));
}

TEST_F(AppProfileTest, WithoutAnApplicationNameNothingIsStored)
{
    AppSetProfileName(nullptr);
    EXPECT_EQ(CString(), AppGetProfileKey());
    EXPECT_FALSE(AppWriteProfileInt(L"Section", L"Number", 1));
    EXPECT_EQ(3, AppGetProfileInt(L"Section", L"Number", 3));
    AppSetProfileName(kApplication);
    EXPECT_FALSE(ValueExists(L"Section", L"Number"));
}
