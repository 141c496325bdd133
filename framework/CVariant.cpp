#include "framework/CVariant.h"

CVariant::CVariant(const wchar_t* text)
{
    VariantInit(&m_value);
    m_value.vt = VT_BSTR;
    m_value.bstrVal = text ? SysAllocString(text) : nullptr;
    if (text && !m_value.bstrVal)
    {
        m_value.vt = VT_ERROR;
        m_value.scode = E_OUTOFMEMORY;
    }
}

CVariant::CVariant(bool value)
{
    VariantInit(&m_value);
    m_value.vt = VT_BOOL;
    m_value.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

CVariant::CVariant(long value)
{
    VariantInit(&m_value);
    m_value.vt = VT_I4;
    m_value.lVal = value;
}

CVariant::CVariant(const CVariant& other)
{
    VariantInit(&m_value);
    *this = other;
}

CVariant& CVariant::operator=(const CVariant& other)
{
    if (this != &other && FAILED(VariantCopy(&m_value, const_cast<VARIANT*>(&other.m_value))))
    {
        m_value.vt = VT_ERROR;
        m_value.scode = E_OUTOFMEMORY;
    }
    return *this;
}

bool CVariant::IsValid() const
{
    return !(m_value.vt == VT_ERROR && m_value.scode == E_OUTOFMEMORY);
}

VARIANT* CVariant::Receive()
{
    VariantClear(&m_value);
    return &m_value;
}
