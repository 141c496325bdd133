#pragma once
// CBstrHolder: a system string (BSTR) made from a text for a COM call, with a narrow
// (ANSI code page) copy on request. Both are freed with the holder. Running out of
// memory throws a CErrorInfo of E_OUTOFMEMORY, as the rest of the COM error handling
// expects.
#include <windows.h>
#include <oleauto.h>

class CBstrHolder
{
public:
    // A null text gives the null string.
    explicit CBstrHolder(const wchar_t* text);
    ~CBstrHolder();
    CBstrHolder(const CBstrHolder&) = delete;
    CBstrHolder& operator=(const CBstrHolder&) = delete;

    operator BSTR() const { return m_text; }
    // The text in the ANSI code page, made on first use; empty for the null string.
    const char* GetNarrow();

private:
    BSTR m_text;
    char* m_narrow = nullptr;
};
