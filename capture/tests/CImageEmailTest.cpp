// The e-mail destination against a real SMTP server (aiosmtpd on 127.0.0.1, started
// by the test runner, cmake/run-wine-test.sh), which decodes each message with Python's MIME parser
// into a spool folder that these tests read back.
// (The socket headers come first: Winsock 2 must be declared before windows.h.)
#include "framework/CSocket.h"
#include <ws2tcpip.h>

#include "capture/destinations/CImageEmail.h"

#include "Info/InfoGlobalFunctions.h"
#include "capture/tests/CaptureTestSupport.h"
#include "capture/tests/FolderRemoval.h"
#include "testing/ClosedPort.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace capture_test;
using screen_test::ColourWindow;

namespace
{
using Lines = std::vector<std::string>;

const wchar_t kWebServerKey[] = L"Software\\Microsoft\\InetStp";

CString EnvironmentText(const wchar_t* name)
{
    wchar_t value[MAX_PATH] = {};
    DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
    return length > 0 && length < MAX_PATH ? CString(value) : CString();
}

CString EmailFolder()
{
    return InfoGlobalFunctions::GetScImageDirectory() + L"\\Email";
}

// The first IPv4 address of this computer's name as the resolver gives it; empty
// when the name does not resolve.
CString ExpectedLocalAddress()
{
    char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD length = sizeof(name);
    addrinfo hints = {};
    hints.ai_family = AF_INET;
    addrinfo* found = nullptr;
    if (!GetComputerNameA(name, &length) || getaddrinfo(name, nullptr, &hints, &found) != 0)
        return CString();
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr, text, sizeof(text));
    freeaddrinfo(found);
    return CString(text);
}

// Sets the local web server's root folder (or removes it, for no web server) and
// puts the old value back at the end.
class WebServerRoot
{
public:
    explicit WebServerRoot(const CString& root)
    {
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, kWebServerKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &m_key,
                        nullptr);
        wchar_t old[MAX_PATH] = {};
        DWORD size = sizeof(old);
        m_hadValue = RegQueryValueExW(m_key, L"PathWWWRoot", nullptr, nullptr, reinterpret_cast<BYTE*>(old), &size) ==
                     ERROR_SUCCESS;
        m_old = old;
        Set(root.IsEmpty() ? nullptr : root.GetString());
    }
    ~WebServerRoot()
    {
        Set(m_hadValue ? m_old.GetString() : nullptr);
        RegCloseKey(m_key);
    }
    WebServerRoot(const WebServerRoot&) = delete;
    WebServerRoot& operator=(const WebServerRoot&) = delete;

private:
    void Set(const wchar_t* root)
    {
        if (root == nullptr)
            RegDeleteValueW(m_key, L"PathWWWRoot");
        else
            RegSetValueExW(m_key, L"PathWWWRoot", 0, REG_SZ, reinterpret_cast<const BYTE*>(root),
                           static_cast<DWORD>((wcslen(root) + 1) * sizeof(wchar_t)));
    }

    HKEY m_key = nullptr;
    bool m_hadValue = false;
    CString m_old;
};

// What the server decoded from one message: summary lines and the bytes of each part.
struct Received
{
    CString folder;
    Lines lines;

    // The values of the summary lines "key: value", in order.
    Lines Values(const std::string& key) const
    {
        Lines values;
        for (const std::string& line : lines)
        {
            if (line.compare(0, key.size() + 2, key + ": ") == 0)
                values.push_back(line.substr(key.size() + 2));
        }
        return values;
    }
    std::string Part(int number) const
    {
        CString path;
        path.Format(L"%s\\part-%d.bin", folder.GetString(), number);
        return ReadBytes(path);
    }
};

class CImageEmailTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_window.IsShown());
        ASSERT_TRUE(AppSocketsInit());
        CString port = EnvironmentText(L"VELL_SMTP_PORT");
        m_spool = EnvironmentText(L"VELL_SMTP_SPOOL");
        ASSERT_FALSE(port.IsEmpty() || m_spool.IsEmpty())
            << "VELL_SMTP_PORT and VELL_SMTP_SPOOL are not set: run this program through ctest, "
               "whose runner (cmake/run-wine-test.sh) starts the SMTP server.";
        m_server = L"127.0.0.1:" + port;
        // As on a fresh installation: no Email folder yet.
        RemoveFolderTree(EmailFolder());
    }
    void TearDown() override { RemoveFolderTree(EmailFolder()); }

    static InfoScEmail Record(const CString& server, const CString& to, const CString& cc, const CString& subject,
                              bool attached, EnumFileType type)
    {
        return InfoScEmail(server, L"sender@example.test", to, cc, subject, L"Today's capture", attached, type, false,
                           0, 1);
    }

    DestinationResult Run(const InfoScEmail& record)
    {
        m_destination.UseInfo(record);
        return m_destination.ProcessWindow(m_window.Handle());
    }

    // The message the server stored under subjectFolder; false when there is none.
    bool Receive(const wchar_t* subjectFolder, Received& received) const
    {
        received.folder = m_spool + L"\\" + subjectFolder;
        std::string summary = ReadBytes(received.folder + L"\\summary.txt");
        for (size_t start = 0, end; (end = summary.find('\n', start)) != std::string::npos; start = end + 1)
            received.lines.push_back(summary.substr(start, end - start));
        return !received.lines.empty();
    }

    ColourWindow m_window{kPaintRect, kPaint};
    TestFolder m_folder;
    CString m_server;
    CString m_spool;
    CImageEmail m_destination;
};
} // namespace

TEST_F(CImageEmailTest, AttachedPictureArrivesByteForByte)
{
    ASSERT_EQ(DR_DONE,
              Run(Record(m_server, L"ann@example.test,bob@example.test", L"", L"Attached capture", true, FT_PNG)))
        << m_destination.GetErrorText().ToAnsi();

    Received received;
    ASSERT_TRUE(Receive(L"Attached_capture", received));
    EXPECT_EQ(Lines{"sender@example.test"}, received.Values("mail_from"));
    EXPECT_EQ(Lines{"sender@example.test <sender@example.test>"}, received.Values("header From"));
    // One comma gives two recipients; an empty CC gives none.
    EXPECT_EQ((Lines{"ann@example.test", "bob@example.test"}), received.Values("rcpt"));
    EXPECT_EQ(Lines{}, received.Values("header CC"));
    EXPECT_EQ(Lines{}, received.Values("defect"));
    EXPECT_EQ((Lines{"1 application/octet-stream VellImage.png", "2 text/plain -"}), received.Values("part"));

    CString written = EmailFolder() + L"\\VellImage.png";
    std::string bytes = ReadBytes(written);
    ASSERT_TRUE(StartsWith(bytes, "\x89PNG"));
    EXPECT_EQ(bytes, received.Part(1));
    EXPECT_EQ(kPaint, Decode(written).centre);
    EXPECT_EQ("Today's capture\r\n", received.Part(2));
}

TEST_F(CImageEmailTest, LinkModeWritesIntoTheWebFolderAndLinksThePicture)
{
    const CString webRoot = m_folder / L"wwwroot";
    const struct
    {
        const wchar_t* label;
        CString root;   // empty: no web server
        CString folder; // where the picture must land
        const wchar_t* subject;
    } cases[] = {
        {L"web server", webRoot, webRoot + L"\\Images", L"Linked capture"},
        {L"no web server", L"", InfoGlobalFunctions::GetScImageDirectory(), L"Linked without server"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(CString(c.label).ToAnsi());
        WebServerRoot root(c.root);
        ASSERT_EQ(DR_DONE, Run(Record(m_server, L"ann@example.test", L"cy@example.test", c.subject, false, FT_JPG)))
            << m_destination.GetErrorText().ToAnsi();

        CString subjectFolder = c.subject;
        subjectFolder.Replace(L" ", L"_");
        Received received;
        ASSERT_TRUE(Receive(subjectFolder, received));
        EXPECT_EQ((Lines{"ann@example.test", "cy@example.test"}), received.Values("rcpt"));
        EXPECT_EQ(Lines{}, received.Values("defect"));
        EXPECT_EQ(Lines{"1 text/html -"}, received.Values("part"));

        // The link names this computer's address and the written file.
        std::string html = received.Part(1);
        const std::string start =
            "<html><body><p>Today's capture</p><p><img src=\"http://" + ExpectedLocalAddress().ToAnsi() + "//images//";
        const std::string end = "\"></img></p></body></html>\r\n";
        ASSERT_TRUE(StartsWith(html, start) && html.size() > start.size() + end.size()) << html;
        ASSERT_EQ(end, html.substr(html.size() - end.size())) << html;
        CString fileName(html.substr(start.size(), html.size() - start.size() - end.size()).c_str());
        EXPECT_EQ(L"VellImage", fileName.Left(9));
        EXPECT_EQ(L".jpg", fileName.Right(4));

        DecodedImage image = Decode(c.folder + L"\\" + fileName);
        ASSERT_TRUE(image.ok) << (c.folder + L"\\" + fileName).ToAnsi();
        EXPECT_TRUE(ColourNear(kPaint, image.centre, 12)) << std::hex << image.centre;
        DeleteFileW(c.folder + L"\\" + fileName);
    }
}

TEST_F(CImageEmailTest, FailureToSendNamesTheImageFileAndTheClientsText)
{
    ClosedPort down;
    ASSERT_NE(0, down.Port());
    CString closed;
    closed.Format(L"127.0.0.1:%d", down.Port());
    const struct
    {
        const wchar_t* label;
        CString server;
        const wchar_t* to;
        const wchar_t* error;
    } cases[] = {
        {L"server down", closed, L"ann@example.test", L"SMTP Host is unreachable."},
        {L"recipient refused", m_server, L"ann@example.test,nobody@rejected.test",
         L"This server rejects mail to 'nobody@rejected.test'. Enter the correct userid in the compose view."},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(CString(c.label).ToAnsi());
        EXPECT_EQ(DR_FAILED, Run(Record(c.server, c.to, L"", L"Not sent", true, FT_BMP)));
        const CString lead = L"Failure sending the image file '";
        const CString tail = CString(L"' by email. Error: ") + c.error;
        CString text = m_destination.GetErrorText();
        ASSERT_EQ(lead, text.Left(lead.GetLength())) << text.ToAnsi();
        ASSERT_EQ(tail, text.Right(tail.GetLength())) << text.ToAnsi();
        // The named file is the picture that was to be sent.
        CString path = text.Mid(lead.GetLength(), text.GetLength() - lead.GetLength() - tail.GetLength());
        EXPECT_EQ(EmailFolder() + L"\\VellImage", path.Left(EmailFolder().GetLength() + 10));
        EXPECT_EQ(L".bmp", path.Right(4));
        EXPECT_EQ(kPaint, Decode(path).centre) << path.ToAnsi();
    }
    Received received;
    EXPECT_FALSE(Receive(L"Not_sent", received));
}

TEST_F(CImageEmailTest, WithoutAPictureNothingIsSent)
{
    CImageEmail fresh;
    fresh.UseInfo(Record(m_server, L"ann@example.test", L"", L"No picture", true, FT_BMP));
    EXPECT_EQ(DR_FAILED, fresh.Execute());
    EXPECT_FALSE(Exists(EmailFolder()));
    Received received;
    EXPECT_FALSE(Receive(L"No_picture", received));
}

TEST(CImageEmailInfoTest, EachPartCopiesItsFields)
{
    const InfoScEmail blank(L"", L"", L"", L"", L"", L"", true, FT_BMP, false, 0, 1);
    const InfoScEmail source(L"mail.test", L"me@test", L"you@test", L"cc@test", L"Subject", L"Body", false, FT_PNG,
                             true, 7, 3);
    const struct
    {
        unsigned int part;
        InfoScEmail expected;
    } cases[] = {
        {1, InfoScEmail(L"", L"", L"", L"", L"", L"", true, FT_BMP, true, 0, 1)},
        {2, blank},
        {3, InfoScEmail(L"", L"", L"", L"", L"", L"", true, FT_BMP, false, 7, 3)},
        {4, InfoScEmail(L"mail.test", L"me@test", L"you@test", L"cc@test", L"", L"", true, FT_BMP, false, 0, 1)},
        {5, InfoScEmail(L"", L"", L"", L"", L"Subject", L"Body", false, FT_PNG, false, 0, 1)},
    };
    for (const auto& c : cases)
    {
        CImageEmail destination;
        destination.SetInfo(&blank, 0);
        destination.SetInfo(&source, c.part);
        EXPECT_TRUE(c.expected == *static_cast<InfoScEmail*>(destination.GetInfo())) << c.part;
    }
}
