#pragma once
// CIcqClientConfig: the ICQ client's folder and its contact list, Contacts.ini, which the
// user edits:
//   [Client]        Running=0 makes the client installed but not running (default 1).
//   [User 12345678] one section per user, named for the user's number: Nickname,
//                   FirstName, LastName, Email, IP ("a.b.c.d"), Online (default 1) and
//                   Group (the group the user is listed in as well; optional).
// Offline users are listed nowhere and receive no files. Files sent to a user land in
// <folder>\Files\<number>. The folder is the IcqClient folder of
// <user's application data>\Talvono Software\Vellumor, or the one that the environment
// variable VELL_ICQ_CLIENT_DIR names.
// Without Contacts.ini the client runs with an empty list.
#include "framework/CString.h"
#include <utility>
#include <vector>

class CIcqClientConfig
{
public:
    struct Contact
    {
        int uin = 0;
        CString nickname;
        CString firstName;
        CString lastName;
        CString email;
        int ip = 0;
        bool online = true;
        CString group;
    };
    typedef std::pair<CString, std::vector<const Contact*>> Group;

    // Locates the folder and reads the contact list.
    CIcqClientConfig();

    // The folder, without a trailing separator.
    const CString& GetFolder() const { return m_folder; }
    CString GetContactsPath() const;
    CString GetFilesFolder(int uin) const;

    bool IsRunning() const { return m_running; }
    // The user with that number, or null.
    const Contact* Find(int uin) const;
    // The online users, in the order of the file.
    std::vector<const Contact*> GetOnlineList() const;
    // The groups of the online users in the order they first appear, each with its users.
    std::vector<Group> GetGroups() const;

    // "a.b.c.d" as a number with a in the highest byte; 0 when it is not an address.
    static int ParseAddress(const CString& address);

private:
    void Load();
    CString ReadValue(const wchar_t* section, const wchar_t* key, const wchar_t* fallback = L"") const;

    CString m_folder;
    bool m_running = true;
    std::vector<Contact> m_contacts;
};
