#pragma once
// CTestCameraDevices: what a test changes of the test camera for its own run, put back
// when the object goes: the cameras the device enumerator lists (each an instance of
// the camera under its own friendly name, in the order given; none for "no camera")
// and the camera's switches (TestCameraIds.h). Both live in the test prefix's registry,
// which every test program shares: test programs that use the camera take one lock.
// COM must be initialised.
#include <windows.h>

#include <string>
#include <vector>

class CTestCameraDevices
{
public:
    CTestCameraDevices() = default;
    ~CTestCameraDevices();
    CTestCameraDevices(const CTestCameraDevices&) = delete;
    CTestCameraDevices& operator=(const CTestCameraDevices&) = delete;

    // Lists these cameras in place of the one registered.
    HRESULT ListCameras(const std::vector<std::wstring>& names);
    // Sets a switch (or a value) for the cameras bound from now on.
    bool SetSwitch(const wchar_t* name, bool on) { return SetValue(name, on ? 1 : 0); }
    bool SetValue(const wchar_t* name, DWORD value);

private:
    HRESULT Restore();

    std::vector<std::wstring> m_instances;
    bool m_listed = false;
    bool m_switched = false;
};
