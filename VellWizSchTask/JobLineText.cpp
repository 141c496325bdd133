#include "VellWizSchTask/JobLineText.h"

#include <shellapi.h>

namespace
{
// One argument between double quotes, escaped so that it splits back to itself.
CString QuoteArgument(const CString& argument)
{
    CString out = L"\"";
    int backslashes = 0;
    for (int i = 0; i < argument.GetLength(); ++i)
    {
        const wchar_t ch = argument[i];
        if (ch == L'\\')
        {
            ++backslashes;
            continue;
        }
        // Backslashes before a double quote are doubled, and the quote escaped.
        const int written = ch == L'"' ? 2 * backslashes + 1 : backslashes;
        out += CString(L'\\', written) + ch;
        backslashes = 0;
    }
    // Backslashes before the closing quote are doubled so they do not escape it.
    return out + CString(L'\\', 2 * backslashes) + L'"';
}

bool EdgeIsQuote(const CString& value)
{
    return !value.IsEmpty() && (value[0] == L'"' || value[value.GetLength() - 1] == L'"');
}
} // namespace

CString QuoteJobText(const CString& value)
{
    return QuoteArgument(EdgeIsQuote(value) ? L"\"" + value + L"\"" : value);
}

CString QuoteJobPlain(const CString& value)
{
    return value.IsEmpty() || value.FindOneOf(L" \t\"") >= 0 ? QuoteArgument(value) : value;
}

void SplitCommandLine(const CString& parameters, CStringArray& argv)
{
    argv.RemoveAll();
    argv.Add(L"VellRunJobs.exe");
    // The program's own name leads, as in the runner's command line.
    const CString line = L"VellRunJobs.exe " + parameters;
    int count = 0;
    LPWSTR* split = CommandLineToArgvW(line, &count);
    if (!split)
        return;
    for (int i = 1; i < count; ++i)
        argv.Add(split[i]);
    LocalFree(split);
}
