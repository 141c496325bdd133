#include "standins/audio/CDevicePresence.h"

#include "standins/audio/CTestAudioDevice.h"
#include "standins/audio/TestAudioIds.h"

#include <algorithm>
#include <cwchar>

namespace
{
HANDLE CreateProcessEvent(const wchar_t* format)
{
    wchar_t name[80];
    swprintf(name, 80, format, GetCurrentProcessId());
    return CreateEventW(nullptr, FALSE, FALSE, name);
}
} // namespace

CDevicePresence& CDevicePresence::Instance()
{
    static CDevicePresence presence;
    return presence;
}

CDevicePresence::CDevicePresence()
{
    InitializeCriticalSection(&m_lock);
}

void CDevicePresence::Add(CTestAudioDevice* device)
{
    EnterCriticalSection(&m_lock);
    if (std::find(m_devices.begin(), m_devices.end(), device) == m_devices.end())
        m_devices.push_back(device);
    if (!m_watching)
        StartWatch();
    LeaveCriticalSection(&m_lock);
}

// The events are made here, before the device is in its graph, so that a test may set
// them as soon as the graph is built.
void CDevicePresence::StartWatch()
{
    m_remove = CreateProcessEvent(kTestAudioRemoveEventFormat);
    m_comeBack = CreateProcessEvent(kTestAudioReturnEventFormat);
    HANDLE thread = m_remove && m_comeBack ? CreateThread(nullptr, 0, ThreadMain, this, 0, nullptr) : nullptr;
    m_watching = thread != nullptr;
    if (thread)
        CloseHandle(thread);
}

bool CDevicePresence::IsWatching()
{
    EnterCriticalSection(&m_lock);
    bool watching = m_watching;
    LeaveCriticalSection(&m_lock);
    return watching;
}

void CDevicePresence::Remove(CTestAudioDevice* device)
{
    EnterCriticalSection(&m_lock);
    m_devices.erase(std::remove(m_devices.begin(), m_devices.end(), device), m_devices.end());
    LeaveCriticalSection(&m_lock);
}

DWORD WINAPI CDevicePresence::ThreadMain(void* self)
{
    auto* presence = static_cast<CDevicePresence*>(self);
    const HANDLE waits[] = {presence->m_remove, presence->m_comeBack};
    for (;;)
    {
        DWORD signalled = WaitForMultipleObjects(2, waits, FALSE, INFINITE);
        if (signalled != WAIT_OBJECT_0 && signalled != WAIT_OBJECT_0 + 1)
            return 1;
        presence->Report(signalled == WAIT_OBJECT_0 + 1);
    }
}

void CDevicePresence::Report(bool present)
{
    EnterCriticalSection(&m_lock);
    m_present = present;
    for (CTestAudioDevice* device : m_devices)
        device->ReportPresence(present);
    LeaveCriticalSection(&m_lock);
}
