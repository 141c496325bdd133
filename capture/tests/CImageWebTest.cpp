// The web destination against the test run's FTP server (pyftpdlib on
// 127.0.0.1, one user whose home Wine reaches as VELL_FTP_ROOT_WIN).
#include "capture/destinations/CImageWeb.h"
#include "capture/tests/CaptureTestSupport.h"
#include "testing/ClosedPort.h"
#include <gtest/gtest.h>

using namespace capture_test;
using screen_test::ColourWindow;

namespace
{
const char kPngSignature[] = "\x89PNG\r\n\x1A\n";

CString Env(const wchar_t* name)
{
    wchar_t value[MAX_PATH] = {};
    DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
    return length > 0 && length < MAX_PATH ? CString(value) : CString();
}

bool ContainsText(const CString& text, const wchar_t* part)
{
    return text.Find(part) >= 0;
}

class CImageWebTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_window.IsShown());
        for (const wchar_t* name : {L"VELL_FTP_PORT", L"VELL_FTP_USER", L"VELL_FTP_PASSWORD", L"VELL_FTP_ROOT_WIN"})
            ASSERT_FALSE(Env(name).IsEmpty()) << name << " comes from the test runner, cmake/run-wine-test.sh";
        m_root = Env(L"VELL_FTP_ROOT_WIN");
        // Named after the run and the test.
        CString test(::testing::UnitTest::GetInstance()->current_test_info()->name());
        m_remote.Format(L"web-%lu-%s", GetCurrentProcessId(), test.GetString());
        m_remoteName.Format(L"shot-%lu-%s", GetCurrentProcessId(), test.GetString());
    }

    // A record that uploads <local folder>\<name>.png into webPath.
    InfoScWeb Record(const CString& webPath, const CString& name, bool overwrite = true) const
    {
        return InfoScWeb(WS_REMOTE_FTP, L"127.0.0.1", _wtoi(Env(L"VELL_FTP_PORT")), Env(L"VELL_FTP_USER"),
                         Env(L"VELL_FTP_PASSWORD"), webPath, name, m_folder.Path(), FT_PNG, overwrite, false, 0, 1);
    }

    DestinationResult Run(const InfoScWeb& record)
    {
        m_destination.UseInfo(record);
        return m_destination.ProcessWindow(m_window.Handle());
    }

    // The folder of the server's user, seen through Wine's Z: drive.
    CString Remote(const CString& relative) const { return m_root + L"\\" + relative; }

    ColourWindow m_window{kPaintRect, kPaint};
    TestFolder m_folder;
    CImageWeb m_destination;
    CString m_root;
    // Names on the server that this test alone uses; the server's folder belongs
    // to the test run and goes with it.
    CString m_remote;     // a folder below the server's root
    CString m_remoteName; // a file name in the server's root
};
} // namespace

TEST_F(CImageWebTest, UploadedFileHoldsTheBytesWrittenLocally)
{
    const struct
    {
        CString webPath;
        CString name;
        CString remoteFile; // below the server's root
    } cases[] = {
        {L"/", m_remoteName, m_remoteName + L".png"},
        // A missing folder is made; the trailing separators count as one.
        {L"/" + m_remote + L"//", L"shot", m_remote + L"\\shot.png"},
        // One missing level below an existing folder, given with a backslash.
        {L"/" + m_remote + L"/sub\\", L"shot", m_remote + L"\\sub\\shot.png"},
    };
    for (const auto& c : cases)
    {
        ASSERT_EQ(DR_DONE, Run(Record(c.webPath, c.name)))
            << c.webPath.GetString() << " " << m_destination.GetErrorText().GetString();
        std::string local = ReadBytes(m_folder / (c.name + L".png"));
        EXPECT_TRUE(StartsWith(local, kPngSignature)) << c.webPath.GetString();
        EXPECT_TRUE(Decode(m_folder / (c.name + L".png")).ok) << c.webPath.GetString();
        EXPECT_TRUE(local == ReadBytes(Remote(c.remoteFile))) << c.webPath.GetString() << ": the uploaded bytes differ";
    }
}

TEST_F(CImageWebTest, ExistingLocalFileGivesTheNumberedNameHereAndOnTheServer)
{
    WriteBytes(m_folder / L"shot.png", "old");
    ASSERT_EQ(DR_DONE, Run(Record(L"/" + m_remote, L"shot", false))) << m_destination.GetErrorText().GetString();
    EXPECT_EQ("old", ReadBytes(m_folder / L"shot.png"));
    std::string local = ReadBytes(m_folder / L"shot1.png");
    EXPECT_TRUE(StartsWith(local, kPngSignature));
    EXPECT_TRUE(local == ReadBytes(Remote(m_remote + L"\\shot1.png")));
    EXPECT_FALSE(Exists(Remote(m_remote + L"\\shot.png")));
}

TEST_F(CImageWebTest, LocalWebServerGetsTheFileAndNothingIsUploaded)
{
    InfoScWeb record = Record(L"/" + m_remote, L"shot");
    record.SvrType = WS_LOCAL;
    ASSERT_EQ(DR_DONE, Run(record)) << m_destination.GetErrorText().GetString();
    EXPECT_TRUE(Decode(m_folder / L"shot.png").ok);
    EXPECT_FALSE(Exists(Remote(m_remote)));
}

TEST_F(CImageWebTest, FailuresOfTheServerGiveItsTextAndKeepTheLocalFile)
{
    ClosedPort closed;
    ASSERT_NE(0, closed.Port());
    InfoScWeb badLogin = Record(L"/" + m_remote, L"login");
    badLogin.Pwd = L"not-the-password";
    InfoScWeb down = Record(L"/" + m_remote, L"down");
    down.Port = closed.Port();

    const struct
    {
        InfoScWeb record;
        const wchar_t* reply; // what the text must hold; null: any text of its own
    } cases[] = {
        {badLogin, L"530"},
        {down, nullptr},
        // Two missing levels: the server refuses to make the folder.
        {Record(L"/" + m_remote + L"/a/b", L"deep"), L"550"},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(DR_FAILED, Run(c.record)) << c.record.FName.GetString();
        CString text = m_destination.GetErrorText();
        if (c.reply)
        {
            EXPECT_TRUE(ContainsText(text, c.reply)) << c.record.FName.GetString() << ": " << text.GetString();
        }
        EXPECT_FALSE(ContainsText(text, L"Unknown error message"))
            << c.record.FName.GetString() << ": " << text.GetString();
        EXPECT_TRUE(Decode(m_folder / (c.record.FName + L".png")).ok) << c.record.FName.GetString();
    }
    EXPECT_FALSE(Exists(Remote(m_remote + L"\\a")));
}

TEST_F(CImageWebTest, PictureThatCannotBeWrittenIsAFailureAndNothingIsUploaded)
{
    // A folder of the file's name stands in the way.
    ASSERT_TRUE(CreateDirectoryW(m_folder / L"shot.png", nullptr));
    EXPECT_EQ(DR_FAILED, Run(Record(L"/" + m_remote, L"shot")));
    EXPECT_EQ(L"There was a failure saving the image to the disk file '" + (m_folder / L"shot.png") +
                  L"'. Possible cause: the file name or the file type is invalid.",
              m_destination.GetErrorText());
    EXPECT_FALSE(Exists(Remote(m_remote)));
}

TEST(CImageWebPartsTest, FilePartAndServerPartCopyTheirOwnFields)
{
    InfoScWeb source(WS_LOCAL, L"host", 2121, L"user", L"secret", L"/pics/", L"name", L"C:\\pics", FT_GIF, true, true,
                     5, 7);
    CImageWeb file, server;
    InfoScWeb before = *static_cast<InfoScWeb*>(file.GetInfo());

    file.SetInfo(&source, 4);
    InfoScWeb expected = before;
    expected.FName = source.FName;
    expected.FPath = source.FPath;
    expected.FType = source.FType;
    expected.Overwrite = source.Overwrite;
    EXPECT_TRUE(expected == *static_cast<InfoScWeb*>(file.GetInfo()));

    server.SetInfo(&source, 5);
    expected = before;
    expected.HostAddress = source.HostAddress;
    expected.Port = source.Port;
    expected.Login = source.Login;
    expected.Pwd = source.Pwd;
    expected.WebPath = source.WebPath;
    EXPECT_TRUE(expected == *static_cast<InfoScWeb*>(server.GetInfo()));
}
