#pragma once
// CDevicePresence: whether the test audio device of this process is present, switched
// by a test through the two named events of TestAudioIds.h, and the devices that are in
// a graph and so report the switch.
//
// Protocol: the first device that joins a graph opens both events and starts a watch
// thread, which lives as long as the process (the module then stays loaded): on each
// event it changes the presence and calls ReportPresence of every device listed, under
// the list's lock. So the presence holds also while no device is in a graph, and a
// device put in a graph while removed sees it. A device leaves the list before it is
// destroyed.
#include <windows.h>
#include <vector>

class CTestAudioDevice;

class CDevicePresence
{
public:
    static CDevicePresence& Instance();

    bool IsPresent() const { return m_present; }
    // Whether the watch thread runs, which keeps the module loaded.
    bool IsWatching();
    void Add(CTestAudioDevice* device);
    void Remove(CTestAudioDevice* device);

private:
    CDevicePresence();
    void StartWatch();
    static DWORD WINAPI ThreadMain(void* self);
    void Report(bool present);

    CRITICAL_SECTION m_lock;
    std::vector<CTestAudioDevice*> m_devices;
    bool m_watching = false;
    HANDLE m_remove = nullptr;
    HANDLE m_comeBack = nullptr;
    volatile bool m_present = true;
};
