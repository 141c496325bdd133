#pragma once
// Each test starts the program with an empty profile of its own (recent list, window
// placement, bar places, the pages last looked at), which is removed again afterwards.
#include "app/tests/MainProgram.h"

#include <gtest/gtest.h>

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

class ProfileFixture : public ::testing::Test
{
protected:
    void SetUp() override { ClearProfile(); }
    void TearDown() override
    {
        if (program.Window())
            EXPECT_EQ(0, program.Exit());
        ClearProfile();
    }

    // Starts the program; the test fails when it does not come up without a box.
    void StartProgram()
    {
        const bool started = program.Start();
        for (const Box& box : program.Boxes())
            ADD_FAILURE() << "unexpected box at start: " << box.text.GetString();
        if (!started)
        {
            DWORD code = 0;
            GetExitCodeProcess(program.Process(), &code);
            ADD_FAILURE() << "exit code " << code << " windows " << program.Describe().GetString();
        }
        ASSERT_TRUE(started);
    }

    MainProgram program;
};
} // namespace app_test
