// An edit view printed on the test run's PDF printer: the printout, read back as text
// (pdftotext, by the runner's page watcher), holds every line in order over several pages,
// with a long line wrapped at blanks.
#include "framework/AppWindowText.h"
#include "framework/CEditView.h"
#include "framework/Handles.h"
#include "testing/TestFiles.h"
#include "testing/TestPump.h"
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace
{
const int kNumberedLines = 250;
const int kWords = 80;

CString Env(const wchar_t* name)
{
    wchar_t value[1024] = {};
    DWORD length = GetEnvironmentVariableW(name, value, ARRAYSIZE(value));
    return length > 0 && length < ARRAYSIZE(value) ? CString(value) : CString();
}

// A line far wider than a page: "w001 w002 ...".
CString WideLine()
{
    CString words;
    for (int word = 1; word <= kWords; ++word)
        words.AppendFormat(L"w%03d ", word);
    return words.TrimRight();
}

// The view's text: numbered lines, and the wide line after the first of them.
CString PrintedText()
{
    CString text;
    for (int line = 1; line <= kNumberedLines; ++line)
    {
        text.AppendFormat(L"Line %03d of the printout\r\n", line);
        if (line == 1)
            text += WideLine() + L"\r\n";
    }
    return text;
}

// The first file of the folder matching the pattern; empty for none.
CString FirstFile(const CString& folder, const CString& pattern)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(folder + L"\\" + pattern, &found);
    if (search == INVALID_HANDLE_VALUE)
        return CString();
    FindClose(search);
    return CString(found.cFileName);
}

// The printout's pages as pdftotext gave them, each as its non-empty lines.
std::vector<std::vector<std::string>> SplitPages(const std::string& text)
{
    std::vector<std::vector<std::string>> pages(1);
    std::string line;
    for (char ch : text)
    {
        if (ch == '\n' || ch == '\f')
        {
            if (!line.empty())
                pages.back().push_back(line);
            line.clear();
            if (ch == '\f')
                pages.emplace_back();
        }
        else
            line += ch;
    }
    if (pages.back().empty())
        pages.pop_back();
    return pages;
}

std::string Numbered(int line)
{
    char text[40];
    snprintf(text, sizeof(text), "Line %03d of the printout", line);
    return text;
}
} // namespace

TEST(CEditViewPrint, TheTextIsPrintedInPagesWithEveryLineInOrderAndLongLinesWrapped)
{
    const CString pdfFolder = Env(L"VELL_PDF_DIR_WIN"), pageFolder = Env(L"VELL_PDF_PAGES_WIN");
    ASSERT_FALSE(pdfFolder.IsEmpty() || pageFolder.IsEmpty()) << "the test runner names the printer's folders";
    const CString document = Env(L"VELL_TEST_ID") + L"-edit-view";

    CWnd frame;
    ASSERT_TRUE(frame.CreateEx(0, AppRegisterWndClass(0), L"frame", WS_OVERLAPPEDWINDOW, {0, 0, 300, 200}, nullptr, 0));
    CEditView view;
    ASSERT_TRUE(view.Create(frame, 1, {0, 0, 300, 200}));
    SetWindowTextW(view, PrintedText());

    wchar_t printerName[256] = {};
    DWORD length = ARRAYSIZE(printerName);
    ASSERT_TRUE(GetDefaultPrinterW(printerName, &length));
    {
        CCreatedDCHandle printer(CreateDCW(L"WINSPOOL", printerName, nullptr, nullptr));
        ASSERT_TRUE(printer);
        ASSERT_TRUE(view.PrintTo(printer, document)) << view.GetPrintFailure().ToAnsi();
        EXPECT_TRUE(view.GetPrintFailure().IsEmpty());
    }

    CString info;
    ASSERT_TRUE(PumpUntil([&] { return !(info = FirstFile(pageFolder, L"*" + document + L"*.txt")).IsEmpty(); },
                          60000))
        << "no printout named after " << document.ToAnsi() << " was read back within a minute";
    const CString base = pageFolder + L"\\" + info.Left(info.GetLength() - 4);
    std::istringstream counts(ReadBytes(base + L".txt"));
    int pdfPages = 0;
    counts >> pdfPages;
    auto pages = SplitPages(ReadBytes(base + L".text"));
    DeleteFileW(pdfFolder + L"\\" + info.Left(info.GetLength() - 4) + L".pdf");

    ASSERT_GE(pages.size(), 3u) << "250 lines of an 8-point font fill more than two pages";
    EXPECT_EQ(static_cast<int>(pages.size()), pdfPages);
    std::vector<std::string> lines;
    for (const auto& page : pages)
        lines.insert(lines.end(), page.begin(), page.end());
    // Every numbered line once, in order, across the page breaks; the wide line in between.
    size_t at = 0;
    for (int line = 1; line <= kNumberedLines; ++line)
    {
        while (at < lines.size() && lines[at] != Numbered(line))
            ++at;
        ASSERT_LT(at, lines.size()) << Numbered(line) << " is missing or out of order";
    }
    std::string words;
    int wrapped = 0;
    for (const std::string& line : lines)
        if (line.compare(0, 1, "w") == 0)
        {
            words += (words.empty() ? "" : " ") + line;
            ++wrapped;
        }
    EXPECT_GT(wrapped, 1) << "the wide line was wrapped";
    EXPECT_EQ(WideLine().ToAnsi(), words);
}

TEST(CEditViewPrint, ADeviceThatIsNoPrinterFailsWithAText)
{
    CWnd frame;
    ASSERT_TRUE(frame.CreateEx(0, AppRegisterWndClass(0), L"frame", WS_OVERLAPPEDWINDOW, {0, 0, 300, 200}, nullptr, 0));
    CEditView view;
    ASSERT_TRUE(view.Create(frame, 1, {0, 0, 300, 200}));
    SetWindowTextW(view, L"text");
    CCreatedDCHandle memory(CreateCompatibleDC(nullptr));
    EXPECT_FALSE(view.PrintTo(memory, L"nowhere"));
    EXPECT_EQ(0, view.GetPrintFailure().Find(L"The text could not be printed: the printer refused the document"))
        << view.GetPrintFailure().ToAnsi();
}
