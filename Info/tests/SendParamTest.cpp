// Single-value registry access that every record's load and save go through.
#include "Info/tests/InfoTestSupport.h"

using namespace InfoTest;

namespace
{
const wchar_t* const kSub = L"Probe";
CString Key()
{
    return SendParam::SettingsKey(kSub);
}
} // namespace

class SendParamValues : public InfoRegistryTest
{
};

TEST_F(SendParamValues, WritesTheStoredFormsAndReadsThemBack)
{
    ASSERT_TRUE(SendParam::WriteRegistryValue(Key(), L"N", -5));
    ASSERT_TRUE(SendParam::WriteRegistryValue(Key(), L"T", CString(L"text")));
    CByteArray bytes;
    bytes.Add(1);
    bytes.Add(2);
    ASSERT_TRUE(SendParam::WriteRegistryValue(Key(), L"B", bytes));

    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), ValueType(kSub, L"N"));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), ValueType(kSub, L"T"));
    EXPECT_EQ((std::vector<BYTE>{1, 2}), Binary(kSub, L"B"));

    int n = 0;
    CString t;
    EXPECT_TRUE(SendParam::ReadRegistryValue(Key(), L"N", n));
    EXPECT_TRUE(SendParam::ReadRegistryValue(Key(), L"T", t));
    EXPECT_EQ(-5, n);
    EXPECT_EQ(L"text", t);
}

TEST_F(SendParamValues, ABinaryReadAppendsToWhatTheArrayHolds)
{
    PutBinary(kSub, L"B", {7, 8});
    CByteArray bytes;
    bytes.Add(1);
    ASSERT_TRUE(SendParam::ReadRegistryValue(Key(), L"B", bytes));
    ASSERT_EQ(3, bytes.GetSize());
    EXPECT_EQ(1, bytes[0]);
    EXPECT_EQ(8, bytes[2]);
}

TEST_F(SendParamValues, TextsAndBinariesOfAnyLengthReadBackWhole)
{
    for (int length : {1999, 2000, 5000})
    {
        std::wstring text(static_cast<size_t>(length), L'x');
        text.back() = L'!';
        PutText(kSub, L"T", text);
        CString read;
        ASSERT_TRUE(SendParam::ReadRegistryValue(Key(), L"T", read)) << length;
        EXPECT_EQ(text, read.str()) << length;
    }
    std::vector<BYTE> big(1500);
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<BYTE>(i);
    PutBinary(kSub, L"B", big);
    CByteArray bytes;
    ASSERT_TRUE(SendParam::ReadRegistryValue(Key(), L"B", bytes));
    ASSERT_EQ(1500, bytes.GetSize());
    EXPECT_EQ(0, memcmp(big.data(), bytes.GetData(), big.size()));
}

TEST_F(SendParamValues, AFailedReadChangesNothingAndCreatesTheKey)
{
    PutText(kSub, L"T", L"1");
    PutDword(kSub, L"N", 4);
    PutDword(kSub, L"Bin", 4);
    int n = 42;
    CString t(L"kept");
    CByteArray bytes;
    EXPECT_FALSE(SendParam::ReadRegistryValue(Key(), L"T", n)); // REG_SZ where a DWORD is expected
    EXPECT_FALSE(SendParam::ReadRegistryValue(Key(), L"N", t)); // DWORD where a text is expected
    EXPECT_FALSE(SendParam::ReadRegistryValue(Key(), L"Bin", bytes));
    EXPECT_FALSE(SendParam::ReadRegistryValue(Key(), L"Missing", t));
    EXPECT_EQ(42, n);
    EXPECT_EQ(L"kept", t);
    EXPECT_EQ(0, bytes.GetSize());

    EXPECT_FALSE(SendParam::ReadRegistryValue(SendParam::SettingsKey(L"Fresh"), L"N", n));
    EXPECT_TRUE(KeyExists(L"Fresh"));
}

TEST_F(SendParamValues, AnExpandableTextIsReadUnexpanded)
{
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyExW(HKEY_CURRENT_USER, Key(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
    const wchar_t value[] = L"%TEMP%\\x";
    RegSetValueExW(key, L"E", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(value), sizeof(value));
    RegCloseKey(key);
    CString t;
    ASSERT_TRUE(SendParam::ReadRegistryValue(Key(), L"E", t));
    EXPECT_EQ(L"%TEMP%\\x", t);
}
