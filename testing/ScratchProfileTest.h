#pragma once
// A scratch application profile that each test starts from empty and removes again,
// for the tests of the profile itself, recent-file lists and window placement.
#include "framework/AppProfile.h"
#include <gtest/gtest.h>

// The profile of these tests: HKCU\Software\Talvono Software\Vellumor Threads Tests.
class ScratchProfileTest : public ::testing::Test
{
protected:
    static constexpr const wchar_t* kMaker = L"Talvono Software";
    static constexpr const wchar_t* kApplication = L"Vellumor Threads Tests";

    void SetUp() override
    {
        AppSetRegistryKey(kMaker);
        AppSetProfileName(kApplication);
        RemoveProfile();
    }
    void TearDown() override
    {
        RemoveProfile();
        AppSetRegistryKey(nullptr);
        AppSetProfileName(nullptr);
    }

    static CString SectionKey(const wchar_t* section)
    {
        return CString(L"Software\\") + kMaker + L"\\" + kApplication + L"\\" + section;
    }

    // The stored text of a value, read straight from the registry; empty when missing.
    static CString StoredText(const wchar_t* section, const wchar_t* entry)
    {
        wchar_t text[1024] = L"";
        DWORD size = sizeof(text);
        if (RegGetValueW(HKEY_CURRENT_USER, SectionKey(section), entry, RRF_RT_REG_SZ, nullptr, text, &size) !=
            ERROR_SUCCESS)
            return CString();
        return CString(text);
    }

    static bool ValueExists(const wchar_t* section, const wchar_t* entry)
    {
        return RegGetValueW(HKEY_CURRENT_USER, SectionKey(section), entry, RRF_RT_ANY, nullptr, nullptr, nullptr) ==
               ERROR_SUCCESS;
    }

private:
    static void RemoveProfile()
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, (CString(L"Software\\") + kMaker + L"\\" + kApplication).GetString());
    }
};
