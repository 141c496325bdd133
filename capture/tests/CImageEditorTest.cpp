#include "capture/destinations/CImageEditor.h"

#include "Info/InfoGlobalFunctions.h"
#include "capture/tests/CaptureTestSupport.h"
#include "capture/tests/FolderRemoval.h"
#include "common/PathHelpers.h"
#include "testing/TestPump.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace capture_test;
using screen_test::ColourWindow;

namespace
{
// The test editor built beside this program; it records its arguments.
CString RecorderPath()
{
    return GetModuleDirectory() + L"\\Args Recorder.exe";
}

CString EditorFolder()
{
    return InfoGlobalFunctions::GetScImageDirectory() + L"\\Editor";
}

CString FromUtf8(const std::string& bytes)
{
    int size = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(size), L'\0');
    if (size > 0)
        MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), &text[0], size);
    return CString(text.c_str());
}

class CImageEditorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_window.IsShown());
        ASSERT_TRUE(Exists(RecorderPath())) << RecorderPath().ToAnsi();
        // As on a fresh installation: no Editor folder yet.
        RemoveFolderTree(EditorFolder());
        m_record = m_folder / L"args.txt";
        SetEnvironmentVariableW(L"VELL_ARGS_RECORD", m_record);
    }
    void TearDown() override
    {
        SetEnvironmentVariableW(L"VELL_ARGS_RECORD", nullptr);
        RemoveFolderTree(EditorFolder());
    }

    DestinationResult Run(const CString& editor, EnumFileType type)
    {
        m_destination.UseInfo(InfoScEditor(editor, type, false, 0, 1));
        return m_destination.ProcessWindow(m_window.Handle());
    }

    // The arguments the test editor recorded, waiting for it to start and write
    // them; the record is removed for the next run.
    std::vector<CString> RecordedArguments()
    {
        EXPECT_TRUE(PumpUntil([this] { return Exists(m_record); }, 30000))
            << "The editor did not record its arguments within 30 s.";
        std::string bytes = ReadBytes(m_record);
        DeleteFileW(m_record);
        std::vector<CString> arguments;
        for (size_t start = 0, end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1)
            arguments.push_back(FromUtf8(bytes.substr(start, end - start)));
        return arguments;
    }

    ColourWindow m_window{kPaintRect, kPaint};
    TestFolder m_folder;
    CString m_record;
    CImageEditor m_destination;
};
} // namespace

TEST_F(CImageEditorTest, OpensEachCaptureInTheEditorAsANewImageFile)
{
    ASSERT_EQ(DR_DONE, Run(RecorderPath(), FT_PNG)) << m_destination.GetErrorText().ToAnsi();
    std::vector<CString> first = RecordedArguments();
    ASSERT_EQ(2u, first.size());
    // The program path holds a blank and still arrives as one argument.
    EXPECT_EQ(RecorderPath(), first[0]);
    EXPECT_EQ(EditorFolder() + L"\\VellImage.png", first[1]);
    EXPECT_TRUE(StartsWith(ReadBytes(first[1]), "\x89PNG"));
    DecodedImage image = Decode(first[1]);
    ASSERT_TRUE(image.ok);
    EXPECT_EQ(kPaintWidth, image.width);
    EXPECT_EQ(kPaintHeight, image.height);
    EXPECT_EQ(kPaint, image.centre);

    // The same picture again: a file of its own, the first one kept for the
    // editor that may still hold it.
    ASSERT_EQ(DR_DONE, m_destination.ProcessAgain(nullptr)) << m_destination.GetErrorText().ToAnsi();
    std::vector<CString> second = RecordedArguments();
    ASSERT_EQ(2u, second.size());
    EXPECT_EQ(EditorFolder() + L"\\VellImage1.png", second[1]);
    EXPECT_TRUE(Exists(first[1]));
    EXPECT_EQ(kPaint, Decode(second[1]).centre);
}

TEST_F(CImageEditorTest, EditorThatCannotBeStartedFailsWithTheLaunchText)
{
    CString missing = m_folder / L"No Such Editor.exe";
    ASSERT_EQ(DR_FAILED, Run(missing, FT_BMP));
    CString image = EditorFolder() + L"\\VellImage.bmp";
    EXPECT_EQ(L"There was a failure launching the application '\"" + missing + L"\" \"" + image +
                  L"\"' calling CreateProcess system function. System error: 2.",
              m_destination.GetErrorText());
    // The picture was written before the launch was tried.
    EXPECT_EQ(kPaint, Decode(image).centre);
}

TEST_F(CImageEditorTest, PictureWhoseFolderCannotBeMadeFailsWithTheFoldersText)
{
    // A file where the Editor folder belongs: the folder cannot be made.
    CreateDirectoryW(InfoGlobalFunctions::GetScImageDirectory(), nullptr);
    WriteBytes(EditorFolder(), "x");

    ASSERT_EQ(DR_FAILED, Run(RecorderPath(), FT_JPG));
    CString prefix = L"The specified directory (" + EditorFolder() + L"\\) cannot be created. System error: ";
    EXPECT_EQ(prefix, m_destination.GetErrorText().Left(prefix.GetLength())) << m_destination.GetErrorText().ToAnsi();
}

TEST_F(CImageEditorTest, WithoutAPictureNothingIsStarted)
{
    CImageEditor fresh;
    fresh.UseInfo(InfoScEditor(RecorderPath(), FT_BMP, false, 0, 1));
    EXPECT_EQ(DR_FAILED, fresh.Execute());
    EXPECT_FALSE(Exists(EditorFolder()));
}

TEST(CImageEditorInfoTest, EachPartCopiesItsFields)
{
    const InfoScEditor blank(L"", FT_BMP, false, 0, 1);
    const InfoScEditor source(L"C:\\Tools\\paint.exe", FT_GIF, true, 7, 3);
    const struct
    {
        unsigned int part;
        InfoScEditor expected;
    } cases[] = {
        {1, InfoScEditor(L"", FT_BMP, true, 0, 1)},
        {2, InfoScEditor(L"C:\\Tools\\paint.exe", FT_GIF, false, 0, 1)},
        {3, InfoScEditor(L"", FT_BMP, false, 7, 3)},
        {4, InfoScEditor(L"", FT_BMP, false, 0, 1)},
    };
    for (const auto& c : cases)
    {
        CImageEditor destination;
        destination.SetInfo(&blank, 0);
        destination.SetInfo(&source, c.part);
        EXPECT_TRUE(c.expected == *static_cast<InfoScEditor*>(destination.GetInfo())) << c.part;
    }
}
