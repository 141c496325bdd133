#include "capture/destinations/CImageWallpaper.h"
#include "capture/tests/LocalBitmapTestSupport.h"

#include <gtest/gtest.h>

using namespace capture_test;
using screen_test::ColourWindow;

namespace
{
const wchar_t kDesktopKey[] = L"Control Panel\\Desktop";

std::wstring CurrentWallpaper()
{
    wchar_t path[MAX_PATH] = {};
    if (!SystemParametersInfoW(SPI_GETDESKWALLPAPER, MAX_PATH, path, 0))
        return L"(unknown)";
    return path;
}

// The user's wallpaper and its layout values, put back when the object goes.
class SavedWallpaper
{
public:
    SavedWallpaper() : m_path(CurrentWallpaper()) {}
    SavedWallpaper(const SavedWallpaper&) = delete;
    SavedWallpaper& operator=(const SavedWallpaper&) = delete;
    ~SavedWallpaper()
    {
        SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, &m_path[0], SPIF_UPDATEINIFILE);
        // The registry values are put back by the members below, after this.
    }

private:
    std::wstring m_path;
    SavedUserString m_wallpaper{kDesktopKey, L"Wallpaper"};
    SavedUserString m_tile{kDesktopKey, L"TileWallpaper"};
    SavedUserString m_style{kDesktopKey, L"WallpaperStyle"};
};

class CImageWallpaperTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_window.IsShown()); }

    DestinationResult Run(const CString& name, bool unique, int displayType)
    {
        m_destination.UseInfo(
            InfoScWallpaper(name, unique, static_cast<InfoScWallpaper::EnumDisplayType>(displayType), false, 0, 1));
        return m_destination.ProcessWindow(m_window.Handle());
    }

    // Makes a wallpaper of this test's own the current one.
    void SetEarlierWallpaper()
    {
        CString error;
        ASSERT_TRUE(CImageWallpaper::SetWallpaper(m_earlier, 0, error)) << error.GetString();
        ASSERT_EQ(m_earlier.str(), CurrentWallpaper());
    }

    ColourWindow m_window{kPaintRect, kPaint};
    SavedWallpaper m_saved;
    LocalPictureFolder m_folder{L"\\Wallpaper"};
    CString m_earlier = m_folder.File(L"earlier");
    CImageWallpaper m_destination;
};
} // namespace

TEST_F(CImageWallpaperTest, EachDisplayTypeSetsTheFileJustWrittenWithItsLayoutValues)
{
    const struct
    {
        int displayType;
        const wchar_t* tile;
        const wchar_t* style;
    } cases[] = {
        {InfoScWallpaper::DISPLAY_CENTRED, L"0", L"0"},
        {InfoScWallpaper::DISPLAY_TILED, L"1", L"1"},
        {InfoScWallpaper::DISPLAY_STRETCHED, L"0", L"2"},
        {5, L"0", L"2"},
    };
    CString path = m_folder.File(L"");
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.displayType);
        // The file of the previous round is there: without Unique it is replaced.
        ASSERT_EQ(DR_DONE, Run(m_folder.Prefix(), false, c.displayType)) << m_destination.GetErrorText().GetString();
        EXPECT_TRUE(IsPaintedBitmap(path));
        EXPECT_EQ(path.str(), CurrentWallpaper());
        EXPECT_EQ(path.str(), UserString(kDesktopKey, L"Wallpaper"));
        EXPECT_EQ(c.tile, UserString(kDesktopKey, L"TileWallpaper"));
        EXPECT_EQ(c.style, UserString(kDesktopKey, L"WallpaperStyle"));
    }
    EXPECT_FALSE(Exists(m_folder.File(L"1")));
}

TEST_F(CImageWallpaperTest, UniqueNameIsTheOneMadeTheWallpaper)
{
    CreateDirectoryW(InfoGlobalFunctions::GetScImageDirectory(), nullptr);
    CreateDirectoryW(m_folder.Path(), nullptr);
    WriteBytes(m_folder.File(L""), "old");

    ASSERT_EQ(DR_DONE, Run(m_folder.Prefix(), true, InfoScWallpaper::DISPLAY_TILED))
        << m_destination.GetErrorText().GetString();
    EXPECT_EQ("old", ReadBytes(m_folder.File(L"")));
    EXPECT_TRUE(IsPaintedBitmap(m_folder.File(L"1")));
    EXPECT_EQ(m_folder.File(L"1").str(), CurrentWallpaper());
}

TEST_F(CImageWallpaperTest, PictureNotWrittenFailsWithItsTextAndKeepsTheWallpaper)
{
    SetEarlierWallpaper();
    CString refused = m_folder.Prefix() + L"?";
    EXPECT_EQ(DR_FAILED, Run(refused, false, InfoScWallpaper::DISPLAY_STRETCHED));
    EXPECT_EQ(L"There was a failure saving the image to the disk file '" + m_folder.Path() + L"\\" + refused +
                  L".bmp'. Possible cause: the file name or the file type is invalid.",
              m_destination.GetErrorText());
    EXPECT_EQ(m_earlier.str(), CurrentWallpaper());
    EXPECT_EQ(L"0", UserString(kDesktopKey, L"WallpaperStyle"));
}

TEST_F(CImageWallpaperTest, FolderThatCannotBeMadeFailsWithTheFolderTextAndKeepsTheWallpaper)
{
    SetEarlierWallpaper();
    BlockedFolder blocked(m_folder.Path());
    ASSERT_TRUE(blocked.IsBlocked());
    EXPECT_EQ(DR_FAILED, Run(m_folder.Prefix(), true, InfoScWallpaper::DISPLAY_TILED));
    CString prefix = L"The specified directory (" + m_folder.Path();
    EXPECT_EQ(prefix, m_destination.GetErrorText().Left(prefix.GetLength()))
        << m_destination.GetErrorText().GetString();
    EXPECT_EQ(m_earlier.str(), CurrentWallpaper());
    EXPECT_EQ(L"0", UserString(kDesktopKey, L"TileWallpaper"));
}

TEST_F(CImageWallpaperTest, WithoutAPictureTheWallpaperIsKept)
{
    SetEarlierWallpaper();
    m_destination.UseInfo(InfoScWallpaper(m_folder.Prefix(), false, InfoScWallpaper::DISPLAY_TILED, false, 0, 1));
    EXPECT_EQ(DR_FAILED, m_destination.Execute());
    EXPECT_FALSE(Exists(m_folder.File(L"")));
    EXPECT_EQ(m_earlier.str(), CurrentWallpaper());
}

TEST_F(CImageWallpaperTest, RecordIsStoredOnlyAfterAGrabAndPartsCopyTheirFields)
{
    InfoScWallpaper record(L"picked", false, InfoScWallpaper::DISPLAY_TILED, true, 7, 9);
    EXPECT_EQ(DR_FAILED, m_destination.ProcessRectWithInfo(RECT{}, &record));
    EXPECT_EQ(InfoScWallpaper(), *static_cast<InfoScWallpaper*>(m_destination.GetInfo()));

    const InfoScWallpaper defaults;
    const struct
    {
        unsigned int part;
        InfoScWallpaper expected;
    } cases[] = {
        {1, InfoScWallpaper(defaults.Name, defaults.Unique, defaults.DisplayType, true, 0, 1)},
        {2, InfoScWallpaper(L"picked", false, InfoScWallpaper::DISPLAY_TILED, false, 0, 1)},
        {3, InfoScWallpaper(defaults.Name, defaults.Unique, defaults.DisplayType, false, 7, 9)},
    };
    for (const auto& c : cases)
    {
        CImageWallpaper fresh;
        fresh.SetInfo(&record, c.part);
        EXPECT_EQ(c.expected, *static_cast<InfoScWallpaper*>(fresh.GetInfo())) << c.part;
    }
}
