// CQuickSmtp against a real SMTP server (aiosmtpd on 127.0.0.1, started by the test
// runner, cmake/run-wine-test.sh), which decodes each message with a MIME parser into a spool folder
// that these tests read back.
// (SmtpTestSupport.h comes first: it declares Winsock 2 before windows.h.)
#include "SmtpTestSupport.h"
#include "common/CQuickSmtp.h"
#include "testing/CStringPrinter.h"
#include "testing/TestFiles.h"
#include "testing/TestFolder.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
CString EnvironmentText(const wchar_t* name)
{
    wchar_t value[MAX_PATH] = {};
    DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
    return length > 0 && length < MAX_PATH ? CString(value) : CString();
}

// What the server decoded from one message: summary lines and the bytes of each part.
struct Received
{
    CString folder;
    std::vector<std::string> lines;

    // The values of the summary lines "key: value", in order.
    std::vector<std::string> Values(const std::string& key) const
    {
        std::vector<std::string> values;
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
        std::string bytes;
        EXPECT_TRUE(ReadFileBytes(path, bytes)) << path.ToAnsi();
        return bytes;
    }
};

class CQuickSmtpServer : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(AppSocketsInit());
        CString port = EnvironmentText(L"VELL_SMTP_PORT");
        m_spool = EnvironmentText(L"VELL_SMTP_SPOOL");
        ASSERT_FALSE(port.IsEmpty() || m_spool.IsEmpty())
            << "VELL_SMTP_PORT and VELL_SMTP_SPOOL are not set: run this program through ctest, "
               "whose runner (cmake/run-wine-test.sh) starts the SMTP server.";
        m_host = L"127.0.0.1:" + port;
    }

    // Sends one message to the server and quits.
    Thrown SendMail(const CQuickSmtp::MessageParts& parts)
    {
        CQuickSmtp smtp;
        return CatchThrown([&] {
            smtp.Create();
            smtp.Connect(m_host);
            smtp.SendMail(parts.fromAddress, parts.fromName, parts.to, parts.toNames, parts.cc, parts.ccNames,
                          parts.subject, parts.text, parts.images, parts.html);
            smtp.Quit();
        });
    }

    // The message the server stored under subjectFolder; false when there is none.
    bool Receive(const wchar_t* subjectFolder, Received& received)
    {
        received.folder = m_spool + L"\\" + subjectFolder;
        std::string summary;
        if (!ReadFileBytes(received.folder + L"\\summary.txt", summary))
            return false;
        for (size_t start = 0, end; (end = summary.find('\n', start)) != std::string::npos; start = end + 1)
            received.lines.push_back(summary.substr(start, end - start));
        return true;
    }

    CString m_host;
    CString m_spool;
};

CQuickSmtp::MessageParts BaseParts(const wchar_t* subject)
{
    CQuickSmtp::MessageParts parts;
    parts.fromAddress = L"sender@example.test";
    parts.fromName = L"Sender";
    parts.to = Texts({L"ann@example.test", L"bob@example.test"});
    parts.toNames = Texts({L"Ann", L"Bob"});
    parts.cc = Texts({L"cy@example.test"});
    parts.ccNames = Texts({L"Cy"});
    parts.subject = subject;
    return parts;
}

using Lines = std::vector<std::string>;
} // namespace

TEST_F(CQuickSmtpServer, AttachmentsArriveByteForByte)
{
    TestFolder folder;
    std::string photo;
    for (int i = 0; i < 1000; ++i)
        photo += static_cast<char>((i * 7 + 3) % 256);
    const std::string edge(58, '\xFF');
    WriteBytes(folder / L"photo.png", photo);
    WriteBytes(folder / L"edge.bin", edge);
    WriteBytes(folder / L"empty.dat", "");

    CQuickSmtp::MessageParts parts = BaseParts(L"Attachments round trip");
    parts.text = L"Hello,\r\n.\r\n.hidden line\r\nlast line";
    parts.images = Texts({folder / L"photo.png", folder / L"edge.bin", folder / L"empty.dat"});
    Thrown thrown = SendMail(parts);
    ASSERT_FALSE(thrown.thrown) << thrown.text.ToAnsi();

    Received received;
    ASSERT_TRUE(Receive(L"Attachments_round_trip", received));
    EXPECT_EQ(Lines{LocalHostNameForTests()}, received.Values("helo"));
    EXPECT_EQ(Lines{"sender@example.test"}, received.Values("mail_from"));
    EXPECT_EQ((Lines{"ann@example.test", "bob@example.test", "cy@example.test"}), received.Values("rcpt"));
    EXPECT_EQ(Lines{"Sender <sender@example.test>"}, received.Values("header From"));
    EXPECT_EQ(Lines{"Ann <ann@example.test>,Bob <bob@example.test>"}, received.Values("header To"));
    EXPECT_EQ(Lines{"Cy <cy@example.test>"}, received.Values("header CC"));
    EXPECT_EQ(Lines{"Attachments round trip"}, received.Values("header Subject"));
    EXPECT_EQ(Lines{}, received.Values("defect"));
    EXPECT_EQ((Lines{"1 application/octet-stream photo.png", "2 application/octet-stream edge.bin",
                     "3 application/octet-stream empty.dat", "4 text/plain -"}),
              received.Values("part"));
    EXPECT_EQ(photo, received.Part(1));
    EXPECT_EQ(edge, received.Part(2));
    EXPECT_EQ("", received.Part(3));
    EXPECT_EQ("Hello,\r\n.\r\n.hidden line\r\nlast line\r\n", received.Part(4));
}

TEST_F(CQuickSmtpServer, SingleValuesTravelAsListsOfOne)
{
    TestFolder folder;
    WriteBytes(folder / L"shot.bmp", "BM pixels");
    CQuickSmtp smtp;
    Thrown thrown = CatchThrown([&] {
        smtp.Create();
        smtp.Connect(m_host);
        smtp.SendMail(L"sender@example.test", L"Sender", L"ann@example.test", L"Ann", L"", L"", L"One of each",
                      L"Hi", folder / L"shot.bmp", false);
        smtp.Quit();
    });
    ASSERT_FALSE(thrown.thrown) << thrown.text.ToAnsi();

    Received received;
    ASSERT_TRUE(Receive(L"One_of_each", received));
    EXPECT_EQ(Lines{"ann@example.test"}, received.Values("rcpt"));
    EXPECT_EQ(Lines{"Ann <ann@example.test>"}, received.Values("header To"));
    EXPECT_EQ(Lines{}, received.Values("header CC"));
    EXPECT_EQ("BM pixels", received.Part(1));
}

TEST_F(CQuickSmtpServer, HtmlMessageLinksThePictures)
{
    CQuickSmtp::MessageParts parts = BaseParts(L"HTML links");
    parts.text = L"Look";
    parts.images = Texts({L"http://pictures.test/a.png", L"http://pictures.test/b.png"});
    parts.html = true;
    Thrown thrown = SendMail(parts);
    ASSERT_FALSE(thrown.thrown) << thrown.text.ToAnsi();

    Received received;
    ASSERT_TRUE(Receive(L"HTML_links", received));
    EXPECT_EQ(Lines{}, received.Values("defect"));
    EXPECT_EQ(Lines{"1 text/html -"}, received.Values("part"));
    EXPECT_EQ("<html><body><p>Look</p>"
              "<p><img src=\"http://pictures.test/a.png\"></img></p>"
              "<p><img src=\"http://pictures.test/b.png\"></img></p>"
              "</body></html>\r\n",
              received.Part(1));
}

TEST_F(CQuickSmtpServer, RejectedRecipientStopsTheMail)
{
    CQuickSmtp::MessageParts parts = BaseParts(L"Rejected recipient");
    parts.to = Texts({L"ann@example.test", L"nobody@rejected.test"});
    parts.html = true;
    Thrown thrown = SendMail(parts);
    EXPECT_FALSE(thrown.constant);
    EXPECT_EQ(L"This server rejects mail to 'nobody@rejected.test'. Enter the correct userid in the compose view.",
              thrown.text);
    Received received;
    EXPECT_FALSE(Receive(L"Rejected_recipient", received));
}
