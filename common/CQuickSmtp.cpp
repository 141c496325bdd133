// The socket header comes first: Winsock 2 must be declared before windows.h.
#include "framework/CSocket.h"
#include "common/CQuickSmtp.h"
#include "common/PathHelpers.h"
#include "common/SystemHelpers.h"
#include <climits>
#include <cstdlib>

namespace
{
const wchar_t kBoundary[] = L"BoundaryQuickSmtp";
const int kReplyLimit = 500;

// This computer's name for HELO; "localhost" when the system gives none.
CString LocalHostName()
{
    char name[256] = {};
    if (gethostname(name, sizeof(name)) != 0 || name[0] == '\0')
        return L"localhost";
    return CString(name);
}

// "host" or "host:port": splits off a port of 1 to 65535 when one follows the only colon.
void SplitHostPort(const CString& host, CString& name, UINT& port)
{
    name = host;
    port = CQuickSmtp::kDefaultPort;
    int colon = host.Find(L':');
    if (colon <= 0 || host.Find(L':', colon + 1) >= 0)
        return;
    CString digits = host.Mid(colon + 1);
    if (digits.IsEmpty() || digits.GetLength() > 5)
        return;
    for (int i = 0; i < digits.GetLength(); ++i)
    {
        if (digits[i] < L'0' || digits[i] > L'9')
            return;
    }
    UINT value = static_cast<UINT>(wcstoul(digits, nullptr, 10));
    if (value == 0 || value > 65535)
        return;
    name = host.Left(colon);
    port = value;
}

// A CR or LF in a header value would start a header line of the caller's choosing.
void RefuseLineBreak(const CString& value, const wchar_t* what)
{
    if (value.FindOneOf(L"\r\n") < 0)
        return;
    CString error;
    error.Format(L"The %s must not contain a line break (CR or LF).", what);
    throw error;
}

void RefuseLineBreaks(const CArray<CString>& values, const wchar_t* what)
{
    for (const CString& value : values)
        RefuseLineBreak(value, what);
}

// "name <address>," for each entry, the last comma removed, then CR LF.
CString FormatAddressList(const CArray<CString>& addresses, const CArray<CString>& names)
{
    bool paired = names.GetSize() == addresses.GetSize();
    CString list;
    for (int i = 0; i < addresses.GetSize(); ++i)
        list.AppendFormat(L"%s <%s>,", (paired ? names[i] : addresses[i]).GetString(), addresses[i].GetString());
    return list.Left(list.GetLength() - 1) + L"\r\n";
}

// Standard base64 in lines of 76 characters separated by CR LF, none after the last.
CString EncodeBase64(const std::string& bytes)
{
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::wstring out;
    out.reserve(bytes.size() / 57 * 78 + 80);
    for (size_t i = 0; i < bytes.size(); i += 3)
    {
        if (i > 0 && i % 57 == 0)
            out += L"\r\n";
        size_t count = bytes.size() - i < 3 ? bytes.size() - i : 3;
        unsigned long group = static_cast<unsigned char>(bytes[i]) << 16;
        if (count > 1)
            group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (count > 2)
            group |= static_cast<unsigned char>(bytes[i + 2]);
        out += static_cast<wchar_t>(alphabet[(group >> 18) & 63]);
        out += static_cast<wchar_t>(alphabet[(group >> 12) & 63]);
        out += count > 1 ? static_cast<wchar_t>(alphabet[(group >> 6) & 63]) : L'=';
        out += count > 2 ? static_cast<wchar_t>(alphabet[group & 63]) : L'=';
    }
    return CString(out);
}

CString ReadFailure(const CString& path, DWORD error)
{
    CString text;
    text.Format(L"Failure reading image file '%s'. Error: %s", path.GetString(), GetSystemErrorText(error).GetString());
    return text;
}

// The whole file; throws the reading failure text.
std::string ReadWholeFile(const CString& path)
{
    HANDLE file =
        CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw ReadFailure(path, GetLastError());
    std::string bytes;
    DWORD error = ERROR_SUCCESS;
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file, &size))
        error = GetLastError();
    else if (size.QuadPart > INT_MAX)
        error = ERROR_FILE_TOO_LARGE;
    else if (size.QuadPart > 0)
    {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD read = 0;
        if (!ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr))
            error = GetLastError();
        bytes.resize(read);
    }
    CloseHandle(file);
    if (error != ERROR_SUCCESS)
        throw ReadFailure(path, error);
    return bytes;
}

CString FileNameOf(const CString& path)
{
    CString name, extension, folder;
    SplitPath(path, name, extension, folder);
    return name + extension;
}

// The HTML part with a link to each picture.
CString FormatHtmlBody(const CQuickSmtp::MessageParts& parts)
{
    CString body;
    body.Format(L"Content-Type: multipart/alternative; boundary=%s\r\n\r\n--%s\r\n", kBoundary, kBoundary);
    body += L"Content-Type: text/html; charset=us-ascii\r\nContent-Transfer-Encoding: 7bit\r\n\r\n";
    body += L"<html><body><p>" + parts.text + L"</p>";
    for (const CString& image : parts.images)
        body += L"<p><img src=\"" + image + L"\"></img></p>";
    body.AppendFormat(L"</body></html>\r\n\r\n--%s--\r\n", kBoundary);
    return body;
}

// One base64 part per attached file, then the text part. Every file travels as
// application/octet-stream; a type named after the file's extension would go here.
CString FormatMixedBody(const CQuickSmtp::MessageParts& parts)
{
    CString body;
    body.Format(L"Content-Type: multipart/mixed; boundary=%s\r\n\r\n", kBoundary);
    for (const CString& path : parts.images)
    {
        CString fileName = FileNameOf(path);
        std::string bytes = ReadWholeFile(path);
        body.AppendFormat(L"--%s\r\nContent-Type: application/octet-stream; name=\"%s\"\r\n", kBoundary,
                          fileName.GetString());
        body += L"Content-Transfer-Encoding: base64\r\n";
        body.AppendFormat(L"Content-Disposition: attachment; filename=\"%s\"\r\n\r\n", fileName.GetString());
        body += EncodeBase64(bytes) + L"\r\n\r\n";
    }
    body.AppendFormat(L"--%s\r\nContent-Type: text/plain; charset=us-ascii\r\n\r\n", kBoundary);
    body += parts.text;
    body.AppendFormat(L"\r\n\r\n--%s--\r\n", kBoundary);
    return body;
}

// Every lone CR and lone LF becomes CR LF.
std::wstring NormaliseLineEnds(const std::wstring& text)
{
    std::wstring out;
    out.reserve(text.size() + text.size() / 64);
    for (size_t i = 0; i < text.size(); ++i)
    {
        wchar_t ch = text[i];
        if (ch == L'\r' || ch == L'\n')
        {
            out += L"\r\n";
            if (ch == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n')
                ++i;
        }
        else
            out += ch;
    }
    return out;
}

// SMTP transparency: a line that begins with a dot gets a second one, so no line of the
// message reads as the end mark. Every line already ends in CR LF.
std::wstring StuffDots(const std::wstring& text)
{
    std::wstring out;
    out.reserve(text.size() + 16);
    for (size_t i = 0; i < text.size(); ++i)
    {
        bool lineStart = i == 0 || text[i - 1] == L'\n';
        if (lineStart && text[i] == L'.')
            out += L'.';
        out += text[i];
    }
    return out;
}

bool IsContinuationLine(const std::string& line)
{
    return line.size() >= 4 && line[3] == '-';
}
} // namespace

CQuickSmtp::CQuickSmtp() = default;

CQuickSmtp::~CQuickSmtp() = default;

void CQuickSmtp::Create()
{
    m_socket.reset();
    m_pending.clear();
    std::unique_ptr<CSocket> socket(new CSocket);
    if (!socket->Create())
    {
        CString error;
        error.Format(L"Socket failed to create. err = %d.", WSAGetLastError());
        throw error;
    }
    socket->SetReceiveTimeout(m_replyTimeout);
    socket->SetSendTimeout(m_replyTimeout);
    m_socket = std::move(socket);
}

void CQuickSmtp::Connect(const CString& host)
{
    RequireSocket();
    CString name;
    UINT port = kDefaultPort;
    SplitHostPort(host, name, port);
    if (!m_socket->Connect(name, port))
        throw L"SMTP Host is unreachable.";
    if (CheckReply() == 0)
        throw L"Connect failed.";
    SendHello();
}

void CQuickSmtp::SendMail(const CString& fromAddress, const CString& fromName, const CArray<CString>& to,
                          const CArray<CString>& toNames, const CArray<CString>& cc, const CArray<CString>& ccNames,
                          const CString& subject, const CString& text, const CArray<CString>& images, bool html)
{
    RequireSocket();
    MessageParts parts;
    parts.fromAddress = fromAddress;
    parts.fromName = fromName;
    parts.to = to;
    parts.toNames = toNames;
    parts.cc = cc;
    parts.ccNames = ccNames;
    parts.subject = subject;
    parts.text = text;
    parts.images = images;
    parts.html = html;

    RefuseLineBreak(fromAddress, L"sender address");
    RefuseLineBreak(fromName, L"sender name");
    RefuseLineBreaks(to, L"recipient address");
    RefuseLineBreaks(toNames, L"recipient name");
    RefuseLineBreaks(cc, L"copy-recipient address");
    RefuseLineBreaks(ccNames, L"copy-recipient name");
    RefuseLineBreak(subject, L"subject");

    SendMailFrom(fromAddress);
    SendRcptTo(to);
    SendRcptTo(cc);
    SendData();
    SendMessageText(parts);
}

void CQuickSmtp::Quit()
{
    RequireSocket();
    SendCommand(L"QUIT\r\n", L"Send QUIT failed");
    if (CheckReply() == 0)
        throw L"Response from QUIT failed";
}

void CQuickSmtp::SendMail(const CString& fromAddress, const CString& fromName, const CString& to,
                          const CString& toName, const CString& cc, const CString& ccName, const CString& subject,
                          const CString& text, const CString& image, bool html)
{
    RequireSocket();
    auto listOf = [](const CString& value) {
        CArray<CString> list;
        if (!value.IsEmpty())
            list.Add(value);
        return list;
    };
    // A recipient keeps its name even when the name is empty.
    auto namesOf = [](const CString& address, const CString& name) {
        CArray<CString> list;
        if (!address.IsEmpty())
            list.Add(name);
        return list;
    };
    SendMail(fromAddress, fromName, listOf(to), namesOf(to, toName), listOf(cc), namesOf(cc, ccName), subject, text,
             listOf(image), html);
}

void CQuickSmtp::SendMailFrom(const CString& address)
{
    RequireSocket();
    RefuseLineBreak(address, L"sender address");
    CString command;
    command.Format(L"MAIL FROM: <%s>\r\n", address.GetString());
    if (command.Find(L';') >= 0)
        throw L"More than 1 from address present. Semi-Colon found in from address";
    SendCommand(command, L"Send MAIL FROM: failed");
    int reply = CheckReply();
    if (reply == 0)
        throw L"Response from Send MAIL FROM: failed";
    if (reply != 2)
        throw L"This server rejects mail from you.";
}

void CQuickSmtp::SendRcptTo(const CArray<CString>& addresses)
{
    RequireSocket();
    RefuseLineBreaks(addresses, L"recipient address");
    for (const CString& address : addresses)
    {
        CString command;
        command.Format(L"RCPT TO: <%s>\r\n", address.GetString());
        SendCommand(command, L"Send RCPT TO: failed");
        int reply = CheckReply();
        if (reply == 0)
            throw L"Response from Send RCPT TO: failed";
        if (reply != 2)
        {
            CString error;
            error.Format(L"This server rejects mail to '%s'. Enter the correct userid in the compose view.",
                         address.GetString());
            throw error;
        }
    }
}

void CQuickSmtp::SendData()
{
    RequireSocket();
    SendCommand(L"DATA \r\n", L"Send DATA failed");
    if (CheckReply() == 0)
        throw L"Response from Send DATA failed";
    // The server invites the message text with a 3xx reply (354); anything else means
    // the text would be read as commands.
    if (m_lastReply.IsEmpty() || m_lastReply[0] != L'3')
        throw CString(L"This server does not accept the message data. Reply: ") + LastReply();
}

void CQuickSmtp::SendMessageText(const MessageParts& parts)
{
    RequireSocket();
    SendCommand(FormatMessageText(parts) + L"\r\n.\r\n", L"Send message failed");
    int reply = CheckReply();
    if (reply == 0)
        throw L"Response from Send message failed";
    if (reply != 2)
        throw CString(L"This server rejects the message. Reply: ") + LastReply();
}

int CQuickSmtp::SendString(const CString& text, int length)
{
    RequireSocket();
    std::string bytes = (length > 0 ? text.Left(length) : text).ToAnsi(CP_THREAD_ACP);
    size_t sent = 0;
    while (sent < bytes.size())
    {
        size_t left = bytes.size() - sent;
        int result = m_socket->Send(bytes.data() + sent, left > INT_MAX ? INT_MAX : static_cast<int>(left));
        if (result <= 0)
            return result;
        sent += static_cast<size_t>(result);
    }
    return static_cast<int>(sent);
}

int CQuickSmtp::ReadReply(wchar_t* buffer, int limit)
{
    RequireSocket();
    if (limit < 2)
        return 0;
    buffer[0] = L'\0';
    const size_t room = static_cast<size_t>(limit - 1);
    std::string line;
    int replyBytes = 0;
    do
    {
        size_t end;
        while ((end = m_pending.find('\n')) == std::string::npos)
        {
            if (m_pending.size() >= room)
                return 0;
            char block[kReplyLimit];
            size_t want = room - m_pending.size() < sizeof(block) ? room - m_pending.size() : sizeof(block);
            int received = m_socket->Receive(block, static_cast<int>(want));
            if (received <= 0)
                return 0;
            m_pending.append(block, static_cast<size_t>(received));
        }
        line = m_pending.substr(0, end + 1);
        m_pending.erase(0, end + 1);
        replyBytes += static_cast<int>(line.size());
    } while (IsContinuationLine(line));

    int count = MultiByteToWideChar(CP_THREAD_ACP, 0, line.data(), static_cast<int>(line.size()), buffer, limit - 1);
    buffer[count > 0 ? count : 0] = L'\0';
    return replyBytes;
}

int CQuickSmtp::CheckReply()
{
    wchar_t reply[kReplyLimit];
    m_lastReply.Empty();
    if (ReadReply(reply, kReplyLimit) <= 0)
        return 0;
    m_lastReply = reply;
    return reply[0] == L'2' ? 2 : 1;
}

void CQuickSmtp::SetReplyTimeout(DWORD milliseconds)
{
    m_replyTimeout = milliseconds;
    if (m_socket)
    {
        m_socket->SetReceiveTimeout(milliseconds);
        m_socket->SetSendTimeout(milliseconds);
    }
}

CString CQuickSmtp::FormatMessageText(const MessageParts& parts)
{
    CString text;
    text.Format(L"From: %s <%s>\r\n", parts.fromName.GetString(), parts.fromAddress.GetString());
    if (!parts.to.IsEmpty())
        text += L"To: " + FormatAddressList(parts.to, parts.toNames);
    if (!parts.cc.IsEmpty())
        text += L"CC: " + FormatAddressList(parts.cc, parts.ccNames);
    text += L"Subject: " + parts.subject + L"\r\n";
    text += L"MIME-Version: 1.0\r\n";
    text += parts.html ? FormatHtmlBody(parts) : FormatMixedBody(parts);
    if (parts.images.IsEmpty())
        text += L"\r\n" + parts.text;
    return CString(StuffDots(NormaliseLineEnds(text.str())));
}

void CQuickSmtp::RequireSocket() const
{
    if (!m_socket)
        throw L"Socket not initialized.";
}

void CQuickSmtp::SendHello()
{
    SendCommand(L"HELO " + LocalHostName() + L"\r\n", L"Send HELO failed");
    int reply = CheckReply();
    if (reply == 0)
        throw L"Response from Send HELO failed";
    if (reply != 2)
        throw L"This server rejects your site name.";
}

void CQuickSmtp::SendCommand(const CString& command, const wchar_t* sendFailed)
{
    if (SendString(command) <= 0)
        throw sendFailed;
}

CString CQuickSmtp::LastReply() const
{
    CString reply = m_lastReply;
    return reply.TrimRight(L"\r\n");
}
