#pragma once
// CEventArray: the recorded events, an array of EVENTMSG on a heap (the process heap unless
// the owner names another). It only holds memory; how many events are in use is the
// owner's business.
#include <windows.h>

class CEventArray
{
public:
    explicit CEventArray(HANDLE heap);
    ~CEventArray();
    CEventArray(const CEventArray&) = delete;
    CEventArray& operator=(const CEventArray&) = delete;

    // Brings the array to capacity events, keeping the first ones; new room is zeroed
    // when asked. 0 frees it. On failure the array and its events stay as they were.
    bool Resize(UINT capacity, bool zeroMemory = false);
    void Free() { Resize(0); }
    // Exchanges the memory of two arrays on the same heap.
    void Swap(CEventArray& other);

    UINT GetCapacity() const { return m_capacity; }
    EVENTMSG* GetData() { return m_events; }
    const EVENTMSG* GetData() const { return m_events; }
    EVENTMSG& operator[](UINT index) { return m_events[index]; }
    const EVENTMSG& operator[](UINT index) const { return m_events[index]; }

private:
    HANDLE m_heap;
    EVENTMSG* m_events = nullptr;
    UINT m_capacity = 0;
};
