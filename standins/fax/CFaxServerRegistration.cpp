#include "standins/fax/CFaxServerRegistration.h"

#include "common/FaxClientApi.h"
#include "framework/CString.h"

namespace
{
const wchar_t kProgId[] = L"FaxServer.FaxServer";
const wchar_t kDescription[] = L"FaxServer Class";

CString ClassKey()
{
    wchar_t classId[40] = L"";
    StringFromGUID2(CLSID_FaxServer, classId, 40);
    return CString(L"CLSID\\") + classId;
}

// Creates the key below HKEY_CLASSES_ROOT and sets one text value (null: the default).
LSTATUS SetText(const CString& key, const wchar_t* name, const wchar_t* text)
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

LSTATUS DeleteTree(const CString& key)
{
    LSTATUS status = RegDeleteTreeW(HKEY_CLASSES_ROOT, key);
    if (status == ERROR_SUCCESS)
        status = RegDeleteKeyW(HKEY_CLASSES_ROOT, key);
    return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
}
} // namespace

HRESULT CFaxServerRegistration::Register(const wchar_t* modulePath)
{
    wchar_t classId[40] = L"";
    StringFromGUID2(CLSID_FaxServer, classId, 40);
    const CString key = ClassKey();
    const struct
    {
        CString key;
        const wchar_t* name;
        const wchar_t* text;
    } entries[] = {
        {key, nullptr, kDescription},
        {key + L"\\InprocServer32", nullptr, modulePath},
        {key + L"\\InprocServer32", L"ThreadingModel", L"Both"},
        {key + L"\\ProgID", nullptr, kProgId},
        {kProgId, nullptr, kDescription},
        {CString(kProgId) + L"\\CLSID", nullptr, classId},
    };
    for (const auto& entry : entries)
    {
        LSTATUS status = SetText(entry.key, entry.name, entry.text);
        if (status != ERROR_SUCCESS)
            return HRESULT_FROM_WIN32(status);
    }
    return S_OK;
}

HRESULT CFaxServerRegistration::Unregister()
{
    for (const CString& key : {ClassKey(), CString(kProgId)})
    {
        LSTATUS status = DeleteTree(key);
        if (status != ERROR_SUCCESS)
            return HRESULT_FROM_WIN32(status);
    }
    return S_OK;
}
