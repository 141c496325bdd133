#include "framework/AppModule.h"

namespace
{
HINSTANCE g_resourceModule = nullptr;
}

HINSTANCE AppGetResourceHandle()
{
    return g_resourceModule ? g_resourceModule : GetModuleHandleW(nullptr);
}

void AppSetResourceHandle(HINSTANCE module)
{
    g_resourceModule = module;
}

HMODULE AppGetCodeModule()
{
    // The framework is a static library: each module has its own copy of this function.
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&AppGetCodeModule), &module);
    return module;
}
