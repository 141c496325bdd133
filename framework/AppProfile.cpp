#include "framework/AppProfile.h"

#include <cwchar>

namespace
{
CString& Maker()
{
    static CString maker;
    return maker;
}

CString& ApplicationName()
{
    static CString name;
    return name;
}

// The section's key path, or empty when the profile has no home yet.
CString SectionPath(const wchar_t* section)
{
    CString path = AppGetProfileKey();
    if (path.IsEmpty() || !section || !*section)
        return CString();
    return path + L"\\" + section;
}

bool WriteValue(const wchar_t* section, const wchar_t* entry, DWORD type, const void* data, DWORD size)
{
    CString path = SectionPath(section);
    if (path.IsEmpty() || !entry)
        return false;
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    LONG result = RegSetValueExW(key, entry, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

// Reads a value of the given type restriction (RRF_RT_*) into bytes; false when missing.
bool ReadValue(const wchar_t* section, const wchar_t* entry, DWORD restriction, CByteArray& bytes)
{
    bytes.RemoveAll();
    CString path = SectionPath(section);
    if (path.IsEmpty() || !entry)
        return false;
    for (;;)
    {
        DWORD size = 0;
        if (RegGetValueW(HKEY_CURRENT_USER, path, entry, restriction, nullptr, nullptr, &size) != ERROR_SUCCESS)
            return false;
        bytes.SetSize(static_cast<int>(size));
        LONG result = RegGetValueW(HKEY_CURRENT_USER, path, entry, restriction, nullptr, bytes.GetData(), &size);
        if (result == ERROR_SUCCESS)
        {
            bytes.SetSize(static_cast<int>(size));
            return true;
        }
        if (result != ERROR_MORE_DATA) // else the value grew between the calls: read it again
        {
            bytes.RemoveAll();
            return false;
        }
    }
}

bool DeleteEntry(const CString& path, const wchar_t* entry)
{
    HKEY key = nullptr;
    LONG result = RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_SET_VALUE, &key);
    if (result == ERROR_SUCCESS)
    {
        result = RegDeleteValueW(key, entry);
        RegCloseKey(key);
    }
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}
} // namespace

void AppSetRegistryKey(const wchar_t* maker)
{
    Maker() = maker ? maker : L"";
}

void AppSetProfileName(const wchar_t* applicationName)
{
    ApplicationName() = applicationName ? applicationName : L"";
}

CString AppGetProfileKey()
{
    if (Maker().IsEmpty() || ApplicationName().IsEmpty())
        return CString();
    return L"Software\\" + Maker() + L"\\" + ApplicationName();
}

int AppGetProfileInt(const wchar_t* section, const wchar_t* entry, int defaultValue)
{
    CByteArray bytes;
    if (!ReadValue(section, entry, RRF_RT_REG_DWORD, bytes))
        return defaultValue;
    DWORD value = 0;
    CopyMemory(&value, bytes.GetData(), sizeof(value));
    return static_cast<int>(value);
}

bool AppWriteProfileInt(const wchar_t* section, const wchar_t* entry, int value)
{
    DWORD stored = static_cast<DWORD>(value);
    return WriteValue(section, entry, REG_DWORD, &stored, sizeof(stored));
}

CString AppGetProfileString(const wchar_t* section, const wchar_t* entry, const wchar_t* defaultValue)
{
    CByteArray bytes;
    if (!ReadValue(section, entry, RRF_RT_REG_SZ, bytes))
        return CString(defaultValue ? defaultValue : L"");
    // The registry's size counts the terminating null.
    int length = bytes.GetSize() / static_cast<int>(sizeof(wchar_t));
    const wchar_t* text = reinterpret_cast<const wchar_t*>(bytes.GetData());
    while (length > 0 && text[length - 1] == L'\0')
        --length;
    return CString(text, length);
}

bool AppWriteProfileString(const wchar_t* section, const wchar_t* entry, const wchar_t* value)
{
    CString path = SectionPath(section);
    if (path.IsEmpty())
        return false;
    if (!entry)
    {
        LONG result = RegDeleteTreeW(HKEY_CURRENT_USER, path); // the section's key goes too
        return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
    }
    if (!value)
        return DeleteEntry(path, entry);
    DWORD size = static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t));
    return WriteValue(section, entry, REG_SZ, value, size);
}

bool AppGetProfileBinary(const wchar_t* section, const wchar_t* entry, CByteArray& bytes)
{
    return ReadValue(section, entry, RRF_RT_REG_BINARY, bytes);
}

bool AppWriteProfileBinary(const wchar_t* section, const wchar_t* entry, const BYTE* data, UINT size)
{
    return WriteValue(section, entry, REG_BINARY, data, size);
}
