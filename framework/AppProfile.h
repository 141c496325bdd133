#pragma once
// The application's profile: settings of the running program kept in the registry under
// HKEY_CURRENT_USER\Software\<maker>\<application>\<section>. The program names the maker
// and itself once at start-up; until both are set, reads give their defaults and writes fail.
#include "framework/CArray.h"
#include "framework/CString.h"

void AppSetRegistryKey(const wchar_t* maker);
void AppSetProfileName(const wchar_t* applicationName);
// "Software\<maker>\<application>" under HKEY_CURRENT_USER; empty until both are set.
CString AppGetProfileKey();

int AppGetProfileInt(const wchar_t* section, const wchar_t* entry, int defaultValue);
bool AppWriteProfileInt(const wchar_t* section, const wchar_t* entry, int value);

CString AppGetProfileString(const wchar_t* section, const wchar_t* entry, const wchar_t* defaultValue = L"");
// A null value deletes the entry; a null entry deletes the whole section.
bool AppWriteProfileString(const wchar_t* section, const wchar_t* entry, const wchar_t* value);

// False (and bytes emptied) when the entry is missing or not binary.
bool AppGetProfileBinary(const wchar_t* section, const wchar_t* entry, CByteArray& bytes);
bool AppWriteProfileBinary(const wchar_t* section, const wchar_t* entry, const BYTE* data, UINT size);
