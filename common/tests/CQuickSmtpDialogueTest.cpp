// The SMTP dialogue of CQuickSmtp against scripted servers, each misbehaving in one way.
// (SmtpTestSupport.h comes first: it declares Winsock 2 before windows.h.)
#include "SmtpTestSupport.h"
#include "testing/ScriptedSmtpServer.h"
#include "common/CQuickSmtp.h"
#include "testing/CStringPrinter.h"
#include <gtest/gtest.h>
#include <functional>

namespace
{
class CQuickSmtpDialogue : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(AppSocketsInit()); }
};

CQuickSmtp::MessageParts SampleParts()
{
    CQuickSmtp::MessageParts parts;
    parts.fromAddress = L"from@example.test";
    parts.fromName = L"From Me";
    parts.to = Texts({L"ann@example.test", L"bob@example.test"});
    parts.toNames = Texts({L"Ann", L"Bob"});
    parts.cc = Texts({L"cy@example.test"});
    parts.ccNames = Texts({L"Cy"});
    parts.subject = L"Hello";
    parts.text = L"Body text";
    parts.html = true;
    return parts;
}

void Send(CQuickSmtp& smtp, const CQuickSmtp::MessageParts& parts)
{
    smtp.SendMail(parts.fromAddress, parts.fromName, parts.to, parts.toNames, parts.cc, parts.ccNames, parts.subject,
                  parts.text, parts.images, parts.html);
}

// A reply time-out that a test waits out when its server falls silent, and one that a
// server that answers never reaches.
const DWORD kShortTimeout = 300;
const DWORD kAnswerTimeout = 20000;

// Connects to server, sends the parts and quits.
Thrown RunDialogue(ScriptedSmtpServer& server, const CQuickSmtp::MessageParts& parts,
                   DWORD replyTimeout = kAnswerTimeout)
{
    CQuickSmtp smtp;
    smtp.SetReplyTimeout(replyTimeout);
    return CatchThrown([&] {
        smtp.Create();
        smtp.Connect(server.Host());
        Send(smtp, parts);
        smtp.Quit();
    });
}

std::string HeloLine()
{
    return "HELO " + LocalHostNameForTests() + "\r\n";
}

std::string LastLine(const std::string& transcript)
{
    size_t start = transcript.rfind('\n', transcript.size() >= 2 ? transcript.size() - 2 : 0);
    return start == std::string::npos ? transcript : transcript.substr(start + 1);
}
} // namespace

TEST_F(CQuickSmtpDialogue, SendsEachStepInOrderAndSaysHeloWithTheHostName)
{
    ScriptedSmtpServer server;
    server.Start();
    Thrown thrown = RunDialogue(server, SampleParts());
    EXPECT_FALSE(thrown.thrown) << thrown.text.ToAnsi();

    std::string transcript = server.Transcript();
    std::string commands = HeloLine() + "MAIL FROM: <from@example.test>\r\n"
                                        "RCPT TO: <ann@example.test>\r\n"
                                        "RCPT TO: <bob@example.test>\r\n"
                                        "RCPT TO: <cy@example.test>\r\n"
                                        "DATA \r\n";
    EXPECT_NE("HELO \r\n", HeloLine());
    EXPECT_EQ(commands, transcript.substr(0, commands.size()));
    EXPECT_EQ(commands + server.MessageData() + ".\r\nQUIT\r\n", transcript);
    EXPECT_EQ(0u, server.MessageData().find("From: From Me <from@example.test>\r\n"));
}

TEST_F(CQuickSmtpDialogue, EveryOperationNeedsTheSocket)
{
    CQuickSmtp smtp;
    wchar_t buffer[16];
    const std::function<void()> calls[] = {
        [&] { smtp.Connect(L"127.0.0.1"); },
        [&] { Send(smtp, SampleParts()); },
        [&] { smtp.Quit(); },
        [&] { smtp.SendMail(L"a@example.test", L"", L"b@example.test", L"", L"", L"", L"s", L"t", L"", false); },
        [&] { smtp.SendMailFrom(L"from@example.test"); },
        [&] { smtp.SendRcptTo(Texts({L"ann@example.test"})); },
        [&] { smtp.SendData(); },
        [&] { smtp.SendMessageText(SampleParts()); },
        [&] { smtp.SendString(L"NOOP\r\n"); },
        [&] { smtp.ReadReply(buffer, 16); },
        [&] { smtp.CheckReply(); },
    };
    for (const auto& call : calls)
    {
        Thrown thrown = CatchThrown(call);
        EXPECT_TRUE(thrown.constant);
        EXPECT_EQ(L"Socket not initialized.", thrown.text);
    }
}

TEST_F(CQuickSmtpDialogue, EachStepFailsWithItsTextAndSendsNothingMore)
{
    struct FailureCase
    {
        const char* verb;  // "": a silent greeting
        const char* reply; // "": the server falls silent
        const wchar_t* text;
        bool constant;
    };
    const FailureCase cases[] = {
        {"", "", L"Connect failed.", true},
        {"HELO", "501 Syntax: HELO hostname\r\n", L"This server rejects your site name.", true},
        {"HELO", "", L"Response from Send HELO failed", true},
        {"MAIL", "553 Not you\r\n", L"This server rejects mail from you.", true},
        {"MAIL", "", L"Response from Send MAIL FROM: failed", true},
        {"RCPT", "550 No such user\r\n",
         L"This server rejects mail to 'ann@example.test'. Enter the correct userid in the compose view.", false},
        {"RCPT", "", L"Response from Send RCPT TO: failed", true},
        {"DATA", "554 No valid recipients\r\n",
         L"This server does not accept the message data. Reply: 554 No valid recipients", false},
        {"DATA", "250 OK\r\n", L"This server does not accept the message data. Reply: 250 OK", false},
        {"DATA", "", L"Response from Send DATA failed", true},
        {".", "552 Message too big\r\n", L"This server rejects the message. Reply: 552 Message too big", false},
        {".", "451 Try again later\r\n", L"This server rejects the message. Reply: 451 Try again later", false},
        {".", "", L"Response from Send message failed", true},
        {"QUIT", "", L"Response from QUIT failed", true},
    };
    for (const FailureCase& c : cases)
    {
        SCOPED_TRACE(std::string(c.verb) + " " + c.reply);
        ScriptedSmtpServer server;
        if (c.verb[0] == '\0')
            server.SetGreeting({});
        else
            server.SetReply(c.verb, c.reply);
        server.Start();

        Thrown thrown = RunDialogue(server, SampleParts(), c.reply[0] ? kAnswerTimeout : kShortTimeout);
        EXPECT_EQ(c.constant, thrown.constant);
        EXPECT_EQ(CString(c.text), thrown.text);
        // The failing step is the last thing the client sent.
        std::string last = LastLine(server.Transcript());
        EXPECT_EQ(c.verb, last.substr(0, last.find_first_of(" \r")));
    }
}

TEST_F(CQuickSmtpDialogue, ReplyTimeoutAppliesToACreatedSocket)
{
    ScriptedSmtpServer server;
    server.SetGreeting({});
    server.Start();
    CQuickSmtp smtp;
    smtp.Create();
    smtp.SetReplyTimeout(kShortTimeout);
    Thrown thrown = CatchThrown([&] { smtp.Connect(server.Host()); });
    EXPECT_EQ(L"Connect failed.", thrown.text);
}

TEST_F(CQuickSmtpDialogue, MultiLineRepliesAreReadToTheirLastLine)
{
    ScriptedSmtpServer server;
    server.SetGreeting({"220-scripted.test first line\r\n", "220-second line\r\n220 las", "t line\r\n"});
    server.SetReply("HELO", "250-scripted.test\r\n250-SIZE 1000000\r\n250 HELP\r\n");
    server.SetReply("NOOP", "250-first\r\n250 second\r\n");
    server.SetReply("DATA", "354-Go ahead\r\n354 End with a dot\r\n");
    server.Start();
    {
        CQuickSmtp smtp;
        smtp.SetReplyTimeout(kAnswerTimeout);
        smtp.Create();
        smtp.Connect(server.Host());
        ASSERT_EQ(6, smtp.SendString(L"NOOP\r\n"));
        wchar_t reply[500];
        EXPECT_EQ(23, smtp.ReadReply(reply, 500));
        EXPECT_STREQ(L"250 second\r\n", reply);
        // Every later reply still belongs to its own command.
        Thrown thrown = CatchThrown([&] {
            Send(smtp, SampleParts());
            smtp.Quit();
        });
        EXPECT_FALSE(thrown.thrown) << thrown.text.ToAnsi();
    }
    EXPECT_EQ("QUIT\r\n", LastLine(server.Transcript()));
}

TEST_F(CQuickSmtpDialogue, ReplyLineLongerThanTheLimitGivesNothing)
{
    ScriptedSmtpServer server;
    server.SetReply("NOOP", "250 This line does not fit in sixteen bytes\r\n");
    server.Start();
    CQuickSmtp smtp;
    smtp.SetReplyTimeout(kAnswerTimeout);
    smtp.Create();
    smtp.Connect(server.Host());
    smtp.SendString(L"NOOP\r\n");
    wchar_t reply[16];
    EXPECT_EQ(0, smtp.ReadReply(reply, 16));
}

TEST_F(CQuickSmtpDialogue, HeaderValuesWithLineBreaksAreRefusedBeforeAnythingIsSent)
{
    struct InjectionCase
    {
        std::function<void(CQuickSmtp::MessageParts&)> spoil;
        const wchar_t* text;
        bool constant;
    };
    const InjectionCase cases[] = {
        {[](CQuickSmtp::MessageParts& p) { p.fromAddress = L"from@example.test>\r\nRCPT TO: <evil@example.test"; },
         L"The sender address must not contain a line break (CR or LF).", false},
        {[](CQuickSmtp::MessageParts& p) { p.fromName = L"Me\nBcc: evil@example.test"; },
         L"The sender name must not contain a line break (CR or LF).", false},
        {[](CQuickSmtp::MessageParts& p) { p.to.SetAt(1, L"bob@example.test\r"); },
         L"The recipient address must not contain a line break (CR or LF).", false},
        {[](CQuickSmtp::MessageParts& p) { p.toNames.SetAt(0, L"Ann\r\nX-Spoof: yes"); },
         L"The recipient name must not contain a line break (CR or LF).", false},
        {[](CQuickSmtp::MessageParts& p) { p.cc.SetAt(0, L"cy@example.test\n"); },
         L"The copy-recipient address must not contain a line break (CR or LF).", false},
        {[](CQuickSmtp::MessageParts& p) { p.ccNames.SetAt(0, L"C\ry"); },
         L"The copy-recipient name must not contain a line break (CR or LF).", false},
        {[](CQuickSmtp::MessageParts& p) { p.subject = L"Hello\rBcc: evil@example.test"; },
         L"The subject must not contain a line break (CR or LF).", false},
        {[](CQuickSmtp::MessageParts& p) { p.fromAddress = L"one@example.test;two@example.test"; },
         L"More than 1 from address present. Semi-Colon found in from address", true},
    };
    for (const InjectionCase& c : cases)
    {
        SCOPED_TRACE(CString(c.text).ToAnsi());
        CQuickSmtp::MessageParts parts = SampleParts();
        c.spoil(parts);
        ScriptedSmtpServer server;
        server.Start();
        Thrown thrown = RunDialogue(server, parts);
        EXPECT_EQ(c.constant, thrown.constant);
        EXPECT_EQ(CString(c.text), thrown.text);
        EXPECT_EQ(HeloLine(), server.Transcript());
    }
}

TEST_F(CQuickSmtpDialogue, BareLineEndsInTheTextTravelAsCrLf)
{
    ScriptedSmtpServer server;
    server.Start();
    CQuickSmtp::MessageParts parts = SampleParts();
    parts.text = L"first\nsecond\r.\nthird\n";
    Thrown thrown = RunDialogue(server, parts);
    EXPECT_FALSE(thrown.thrown) << thrown.text.ToAnsi();

    std::string data = server.MessageData();
    EXPECT_NE(std::string::npos, data.find("<p>first\r\nsecond\r\n..\r\nthird\r\n</p>"));
    EXPECT_TRUE(HasOnlyCrLfLineEnds(std::wstring(data.begin(), data.end())));
}

TEST_F(CQuickSmtpDialogue, ServerThatDoesNotListenIsUnreachable)
{
    // A port that was just free and has nobody listening on it.
    SOCKET probe = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int size = sizeof(address);
    ASSERT_EQ(0, bind(probe, reinterpret_cast<sockaddr*>(&address), size));
    getsockname(probe, reinterpret_cast<sockaddr*>(&address), &size);
    closesocket(probe);

    CQuickSmtp smtp;
    smtp.Create();
    CString host;
    host.Format(L"127.0.0.1:%u", ntohs(address.sin_port));
    Thrown thrown = CatchThrown([&] { smtp.Connect(host); });
    EXPECT_TRUE(thrown.constant);
    EXPECT_EQ(L"SMTP Host is unreachable.", thrown.text);
}
