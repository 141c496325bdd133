// The printer destination against the test run's CUPS printer "PDF" (cups-pdf),
// the system's default printer. The test runner renders the first page of
// each new PDF into VELL_PDF_PAGES_WIN; the tests read those pages.
#include "capture/destinations/CImagePrinter.h"
#include "capture/tests/CaptureTestSupport.h"
#include "testing/TestPump.h"
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <vector>

using namespace capture_test;
using screen_test::ColourWindow;

namespace
{
// A colour far from kPaint, for the job that closes a series.
const COLORREF kMarker = RGB(255, 0, 0);
const int kColourTolerance = 40;

CString Env(const wchar_t* name)
{
    wchar_t value[MAX_PATH] = {};
    DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
    return length > 0 && length < MAX_PATH ? CString(value) : CString();
}

std::set<CString> ListFiles(const CString& folder, const wchar_t* pattern)
{
    std::set<CString> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(folder + L"\\" + pattern, &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        names.insert(CString(found.cFileName));
    while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

// The resolution at which the test runner renders the pages (scripts/services.sh).
const int kRenderDpi = 20;

// The first page of a printed PDF, as the wrapper rendered it.
struct PrintedPage
{
    int pages = 0;
    double width = 0; // points
    double height = 0;
    int rotation = 0;    // degrees, as the page is shown
    COLORREF colour = 0; // the most frequent colour that is not white paper
    SIZE extent = {};    // pixels from the first to the last one of that colour, across and down

    bool IsLandscape() const { return (rotation % 180 != 0) != (width > height); }
};

// Finds the most frequent colour of the rendered page that is not near white
// (white when there is none) and the extent of the pixels near it.
void ReadPicture(const CString& path, PrintedPage& page)
{
    std::unique_ptr<Gdiplus::Bitmap> bitmap(Gdiplus::Bitmap::FromFile(path));
    if (!bitmap || bitmap->GetLastStatus() != Gdiplus::Ok)
        return;
    const int width = static_cast<int>(bitmap->GetWidth()), height = static_cast<int>(bitmap->GetHeight());
    std::vector<COLORREF> pixels;
    std::map<COLORREF, int> counts;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            Gdiplus::Color c;
            bitmap->GetPixel(x, y, &c);
            pixels.push_back(RGB(c.GetR(), c.GetG(), c.GetB()));
            if (!ColourNear(pixels.back(), RGB(255, 255, 255), 24))
                ++counts[pixels.back()];
        }
    page.colour = RGB(255, 255, 255);
    int best = 0;
    for (const auto& entry : counts)
        if (entry.second > best)
        {
            page.colour = entry.first;
            best = entry.second;
        }

    RECT box = {width, height, -1, -1};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (ColourNear(page.colour, pixels[static_cast<size_t>(y) * width + x], kColourTolerance))
                box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x),
                       std::max<LONG>(box.bottom, y)};
    if (box.right >= box.left)
        page.extent = {box.right - box.left + 1, box.bottom - box.top + 1};
}

// The PDFs that the printer writes from now on.
class PrintedPdfs
{
public:
    PrintedPdfs() : m_pdfFolder(Env(L"VELL_PDF_DIR_WIN")), m_pageFolder(Env(L"VELL_PDF_PAGES_WIN"))
    {
        m_before = ListFiles(m_pdfFolder, L"*.pdf");
    }
    // The PDFs printed while it lived go, so that runs do not pile them up.
    ~PrintedPdfs()
    {
        if (m_pdfFolder.IsEmpty())
            return;
        for (const CString& name : NewPdfs())
            DeleteFileW(m_pdfFolder + L"\\" + name);
    }
    PrintedPdfs(const PrintedPdfs&) = delete;
    PrintedPdfs& operator=(const PrintedPdfs&) = delete;

    bool IsReady() const { return !m_pdfFolder.IsEmpty() && !m_pageFolder.IsEmpty() && AppGdiplusInit(); }

    // Waits until a new PDF shows the marker colour and every new PDF is
    // rendered (the printer handles jobs in order, so the marker's job comes
    // last), then gives the pages of all but the marker's. False when that
    // takes longer than a minute.
    bool WaitForMarker(std::vector<PrintedPage>& printed)
    {
        return PumpUntil([&] { return MarkerCame(printed); }, 60000);
    }

private:
    // The pages of the new PDFs but the marker's, once the marker's is there and all are rendered.
    bool MarkerCame(std::vector<PrintedPage>& printed) const
    {
        std::vector<PrintedPage> pages;
        bool complete = true, marked = false;
        for (const CString& name : NewPdfs())
        {
            PrintedPage page;
            if (!ReadPage(name, page))
                complete = false;
            else if (ColourNear(kMarker, page.colour, kColourTolerance))
                marked = true;
            else
                pages.push_back(page);
        }
        if (marked && complete)
            printed = pages;
        return marked && complete;
    }

    std::vector<CString> NewPdfs() const
    {
        std::vector<CString> names;
        for (const CString& name : ListFiles(m_pdfFolder, L"*.pdf"))
            if (!m_before.count(name))
                names.push_back(name);
        return names;
    }

    bool ReadPage(const CString& pdfName, PrintedPage& page) const
    {
        CString base = m_pageFolder + L"\\" + pdfName.Left(pdfName.GetLength() - 4);
        std::istringstream info(ReadBytes(base + L".txt"));
        if (!(info >> page.pages >> page.width >> page.height >> page.rotation))
            return false;
        ReadPicture(base + L".png", page);
        return true;
    }

    CString m_pdfFolder;
    CString m_pageFolder;
    std::set<CString> m_before;
};

// Exposes the device mode and the scale factor.
class InspectedPrinter : public CImagePrinter
{
public:
    using CImagePrinter::GetScaleFactor;
    const DEVMODEW* DevMode() const { return m_pDevMode; }
};

// The default printer's record with the copies and orientation given.
InfoScPrinter DefaultPrinterRecord(int copies, EnumPageOrientation orientation)
{
    InfoScPrinter record;
    record.NumCopies = copies;
    record.Orientation = orientation;
    return record;
}

// The orientation the default printer has of itself.
EnumPageOrientation DefaultOrientation()
{
    return InfoScPrinter().Orientation;
}

// Prints a grab of a window painted the colour; DR_NOTHING_DONE when the
// window never showed.
DestinationResult PrintWindowOf(COLORREF colour, CImagePrinter& printer, const InfoScPrinter& record)
{
    ColourWindow window(kPaintRect, colour);
    if (!window.IsShown())
        return DR_NOTHING_DONE;
    printer.UseInfo(record);
    return printer.ProcessWindow(window.Handle());
}

// Prints the marker that closes a series.
void PrintMarker()
{
    CImagePrinter marker;
    ASSERT_EQ(DR_DONE, PrintWindowOf(kMarker, marker, DefaultPrinterRecord(1, DefaultOrientation())))
        << marker.GetErrorText().GetString();
}

class CImagePrinterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_pdfs.IsReady()) << "VELL_PDF_DIR_WIN and VELL_PDF_PAGES_WIN come from the test runner";
        ASSERT_EQ(CString(L"PDF"), InfoScPrinter().Name) << "the default printer is the test run's PDF printer";
    }

    PrintedPdfs m_pdfs;
};
} // namespace

TEST_F(CImagePrinterTest, DefaultPrinterNamedInOtherCasePrintsThePictureWithItsOwnSettings)
{
    InspectedPrinter printer;
    InfoScPrinter record = DefaultPrinterRecord(1, DefaultOrientation());
    record.Name = L"pdf";
    ASSERT_EQ(DR_DONE, PrintWindowOf(kPaint, printer, record)) << printer.GetErrorText().GetString();
    EXPECT_EQ(nullptr, printer.DevMode());
    PrintMarker();

    std::vector<PrintedPage> printed;
    ASSERT_TRUE(m_pdfs.WaitForMarker(printed));
    ASSERT_EQ(1u, printed.size());
    EXPECT_EQ(1, printed[0].pages);
    EXPECT_TRUE(ColourNear(kPaint, printed[0].colour, kColourTolerance)) << std::hex << printed[0].colour;

    // On paper the picture is enlarged by the whole factor that brings the
    // display's pixels nearest the printer's.
    HDC printerDC = CreateDCW(record.DrvName, record.Name, record.PortName, nullptr);
    ASSERT_NE(nullptr, printerDC);
    HDC screen = GetDC(nullptr);
    const int scale = std::max(1, std::max(GetDeviceCaps(printerDC, HORZRES) / GetDeviceCaps(screen, HORZRES),
                                           GetDeviceCaps(printerDC, VERTRES) / GetDeviceCaps(screen, VERTRES)));
    const double across = kPaintWidth * scale * kRenderDpi / double(GetDeviceCaps(printerDC, LOGPIXELSX));
    const double down = kPaintHeight * scale * kRenderDpi / double(GetDeviceCaps(printerDC, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    DeleteDC(printerDC);
    EXPECT_NEAR(across, printed[0].extent.cx, 2.0) << "scale " << scale;
    EXPECT_NEAR(down, printed[0].extent.cy, 2.0) << "scale " << scale;
}

TEST_F(CImagePrinterTest, EachCopyIsADocumentOfOnePage)
{
    const struct
    {
        int copies;
        size_t documents;
    } cases[] = {{2, 2}, {0, 0}};
    for (const auto& c : cases)
    {
        PrintedPdfs pdfs;
        InspectedPrinter printer;
        // Landscape differs from the default printer: the destination makes a
        // device mode of its own.
        ASSERT_EQ(DR_DONE, PrintWindowOf(kPaint, printer, DefaultPrinterRecord(c.copies, PO_LANDSCAPE)))
            << printer.GetErrorText().GetString();
        const DEVMODEW* mode = printer.DevMode();
        ASSERT_NE(nullptr, mode);
        EXPECT_EQ(1, mode->dmCopies) << "copies are documents, not copies asked of the driver";
        EXPECT_EQ(0, mode->dmDriverExtra) << "the block holds no private driver data";
        EXPECT_EQ(sizeof(DEVMODEW), mode->dmSize);
        EXPECT_EQ(PO_LANDSCAPE, mode->dmOrientation);
        PrintMarker();

        std::vector<PrintedPage> printed;
        ASSERT_TRUE(pdfs.WaitForMarker(printed)) << c.copies;
        EXPECT_EQ(c.documents, printed.size()) << c.copies;
        for (const PrintedPage& page : printed)
        {
            EXPECT_EQ(1, page.pages) << c.copies;
            EXPECT_TRUE(page.IsLandscape()) << page.width << "x" << page.height << " turned " << page.rotation;
            EXPECT_TRUE(ColourNear(kPaint, page.colour, kColourTolerance)) << std::hex << page.colour;
        }
    }
}

TEST_F(CImagePrinterTest, MissingPrinterFailsWithItsName)
{
    CImagePrinter printer;
    InfoScPrinter record = DefaultPrinterRecord(1, DefaultOrientation());
    record.Name = L"No Such Printer";
    printer.UseInfo(record);
    EXPECT_EQ(DR_FAILED, printer.ProcessRect(kPaintRect));
    EXPECT_EQ(CString(L"Cannot select the specified printer 'No Such Printer'."), printer.GetErrorText());
}

TEST(CImagePrinterScaleTest, LargerWholeRatioOfPrinterToDisplayAndAtLeastOne)
{
    const struct
    {
        int printerWidth, printerHeight, displayWidth, displayHeight, scale;
    } cases[] = {
        {4800, 6600, 1024, 768, 8}, // sx 4, sy 8
        {6600, 4800, 1024, 768, 6}, // sx 6, sy 6
        {4800, 700, 1024, 768, 4},  // sy 0
        {800, 600, 1024, 768, 1},   // a printer coarser than the display
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.scale,
                  InspectedPrinter::GetScaleFactor(c.printerWidth, c.printerHeight, c.displayWidth, c.displayHeight))
            << c.printerWidth << "x" << c.printerHeight;
}

TEST(CImagePrinterNoPictureTest, WithoutAPictureTheRunFails)
{
    CImagePrinter printer;
    printer.UseInfo(DefaultPrinterRecord(1, DefaultOrientation()));
    EXPECT_EQ(DR_FAILED, printer.Execute());
    EXPECT_EQ(CString(L"Cannot process the image and the operation is aborted. Unknown error message."),
              printer.GetErrorText());
}
