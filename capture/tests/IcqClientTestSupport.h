#pragma once
// Test support for the ICQ classes: the ICQ client runs in a fresh folder of the
// test with a contact list the test writes.
#include "testing/TestFolder.h"
#include "standins/icq/IcqApi.h"
#include <gtest/gtest.h>

class IcqClientTest : public ::testing::Test
{
protected:
    void SetUp() override { SetEnvironmentVariableW(kIcqClientFolderVariable, m_folder.Path()); }
    void TearDown() override { SetEnvironmentVariableW(kIcqClientFolderVariable, nullptr); }

    void WriteContact(const wchar_t* section, const wchar_t* key, const wchar_t* value)
    {
        WritePrivateProfileStringW(section, key, value, m_folder / L"Contacts.ini");
    }
    // A user of the contact list, online, in the group when one is given.
    void AddUser(int uin, const wchar_t* firstName, const wchar_t* group)
    {
        CString section;
        section.Format(L"User %d", uin);
        WriteContact(section, L"Nickname", firstName);
        WriteContact(section, L"FirstName", firstName);
        WriteContact(section, L"Group", group);
    }
    void SetRunning(bool running) { WriteContact(L"Client", L"Running", running ? L"1" : L"0"); }

    TestFolder m_folder;
};
