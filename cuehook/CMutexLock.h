#pragma once
// CMutexLock: holds a Win32 mutex for the life of a scope. The mutex may already be held
// by the same thread (a Win32 mutex counts its owner's waits).
#include <windows.h>

class CMutexLock
{
public:
    explicit CMutexLock(HANDLE mutex) : m_mutex(mutex) { WaitForSingleObject(m_mutex, INFINITE); }
    ~CMutexLock() { ReleaseMutex(m_mutex); }
    CMutexLock(const CMutexLock&) = delete;
    CMutexLock& operator=(const CMutexLock&) = delete;

private:
    HANDLE m_mutex;
};
