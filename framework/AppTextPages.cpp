#include "framework/AppTextPages.h"

#include <algorithm>

namespace
{
const int kTabStop = 8;

CString ExpandTabs(const CString& line)
{
    CString expanded;
    for (int i = 0; i < line.GetLength(); ++i)
    {
        if (line[i] != L'\t')
            expanded += line[i];
        else
            expanded += CString(L' ', kTabStop - expanded.GetLength() % kTabStop);
    }
    return expanded;
}

// The text's lines, without their line breaks.
std::vector<CString> SplitLines(const CString& text)
{
    std::vector<CString> lines(1);
    for (int i = 0; i < text.GetLength(); ++i)
    {
        wchar_t ch = text[i];
        if (ch == L'\r' || ch == L'\n')
        {
            if (ch == L'\r' && i + 1 < text.GetLength() && text[i + 1] == L'\n')
                ++i;
            lines.emplace_back();
        }
        else
            lines.back() += ch;
    }
    // The break that ends the last line opens no new one.
    if (lines.size() > 1 && lines.back().IsEmpty())
        lines.pop_back();
    return lines;
}

// How many leading characters of the text fit the width; 1 at least.
int FittingLength(const CString& text, int width, const AppTextMeasure& measure)
{
    int low = 1, high = text.GetLength();
    while (low < high)
    {
        int middle = (low + high + 1) / 2;
        if (measure(text.Left(middle)) <= width)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

void WrapLine(CString rest, int width, const AppTextMeasure& measure, std::vector<CString>& out)
{
    while (rest.GetLength() > 1 && measure(rest) > width)
    {
        int fits = FittingLength(rest, width, measure);
        int blank = rest.Left(fits + 1).ReverseFind(L' ');
        if (blank > 0)
        {
            out.push_back(rest.Left(blank));
            rest = rest.Mid(blank + 1);
        }
        else
        {
            out.push_back(rest.Left(fits));
            rest = rest.Mid(fits);
        }
    }
    out.push_back(rest);
}
} // namespace

std::vector<AppTextPage> AppLayOutPages(const CString& text, int width, int linesPerPage,
                                        const AppTextMeasure& measure)
{
    std::vector<CString> printed;
    if (!text.IsEmpty())
        for (const CString& line : SplitLines(text))
            WrapLine(ExpandTabs(line), width, measure, printed);
    std::vector<AppTextPage> pages(1);
    for (const CString& line : printed)
    {
        if (static_cast<int>(pages.back().size()) >= (std::max)(1, linesPerPage))
            pages.emplace_back();
        pages.back().push_back(line);
    }
    return pages;
}
