#pragma once
// CIcqContactList: the ICQ users that the ICQ client lists, shown in a combo box
// of the ICQ user page. Each item's text is the user's number and its data the
// user's record (an ICQAPI_User*), which the list keeps until it is filled again
// or freed. Changes of the client's user lists are told to the notify window as
// WM_ICQ_USERLIST_CHANGED, which arrives from the message loop of the thread that
// called Init.
#include "Info/InfoScIcq.h"
#include "capture/destinations/IcqApiAccess.h"

// Sent, with no parameters, to the notify window when a user list of the ICQ
// client changed.
const UINT WM_ICQ_USERLIST_CHANGED = WM_USER + 107;

// The window that receives WM_ICQ_USERLIST_CHANGED; null for none.
void SetIcqNotifyWindow(HWND window);

class CIcqContactList
{
public:
    // api: the ICQ API library to read the users from.
    explicit CIcqContactList(const CIcqApiLibrary& api = GetIcqApiLibrary()) : m_api(api) {}
    ~CIcqContactList();
    CIcqContactList(const CIcqContactList&) = delete;
    CIcqContactList& operator=(const CIcqContactList&) = delete;

    // Starts the ICQ API, fills the combo box selecting the record's user and
    // asks for the user-list notifications. False (and nothing listed) when the
    // API is not available.
    bool Init(HWND combo, const InfoScIcq& record);
    // Lists the online users, then the users of each group (a user in both is
    // listed twice), and selects the user to select, or the first item when that
    // one is not listed. The index selected; -1 for an empty box.
    int FillCombo(HWND combo);
    // Frees the user and group lists.
    void Free();

private:
    // Reads the user's full record and adds it to the combo box.
    void AddUser(HWND combo, ICQAPI_User& user) const;

    int m_selectUin = 0;
    int m_version = 0;
    ICQAPI_User* m_users = nullptr;
    int m_userCount = 0;
    ICQAPI_Group* m_groups = nullptr;
    int m_groupCount = 0;
    const CIcqApiLibrary& m_api;
};
