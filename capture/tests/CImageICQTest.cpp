#include "capture/destinations/CImageICQ.h"

#include "Info/InfoGlobalFunctions.h"
#include "capture/tests/CaptureTestSupport.h"
#include "capture/tests/FolderRemoval.h"
#include "capture/tests/IcqClientTestSupport.h"

using namespace capture_test;
using screen_test::ColourWindow;

namespace
{
const wchar_t kSendFailed[] = L"The ICQ send file operation failed. Possible error(s): ICQ disconnected, shut down, "
                              L"unistalled or the ICQ user removed from the list.";

CString IcqFolder()
{
    return InfoGlobalFunctions::GetScImageDirectory() + L"\\ICQ";
}

InfoScIcq MakeRecord(int uin, EnumFileType type)
{
    return InfoScIcq(L"Ann", L"Lee", uin, 0, type, false, 0, 1);
}

// Ann (1001) is online, Bob (1002) offline; the program is freshly installed: no
// ICQ folder yet.
class CImageICQTest : public IcqClientTest
{
protected:
    void SetUp() override
    {
        IcqClientTest::SetUp();
        ASSERT_TRUE(m_window.IsShown());
        AddUser(1001, L"Ann", nullptr);
        AddUser(1002, L"Bob", nullptr);
        WriteContact(L"User 1002", L"Online", L"0");
        RemoveFolderTree(IcqFolder());
    }
    void TearDown() override
    {
        RemoveFolderTree(IcqFolder());
        IcqClientTest::TearDown();
    }

    DestinationResult Run(CImageICQ& destination, int uin, EnumFileType type)
    {
        destination.UseInfo(MakeRecord(uin, type));
        return destination.ProcessWindow(m_window.Handle());
    }
    CString ReceivedFolder(int uin) const
    {
        CString folder;
        folder.Format(L"%s\\Files\\%d", m_folder.Path().GetString(), uin);
        return folder;
    }

    ColourWindow m_window{kPaintRect, kPaint};
};
} // namespace

TEST_F(CImageICQTest, TheUserReceivesTheImageFileWritten)
{
    CImageICQ destination;
    ASSERT_EQ(DR_DONE, Run(destination, 1001, FT_PNG)) << destination.GetErrorText().ToAnsi();
    CString written = IcqFolder() + L"\\VellImage.png";
    std::string bytes = ReadBytes(written);
    EXPECT_TRUE(StartsWith(bytes, "\x89PNG"));
    EXPECT_EQ(bytes, ReadBytes(ReceivedFolder(1001) + L"\\VellImage.png"));
    DecodedImage received = Decode(ReceivedFolder(1001) + L"\\VellImage.png");
    EXPECT_EQ(kPaintWidth, received.width);
    EXPECT_EQ(kPaintHeight, received.height);
    EXPECT_EQ(kPaint, received.centre);

    // A new grab writes and sends a new file.
    ASSERT_EQ(DR_DONE, destination.ProcessWindow(m_window.Handle())) << destination.GetErrorText().ToAnsi();
    EXPECT_EQ(ReadBytes(IcqFolder() + L"\\VellImage1.png"), ReadBytes(ReceivedFolder(1001) + L"\\VellImage1.png"));
}

TEST_F(CImageICQTest, AFileThatCannotReachTheUserFailsWithTheSendText)
{
    CIcqApiLibrary installed;
    CIcqApiLibrary missing(L"NoSuchIcqApi.dll");
    const struct
    {
        const char* label;
        const CIcqApiLibrary& api;
        bool running;
        int uin;
    } cases[] = {
        {"not installed", missing, true, 1001},
        {"not running", installed, false, 1001},
        {"unknown user", installed, true, 4242},
        {"offline user", installed, true, 1002},
    };
    for (const auto& c : cases)
    {
        SetRunning(c.running);
        RemoveFolderTree(IcqFolder());
        CImageICQ destination(c.api);
        EXPECT_EQ(DR_FAILED, Run(destination, c.uin, FT_BMP)) << c.label;
        EXPECT_EQ(CString(kSendFailed), destination.GetErrorText()) << c.label;
        EXPECT_FALSE(Exists(ReceivedFolder(c.uin))) << c.label;
        // The image was written before the send was tried.
        EXPECT_TRUE(StartsWith(ReadBytes(IcqFolder() + L"\\VellImage.bmp"), "BM")) << c.label;
    }
}

TEST_F(CImageICQTest, PictureThatCannotBeWrittenIsNotSent)
{
    // A file where the ICQ folder belongs: the folder cannot be made.
    CreateDirectoryW(InfoGlobalFunctions::GetScImageDirectory(), nullptr);
    WriteBytes(IcqFolder(), "x");

    CImageICQ destination;
    ASSERT_EQ(DR_FAILED, Run(destination, 1001, FT_JPG));
    CString prefix = L"The specified directory (" + IcqFolder() + L"\\) cannot be created. System error: ";
    EXPECT_EQ(prefix, destination.GetErrorText().Left(prefix.GetLength())) << destination.GetErrorText().ToAnsi();
    EXPECT_FALSE(Exists(ReceivedFolder(1001)));
    DeleteFileW(IcqFolder());
}

TEST(CImageICQInfoTest, EachPartCopiesItsFieldsAndTheRecordIsKeptWhenTheGrabFails)
{
    const InfoScIcq blank(L"", L"", 0, 0, FT_BMP, false, 0, 1);
    const InfoScIcq source(L"Ann", L"Lee", 1001, 0x7F000001, FT_GIF, true, 7, 3);
    const struct
    {
        unsigned int part;
        InfoScIcq expected;
    } cases[] = {
        {1, InfoScIcq(L"", L"", 0, 0, FT_BMP, true, 0, 1)},
        {2, InfoScIcq(L"Ann", L"Lee", 1001, 0x7F000001, FT_GIF, false, 0, 1)},
        {3, InfoScIcq(L"", L"", 0, 0, FT_BMP, false, 7, 3)},
        {4, blank},
    };
    for (const auto& c : cases)
    {
        CImageICQ destination;
        destination.SetInfo(&blank, 0);
        destination.SetInfo(&source, c.part);
        EXPECT_TRUE(c.expected == *static_cast<InfoScIcq*>(destination.GetInfo())) << c.part;
    }

    CImageICQ destination;
    EXPECT_EQ(DR_FAILED, destination.ProcessWindowWithInfo(nullptr, &source));
    EXPECT_TRUE(source == *static_cast<InfoScIcq*>(destination.GetInfo()));
}
