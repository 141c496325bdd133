// Printing through Wine's spooler to the private CUPS server of the test run, whose
// default printer "PDF" (cups-pdf) writes each job as a PDF file into VELL_PDF_DIR.
// check_printed_page.sh then renders the page with poppler and checks what was drawn
// on it.
#include "PeersSupport.h"
#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace
{
std::set<std::wstring> PdfFiles(const std::wstring& folder)
{
    std::set<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*.pdf").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        names.insert(found.cFileName);
    while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

bool IsCompletePdf(const std::string& bytes)
{
    return bytes.compare(0, 5, "%PDF-") == 0 &&
           bytes.find("%%EOF", bytes.size() > 64 ? bytes.size() - 64 : 0) != std::string::npos;
}

// Waits up to timeoutMs for a PDF file that was not in "before", whose name holds
// "token", and that ghostscript has finished writing. Returns its name, or "".
std::wstring WaitForNewPdf(const std::wstring& folder, const std::set<std::wstring>& before, const std::wstring& token,
                           DWORD timeoutMs)
{
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    do
    {
        for (const std::wstring& name : PdfFiles(folder))
        {
            std::string bytes;
            if (!before.count(name) && name.find(token) != std::wstring::npos &&
                ReadFileBytes((folder + L"\\" + name).c_str(), bytes) && IsCompletePdf(bytes))
                return name;
        }
        Sleep(200);
    } while (GetTickCount64() < end);
    return std::wstring();
}

struct DcDeleter
{
    void operator()(HDC dc) const { DeleteDC(dc); }
};
} // namespace

TEST(PeersPrinting, DefaultPrinterIsTheCupsPdfQueue)
{
    wchar_t name[256] = {};
    DWORD length = ARRAYSIZE(name);
    ASSERT_TRUE(GetDefaultPrinterW(name, &length)) << "GetDefaultPrinterW failed: " << GetLastError();
    EXPECT_STREQ(L"PDF", name);
}

TEST(PeersPrinting, DcJobOnTheDefaultPrinterBecomesAPdf)
{
    const std::wstring folder = peers::Env(L"VELL_PDF_DIR_WIN");
    ASSERT_FALSE(folder.empty()) << peers::Missing(L"VELL_PDF_DIR_WIN");
    // The job is named after this run of the program, for the check to find its page.
    std::wstring document = peers::Env(L"VELL_TEST_ID");
    if (document.empty())
        document = peers::UniqueName(L"vell-peers");

    wchar_t printer[256] = {};
    DWORD length = ARRAYSIZE(printer);
    ASSERT_TRUE(GetDefaultPrinterW(printer, &length)) << "GetDefaultPrinterW failed: " << GetLastError();
    std::unique_ptr<HDC__, DcDeleter> dc(CreateDCW(L"WINSPOOL", printer, nullptr, nullptr));
    ASSERT_TRUE(dc) << "CreateDCW failed: " << GetLastError();
    const int width = GetDeviceCaps(dc.get(), HORZRES);
    const int height = GetDeviceCaps(dc.get(), VERTRES);
    ASSERT_GT(width, 1000) << "a printer page is far wider than this in device pixels";
    ASSERT_GT(height, 1000);

    const std::set<std::wstring> before = PdfFiles(folder);
    DOCINFOW info = {};
    info.cbSize = sizeof(info);
    info.lpszDocName = document.c_str();
    ASSERT_GT(StartDocW(dc.get(), &info), 0) << "StartDocW failed: " << GetLastError();
    ASSERT_GT(StartPage(dc.get()), 0);
    // The middle half of the printable area in pure red; the rest of the page stays
    // white. check_printed_page.sh looks for exactly that.
    RECT middle = {width / 4, height / 4, width * 3 / 4, height * 3 / 4};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    EXPECT_NE(0, FillRect(dc.get(), &middle, red));
    DeleteObject(red);
    ASSERT_GT(EndPage(dc.get()), 0);
    ASSERT_GT(EndDoc(dc.get()), 0);
    dc.reset();

    const std::wstring pdf = WaitForNewPdf(folder, before, document, 60000);
    ASSERT_FALSE(pdf.empty()) << "No complete PDF named after the job \"" << peers::Narrow(document)
                              << "\" appeared in " << peers::Narrow(folder) << " within 60 s";
}
