// The message text that CQuickSmtp sends between DATA and the end mark.
#include "SmtpTestSupport.h"
#include "common/CQuickSmtp.h"
#include "common/SystemHelpers.h"
#include "testing/CStringPrinter.h"
#include "testing/TestFiles.h"
#include "testing/TestFolder.h"
#include <gtest/gtest.h>
#include <string>

namespace
{
CQuickSmtp::MessageParts SimpleParts()
{
    CQuickSmtp::MessageParts parts;
    parts.fromAddress = L"from@example.test";
    parts.fromName = L"Sender";
    parts.to = Texts({L"ann@example.test"});
    parts.toNames = Texts({L"Ann"});
    parts.subject = L"Pictures";
    parts.text = L"See these";
    return parts;
}

// The text between start and the following end marker; empty when start is missing.
CString Between(const CString& text, const wchar_t* start, const wchar_t* end)
{
    int from = text.Find(start);
    if (from < 0)
        return CString();
    from += CString(start).GetLength();
    int to = text.Find(end, from);
    return to < 0 ? CString() : text.Mid(from, to - from);
}

int CountOf(const CString& text, const wchar_t* part)
{
    int count = 0;
    for (int at = text.Find(part); at >= 0; at = text.Find(part, at + 1))
        ++count;
    return count;
}

struct ListCase
{
    CArray<CString> to, toNames, cc, ccNames;
    const wchar_t* toLine; // null: no To line
    const wchar_t* ccLine; // null: no CC line
};
} // namespace

TEST(CQuickSmtpMessage, HtmlMessageLinksEachPicture)
{
    CQuickSmtp::MessageParts parts = SimpleParts();
    parts.html = true;
    parts.images = Texts({L"http://pictures.test/a.png", L"http://pictures.test/b.png"});
    EXPECT_EQ(CString(L"From: Sender <from@example.test>\r\n"
                      L"To: Ann <ann@example.test>\r\n"
                      L"Subject: Pictures\r\n"
                      L"MIME-Version: 1.0\r\n"
                      L"Content-Type: multipart/alternative; boundary=BoundaryQuickSmtp\r\n\r\n"
                      L"--BoundaryQuickSmtp\r\n"
                      L"Content-Type: text/html; charset=us-ascii\r\n"
                      L"Content-Transfer-Encoding: 7bit\r\n\r\n"
                      L"<html><body><p>See these</p>"
                      L"<p><img src=\"http://pictures.test/a.png\"></img></p>"
                      L"<p><img src=\"http://pictures.test/b.png\"></img></p>"
                      L"</body></html>\r\n\r\n"
                      L"--BoundaryQuickSmtp--\r\n"),
              CQuickSmtp::FormatMessageText(parts));
}

TEST(CQuickSmtpMessage, WithoutImagesTheTextFollowsTheClosingBoundary)
{
    CQuickSmtp::MessageParts parts = SimpleParts();
    parts.html = true;
    CString html = CQuickSmtp::FormatMessageText(parts);
    EXPECT_EQ(L"<html><body><p>See these</p></body></html>\r\n\r\n--BoundaryQuickSmtp--\r\n\r\nSee these",
              html.Mid(html.Find(L"<html>")));

    parts.html = false;
    CString mixed = CQuickSmtp::FormatMessageText(parts);
    EXPECT_EQ(L"--BoundaryQuickSmtp\r\nContent-Type: text/plain; charset=us-ascii\r\n\r\n"
              L"See these\r\n\r\n--BoundaryQuickSmtp--\r\n\r\nSee these",
              mixed.Mid(mixed.Find(L"--BoundaryQuickSmtp\r\n")));
}

TEST(CQuickSmtpMessage, RecipientListsPairNamesWithAddresses)
{
    const ListCase cases[] = {
        {Texts({L"a@x.test", L"b@x.test"}), Texts({L"Al", L"Bo"}), Texts({L"c@x.test"}), Texts({L"Cy"}),
         L"To: Al <a@x.test>,Bo <b@x.test>\r\n", L"CC: Cy <c@x.test>\r\n"},
        // Names that do not pair up are replaced by the addresses.
        {Texts({L"a@x.test", L"b@x.test"}), Texts({L"Al"}), Texts({L"c@x.test"}), Texts({}),
         L"To: a@x.test <a@x.test>,b@x.test <b@x.test>\r\n", L"CC: c@x.test <c@x.test>\r\n"},
        {Texts({}), Texts({}), Texts({L"c@x.test", L"d@x.test"}), Texts({L"Cy", L"Di"}), nullptr,
         L"CC: Cy <c@x.test>,Di <d@x.test>\r\n"},
        {Texts({L"a@x.test"}), Texts({L"Al"}), Texts({}), Texts({}), L"To: Al <a@x.test>\r\n", nullptr},
    };
    for (const ListCase& c : cases)
    {
        CQuickSmtp::MessageParts parts = SimpleParts();
        parts.to = c.to;
        parts.toNames = c.toNames;
        parts.cc = c.cc;
        parts.ccNames = c.ccNames;
        CString text = CQuickSmtp::FormatMessageText(parts);
        CString headers = text.Left(text.Find(L"MIME-Version: "));
        CString expected = CString(L"From: Sender <from@example.test>\r\n") + (c.toLine ? c.toLine : L"") +
                           (c.ccLine ? c.ccLine : L"") + L"Subject: Pictures\r\n";
        EXPECT_EQ(expected, headers);
    }
}

TEST(CQuickSmtpMessage, AttachmentsAreBase64InLinesOf76)
{
    struct Base64Case
    {
        std::string bytes;
        CString encoded;
    };
    const Base64Case cases[] = {
        {"", L""},
        {"f", L"Zg=="},
        {"fo", L"Zm8="},
        {"foo", L"Zm9v"},
        {"foobar", L"Zm9vYmFy"},
        {"\xFB\xEF\xBE", L"++++"},
        {std::string(57, '\xFF'), CString(L'/', 76)},
        {std::string(58, '\xFF'), CString(L'/', 76) + L"\r\n/w=="},
        {std::string(114, '\0'), CString(L'A', 76) + L"\r\n" + CString(L'A', 76)},
    };
    TestFolder folder;
    for (const Base64Case& c : cases)
    {
        WriteBytes(folder / L"data.bin", c.bytes);
        CQuickSmtp::MessageParts parts = SimpleParts();
        parts.images = Texts({folder / L"data.bin"});
        CString text = CQuickSmtp::FormatMessageText(parts);
        EXPECT_EQ(c.encoded, Between(text, L"filename=\"data.bin\"\r\n\r\n", L"\r\n\r\n--BoundaryQuickSmtp\r\n"))
            << c.bytes.size() << " bytes";
    }
}

TEST(CQuickSmtpMessage, EachAttachmentHasItsPartBeforeTheText)
{
    TestFolder folder;
    WriteBytes(folder / L"first.png", "abc");
    WriteBytes(folder / L"second.jpeg", "defg");
    CQuickSmtp::MessageParts parts = SimpleParts();
    parts.images = Texts({folder / L"first.png", folder / L"second.jpeg"});
    CString text = CQuickSmtp::FormatMessageText(parts);

    EXPECT_EQ(3, CountOf(text, L"--BoundaryQuickSmtp\r\n"));
    EXPECT_EQ(1, CountOf(text, L"--BoundaryQuickSmtp--\r\n"));
    const wchar_t* expectedParts = L"Content-Type: multipart/mixed; boundary=BoundaryQuickSmtp\r\n\r\n"
                                   L"--BoundaryQuickSmtp\r\n"
                                   L"Content-Type: application/octet-stream; name=\"first.png\"\r\n"
                                   L"Content-Transfer-Encoding: base64\r\n"
                                   L"Content-Disposition: attachment; filename=\"first.png\"\r\n\r\n"
                                   L"YWJj\r\n\r\n"
                                   L"--BoundaryQuickSmtp\r\n"
                                   L"Content-Type: application/octet-stream; name=\"second.jpeg\"\r\n"
                                   L"Content-Transfer-Encoding: base64\r\n"
                                   L"Content-Disposition: attachment; filename=\"second.jpeg\"\r\n\r\n"
                                   L"ZGVmZw==\r\n\r\n"
                                   L"--BoundaryQuickSmtp\r\n"
                                   L"Content-Type: text/plain; charset=us-ascii\r\n\r\n"
                                   L"See these\r\n\r\n"
                                   L"--BoundaryQuickSmtp--\r\n";
    EXPECT_EQ(expectedParts, text.Mid(text.Find(L"Content-Type: ")));
}

TEST(CQuickSmtpMessage, LineEndsAreNormalisedAndLeadingDotsDoubled)
{
    struct TextCase
    {
        const wchar_t* text;
        const wchar_t* sent;
    };
    const TextCase cases[] = {
        {L"a\r\n.\r\nb", L"a\r\n..\r\nb"}, {L".first line", L"..first line"}, {L"a\r\n.x\r\n..y", L"a\r\n..x\r\n...y"},
        {L"a.b\r\n x.", L"a.b\r\n x."},    {L"a\nb\n", L"a\r\nb\r\n"},        {L"a\rb", L"a\r\nb"},
        {L"a\r\r\nb", L"a\r\n\r\nb"},      {L"a\n.\nb", L"a\r\n..\r\nb"},     {L"a\r.\rb", L"a\r\n..\r\nb"},
    };
    TestFolder folder;
    WriteBytes(folder / L"one.bin", "1");
    for (const TextCase& c : cases)
    {
        CQuickSmtp::MessageParts parts = SimpleParts();
        parts.text = c.text;
        parts.images = Texts({folder / L"one.bin"});
        CString message = CQuickSmtp::FormatMessageText(parts);
        EXPECT_EQ(CString(c.sent), Between(message, L"charset=us-ascii\r\n\r\n", L"\r\n\r\n--BoundaryQuickSmtp--\r\n"));
        EXPECT_TRUE(HasOnlyCrLfLineEnds(message.str())) << CString(c.text).ToAnsi();
    }
}

TEST(CQuickSmtpMessage, UnreadableAttachmentThrowsItsPathAndTheSystemText)
{
    TestFolder folder;
    CQuickSmtp::MessageParts parts = SimpleParts();
    parts.images = Texts({folder / L"missing.png"});
    Thrown thrown = CatchThrown([&] { CQuickSmtp::FormatMessageText(parts); });
    ASSERT_TRUE(thrown.thrown);
    EXPECT_FALSE(thrown.constant);
    EXPECT_EQ(L"Failure reading image file '" + (folder / L"missing.png") + L"'. Error: " +
                  GetSystemErrorText(ERROR_FILE_NOT_FOUND),
              thrown.text);
}
