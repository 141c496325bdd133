// The exports of the test audio stand-ins: the class objects of the test audio device and
// of the wave writer, and their registration (the device among the audio input devices,
// the writer among the DirectShow filters, neither chosen by intelligent connect).
#include "standins/audio/CDevicePresence.h"
#include "standins/audio/CTestAudioDevice.h"
#include "standins/audio/CWavWriter.h"
#include "standins/audio/TestAudioIds.h"
#include "standins/filterkit/CKitClassFactory.h"
#include "standins/filterkit/KitRegistration.h"

#include <uuids.h>

namespace
{
const REGPINTYPES kPcmType = {&MEDIATYPE_Audio, &MEDIASUBTYPE_PCM};
const REGPINTYPES kWaveStreamType = {&MEDIATYPE_Stream, &MEDIASUBTYPE_WAVE};

const REGFILTERPINS2 kDevicePins[] = {
    {REG_PINFLAG_B_OUTPUT, 1, 1, &kPcmType, 0, nullptr, &PIN_CATEGORY_CAPTURE},
};
const REGFILTERPINS2 kWriterPins[] = {
    {0, 1, 1, &kPcmType, 0, nullptr, nullptr},
    {REG_PINFLAG_B_OUTPUT, 1, 1, &kWaveStreamType, 0, nullptr, nullptr},
};

const KitFilterEntry kFilters[] = {
    {&CLSID_TestAudioDevice, kTestAudioDeviceName, &CLSID_AudioInputDeviceCategory, MERIT_DO_NOT_USE, kDevicePins, 1},
    {&CLSID_WavDest, kWavDestName, &CLSID_LegacyAmFilterCategory, MERIT_DO_NOT_USE, kWriterPins, 2},
};

CKitClassFactory g_deviceFactory(CLSID_TestAudioDevice, &CTestAudioDevice::Create);
CKitClassFactory g_writerFactory(CLSID_WavDest, &CWavWriter::Create);
CKitClassFactory* const kFactories[] = {&g_deviceFactory, &g_writerFactory};
} // namespace

STDAPI DllGetClassObject(REFCLSID classId, REFIID interfaceId, void** object)
{
    return CKitClassFactory::GetClassObject(kFactories, 2, classId, interfaceId, object);
}

STDAPI DllCanUnloadNow()
{
    return CKitClassFactory::CanUnloadModule() && !CDevicePresence::Instance().IsWatching() ? S_OK : S_FALSE;
}

STDAPI DllRegisterServer()
{
    wchar_t path[MAX_PATH];
    HRESULT result = KitModulePath(path, MAX_PATH);
    return SUCCEEDED(result) ? KitRegisterFilters(kFilters, 2, path) : result;
}

STDAPI DllUnregisterServer()
{
    return KitUnregisterFilters(kFilters, 2);
}
