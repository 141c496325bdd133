#include "common/IEventLogStore.h"

#include "common/CFileEventLogStore.h"
#include "common/CSystemEventLogStore.h"

namespace
{
bool IsRunningOnWine()
{
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}
} // namespace

IEventLogStore& IEventLogStore::ForThisSystem()
{
    if (IsRunningOnWine())
    {
        static CFileEventLogStore standIn;
        return standIn;
    }
    static CSystemEventLogStore system;
    return system;
}
