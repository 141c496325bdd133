#include "framework/CString.h"
#include "framework/AppModule.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <cwctype>

namespace
{
const std::wstring::size_type npos = std::wstring::npos;

int ToInt(std::wstring::size_type pos)
{
    return pos == npos ? -1 : static_cast<int>(pos);
}

size_t Clamp(int value, size_t limit)
{
    if (value < 0)
        return 0;
    return std::min(static_cast<size_t>(value), limit);
}
} // namespace

CString::CString(const wchar_t* text) : m_text(text ? text : L"") {}

CString::CString(const wchar_t* text, int length)
{
    if (text && length > 0)
        m_text.assign(text, static_cast<size_t>(length));
}

CString::CString(wchar_t ch, int repeat)
{
    if (repeat > 0)
        m_text.assign(static_cast<size_t>(repeat), ch);
}

CString::CString(const char* narrow)
{
    if (!narrow || !*narrow)
        return;
    int count = MultiByteToWideChar(CP_ACP, 0, narrow, -1, nullptr, 0);
    if (count <= 1)
        return;
    m_text.resize(static_cast<size_t>(count));
    MultiByteToWideChar(CP_ACP, 0, narrow, -1, &m_text[0], count);
    m_text.resize(static_cast<size_t>(count - 1));
}

CString& CString::operator=(const wchar_t* text)
{
    m_text = text ? text : L"";
    return *this;
}

CString& CString::operator=(wchar_t ch)
{
    m_text.assign(1, ch);
    return *this;
}

CString& CString::operator+=(const CString& text)
{
    m_text += text.m_text;
    return *this;
}

CString& CString::operator+=(const wchar_t* text)
{
    if (text)
        m_text += text;
    return *this;
}

CString& CString::operator+=(wchar_t ch)
{
    m_text += ch;
    return *this;
}

int CString::Compare(const wchar_t* text) const
{
    return wcscmp(m_text.c_str(), text ? text : L"");
}

int CString::CompareNoCase(const wchar_t* text) const
{
    return _wcsicmp(m_text.c_str(), text ? text : L"");
}

int CString::Find(wchar_t ch, int start) const
{
    return ToInt(m_text.find(ch, Clamp(start, m_text.size())));
}

int CString::Find(const wchar_t* sub, int start) const
{
    if (!sub || start > GetLength())
        return -1;
    return ToInt(m_text.find(sub, Clamp(start, m_text.size())));
}

int CString::ReverseFind(wchar_t ch) const
{
    return ToInt(m_text.rfind(ch));
}

int CString::FindOneOf(const wchar_t* chars) const
{
    return chars ? ToInt(m_text.find_first_of(chars)) : -1;
}

CString CString::Left(int count) const
{
    return CString(m_text.substr(0, Clamp(count, m_text.size())));
}

CString CString::Right(int count) const
{
    size_t n = Clamp(count, m_text.size());
    return CString(m_text.substr(m_text.size() - n));
}

CString CString::Mid(int first) const
{
    return CString(m_text.substr(Clamp(first, m_text.size())));
}

CString CString::Mid(int first, int count) const
{
    size_t from = Clamp(first, m_text.size());
    return CString(m_text.substr(from, Clamp(count, m_text.size() - from)));
}

CString& CString::MakeUpper()
{
    if (!m_text.empty())
        CharUpperBuffW(&m_text[0], static_cast<DWORD>(m_text.size()));
    return *this;
}

CString& CString::MakeLower()
{
    if (!m_text.empty())
        CharLowerBuffW(&m_text[0], static_cast<DWORD>(m_text.size()));
    return *this;
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::Trim(const wchar_t* chars)
{
    return TrimRight(chars).TrimLeft(chars);
}

CString& CString::TrimLeft(const wchar_t* chars)
{
    m_text.erase(0, std::min(m_text.find_first_not_of(chars), m_text.size()));
    return *this;
}

CString& CString::TrimRight(const wchar_t* chars)
{
    size_t last = m_text.find_last_not_of(chars);
    m_text.erase(last == npos ? 0 : last + 1);
    return *this;
}

int CString::Replace(const wchar_t* oldText, const wchar_t* newText)
{
    if (!oldText || !*oldText)
        return 0;
    const std::wstring from(oldText), to(newText ? newText : L"");
    int count = 0;
    for (size_t pos = m_text.find(from); pos != npos; pos = m_text.find(from, pos + to.size()))
    {
        m_text.replace(pos, from.size(), to);
        ++count;
    }
    return count;
}

int CString::Replace(wchar_t oldCh, wchar_t newCh)
{
    int count = 0;
    for (wchar_t& ch : m_text)
    {
        if (ch == oldCh)
        {
            ch = newCh;
            ++count;
        }
    }
    return count;
}

int CString::Remove(wchar_t ch)
{
    size_t before = m_text.size();
    m_text.erase(std::remove(m_text.begin(), m_text.end(), ch), m_text.end());
    return static_cast<int>(before - m_text.size());
}

int CString::Insert(int index, const wchar_t* text)
{
    if (text)
        m_text.insert(Clamp(index, m_text.size()), text);
    return GetLength();
}

int CString::Delete(int index, int count)
{
    size_t from = Clamp(index, m_text.size());
    m_text.erase(from, Clamp(count, m_text.size() - from));
    return GetLength();
}

bool CString::FormatInto(std::wstring& out, const wchar_t* format, va_list args)
{
    if (!format)
        return false;
    va_list probe;
    va_copy(probe, args);
    int length = _vscwprintf(format, probe);
    va_end(probe);
    if (length < 0)
        return false;
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    int written = _vsnwprintf(&buffer[0], buffer.size(), format, args);
    if (written < 0)
        return false;
    buffer.resize(static_cast<size_t>(written));
    out.swap(buffer);
    return true;
}

bool CString::Format(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    bool ok = FormatV(format, args);
    va_end(args);
    return ok;
}

bool CString::FormatV(const wchar_t* format, va_list args)
{
    return FormatInto(m_text, format, args);
}

bool CString::AppendFormat(const wchar_t* format, ...)
{
    std::wstring piece;
    va_list args;
    va_start(args, format);
    bool ok = FormatInto(piece, format, args);
    va_end(args);
    if (ok)
        m_text += piece;
    return ok;
}

bool CString::LoadString(UINT id)
{
    return LoadString(AppGetResourceHandle(), id);
}

bool CString::LoadString(HINSTANCE module, UINT id)
{
    // With a zero buffer size LoadStringW hands out a pointer into the resource itself.
    const wchar_t* resource = nullptr;
    int length = ::LoadStringW(module, id, reinterpret_cast<LPWSTR>(&resource), 0);
    if (length <= 0 || !resource)
        return false;
    m_text.assign(resource, static_cast<size_t>(length));
    return true;
}

wchar_t* CString::GetBuffer(int minLength)
{
    if (minLength > GetLength())
        m_text.resize(static_cast<size_t>(minLength));
    return &m_text[0];
}

wchar_t* CString::GetBufferSetLength(int length)
{
    m_text.resize(static_cast<size_t>(std::max(length, 0)));
    return &m_text[0];
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0)
        m_text.resize(wcsnlen(m_text.c_str(), m_text.size()));
    else
        m_text.resize(std::min(static_cast<size_t>(newLength), m_text.size()));
}

std::string CString::ToAnsi(UINT codePage) const
{
    if (m_text.empty())
        return std::string();
    int count = WideCharToMultiByte(codePage, 0, m_text.c_str(), GetLength(), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(std::max(count, 0)), '\0');
    if (count > 0)
        WideCharToMultiByte(codePage, 0, m_text.c_str(), GetLength(), &out[0], count, nullptr, nullptr);
    return out;
}

CString operator+(const CString& a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}
CString operator+(const CString& a, const wchar_t* b)
{
    CString r(a);
    r += b;
    return r;
}
CString operator+(const wchar_t* a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}
CString operator+(const CString& a, wchar_t b)
{
    CString r(a);
    r += b;
    return r;
}
CString operator+(wchar_t a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}

bool operator==(const CString& a, const CString& b)
{
    return a.str() == b.str();
}
bool operator==(const CString& a, const wchar_t* b)
{
    return a.Compare(b) == 0;
}
bool operator==(const wchar_t* a, const CString& b)
{
    return b.Compare(a) == 0;
}
bool operator!=(const CString& a, const CString& b)
{
    return !(a == b);
}
bool operator!=(const CString& a, const wchar_t* b)
{
    return !(a == b);
}
bool operator!=(const wchar_t* a, const CString& b)
{
    return !(a == b);
}
bool operator<(const CString& a, const CString& b)
{
    return a.str() < b.str();
}
