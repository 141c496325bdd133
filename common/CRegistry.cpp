#include "common/CRegistry.h"

#include <cwchar>
#include <vector>

CRegistry::~CRegistry()
{
    Close();
}

bool CRegistry::Fail(LONG result, CString& errorText)
{
    errorText = GetErrorText(static_cast<DWORD>(result));
    return false;
}

bool CRegistry::OpenWith(HKEY root, const wchar_t* subKey, bool createFlag, REGSAM access, CString& errorText)
{
    Close(); // a key still open from an earlier call would leak otherwise
    HKEY key = nullptr;
    LONG result =
        createFlag ? RegCreateKeyExW(root, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr)
                   : RegOpenKeyExW(root, subKey, 0, access, &key);
    if (result != ERROR_SUCCESS)
        return Fail(result, errorText);

    size_t length = wcslen(subKey) + 1;
    m_path = new wchar_t[length];
    wmemcpy(m_path, subKey, length);
    m_key = key;
    return true;
}

bool CRegistry::Open(HKEY root, const wchar_t* subKey, bool createFlag, CString& errorText)
{
    return OpenWith(root, subKey, createFlag, KEY_ALL_ACCESS, errorText);
}

bool CRegistry::OpenReadOnly(HKEY root, const wchar_t* subKey, CString& errorText)
{
    return OpenWith(root, subKey, false, KEY_READ, errorText);
}

bool CRegistry::Close()
{
    if (!m_key)
        return true;
    delete[] m_path;
    m_path = nullptr;
    LONG result = RegCloseKey(m_key);
    m_key = nullptr;
    return result == ERROR_SUCCESS;
}

CString CRegistry::GetErrorText(DWORD errorCode)
{
    wchar_t* text = nullptr;
    DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, errorCode,
        MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    CString result(text, static_cast<int>(length));
    if (text)
        LocalFree(text);
    return result;
}

bool CRegistry::SetDWORD(const wchar_t* name, DWORD value, CString& errorText)
{
    LONG result = RegSetValueExW(m_key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    return result == ERROR_SUCCESS || Fail(result, errorText);
}

bool CRegistry::SetString(const wchar_t* name, const wchar_t* text, CString& errorText, bool expand)
{
    DWORD size = static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t));
    LONG result =
        RegSetValueExW(m_key, name, 0, expand ? REG_EXPAND_SZ : REG_SZ, reinterpret_cast<const BYTE*>(text), size);
    return result == ERROR_SUCCESS || Fail(result, errorText);
}

bool CRegistry::SetBinary(const wchar_t* name, const BYTE* data, DWORD size, CString& errorText)
{
    LONG result = RegSetValueExW(m_key, name, 0, REG_BINARY, data, size);
    return result == ERROR_SUCCESS || Fail(result, errorText);
}

bool CRegistry::Check(LONG result, CString& errorText)
{
    return result == ERROR_SUCCESS || Fail(result, errorText);
}

bool CRegistry::QueryValue(const wchar_t* name, DWORD* type, BYTE* buffer, DWORD* size, CString& errorText)
{
    if (!m_key)
        return Fail(ERROR_INVALID_HANDLE, errorText);
    return Check(RegQueryValueExW(m_key, name, nullptr, type, buffer, size), errorText);
}

bool CRegistry::GetValueSize(const wchar_t* name, DWORD* size, CString& errorText)
{
    *size = 0;
    return QueryValue(name, nullptr, nullptr, size, errorText);
}

bool CRegistry::DeleteSubKey(const wchar_t* name, CString& errorText)
{
    if (!m_key)
        return Fail(ERROR_INVALID_HANDLE, errorText);
    return Check(RegDeleteKeyW(m_key, name ? name : L""), errorText);
}

bool CRegistry::DeleteValue(const wchar_t* name, CString& errorText)
{
    if (!m_key)
        return Fail(ERROR_INVALID_HANDLE, errorText);
    return Check(RegDeleteValueW(m_key, name), errorText);
}

bool CRegistry::EnumSubKey(DWORD index, wchar_t* name, DWORD* length, CString& errorText)
{
    if (!m_key)
        return Fail(ERROR_INVALID_HANDLE, errorText);
    return Check(RegEnumKeyExW(m_key, index, name, length, nullptr, nullptr, nullptr, nullptr), errorText);
}

bool CRegistry::EnumValue(DWORD index, wchar_t* name, DWORD* length, DWORD* type, BYTE* data, DWORD* dataSize,
                          CString& errorText)
{
    if (!m_key)
        return Fail(ERROR_INVALID_HANDLE, errorText);
    return Check(RegEnumValueW(m_key, index, name, length, nullptr, type, data, dataSize), errorText);
}

bool CRegistry::QueryInfo(KeyInfo& info, CString& errorText)
{
    if (!m_key)
        return Fail(ERROR_INVALID_HANDLE, errorText);
    DWORD classLength = 0;
    LONG result = RegQueryInfoKeyW(m_key, nullptr, &classLength, nullptr, &info.subKeys, &info.longestSubKeyName,
                                   &info.longestClassName, &info.values, &info.longestValueName,
                                   &info.longestValueData, nullptr, nullptr);
    if (result != ERROR_SUCCESS)
        return Fail(result, errorText);
    std::vector<wchar_t> className(classLength + 1);
    classLength = static_cast<DWORD>(className.size());
    result = RegQueryInfoKeyW(m_key, className.data(), &classLength, nullptr, nullptr, nullptr, nullptr, nullptr,
                              nullptr, nullptr, nullptr, nullptr);
    if (result != ERROR_SUCCESS)
        return Fail(result, errorText);
    info.className = className.data();
    return true;
}

bool CRegistry::GetDWORD(const wchar_t* name, DWORD* value, CString& errorText)
{
    DWORD type = 0, size = sizeof(DWORD);
    if (!QueryValue(name, &type, reinterpret_cast<BYTE*>(value), &size, errorText))
        return false;
    return type == REG_DWORD || Fail(ERROR_DATATYPE_MISMATCH, errorText);
}

bool CRegistry::GetString(const wchar_t* name, wchar_t* buffer, DWORD* size, CString& errorText)
{
    DWORD type = 0;
    const DWORD offered = *size;
    if (!QueryValue(name, &type, reinterpret_cast<BYTE*>(buffer), size, errorText))
        return false;
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return Fail(ERROR_DATATYPE_MISMATCH, errorText);
    // A text stored without its terminator comes back unterminated: terminate it, or
    // fail when the buffer has no room left for the terminator.
    DWORD chars = *size / sizeof(wchar_t);
    if (chars > 0 && buffer[chars - 1] == L'\0')
        return true;
    if ((chars + 1) * sizeof(wchar_t) > offered)
        return Fail(ERROR_MORE_DATA, errorText);
    buffer[chars] = L'\0';
    return true;
}

bool CRegistry::GetBinary(const wchar_t* name, BYTE* buffer, DWORD* size, CString& errorText)
{
    DWORD type = 0;
    if (!QueryValue(name, &type, buffer, size, errorText))
        return false;
    return type == REG_BINARY || Fail(ERROR_DATATYPE_MISMATCH, errorText);
}

bool CRegistry::GetBinary(const wchar_t* name, CArray<BYTE>& bytes, CString& errorText)
{
    DWORD type = 0, size = 0;
    if (!QueryValue(name, &type, nullptr, &size, errorText))
        return false;
    if (type != REG_BINARY)
        return Fail(ERROR_DATATYPE_MISMATCH, errorText);
    CArray<BYTE> data;
    data.SetSize(static_cast<int>(size));
    if (!QueryValue(name, &type, data.GetData(), &size, errorText))
        return false;
    data.SetSize(static_cast<int>(size));
    bytes = data;
    return true;
}

bool CRegistry::GetString(const wchar_t* name, CString& text, CString& errorText)
{
    DWORD type = 0, size = 0;
    if (!QueryValue(name, &type, nullptr, &size, errorText))
        return false;
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return Fail(ERROR_DATATYPE_MISMATCH, errorText);
    // Room for a terminator the stored bytes may lack, and for an odd byte count.
    DWORD chars = size / sizeof(wchar_t) + 1;
    CString value;
    wchar_t* buffer = value.GetBufferSetLength(static_cast<int>(chars));
    DWORD bytes = chars * sizeof(wchar_t);
    if (!QueryValue(name, &type, reinterpret_cast<BYTE*>(buffer), &bytes, errorText))
        return false;
    value.ReleaseBuffer(static_cast<int>(bytes / sizeof(wchar_t)));
    value.ReleaseBuffer();
    text = value;
    return true;
}

bool CRegistry::WriteDWORD(HKEY root, const wchar_t* subKey, const wchar_t* name, DWORD value, bool createFlag,
                           CString& errorText)
{
    return Open(root, subKey, createFlag, errorText) && SetDWORD(name, value, errorText);
}

bool CRegistry::WriteString(HKEY root, const wchar_t* subKey, const wchar_t* name, const wchar_t* text, bool createFlag,
                            CString& errorText)
{
    return Open(root, subKey, createFlag, errorText) && SetString(name, text, errorText, false);
}

bool CRegistry::ReadDWORD(HKEY root, const wchar_t* subKey, const wchar_t* name, DWORD* value, CString& errorText)
{
    return Open(root, subKey, false, errorText) && GetDWORD(name, value, errorText);
}

bool CRegistry::ReadString(HKEY root, const wchar_t* subKey, const wchar_t* name, wchar_t* buffer, DWORD size,
                           CString& errorText)
{
    return Open(root, subKey, false, errorText) && GetString(name, buffer, &size, errorText);
}
