#pragma once
// CQuickSmtp: sends one e-mail message over a plain SMTP connection (no authentication,
// no encryption, no extended greeting). The message carries a text and either files as
// base64 attachments or links to pictures inside an HTML part.
//
// Usage: Create, Connect, SendMail, Quit. Every failure is thrown and ends the dialogue
// where it stands: a constant text (const wchar_t*) or a CString; callers catch both.
// Every reply is awaited at most the reply time-out (60 s unless set otherwise), so a
// silent server cannot hold the caller for ever. The socket calls block the calling
// thread without dispatching window messages.
#include "framework/CArray.h"
#include "framework/CString.h"
#include <memory>
#include <string>

class CSocket;

class CQuickSmtp
{
public:
    static constexpr UINT kDefaultPort = 25;
    static constexpr DWORD kDefaultReplyTimeout = 60000;

    // Everything a message is made of. The names arrays pair with the addresses arrays
    // by index; when the counts differ, each address stands for its name too.
    struct MessageParts
    {
        CString fromAddress;
        CString fromName;
        CArray<CString> to;
        CArray<CString> toNames;
        CArray<CString> cc;
        CArray<CString> ccNames;
        CString subject;
        CString text;
        // File paths to attach, or with html set the addresses of pictures to link.
        CArray<CString> images;
        bool html = false;
    };

    CQuickSmtp();
    CQuickSmtp(const CQuickSmtp&) = delete;
    CQuickSmtp& operator=(const CQuickSmtp&) = delete;
    // Closes the connection without a QUIT.
    virtual ~CQuickSmtp();

    // Replaces any earlier socket with a new stream socket on any local port.
    void Create();
    // host is a name or dotted address, optionally followed by ":port" (e.g.
    // "mail.example.com:2525"); without a port the server is reached on port 25.
    // Reads the greeting and says HELO with this computer's name.
    void Connect(const CString& host);
    // Sends one message: sender, each recipient, then each copy recipient, and the data.
    // A CR or LF in an address, a name or the subject is refused before anything is sent.
    void SendMail(const CString& fromAddress, const CString& fromName, const CArray<CString>& to,
                  const CArray<CString>& toNames, const CArray<CString>& cc, const CArray<CString>& ccNames,
                  const CString& subject, const CString& text, const CArray<CString>& images, bool html);
    // SendMail with one of each: every value that is not empty becomes a list of one.
    void SendMail(const CString& fromAddress, const CString& fromName, const CString& to, const CString& toName,
                  const CString& cc, const CString& ccName, const CString& subject, const CString& text,
                  const CString& image, bool html);
    void Quit();

    // The steps of SendMail, each with its reply checked.
    void SendMailFrom(const CString& address);
    void SendRcptTo(const CArray<CString>& addresses);
    void SendData();
    // Sends the message text and its end mark; the server must accept it with a 2xx reply.
    void SendMessageText(const MessageParts& parts);

    // Sends the first length characters of text (0: all of it) in the thread's ANSI code
    // page, repeating the socket send until every byte is gone. The bytes sent, or the
    // socket's result (0 or less) when a send fails.
    int SendString(const CString& text, int length = 0);
    // Reads one reply, following a multi-line reply ("250-...") to its last line
    // ("250 ..."), which lands in buffer (limit wide characters). Each line must fit in
    // limit - 1 bytes. The bytes of the reply, or 0 when the connection gave nothing, a
    // line did not fit, or the reply time-out passed.
    int ReadReply(wchar_t* buffer, int limit);
    // Reads one reply: 0 when nothing came, 2 when it begins with "2", 1 otherwise.
    int CheckReply();

    // How long each reply is awaited, and each send may wait for the server to take the
    // bytes; for the current socket and those created later.
    void SetReplyTimeout(DWORD milliseconds);

    // The message as it travels between DATA and its end mark: headers, MIME parts, every
    // line ending normalised to CR LF and every line that begins with a dot given a
    // second one. Throws a CString when an attachment cannot be read.
    static CString FormatMessageText(const MessageParts& parts);

private:
    void RequireSocket() const;
    void SendHello();
    // Sends a command; throws sendFailed when the send fails.
    void SendCommand(const CString& command, const wchar_t* sendFailed);
    // The last line of the reply that CheckReply read, without its line end.
    CString LastReply() const;

    std::unique_ptr<CSocket> m_socket;
    DWORD m_replyTimeout = kDefaultReplyTimeout;
    // Bytes that arrived after the end of the last reply read.
    std::string m_pending;
    CString m_lastReply;
};
