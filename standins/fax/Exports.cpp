// The exports of VellFaxService.dll: the class object of the fax server, and the fax
// client's sender defaults. With the service switched off in its settings the library
// answers as a system without a fax service.
#include "standins/fax/CFaxClientDefaults.h"
#include "standins/fax/CFaxServerFactory.h"
#include "standins/fax/CFaxServiceConfig.h"
#include "standins/fax/FaxServiceApi.h"

STDAPI DllGetClassObject(REFCLSID classId, REFIID interfaceId, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (!IsEqualCLSID(classId, CLSID_FaxServer) || !CFaxServiceConfig().IsInstalled())
        return REGDB_E_CLASSNOTREG;
    return CFaxServerFactory::Instance().QueryInterface(interfaceId, object);
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
