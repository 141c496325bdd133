#pragma once
// SendParam: the abstract settings record. Every record loads itself from and saves
// itself to its own key below the product's settings root in HKEY_CURRENT_USER.
#include "Info/InfoApi.h"
#include "Info/InfoEnums.h"
#include "framework/CArray.h"
#include "framework/CString.h"

// The settings root below HKEY_CURRENT_USER.
#define INFO_REGISTRY_ROOT L"Software\\Talvono Software\\Talvono Vellumor"

struct INFO_API SendParam
{
    SendParam() = default;
    SendParam(const SendParam&) {}
    SendParam& operator=(const SendParam&) { return *this; }
    virtual ~SendParam();

    virtual EnumSendParam GetType() const = 0;
    virtual bool LoadFromRegistry() = 0;
    // part 0 writes every value, 1 the show-dialog flag alone, higher numbers the
    // record's own groups; an unknown part writes nothing and returns false.
    virtual bool SaveToRegistry(unsigned int part) = 0;
    virtual bool IsDisplayFlagOn() const = 0;

    // Single-value access below HKEY_CURRENT_USER; the key is created when missing,
    // also by a read. A read changes the variable only when it succeeds.
    static bool ReadRegistryValue(const CString& key, const CString& name, int& value);
    static bool ReadRegistryValue(const CString& key, const CString& name, CString& value);
    // Appends the stored bytes to the array.
    static bool ReadRegistryValue(const CString& key, const CString& name, CByteArray& value);
    static bool WriteRegistryValue(const CString& key, const CString& name, int value);
    static bool WriteRegistryValue(const CString& key, const CString& name, const CString& value);
    static bool WriteRegistryValue(const CString& key, const CString& name, CByteArray& value);

    // The full key path of a record's subkey, e.g. L"ScreenCapture\\File".
    static CString SettingsKey(const wchar_t* subKey);
};
