#pragma once
// CVariant: an automation VARIANT that owns what it holds (a system string, an interface
// reference) and clears it when it goes. A text that cannot be allocated leaves the
// variant holding the error E_OUTOFMEMORY, which IsValid tells.
#include <windows.h>
#include <oleauto.h>

class CVariant
{
public:
    CVariant() { VariantInit(&m_value); }
    // A text (VT_BSTR); a null text is the null string, which automation reads as empty.
    explicit CVariant(const wchar_t* text);
    // A Boolean (VT_BOOL).
    explicit CVariant(bool value);
    // A number (VT_I4).
    explicit CVariant(long value);
    CVariant(const CVariant& other);
    CVariant& operator=(const CVariant& other);
    ~CVariant() { VariantClear(&m_value); }

    // False when building the value ran out of memory.
    bool IsValid() const;
    // The value, for passing in; Receive empties it first, for a callee to fill.
    const VARIANT& Get() const { return m_value; }
    VARIANT* Receive();

private:
    VARIANT m_value;
};
