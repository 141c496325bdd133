#include "capture/destinations/CImageFile.h"
#include "capture/tests/CaptureTestSupport.h"
#include <gtest/gtest.h>

using namespace capture_test;
using screen_test::ColourWindow;

namespace
{
class CImageFileTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_window.IsShown()); }

    // Runs the file destination on a grab of the painted window.
    DestinationResult Run(const CString& folder, const CString& name, int type, bool overwrite)
    {
        m_destination.UseInfo(InfoScFile(name, folder, static_cast<EnumFileType>(type), overwrite, false, 0, 1));
        return m_destination.ProcessWindow(m_window.Handle());
    }

    ColourWindow m_window{kPaintRect, kPaint};
    TestFolder m_folder;
    CImageFile m_destination;
};

// Exposes the room the destination asks of the disk.
class SizedFile : public CImageFile
{
public:
    using CImageFile::GetPictureByteSize;
};
} // namespace

TEST_F(CImageFileTest, WritesEachTypeWithItsSignatureAndThePaintedPixels)
{
    const struct
    {
        int type;
        const wchar_t* fileName;
        const char* signature;
        int tolerance;
    } cases[] = {
        {FT_BMP, L"shot.bmp", "BM", 0},
        {FT_DIB, L"shot.dib", "BM", 0},
        {FT_JPG, L"shot.jpg", "\xFF\xD8\xFF", 12},
        {FT_GIF, L"shot.gif", "GIF8", 0},
        {FT_PNG, L"shot.png", "\x89PNG\r\n\x1A\n", 0},
        {9, L"shot.bmp", "BM", 0}, // unknown type: a ".bmp" name through that extension's encoder
    };
    for (const auto& c : cases)
    {
        CString path = m_folder / c.fileName;
        DeleteFileW(path);
        ASSERT_EQ(DR_DONE, Run(m_folder.Path(), L"shot", c.type, false)) << c.type;
        EXPECT_TRUE(StartsWith(ReadBytes(path), c.signature)) << c.type;
        DecodedImage image = Decode(path);
        ASSERT_TRUE(image.ok) << c.type;
        EXPECT_EQ(kPaintWidth, image.width) << c.type;
        EXPECT_EQ(kPaintHeight, image.height) << c.type;
        EXPECT_TRUE(ColourNear(kPaint, image.centre, c.tolerance)) << c.type << " " << std::hex << image.centre;
    }
}

TEST_F(CImageFileTest, ExistingFileIsKeptAndTheNextFreeNumberIsWritten)
{
    WriteBytes(m_folder / L"shot.jpg", "old");
    WriteBytes(m_folder / L"shot1.jpg", "old");

    ASSERT_EQ(DR_DONE, Run(m_folder.Path(), L"shot", FT_JPG, false));
    EXPECT_EQ("old", ReadBytes(m_folder / L"shot.jpg"));
    EXPECT_EQ("old", ReadBytes(m_folder / L"shot1.jpg"));
    EXPECT_TRUE(StartsWith(ReadBytes(m_folder / L"shot2.jpg"), "\xFF\xD8\xFF"));

    // The same picture again, without a new grab.
    ASSERT_EQ(DR_DONE, m_destination.ProcessAgain(nullptr));
    EXPECT_TRUE(Exists(m_folder / L"shot3.jpg"));
}

TEST_F(CImageFileTest, OverwriteReplacesTheFileOfThatName)
{
    WriteBytes(m_folder / L"shot.png", "old");
    ASSERT_EQ(DR_DONE, Run(m_folder.Path(), L"shot", FT_PNG, true));
    EXPECT_TRUE(StartsWith(ReadBytes(m_folder / L"shot.png"), "\x89PNG"));
    EXPECT_FALSE(Exists(m_folder / L"shot1.png"));
}

TEST_F(CImageFileTest, FileThatCannotBeDeletedFailsWithItsText)
{
    // FPath ends in "/", which is kept as the separator.
    CString folder = m_folder.Path() + L"/";
    CString path = folder + L"shot.bmp";
    WriteBytes(path, "old");
    HANDLE open = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, open);

    EXPECT_EQ(DR_FAILED, Run(folder, L"shot", FT_BMP, true));
    CString prefix = L"The existing file, '" + path + L"', cannot be deleted. System error: ";
    CString text = m_destination.GetErrorText();
    EXPECT_EQ(prefix, text.Left(prefix.GetLength())) << text.GetString();
    EXPECT_GT(text.GetLength(), prefix.GetLength());
    CloseHandle(open);
    EXPECT_EQ("old", ReadBytes(path));
}

TEST_F(CImageFileTest, PictureThatCannotBeWrittenIsAFailureWithTheSaveText)
{
    // A folder of the file's name stands in the way: nothing can be written
    // there.
    ASSERT_TRUE(CreateDirectoryW(m_folder / L"shot.png", nullptr));
    EXPECT_EQ(DR_FAILED, Run(m_folder.Path(), L"shot", FT_PNG, false));
    CString prefix = L"Failed to save the image file '" + (m_folder / L"shot.png") + L"'. System error: ";
    EXPECT_EQ(prefix, m_destination.GetErrorText().Left(prefix.GetLength()))
        << m_destination.GetErrorText().GetString();

    // A name the file system refuses.
    EXPECT_EQ(DR_FAILED, Run(m_folder.Path(), L"bad?name", FT_DIB, false));
    prefix = L"Failed to save the image file '" + (m_folder / L"bad?name.dib") + L"'. System error: ";
    EXPECT_EQ(prefix, m_destination.GetErrorText().Left(prefix.GetLength()))
        << m_destination.GetErrorText().GetString();
}

TEST_F(CImageFileTest, MissingFoldersAreCreated)
{
    CString folder = m_folder / L"new\\deeper";
    ASSERT_EQ(DR_DONE, Run(folder, L"shot", FT_GIF, false)) << m_destination.GetErrorText().GetString();
    EXPECT_TRUE(StartsWith(ReadBytes(folder + L"\\shot.gif"), "GIF8"));
}

TEST_F(CImageFileTest, FolderThatCannotBeCreatedFailsWithTheFolderText)
{
    WriteBytes(m_folder / L"blocker", "x");
    EXPECT_EQ(DR_FAILED, Run(m_folder / L"blocker\\sub", L"shot", FT_BMP, false));
    EXPECT_NE(CString(L"Cannot process the image and the operation is aborted. "
                      L"Unknown error message."),
              m_destination.GetErrorText());
    EXPECT_FALSE(Exists(m_folder / L"blocker\\sub\\shot.bmp"));
}

TEST_F(CImageFileTest, WithoutAPictureNothingIsWritten)
{
    CImageFile fresh;
    fresh.UseInfo(InfoScFile(L"shot", m_folder.Path(), FT_BMP, false, false, 0, 1));
    EXPECT_EQ(DR_FAILED, fresh.Execute());
    EXPECT_EQ(DR_FAILED, fresh.ProcessAgain(nullptr));
    EXPECT_FALSE(Exists(m_folder / L"shot.bmp"));
    EXPECT_EQ(CString(L"Cannot process the image and the operation is aborted. "
                      L"Unknown error message."),
              fresh.GetErrorText());
}

TEST(CImageFileRoomTest, RoomAskedOfTheDiskIsThePictureSizeInBytes)
{
    SizedFile destination;
    EXPECT_EQ(0u, destination.GetPictureByteSize());
    ASSERT_EQ(DR_DONE, destination.GrabRect(kPaintRect));
    HDC screen = GetDC(nullptr);
    DWORD bitsPerPixel = static_cast<DWORD>(GetDeviceCaps(screen, BITSPIXEL));
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(kPaintWidth * kPaintHeight * bitsPerPixel / 8, destination.GetPictureByteSize());
}
