#pragma once
// Each test starts the program with an empty profile of its own (recent list, window
// placement, bar places, the pages last looked at), which is removed again afterwards.
#include "app/tests/MainProgram.h"

#include <gtest/gtest.h>

#include <string>

namespace app_test
{
const wchar_t kProductKey[] = L"Software\\Talvono Software\\Talvono Vellumor";

inline void ClearProfile()
{
    for (const wchar_t* section : {L"Recent Config Files", L"CtrlBars", L"PersistWndSetts", L"ActivePage", L"ActivePageSetts"})
        RegDeleteTreeW(HKEY_CURRENT_USER, CString(kProductKey) + L"\\" + section);
}

inline CString ReadString(HKEY root, const CString& key, const wchar_t* name)
{
    wchar_t value[1024] = {};
    DWORD size = sizeof value;
    if (RegGetValueW(root, key, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return L"";
    return value;
}

// Keeps a copy of every setting of the product and puts it back when it goes: for tests
// whose program stores records, options or a whole configuration.
class ProductKeyBackup
{
public:
    ProductKeyBackup() : m_backup(L"Software\\VellumorTests\\Backup" + std::to_wstring(GetCurrentProcessId()))
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, m_backup.c_str());
        Copy(kProductKey, m_backup.c_str());
    }
    ~ProductKeyBackup()
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, kProductKey);
        Copy(m_backup.c_str(), kProductKey);
        RegDeleteTreeW(HKEY_CURRENT_USER, m_backup.c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, m_backup.c_str());
    }
    ProductKeyBackup(const ProductKeyBackup&) = delete;
    ProductKeyBackup& operator=(const ProductKeyBackup&) = delete;

private:
    static void Copy(const wchar_t* from, const wchar_t* to)
    {
        HKEY source = nullptr;
        HKEY target = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, from, 0, KEY_READ, &source) == ERROR_SUCCESS &&
            RegCreateKeyExW(HKEY_CURRENT_USER, to, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &target, nullptr) ==
                ERROR_SUCCESS)
        {
            EXPECT_EQ(ERROR_SUCCESS, RegCopyTreeW(source, nullptr, target));
        }
        RegCloseKey(source);
        RegCloseKey(target);
    }

    std::wstring m_backup;
};

class ProfileFixture : public ::testing::Test
{
protected:
    void SetUp() override { ClearProfile(); }
    void TearDown() override
    {
        if (program.Window())
        {
            EXPECT_EQ(0, program.Exit());
        }
        ClearProfile();
    }

    // Starts the program; the test fails when it does not come up, taking input, without a
    // box.
    void StartProgram()
    {
        const bool started = program.Start();
        for (const Box& box : program.Boxes())
            ADD_FAILURE() << "unexpected box at start: " << box.text.GetString();
        if (!started)
        {
            DWORD code = 0;
            GetExitCodeProcess(program.Process(), &code);
            ADD_FAILURE() << program.GetErrorText().ToAnsi() << " Exit code " << code << ", windows "
                          << program.Describe().GetString();
        }
        ASSERT_TRUE(started);
    }

    MainProgram program;
};
} // namespace app_test
