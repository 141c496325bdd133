#include "standins/filterkit/KitRegistration.h"

#include "standins/filterkit/CKitRef.h"

#include <cwchar>
#include <uuids.h>

namespace
{
// Creates the key below HKEY_CLASSES_ROOT and sets one text value (null: the default).
LSTATUS SetText(const wchar_t* key, const wchar_t* name, const wchar_t* text)
{
    HKEY opened = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CLASSES_ROOT, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr);
    if (status != ERROR_SUCCESS)
        return status;
    status = RegSetValueExW(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                            static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
    RegCloseKey(opened);
    return status;
}

void ClassKey(const CLSID& classId, wchar_t* key, size_t size)
{
    wchar_t text[40] = L"";
    StringFromGUID2(classId, text, 40);
    swprintf(key, size, L"CLSID\\%ls", text);
}

HRESULT RegisterClass(const CLSID& classId, const wchar_t* name, const wchar_t* modulePath)
{
    wchar_t key[64];
    ClassKey(classId, key, 64);
    wchar_t server[80];
    swprintf(server, 80, L"%ls\\InprocServer32", key);
    LSTATUS status = SetText(key, nullptr, name);
    if (status == ERROR_SUCCESS)
        status = SetText(server, nullptr, modulePath);
    if (status == ERROR_SUCCESS)
        status = SetText(server, L"ThreadingModel", L"Both");
    return HRESULT_FROM_WIN32(status);
}

HRESULT CreateMapper(CKitRef<IFilterMapper2>& mapper)
{
    return CoCreateInstance(CLSID_FilterMapper2, nullptr, CLSCTX_INPROC_SERVER, IID_IFilterMapper2,
                            reinterpret_cast<void**>(mapper.Receive()));
}
} // namespace

HRESULT KitRegisterFilters(const KitFilterEntry* entries, int count, const wchar_t* modulePath)
{
    CKitRef<IFilterMapper2> mapper;
    HRESULT result = CreateMapper(mapper);
    for (int i = 0; i < count && SUCCEEDED(result); ++i)
    {
        const KitFilterEntry& entry = entries[i];
        result = RegisterClass(*entry.classId, entry.name, modulePath);
        if (FAILED(result))
            break;
        REGFILTER2 filter{};
        filter.dwVersion = 2;
        filter.dwMerit = entry.merit;
        filter.cPins2 = entry.pinCount;
        filter.rgPins2 = entry.pins;
        result = mapper->RegisterFilter(*entry.classId, entry.name, nullptr, entry.category, nullptr, &filter);
    }
    return result;
}

HRESULT KitUnregisterFilters(const KitFilterEntry* entries, int count)
{
    CKitRef<IFilterMapper2> mapper;
    HRESULT result = CreateMapper(mapper);
    for (int i = 0; i < count && SUCCEEDED(result); ++i)
    {
        HRESULT removed = mapper->UnregisterFilter(entries[i].category, nullptr, *entries[i].classId);
        if (FAILED(removed) && removed != HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND))
            result = removed;
        const HRESULT classRemoved = KitUnregisterClass(*entries[i].classId);
        if (FAILED(classRemoved))
            result = classRemoved;
    }
    return result;
}

HRESULT KitRegisterClass(const CLSID& classId, const wchar_t* name, const wchar_t* modulePath)
{
    return RegisterClass(classId, name, modulePath);
}

HRESULT KitUnregisterClass(const CLSID& classId)
{
    wchar_t key[64];
    ClassKey(classId, key, 64);
    const LSTATUS status = RegDeleteTreeW(HKEY_CLASSES_ROOT, key);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? S_OK : HRESULT_FROM_WIN32(status);
}

HRESULT KitModulePath(wchar_t* path, DWORD size)
{
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCWSTR>(&KitModulePath), &module))
        return HRESULT_FROM_WIN32(GetLastError());
    DWORD length = GetModuleFileNameW(module, path, size);
    if (length == 0 || length >= size)
        return HRESULT_FROM_WIN32(length ? ERROR_INSUFFICIENT_BUFFER : GetLastError());
    return S_OK;
}
