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
