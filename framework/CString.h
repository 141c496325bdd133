#pragma once
// CString: the framework's UTF-16 text value. Formatting follows the C runtime's
// wide printf rules (%s takes a wide string, %S a narrow one).
#include <windows.h>
#include <cstdarg>
#include <string>

class CString
{
public:
    CString() = default;
    CString(const wchar_t* text);
    CString(const wchar_t* text, int length);
    CString(wchar_t ch, int repeat = 1);
    explicit CString(const std::wstring& text) : m_text(text) {}
    explicit CString(const char* narrow); // converted with the ANSI code page

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    const wchar_t* GetString() const { return m_text.c_str(); }
    operator const wchar_t*() const { return m_text.c_str(); }
    const std::wstring& str() const { return m_text; }

    wchar_t GetAt(int index) const { return m_text.at(static_cast<size_t>(index)); }
    wchar_t operator[](int index) const { return GetAt(index); }
    void SetAt(int index, wchar_t ch) { m_text.at(static_cast<size_t>(index)) = ch; }

    CString& operator=(const wchar_t* text);
    CString& operator=(wchar_t ch);
    CString& operator+=(const CString& text);
    CString& operator+=(const wchar_t* text);
    CString& operator+=(wchar_t ch);

    int Compare(const wchar_t* text) const;
    int CompareNoCase(const wchar_t* text) const;

    int Find(wchar_t ch, int start = 0) const;
    int Find(const wchar_t* sub, int start = 0) const;
    int ReverseFind(wchar_t ch) const;
    int FindOneOf(const wchar_t* chars) const;

    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;

    CString& MakeUpper();
    CString& MakeLower();
    CString& Trim();
    CString& Trim(const wchar_t* chars);
    CString& TrimLeft(const wchar_t* chars = L" \t\r\n");
    CString& TrimRight(const wchar_t* chars = L" \t\r\n");
    int Replace(const wchar_t* oldText, const wchar_t* newText);
    int Replace(wchar_t oldCh, wchar_t newCh);
    int Remove(wchar_t ch);
    int Insert(int index, const wchar_t* text);
    int Delete(int index, int count = 1);

    // Formatting: false (and the text unchanged) when the format is invalid.
    bool Format(const wchar_t* format, ...);
    bool FormatV(const wchar_t* format, va_list args);
    bool AppendFormat(const wchar_t* format, ...);
    // Loads a string-table entry of the current resource module; false when missing.
    bool LoadString(UINT id);
    bool LoadString(HINSTANCE module, UINT id);

    // Direct buffer access for Win32 calls that fill a text.
    wchar_t* GetBuffer(int minLength);
    wchar_t* GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

    std::string ToAnsi(UINT codePage = CP_ACP) const;

private:
    static bool FormatInto(std::wstring& out, const wchar_t* format, va_list args);
    std::wstring m_text;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const wchar_t* b);
CString operator+(const wchar_t* a, const CString& b);
CString operator+(const CString& a, wchar_t b);
CString operator+(wchar_t a, const CString& b);

bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, const wchar_t* b);
bool operator==(const wchar_t* a, const CString& b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, const wchar_t* b);
bool operator!=(const wchar_t* a, const CString& b);
bool operator<(const CString& a, const CString& b);
