// The exports of the fax client library: the fax server's class object and registration,
// and the fax client's sender defaults. With the service switched off in its settings
// the library answers as a system without a fax service: the class is not registered.
#include "common/FaxClientApi.h"
#include "framework/AppModule.h"
#include "standins/fax/CDispatchObject.h"
#include "standins/fax/CFaxClientDefaults.h"
#include "standins/fax/CFaxServerFactory.h"
#include "standins/fax/CFaxServerRegistration.h"
#include "standins/fax/CFaxServiceConfig.h"

STDAPI DllGetClassObject(REFCLSID classId, REFIID interfaceId, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (!IsEqualCLSID(classId, CLSID_FaxServer) || !CFaxServiceConfig().IsInstalled())
        return REGDB_E_CLASSNOTREG;
    return CFaxServerFactory::Instance().QueryInterface(interfaceId, object);
}

STDAPI DllCanUnloadNow()
{
    return CDispatchObject::GetLiveObjects() == 0 && !CFaxServerFactory::Instance().IsLocked() ? S_OK : S_FALSE;
}

STDAPI DllRegisterServer()
{
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(AppGetCodeModule(), path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return HRESULT_FROM_WIN32(length ? ERROR_INSUFFICIENT_BUFFER : GetLastError());
    return CFaxServerRegistration::Register(path);
}

STDAPI DllUnregisterServer()
{
    return CFaxServerRegistration::Unregister();
}

extern "C" BOOL WINAPI FaxCompleteJobParamsW(FAX_JOB_PARAMW** jobParams, FAX_COVERPAGE_INFOW** coverpageInfo)
{
    if (!jobParams || !coverpageInfo)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *jobParams = nullptr;
    *coverpageInfo = nullptr;
    CFaxServiceConfig config;
    if (!config.IsInstalled())
    {
        SetLastError(ERROR_SERVICE_DOES_NOT_EXIST);
        return FALSE;
    }
    if (!config.HasSenderDefaults())
    {
        SetLastError(ERROR_NOT_FOUND);
        return FALSE;
    }
    CFaxClientDefaults defaults(config);
    *jobParams = defaults.CreateJobParams();
    *coverpageInfo = defaults.CreateCoverpageInfo();
    if (!*jobParams || !*coverpageInfo)
    {
        LocalFree(*jobParams);
        LocalFree(*coverpageInfo);
        *jobParams = nullptr;
        *coverpageInfo = nullptr;
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
    return TRUE;
}

extern "C" void WINAPI FaxFreeBuffer(void* buffer)
{
    LocalFree(buffer);
}
