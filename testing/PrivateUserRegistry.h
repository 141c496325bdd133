#pragma once
// Gives a test program a private HKEY_CURRENT_USER for its whole run: the predefined key
// is redirected to a fresh key of the program's own, deleted at the end, so tests of the
// settings records never read or write the user's own settings. Register it once in a
// test program: testing::AddGlobalTestEnvironment(new PrivateUserRegistry).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

class PrivateUserRegistry : public ::testing::Environment
{
public:
    void SetUp() override
    {
        m_path = L"Software\\VellumorTests\\" + std::to_wstring(GetCurrentProcessId());
        RegDeleteTreeW(HKEY_CURRENT_USER, m_path.c_str());
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, m_path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                                 nullptr, &m_key, nullptr));
        ASSERT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_CURRENT_USER, m_key));
    }
    void TearDown() override
    {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegCloseKey(m_key);
        RegDeleteTreeW(HKEY_CURRENT_USER, m_path.c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, m_path.c_str());
    }

    // The private key's path below the real HKEY_CURRENT_USER.
    const std::wstring& Path() const { return m_path; }

private:
    std::wstring m_path;
    HKEY m_key = nullptr;
};
