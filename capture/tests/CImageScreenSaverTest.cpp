#include "capture/destinations/CImageScreenSaver.h"
#include "capture/tests/LocalBitmapTestSupport.h"

#include <gtest/gtest.h>

using namespace capture_test;
using screen_test::ColourWindow;

namespace
{
const wchar_t kImageValue[] = L"Image";
const wchar_t kEarlierImage[] = L"earlier picture";

class CImageScreenSaverTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_window.IsShown());
        ASSERT_TRUE(WriteUserString(CImageScreenSaver::kSettingsKey, kImageValue, kEarlierImage));
    }

    DestinationResult Run(const CString& name, bool unique, bool makeCurrent)
    {
        m_destination.UseInfo(InfoScScreenSaver(name, unique, makeCurrent, false, 0, 1));
        return m_destination.ProcessWindow(m_window.Handle());
    }

    std::wstring ImageValue() const { return UserString(CImageScreenSaver::kSettingsKey, kImageValue); }

    ColourWindow m_window{kPaintRect, kPaint};
    SavedUserString m_savedImage{CImageScreenSaver::kSettingsKey, kImageValue};
    LocalPictureFolder m_folder{L"\\Screen Saver"};
    CImageScreenSaver m_destination;
};
} // namespace

TEST_F(CImageScreenSaverTest, WritesTheBitmapAndTheImageValueNamesTheFileJustWritten)
{
    const struct
    {
        const char* what;
        bool unique;
        bool makeCurrent;
        std::vector<const wchar_t*> present; // suffixes of files there before
        const wchar_t* written;              // suffix of the file written
    } cases[] = {
        {"new name", false, true, {}, L""},         {"replaced", false, true, {L""}, L""},
        {"numbered", true, true, {L""}, L"1"},      {"next free number", true, true, {L"", L"1"}, L"2"},
        {"not made current", true, false, {}, L""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        m_folder.RemovePictures();
        ASSERT_TRUE(WriteUserString(CImageScreenSaver::kSettingsKey, kImageValue, kEarlierImage));
        CreateDirectoryW(InfoGlobalFunctions::GetScImageDirectory(), nullptr);
        CreateDirectoryW(m_folder.Path(), nullptr);
        for (const wchar_t* suffix : c.present)
            WriteBytes(m_folder.File(suffix), "old");

        ASSERT_EQ(DR_DONE, Run(m_folder.Prefix(), c.unique, c.makeCurrent)) << m_destination.GetErrorText().GetString();
        EXPECT_TRUE(IsPaintedBitmap(m_folder.File(c.written)));
        for (const wchar_t* suffix : c.present)
        {
            if (wcscmp(suffix, c.written) != 0)
            {
                EXPECT_EQ("old", ReadBytes(m_folder.File(suffix)));
            }
        }
        std::wstring expectedImage = c.makeCurrent ? (m_folder.Prefix() + c.written).str() : kEarlierImage;
        EXPECT_EQ(expectedImage, ImageValue());
    }
}

TEST_F(CImageScreenSaverTest, FailuresGiveTheirTextAndLeaveTheImageValueAlone)
{
    // Old file held open without delete sharing.
    CreateDirectoryW(InfoGlobalFunctions::GetScImageDirectory(), nullptr);
    CreateDirectoryW(m_folder.Path(), nullptr);
    CString held = m_folder.File(L"");
    WriteBytes(held, "old");
    HANDLE open = CreateFileW(held, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, open);
    EXPECT_EQ(DR_FAILED, Run(m_folder.Prefix(), false, true));
    CString prefix = L"The existing file, '" + held + L"', cannot be deleted. System error: ";
    CString text = m_destination.GetErrorText();
    EXPECT_EQ(prefix, text.Left(prefix.GetLength())) << text.GetString();
    EXPECT_GT(text.GetLength(), prefix.GetLength());
    CloseHandle(open);
    EXPECT_EQ("old", ReadBytes(held));
    EXPECT_EQ(kEarlierImage, ImageValue());

    // A name the file system refuses: nothing is written, so nothing is reported
    // as done.
    CString refused = m_folder.Prefix() + L"?";
    EXPECT_EQ(DR_FAILED, Run(refused, false, true));
    EXPECT_EQ(L"There was a failure saving the image to the disk file '" + m_folder.Path() + L"\\" + refused +
                  L".bmp'. Possible cause: the file name or the file type is invalid.",
              m_destination.GetErrorText());
    EXPECT_EQ(kEarlierImage, ImageValue());
}

TEST_F(CImageScreenSaverTest, FolderThatCannotBeMadeFailsWithTheFolderText)
{
    BlockedFolder blocked(m_folder.Path());
    ASSERT_TRUE(blocked.IsBlocked());
    EXPECT_EQ(DR_FAILED, Run(m_folder.Prefix(), true, true));
    CString prefix = L"The specified directory (" + m_folder.Path();
    EXPECT_EQ(prefix, m_destination.GetErrorText().Left(prefix.GetLength()))
        << m_destination.GetErrorText().GetString();
    EXPECT_EQ(kEarlierImage, ImageValue());
}

TEST_F(CImageScreenSaverTest, WithoutAPictureNothingIsWritten)
{
    m_destination.UseInfo(InfoScScreenSaver(m_folder.Prefix(), false, true, false, 0, 1));
    EXPECT_EQ(DR_FAILED, m_destination.Execute());
    EXPECT_FALSE(Exists(m_folder.File(L"")));
    EXPECT_EQ(kEarlierImage, ImageValue());
}

TEST_F(CImageScreenSaverTest, RecordIsStoredOnlyAfterAGrabAndPartsCopyTheirFields)
{
    InfoScScreenSaver record(L"picked", false, true, true, 7, 9);
    EXPECT_EQ(DR_FAILED, m_destination.ProcessWindowWithInfo(nullptr, &record));
    EXPECT_EQ(InfoScScreenSaver(), *static_cast<InfoScScreenSaver*>(m_destination.GetInfo()));

    const InfoScScreenSaver defaults;
    const struct
    {
        unsigned int part;
        InfoScScreenSaver expected;
    } cases[] = {
        {1, InfoScScreenSaver(defaults.Name, defaults.Unique, defaults.MakeCurrent, true, 0, 1)},
        {2, InfoScScreenSaver(L"picked", false, true, false, 0, 1)},
        {3, InfoScScreenSaver(defaults.Name, defaults.Unique, defaults.MakeCurrent, false, 7, 9)},
    };
    for (const auto& c : cases)
    {
        CImageScreenSaver fresh;
        fresh.SetInfo(&record, c.part);
        EXPECT_EQ(c.expected, *static_cast<InfoScScreenSaver*>(fresh.GetInfo())) << c.part;
    }
}
