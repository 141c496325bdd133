#include "standins/icq/CIcqApiLibrary.h"

namespace
{
template <class Function> void Find(HMODULE module, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
} // namespace

CIcqApiLibrary::CIcqApiLibrary(const wchar_t* libraryName)
{
    m_module = LoadLibraryW(libraryName);
    if (!m_module)
        return;
    Find(m_module, "ICQAPICall_SetLicenseKey", m_setLicenseKey);
    Find(m_module, "ICQAPICall_GetVersion", m_getVersion);
    Find(m_module, "ICQAPICall_GetOnlineListDetails", m_getOnlineListDetails);
    Find(m_module, "ICQAPICall_GetFullUserData", m_getFullUserData);
    Find(m_module, "ICQAPICall_GetGroupOnlineListDetails", m_getGroupOnlineListDetails);
    Find(m_module, "ICQAPICall_RegisterNotify", m_registerNotify);
    Find(m_module, "ICQAPICall_SendFile", m_sendFile);
    Find(m_module, "ICQAPIUtil_FreeUsers", m_freeUsers);
    Find(m_module, "ICQAPIUtil_FreeGroup", m_freeGroup);
    Find(m_module, "ICQAPIUtil_SetUserNotificationFunc", m_setUserNotificationFunc);
    if (!m_setLicenseKey || !m_getVersion || !m_getOnlineListDetails || !m_getFullUserData ||
        !m_getGroupOnlineListDetails || !m_registerNotify || !m_sendFile || !m_freeUsers || !m_freeGroup ||
        !m_setUserNotificationFunc)
    {
        FreeLibrary(m_module);
        m_module = nullptr;
    }
}

CIcqApiLibrary::~CIcqApiLibrary()
{
    if (m_module)
        FreeLibrary(m_module);
}

bool CIcqApiLibrary::IsLoaded() const
{
    return m_module != nullptr;
}

BOOL CIcqApiLibrary::Missing()
{
    SetLastError(ERROR_MOD_NOT_FOUND);
    return FALSE;
}

BOOL CIcqApiLibrary::ICQAPICall_SetLicenseKey(const char* name, const char* password, const char* licenseKey) const
{
    return IsLoaded() ? m_setLicenseKey(name, password, licenseKey) : Missing();
}

BOOL CIcqApiLibrary::ICQAPICall_GetVersion(int* version) const
{
    return IsLoaded() ? m_getVersion(version) : Missing();
}

BOOL CIcqApiLibrary::ICQAPICall_GetOnlineListDetails(int* count, ICQAPI_User** users) const
{
    return IsLoaded() ? m_getOnlineListDetails(count, users) : Missing();
}

BOOL CIcqApiLibrary::ICQAPICall_GetFullUserData(ICQAPI_User* user) const
{
    return IsLoaded() ? m_getFullUserData(user) : Missing();
}

BOOL CIcqApiLibrary::ICQAPICall_GetGroupOnlineListDetails(int* count, ICQAPI_Group** groups) const
{
    return IsLoaded() ? m_getGroupOnlineListDetails(count, groups) : Missing();
}

BOOL CIcqApiLibrary::ICQAPICall_RegisterNotify(int version, int count, const int* notifications) const
{
    return IsLoaded() ? m_registerNotify(version, count, notifications) : Missing();
}

BOOL CIcqApiLibrary::ICQAPICall_SendFile(int uin, const char* fileName) const
{
    return IsLoaded() ? m_sendFile(uin, fileName) : Missing();
}

void CIcqApiLibrary::ICQAPIUtil_FreeUsers(int count, ICQAPI_User* users) const
{
    if (IsLoaded())
        m_freeUsers(count, users);
}

void CIcqApiLibrary::ICQAPIUtil_FreeGroup(ICQAPI_Group* group) const
{
    if (IsLoaded())
        m_freeGroup(group);
}

BOOL CIcqApiLibrary::ICQAPIUtil_SetUserNotificationFunc(int notification, ICQAPI_NotifyFunc function) const
{
    return IsLoaded() ? m_setUserNotificationFunc(notification, function) : Missing();
}
