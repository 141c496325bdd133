#include "Info/InfoScDatabase.h"
#include "Info/InfoScEmail.h"
#include "Info/InfoScFax.h"
#include "Info/tests/InfoTestSupport.h"

#include <sddl.h>

#include <typeinfo>

using namespace InfoTest;

namespace
{
const wchar_t* const kEmailKey = L"ScreenCapture\\Email";
const wchar_t* const kFaxKey = L"ScreenCapture\\Fax";
const wchar_t* const kDbKey = L"ScreenCapture\\Db";
const wchar_t* const kCoverPage =
    L"C:\\Documents and Settings\\All Users\\Documents\\My Faxes\\Common Coverpages\\confdent.cov";

template <typename T> const T& As(const SendParam& r)
{
    return static_cast<const T&>(r);
}

RecordCase EmailCase()
{
    RecordCase c = MakeRecordCase<InfoScEmail>("Email", kEmailKey, SP_SC_EMAIL);
    c.change = [](SendParam& r) {
        // Attached stays on: without a local web server it always loads as on.
        static_cast<InfoScEmail&>(r) =
            InfoScEmail(L"smtp.example.net", L"me@example.net", L"you@example.net", L"boss@example.net", L"Shot",
                        L"See below", true, FT_JPG, false, 10, 2);
    };
    c.parts = {{0,
                {L"Server", L"From", L"To", L"CC", L"Subject", L"Body", L"Attached", L"FType", L"Display", L"Duration",
                 L"Frequence"}},
               {1, {L"Display"}},
               {3, {L"Duration", L"Frequence"}},
               {4, {L"Server", L"From", L"To", L"CC"}},
               {5, {L"Subject", L"Body", L"Attached", L"FType"}}};
    c.unknownPart = 2;
    c.boolValue = L"Display";
    c.boolField = [](const SendParam& r) { return As<InfoScEmail>(r).Display; };
    c.wrongTypeValue = L"FType";
    c.readDespite = [](const SendParam& l, const SendParam& s) {
        auto& loaded = As<InfoScEmail>(l);
        auto& saved = As<InfoScEmail>(s);
        return loaded.Server == saved.Server && loaded.Body == saved.Body && loaded.Frequence == saved.Frequence &&
               loaded.Display;
    };
    return c;
}

RecordCase FaxCase()
{
    RecordCase c = MakeRecordCase<InfoScFax>("Fax", kFaxKey, SP_SC_FAX);
    c.change = [](SendParam& r) {
        static_cast<InfoScFax&>(r) = InfoScFax(L"FAXSRV", L"+44 20 7946 0000", L"Grace", L"Navy", L"Code",
                                               L"Have a look", L"Screen", L"C:\\cover.cov", true, true, 7, 3);
    };
    c.parts = {{0,
                {L"SvrName", L"RecName", L"RecNumber", L"RecCompany", L"RecDepartment", L"Note", L"Subject",
                 L"CoverPageName", L"UseCoverPage", L"ShowDlg", L"Duration", L"Frequence"}},
               {1, {L"ShowDlg"}},
               {3, {L"Duration", L"Frequence"}},
               {4, {L"SvrName", L"RecName", L"RecNumber", L"RecCompany", L"RecDepartment"}},
               {5, {L"Note", L"Subject", L"CoverPageName", L"UseCoverPage"}}};
    c.unknownPart = 2;
    c.boolValue = L"UseCoverPage";
    c.boolField = [](const SendParam& r) { return As<InfoScFax>(r).UseCoverPage; };
    c.wrongTypeValue = L"ShowDlg";
    c.readDespite = [](const SendParam& l, const SendParam& s) {
        auto& loaded = As<InfoScFax>(l);
        auto& saved = As<InfoScFax>(s);
        return loaded.RecNumber == saved.RecNumber && loaded.CoverPageName == saved.CoverPageName &&
               loaded.Frequence == saved.Frequence && !loaded.UseCoverPage;
    };
    return c;
}

RecordCase DatabaseCase()
{
    RecordCase c = MakeRecordCase<InfoScDatabase>("Database", kDbKey, SP_SC_DATABASE);
    c.change = [](SendParam& r) {
        static_cast<InfoScDatabase&>(r) =
            InfoScDatabase(L"DSN=Shots", L"Images", L"Picture", L"Taken!@#", true, 30, 10);
    };
    c.parts = {{0, {L"ConnStr", L"Table", L"BlobCol", L"ExtraColInfo", L"Display", L"Duration", L"Frequence"}},
               {1, {L"Display"}},
               {2, {L"ConnStr", L"Table", L"BlobCol", L"ExtraColInfo"}},
               {3, {L"Duration", L"Frequence"}}};
    c.unknownPart = 4;
    c.boolValue = L"Display";
    c.boolField = [](const SendParam& r) { return As<InfoScDatabase>(r).Display; };
    c.wrongTypeValue = L"Duration";
    c.readDespite = [](const SendParam& l, const SendParam& s) {
        auto& loaded = As<InfoScDatabase>(l);
        auto& saved = As<InfoScDatabase>(s);
        return loaded.ExtraColInfo == saved.ExtraColInfo && loaded.Frequence == saved.Frequence && !loaded.Display;
    };
    return c;
}

// What a record built from values wrote under each name, after a save of part 0.
struct StoredCase
{
    const char* record;
    std::function<SendParam*()> make;
    const wchar_t* key;
    std::map<std::wstring, DWORD> numbers;
    std::map<std::wstring, std::wstring> texts;
};
} // namespace

INSTANTIATE_RECORD_TABLE(Message, EmailCase(), FaxCase(), DatabaseCase());

TEST(MessageRecords, Defaults)
{
    EXPECT_TRUE(InfoScEmail() ==
                InfoScEmail(L"", L"", L"", L"", L"Image created by Vellumor", L"", true, FT_BMP, true, 0, 1));
    EXPECT_TRUE(InfoScEmail().IsDisplayFlagOn());

    InfoScFax fax;
    EXPECT_TRUE(fax == InfoScFax(L"", L"", L"", L"", L"", L"This image was created by Vellumor",
                                 L"Image created by Vellumor", kCoverPage, false, false, 0, 1));
    EXPECT_EQ(0, fax.FType);
    EXPECT_FALSE(fax.IsDisplayFlagOn());

    InfoScDatabase db;
    EXPECT_EQ(L"DRIVER=SQL Server;SERVER=MyServer;UID=MyUserName;PWD=DemoSecret;DATABASE=MyDataBase", db.ConnStr.str());
    EXPECT_TRUE(db == InfoScDatabase(db.ConnStr, L"MyTable", L"MyImageCol", L"", false, 0, 1));
    EXPECT_FALSE(db.IsDisplayFlagOn());
}

TEST(MessageRecords, ComparisonSeesEveryFieldAndTextCase)
{
    ExpectEachFieldCompared<InfoScEmail>(
        InfoScEmail(L"Srv", L"From", L"To", L"CC", L"Subj", L"Body", true, FT_BMP, true, 0, 1),
        {[](InfoScEmail& r) { r.Server = L"srv"; }, [](InfoScEmail& r) { r.From = L"from"; },
         [](InfoScEmail& r) { r.To = L"to"; }, [](InfoScEmail& r) { r.CC = L"cc"; },
         [](InfoScEmail& r) { r.Subject = L"subj"; }, [](InfoScEmail& r) { r.Body = L"body"; },
         [](InfoScEmail& r) { r.Attached = false; }, [](InfoScEmail& r) { r.FType = FT_GIF; },
         [](InfoScEmail& r) { r.Display = false; }, [](InfoScEmail& r) { r.Duration = 9; },
         [](InfoScEmail& r) { r.Frequence = 9; }});
    ExpectEachFieldCompared<InfoScFax>(
        InfoScFax(L"Svr", L"Num", L"Name", L"Comp", L"Dept", L"Note", L"Subj", L"Cover", false, false, 0, 1),
        {[](InfoScFax& r) { r.SvrName = L"svr"; }, [](InfoScFax& r) { r.RecNumber = L"num"; },
         [](InfoScFax& r) { r.RecName = L"name"; }, [](InfoScFax& r) { r.RecCompany = L"comp"; },
         [](InfoScFax& r) { r.RecDepartment = L"dept"; }, [](InfoScFax& r) { r.UseCoverPage = true; },
         [](InfoScFax& r) { r.CoverPageName = L"cover"; }, [](InfoScFax& r) { r.Note = L"note"; },
         [](InfoScFax& r) { r.Subject = L"subj"; }, [](InfoScFax& r) { r.FType = 2; },
         [](InfoScFax& r) { r.ShowDlg = true; }, [](InfoScFax& r) { r.Duration = 9; },
         [](InfoScFax& r) { r.Frequence = 9; }});
    ExpectEachFieldCompared<InfoScDatabase>(
        InfoScDatabase(L"Conn", L"Table", L"Blob", L"Extra", false, 0, 1),
        {[](InfoScDatabase& r) { r.ConnStr = L"conn"; }, [](InfoScDatabase& r) { r.Table = L"table"; },
         [](InfoScDatabase& r) { r.BlobCol = L"blob"; }, [](InfoScDatabase& r) { r.ExtraColInfo = L"extra"; },
         [](InfoScDatabase& r) { r.Display = true; }, [](InfoScDatabase& r) { r.Duration = 9; },
         [](InfoScDatabase& r) { r.Frequence = 9; }});
}

class MessageRecordsStore : public InfoRegistryTest
{
};

// Every constructor argument lands in its own field and that field under its own name.
TEST_F(MessageRecordsStore, ValuesBuiltFromTheConstructorAreStoredUnderTheirNames)
{
    const StoredCase cases[] = {
        {"Email",
         [] { return new InfoScEmail(L"srv", L"from", L"to", L"cc", L"subj", L"body", true, FT_GIF, false, 5, 6); },
         kEmailKey,
         {{L"Attached", 1}, {L"FType", 3}, {L"Display", 0}, {L"Duration", 5}, {L"Frequence", 6}},
         {{L"Server", L"srv"},
          {L"From", L"from"},
          {L"To", L"to"},
          {L"CC", L"cc"},
          {L"Subject", L"subj"},
          {L"Body", L"body"}}},
        {"Fax",
         [] {
             return new InfoScFax(L"svr", L"number", L"name", L"company", L"department", L"note", L"subj", L"cover",
                                  true, false, 5, 6);
         },
         kFaxKey,
         {{L"UseCoverPage", 1}, {L"ShowDlg", 0}, {L"Duration", 5}, {L"Frequence", 6}},
         {{L"SvrName", L"svr"},
          {L"RecNumber", L"number"},
          {L"RecName", L"name"},
          {L"RecCompany", L"company"},
          {L"RecDepartment", L"department"},
          {L"Note", L"note"},
          {L"Subject", L"subj"},
          {L"CoverPageName", L"cover"}}},
        {"Database",
         [] { return new InfoScDatabase(L"conn", L"table", L"blob", L"extra", true, 5, 6); },
         kDbKey,
         {{L"Display", 1}, {L"Duration", 5}, {L"Frequence", 6}},
         {{L"ConnStr", L"conn"}, {L"Table", L"table"}, {L"BlobCol", L"blob"}, {L"ExtraColInfo", L"extra"}}},
    };
    for (const StoredCase& c : cases)
    {
        SCOPED_TRACE(c.record);
        std::unique_ptr<SendParam> record(c.make());
        ASSERT_TRUE(record->SaveToRegistry(0));
        for (const auto& n : c.numbers)
            EXPECT_EQ(n.second, Dword(c.key, n.first.c_str())) << n.first;
        for (const auto& t : c.texts)
            EXPECT_EQ(t.second, Text(c.key, t.first.c_str())) << t.first;
    }
}

// The fax's image type lives in memory only: copied, never stored or loaded.
TEST_F(MessageRecordsStore, FaxImageTypeIsCopiedButNotStored)
{
    InfoScFax fax(L"svr", L"1", L"n", L"c", L"d", L"note", L"s", L"cover", true, true, 1, 2);
    fax.FType = 3;
    InfoScFax copy(fax);
    EXPECT_EQ(3, copy.FType);
    InfoScFax assigned;
    assigned = fax;
    EXPECT_EQ(3, assigned.FType);

    ASSERT_TRUE(fax.SaveToRegistry(0));
    EXPECT_EQ(0u, ValueNames(kFaxKey).count(L"FType"));
    InfoScFax loaded;
    loaded.FType = 4;
    ASSERT_TRUE(loaded.LoadFromRegistry());
    EXPECT_EQ(4, loaded.FType);
    loaded.FType = 3;
    EXPECT_TRUE(loaded == fax);
}

namespace
{
std::vector<std::wstring> Texts(const CStringList& list)
{
    std::vector<std::wstring> texts;
    for (const CString& item : list)
        texts.push_back(item.str());
    return texts;
}

std::vector<int> Numbers(const CList<int>& list)
{
    return std::vector<int>(list.begin(), list.end());
}

CStringList TextList(const std::vector<std::wstring>& texts)
{
    CStringList list;
    for (const std::wstring& text : texts)
        list.AddTail(CString(text));
    return list;
}

CList<int> NumberList(const std::vector<int>& numbers)
{
    CList<int> list;
    for (int n : numbers)
        list.AddTail(n);
    return list;
}
} // namespace

TEST(InfoScDatabase, ExtraColumnsPackIntoOneTextAndParseBack)
{
    const struct
    {
        std::vector<std::wstring> names;
        std::vector<int> numbers;
        std::vector<std::wstring> values;
        const wchar_t* packed;
    } cases[] = {
        {{L"a", L"b"}, {4, 12}, {L"x", L"y"}, L"a~!@b!@#4@#$12#$%x%&*y&*|"},
        {{}, {}, {L"x", L"y"}, L"x%&*y&*|"},
        // A missing middle section must not send the values back to the start of the text.
        {{L"a"}, {}, {L"x"}, L"a!@#x&*|"},
        {{}, {-3, 0}, {}, L"-3@#$0#$%"},
        // Empty items, also the last one, keep the three lists in step.
        {{L"a", L""}, {}, {}, L"a~!@!@#"},
        {{L""}, {7}, {L"", L"z"}, L"!@#7#$%%&*z&*|"},
        {{}, {}, {}, L""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.packed);
        InfoScDatabase db;
        db.ExtraColInfo = L"old!@#";
        db.SetExtraColInfo(TextList(c.names), NumberList(c.numbers), TextList(c.values));
        EXPECT_EQ(std::wstring(c.packed), db.ExtraColInfo.str());

        CStringList names, values;
        CList<int> numbers;
        db.ParseExtraColInfo(names, numbers, values);
        EXPECT_EQ(c.names, Texts(names));
        EXPECT_EQ(c.numbers, Numbers(numbers));
        EXPECT_EQ(c.values, Texts(values));
    }
}

TEST(InfoScDatabase, ParsingAppendsToTheListsAndReadsANonNumberAsZero)
{
    InfoScDatabase db;
    db.ExtraColInfo = L"n!@#abc@#$7#$%";
    CStringList names = TextList({L"first"}), values = TextList({L"kept"});
    CList<int> numbers = NumberList({1});
    db.ParseExtraColInfo(names, numbers, values);
    EXPECT_EQ((std::vector<std::wstring>{L"first", L"n"}), Texts(names));
    EXPECT_EQ((std::vector<int>{1, 0, 7}), Numbers(numbers));
    EXPECT_EQ((std::vector<std::wstring>{L"kept"}), Texts(values));
}

namespace
{
const wchar_t* const kInetStp = L"Software\\Microsoft\\InetStp";
const wchar_t* const kWwwRoot = L"PathWWWRoot";
} // namespace

// Sets the local web server's root folder in HKEY_LOCAL_MACHINE for one test and puts
// back what was there before.
class InfoScEmailWebServer : public InfoRegistryTest
{
protected:
    void SetUp() override
    {
        InfoRegistryTest::SetUp();
        HKEY key = nullptr;
        m_keyExisted = RegOpenKeyExW(HKEY_LOCAL_MACHINE, kInetStp, 0, KEY_READ, &key) == ERROR_SUCCESS;
        if (m_keyExisted)
        {
            DWORD size = 0;
            if (RegQueryValueExW(key, kWwwRoot, nullptr, &m_savedType, nullptr, &size) == ERROR_SUCCESS)
            {
                m_saved.resize(size);
                RegQueryValueExW(key, kWwwRoot, nullptr, &m_savedType, m_saved.data(), &size);
                m_valueExisted = true;
            }
            RegCloseKey(key);
        }
        RemoveRoot();
    }

    void TearDown() override
    {
        RemoveRoot();
        if (m_valueExisted)
            Put(m_savedType, m_saved.data(), static_cast<DWORD>(m_saved.size()));
        if (!m_keyExisted)
            RegDeleteKeyW(HKEY_LOCAL_MACHINE, kInetStp);
        InfoRegistryTest::TearDown();
    }

    static void SetRoot(const std::wstring& root, DWORD type = REG_SZ)
    {
        Put(type, root.c_str(), static_cast<DWORD>((root.size() + 1) * sizeof(wchar_t)));
    }

    static void RemoveRoot()
    {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kInetStp, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS)
        {
            RegDeleteValueW(key, kWwwRoot);
            RegCloseKey(key);
        }
    }

private:
    static void Put(DWORD type, const void* data, DWORD size)
    {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS,
                  RegCreateKeyExW(HKEY_LOCAL_MACHINE, kInetStp, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr));
        EXPECT_EQ(ERROR_SUCCESS, RegSetValueExW(key, kWwwRoot, 0, type, static_cast<const BYTE*>(data), size));
        RegCloseKey(key);
    }

    bool m_keyExisted = false;
    bool m_valueExisted = false;
    DWORD m_savedType = REG_NONE;
    std::vector<BYTE> m_saved;
};

std::wstring SystemDrive()
{
    wchar_t drive[MAX_PATH] = L"";
    GetEnvironmentVariableW(L"SystemDrive", drive, MAX_PATH);
    return drive;
}

TEST_F(InfoScEmailWebServer, ImageFolderIsTheServerRootFollowedByImages)
{
    const std::wstring longRoot = L"C:\\" + std::wstring(3000, L'w');
    const struct
    {
        const wchar_t* root; // nullptr: no value
        DWORD type;
        std::wstring folder;
    } cases[] = {
        {nullptr, REG_SZ, L""},
        {L"", REG_SZ, L""},
        {L"C:\\inetpub\\wwwroot", REG_SZ, L"C:\\inetpub\\wwwroot\\Images"},
        // The server keeps its root with variables; the folder is a usable path.
        {L"%SystemDrive%\\inetpub\\wwwroot", REG_EXPAND_SZ, SystemDrive() + L"\\inetpub\\wwwroot\\Images"},
        {longRoot.c_str(), REG_SZ, longRoot + L"\\Images"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.root ? c.root : L"(none)");
        RemoveRoot();
        if (c.root)
            SetRoot(c.root, c.type);
        EXPECT_EQ(c.folder, InfoScEmail::GetIISRootImageDirectory().str());
        EXPECT_EQ(!c.folder.empty(), InfoScEmail::IsIISInstalled());
    }
}

// The server's key is only read: a key that grants reading alone must do.
TEST_F(InfoScEmailWebServer, ReadsTheServerKeyWithReadAccessOnly)
{
    SetRoot(L"C:\\wwwroot");
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_LOCAL_MACHINE, kInetStp, 0, READ_CONTROL | WRITE_DAC, &key));
    std::vector<BYTE> original(4096);
    DWORD size = static_cast<DWORD>(original.size());
    ASSERT_EQ(ERROR_SUCCESS, RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, original.data(), &size));
    PSECURITY_DESCRIPTOR readOnly = nullptr;
    // Everyone: KEY_READ, and WRITE_DAC to put the permissions back.
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:P(A;;0x60019;;;WD)", SDDL_REVISION_1,
                                                                     &readOnly, nullptr));
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, readOnly));
    LocalFree(readOnly);

    HKEY full = nullptr;
    LONG fullAccess = RegOpenKeyExW(HKEY_LOCAL_MACHINE, kInetStp, 0, KEY_ALL_ACCESS, &full);
    if (full)
        RegCloseKey(full);
    CString folder = InfoScEmail::GetIISRootImageDirectory();

    EXPECT_EQ(ERROR_SUCCESS, RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, original.data()));
    RegCloseKey(key);
    EXPECT_EQ(ERROR_ACCESS_DENIED, fullAccess) << "the key must refuse full access for this test to mean anything";
    EXPECT_EQ(L"C:\\wwwroot\\Images", folder.str());
}

// Without a local web server the image can only be attached.
TEST_F(InfoScEmailWebServer, AttachmentCanBeSwitchedOffOnlyWithALocalWebServer)
{
    const struct
    {
        const wchar_t* root; // nullptr: no value
        DWORD stored;
        bool loaded;
    } cases[] = {
        {nullptr, 0, true}, {nullptr, 1, true}, {L"", 0, true}, {L"C:\\wwwroot", 0, false}, {L"C:\\wwwroot", 1, true},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << (c.root ? c.root : L"(none)") << " stored " << c.stored);
        RemoveRoot();
        if (c.root)
            SetRoot(c.root);
        ASSERT_TRUE(InfoScEmail().SaveToRegistry(0));
        PutDword(kEmailKey, L"Attached", c.stored);
        InfoScEmail email;
        email.Attached = !c.loaded;
        ASSERT_TRUE(email.LoadFromRegistry());
        EXPECT_EQ(c.loaded, email.Attached);
    }
}

TEST_F(InfoScEmailWebServer, AFailedLoadLeavesTheAttachmentAsItWas)
{
    ASSERT_TRUE(InfoScEmail().SaveToRegistry(0));
    PutDword(kEmailKey, L"Attached", 0);
    DeleteValue(kEmailKey, L"Frequence");
    InfoScEmail email;
    email.Attached = false;
    EXPECT_FALSE(email.LoadFromRegistry());
    EXPECT_FALSE(email.Attached);
}
