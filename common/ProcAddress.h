#pragma once
// GetProcAddressAs: an export of a loaded library as a pointer to the function type the
// caller knows it has. GetProcAddress returns one generic function pointer type; the
// conversion goes through void (*)(), the type C++ compilers treat as "any function".
#include <windows.h>

template <class Function> Function GetProcAddressAs(HMODULE module, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}
