#pragma once
// The ICQ client's programming interface as programs use it: the library ICQMAPI.dll,
// which a program loads through CIcqApiLibrary, never by a static import, so that it still
// starts where no ICQ client is installed. While the client is not running every call
// but the freeing and ICQAPIUtil_SetUserNotificationFunc answers FALSE; a failing call
// sets the thread's last error to tell why.
//
// The client's contact list and its received files live in its folder (see
// CIcqClientConfig).
#include <windows.h>

// The file name of the ICQ API library.
const wchar_t kIcqApiLibraryName[] = L"ICQMAPI.dll";
// When set, the client's folder in place of
// "<user's application data>\Talvono Software\Vellumor\IcqClient".
const wchar_t kIcqClientFolderVariable[] = L"VELL_ICQ_CLIENT_DIR";

// The user-list notifications.
const int ICQAPI_NOTIFY_ONLINELIST = 0; // the online list or one of its users changed
const int ICQAPI_NOTIFY_GROUPLIST = 1;  // a group or one of its users changed

const int ICQAPI_STATUS_OFFLINE = 0;
const int ICQAPI_STATUS_ONLINE = 1;

// A user of the contact list. The list calls fill Uin, Status and Nickname;
// ICQAPICall_GetFullUserData fills the rest. Texts are in the ANSI code page.
struct ICQAPI_User
{
    int Uin;
    int Status;
    int IP; // IPv4, the first number in the highest byte
    char Nickname[64];
    char FirstName[64];
    char LastName[64];
    char Email[128];
};

// A group of the contact list with its users.
struct ICQAPI_Group
{
    char Name[64];
    int UserCount;
    ICQAPI_User* Users;
    void* Reserved; // the library's own
};

// Called on the thread that registered for notifications, from its message loop.
typedef void(WINAPI* ICQAPI_NotifyFunc)(int notification);

// The library's exports.
// Hands the API the calling application's name, password and licence key; name and key
// must not be empty.
typedef BOOL(WINAPI* PICQAPICALL_SETLICENSEKEY)(const char* name, const char* password, const char* licenseKey);
typedef BOOL(WINAPI* PICQAPICALL_GETVERSION)(int* version);
// The online users; the array (null when there are none) is freed with ICQAPIUtil_FreeUsers.
typedef BOOL(WINAPI* PICQAPICALL_GETONLINELISTDETAILS)(int* count, ICQAPI_User** users);
// Fills user, found by its Uin.
typedef BOOL(WINAPI* PICQAPICALL_GETFULLUSERDATA)(ICQAPI_User* user);
// The groups with their online users; each group is freed with ICQAPIUtil_FreeGroup,
// which frees the array with the last of them.
typedef BOOL(WINAPI* PICQAPICALL_GETGROUPONLINELISTDETAILS)(int* count, ICQAPI_Group** groups);
// Sets the notifications reported from now on (none with count 0); version is the one
// ICQAPICall_GetVersion gives.
typedef BOOL(WINAPI* PICQAPICALL_REGISTERNOTIFY)(int version, int count, const int* notifications);
// Sends the file to an online user of the contact list.
typedef BOOL(WINAPI* PICQAPICALL_SENDFILE)(int uin, const char* fileName);
typedef void(WINAPI* PICQAPIUTIL_FREEUSERS)(int count, ICQAPI_User* users);
typedef void(WINAPI* PICQAPIUTIL_FREEGROUP)(ICQAPI_Group* group);
// Sets the function called for a notification (null for none).
typedef BOOL(WINAPI* PICQAPIUTIL_SETUSERNOTIFICATIONFUNC)(int notification, ICQAPI_NotifyFunc function);
