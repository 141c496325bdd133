#pragma once
// CArray: a growable array of values; CByteArray holds raw bytes, CStringArray texts.
#include "framework/CString.h"
#include <vector>

template <typename T> class CArray
{
public:
    int GetSize() const { return static_cast<int>(m_items.size()); }
    int GetCount() const { return GetSize(); }
    bool IsEmpty() const { return m_items.empty(); }
    void SetSize(int size) { m_items.resize(size > 0 ? static_cast<size_t>(size) : 0); }
    void RemoveAll() { m_items.clear(); }

    const T& GetAt(int index) const { return m_items.at(static_cast<size_t>(index)); }
    T& ElementAt(int index) { return m_items.at(static_cast<size_t>(index)); }
    void SetAt(int index, const T& value) { ElementAt(index) = value; }
    const T& operator[](int index) const { return GetAt(index); }
    T& operator[](int index) { return ElementAt(index); }

    int Add(const T& value)
    {
        m_items.push_back(value);
        return GetSize() - 1;
    }
    int Append(const CArray& other)
    {
        int first = GetSize();
        m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end());
        return first;
    }
    void Copy(const CArray& other) { m_items = other.m_items; }
    void InsertAt(int index, const T& value) { m_items.insert(m_items.begin() + index, value); }
    void RemoveAt(int index, int count = 1) { m_items.erase(m_items.begin() + index, m_items.begin() + index + count); }

    T* GetData() { return m_items.empty() ? nullptr : m_items.data(); }
    const T* GetData() const { return m_items.empty() ? nullptr : m_items.data(); }

    bool operator==(const CArray& other) const { return m_items == other.m_items; }
    bool operator!=(const CArray& other) const { return m_items != other.m_items; }

    typename std::vector<T>::const_iterator begin() const { return m_items.begin(); }
    typename std::vector<T>::const_iterator end() const { return m_items.end(); }

private:
    std::vector<T> m_items;
};

using CByteArray = CArray<BYTE>;
using CStringArray = CArray<CString>;
