#pragma once
// CRegistry: one open registry key with single-value reads and writes. Every failure
// is a false result plus the system's text for the registry's error code.
#include "framework/CArray.h"
#include "framework/CString.h"

class CRegistry
{
public:
    CRegistry() = default;
    CRegistry(const CRegistry&) = delete;
    CRegistry& operator=(const CRegistry&) = delete;
    virtual ~CRegistry();

    // Creates the key (createFlag) or opens an existing one, with full access. A key
    // still open from an earlier call is closed first.
    bool Open(HKEY root, const wchar_t* subKey, bool createFlag, CString& errorText);
    // Opens an existing key for reading only.
    bool OpenReadOnly(HKEY root, const wchar_t* subKey, CString& errorText);
    bool Close();
    bool IsOpen() const { return m_key != nullptr; }
    HKEY GetKey() const { return m_key; }
    const wchar_t* GetPath() const { return m_path; }

    static CString GetErrorText(DWORD errorCode);

    bool SetDWORD(const wchar_t* name, DWORD value, CString& errorText);
    bool SetString(const wchar_t* name, const wchar_t* text, CString& errorText, bool expand);
    bool SetBinary(const wchar_t* name, const BYTE* data, DWORD size, CString& errorText);
    bool GetDWORD(const wchar_t* name, DWORD* value, CString& errorText);
    // size: in, the bytes offered; out, as the registry sets it.
    bool GetString(const wchar_t* name, wchar_t* buffer, DWORD* size, CString& errorText);
    bool GetBinary(const wchar_t* name, BYTE* buffer, DWORD* size, CString& errorText);
    // The whole value, however long; false when it is missing or not REG_BINARY.
    bool GetBinary(const wchar_t* name, CArray<BYTE>& bytes, CString& errorText);
    // The whole text, however long; false when it is missing or not REG_SZ/REG_EXPAND_SZ.
    bool GetString(const wchar_t* name, CString& text, CString& errorText);

    // The operations on the open key that only unattended tools use.
    // The value's size in bytes; false when it does not exist.
    bool GetValueSize(const wchar_t* name, DWORD* size, CString& errorText);
    // Deletes a subkey without subkeys of its own; null deletes the key named "".
    bool DeleteSubKey(const wchar_t* name, CString& errorText);
    bool DeleteValue(const wchar_t* name, CString& errorText);
    // A value as stored: its type, and its data into buffer (size: in, the bytes
    // offered; out, the value's size). A null buffer asks for the type and size only.
    bool QueryValue(const wchar_t* name, DWORD* type, BYTE* buffer, DWORD* size, CString& errorText);
    // The name of the subkey at the index (length: in, the characters offered; out, the
    // name's length); ERROR_NO_MORE_ITEMS's text past the last one.
    bool EnumSubKey(DWORD index, wchar_t* name, DWORD* length, CString& errorText);
    // The name, type and data of the value at the index, sized as EnumSubKey and
    // QueryValue are.
    bool EnumValue(DWORD index, wchar_t* name, DWORD* length, DWORD* type, BYTE* data, DWORD* dataSize,
                   CString& errorText);
    // What RegQueryInfoKey tells of the key.
    struct KeyInfo
    {
        CString className;
        DWORD subKeys = 0;
        DWORD longestSubKeyName = 0;
        DWORD longestClassName = 0;
        DWORD values = 0;
        DWORD longestValueName = 0;
        DWORD longestValueData = 0;
    };
    bool QueryInfo(KeyInfo& info, CString& errorText);

    bool WriteDWORD(HKEY root, const wchar_t* subKey, const wchar_t* name, DWORD value, bool createFlag,
                    CString& errorText);
    bool WriteString(HKEY root, const wchar_t* subKey, const wchar_t* name, const wchar_t* text, bool createFlag,
                     CString& errorText);
    bool ReadDWORD(HKEY root, const wchar_t* subKey, const wchar_t* name, DWORD* value, CString& errorText);
    bool ReadString(HKEY root, const wchar_t* subKey, const wchar_t* name, wchar_t* buffer, DWORD size,
                    CString& errorText);

private:
    bool Fail(LONG result, CString& errorText);
    // True on ERROR_SUCCESS, else Fail.
    bool Check(LONG result, CString& errorText);
    bool OpenWith(HKEY root, const wchar_t* subKey, bool createFlag, REGSAM access, CString& errorText);

    HKEY m_key = nullptr;
    wchar_t* m_path = nullptr;
};
