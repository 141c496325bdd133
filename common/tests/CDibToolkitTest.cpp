#include "common/CDibToolkit.h"
#include "common/tests/ScreenTestWindow.h"
#include "testing/TestCanvas.h"
#include "testing/TestFiles.h"
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using screen_test::ColourWindow;
using screen_test::ReadPixels;

namespace
{
const COLORREF kPaint = RGB(30, 160, 90);
const RECT kWindowRect = {100, 120, 300, 270}; // 200 x 150

// A locked view of a packed DIB; y counts from the top row.
class DibView
{
public:
    explicit DibView(HGLOBAL dib) : m_dib(dib), m_base(static_cast<BYTE*>(GlobalLock(dib))) {}
    ~DibView() { GlobalUnlock(m_dib); }

    const BITMAPINFOHEADER& Header() const { return *reinterpret_cast<const BITMAPINFOHEADER*>(m_base); }
    const RGBQUAD* Colours() const { return reinterpret_cast<const RGBQUAD*>(m_base + Header().biSize); }
    int Stride() const { return ((Header().biBitCount * Header().biWidth + 31) / 32) * 4; }
    const BYTE* Row(int y) const
    {
        const BYTE* bits = m_base + Header().biSize + CDibToolkit::ColorTableSize(&Header());
        return bits + static_cast<size_t>(Header().biHeight - 1 - y) * Stride();
    }
    // The colour-table index of a pixel of a 1-, 4- or 8-bit DIB.
    int Index(int x, int y) const
    {
        int bits = Header().biBitCount;
        int perByte = 8 / bits;
        int shift = (perByte - 1 - x % perByte) * bits;
        return (Row(y)[x / perByte] >> shift) & ((1 << bits) - 1);
    }
    COLORREF Colour24(int x, int y) const
    {
        const BYTE* p = Row(y) + x * 3;
        return RGB(p[2], p[1], p[0]);
    }

private:
    HGLOBAL m_dib;
    BYTE* m_base;
};

std::wstring TempFile(const wchar_t* name)
{
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

template <typename T> T ReadAt(const std::vector<BYTE>& bytes, size_t offset)
{
    T value;
    std::memcpy(&value, bytes.data() + offset, sizeof(T));
    return value;
}

bool AllPixels(const DibView& dib, COLORREF colour)
{
    for (int y = 0; y < dib.Header().biHeight; ++y)
        for (int x = 0; x < dib.Header().biWidth; ++x)
            if (dib.Colour24(x, y) != colour)
                return false;
    return true;
}

int ScreenWidth()
{
    return GetSystemMetrics(SM_CXSCREEN);
}

int ScreenHeight()
{
    return GetSystemMetrics(SM_CYSCREEN);
}

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP bm = {};
    GetObjectW(bitmap, sizeof(bm), &bm);
    return {bm.bmWidth, bm.bmHeight};
}

// A DIB section of 4 or 8 bits whose colour table and pixel indices are known.
struct IndexedBitmap
{
    static constexpr int kWidth = 6;
    static constexpr int kHeight = 3;
    HBITMAP bitmap = nullptr;
    std::vector<RGBQUAD> colours;

    explicit IndexedBitmap(int bits)
    {
        int count = 1 << bits;
        std::vector<BYTE> buffer(sizeof(BITMAPINFOHEADER) + count * sizeof(RGBQUAD));
        auto* info = reinterpret_cast<BITMAPINFO*>(buffer.data());
        info->bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, kHeight, 1, static_cast<WORD>(bits), BI_RGB};
        for (int i = 0; i < count; ++i)
        {
            RGBQUAD c = {static_cast<BYTE>(i * 7), static_cast<BYTE>(255 - i), static_cast<BYTE>(i * 3 + 1), 0};
            info->bmiColors[i] = c;
            colours.push_back(c);
        }
        void* pixels = nullptr;
        bitmap = CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &pixels, nullptr, 0);
        if (!bitmap)
            return;
        // Bottom-up rows padded to 4 bytes; the first pixel in the high bits.
        const int stride = ((bits * kWidth + 31) / 32) * 4;
        auto* rows = static_cast<BYTE*>(pixels);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
            {
                BYTE* byte = rows + (kHeight - 1 - y) * stride + x * bits / 8;
                int shift = bits == 8 ? 0 : (x % 2 == 0 ? 4 : 0);
                *byte = static_cast<BYTE>(*byte | (ExpectedIndex(x, y, count) << shift));
            }
        GdiFlush();
    }
    IndexedBitmap(const IndexedBitmap&) = delete;
    IndexedBitmap& operator=(const IndexedBitmap&) = delete;
    ~IndexedBitmap() { DeleteObject(bitmap); }

    static int ExpectedIndex(int x, int y, int count) { return (x * 5 + y * 11 + 3) % count; }
};
} // namespace

// ---- Grabs of the display ----

class ScreenGrabTest : public ::testing::Test
{
protected:
    void SetUp() override { path = TempFile(L"vell_grab_test.bmp"); }
    void TearDown() override { DeleteFileW(path.c_str()); }

    std::wstring path;
};

TEST_F(ScreenGrabTest, GrabbedWindowIsWrittenAsA24BitBitmapFile)
{
    ColourWindow window(kWindowRect, kPaint);
    ASSERT_TRUE(window.IsShown());
    CDibToolkit dib;
    ASSERT_TRUE(dib.CaptureWindow(window.Handle(), CDibToolkit::kWindowRect));
    ASSERT_TRUE(dib.SaveFile(path.c_str()));

    // 200 x 150 at 24 bits: 90,000 bytes of pixels, written in several chunks.
    const DWORD imageSize = 600 * 150;
    std::vector<BYTE> file = ReadBytes<std::vector<BYTE>>(path.c_str());
    ASSERT_EQ(14u + 40u + imageSize, file.size());
    EXPECT_EQ('B', file[0]);
    EXPECT_EQ('M', file[1]);
    EXPECT_EQ(file.size(), ReadAt<DWORD>(file, 2)); // bfSize
    EXPECT_EQ(0u, ReadAt<DWORD>(file, 6));          // both reserved words
    EXPECT_EQ(54u, ReadAt<DWORD>(file, 10));        // bfOffBits: no colour table
    BITMAPINFOHEADER header = ReadAt<BITMAPINFOHEADER>(file, 14);
    EXPECT_EQ(40u, header.biSize);
    EXPECT_EQ(200, header.biWidth);
    EXPECT_EQ(150, header.biHeight);
    EXPECT_EQ(1, header.biPlanes);
    EXPECT_EQ(24, header.biBitCount);
    EXPECT_EQ(static_cast<DWORD>(BI_RGB), header.biCompression);
    EXPECT_EQ(imageSize, header.biSizeImage);
    EXPECT_EQ(0u, header.biClrUsed);

    // Every pixel of the file is the painted colour (stored blue, green, red).
    size_t mismatches = 0;
    for (size_t at = 54; at + 2 < file.size(); at += 3)
        if (file[at] != GetBValue(kPaint) || file[at + 1] != GetGValue(kPaint) || file[at + 2] != GetRValue(kPaint))
            ++mismatches;
    EXPECT_EQ(0u, mismatches);
}

TEST_F(ScreenGrabTest, ClientModeGrabsOnlyTheClientArea)
{
    ColourWindow window(kWindowRect, kPaint, WS_BORDER);
    ASSERT_TRUE(window.IsShown());
    RECT client;
    GetClientRect(window.Handle(), &client);
    ASSERT_LT(client.right, 200); // the border takes room

    CDibToolkit dib;
    ASSERT_TRUE(dib.CaptureWindow(window.Handle(), CDibToolkit::kClientRect));
    {
        DibView view(dib.GetHandle());
        EXPECT_EQ(client.right, view.Header().biWidth);
        EXPECT_EQ(client.bottom, view.Header().biHeight);
        EXPECT_TRUE(AllPixels(view, kPaint));
    }
    ASSERT_TRUE(dib.CaptureWindow(window.Handle(), CDibToolkit::kWindowRect));
    DibView view(dib.GetHandle());
    EXPECT_EQ(200, view.Header().biWidth);
    EXPECT_EQ(150, view.Header().biHeight);
    EXPECT_NE(kPaint, view.Colour24(0, 0)); // the border
    EXPECT_EQ(kPaint, view.Colour24(100, 75));
}

TEST_F(ScreenGrabTest, CaptureWindowRefusesNoWindowAndUnknownModes)
{
    ColourWindow window(kWindowRect, kPaint);
    CDibToolkit dib;
    EXPECT_FALSE(dib.CaptureWindow(nullptr, CDibToolkit::kWindowRect));
    EXPECT_FALSE(dib.CaptureWindow(window.Handle(), 0));
    EXPECT_FALSE(dib.CaptureWindow(window.Handle(), 3));
    EXPECT_EQ(nullptr, dib.GetHandle());
}

TEST_F(ScreenGrabTest, RectanglesAreCutAtTheScreenEdges)
{
    const int w = ScreenWidth();
    const int h = ScreenHeight();
    struct Case
    {
        RECT rect;
        LONG width; // 0: no bitmap
        LONG height;
    } cases[] = {
        {{w - 24, h - 68, w + 76, h + 32}, 24, 68}, // past the right and bottom edges
        {{-50, -20, 30, 40}, 30, 40},               // left of and above the origin
        {{-10, -10, w + 10, h + 10}, w, h},         // larger than the screen
        {{w + 100, 0, w + 200, 100}, 0, 0},         // wholly right of the screen
        {{0, h, 100, h + 100}, 0, 0},               // wholly below
        {{-200, -200, -100, -100}, 0, 0},           // wholly above and left
        {{10, 10, 10, 50}, 0, 0},                   // empty
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.rect.left << "," << c.rect.top << "," << c.rect.right << ","
                                        << c.rect.bottom);
        HBITMAP bitmap = CDibToolkit::CopyScreenRect(c.rect);
        if (c.width == 0)
        {
            EXPECT_EQ(nullptr, bitmap);
            CDibToolkit dib;
            EXPECT_FALSE(dib.GrabScreenRect(c.rect));
            EXPECT_EQ(nullptr, dib.GetHandle());
            continue;
        }
        ASSERT_NE(nullptr, bitmap);
        SIZE size = BitmapSize(bitmap);
        EXPECT_EQ(c.width, size.cx);
        EXPECT_EQ(c.height, size.cy);
        DeleteObject(bitmap);
    }
}

TEST_F(ScreenGrabTest, RectangleStartingLeftOfTheOriginIsGrabbedFromTheOrigin)
{
    ColourWindow window(kWindowRect, kPaint);
    ASSERT_TRUE(window.IsShown());
    HBITMAP bitmap = CDibToolkit::CopyScreenRect({-100, -120, 300, 270});
    ASSERT_NE(nullptr, bitmap);
    screen_test::Pixels pixels = ReadPixels(bitmap);
    DeleteObject(bitmap);
    ASSERT_EQ(300, pixels.width);
    ASSERT_EQ(270, pixels.height);
    EXPECT_EQ(kPaint, pixels.At(100, 120));
    EXPECT_EQ(kPaint, pixels.At(299, 269));
    EXPECT_NE(kPaint, pixels.At(99, 119));
}

TEST_F(ScreenGrabTest, RegionGrabIsWhiteOutsideTheRegion)
{
    ColourWindow window(kWindowRect, kPaint);
    ASSERT_TRUE(window.IsShown());
    // Two separate rectangles within the painted window: box (110,130)-(260,240).
    HRGN region = CreateRectRgn(110, 130, 150, 170);
    HRGN second = CreateRectRgn(200, 200, 260, 240);
    CombineRgn(region, region, second, RGN_OR);
    DeleteObject(second);

    HBITMAP bitmap = CDibToolkit::CopyScreenRegion(region);
    DeleteObject(region);
    ASSERT_NE(nullptr, bitmap);
    screen_test::Pixels pixels = ReadPixels(bitmap);
    DeleteObject(bitmap);
    ASSERT_EQ(150, pixels.width);
    ASSERT_EQ(110, pixels.height);
    const COLORREF white = RGB(255, 255, 255);
    EXPECT_EQ(kPaint, pixels.At(0, 0));
    EXPECT_EQ(kPaint, pixels.At(39, 39));
    EXPECT_EQ(kPaint, pixels.At(90, 70));
    EXPECT_EQ(kPaint, pixels.At(149, 109));
    EXPECT_EQ(white, pixels.At(40, 0));   // right of the first rectangle
    EXPECT_EQ(white, pixels.At(0, 40));   // below it
    EXPECT_EQ(white, pixels.At(70, 55));  // between the two
    EXPECT_EQ(white, pixels.At(149, 0));  // above the second
    EXPECT_EQ(white, pixels.At(89, 109)); // left of it
}

TEST_F(ScreenGrabTest, RegionGrabNeedsARegionWithABox)
{
    EXPECT_EQ(nullptr, CDibToolkit::CopyScreenRegion(nullptr));
    HRGN empty = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(nullptr, CDibToolkit::CopyScreenRegion(empty));
    DeleteObject(empty);
}

TEST(CDibToolkitPalette, DisplaysDeeperThan8BitsHaveNoSystemPalette)
{
    HDC screen = GetDC(nullptr);
    int depth = GetDeviceCaps(screen, PLANES) * GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    ASSERT_GT(depth, 8);
    EXPECT_EQ(nullptr, CDibToolkit::GetSystemPalette());
}

// ---- Conversions of bitmaps made in memory ----

TEST(CDibToolkitConvert, MonochromeBitmapGivesA1BitDibWithBlackAndWhite)
{
    // Rows of 16 pixels: a 1 bit is white.
    const BYTE rows[] = {0xF0, 0x0F, 0xAA, 0x55};
    HBITMAP bitmap = CreateBitmap(16, 2, 1, 1, rows);
    CDibToolkit dib(bitmap);
    DeleteObject(bitmap);
    ASSERT_NE(nullptr, dib.GetHandle());

    DibView view(dib.GetHandle());
    ASSERT_EQ(1, view.Header().biBitCount);
    EXPECT_EQ(16, view.Header().biWidth);
    EXPECT_EQ(2, view.Header().biHeight);
    EXPECT_EQ(8, CDibToolkit::ColorTableSize(&view.Header()));
    const RGBQUAD* colours = view.Colours();
    EXPECT_EQ(0, colours[0].rgbRed + colours[0].rgbGreen + colours[0].rgbBlue);
    EXPECT_EQ(3 * 255, colours[1].rgbRed + colours[1].rgbGreen + colours[1].rgbBlue);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 16; ++x)
        {
            int expected = (rows[y * 2 + x / 8] >> (7 - x % 8)) & 1;
            EXPECT_EQ(expected, view.Index(x, y)) << "pixel " << x << "," << y;
        }
}

class IndexedConversionTest : public ::testing::TestWithParam<int>
{
};

TEST_P(IndexedConversionTest, KeepsTheColourTableAndTheIndices)
{
    const int bits = GetParam();
    const int count = 1 << bits;
    IndexedBitmap source(bits);
    CDibToolkit dib;
    ASSERT_NE(nullptr, dib.FromBitmap(source.bitmap, nullptr));

    DibView view(dib.GetHandle());
    ASSERT_EQ(bits, view.Header().biBitCount);
    EXPECT_EQ(IndexedBitmap::kWidth, view.Header().biWidth);
    EXPECT_EQ(IndexedBitmap::kHeight, view.Header().biHeight);
    EXPECT_EQ(count * 4, CDibToolkit::ColorTableSize(&view.Header()));
    EXPECT_EQ(0, std::memcmp(source.colours.data(), view.Colours(), count * sizeof(RGBQUAD)));
    for (int y = 0; y < IndexedBitmap::kHeight; ++y)
        for (int x = 0; x < IndexedBitmap::kWidth; ++x)
            EXPECT_EQ(IndexedBitmap::ExpectedIndex(x, y, count), view.Index(x, y)) << "pixel " << x << "," << y;
}

TEST_P(IndexedConversionTest, ConvertsBackToABitmapOfTheSameColours)
{
    const int bits = GetParam();
    const int count = 1 << bits;
    IndexedBitmap source(bits);
    CDibToolkit dib;
    ASSERT_NE(nullptr, dib.FromBitmap(source.bitmap, nullptr));
    HBITMAP copy = dib.ToBitmap(nullptr);
    ASSERT_NE(nullptr, copy);
    screen_test::Pixels pixels = ReadPixels(copy);
    DeleteObject(copy);
    ASSERT_EQ(IndexedBitmap::kWidth, pixels.width);
    ASSERT_EQ(IndexedBitmap::kHeight, pixels.height);
    for (int y = 0; y < IndexedBitmap::kHeight; ++y)
        for (int x = 0; x < IndexedBitmap::kWidth; ++x)
        {
            const RGBQUAD& c = source.colours[IndexedBitmap::ExpectedIndex(x, y, count)];
            EXPECT_EQ(RGB(c.rgbRed, c.rgbGreen, c.rgbBlue), pixels.At(x, y)) << "pixel " << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Bits, IndexedConversionTest, ::testing::Values(4, 8));

TEST(CDibToolkitConvert, EightBitBitmapFileHoldsItsColourTableBeforeThePixels)
{
    IndexedBitmap source(8);
    CDibToolkit dib;
    ASSERT_NE(nullptr, dib.FromBitmap(source.bitmap, nullptr));
    std::wstring path = TempFile(L"vell_grab_test8.bmp");
    ASSERT_TRUE(dib.SaveFile(path.c_str()));
    std::vector<BYTE> file = ReadBytes<std::vector<BYTE>>(path.c_str());
    DeleteFileW(path.c_str());

    const DWORD offset = 14 + 40 + 256 * 4;
    const DWORD rowBytes = 8; // 6 pixels padded to 4-byte rows
    ASSERT_EQ(offset + rowBytes * IndexedBitmap::kHeight, file.size());
    EXPECT_EQ(file.size(), ReadAt<DWORD>(file, 2));
    EXPECT_EQ(offset, ReadAt<DWORD>(file, 10));
    EXPECT_EQ(0, std::memcmp(source.colours.data(), file.data() + 54, 256 * sizeof(RGBQUAD)));
    // The bottom row comes first.
    for (int x = 0; x < IndexedBitmap::kWidth; ++x)
        EXPECT_EQ(IndexedBitmap::ExpectedIndex(x, IndexedBitmap::kHeight - 1, 256), file[offset + x]);
}

TEST(CDibToolkitConvert, EmptyOrMissingInputsGiveNothing)
{
    CDibToolkit dib;
    EXPECT_EQ(nullptr, dib.ToBitmap(nullptr));
    std::wstring path = TempFile(L"vell_never_written.bmp");
    EXPECT_FALSE(dib.SaveFile(path.c_str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(path.c_str()));

    // A failed conversion of no bitmap keeps the DIB held so far.
    IndexedBitmap source(4);
    HGLOBAL held = dib.FromBitmap(source.bitmap, nullptr);
    ASSERT_NE(nullptr, held);
    EXPECT_EQ(nullptr, dib.FromBitmap(nullptr, nullptr));
    EXPECT_EQ(held, dib.GetHandle());
}

TEST(CDibToolkitFile, WritesFailInAMissingFolderOrOnAReadOnlyHandle)
{
    IndexedBitmap source(4);
    CDibToolkit dib;
    ASSERT_NE(nullptr, dib.FromBitmap(source.bitmap, nullptr));
    EXPECT_FALSE(dib.SaveFile(TempFile(L"vell_no_such_folder\\grab.bmp").c_str()));

    std::wstring path = TempFile(L"vell_read_only.bin");
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(file);
    file = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    std::vector<BYTE> block(40000, 0x5A);
    EXPECT_EQ(0u, CDibToolkit::WriteBuffer(file, block.data(), static_cast<DWORD>(block.size())));
    EXPECT_FALSE(CDibToolkit::WriteFileHeader(file, BITMAPFILEHEADER{}));
    CloseHandle(file);
    DeleteFileW(path.c_str());
}

TEST(CDibToolkitFile, WriteBufferWritesBlocksOfAnySizeWhole)
{
    std::wstring path = TempFile(L"vell_write_buffer.bin");
    for (DWORD size : {0u, 1u, 32768u, 32769u, 65536u, 100000u})
    {
        SCOPED_TRACE(size);
        std::vector<BYTE> block(size);
        for (DWORD i = 0; i < size; ++i)
            block[i] = static_cast<BYTE>(i * 31 + i / 251);
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, file);
        EXPECT_EQ(size, CDibToolkit::WriteBuffer(file, block.data(), size));
        CloseHandle(file);
        EXPECT_EQ(block, ReadBytes<std::vector<BYTE>>(path.c_str()));
    }
    DeleteFileW(path.c_str());
}

TEST(CDibToolkitHeader, ColourTableSizeFollowsTheHeaderKind)
{
    struct Case
    {
        DWORD headerSize;
        WORD bits;
        DWORD used;
        WORD expected;
    } cases[] = {
        {40, 1, 0, 8},  {40, 4, 0, 64},  {40, 8, 0, 1024},  {40, 24, 0, 0}, {40, 32, 0, 0},
        {40, 8, 5, 20}, {40, 24, 3, 12}, {124, 8, 0, 1024}, // a version 5 header is an information header
        {12, 1, 0, 6},  {12, 4, 0, 48},  {12, 8, 0, 768},   {12, 24, 0, 0}, {16, 8, 0, 768},
        {16, 4, 0, 48}, {16, 8, 5, 768}, // shorter than 40 bytes: triples, no used count
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.headerSize << " bytes, " << c.bits << " bits, " << c.used << " used");
        BYTE buffer[sizeof(BITMAPV5HEADER)] = {};
        if (c.headerSize == sizeof(BITMAPCOREHEADER))
        {
            BITMAPCOREHEADER core = {sizeof(core), 4, 4, 1, c.bits};
            std::memcpy(buffer, &core, sizeof(core));
        }
        else
        {
            BITMAPINFOHEADER info = {c.headerSize, 4, 4, 1, c.bits, BI_RGB};
            info.biClrUsed = c.used;
            std::memcpy(buffer, &info, sizeof(info));
        }
        auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(buffer);
        EXPECT_EQ(c.expected, CDibToolkit::ColorTableSize(header));
        EXPECT_EQ(c.expected, CDibToolkit::PaletteSize(header));
    }
}

namespace
{
const COLORREF kTopColour = RGB(200, 30, 60);
const COLORREF kBottomColour = RGB(20, 110, 240);
const COLORREF kWhite = RGB(255, 255, 255);

// A 1-bit DIB of 8 x 2 with a core (12-byte) header: colour 0 on the top row, 1 below.
std::string CoreDib()
{
    BITMAPCOREHEADER header = {sizeof(header), 8, 2, 1, 1};
    std::string bytes(reinterpret_cast<const char*>(&header), sizeof(header));
    for (COLORREF colour : {kTopColour, kBottomColour})
        bytes += {char(GetBValue(colour)), char(GetGValue(colour)), char(GetRValue(colour))};
    bytes += std::string("\xFF\0\0\0", 4); // bottom row first: colour 1
    bytes += std::string(4, '\0');          // top row: colour 0
    return bytes;
}

// A 24-bit DIB of 4 x 2 with an information header: kTopColour above kBottomColour.
std::string InfoDib()
{
    BITMAPINFOHEADER header = {sizeof(header), 4, 2, 1, 24};
    std::string bytes(reinterpret_cast<const char*>(&header), sizeof(header));
    for (COLORREF colour : {kBottomColour, kTopColour})
        for (int x = 0; x < 4; ++x)
            bytes += {char(GetBValue(colour)), char(GetGValue(colour)), char(GetRValue(colour))};
    return bytes;
}

std::string WithFileHeader(const std::string& dib)
{
    BITMAPFILEHEADER file = {0x4D42, DWORD(sizeof(BITMAPFILEHEADER) + dib.size()), 0, 0,
                             DWORD(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER))};
    return std::string(reinterpret_cast<const char*>(&file), sizeof(file)) + dib;
}
} // namespace

TEST(DibToolkitExtras, BitmapFilesBareDibsAndCoreHeaderDibsAreReadAndDrawnUpright)
{
    struct Case
    {
        const char* name;
        std::string bytes;
        LONG width;
        DWORD colours;
    };
    const Case cases[] = {
        {"bitmap file", WithFileHeader(InfoDib()), 4, 0},
        {"bare DIB", InfoDib(), 4, 0},
        {"core header DIB", CoreDib(), 8, 2},
    };
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const CString path = CString(folder) + L"dib_extras.bmp";
    for (const Case& c : cases)
    {
        WriteBytes(path, c.bytes);
        CDibToolkit dib;
        ASSERT_TRUE(dib.LoadFile(path)) << c.name;
        BITMAPINFOHEADER header;
        ASSERT_TRUE(dib.GetHeaderInfo(header)) << c.name;
        EXPECT_EQ(c.width, header.biWidth) << c.name;
        EXPECT_EQ(2, header.biHeight) << c.name;
        EXPECT_EQ(c.colours, header.biClrUsed) << c.name;
        EXPECT_EQ(DWORD(((header.biBitCount * c.width + 31) / 32) * 4 * 2), header.biSizeImage) << c.name;

        TestCanvas canvas(16, 8);
        canvas.Fill({0, 0, 16, 8}, kWhite);
        ASSERT_TRUE(dib.Draw(canvas.dc(), {0, 0, 16, 8}, {0, 0, c.width, 2}, SRCCOPY)) << c.name;
        EXPECT_EQ(kTopColour, GetPixel(canvas.dc(), 8, 1)) << c.name;
        EXPECT_EQ(kBottomColour, GetPixel(canvas.dc(), 8, 6)) << c.name;
    }
    DeleteFileW(path);
    CDibToolkit missing;
    EXPECT_FALSE(missing.LoadFile(path));
}

TEST(DibToolkitExtras, WithoutADibDrawingFillsWithTheRasterOperation)
{
    CDibToolkit empty;
    TestCanvas canvas(6, 6);
    canvas.Fill({0, 0, 6, 6}, kTopColour);
    EXPECT_TRUE(empty.Draw(canvas.dc(), {1, 1, 4, 4}, {}, BLACKNESS));
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(canvas.dc(), 2, 2));
    EXPECT_EQ(kTopColour, GetPixel(canvas.dc(), 5, 5));
    EXPECT_TRUE(empty.Draw(canvas.dc(), {1, 1, 4, 4}, {}, WHITENESS));
    EXPECT_EQ(kWhite, GetPixel(canvas.dc(), 3, 3));
}

TEST(DibToolkitExtras, ScaledDrawingDrawsOnlyTheClippedPart)
{
    std::string bytes = InfoDib();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    std::memcpy(GlobalLock(memory), bytes.data(), bytes.size());
    GlobalUnlock(memory);
    CDibToolkit dib(memory);
    TestCanvas canvas(8, 8);
    canvas.Fill({0, 0, 8, 8}, kWhite);
    // Twice the size; only the lower half lies in the clip.
    EXPECT_TRUE(dib.DrawScaledClipped(canvas.dc(), {0, 0, 8, 4}, {0, 2, 8, 8}));
    EXPECT_EQ(kWhite, GetPixel(canvas.dc(), 4, 1));
    EXPECT_EQ(kBottomColour, GetPixel(canvas.dc(), 4, 3));
    EXPECT_EQ(kWhite, GetPixel(canvas.dc(), 4, 5));
    EXPECT_FALSE(dib.DrawScaledClipped(canvas.dc(), {0, 0, 8, 4}, {0, 4, 8, 8}));
}

TEST(DibToolkitExtras, ThePrintRectangleFollowsThePageOfTheDevice)
{
    std::string bytes = InfoDib(); // 4 x 2
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    std::memcpy(GlobalLock(memory), bytes.data(), bytes.size());
    GlobalUnlock(memory);
    CDibToolkit dib(memory);
    TestCanvas canvas(4, 4);
    HDC dc = canvas.dc();
    const LONG pageWidth = MulDiv(GetDeviceCaps(dc, HORZSIZE), GetDeviceCaps(dc, LOGPIXELSX) * 10, 254);
    const LONG pageHeight = MulDiv(GetDeviceCaps(dc, VERTSIZE), GetDeviceCaps(dc, LOGPIXELSY) * 10, 254);
    ASSERT_GT(pageWidth, 0);

    RECT fit = dib.GetPrintRect(dc, CDibToolkit::kPrintBestFit, 0, 0);
    const LONG width = fit.right - fit.left, height = fit.bottom - fit.top;
    EXPECT_NEAR(2.0, double(width) / height, 0.02);
    EXPECT_TRUE(width == pageWidth || height == pageHeight);
    EXPECT_LE(std::abs((fit.left + fit.right) - pageWidth), 1);
    EXPECT_LE(std::abs((fit.top + fit.bottom) - pageHeight), 1);

    RECT stretch = dib.GetPrintRect(dc, CDibToolkit::kPrintStretch, 0, 0);
    const RECT page = {0, 0, pageWidth, pageHeight};
    EXPECT_TRUE(EqualRect(&page, &stretch));

    dib.SetScaleFactors(3, 2);
    dib.SetOffsets(5, 7);
    RECT placed = dib.GetPrintRect(dc, CDibToolkit::kPrintAtOffset, 10, 20);
    const RECT expected = {45, 54, 57, 58};
    EXPECT_TRUE(EqualRect(&expected, &placed));
    EXPECT_EQ(1ull << (GetDeviceCaps(dc, PLANES) * GetDeviceCaps(dc, BITSPIXEL)), CDibToolkit::DeviceColorCount(dc));
}
