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

    bool WriteDWORD(HKEY root, const wchar_t* subKey, const wchar_t* name, DWORD value, bool createFlag,
                    CString& errorText);
    bool WriteString(HKEY root, const wchar_t* subKey, const wchar_t* name, const wchar_t* text, bool createFlag,
                     CString& errorText);
    bool ReadDWORD(HKEY root, const wchar_t* subKey, const wchar_t* name, DWORD* value, CString& errorText);
    bool ReadString(HKEY root, const wchar_t* subKey, const wchar_t* name, wchar_t* buffer, DWORD size,
                    CString& errorText);

private:
    bool Fail(LONG result, CString& errorText);
    bool QueryValue(const wchar_t* name, DWORD* type, BYTE* buffer, DWORD* size, CString& errorText);
    bool OpenWith(HKEY root, const wchar_t* subKey, bool createFlag, REGSAM access, CString& errorText);

    HKEY m_key = nullptr;
    wchar_t* m_path = nullptr;
};
