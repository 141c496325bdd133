#include "framework/CImage.h"
#include "testing/TestFolder.h"
#include "testing/TestFiles.h"
#include <gdiplus.h>
#include <gtest/gtest.h>

namespace
{
HBITMAP MakeBitmap(int width, int height)
{
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    return bitmap;
}
} // namespace

TEST(CImageTest, AttachReadsTheBitmapAndDetachGivesItBack)
{
    HBITMAP bitmap = MakeBitmap(33, 17);
    CImage image;
    ASSERT_TRUE(image.Attach(bitmap));
    EXPECT_EQ(33, image.GetWidth());
    EXPECT_EQ(17, image.GetHeight());
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL), image.GetBPP());
    ReleaseDC(nullptr, screen);

    EXPECT_EQ(bitmap, image.Detach());
    EXPECT_TRUE(image.IsNull());
    EXPECT_EQ(0, image.GetWidth());
    // Detached, the bitmap is the caller's again and still valid.
    BITMAP info;
    EXPECT_NE(0, GetObjectW(bitmap, sizeof(info), &info));
    DeleteObject(bitmap);
}

TEST(CImageTest, AttachRefusesWhatIsNotABitmapAndKeepsThePictureHeld)
{
    CImage image;
    ASSERT_TRUE(image.Attach(MakeBitmap(8, 8)));
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_FALSE(image.Attach(reinterpret_cast<HBITMAP>(brush)));
    EXPECT_FALSE(image.Attach(nullptr));
    EXPECT_EQ(8, image.GetWidth());
    DeleteObject(brush);
}

TEST(CImageTest, SaveReportsFailuresByItsResult)
{
    TestFolder folder;
    CImage empty;
    EXPECT_EQ(E_POINTER, empty.Save(folder / L"empty.png"));

    CImage image;
    ASSERT_TRUE(image.Attach(MakeBitmap(8, 8)));
    // No encoder is known for the extension.
    EXPECT_EQ(E_INVALIDARG, image.Save(folder / L"picture.xyz"));
    EXPECT_FALSE(Exists(folder / L"picture.xyz"));
    // The folder is missing: the file system's own code comes back and nothing is
    // left.
    HRESULT missing = image.Save(folder / L"missing\\picture.png");
    EXPECT_TRUE(FAILED(missing));
    EXPECT_EQ(FACILITY_WIN32, HRESULT_FACILITY(missing));
    EXPECT_FALSE(Exists(folder / L"missing\\picture.png"));
}

TEST(CImageTest, SaveChoosesTheEncoderByFormatOrByExtension)
{
    TestFolder folder;
    CImage image;
    ASSERT_TRUE(image.Attach(MakeBitmap(8, 8)));
    // A format given wins over the name's extension.
    ASSERT_EQ(S_OK, image.Save(folder / L"named.bmp", Gdiplus::ImageFormatPNG));
    EXPECT_TRUE(StartsWith(ReadBytes(folder / L"named.bmp"), "\x89PNG"));
    // Without a format the extension decides, in any case.
    ASSERT_EQ(S_OK, image.Save(folder / L"named.JPG"));
    EXPECT_TRUE(StartsWith(ReadBytes(folder / L"named.JPG"), "\xFF\xD8\xFF"));
}
