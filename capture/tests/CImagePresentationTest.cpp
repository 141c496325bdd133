#include "capture/destinations/CImagePresentation.h"

#include "capture/tests/CaptureTestSupport.h"
#include "capture/tests/MovieReader.h"
#include "common/SystemHelpers.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace capture_test;
using screen_test::ColourWindow;

namespace
{
const COLORREF kSecondPaint = RGB(255, 102, 0);
const RECT kSecondRect = {400, 300, 440, 330}; // 40 x 30: half the size of the first

class CImagePresentationTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_window->IsShown()); }

    // One painted window at a time: the second replaces the first.
    void ShowSecondWindow()
    {
        m_window.reset();
        m_window.reset(new ColourWindow(kSecondRect, kSecondPaint));
        ASSERT_TRUE(m_window->IsShown());
    }

    CString MoviePath() const { return m_folder / L"movie.avi"; }

    std::unique_ptr<ColourWindow> m_window{new ColourWindow(kPaintRect, kPaint)};
    TestFolder m_folder;
    CImagePresentation m_destination;
};
} // namespace

TEST_F(CImagePresentationTest, EachGrabIsAFrameAndAPictureOfAnotherSizeIsScaledIn)
{
    {
        CAviWriter writer(MoviePath(), 5);
        m_destination.SetAviWriter(&writer);
        ASSERT_EQ(DR_DONE, m_destination.ProcessWindow(m_window->Handle())) << m_destination.GetErrorText().ToAnsi();
        EXPECT_TRUE(m_destination.IsGrabbed());
        EXPECT_FALSE(m_destination.IsBusy());
        ASSERT_EQ(DR_DONE, m_destination.ProcessRect(kPaintRect)) << m_destination.GetErrorText().ToAnsi();
        // A selection of half the size fills the whole frame.
        ShowSecondWindow();
        ASSERT_EQ(DR_DONE, m_destination.ProcessRect(kSecondRect)) << m_destination.GetErrorText().ToAnsi();
        // The held picture again, without a grab.
        ASSERT_EQ(DR_DONE, m_destination.ProcessAgain(nullptr)) << m_destination.GetErrorText().ToAnsi();
        m_destination.SetAviWriter(nullptr);
    }

    MovieReader movie(MoviePath());
    ASSERT_TRUE(movie.IsOpen());
    ASSERT_EQ(4, movie.FrameCount());
    EXPECT_EQ(kPaintWidth, movie.Format().biWidth);
    EXPECT_EQ(kPaintHeight, movie.Format().biHeight);
    const struct
    {
        LONG frame;
        COLORREF colour;
    } frames[] = {{0, kPaint}, {1, kPaint}, {2, kSecondPaint}, {3, kSecondPaint}};
    for (const auto& f : frames)
    {
        EXPECT_EQ(f.colour, movie.PixelAt(f.frame, kPaintWidth / 2, kPaintHeight / 2)) << f.frame;
        EXPECT_EQ(f.colour, movie.PixelAt(f.frame, 1, 1)) << f.frame;
        EXPECT_EQ(f.colour, movie.PixelAt(f.frame, kPaintWidth - 2, kPaintHeight - 2)) << f.frame;
    }
}

TEST_F(CImagePresentationTest, RegionFramesAreWhiteOutsideTheShapeAndGrabsOfOneSizeReuseTheFrame)
{
    {
        CAviWriter writer(MoviePath(), 5);
        m_destination.SetAviWriter(&writer);
        HRGN ellipse = CreateEllipticRgn(kPaintRect.left, kPaintRect.top, kPaintRect.right, kPaintRect.bottom);
        ASSERT_EQ(DR_DONE, m_destination.ProcessRegion(ellipse)) << m_destination.GetErrorText().ToAnsi();
        const HBITMAP first = m_destination.GetBitmap();
        ASSERT_EQ(DR_DONE, m_destination.ProcessRegion(ellipse)) << m_destination.GetErrorText().ToAnsi();
        // A grab of the same size draws into the same frame.
        EXPECT_EQ(first, m_destination.GetBitmap());
        DeleteObject(ellipse);
        m_destination.SetAviWriter(nullptr);
    }
    MovieReader movie(MoviePath());
    ASSERT_TRUE(movie.IsOpen());
    ASSERT_EQ(2, movie.FrameCount());
    for (LONG frame = 0; frame < 2; ++frame)
    {
        EXPECT_EQ(kPaint, movie.PixelAt(frame, kPaintWidth / 2, kPaintHeight / 2)) << frame;
        EXPECT_EQ(RGB(255, 255, 255), movie.PixelAt(frame, 1, 1)) << frame;
    }
}

TEST_F(CImagePresentationTest, ANewWriterTakesItsFrameSizeFromItsOwnFirstFrame)
{
    {
        CAviWriter first(MoviePath(), 5);
        m_destination.SetAviWriter(&first);
        ASSERT_EQ(DR_DONE, m_destination.ProcessRect(kPaintRect));
        m_destination.SetAviWriter(nullptr);
    }
    CString secondPath = m_folder / L"second.avi";
    {
        CAviWriter second(secondPath, 5);
        m_destination.SetAviWriter(&second);
        ASSERT_EQ(DR_DONE, m_destination.ProcessRect(kSecondRect)) << m_destination.GetErrorText().ToAnsi();
        ASSERT_EQ(DR_DONE, m_destination.ProcessRect(kPaintRect)) << m_destination.GetErrorText().ToAnsi();
        m_destination.SetAviWriter(nullptr);
    }
    MovieReader movie(secondPath);
    ASSERT_TRUE(movie.IsOpen());
    EXPECT_EQ(2, movie.FrameCount());
    EXPECT_EQ(40, movie.Format().biWidth);
    EXPECT_EQ(30, movie.Format().biHeight);
    EXPECT_EQ(kPaint, movie.PixelAt(1, 20, 15));
}

TEST_F(CImagePresentationTest, FailuresGiveTheirTexts)
{
    // No writer handed in yet.
    EXPECT_EQ(DR_FAILED, m_destination.ProcessWindow(m_window->Handle()));
    EXPECT_EQ(CString(L"Null movie recording object."), m_destination.GetErrorText());
    EXPECT_TRUE(m_destination.IsGrabbed());

    // No picture.
    CImagePresentation fresh;
    CAviWriter writer(MoviePath(), 5);
    fresh.SetAviWriter(&writer);
    EXPECT_EQ(DR_FAILED, fresh.Execute());
    EXPECT_EQ(CString(L"Invalid image or info object."), fresh.GetErrorText());

    // An empty selection.
    EXPECT_EQ(DR_FAILED, fresh.ProcessRect(RECT{10, 10, 10, 40}));
    EXPECT_FALSE(fresh.IsGrabbed());
    EXPECT_EQ(CString(L"Cannot process the image and the operation is aborted. Unknown error message."),
              fresh.GetErrorText());
    EXPECT_FALSE(Exists(MoviePath()));

    // A writer that cannot make its file: the system's text of its failure.
    CAviWriter nowhere(m_folder / L"missing\\movie.avi", 5);
    fresh.SetAviWriter(&nowhere);
    EXPECT_EQ(DR_FAILED, fresh.ProcessRect(kPaintRect));
    EXPECT_EQ(GetHResultText(nowhere.AddFrame(fresh.GetBitmap())), fresh.GetErrorText());
    EXPECT_FALSE(fresh.GetErrorText().IsEmpty());
    fresh.SetAviWriter(nullptr);

    // A frame past the writer's size limit: the writer's own text.
    CAviWriter small(m_folder / L"small.avi", 5, 64 * 1024 + kPaintWidth * kPaintHeight * 4 + 24);
    fresh.SetAviWriter(&small);
    EXPECT_EQ(DR_DONE, fresh.ProcessRect(kPaintRect));
    EXPECT_EQ(DR_FAILED, fresh.ProcessRect(kPaintRect));
    EXPECT_EQ(small.GetFailureText(CAviWriter::kFileFull), fresh.GetErrorText());
    fresh.SetAviWriter(nullptr);
}

TEST(CImagePresentationInfoTest, RecordPartsAndTiming)
{
    CImagePresentation destination;
    ASSERT_EQ(SP_PRESENTATION_RECORDING, destination.GetInfo()->GetType());
    const InfoPresentationRecording source(L"clip", L"C:\\Movies", PFT_AVI, true, 5, 1, 12, true);
    const InfoPresentationRecording before = *static_cast<InfoPresentationRecording*>(destination.GetInfo());

    destination.SetInfo(&source, 2);
    EXPECT_EQ(before, *static_cast<InfoPresentationRecording*>(destination.GetInfo()));
    destination.SetInfo(&source, 1);
    InfoPresentationRecording flagOnly = before;
    flagOnly.RecShowDlg = true;
    EXPECT_EQ(flagOnly, *static_cast<InfoPresentationRecording*>(destination.GetInfo()));
    destination.SetInfo(&source, 0);
    EXPECT_EQ(source, *static_cast<InfoPresentationRecording*>(destination.GetInfo()));

    const struct
    {
        int duration;
        int frequency;
        bool expected;
    } timings[] = {{5, 1, false}, {0, 1, true}, {0, 0, true}, {-1, 0, false}, {5, 0, true}};
    for (const auto& t : timings)
    {
        InfoPresentationRecording record = source;
        record.RecDuration = t.duration;
        record.RecFreq = t.frequency;
        destination.SetInfo(&record, 0);
        EXPECT_EQ(t.expected, destination.CheckTiming()) << t.duration << " " << t.frequency;
    }
}
