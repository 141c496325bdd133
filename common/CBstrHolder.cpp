#include "common/CBstrHolder.h"
#include "common/CErrorInfo.h"
#include <new>

CBstrHolder::CBstrHolder(const wchar_t* text) : m_text(text ? SysAllocString(text) : nullptr)
{
    if (text && !m_text)
        CErrorInfo::ThrowHr(E_OUTOFMEMORY);
}

CBstrHolder::~CBstrHolder()
{
    SysFreeString(m_text);
    delete[] m_narrow;
}

const char* CBstrHolder::GetNarrow()
{
    if (m_narrow)
        return m_narrow;
    const int length = static_cast<int>(SysStringLen(m_text));
    const int bytes = length ? WideCharToMultiByte(CP_ACP, 0, m_text, length, nullptr, 0, nullptr, nullptr) : 0;
    m_narrow = new (std::nothrow) char[bytes + 1];
    if (!m_narrow)
        CErrorInfo::ThrowHr(E_OUTOFMEMORY);
    if (bytes)
        WideCharToMultiByte(CP_ACP, 0, m_text, length, m_narrow, bytes, nullptr, nullptr);
    m_narrow[bytes] = '\0';
    return m_narrow;
}
