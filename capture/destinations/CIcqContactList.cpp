#include "capture/destinations/CIcqContactList.h"

namespace
{
HWND g_notifyWindow = nullptr;

// Called by the ICQ API, from the message loop of the thread that registered.
void WINAPI OnUserListChanged(int)
{
    if (g_notifyWindow)
        SendMessageW(g_notifyWindow, WM_ICQ_USERLIST_CHANGED, 0, 0);
}
} // namespace

void SetIcqNotifyWindow(HWND window)
{
    g_notifyWindow = window;
}

CIcqContactList::~CIcqContactList()
{
    Free();
}

bool CIcqContactList::Init(HWND combo, const InfoScIcq& record)
{
    if (!InitIcqApi(&m_version, m_api))
        return false;
    m_selectUin = record.UID;
    FillCombo(combo);

    m_api.ICQAPIUtil_SetUserNotificationFunc(ICQAPI_NOTIFY_ONLINELIST, &OnUserListChanged);
    m_api.ICQAPIUtil_SetUserNotificationFunc(ICQAPI_NOTIFY_GROUPLIST, &OnUserListChanged);
    const int notifications[] = {ICQAPI_NOTIFY_ONLINELIST, ICQAPI_NOTIFY_GROUPLIST};
    m_api.ICQAPICall_RegisterNotify(m_version, 2, notifications);
    return true;
}

int CIcqContactList::FillCombo(HWND combo)
{
    // The items point into the lists: they go first.
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    Free();

    if (m_api.ICQAPICall_GetOnlineListDetails(&m_userCount, &m_users))
    {
        for (int i = 0; i < m_userCount; ++i)
            AddUser(combo, m_users[i]);
    }
    if (m_api.ICQAPICall_GetGroupOnlineListDetails(&m_groupCount, &m_groups))
    {
        for (int group = 0; group < m_groupCount; ++group)
        {
            for (int i = 0; i < m_groups[group].UserCount; ++i)
                AddUser(combo, m_groups[group].Users[i]);
        }
    }

    CString number;
    number.Format(L"%d", m_selectUin);
    LRESULT index =
        SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(number.GetString()));
    if (index == CB_ERR)
        index = 0;
    return static_cast<int>(SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0));
}

void CIcqContactList::AddUser(HWND combo, ICQAPI_User& user) const
{
    m_api.ICQAPICall_GetFullUserData(&user);
    CString number;
    number.Format(L"%d", user.Uin);
    LRESULT index = SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(number.GetString()));
    if (index >= 0)
        SendMessageW(combo, CB_SETITEMDATA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&user));
}

void CIcqContactList::Free()
{
    if (m_users)
        m_api.ICQAPIUtil_FreeUsers(m_userCount, m_users);
    m_users = nullptr;
    m_userCount = 0;
    for (int group = 0; m_groups && group < m_groupCount; ++group)
        m_api.ICQAPIUtil_FreeGroup(&m_groups[group]);
    m_groups = nullptr;
    m_groupCount = 0;
}
