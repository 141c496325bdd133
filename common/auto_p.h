#pragma once
// Small owning holders: auto_p owns one object, auto_pa owns an array, auto_rel holds
// one reference to a COM interface.
//
// Every operation is virtual and the declaration order is the virtual-table layout that
// other modules compiled against these templates rely on; that is why several accessors
// that return the same value exist side by side. Do not reorder or insert members.
#include <windows.h>
#include <cstddef>
#include <memory>

// Holds a pointer and deletes the object while the owner flag is set. Assigning or
// transferring between holders moves the ownership; a holder that gave it up keeps
// pointing at the object without freeing it.
template <class T> class auto_p
{
public:
    auto_p() = default;
    explicit auto_p(T* p) : m_owner(p != nullptr), m_p(p) {}
    auto_p(const auto_p&) = delete;

    virtual ~auto_p() { FreeOwned(); }

    virtual auto_p& operator=(T* p)
    {
        Reset(p);
        return *this;
    }
    virtual auto_p& operator=(auto_p& other)
    {
        Transfer(other);
        return *this;
    }
    virtual bool operator==(const auto_p& other) const { return m_p == other.m_p; }
    virtual operator T*() const { return *GetAddress(); }
    virtual T** operator&() { return GetAddress(); }
    virtual T* const* operator&() const { return GetAddress(); }

    // For a function that hands out an allocation through a T** parameter: the object
    // held so far is freed (when owned) and the holder owns what gets written.
    virtual T** Receive()
    {
        FreeOwned();
        m_owner = true;
        return &m_p;
    }

    virtual T** AddressOf() { return &m_p; }
    virtual T& operator*() { return *m_p; }
    virtual const T& operator*() const { return *m_p; }
    virtual T** GetAddress() { return &m_p; }
    virtual T* const* GetAddress() const { return &m_p; }
    virtual T* get() const { return m_p; }
    virtual explicit operator bool() const { return m_p != nullptr; }
    virtual bool operator!() const { return m_p == nullptr; }
    virtual T* ElementAt(size_t index) { return &m_p[index]; }
    virtual const T* ElementAt(size_t index) const { return &m_p[index]; }

    // Ownership passes to the caller; the holder still points at the object.
    virtual T** GiveUp()
    {
        m_owner = false;
        return &m_p;
    }

    virtual T** Renew() { return Receive(); }

    virtual T** TakeOwnership()
    {
        m_owner = true;
        return &m_p;
    }

    virtual void Reset(T* p)
    {
        if (p == m_p)
            return;
        FreeOwned();
        m_p = p;
        m_owner = true;
    }

    virtual void Transfer(auto_p& other)
    {
        if (std::addressof(other) == this)
            return;
        if (other.m_p == m_p)
        {
            // Same object: only the ownership may move, so it is never freed twice.
            if (other.m_owner)
            {
                m_owner = true;
                other.m_owner = false;
            }
            return;
        }
        FreeOwned();
        m_p = other.m_p;
        m_owner = other.m_owner;
        other.m_owner = false;
    }

    virtual void Free()
    {
        delete m_p;
        m_p = nullptr;
    }

protected:
    void FreeOwned()
    {
        if (m_owner)
            Free();
    }

    bool m_owner = false;
    T* m_p = nullptr;
};

// auto_p for objects allocated with new[].
template <class T> class auto_pa : public auto_p<T>
{
public:
    auto_pa() = default;
    explicit auto_pa(T* p) : auto_p<T>(p) {}
    auto_pa(const auto_pa&) = delete;

    // The base destructor cannot reach the array Free, so the array goes here.
    ~auto_pa() override { this->FreeOwned(); }

    void Free() override
    {
        delete[] this->m_p;
        this->m_p = nullptr;
    }

    using auto_p<T>::operator=;
    using auto_p<T>::Transfer;
    virtual auto_pa& operator=(auto_pa& other) { return Transfer(other); }
    virtual auto_pa& Transfer(auto_pa& other)
    {
        auto_p<T>::Transfer(other);
        return *this;
    }
};

// Holds one reference to a COM interface while the pointer is not null.
template <class T> class auto_rel
{
public:
    auto_rel() = default;
    auto_rel(const auto_rel& other) : m_p(other.m_p)
    {
        if (m_p)
            m_p->AddRef();
    }

    virtual ~auto_rel() { Release(); }

    // Holds p with a reference of its own.
    virtual T* operator=(T* p)
    {
        if (p != m_p)
        {
            // The new reference comes first: both pointers may lead to one object.
            if (p)
                p->AddRef();
            Release();
            m_p = p;
        }
        return m_p;
    }
    virtual T* operator=(const auto_rel& other) { return operator=(other.m_p); }

    // Takes over the caller's reference to p.
    virtual auto_rel& Attach(T* p)
    {
        if (p != m_p)
            Release();
        m_p = p;
        return *this;
    }
    // Takes over the reference that other held; other ends up empty.
    virtual auto_rel& Attach(auto_rel& other)
    {
        if (std::addressof(other) != this)
        {
            T* p = other.m_p;
            other.m_p = nullptr;
            Attach(p);
        }
        return *this;
    }

    virtual operator T*() const { return m_p; }
    virtual T* operator->() const { return m_p; }
    virtual T* GetInterfacePtr() const { return m_p; }
    virtual T** operator&() { return &m_p; }
    virtual T* const* operator&() const { return &m_p; }
    virtual T* get() { return m_p; }
    virtual T* get() const { return m_p; }
    virtual T** GetAddress() { return &m_p; }
    virtual T& operator*() const { return *m_p; }

    // For a creating call that writes a new interface with its reference.
    virtual T** Receive()
    {
        Release();
        return &m_p;
    }

    virtual explicit operator bool() const { return m_p != nullptr; }
    virtual bool IsValid() const { return m_p != nullptr; }
    virtual bool operator!() const { return m_p == nullptr; }
    virtual bool IsNull() const { return m_p == nullptr; }
    virtual bool operator==(const auto_rel& other) const { return m_p == other.m_p; }
    virtual bool operator==(T* p) const { return m_p == p; }

    // Drops the held reference; the count that the interface reports, or 0 when empty.
    virtual ULONG Release()
    {
        if (!m_p)
            return 0;
        T* p = m_p;
        m_p = nullptr;
        return p->Release();
    }

private:
    T* m_p = nullptr;
};
