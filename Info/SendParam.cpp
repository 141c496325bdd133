#include "Info/SendParam.h"
#include "common/CRegistry.h"

SendParam::~SendParam() = default;

CString SendParam::SettingsKey(const wchar_t* subKey)
{
    return CString(INFO_REGISTRY_ROOT L"\\") + subKey;
}

namespace
{
bool OpenSettingsKey(CRegistry& registry, const CString& key)
{
    CString error;
    return registry.Open(HKEY_CURRENT_USER, key, true, error);
}
} // namespace

bool SendParam::ReadRegistryValue(const CString& key, const CString& name, int& value)
{
    CRegistry registry;
    CString error;
    DWORD read = 0;
    if (!OpenSettingsKey(registry, key) || !registry.GetDWORD(name, &read, error))
        return false;
    value = static_cast<int>(read);
    return true;
}

bool SendParam::ReadRegistryValue(const CString& key, const CString& name, CString& value)
{
    CRegistry registry;
    CString error, read;
    if (!OpenSettingsKey(registry, key) || !registry.GetString(name, read, error))
        return false;
    value = read;
    return true;
}

bool SendParam::ReadRegistryValue(const CString& key, const CString& name, CByteArray& value)
{
    CRegistry registry;
    CString error;
    CByteArray read;
    if (!OpenSettingsKey(registry, key) || !registry.GetBinary(name, read, error))
        return false;
    value.Append(read);
    return true;
}

bool SendParam::WriteRegistryValue(const CString& key, const CString& name, int value)
{
    CRegistry registry;
    CString error;
    return OpenSettingsKey(registry, key) && registry.SetDWORD(name, static_cast<DWORD>(value), error);
}

bool SendParam::WriteRegistryValue(const CString& key, const CString& name, const CString& value)
{
    CRegistry registry;
    CString error;
    return OpenSettingsKey(registry, key) && registry.SetString(name, value, error, false);
}

bool SendParam::WriteRegistryValue(const CString& key, const CString& name, CByteArray& value)
{
    CRegistry registry;
    CString error;
    return OpenSettingsKey(registry, key) &&
           registry.SetBinary(name, value.GetData(), static_cast<DWORD>(value.GetSize()), error);
}
