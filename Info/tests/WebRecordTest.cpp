#include "Info/CSymetricEncrypter.h"
#include "Info/InfoGlobalFunctions.h"
#include "Info/InfoScWeb.h"
#include "Info/tests/InfoTestSupport.h"

#include <utility>

using namespace InfoTest;

namespace
{
const wchar_t* const kKey = L"ScreenCapture\\Web";

// MD5 of the built-in passphrase's ANSI bytes, the 128-bit RC4 key. Computed on the
// build machine with: python3 -c "import hashlib; print(hashlib.md5(b\"qN4'vb&Tm9#rW2zk\").hexdigest())"
const BYTE kKeyDigest[16] = {0x6b, 0xfd, 0x81, 0x84, 0x98, 0xba, 0x5a, 0xe4,
                             0x9d, 0xc2, 0x3b, 0x28, 0x5f, 0xc2, 0x8b, 0xb1};

// Plain RC4, independent of the system's provider.
std::vector<BYTE> Rc4(std::vector<BYTE> data)
{
    BYTE s[256];
    for (int i = 0; i < 256; ++i)
        s[i] = static_cast<BYTE>(i);
    for (int i = 0, j = 0; i < 256; ++i)
    {
        j = (j + s[i] + kKeyDigest[i % 16]) & 255;
        std::swap(s[i], s[j]);
    }
    for (size_t n = 0, i = 0, j = 0; n < data.size(); ++n)
    {
        i = (i + 1) & 255;
        j = (j + s[i]) & 255;
        std::swap(s[i], s[j]);
        data[n] ^= s[(s[i] + s[j]) & 255];
    }
    return data;
}

std::vector<BYTE> Utf16(const std::wstring& text, bool terminator)
{
    const BYTE* bytes = reinterpret_cast<const BYTE*>(text.c_str());
    return std::vector<BYTE>(bytes, bytes + (text.size() + (terminator ? 1 : 0)) * sizeof(wchar_t));
}

// What the registry should hold for a password: RC4 of the UTF-16 text with its terminator.
std::vector<BYTE> ReferenceCipher(const std::wstring& password)
{
    return Rc4(Utf16(password, true));
}

std::vector<BYTE> Bytes(const CByteArray& a)
{
    return std::vector<BYTE>(a.begin(), a.end());
}

CByteArray ByteArray(const std::vector<BYTE>& v)
{
    CByteArray a;
    for (BYTE b : v)
        a.Add(b);
    return a;
}

const std::wstring kLongPassword = std::wstring(400, L'p') + L"!";

InfoScWeb Sample(const CString& pwd)
{
    return InfoScWeb(WS_LOCAL, L"upload.example.org", 2121, L"shooter", pwd, L"/shots/", L"shot", L"D:\\Web\\", FT_PNG,
                     true, true, 30, 5);
}

RecordCase WebCase()
{
    RecordCase c = MakeRecordCase<InfoScWeb>("Web", kKey, SP_SC_WEB);
    c.change = [](SendParam& r) { static_cast<InfoScWeb&>(r) = Sample(L"s3cr:t"); };
    c.parts = {{0,
                {L"Pwd", L"SvrType", L"HostAddress", L"Port", L"Login", L"WebPath", L"FName", L"FPath", L"FType",
                 L"Overwrite", L"ShowDlg", L"Duration", L"Frequence"}},
               {1, {L"ShowDlg"}},
               {3, {L"Duration", L"Frequence"}},
               {4, {L"FName", L"FPath", L"FType", L"Overwrite"}},
               {5, {L"Pwd", L"SvrType", L"HostAddress", L"Port", L"Login", L"WebPath"}}};
    c.unknownPart = 2;
    c.boolValue = L"Overwrite";
    c.boolField = [](const SendParam& r) { return static_cast<const InfoScWeb&>(r).Overwrite; };
    c.wrongTypeValue = L"FType";
    c.readDespite = [](const SendParam& l, const SendParam& s) {
        auto& loaded = static_cast<const InfoScWeb&>(l);
        auto& saved = static_cast<const InfoScWeb&>(s);
        // The password and the straight fields are read; temporaries (SvrType, Overwrite) are dropped.
        return loaded.Pwd == saved.Pwd && loaded.HostAddress == saved.HostAddress &&
               loaded.Frequence == saved.Frequence && loaded.SvrType == WS_REMOTE_FTP && !loaded.Overwrite;
    };
    return c;
}
} // namespace

INSTANTIATE_RECORD_TABLE(Web, WebCase());

TEST(CSymetricEncrypter, EncryptsTheTextWithItsTerminatorAsPlainRc4AndASecondEncrypterDecrypts)
{
    const std::wstring passwords[] = {L"", L"Secret#123", L"p\u00e4ss w\u00f6rd \u20ac", kLongPassword};
    for (const std::wstring& password : passwords)
    {
        CByteArray cipher;
        CSymetricEncrypter().Encrypt(password.c_str(), cipher, true);
        EXPECT_EQ(2 * (password.size() + 1), static_cast<size_t>(cipher.GetSize())) << password.size();
        EXPECT_EQ(ReferenceCipher(password), Bytes(cipher)) << password.size();

        CString decrypted(L"previous");
        CSymetricEncrypter().Decrypt(cipher, decrypted, true);
        EXPECT_EQ(password.c_str(), decrypted) << password.size();
    }
}

TEST(CSymetricEncrypter, DecryptReadsNoFurtherThanTheBytesAndStopsAtTheFirstNull)
{
    std::vector<BYTE> odd = Utf16(L"abc", false);
    odd.push_back(0x41);
    std::vector<BYTE> inner = Utf16(L"ab", true);
    std::vector<BYTE> tail = Utf16(L"cd", true);
    inner.insert(inner.end(), tail.begin(), tail.end());
    struct
    {
        const char* what;
        std::vector<BYTE> plain;
        const wchar_t* expected;
    } cases[] = {
        {"no terminator", Utf16(L"abcd", false), L"abcd"},
        {"odd length", odd, L"abc"},
        {"a single byte", {0x41}, L""},
        {"null inside", inner, L"ab"},
        {"empty", {}, L""},
    };
    for (auto& c : cases)
    {
        CString text(L"previous");
        CSymetricEncrypter().Decrypt(ByteArray(Rc4(c.plain)), text, true);
        EXPECT_EQ(c.expected, text) << c.what;
    }
}

TEST(InfoScWeb, Defaults)
{
    InfoScWeb w;
    EXPECT_EQ(WS_REMOTE_FTP, w.SvrType);
    EXPECT_EQ(L"ftp.example.com", w.HostAddress);
    EXPECT_EQ(21, w.Port);
    EXPECT_EQ(L"MyUserName", w.Login);
    EXPECT_EQ(L"", w.Pwd);
    EXPECT_EQ(L"/", w.WebPath);
    EXPECT_EQ(L"VellImage", w.FName);
    EXPECT_EQ(InfoGlobalFunctions::GetScImageDirectory() + L"\\Web", w.FPath);
    EXPECT_EQ(FT_BMP, w.FType);
    EXPECT_EQ(FT_BMP, w.GetFileType());
    EXPECT_FALSE(w.Overwrite);
    EXPECT_FALSE(w.ShowDlg);
    EXPECT_FALSE(w.IsDisplayFlagOn());
    EXPECT_EQ(0, w.Duration);
    EXPECT_EQ(1, w.Frequence);
}

TEST(InfoScWeb, FullPathFileName)
{
    struct
    {
        bool remote;
        const wchar_t* webPath;
        const wchar_t* fPath;
        const wchar_t* fName;
        const wchar_t* expected;
    } cases[] = {
        {true, L"/", L"D:\\Web", L"shot", L"/shot.jpg"},
        {true, L"images", L"D:\\Web", L"shot", L"images/shot.jpg"},
        {true, L"images\\", L"D:\\Web", L"shot", L"images/shot.jpg"},
        {true, L"a/b//", L"D:\\Web", L"shot", L"a/b/shot.jpg"},
        {true, L"", L"D:\\Web", L"shot", L"/shot.jpg"},
        {true, L"/", L"D:\\Web", L"C:\\x\\shot.png", L"/shot.jpg"},
        {false, L"/", L"D:\\Web\\", L"shot", L"D:\\Web\\shot.jpg"},
        {false, L"/", L"D:\\Web//", L"shot.png", L"D:\\Web\\shot.jpg"},
        {false, L"/", L"D:\\Web", L"C:\\x\\shot.png", L"C:\\x\\shot.png"},
        {false, L"/", L"D:\\Web", L"sub\\shot", L"sub\\shot"},
        {false, L"/", L"D:\\Web", L"C:shot", L"C:shot"},
        {false, L"/", L"", L"shot", L"shot.jpg"},
    };
    for (auto& c : cases)
    {
        InfoScWeb w(WS_REMOTE_FTP, L"h", 21, L"u", L"p", c.webPath, c.fName, c.fPath, FT_JPG, false, false, 0, 1);
        EXPECT_EQ(c.expected, w.GetFullPathFileName(c.remote)) << c.remote << " " << c.webPath << " " << c.fName;
    }
}

class InfoScWebRegistry : public InfoRegistryTest
{
};

TEST_F(InfoScWebRegistry, StoresThePasswordAsTheCipherOfItsTextAndTerminatorAndLoadsItWhole)
{
    // The long password's 804 bytes are beyond what a fixed 500-byte read would take.
    for (const std::wstring& password : {std::wstring(L"Secret#123"), kLongPassword})
    {
        ASSERT_TRUE(Sample(password.c_str()).SaveToRegistry(5));
        EXPECT_EQ(static_cast<DWORD>(REG_BINARY), ValueType(kKey, L"Pwd"));
        EXPECT_EQ(ReferenceCipher(password), Binary(kKey, L"Pwd")) << password.size();

        ASSERT_TRUE(Sample(password.c_str()).SaveToRegistry(0));
        InfoScWeb loaded;
        ASSERT_TRUE(loaded.LoadFromRegistry());
        EXPECT_EQ(password.c_str(), loaded.Pwd) << password.size();
    }
}

TEST_F(InfoScWebRegistry, AMissingPasswordFailsTheLoadButTheOtherValuesAreRead)
{
    ASSERT_TRUE(Sample(L"stored").SaveToRegistry(0));
    DeleteValue(kKey, L"Pwd");
    InfoScWeb loaded = Sample(L"kept");
    loaded.HostAddress = L"before";
    loaded.Overwrite = false;
    EXPECT_FALSE(loaded.LoadFromRegistry());
    EXPECT_EQ(L"kept", loaded.Pwd);
    EXPECT_EQ(L"upload.example.org", loaded.HostAddress);
    EXPECT_FALSE(loaded.Overwrite);
}

TEST_F(InfoScWebRegistry, AnOddOrUnterminatedOrEmptyPasswordValueLoads)
{
    std::vector<BYTE> odd = Rc4(Utf16(L"abc", false));
    odd.push_back(0x5a);
    struct
    {
        const char* what;
        std::vector<BYTE> stored;
        const wchar_t* expected;
    } cases[] = {
        {"odd length without terminator", odd, L"abc"},
        {"unterminated", Rc4(Utf16(L"abcdef", false)), L"abcdef"},
        {"empty", {}, L""},
    };
    for (auto& c : cases)
    {
        ASSERT_TRUE(Sample(L"x").SaveToRegistry(0));
        PutBinary(kKey, L"Pwd", c.stored);
        InfoScWeb loaded;
        EXPECT_TRUE(loaded.LoadFromRegistry()) << c.what;
        EXPECT_EQ(c.expected, loaded.Pwd) << c.what;
    }
}

TEST_F(InfoScWebRegistry, AppendsABackslashToTheLoadedServerAndLocalFoldersUnlessTheyEndWithASeparator)
{
    struct
    {
        const wchar_t* stored;
        const wchar_t* loaded;
    } cases[] = {{L"images", L"images\\"}, {L"/", L"/"}, {L"a/", L"a/"}, {L"D:\\Img\\", L"D:\\Img\\"}, {L"", L""}};
    for (auto& c : cases)
    {
        InfoScWeb saved = Sample(L"p");
        saved.WebPath = c.stored;
        saved.FPath = c.stored;
        ASSERT_TRUE(saved.SaveToRegistry(0));
        InfoScWeb loaded;
        ASSERT_TRUE(loaded.LoadFromRegistry());
        EXPECT_EQ(c.loaded, loaded.WebPath) << c.stored;
        EXPECT_EQ(c.loaded, loaded.FPath) << c.stored;
    }
}
