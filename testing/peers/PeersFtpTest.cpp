// WinInet FTP against the test run's FTP server (pyftpdlib on 127.0.0.1, one user whose
// home is VELL_FTP_ROOT): what the web destination does, a folder made and a file put,
// in passive and in active mode, and a wrong password refused.
#include "PeersSupport.h"
#include <wininet.h>
#include <gtest/gtest.h>

namespace
{
struct InternetHandle
{
    HINTERNET handle = nullptr;
    ~InternetHandle()
    {
        if (handle)
            InternetCloseHandle(handle);
    }
};

std::string ServerText()
{
    DWORD error = 0;
    wchar_t text[1024] = {};
    DWORD length = ARRAYSIZE(text);
    InternetGetLastResponseInfoW(&error, text, &length);
    return peers::Narrow(text);
}

class PeersFtp : public testing::TestWithParam<DWORD>
{
protected:
    void SetUp() override
    {
        for (const wchar_t* name :
             {L"VELL_FTP_HOST", L"VELL_FTP_PORT", L"VELL_FTP_USER", L"VELL_FTP_PASSWORD", L"VELL_FTP_ROOT_WIN"})
            ASSERT_FALSE(peers::Env(name).empty()) << peers::Missing(name);
        host = peers::Env(L"VELL_FTP_HOST");
        port = static_cast<INTERNET_PORT>(_wtoi(peers::Env(L"VELL_FTP_PORT").c_str()));
        ASSERT_NE(0, port);
        root = peers::Env(L"VELL_FTP_ROOT_WIN");

        session.handle = InternetOpenW(L"Vellumor peers test", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
        ASSERT_TRUE(session.handle) << "InternetOpenW failed: " << GetLastError();
        // Bounded waits: a server that stops answering fails the test instead of hanging it.
        DWORD timeoutMs = 15000;
        for (DWORD option :
             {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT})
            InternetSetOptionW(session.handle, option, &timeoutMs, sizeof(timeoutMs));
    }

    HINTERNET Connect(const std::wstring& password, DWORD flags)
    {
        return InternetConnectW(session.handle, host.c_str(), port, peers::Env(L"VELL_FTP_USER").c_str(),
                                password.c_str(), INTERNET_SERVICE_FTP, flags, 0);
    }

    std::wstring host, root;
    INTERNET_PORT port = 0;
    InternetHandle session;
};
} // namespace

TEST_P(PeersFtp, FilePutIntoANewFolderArrivesWholeInTheUsersHome)
{
    InternetHandle ftp;
    ftp.handle = Connect(peers::Env(L"VELL_FTP_PASSWORD"), GetParam());
    ASSERT_TRUE(ftp.handle) << "InternetConnectW failed: " << GetLastError() << " " << ServerText();

    const std::wstring folder = peers::UniqueName(GetParam() == INTERNET_FLAG_PASSIVE ? L"passive" : L"active");
    ASSERT_TRUE(FtpCreateDirectoryW(ftp.handle, folder.c_str())) << GetLastError() << " " << ServerText();
    ASSERT_TRUE(FtpSetCurrentDirectoryW(ftp.handle, folder.c_str())) << GetLastError() << " " << ServerText();

    // Larger than one network buffer, with every byte value: a text-mode transfer or a
    // cut-short data connection would change it.
    const std::string content = peers::PatternBytes(150 * 1024 + 7, GetParam());
    wchar_t temp[MAX_PATH] = {};
    ASSERT_NE(0u, GetTempPathW(MAX_PATH, temp));
    const std::wstring local = std::wstring(temp) + folder + L".bin";
    ASSERT_TRUE(WriteFileBytes(local.c_str(), content));
    const BOOL put = FtpPutFileW(ftp.handle, local.c_str(), L"capture.bin", FTP_TRANSFER_TYPE_BINARY, 0);
    const DWORD putError = GetLastError();
    DeleteFileW(local.c_str());
    ASSERT_TRUE(put) << "FtpPutFileW failed: " << putError << " " << ServerText();

    std::string arrived;
    ASSERT_TRUE(ReadFileBytes((root + L"\\" + folder + L"\\capture.bin").c_str(), arrived))
        << "The file is not in the user's home " << peers::Narrow(root);
    EXPECT_EQ(content.size(), arrived.size());
    EXPECT_TRUE(arrived == content) << "The stored bytes differ from the bytes sent";
}

INSTANTIATE_TEST_SUITE_P(Modes, PeersFtp, testing::Values(DWORD(INTERNET_FLAG_PASSIVE), DWORD(0)),
                         [](const testing::TestParamInfo<DWORD>& info) {
                             return info.param == INTERNET_FLAG_PASSIVE ? "Passive" : "Active";
                         });

using PeersFtpLogin = PeersFtp;

TEST_F(PeersFtpLogin, WrongPasswordIsRefusedWithTheServersReply)
{
    InternetHandle ftp;
    ftp.handle = Connect(L"not-the-password", INTERNET_FLAG_PASSIVE);
    const DWORD error = GetLastError();
    ASSERT_FALSE(ftp.handle);
    EXPECT_EQ(DWORD(ERROR_INTERNET_LOGIN_FAILURE), error);
    EXPECT_NE(std::string::npos, ServerText().find("530")) << ServerText();
}
