// The exports of the test camera stand-ins: the class objects of the test camera, of
// the AVI multiplexer and of the camera's property page, and their registration (the camera among the video input
// devices, the multiplexer among the DirectShow filters under the platform's class id,
// neither chosen by intelligent connect).
#include "standins/camera/CAviMux.h"
#include "standins/camera/CCameraPropertyPage.h"
#include "standins/camera/CTestCamera.h"
#include "standins/camera/TestCameraIds.h"
#include "standins/filterkit/CKitClassFactory.h"
#include "standins/filterkit/KitRegistration.h"

#include <uuids.h>

namespace
{
const REGPINTYPES kVideoType = {&MEDIATYPE_Video, &MEDIASUBTYPE_RGB32};
const REGPINTYPES kPcmType = {&MEDIATYPE_Audio, &MEDIASUBTYPE_PCM};
const REGPINTYPES kAviType = {&MEDIATYPE_Stream, &MEDIASUBTYPE_Avi};

const REGFILTERPINS2 kCameraPins[] = {
    {REG_PINFLAG_B_OUTPUT, 1, 1, &kVideoType, 0, nullptr, &PIN_CATEGORY_CAPTURE},
    {REG_PINFLAG_B_OUTPUT, 1, 1, &kVideoType, 0, nullptr, &PIN_CATEGORY_PREVIEW},
};
const REGFILTERPINS2 kMuxPins[] = {
    {0, 1, 1, &kVideoType, 0, nullptr, nullptr},
    {0, 1, 1, &kPcmType, 0, nullptr, nullptr},
    {REG_PINFLAG_B_OUTPUT, 1, 1, &kAviType, 0, nullptr, nullptr},
};

const KitFilterEntry kFilters[] = {
    {&CLSID_TestCamera, kTestCameraName, &CLSID_VideoInputDeviceCategory, MERIT_DO_NOT_USE, kCameraPins, 2},
    {&CLSID_TestAviMux, kTestAviMuxName, &CLSID_LegacyAmFilterCategory, MERIT_DO_NOT_USE, kMuxPins, 3},
};

CKitClassFactory g_cameraFactory(CLSID_TestCamera, &CTestCamera::Create);
CKitClassFactory g_muxFactory(CLSID_TestAviMux, &CAviMux::Create);
CKitClassFactory g_pageFactory(CLSID_TestCameraPage, &CCameraPropertyPage::Create);
CKitClassFactory* const kFactories[] = {&g_cameraFactory, &g_muxFactory, &g_pageFactory};
} // namespace

STDAPI DllGetClassObject(REFCLSID classId, REFIID interfaceId, void** object)
{
    return CKitClassFactory::GetClassObject(kFactories, 3, classId, interfaceId, object);
}

STDAPI DllCanUnloadNow()
{
    return CKitClassFactory::CanUnloadModule() ? S_OK : S_FALSE;
}

STDAPI DllRegisterServer()
{
    wchar_t path[MAX_PATH];
    HRESULT result = KitModulePath(path, MAX_PATH);
    if (SUCCEEDED(result))
        result = KitRegisterFilters(kFilters, 2, path);
    return SUCCEEDED(result) ? KitRegisterClass(CLSID_TestCameraPage, kTestCameraPageTitle, path) : result;
}

STDAPI DllUnregisterServer()
{
    const HRESULT result = KitUnregisterFilters(kFilters, 2);
    return SUCCEEDED(result) ? KitUnregisterClass(CLSID_TestCameraPage) : result;
}
