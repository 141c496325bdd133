// The exports of ICQMAPI.dll. Each call reads the client's contact list afresh, so edits
// of the list show at once. While the client is not running every call but the freeing
// and the notification functions fails with ERROR_SERVICE_NOT_ACTIVE.
#include "standins/icq/CIcqClientConfig.h"
#include "standins/icq/CIcqFileTransfer.h"
#include "standins/icq/CIcqNotifier.h"
#include "standins/icq/CIcqRecords.h"
#include "standins/icq/IcqApi.h"

namespace
{
const int kApiVersion = 1;

// False with ERROR_SERVICE_NOT_ACTIVE while the client is not running.
bool ClientRunning(const CIcqClientConfig& config)
{
    if (config.IsRunning())
        return true;
    SetLastError(ERROR_SERVICE_NOT_ACTIVE);
    return false;
}

BOOL InvalidParameter()
{
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
}
} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, void* reserved)
{
    // At process exit the thread's timers go with it.
    if (reason == DLL_PROCESS_DETACH && !reserved)
        CIcqNotifier::Instance().Stop();
    return TRUE;
}

extern "C" BOOL WINAPI ICQAPICall_SetLicenseKey(const char* name, const char* password, const char* licenseKey)
{
    CIcqClientConfig config;
    if (!ClientRunning(config))
        return FALSE;
    if (!name || !*name || !licenseKey || !*licenseKey)
        return InvalidParameter();
    return TRUE;
}

extern "C" BOOL WINAPI ICQAPICall_GetVersion(int* version)
{
    CIcqClientConfig config;
    if (!ClientRunning(config))
        return FALSE;
    if (!version)
        return InvalidParameter();
    *version = kApiVersion;
    return TRUE;
}

extern "C" BOOL WINAPI ICQAPICall_GetOnlineListDetails(int* count, ICQAPI_User** users)
{
    if (!count || !users)
        return InvalidParameter();
    *count = 0;
    *users = nullptr;
    CIcqClientConfig config;
    if (!ClientRunning(config))
        return FALSE;
    std::vector<const CIcqClientConfig::Contact*> online = config.GetOnlineList();
    *users = CIcqRecords::CreateUsers(online);
    *count = static_cast<int>(online.size());
    return TRUE;
}

extern "C" BOOL WINAPI ICQAPICall_GetFullUserData(ICQAPI_User* user)
{
    if (!user)
        return InvalidParameter();
    CIcqClientConfig config;
    if (!ClientRunning(config))
        return FALSE;
    const CIcqClientConfig::Contact* contact = config.Find(user->Uin);
    if (!contact)
    {
        SetLastError(ERROR_NOT_FOUND);
        return FALSE;
    }
    CIcqRecords::FillFull(*user, *contact);
    return TRUE;
}

extern "C" BOOL WINAPI ICQAPICall_GetGroupOnlineListDetails(int* count, ICQAPI_Group** groups)
{
    if (!count || !groups)
        return InvalidParameter();
    *count = 0;
    *groups = nullptr;
    CIcqClientConfig config;
    if (!ClientRunning(config))
        return FALSE;
    std::vector<CIcqClientConfig::Group> found = config.GetGroups();
    *groups = CIcqRecords::CreateGroups(found);
    *count = static_cast<int>(found.size());
    return TRUE;
}

extern "C" BOOL WINAPI ICQAPICall_RegisterNotify(int version, int count, const int* notifications)
{
    CIcqClientConfig config;
    if (!ClientRunning(config))
        return FALSE;
    if (version < 1 || version > kApiVersion || !CIcqNotifier::Instance().Register(count, notifications))
        return InvalidParameter();
    return TRUE;
}

extern "C" BOOL WINAPI ICQAPICall_SendFile(int uin, const char* fileName)
{
    if (!fileName)
        return InvalidParameter();
    CIcqClientConfig config;
    return CIcqFileTransfer(config).Send(uin, CString(fileName)) ? TRUE : FALSE;
}

extern "C" void WINAPI ICQAPIUtil_FreeUsers(int, ICQAPI_User* users)
{
    CIcqRecords::FreeUsers(users);
}

extern "C" void WINAPI ICQAPIUtil_FreeGroup(ICQAPI_Group* group)
{
    CIcqRecords::FreeGroup(group);
}

extern "C" BOOL WINAPI ICQAPIUtil_SetUserNotificationFunc(int notification, ICQAPI_NotifyFunc function)
{
    return CIcqNotifier::Instance().SetFunction(notification, function) ? TRUE : InvalidParameter();
}
