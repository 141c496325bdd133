#include "Info/tests/InfoTestSupport.h"
#include "testing/PrivateUserRegistry.h"

namespace
{
// The records' tests write the product's settings key: a private one of this run.
::testing::Environment* const kPrivateRegistry = ::testing::AddGlobalTestEnvironment(new PrivateUserRegistry);

std::wstring FullKey(const wchar_t* subKey)
{
    std::wstring key = INFO_REGISTRY_ROOT;
    if (*subKey)
        key += std::wstring(L"\\") + subKey;
    return key;
}

HKEY OpenKey(const wchar_t* subKey, bool create)
{
    HKEY key = nullptr;
    std::wstring path = FullKey(subKey);
    LONG result =
        create ? RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr)
               : RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_ALL_ACCESS, &key);
    return result == ERROR_SUCCESS ? key : nullptr;
}

void Put(const wchar_t* subKey, const wchar_t* name, DWORD type, const void* data, DWORD size)
{
    HKEY key = OpenKey(subKey, true);
    ASSERT_NE(nullptr, key);
    EXPECT_EQ(ERROR_SUCCESS, RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size));
    RegCloseKey(key);
}

std::vector<BYTE> Raw(const wchar_t* subKey, const wchar_t* name, DWORD* type)
{
    std::vector<BYTE> data;
    *type = REG_NONE;
    HKEY key = OpenKey(subKey, false);
    if (!key)
        return data;
    DWORD size = 0;
    if (RegQueryValueExW(key, name, nullptr, type, nullptr, &size) == ERROR_SUCCESS)
    {
        data.resize(size);
        RegQueryValueExW(key, name, nullptr, type, data.data(), &size);
    }
    RegCloseKey(key);
    return data;
}
} // namespace

bool InfoTest::KeyExists(const wchar_t* subKey)
{
    HKEY key = OpenKey(subKey, false);
    if (key)
        RegCloseKey(key);
    return key != nullptr;
}

void InfoTest::DeleteKey(const wchar_t* subKey)
{
    RegDeleteTreeW(HKEY_CURRENT_USER, FullKey(subKey).c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, FullKey(subKey).c_str());
}

std::set<std::wstring> InfoTest::ValueNames(const wchar_t* subKey)
{
    std::set<std::wstring> names;
    HKEY key = OpenKey(subKey, false);
    if (!key)
        return names;
    wchar_t name[256];
    for (DWORD i = 0;; ++i)
    {
        DWORD length = 256;
        if (RegEnumValueW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.insert(name);
    }
    RegCloseKey(key);
    return names;
}

DWORD InfoTest::ValueType(const wchar_t* subKey, const wchar_t* name)
{
    DWORD type;
    Raw(subKey, name, &type);
    return type;
}

DWORD InfoTest::Dword(const wchar_t* subKey, const wchar_t* name)
{
    DWORD type;
    std::vector<BYTE> data = Raw(subKey, name, &type);
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), type) << "value " << std::string(name, name + wcslen(name));
    DWORD value = 0;
    if (data.size() == sizeof(DWORD))
        memcpy(&value, data.data(), sizeof(DWORD));
    return value;
}

std::wstring InfoTest::Text(const wchar_t* subKey, const wchar_t* name)
{
    DWORD type;
    std::vector<BYTE> data = Raw(subKey, name, &type);
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
    if (!text.empty() && text.back() == L'\0')
        text.pop_back();
    return text;
}

std::vector<BYTE> InfoTest::Binary(const wchar_t* subKey, const wchar_t* name)
{
    DWORD type;
    std::vector<BYTE> data = Raw(subKey, name, &type);
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), type);
    return data;
}

void InfoTest::PutDword(const wchar_t* subKey, const wchar_t* name, DWORD value)
{
    Put(subKey, name, REG_DWORD, &value, sizeof(value));
}

void InfoTest::PutText(const wchar_t* subKey, const wchar_t* name, const std::wstring& text)
{
    Put(subKey, name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void InfoTest::PutBinary(const wchar_t* subKey, const wchar_t* name, const std::vector<BYTE>& bytes)
{
    Put(subKey, name, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
}

void InfoTest::DeleteValue(const wchar_t* subKey, const wchar_t* name)
{
    HKEY key = OpenKey(subKey, false);
    if (key)
    {
        RegDeleteValueW(key, name);
        RegCloseKey(key);
    }
}

