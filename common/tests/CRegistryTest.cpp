#include "common/CRegistry.h"
#include "testing/PrivateUserRegistry.h"
#include <gtest/gtest.h>

namespace
{
// The wrapper's tests write below the product's settings key: a private one of this run.
::testing::Environment* const kPrivateRegistry = ::testing::AddGlobalTestEnvironment(new PrivateUserRegistry);

const wchar_t* const kTestKey = L"Software\\Talvono Software\\Talvono Vellumor\\RegistryWrapperTest";

class CRegistryTest : public ::testing::Test
{
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey); }
    void TearDown() override
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
        RegDeleteKeyW(HKEY_CURRENT_USER, kTestKey);
    }

    static bool KeyExists()
    {
        HKEY key;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, kTestKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }

    static DWORD StoredType(const wchar_t* name, DWORD* size)
    {
        DWORD type = REG_NONE;
        *size = 0;
        RegGetValueW(HKEY_CURRENT_USER, kTestKey, name, RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr, size);
        return type;
    }

    CString error;
};
} // namespace

TEST_F(CRegistryTest, CloseIsTrueWhenNothingIsOpenAndAfterAClose)
{
    CRegistry registry;
    EXPECT_TRUE(registry.Close());
    ASSERT_TRUE(registry.Open(HKEY_CURRENT_USER, kTestKey, true, error));
    EXPECT_STREQ(kTestKey, registry.GetPath());
    EXPECT_TRUE(registry.Close());
    EXPECT_FALSE(registry.IsOpen());
    EXPECT_EQ(nullptr, registry.GetPath());
    EXPECT_TRUE(registry.Close());
}

TEST_F(CRegistryTest, ReadOfAMissingKeyFailsWithoutCreatingIt)
{
    CRegistry registry;
    DWORD value = 7;
    EXPECT_FALSE(registry.ReadDWORD(HKEY_CURRENT_USER, kTestKey, L"V", &value, error));
    EXPECT_EQ(CRegistry::GetErrorText(ERROR_FILE_NOT_FOUND), error);
    EXPECT_FALSE(error.IsEmpty());
    EXPECT_EQ(7u, value);
    EXPECT_FALSE(KeyExists());
    EXPECT_FALSE(registry.IsOpen());

    ASSERT_TRUE(registry.WriteDWORD(HKEY_CURRENT_USER, kTestKey, L"V", 42, true, error));
    registry.Close();
    EXPECT_TRUE(KeyExists());
    ASSERT_TRUE(registry.ReadDWORD(HKEY_CURRENT_USER, kTestKey, L"V", &value, error));
    EXPECT_EQ(42u, value);
}

TEST_F(CRegistryTest, StringTypesAndSizes)
{
    CRegistry registry;
    ASSERT_TRUE(registry.Open(HKEY_CURRENT_USER, kTestKey, true, error));
    ASSERT_TRUE(registry.SetString(L"Plain", L"%TEMP%", error, false));
    ASSERT_TRUE(registry.SetString(L"Expand", L"%TEMP%", error, true));
    ASSERT_TRUE(registry.SetString(L"Empty", L"", error, false));
    DWORD size;
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), StoredType(L"Plain", &size));
    EXPECT_EQ(static_cast<DWORD>(REG_EXPAND_SZ), StoredType(L"Expand", &size));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), StoredType(L"Empty", &size));
    EXPECT_EQ(2u, size);

    wchar_t buffer[16] = {};
    DWORD bytes = sizeof(buffer);
    ASSERT_TRUE(registry.GetString(L"Expand", buffer, &bytes, error));
    EXPECT_STREQ(L"%TEMP%", buffer);
    EXPECT_EQ(14u, bytes);
}

TEST_F(CRegistryTest, AStringFitsExactlyTheBytesOfferedOrFailsWithMoreData)
{
    CRegistry registry;
    ASSERT_TRUE(registry.Open(HKEY_CURRENT_USER, kTestKey, true, error));
    ASSERT_TRUE(registry.SetString(L"Fits", L"abc", error, false));
    ASSERT_TRUE(registry.SetString(L"Long", L"abcd", error, false));
    wchar_t buffer[8];
    DWORD bytes = 8;
    EXPECT_TRUE(registry.GetString(L"Fits", buffer, &bytes, error));
    bytes = 8;
    EXPECT_FALSE(registry.GetString(L"Long", buffer, &bytes, error));
    EXPECT_EQ(CRegistry::GetErrorText(ERROR_MORE_DATA), error);
}

TEST_F(CRegistryTest, WrongTypesFailEvenWhenTheRegistryCallSucceeds)
{
    CRegistry registry;
    ASSERT_TRUE(registry.Open(HKEY_CURRENT_USER, kTestKey, true, error));
    ASSERT_TRUE(registry.SetString(L"Text", L"1", error, false));
    ASSERT_TRUE(registry.SetDWORD(L"Number", 1, error));
    DWORD value = 0;
    EXPECT_FALSE(registry.GetDWORD(L"Text", &value, error));
    EXPECT_FALSE(error.IsEmpty());
    wchar_t buffer[8];
    DWORD bytes = sizeof(buffer);
    error.Empty();
    EXPECT_FALSE(registry.GetString(L"Number", buffer, &bytes, error));
    EXPECT_FALSE(error.IsEmpty());
    BYTE raw[8];
    bytes = sizeof(raw);
    EXPECT_FALSE(registry.GetBinary(L"Number", raw, &bytes, error));
}

TEST_F(CRegistryTest, BinaryAndWholeTextReadsHaveNoLengthLimit)
{
    CRegistry registry;
    ASSERT_TRUE(registry.Open(HKEY_CURRENT_USER, kTestKey, true, error));
    CByteArray data;
    for (int i = 0; i < 3000; ++i)
        data.Add(static_cast<BYTE>(i * 7));
    ASSERT_TRUE(registry.SetBinary(L"Bin", data.GetData(), 3000, error));
    CByteArray read;
    ASSERT_TRUE(registry.GetBinary(L"Bin", read, error));
    EXPECT_TRUE(read == data);

    CString longText(L'q', 9000);
    ASSERT_TRUE(registry.SetString(L"Long", longText, error, false));
    CString text;
    ASSERT_TRUE(registry.GetString(L"Long", text, error));
    EXPECT_EQ(longText, text);
}

TEST_F(CRegistryTest, ReadOnlyOpenCannotWrite)
{
    CRegistry writer;
    ASSERT_TRUE(writer.WriteDWORD(HKEY_CURRENT_USER, kTestKey, L"V", 1, true, error));
    CRegistry reader;
    ASSERT_TRUE(reader.OpenReadOnly(HKEY_CURRENT_USER, kTestKey, error));
    DWORD value = 0;
    EXPECT_TRUE(reader.GetDWORD(L"V", &value, error));
    EXPECT_FALSE(reader.SetDWORD(L"V", 2, error));
    EXPECT_EQ(CRegistry::GetErrorText(ERROR_ACCESS_DENIED), error);
}

TEST_F(CRegistryTest, ErrorTextsComeFromTheSystem)
{
    EXPECT_EQ(L"", CRegistry::GetErrorText(0xDEADBEEF));
    CString text = CRegistry::GetErrorText(ERROR_FILE_NOT_FOUND);
    EXPECT_NE(-1, text.MakeLower().Find(L"file not found")) << text.ToAnsi();
}

TEST_F(CRegistryTest, OpeningASecondKeyClosesTheFirst)
{
    CRegistry registry;
    ASSERT_TRUE(registry.Open(HKEY_CURRENT_USER, kTestKey, true, error));
    HKEY first = registry.GetKey();
    ASSERT_TRUE(registry.Open(HKEY_CURRENT_USER, L"Software", false, error));
    EXPECT_STREQ(L"Software", registry.GetPath());
    // The first handle was closed, not leaked: either it is no longer valid or the system
    // handed the same value out again for the second key.
    bool firstClosed =
        registry.GetKey() == first || RegQueryInfoKeyW(first, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                                       nullptr, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS;
    EXPECT_TRUE(firstClosed);
}

TEST_F(CRegistryTest, ATextStoredWithoutTerminatorComesBackTerminated)
{
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyExW(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
    RegSetValueExW(key, L"Raw", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"abcd"), 8); // no terminator
    RegCloseKey(key);
    CRegistry registry;
    ASSERT_TRUE(registry.Open(HKEY_CURRENT_USER, kTestKey, false, error));
    wchar_t buffer[8];
    wmemset(buffer, L'#', 8);
    DWORD bytes = sizeof(buffer);
    ASSERT_TRUE(registry.GetString(L"Raw", buffer, &bytes, error));
    EXPECT_STREQ(L"abcd", buffer);
    // Exactly the stored bytes offered: no room for the terminator, so the read fails.
    bytes = 8;
    wmemset(buffer, L'#', 8);
    EXPECT_FALSE(registry.GetString(L"Raw", buffer, &bytes, error));
    CString whole;
    ASSERT_TRUE(registry.GetString(L"Raw", whole, error));
    EXPECT_EQ(L"abcd", whole);
}

TEST_F(CRegistryTest, ValueSizeRawQueryEnumerationDeletionAndKeyInformation)
{
    CRegistry registry;
    CString error;
    ASSERT_TRUE(registry.Open(HKEY_CURRENT_USER, kTestKey, true, error));
    const BYTE bytes[] = {1, 2, 3, 4, 5};
    ASSERT_TRUE(registry.SetBinary(L"Blob", bytes, sizeof(bytes), error));
    ASSERT_TRUE(registry.SetString(L"Text", L"abc", error, false));
    HKEY child = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyW(registry.GetKey(), L"Child", &child));
    RegCloseKey(child);

    DWORD size = 0;
    ASSERT_TRUE(registry.GetValueSize(L"Blob", &size, error));
    EXPECT_EQ(5u, size);
    EXPECT_FALSE(registry.GetValueSize(L"Missing", &size, error));
    EXPECT_EQ(CRegistry::GetErrorText(ERROR_FILE_NOT_FOUND), error);

    DWORD type = REG_NONE;
    BYTE read[8] = {};
    size = sizeof(read);
    ASSERT_TRUE(registry.QueryValue(L"Blob", &type, read, &size, error));
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), type);
    EXPECT_EQ(0, memcmp(bytes, read, sizeof(bytes)));

    CRegistry::KeyInfo info;
    ASSERT_TRUE(registry.QueryInfo(info, error));
    EXPECT_EQ(1u, info.subKeys);
    EXPECT_EQ(2u, info.values);
    EXPECT_EQ(5u, info.longestSubKeyName);
    EXPECT_EQ(8u, info.longestValueData); // "abc" and its terminator

    wchar_t name[32];
    DWORD length = 32;
    ASSERT_TRUE(registry.EnumSubKey(0, name, &length, error));
    EXPECT_STREQ(L"Child", name);
    length = 32;
    EXPECT_FALSE(registry.EnumSubKey(1, name, &length, error));
    EXPECT_EQ(CRegistry::GetErrorText(ERROR_NO_MORE_ITEMS), error);
    int values = 0;
    for (DWORD i = 0;; ++i)
    {
        length = 32;
        size = sizeof(read);
        if (!registry.EnumValue(i, name, &length, &type, read, &size, error))
            break;
        ++values;
    }
    EXPECT_EQ(2, values);

    ASSERT_TRUE(registry.DeleteSubKey(L"Child", error));
    ASSERT_TRUE(registry.DeleteValue(L"Blob", error));
    EXPECT_FALSE(registry.DeleteValue(L"Blob", error));
    ASSERT_TRUE(registry.QueryInfo(info, error));
    EXPECT_EQ(0u, info.subKeys);
    EXPECT_EQ(1u, info.values);
}
