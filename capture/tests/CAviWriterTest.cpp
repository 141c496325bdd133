#include "capture/destinations/CAviWriter.h"
#include "capture/tests/MovieReader.h"
#include "common/SystemHelpers.h"
#include "testing/TestFolder.h"
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace
{
enum class Kind
{
    Dib32,
    Dib32TopDown,
    Dib24,
    Dib8,
    ScreenDdb
};

// A bitmap not selected into any DC: its upper half one colour, its lower half another,
// so a frame stored upside down shows.
HBITMAP MakeBitmap(Kind kind, int width, int height, COLORREF top, COLORREF bottom)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = nullptr;
    if (kind == Kind::ScreenDdb)
    {
        bitmap = CreateCompatibleBitmap(screen, width, height);
    }
    else
    {
        struct
        {
            BITMAPINFOHEADER header;
            RGBQUAD colors[256];
        } info = {};
        info.header.biSize = sizeof(info.header);
        info.header.biWidth = width;
        info.header.biHeight = kind == Kind::Dib32TopDown ? -height : height;
        info.header.biPlanes = 1;
        info.header.biBitCount = kind == Kind::Dib24 ? 24 : kind == Kind::Dib8 ? 8 : 32;
        // The 8-bit table holds exactly the two colours.
        info.header.biClrUsed = kind == Kind::Dib8 ? 2 : 0;
        info.colors[0] = {GetBValue(top), GetGValue(top), GetRValue(top), 0};
        info.colors[1] = {GetBValue(bottom), GetGValue(bottom), GetRValue(bottom), 0};
        void* bits = nullptr;
        bitmap = CreateDIBSection(dc, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    }
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT upper = {0, 0, width, height / 2};
    RECT lower = {0, height / 2, width, height};
    HBRUSH brush = CreateSolidBrush(top);
    FillRect(dc, &upper, brush);
    DeleteObject(brush);
    brush = CreateSolidBrush(bottom);
    FillRect(dc, &lower, brush);
    DeleteObject(brush);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

struct BitmapDeleter
{
    void operator()(HBITMAP__* bitmap) const { DeleteObject(bitmap); }
};
using Bitmap = std::unique_ptr<HBITMAP__, BitmapDeleter>;

// The user sees GetHResultText of a failure: it must be the system's own description of
// the code, not a text made up from the number.
::testing::AssertionResult HasSystemText(HRESULT hr)
{
    wchar_t* buffer = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   static_cast<DWORD>(hr), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    CString system(buffer ? buffer : L"");
    LocalFree(buffer);
    system.TrimRight(L"\r\n");
    const CString shown = GetHResultText(hr);
    if (system.IsEmpty() || shown != system)
        return ::testing::AssertionFailure() << std::hex << hr << " shows \"" << shown.ToAnsi(CP_UTF8) << "\"";
    return ::testing::AssertionSuccess();
}

// True when the file opens as an AVI file.
bool IsAvi(const CString& path)
{
    AVIFileInit();
    PAVIFILE file = nullptr;
    const bool opened = SUCCEEDED(AVIFileOpenW(&file, path, OF_READ, nullptr));
    if (file)
        AVIFileRelease(file);
    AVIFileExit();
    return opened;
}

const COLORREF kColours[] = {RGB(200, 30, 40), RGB(20, 180, 60), RGB(10, 40, 220), RGB(250, 250, 0)};

// Writes one frame per colour: the colour above, its neighbour below.
HRESULT WriteFrames(CAviWriter& writer, Kind kind, int width, int height, int count)
{
    for (int i = 0; i < count; ++i)
    {
        Bitmap bitmap(MakeBitmap(kind, width, height, kColours[i % 4], kColours[(i + 1) % 4]));
        const HRESULT hr = writer.AddFrame(bitmap.get());
        if (FAILED(hr))
            return hr;
    }
    return S_OK;
}

// Every frame of the file holds the colours WriteFrames gave it.
::testing::AssertionResult FramesHold(MovieReader& reader, int count)
{
    const int width = reader.Format().biWidth;
    const int height = reader.Format().biHeight;
    for (int i = 0; i < count; ++i)
    {
        if (!reader.ReadFrame(i))
            return ::testing::AssertionFailure() << "frame " << i << " cannot be read";
        if (!reader.IsKeyFrame(i))
            return ::testing::AssertionFailure() << "frame " << i << " is no key frame";
        const COLORREF top = reader.PixelAt(width - 1, 0);
        const COLORREF bottom = reader.PixelAt(0, height - 1);
        if (top != kColours[i % 4] || bottom != kColours[(i + 1) % 4])
            return ::testing::AssertionFailure() << "frame " << i << " holds " << std::hex << top << " over " << bottom;
    }
    return ::testing::AssertionSuccess();
}

class AviWriterTest : public ::testing::Test
{
protected:
    TestFolder m_folder;
    CString m_path = m_folder / L"movie.avi";
};

struct FormatCase
{
    const char* name;
    Kind kind;
    WORD streamBitCount;
};

class AviWriterFormatTest : public AviWriterTest, public ::testing::WithParamInterface<FormatCase>
{
};

TEST_P(AviWriterFormatTest, FramesReadBackWithTheStreamHeaderAndTheirColours)
{
    {
        CAviWriter writer(m_path, 7);
        ASSERT_EQ(S_OK, WriteFrames(writer, GetParam().kind, 64, 48, 4));
    }
    MovieReader reader(m_path);
    ASSERT_TRUE(reader.IsOpen());
    EXPECT_EQ(streamtypeVIDEO, reader.Info().fccType);
    EXPECT_EQ(mmioFOURCC('D', 'I', 'B', ' '), reader.Info().fccHandler);
    EXPECT_EQ(7u, reader.Info().dwRate);
    EXPECT_EQ(1u, reader.Info().dwScale);
    EXPECT_EQ(4u, reader.Info().dwLength);
    EXPECT_EQ(64, reader.Format().biWidth);
    EXPECT_EQ(48, reader.Format().biHeight);
    EXPECT_EQ(GetParam().streamBitCount, reader.Format().biBitCount);
    EXPECT_EQ(static_cast<DWORD>(BI_RGB), reader.Format().biCompression);
    EXPECT_TRUE(FramesHold(reader, 4));
}

INSTANTIATE_TEST_SUITE_P(Bitmaps, AviWriterFormatTest,
                         ::testing::Values(FormatCase{"Dib32", Kind::Dib32, 32},
                                           FormatCase{"Dib32TopDown", Kind::Dib32TopDown, 32},
                                           FormatCase{"Dib24", Kind::Dib24, 24}, FormatCase{"Dib8", Kind::Dib8, 24},
                                           FormatCase{"ScreenDdb", Kind::ScreenDdb, 32}),
                         [](const ::testing::TestParamInfo<FormatCase>& info) { return info.param.name; });

TEST_F(AviWriterTest, LaterFramesOfAnotherDepthAreWrittenInTheFirstFramesFormat)
{
    {
        CAviWriter writer(m_path, 1);
        const Kind kinds[] = {Kind::Dib32, Kind::Dib24, Kind::Dib8, Kind::ScreenDdb};
        for (int i = 0; i < 4; ++i)
        {
            Bitmap bitmap(MakeBitmap(kinds[i], 30, 20, kColours[i], kColours[(i + 1) % 4]));
            ASSERT_EQ(S_OK, writer.AddFrame(bitmap.get())) << "frame " << i;
        }
    }
    MovieReader reader(m_path);
    ASSERT_TRUE(reader.IsOpen());
    EXPECT_EQ(32, reader.Format().biBitCount);
    EXPECT_EQ(4u, reader.Info().dwLength);
    EXPECT_TRUE(FramesHold(reader, 4));
}

TEST_F(AviWriterTest, ScreenSizedFramesFillTheFrameBuffer)
{
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    {
        CAviWriter writer(m_path, 25);
        ASSERT_EQ(S_OK, WriteFrames(writer, Kind::Dib32, width, height, 2));
    }
    MovieReader reader(m_path);
    ASSERT_TRUE(reader.IsOpen());
    EXPECT_EQ(width, reader.Format().biWidth);
    EXPECT_EQ(height, reader.Format().biHeight);
    EXPECT_TRUE(FramesHold(reader, 2));
}

TEST_F(AviWriterTest, FrameOfAnotherSizeIsRefusedAndTheMovieGoesOn)
{
    {
        CAviWriter writer(m_path, 2);
        ASSERT_EQ(S_OK, WriteFrames(writer, Kind::Dib32, 40, 30, 1));
        const SIZE otherSizes[] = {{41, 30}, {40, 29}, {20, 60}};
        for (const SIZE& size : otherSizes)
        {
            Bitmap other(MakeBitmap(Kind::Dib32, size.cx, size.cy, kColours[3], kColours[3]));
            EXPECT_EQ(E_INVALIDARG, writer.AddFrame(other.get())) << size.cx << "x" << size.cy;
        }
        Bitmap second(MakeBitmap(Kind::Dib32, 40, 30, kColours[1], kColours[2]));
        ASSERT_EQ(S_OK, writer.AddFrame(second.get()));
    }
    MovieReader reader(m_path);
    ASSERT_TRUE(reader.IsOpen());
    EXPECT_EQ(2u, reader.Info().dwLength);
    EXPECT_TRUE(FramesHold(reader, 2));
}

// Where the output file cannot be created: the file system's reason, and no file.
struct OpenFailureCase
{
    const char* name;
    CString (*prepare)(const TestFolder& folder);
    DWORD error;
};

class AviWriterOpenFailureTest : public AviWriterTest, public ::testing::WithParamInterface<OpenFailureCase>
{
};

TEST_P(AviWriterOpenFailureTest, FailureCarriesTheFileSystemsReason)
{
    const CString path = GetParam().prepare(m_folder);
    CAviWriter writer(path, 5);
    Bitmap bitmap(MakeBitmap(Kind::Dib32, 16, 16, kColours[0], kColours[1]));

    const HRESULT hr = writer.AddFrame(bitmap.get());
    EXPECT_EQ(HRESULT_FROM_WIN32(GetParam().error), hr);
    EXPECT_TRUE(HasSystemText(hr));
    EXPECT_FALSE(IsAvi(path));
}

INSTANTIATE_TEST_SUITE_P(Cases, AviWriterOpenFailureTest,
                         ::testing::Values(OpenFailureCase{"MissingFolder",
                                                           [](const TestFolder& folder) {
                                                               return folder / L"missing\\movie.avi";
                                                           },
                                                           ERROR_PATH_NOT_FOUND},
                                           OpenFailureCase{"PathIsAFolder",
                                                           [](const TestFolder& folder) {
                                                               CreateDirectoryW(folder / L"movie.avi", nullptr);
                                                               return folder / L"movie.avi";
                                                           },
                                                           ERROR_ACCESS_DENIED}),
                         [](const ::testing::TestParamInfo<OpenFailureCase>& info) { return info.param.name; });

TEST_F(AviWriterTest, OpenFailingInAMissingFolderIsTriedAgainByTheNextFrame)
{
    const CString folder = m_folder / L"later";
    const CString path = folder + L"\\movie.avi";
    {
        CAviWriter writer(path, 3);
        Bitmap first(MakeBitmap(Kind::Dib32, 16, 16, kColours[0], kColours[1]));
        ASSERT_TRUE(FAILED(writer.AddFrame(first.get())));
        ASSERT_TRUE(CreateDirectoryW(folder, nullptr));
        ASSERT_EQ(S_OK, WriteFrames(writer, Kind::Dib32, 16, 16, 2));
    }
    MovieReader reader(path);
    ASSERT_TRUE(reader.IsOpen());
    EXPECT_EQ(2u, reader.Info().dwLength);
    EXPECT_TRUE(FramesHold(reader, 2));
}

// A first frame the writer cannot take leaves no file behind.
struct RefusedCase
{
    const char* name;
    unsigned framesPerSecond;
    bool longPath;
    int widthBeyondScreen;
    bool noBitmap;
    HRESULT expected;
};

class AviWriterRefusedTest : public AviWriterTest, public ::testing::WithParamInterface<RefusedCase>
{
};

TEST_P(AviWriterRefusedTest, FirstFrameIsRefusedWithoutAFile)
{
    const RefusedCase& refused = GetParam();
    const CString path = refused.longPath ? m_folder / CString(L'x', MAX_PATH) : m_path;
    CAviWriter writer(path, refused.framesPerSecond);
    Bitmap bitmap;
    if (!refused.noBitmap)
    {
        const int width = GetSystemMetrics(SM_CXSCREEN) + refused.widthBeyondScreen;
        const int height = GetSystemMetrics(SM_CYSCREEN);
        bitmap.reset(MakeBitmap(Kind::Dib32, width, height, kColours[0], kColours[1]));
        ASSERT_TRUE(bitmap);
    }

    const HRESULT hr = writer.AddFrame(bitmap.get());
    EXPECT_EQ(refused.expected, hr);
    EXPECT_TRUE(HasSystemText(hr));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(m_path));
}

INSTANTIATE_TEST_SUITE_P(Cases, AviWriterRefusedTest,
                         ::testing::Values(RefusedCase{"RateZero", 0, false, 0, false, E_INVALIDARG},
                                           RefusedCase{"PathTooLong", 5, true, 0, false,
                                                       HRESULT_FROM_WIN32(ERROR_BAD_PATHNAME)},
                                           RefusedCase{"WiderThanScreen", 5, false, 1, false, E_INVALIDARG},
                                           RefusedCase{"NoBitmap", 5, false, 0, true, E_FAIL}),
                         [](const ::testing::TestParamInfo<RefusedCase>& info) { return info.param.name; });

TEST_F(AviWriterTest, NewWriterReplacesAnExistingFile)
{
    {
        CAviWriter writer(m_path, 4);
        ASSERT_EQ(S_OK, WriteFrames(writer, Kind::Dib32, 20, 20, 3));
    }
    {
        CAviWriter writer(m_path, 9);
        ASSERT_EQ(S_OK, WriteFrames(writer, Kind::Dib24, 10, 12, 1));
    }
    MovieReader reader(m_path);
    ASSERT_TRUE(reader.IsOpen());
    EXPECT_EQ(9u, reader.Info().dwRate);
    EXPECT_EQ(1u, reader.Info().dwLength);
    EXPECT_EQ(10, reader.Format().biWidth);
    EXPECT_TRUE(FramesHold(reader, 1));
}
} // namespace

namespace
{
TEST_F(AviWriterTest, FramePastTheSizeLimitIsRefusedAndTheFileStaysWhole)
{
    // Room for the headers and three 64 x 48 frames of 32 bits.
    const ULONGLONG frameBytes = 64 * 48 * 4;
    const ULONGLONG limit = 64 * 1024 + 3 * (frameBytes + 24);
    {
        CAviWriter writer(m_path, 5, limit);
        ASSERT_EQ(S_OK, WriteFrames(writer, Kind::Dib32, 64, 48, 3));
        for (int attempt = 0; attempt < 2; ++attempt)
        {
            Bitmap more(MakeBitmap(Kind::Dib32, 64, 48, kColours[3], kColours[0]));
            const HRESULT hr = writer.AddFrame(more.get());
            ASSERT_EQ(CAviWriter::kFileFull, hr);
            EXPECT_EQ(CString(L"The movie file '") + m_path +
                          L"' has reached the largest size an AVI file can have (2 GB): the frame was not added, "
                          L"and the file keeps the 3 frames recorded before it.",
                      writer.GetFailureText(hr));
        }
        EXPECT_EQ(GetHResultText(E_INVALIDARG), writer.GetFailureText(E_INVALIDARG));
    }
    WIN32_FILE_ATTRIBUTE_DATA file = {};
    ASSERT_TRUE(GetFileAttributesExW(m_path, GetFileExInfoStandard, &file));
    EXPECT_GE(limit, (static_cast<ULONGLONG>(file.nFileSizeHigh) << 32) | file.nFileSizeLow);
    MovieReader reader(m_path);
    ASSERT_TRUE(reader.IsOpen());
    EXPECT_EQ(3u, reader.Info().dwLength);
    EXPECT_TRUE(FramesHold(reader, 3));
}

TEST_F(AviWriterTest, PixelsInTheStreamsFormatAreWrittenAsTheyAre)
{
    // Bottom-up 32-bit rows: the colour of the upper half last.
    const int width = 32, height = 16;
    std::vector<DWORD> pixels(width * height);
    const auto paint = [&](COLORREF top, COLORREF bottom) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
            {
                const COLORREF c = y < height / 2 ? bottom : top;
                pixels[y * width + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
            }
    };
    BITMAPINFOHEADER layout = {sizeof(layout), width, height, 1, 32, BI_RGB};
    {
        CAviWriter writer(m_path, 5);
        EXPECT_FALSE(writer.TakesPixels(layout));
        EXPECT_EQ(E_FAIL, writer.AddFramePixels(pixels.data()));
        ASSERT_EQ(S_OK, WriteFrames(writer, Kind::Dib32, width, height, 1));
        ASSERT_TRUE(writer.TakesPixels(layout));
        paint(kColours[1], kColours[2]);
        ASSERT_EQ(S_OK, writer.AddFramePixels(pixels.data()));
        paint(kColours[2], kColours[3]);
        ASSERT_EQ(S_OK, writer.AddFramePixels(pixels.data()));
        const BITMAPINFOHEADER others[] = {{sizeof(layout), width, -height, 1, 32, BI_RGB},
                                           {sizeof(layout), width, height, 1, 24, BI_RGB},
                                           {sizeof(layout), width + 1, height, 1, 32, BI_RGB}};
        for (const BITMAPINFOHEADER& other : others)
            EXPECT_FALSE(writer.TakesPixels(other)) << other.biWidth << "x" << other.biHeight << "x" << other.biBitCount;
    }
    MovieReader reader(m_path);
    ASSERT_TRUE(reader.IsOpen());
    EXPECT_EQ(3u, reader.Info().dwLength);
    EXPECT_TRUE(FramesHold(reader, 3));
}
} // namespace
