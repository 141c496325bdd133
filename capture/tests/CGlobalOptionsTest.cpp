#include "capture/timing/CGlobalOptions.h"

#include <gtest/gtest.h>

namespace
{
class GlobalOptionsTest : public ::testing::Test
{
protected:
    void SetUp() override { RegDeleteKeyW(HKEY_CURRENT_USER, CGlobalOptions::kKey); }
    void TearDown() override { RegDeleteKeyW(HKEY_CURRENT_USER, CGlobalOptions::kKey); }

    static void SetRaw(const wchar_t* name, DWORD type, const void* data, DWORD size)
    {
        ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueW(HKEY_CURRENT_USER, CGlobalOptions::kKey, name, type, data, size));
    }
    static DWORD ReadRaw(const wchar_t* name)
    {
        DWORD value = 0xFFFFFFFF;
        DWORD size = sizeof value;
        RegGetValueW(HKEY_CURRENT_USER, CGlobalOptions::kKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
        return value;
    }
};
} // namespace

TEST_F(GlobalOptionsTest, MissingValuesKeepTheDefaults)
{
    CGlobalOptions options;
    options.LoadFromRegistry();
    EXPECT_TRUE(options.GetShowErrorLog());
    EXPECT_TRUE(options.GetShowData());
    EXPECT_EQ(10000u, options.GetMaxLines());
}

TEST_F(GlobalOptionsTest, SavedOptionsAreWrittenAsDwordsAndLoadBack)
{
    CGlobalOptions saved;
    ASSERT_TRUE(saved.SetOptions(false, true, 250));
    EXPECT_EQ(0u, ReadRaw(L"OptsOwErrLog"));
    EXPECT_EQ(1u, ReadRaw(L"OptsOwData"));
    EXPECT_EQ(250u, ReadRaw(L"OptsOwMaxLines"));

    CGlobalOptions loaded;
    loaded.LoadFromRegistry();
    EXPECT_FALSE(loaded.GetShowErrorLog());
    EXPECT_TRUE(loaded.GetShowData());
    EXPECT_EQ(250u, loaded.GetMaxLines());
}

TEST_F(GlobalOptionsTest, EachValueIsReadOnItsOwn)
{
    const DWORD seven = 7;
    const DWORD zero = 0;
    CGlobalOptions options;
    ASSERT_TRUE(options.SetOptions(false, true, 42));
    SetRaw(L"OptsOwErrLog", REG_DWORD, &seven, sizeof seven); // any non-zero value is true
    SetRaw(L"OptsOwData", REG_DWORD, &zero, sizeof zero);
    SetRaw(L"OptsOwMaxLines", REG_SZ, L"500", sizeof L"500"); // unreadable as a number
    options.LoadFromRegistry();
    EXPECT_TRUE(options.GetShowErrorLog());
    EXPECT_FALSE(options.GetShowData());
    EXPECT_EQ(42u, options.GetMaxLines());
}
