#pragma once
// CErrorInfo: the outcome of a COM operation, an HRESULT and a message that grows line by
// line (lines separated by CR LF). Every line added is also published as the calling
// thread's COM error information, so a COM caller sees the same text.
//
// The virtual operations are declared in their virtual-table order; keep it.
#include "common/auto_p.h"
#include <windows.h>
#include <oaidl.h>
#include <cstdarg>
#include <string>

class CErrorInfo
{
public:
    // Picks up the description that the failing component left on the thread, then
    // stores hr; without a description a failing or non-zero code gets the system text.
    explicit CErrorInfo(HRESULT hr);
    // Code 0 and no message.
    CErrorInfo() = default;
    // The code with the message as its first line.
    CErrorInfo(HRESULT hr, const wchar_t* message);
    // Shares the other's error object.
    CErrorInfo(const CErrorInfo& other);
    virtual ~CErrorInfo() = default;

    virtual bool Succeeded() const;
    virtual bool Failed() const;
    virtual HRESULT GetHr() const;
    // The thread's error object, created on first use; the reference is the caller's.
    virtual ICreateErrorInfo* GetCreateErrorInfo();
    // Makes the error object the thread's error information; returns its IErrorInfo
    // with a reference for the caller, or null.
    virtual IErrorInfo* Publish();
    // Code 0 and no message; the error object is kept.
    virtual void Clear();
    virtual const wchar_t* FormatId(UINT id, ...);
    virtual const wchar_t* FormatIdV(UINT id, va_list args);
    virtual const wchar_t* FormatA(const char* format, ...);
    virtual const wchar_t* FormatVA(const char* format, va_list args);
    virtual const wchar_t* Format(const wchar_t* format, ...);
    // Appends the formatted text (at most 1023 characters) as a line and returns the
    // whole message, or a fixed failure text when the text does not fit or the format
    // is invalid.
    virtual const wchar_t* FormatV(const wchar_t* format, va_list args);
    virtual const wchar_t* GetText() const;
    // Stores hr; an empty message gets the system text of a non-zero code.
    virtual HRESULT SetHr(HRESULT hr);
    virtual HRESULT GetCode() const;
    // Appends the description of the thread's current COM error object, if any.
    virtual void LoadErrorInfo();
    // Sets the IErrorInfo of create as the thread's error object and returns it with
    // a reference for the caller; null when create is null or has none.
    virtual IErrorInfo* SetErrorInfo(ICreateErrorInfo* create);
    // Creates the error object on first use, publishes it and returns it with a
    // reference for the caller; null when it cannot be created.
    virtual ICreateErrorInfo* CreateErrorInfo();

    // The system's text for hr, or a generated one when the system has none. Allocated
    // with LocalAlloc; the caller frees it with LocalFree. Null only when out of memory.
    static wchar_t* FormatErrorMessage(HRESULT hr);

    // The HRESULT of a Win32 error code: 0 and negative values as they are, else
    // 0x8007xxxx with its low 16 bits.
    static HRESULT FromWin32(DWORD error);
    // FromWin32 of GetLastError(); E_FAIL when there is no last error.
    static HRESULT FromLastError();
    // Throw a CErrorInfo of the code (with its system text).
    [[noreturn]] static void ThrowHr(HRESULT hr);
    [[noreturn]] static void ThrowWin32(DWORD error);
    [[noreturn]] static void ThrowLastError();
    // Publishes the code's text as the thread's error information; returns hr.
    static HRESULT Report(HRESULT hr);

private:
    // Appends text verbatim as a line and publishes the whole message.
    void AppendLine(const wchar_t* text);

    HRESULT m_hr = 0;
    std::wstring m_message;
    auto_rel<ICreateErrorInfo> m_createErrorInfo;
};
