#pragma once
// What the SMTP client tests share: catching the client's two thrown types, string arrays
// from lists, and checks of what travelled.
#include "framework/CSocket.h"
#include "framework/CArray.h"
#include "framework/CString.h"
#include <initializer_list>
#include <string>

// The text a call threw; constant tells a constant text (const wchar_t*) from a CString.
struct Thrown
{
    bool thrown = false;
    bool constant = false;
    CString text;
};

template <typename Call> Thrown CatchThrown(Call call)
{
    Thrown result;
    try
    {
        call();
    }
    catch (const wchar_t* text)
    {
        result = Thrown{true, true, text};
    }
    catch (const CString& text)
    {
        result = Thrown{true, false, text};
    }
    return result;
}

inline CArray<CString> Texts(std::initializer_list<const wchar_t*> items)
{
    CArray<CString> texts;
    for (const wchar_t* item : items)
        texts.Add(item);
    return texts;
}

// True when every CR is followed by LF and every LF follows a CR.
inline bool HasOnlyCrLfLineEnds(const std::wstring& text)
{
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] == L'\r' && (i + 1 == text.size() || text[i + 1] != L'\n'))
            return false;
        if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r'))
            return false;
    }
    return true;
}

// The name this computer gives for itself, as a server should see it after HELO.
inline std::string LocalHostNameForTests()
{
    char name[256] = {};
    if (gethostname(name, sizeof(name)) != 0 || name[0] == '\0')
        return "localhost";
    return name;
}
