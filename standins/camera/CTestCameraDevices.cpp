#include "standins/camera/CTestCameraDevices.h"

#include "standins/camera/TestCameraIds.h"
#include "standins/filterkit/CKitRef.h"

#include <cstdio>
#include <uuids.h>

namespace
{
HRESULT CreateMapper(CKitRef<IFilterMapper2>& mapper)
{
    return CoCreateInstance(CLSID_FilterMapper2, nullptr, CLSCTX_INPROC_SERVER, IID_IFilterMapper2,
                            reinterpret_cast<void**>(mapper.Receive()));
}

HRESULT RegisterInstance(IFilterMapper2* mapper, const wchar_t* name, const wchar_t* instance)
{
    REGFILTER2 filter{};
    filter.dwVersion = 2;
    filter.dwMerit = MERIT_DO_NOT_USE;
    return mapper->RegisterFilter(CLSID_TestCamera, name, nullptr, &CLSID_VideoInputDeviceCategory, instance,
                                  &filter);
}
} // namespace

CTestCameraDevices::~CTestCameraDevices()
{
    Restore();
    if (m_switched)
        RegDeleteTreeW(HKEY_CURRENT_USER, kTestCameraSwitchKey);
}

HRESULT CTestCameraDevices::ListCameras(const std::vector<std::wstring>& names)
{
    CKitRef<IFilterMapper2> mapper;
    HRESULT result = Restore();
    if (SUCCEEDED(result))
        result = CreateMapper(mapper);
    if (FAILED(result))
        return result;
    // The default instance is keyed by the class id.
    mapper->UnregisterFilter(&CLSID_VideoInputDeviceCategory, nullptr, CLSID_TestCamera);
    m_listed = true;
    // Instances are listed in the order of their keys.
    for (size_t i = 0; i < names.size() && SUCCEEDED(result); ++i)
    {
        wchar_t instance[32];
        swprintf(instance, 32, L"Test Camera %02u", static_cast<unsigned>(i));
        result = RegisterInstance(mapper.Get(), names[i].c_str(), instance);
        m_instances.push_back(instance);
    }
    return result;
}

HRESULT CTestCameraDevices::Restore()
{
    if (!m_listed)
        return S_OK;
    CKitRef<IFilterMapper2> mapper;
    HRESULT result = CreateMapper(mapper);
    if (FAILED(result))
        return result;
    for (const std::wstring& instance : m_instances)
        mapper->UnregisterFilter(&CLSID_VideoInputDeviceCategory, instance.c_str(), CLSID_TestCamera);
    m_instances.clear();
    m_listed = false;
    return RegisterInstance(mapper.Get(), kTestCameraName, nullptr);
}

bool CTestCameraDevices::SetValue(const wchar_t* name, DWORD value)
{
    m_switched = true;
    return RegSetKeyValueW(HKEY_CURRENT_USER, kTestCameraSwitchKey, name, REG_DWORD, &value, sizeof(value)) ==
           ERROR_SUCCESS;
}
