#pragma once
// CKitRef: one counted reference to a COM object, released when the holder goes.
#include <unknwn.h>

template <class T> class CKitRef
{
public:
    CKitRef() = default;
    // Takes a reference of its own to object.
    explicit CKitRef(T* object) : m_object(object)
    {
        if (m_object)
            m_object->AddRef();
    }
    CKitRef(const CKitRef& other) : CKitRef(other.m_object) {}
    CKitRef& operator=(const CKitRef& other)
    {
        CKitRef copy(other);
        Swap(copy);
        return *this;
    }
    ~CKitRef() { Reset(); }

    T* Get() const { return m_object; }
    T* operator->() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }
    // Releases the object held; returns the slot for an out parameter.
    T** Receive()
    {
        Reset();
        return &m_object;
    }
    void Reset()
    {
        if (m_object)
            m_object->Release();
        m_object = nullptr;
    }
    // The object with a reference for the caller, as an out parameter wants it.
    T* Detach()
    {
        T* object = m_object;
        m_object = nullptr;
        return object;
    }
    // Asks the object for the interface id (of Other) into target.
    template <class Other> HRESULT QueryInto(REFIID interfaceId, CKitRef<Other>& target) const
    {
        return m_object ? m_object->QueryInterface(interfaceId, reinterpret_cast<void**>(target.Receive()))
                        : E_POINTER;
    }

private:
    void Swap(CKitRef& other)
    {
        T* object = m_object;
        m_object = other.m_object;
        other.m_object = object;
    }

    T* m_object = nullptr;
};
