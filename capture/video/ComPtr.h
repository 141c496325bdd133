#pragma once
// One counted reference to a COM object, released when the holder goes: the filter
// kit's holder, which is header-only.
#include "standins/filterkit/CKitRef.h"

template <class T> using ComPtr = CKitRef<T>;

// Releases a raw interface member and clears it.
template <class T> void ReleaseInterface(T*& object)
{
    if (object)
        object->Release();
    object = nullptr;
}
