#pragma once
// Owners of Win32 handles that must be given back exactly once: a window's device
// context, a created DC, a GDI object (bitmap, brush, pen, font, region, palette),
// global memory and its lock, a held mutex or critical section, and the thread's COM
// apartment. Each owns its handle from construction
// to destruction; none is copied. Release hands the handle over to the caller.
#include <windows.h>
#include <objbase.h>

// A DC from GetDC (a window's, or the whole display's for a null window), released with
// ReleaseDC.
class CClientDCHandle
{
public:
    explicit CClientDCHandle(HWND window = nullptr) : m_window(window), m_dc(GetDC(window)) {}
    CClientDCHandle(const CClientDCHandle&) = delete;
    CClientDCHandle& operator=(const CClientDCHandle&) = delete;
    ~CClientDCHandle()
    {
        if (m_dc)
            ReleaseDC(m_window, m_dc);
    }
    operator HDC() const { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

// A DC from CreateDC or CreateCompatibleDC, deleted with DeleteDC.
class CCreatedDCHandle
{
public:
    explicit CCreatedDCHandle(HDC dc) : m_dc(dc) {}
    CCreatedDCHandle(const CCreatedDCHandle&) = delete;
    CCreatedDCHandle& operator=(const CCreatedDCHandle&) = delete;
    ~CCreatedDCHandle()
    {
        if (m_dc)
            DeleteDC(m_dc);
    }
    operator HDC() const { return m_dc; }

private:
    HDC m_dc;
};

// A GDI object deleted with DeleteObject, unless released first.
template <class Handle> class CGdiHandle
{
public:
    explicit CGdiHandle(Handle handle = nullptr) : m_handle(handle) {}
    CGdiHandle(const CGdiHandle&) = delete;
    CGdiHandle& operator=(const CGdiHandle&) = delete;
    ~CGdiHandle() { Reset(nullptr); }
    operator Handle() const { return m_handle; }
    Handle Get() const { return m_handle; }
    // Deletes the object held and takes the new one.
    void Reset(Handle handle)
    {
        if (m_handle)
            DeleteObject(m_handle);
        m_handle = handle;
    }
    // The caller owns the object from now on.
    Handle Release()
    {
        Handle handle = m_handle;
        m_handle = nullptr;
        return handle;
    }

private:
    Handle m_handle;
};

using CRegionHandle = CGdiHandle<HRGN>;
using CBitmapHandle = CGdiHandle<HBITMAP>;

// Selects a GDI object into a DC and puts the previous one back.
class CSelectedObject
{
public:
    CSelectedObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(SelectObject(dc, object)) {}
    CSelectedObject(const CSelectedObject&) = delete;
    CSelectedObject& operator=(const CSelectedObject&) = delete;
    ~CSelectedObject()
    {
        if (m_previous && m_previous != HGDI_ERROR)
            SelectObject(m_dc, m_previous);
    }

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// Global memory from GlobalAlloc, freed with GlobalFree unless released (a clipboard
// that took it owns it).
class CGlobalMemory
{
public:
    CGlobalMemory(UINT flags, SIZE_T size) : m_memory(GlobalAlloc(flags, size)) {}
    CGlobalMemory(const CGlobalMemory&) = delete;
    CGlobalMemory& operator=(const CGlobalMemory&) = delete;
    ~CGlobalMemory()
    {
        if (m_memory)
            GlobalFree(m_memory);
    }
    operator HGLOBAL() const { return m_memory; }
    HGLOBAL Release()
    {
        HGLOBAL memory = m_memory;
        m_memory = nullptr;
        return memory;
    }

private:
    HGLOBAL m_memory;
};

// The lock of global memory: Get is null when the memory could not be locked.
template <class T> class CGlobalLock
{
public:
    explicit CGlobalLock(HGLOBAL memory)
        : m_memory(memory), m_data(memory ? static_cast<T*>(GlobalLock(memory)) : nullptr)
    {
    }
    CGlobalLock(const CGlobalLock&) = delete;
    CGlobalLock& operator=(const CGlobalLock&) = delete;
    ~CGlobalLock()
    {
        if (m_data)
            GlobalUnlock(m_memory);
    }
    T* Get() const { return m_data; }

private:
    HGLOBAL m_memory;
    T* m_data;
};

// Holds a mutex while the object lives. A mutex abandoned by a thread that died holding
// it is held all the same (the caller checks its data); a failed or timed-out wait holds
// nothing, which IsHeld tells. The last error of the guarded work survives the release.
class CMutexLock
{
public:
    explicit CMutexLock(HANDLE mutex, DWORD timeout = INFINITE) : m_mutex(mutex)
    {
        m_wait = mutex ? WaitForSingleObject(mutex, timeout) : WAIT_FAILED;
        m_held = m_wait == WAIT_OBJECT_0 || m_wait == WAIT_ABANDONED;
    }
    CMutexLock(const CMutexLock&) = delete;
    CMutexLock& operator=(const CMutexLock&) = delete;
    ~CMutexLock()
    {
        DWORD error = GetLastError();
        if (m_held)
            ReleaseMutex(m_mutex);
        SetLastError(error);
    }
    bool IsHeld() const { return m_held; }
    bool WasAbandoned() const { return m_wait == WAIT_ABANDONED; }

private:
    HANDLE m_mutex;
    DWORD m_wait;
    bool m_held;
};

// Holds a critical section while the object lives.
class CSectionLock
{
public:
    explicit CSectionLock(CRITICAL_SECTION& section) : m_section(section) { EnterCriticalSection(&m_section); }
    CSectionLock(const CSectionLock&) = delete;
    CSectionLock& operator=(const CSectionLock&) = delete;
    ~CSectionLock() { LeaveCriticalSection(&m_section); }

private:
    CRITICAL_SECTION& m_section;
};

// Holds an object with Lock and Unlock (a monitor) while the scope lasts.
template <class Lockable> class CScopedLock
{
public:
    explicit CScopedLock(Lockable& lockable) : m_lockable(lockable) { m_lockable.Lock(); }
    CScopedLock(const CScopedLock&) = delete;
    CScopedLock& operator=(const CScopedLock&) = delete;
    ~CScopedLock() { m_lockable.Unlock(); }

private:
    Lockable& m_lockable;
};

// The calling thread's single-threaded COM apartment while the object lives. A thread
// already in an apartment keeps it; the object then leaves nothing to undo.
class CComApartment
{
public:
    CComApartment() : m_hr(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    CComApartment(const CComApartment&) = delete;
    CComApartment& operator=(const CComApartment&) = delete;
    ~CComApartment()
    {
        if (SUCCEEDED(m_hr))
            CoUninitialize();
    }

private:
    HRESULT m_hr;
};
