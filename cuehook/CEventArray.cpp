#include "cuehook/CEventArray.h"
#include <utility>

CEventArray::CEventArray(HANDLE heap) : m_heap(heap) {}

CEventArray::~CEventArray()
{
    Free();
}

bool CEventArray::Resize(UINT capacity, bool zeroMemory)
{
    if (capacity == 0)
    {
        if (m_events)
            HeapFree(m_heap, 0, m_events);
        m_events = nullptr;
        m_capacity = 0;
        return true;
    }
    const SIZE_T bytes = static_cast<SIZE_T>(capacity) * sizeof(EVENTMSG);
    const DWORD flags = zeroMemory ? HEAP_ZERO_MEMORY : 0;
    void* memory = m_events ? HeapReAlloc(m_heap, flags, m_events, bytes) : HeapAlloc(m_heap, flags, bytes);
    if (!memory)
        return false;
    m_events = static_cast<EVENTMSG*>(memory);
    m_capacity = capacity;
    return true;
}

void CEventArray::Swap(CEventArray& other)
{
    std::swap(m_events, other.m_events);
    std::swap(m_capacity, other.m_capacity);
}
