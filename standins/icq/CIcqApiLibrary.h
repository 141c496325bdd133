#pragma once
// CIcqApiLibrary: the caller's side of the ICQ API. Loads ICQMAPI.dll with LoadLibrary,
// so that a program starts where no ICQ client is installed; then every call fails as
// the library's calls do when the client is not running (FALSE, ERROR_MOD_NOT_FOUND).
// The calls carry the library's names and arguments (see IcqApi.h).
//
// The library stays loaded while this object lives. Before it goes, free what its calls
// handed out and, on the thread that registered notifications, register none
// (ICQAPICall_RegisterNotify with count 0).
#include "standins/icq/IcqApi.h"

class CIcqApiLibrary
{
public:
    explicit CIcqApiLibrary(const wchar_t* libraryName = kIcqApiLibraryName);
    ~CIcqApiLibrary();
    CIcqApiLibrary(const CIcqApiLibrary&) = delete;
    CIcqApiLibrary& operator=(const CIcqApiLibrary&) = delete;

    // True when the library and all its calls were found.
    bool IsLoaded() const;

    BOOL ICQAPICall_SetLicenseKey(const char* name, const char* password, const char* licenseKey) const;
    BOOL ICQAPICall_GetVersion(int* version) const;
    BOOL ICQAPICall_GetOnlineListDetails(int* count, ICQAPI_User** users) const;
    BOOL ICQAPICall_GetFullUserData(ICQAPI_User* user) const;
    BOOL ICQAPICall_GetGroupOnlineListDetails(int* count, ICQAPI_Group** groups) const;
    BOOL ICQAPICall_RegisterNotify(int version, int count, const int* notifications) const;
    BOOL ICQAPICall_SendFile(int uin, const char* fileName) const;
    void ICQAPIUtil_FreeUsers(int count, ICQAPI_User* users) const;
    void ICQAPIUtil_FreeGroup(ICQAPI_Group* group) const;
    BOOL ICQAPIUtil_SetUserNotificationFunc(int notification, ICQAPI_NotifyFunc function) const;

private:
    // FALSE with ERROR_MOD_NOT_FOUND, the answer of every call without the library.
    static BOOL Missing();

    HMODULE m_module = nullptr;
    PICQAPICALL_SETLICENSEKEY m_setLicenseKey = nullptr;
    PICQAPICALL_GETVERSION m_getVersion = nullptr;
    PICQAPICALL_GETONLINELISTDETAILS m_getOnlineListDetails = nullptr;
    PICQAPICALL_GETFULLUSERDATA m_getFullUserData = nullptr;
    PICQAPICALL_GETGROUPONLINELISTDETAILS m_getGroupOnlineListDetails = nullptr;
    PICQAPICALL_REGISTERNOTIFY m_registerNotify = nullptr;
    PICQAPICALL_SENDFILE m_sendFile = nullptr;
    PICQAPIUTIL_FREEUSERS m_freeUsers = nullptr;
    PICQAPIUTIL_FREEGROUP m_freeGroup = nullptr;
    PICQAPIUTIL_SETUSERNOTIFICATIONFUNC m_setUserNotificationFunc = nullptr;
};
