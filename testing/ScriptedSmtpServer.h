#pragma once
// A one-connection SMTP server on 127.0.0.1, run by a thread of the test program. It
// answers each command from a script, so a test can make a server that misbehaves in one
// chosen way, and it records every byte the client sent.
//
// Script: the greeting is sent in pieces, with a short pause between them so the client
// sees them arrive apart; each command verb (upper case; "." stands for the end of the
// message text) gets its scripted reply, else "354" for DATA, "221" for QUIT and "250"
// for the rest. An empty greeting or reply leaves the server silent: it answers nothing
// more and waits for the client to go.
#include "framework/CSocket.h"
#include "framework/CString.h"
#include <atomic>
#include <cctype>
#include <map>
#include <string>
#include <thread>
#include <vector>

class ScriptedSmtpServer
{
public:
    ScriptedSmtpServer()
    {
        m_listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int size = sizeof(address);
        bind(m_listener, reinterpret_cast<sockaddr*>(&address), size);
        listen(m_listener, 1);
        getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &size);
        m_port = ntohs(address.sin_port);
    }
    ~ScriptedSmtpServer()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        closesocket(m_listener);
    }
    ScriptedSmtpServer(const ScriptedSmtpServer&) = delete;
    ScriptedSmtpServer& operator=(const ScriptedSmtpServer&) = delete;

    void SetGreeting(const std::vector<std::string>& pieces) { m_greeting = pieces; }
    void SetReply(const std::string& verb, const std::string& reply) { m_replies[verb] = reply; }
    void Start()
    {
        m_thread = std::thread([this] { Serve(); });
    }

    // "127.0.0.1:port", as CQuickSmtp::Connect takes it.
    CString Host() const
    {
        CString host;
        host.Format(L"127.0.0.1:%u", m_port);
        return host;
    }
    UINT Port() const { return m_port; }

    // Wait until the client has gone; then everything it sent, and the message text
    // between the reply to DATA and the end mark (transparency dots as sent).
    std::string Transcript()
    {
        Finish();
        return m_transcript;
    }
    std::string MessageData()
    {
        Finish();
        return m_data;
    }

private:
    void Finish()
    {
        if (m_thread.joinable())
            m_thread.join();
    }

    // True when socket has data (or end of stream) before the test ends the server.
    bool WaitReadable(SOCKET s)
    {
        while (!m_stop)
        {
            fd_set set;
            FD_ZERO(&set);
            FD_SET(s, &set);
            timeval step = {0, 100000};
            if (select(0, &set, nullptr, nullptr, &step) != 0)
                return true;
        }
        return false;
    }

    // One line with its line end; empty when the client has gone.
    std::string ReadLine(SOCKET client)
    {
        size_t end;
        while ((end = m_received.find('\n')) == std::string::npos)
        {
            char block[4096];
            int count = WaitReadable(client) ? recv(client, block, sizeof(block), 0) : 0;
            if (count <= 0)
                return std::string();
            m_received.append(block, static_cast<size_t>(count));
        }
        std::string line = m_received.substr(0, end + 1);
        m_received.erase(0, end + 1);
        m_transcript += line;
        return line;
    }

    std::string ReplyTo(const std::string& verb) const
    {
        auto scripted = m_replies.find(verb);
        if (scripted != m_replies.end())
            return scripted->second;
        if (verb == "DATA")
            return "354 Send the message\r\n";
        return verb == "QUIT" ? "221 Bye\r\n" : "250 OK\r\n";
    }

    static std::string VerbOf(const std::string& line)
    {
        std::string verb = line.substr(0, line.find_first_of(" \r\n"));
        for (char& ch : verb)
            ch = static_cast<char>(toupper(static_cast<unsigned char>(ch)));
        return verb;
    }

    static void SendText(SOCKET client, const std::string& text)
    {
        send(client, text.data(), static_cast<int>(text.size()), 0);
    }

    void Serve()
    {
        if (!WaitReadable(m_listener))
            return;
        SOCKET client = accept(m_listener, nullptr, nullptr);
        bool silent = m_greeting.empty();
        for (size_t i = 0; i < m_greeting.size(); ++i)
        {
            if (i > 0)
                Sleep(50);
            SendText(client, m_greeting[i]);
        }
        bool inData = false;
        for (std::string line = ReadLine(client); !line.empty(); line = ReadLine(client))
        {
            if (silent)
                continue;
            if (inData && line != ".\r\n")
            {
                m_data += line;
                continue;
            }
            std::string verb = inData ? "." : VerbOf(line);
            std::string reply = ReplyTo(verb);
            inData = verb == "DATA" && !reply.empty() && reply[0] == '3';
            silent = reply.empty();
            SendText(client, reply);
        }
        closesocket(client);
    }

    SOCKET m_listener = INVALID_SOCKET;
    UINT m_port = 0;
    std::vector<std::string> m_greeting{"220 scripted.test ready\r\n"};
    std::map<std::string, std::string> m_replies;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::string m_received; // bytes not yet taken as a line
    std::string m_transcript;
    std::string m_data;
};
