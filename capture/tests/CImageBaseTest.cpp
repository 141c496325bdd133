#include "capture/destinations/CImageBase.h"
#include "Info/InfoGlobalFunctions.h"
#include "Info/InfoScClipboard.h"
#include "capture/destinations/CImageFile.h"
#include "capture/tests/CaptureTestSupport.h"
#include <gtest/gtest.h>

using namespace capture_test;
using screen_test::ColourWindow;
using screen_test::ReadPixels;

namespace
{
const wchar_t kDefaultText[] = L"Cannot process the image and the operation is "
                               L"aborted. Unknown error message.";

class CImageBaseTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_window.IsShown()); }

    ColourWindow m_window{kPaintRect, kPaint};
    CImageFile m_destination;
};

// A destination that records how the shared operations call it.
class ProbeDestination : public CRecordDestination<InfoScClipboard>
{
public:
    explicit ProbeDestination(bool storesFirst) : m_storesFirst(storesFirst) {}

    DestinationResult Execute() override
    {
        ++executed;
        return CanExecute() ? DR_DONE : DR_FAILED;
    }

    int executed = 0;
    int grabsPrepared = 0;

protected:
    void CopyPart(const InfoScClipboard&, unsigned int) override {}
    bool StoresRecordBeforeGrab() const override { return m_storesFirst; }
    void BeforeGrab() override { ++grabsPrepared; }

private:
    bool m_storesFirst;
};

InfoScClipboard ClipboardRecord(int duration)
{
    InfoScClipboard record;
    record.Duration = duration;
    return record;
}
} // namespace

TEST_F(CImageBaseTest, NewDestinationHasNoPictureAndTheGeneralText)
{
    EXPECT_EQ(CString(kDefaultText), m_destination.GetErrorText());
    EXPECT_EQ(nullptr, m_destination.GetBitmap());
    EXPECT_EQ(DR_FAILED, m_destination.Execute());
    InfoScFile record;
    EXPECT_EQ(DR_FAILED, m_destination.ProcessAgain(&record));
    EXPECT_EQ(CString(kDefaultText), m_destination.GetErrorText());
}

TEST_F(CImageBaseTest, GrabsHoldTheDisplayedPixels)
{
    ASSERT_EQ(DR_DONE, m_destination.GrabRect(kPaintRect));
    screen_test::Pixels rect = ReadPixels(m_destination.GetBitmap());
    EXPECT_EQ(kPaintWidth, rect.width);
    EXPECT_EQ(kPaintHeight, rect.height);
    EXPECT_EQ(kPaint, rect.At(0, 0));
    EXPECT_EQ(kPaint, rect.At(kPaintWidth - 1, kPaintHeight - 1));

    ASSERT_EQ(DR_DONE, m_destination.GrabWindow(m_window.Handle()));
    screen_test::Pixels window = ReadPixels(m_destination.GetBitmap());
    EXPECT_EQ(kPaintWidth, window.width);
    EXPECT_EQ(kPaintHeight, window.height);
    EXPECT_EQ(kPaint, window.At(kPaintWidth / 2, kPaintHeight / 2));

    HRGN ellipse = CreateEllipticRgnIndirect(&kPaintRect);
    ASSERT_EQ(DR_DONE, m_destination.GrabRegion(ellipse));
    DeleteObject(ellipse);
    screen_test::Pixels region = ReadPixels(m_destination.GetBitmap());
    EXPECT_EQ(kPaint, region.At(region.width / 2, region.height / 2));
    EXPECT_EQ(RGB(255, 255, 255), region.At(0, 0)); // outside the ellipse
}

TEST_F(CImageBaseTest, FailedGrabsLeaveThePictureAsItWas)
{
    ASSERT_EQ(DR_DONE, m_destination.GrabRect(kPaintRect));
    HBITMAP held = m_destination.GetBitmap();

    RECT empty = {300, 300, 300, 400};
    EXPECT_EQ(DR_FAILED, m_destination.GrabRect(empty));
    EXPECT_EQ(DR_FAILED, m_destination.GrabWindow(nullptr));
    EXPECT_EQ(DR_FAILED, m_destination.GrabRegion(nullptr));
    RECT offScreen = {-500, -500, -400, -400};
    EXPECT_EQ(DR_FAILED, m_destination.GrabRect(offScreen));

    EXPECT_EQ(held, m_destination.GetBitmap());
    EXPECT_EQ(CString(kDefaultText), m_destination.GetErrorText());
}

TEST_F(CImageBaseTest, SaveImageWithoutAPathMakesANewNameInTheFolder)
{
    TestFolder folder;
    ASSERT_EQ(DR_DONE, m_destination.GrabRect(kPaintRect));

    CString first, second;
    ASSERT_TRUE(m_destination.SaveImage(first, folder.Path(), FT_PNG));
    ASSERT_TRUE(m_destination.SaveImage(second, folder.Path(), FT_PNG));
    EXPECT_EQ(folder / L"VellImage.png", first);
    EXPECT_EQ(folder / L"VellImage1.png", second);
    EXPECT_TRUE(StartsWith(ReadBytes(second), "\x89PNG"));
}

TEST_F(CImageBaseTest, SaveImageBelowTheCaptureFolderCreatesTheMissingFolder)
{
    ASSERT_EQ(DR_DONE, m_destination.GrabRect(kPaintRect));
    CString folder = InfoGlobalFunctions::GetScImageDirectory() + L"\\CoreTestTemp";
    RemoveDirectoryW(folder);
    ASSERT_FALSE(Exists(folder));

    CString path;
    ASSERT_TRUE(m_destination.SaveImage(path, L"\\CoreTestTemp", FT_BMP)) << m_destination.GetErrorText().GetString();
    EXPECT_EQ(folder + L"\\VellImage.bmp", path);
    EXPECT_EQ(kPaint, Decode(path).centre);

    DeleteFileW(path);
    RemoveDirectoryW(folder);
}

TEST_F(CImageBaseTest, SaveImageOfAnUnknownTypeUsesTheEncoderOfTheExtension)
{
    TestFolder folder;
    ASSERT_EQ(DR_DONE, m_destination.GrabRect(kPaintRect));
    const struct
    {
        const wchar_t* name;
        const char* signature;
    } cases[] = {{L"a.png", "\x89PNG"}, {L"a.gif", "GIF8"}, {L"a.bmp", "BM"}, {L"a.jpeg", "\xFF\xD8\xFF"}};
    for (const auto& c : cases)
    {
        CString path = folder / c.name;
        ASSERT_TRUE(m_destination.SaveImage(path, L"", static_cast<EnumFileType>(7))) << c.name;
        EXPECT_TRUE(StartsWith(ReadBytes(path), c.signature)) << c.name;
    }
}

TEST_F(CImageBaseTest, SaveImageFailureIsFalseWithThePathAndTheSystemText)
{
    TestFolder folder;
    CString path = folder / L"nothing.png";
    EXPECT_FALSE(m_destination.SaveImage(path, L"", FT_PNG)); // no picture yet
    EXPECT_FALSE(Exists(path));

    ASSERT_EQ(DR_DONE, m_destination.GrabRect(kPaintRect));
    // A folder stands where the picture should be written.
    CString occupied = folder / L"occupied.png";
    ASSERT_TRUE(CreateDirectoryW(occupied, nullptr));
    const EnumFileType types[] = {FT_PNG, FT_DIB};
    for (EnumFileType type : types)
    {
        EXPECT_FALSE(m_destination.SaveImage(occupied, L"", type)) << type;
        CString prefix = L"Failed to save the image file '" + occupied + L"'. System error: ";
        CString text = m_destination.GetErrorText();
        EXPECT_EQ(prefix, text.Left(prefix.GetLength())) << text.GetString();
        EXPECT_GT(text.GetLength(), prefix.GetLength()) << type;
    }
}

TEST_F(CImageBaseTest, SaveImageReportsWhyItsFolderCannotBeMade)
{
    TestFolder folder;
    ASSERT_EQ(DR_DONE, m_destination.GrabRect(kPaintRect));
    // A file stands where the folder should be.
    WriteBytes(folder / L"blocker", "x");
    CString blocked = folder / L"blocker\\picture.png";
    EXPECT_FALSE(m_destination.SaveImage(blocked, L"", FT_PNG));
    CString prefix = L"The specified directory (" + folder / L"blocker\\) cannot be created. System error: ";
    CString text = m_destination.GetErrorText();
    EXPECT_EQ(prefix, text.Left(prefix.GetLength())) << text.GetString();
    EXPECT_FALSE(Exists(blocked));
}

TEST_F(CImageBaseTest, EveryGrabAndRunStartsWithoutTheReasonOfAnEarlierFailure)
{
    TestFolder folder;
    WriteBytes(folder / L"blocker", "x");
    m_destination.UseInfo(InfoScFile(L"shot", folder / L"blocker\\sub", FT_PNG, false, false, 0, 1));
    ASSERT_EQ(DR_FAILED, m_destination.ProcessRect(kPaintRect));
    const CString stale = m_destination.GetErrorText();
    ASSERT_NE(CString(kDefaultText), stale);

    // A grab that fails for its own reason does not report the earlier one.
    EXPECT_EQ(DR_FAILED, m_destination.GrabRect(RECT{5, 5, 5, 5}));
    EXPECT_EQ(CString(kDefaultText), m_destination.GetErrorText());

    ASSERT_EQ(DR_FAILED, m_destination.Execute());
    ASSERT_EQ(stale, m_destination.GetErrorText());
    // Nor does a run that succeeds.
    m_destination.UseInfo(InfoScFile(L"shot", folder.Path(), FT_PNG, false, false, 0, 1));
    EXPECT_EQ(DR_DONE, m_destination.Execute());
    EXPECT_EQ(CString(kDefaultText), m_destination.GetErrorText());
}

TEST(CRecordDestinationTest, SetInfoCopiesTheWholeRecordOrOnePartsGroup)
{
    const InfoScFile source(L"name", L"C:\\pics", FT_GIF, true, false, 30, 5);
    const InfoScFile initial;
    const struct
    {
        unsigned int part;
        void (*apply)(InfoScFile& expected, const InfoScFile& from);
    } cases[] = {
        {0, [](InfoScFile& e, const InfoScFile& f) { e = f; }},
        {1, [](InfoScFile& e, const InfoScFile& f) { e.ShowDlg = f.ShowDlg; }},
        {2,
         [](InfoScFile& e, const InfoScFile& f) {
             e.FName = f.FName;
             e.FPath = f.FPath;
             e.FType = f.FType;
             e.Overwrite = f.Overwrite;
         }},
        {3,
         [](InfoScFile& e, const InfoScFile& f) {
             e.Duration = f.Duration;
             e.Frequence = f.Frequence;
         }},
        {4, [](InfoScFile&, const InfoScFile&) {}},
        {5, [](InfoScFile&, const InfoScFile&) {}},
        {6, [](InfoScFile&, const InfoScFile&) {}},
    };
    for (const auto& c : cases)
    {
        CImageFile destination;
        destination.SetInfo(&source, c.part);
        InfoScFile expected = initial;
        c.apply(expected, source);
        EXPECT_TRUE(expected == *static_cast<InfoScFile*>(destination.GetInfo())) << c.part;
    }

    // A null record or a record of another type changes nothing.
    CImageFile destination;
    InfoScClipboard other;
    destination.SetInfo(nullptr, 0);
    destination.SetInfo(&other, 0);
    EXPECT_TRUE(initial == *static_cast<InfoScFile*>(destination.GetInfo()));
}

TEST(CRecordDestinationTest, GrabWithInfoStoresTheRecordBeforeOrOnlyAfterASuccessfulGrab)
{
    ColourWindow window(kPaintRect, kPaint);
    ASSERT_TRUE(window.IsShown());
    const InfoScClipboard record = ClipboardRecord(42);
    const RECT empty = {0, 0, 0, 0};

    for (bool storesFirst : {true, false})
    {
        ProbeDestination destination(storesFirst);
        EXPECT_EQ(DR_FAILED, destination.ProcessRectWithInfo(empty, &record));
        EXPECT_EQ(storesFirst ? 42 : 0, static_cast<InfoScClipboard*>(destination.GetInfo())->Duration);
        EXPECT_EQ(0, destination.executed);

        EXPECT_EQ(DR_DONE, destination.ProcessWindowWithInfo(window.Handle(), &record));
        EXPECT_EQ(42, static_cast<InfoScClipboard*>(destination.GetInfo())->Duration);
        EXPECT_EQ(1, destination.executed);
        EXPECT_EQ(2, destination.grabsPrepared);
    }
}

TEST(CRecordDestinationTest, GrabAndRunOperationsExecuteOnlyAfterAGrab)
{
    ColourWindow window(kPaintRect, kPaint);
    ASSERT_TRUE(window.IsShown());
    ProbeDestination destination(false);
    HRGN region = CreateRectRgnIndirect(&kPaintRect);
    EXPECT_EQ(DR_FAILED, destination.ProcessWindow(nullptr));
    EXPECT_EQ(DR_FAILED, destination.ProcessRegion(nullptr));
    EXPECT_EQ(0, destination.executed);

    EXPECT_EQ(DR_DONE, destination.ProcessRegion(region));
    EXPECT_EQ(DR_DONE, destination.ProcessRect(kPaintRect));
    EXPECT_EQ(DR_DONE, destination.ProcessRegionWithInfo(region, nullptr));
    const InfoScClipboard record = ClipboardRecord(7);
    EXPECT_EQ(DR_DONE, destination.ProcessAgain(&record));
    EXPECT_EQ(7, static_cast<InfoScClipboard*>(destination.GetInfo())->Duration);
    EXPECT_EQ(4, destination.executed);
    EXPECT_EQ(5, destination.grabsPrepared);
    DeleteObject(region);
}
