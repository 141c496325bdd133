// The fax service stand-in, reached as programs reach the system's: the server class
// through COM and the client library from the system folder of the test prefix, with
// the service's folder moved to a fresh folder of the test.
#include "common/CFaxClientLibrary.h"
#include "testing/TestFiles.h"
#include "testing/TestFolder.h"
#include "framework/CDispatchDriver.h"
#include "framework/Handles.h"
#include "standins/fax/CFaxJob.h"
#include "standins/fax/CFaxServiceConfig.h"
#include <gtest/gtest.h>
#include <shlobj.h>
#include <string>

namespace
{
const char kDocumentBytes[] = "BM fax document bytes \x01\x02\x03\xff";
const DWORD kServerContext = CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER;

// True when the system has a message text for hr, which the caller's failure text
// carries.
bool HasSystemText(HRESULT hr)
{
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   static_cast<DWORD>(hr), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    bool found = text && *text;
    LocalFree(text);
    return found;
}

// The folders directly inside folder.
int CountSubfolders(const CString& folder)
{
    int count = 0;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(folder + L"\\*", &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    do
    {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && wcscmp(found.cFileName, L".") != 0 &&
            wcscmp(found.cFileName, L"..") != 0)
            ++count;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return count;
}

// A server object of the fax service, connected or not.
class FaxServer
{
public:
    FaxServer() { m_created = m_server.Create(CLSID_FaxServer, kServerContext); }
    HRESULT Created() const { return m_created; }
    // null: no name at all (a null string).
    HRESULT Connect(const wchar_t* name) { return m_server.Call(L"Connect", {CVariant(name)}); }
    HRESULT Disconnect() { return m_server.Call(L"Disconnect", {}); }
    HRESULT CreateDocument(const wchar_t* fileName, CDispatchDriver& document)
    {
        CVariant created;
        HRESULT hr = m_server.Call(L"CreateDocument", {CVariant(fileName)}, &created);
        return FAILED(hr) ? hr : document.Attach(created);
    }
    void Release() { m_server.Release(); }
    CDispatchDriver& Object() { return m_server; }

private:
    CDispatchDriver m_server;
    HRESULT m_created;
};

// Sends the document; the job's number, or -1 on failure with hr set.
long Send(CDispatchDriver& document, HRESULT& hr)
{
    CVariant id;
    hr = document.Call(L"Send", {}, &id);
    return SUCCEEDED(hr) && id.Get().vt == VT_I4 ? id.Get().lVal : -1;
}

HRESULT PutText(CDispatchDriver& document, const wchar_t* property, const wchar_t* text)
{
    return document.Put(property, CVariant(text));
}

class FaxServiceTest : public testing::Test
{
protected:
    void SetUp() override
    {
        SetEnvironmentVariableW(CFaxServiceConfig::kFolderVariable, m_folder.Path());
        m_document = m_folder / L"VellImage1.bmp";
        WriteBytes(m_document, std::string(kDocumentBytes, sizeof(kDocumentBytes) - 1));
    }
    void TearDown() override { SetEnvironmentVariableW(CFaxServiceConfig::kFolderVariable, nullptr); }

    void WriteSetting(const wchar_t* section, const wchar_t* key, const wchar_t* value)
    {
        WritePrivateProfileStringW(section, key, value, m_folder / L"FaxService.ini");
    }

    CString Outbox(const CString& server) const { return m_folder.Path() + L"\\FaxOutbox\\" + server; }

    // A document of a server connected to this computer.
    void CreateLocalDocument(FaxServer& server, CDispatchDriver& document)
    {
        ASSERT_EQ(S_OK, server.Created());
        ASSERT_EQ(S_OK, server.Connect(nullptr));
        ASSERT_EQ(S_OK, server.CreateDocument(m_document, document));
    }

    CComApartment m_apartment;
    TestFolder m_folder;
    CString m_document;
};

TEST_F(FaxServiceTest, SendQueuesACopyOfTheDocumentAndItsFieldsAsTheNextJob)
{
    FaxServer server;
    CDispatchDriver document;
    CreateLocalDocument(server, document);

    // Member names compare without case, as automation names do.
    for (const auto& field : {std::make_pair(L"FaxNumber", L"+44 20 7946 0018"),
                              std::make_pair(L"recipientname", L"Zo\u00eb \u00c5ngstr\u00f6m"),
                              std::make_pair(L"RecipientCompany", L"Lindqvist & Co"),
                              std::make_pair(L"CoverpageName", L"confdent.cov"),
                              std::make_pair(L"CoverpageNote", L"First line\r\nC:\\second\\line"),
                              std::make_pair(L"CoverpageSubject", L"Image created by Vellumor"),
                              std::make_pair(L"DisplayName", L"Fax sent to Zo\u00eb"),
                              std::make_pair(L"SenderName", L"Ann Lee")})
        ASSERT_EQ(S_OK, PutText(document, field.first, field.second)) << CString(field.first).ToAnsi();
    ASSERT_EQ(S_OK, PutText(document, L"RecipientDepartment", nullptr));
    ASSERT_EQ(S_OK, document.Put(L"SendCoverpage", CVariant(true)));
    // A flag may come as a number, as from a caller that declares it a long.
    ASSERT_EQ(S_OK, document.Put(L"ServerCoverpage", CVariant(0L)));
    HRESULT hr = S_OK;
    EXPECT_EQ(1, Send(document, hr));
    EXPECT_EQ(2, Send(document, hr));

    CString outbox = Outbox(CFaxServiceConfig::GetThisComputerName());
    std::vector<CString> jobs = CFaxJob::ListJobs(outbox);
    ASSERT_EQ(2u, jobs.size());
    EXPECT_EQ(outbox + L"\\1", jobs[0]);
    EXPECT_EQ(outbox + L"\\2", jobs[1]);

    CFaxJob job;
    ASSERT_TRUE(job.Load(jobs[0]));
    EXPECT_EQ(CString(L"1"), job.Get(L"Id"));
    EXPECT_EQ(CString(L"VellImage1.bmp"), job.Get(L"Document"));
    EXPECT_EQ(std::string(kDocumentBytes, sizeof(kDocumentBytes) - 1), ReadBytes(jobs[0] + L"\\VellImage1.bmp"));
    EXPECT_EQ(CFaxServiceConfig::GetThisComputerName(), job.Get(L"Server"));
    EXPECT_TRUE(job.Has(L"ConnectedAs"));
    EXPECT_EQ(CString(), job.Get(L"ConnectedAs"));
    EXPECT_EQ(m_document, job.Get(L"FileName"));
    EXPECT_EQ(CString(L"+44 20 7946 0018"), job.Get(L"FaxNumber"));
    EXPECT_EQ(CString(L"Zo\u00eb \u00c5ngstr\u00f6m"), job.Get(L"RecipientName"));
    EXPECT_EQ(CString(L"Lindqvist & Co"), job.Get(L"RecipientCompany"));
    EXPECT_TRUE(job.Has(L"RecipientDepartment"));
    EXPECT_EQ(CString(L"1"), job.Get(L"SendCoverpage"));
    EXPECT_EQ(CString(L"0"), job.Get(L"ServerCoverpage"));
    EXPECT_EQ(CString(L"confdent.cov"), job.Get(L"CoverpageName"));
    EXPECT_EQ(CString(L"First line\r\nC:\\second\\line"), job.Get(L"CoverpageNote"));
    EXPECT_EQ(CString(L"Image created by Vellumor"), job.Get(L"CoverpageSubject"));
    EXPECT_EQ(CString(L"Fax sent to Zo\u00eb"), job.Get(L"DisplayName"));
    EXPECT_EQ(CString(L"Ann Lee"), job.Get(L"SenderName"));
    EXPECT_FALSE(job.Has(L"SenderCompany"));

    // The note stays on one line of the file, so that the file reads as settings do.
    std::string raw = ReadBytes(jobs[0] + L"\\Job.ini");
    std::wstring text(reinterpret_cast<const wchar_t*>(raw.data()), raw.size() / sizeof(wchar_t));
    EXPECT_EQ(0xFEFF, text[0]);
    EXPECT_NE(std::wstring::npos, text.find(L"\r\nCoverpageNote=First line\\r\\nC:\\\\second\\\\line\r\n"));
}

TEST_F(FaxServiceTest, UnknownMembersWrongKindsAndMissingArgumentsAreRefused)
{
    FaxServer server;
    CDispatchDriver document;
    CreateLocalDocument(server, document);
    EXPECT_EQ(DISP_E_UNKNOWNNAME, PutText(document, L"NoSuchProperty", L"x"));
    // Send is a method, FaxNumber a property.
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, document.Put(L"Send", CVariant(1L)));
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, document.Call(L"FaxNumber", {CVariant(L"1")}));
    EXPECT_EQ(DISP_E_BADPARAMCOUNT, server.Object().Call(L"Connect", {}));
    EXPECT_EQ(DISP_E_TYPEMISMATCH, document.Put(L"SendCoverpage", CVariant(L"not a flag")));
}

struct ServerCase
{
    const char* label;
    const wchar_t* name; // null: no name at all
    bool known;
    const wchar_t* outbox; // null: this computer's name
};

class FaxServerNameTest : public FaxServiceTest, public testing::WithParamInterface<ServerCase>
{
};

TEST_P(FaxServerNameTest, ConnectsToThisComputerAndListedServersOnly)
{
    WriteSetting(L"Servers", L"FAXHUB", L"Head office");
    WriteSetting(L"Servers", L"OUT\\SIDE", L"A name that cannot be a folder");
    const ServerCase& c = GetParam();
    CString name(c.name ? c.name : L"");
    if (name == L"this computer, lower case")
        name = CFaxServiceConfig::GetThisComputerName().MakeLower();

    FaxServer server;
    ASSERT_EQ(S_OK, server.Created());
    HRESULT hr = server.Connect(c.name ? name.GetString() : nullptr);
    if (!c.known)
    {
        EXPECT_EQ(HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE), hr);
        EXPECT_TRUE(HasSystemText(hr));
        return;
    }
    ASSERT_EQ(S_OK, hr);
    CDispatchDriver document;
    ASSERT_EQ(S_OK, server.CreateDocument(m_document, document));
    ASSERT_EQ(S_OK, PutText(document, L"FaxNumber", L"555 0100"));
    ASSERT_EQ(1, Send(document, hr)) << std::hex << hr;

    CString outbox = Outbox(c.outbox ? CString(c.outbox) : CFaxServiceConfig::GetThisComputerName());
    std::vector<CString> jobs = CFaxJob::ListJobs(outbox);
    ASSERT_EQ(1u, jobs.size());
    CFaxJob job;
    ASSERT_TRUE(job.Load(jobs[0]));
    EXPECT_EQ(name, job.Get(L"ConnectedAs"));
}

INSTANTIATE_TEST_SUITE_P(Names, FaxServerNameTest,
                         testing::Values(ServerCase{"NoName", nullptr, true, nullptr},
                                         ServerCase{"EmptyName", L"", true, nullptr},
                                         ServerCase{"ThisComputer", L"this computer, lower case", true, nullptr},
                                         ServerCase{"ListedServer", L"faxhub", true, L"FAXHUB"},
                                         ServerCase{"LocalPlaceholder", L"(local)", false, nullptr},
                                         ServerCase{"UnknownServer", L"ELSEWHERE", false, nullptr},
                                         ServerCase{"NotAFolderName", L"out\\side", false, nullptr}),
                         [](const testing::TestParamInfo<ServerCase>& info) { return std::string(info.param.label); });

TEST_F(FaxServiceTest, FailedSendsLeaveNothingInTheOutbox)
{
    FaxServer server;
    CDispatchDriver noNumber;
    CreateLocalDocument(server, noNumber);
    CString outbox = Outbox(CFaxServiceConfig::GetThisComputerName());
    HRESULT hr = S_OK;
    EXPECT_EQ(-1, Send(noNumber, hr));
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_INVALID_PARAMETER), hr);

    CDispatchDriver missingFile;
    ASSERT_EQ(S_OK, server.CreateDocument(m_document, missingFile));
    PutText(missingFile, L"FaxNumber", L"555 0100");
    PutText(missingFile, L"FileName", m_folder / L"gone.bmp");
    Send(missingFile, hr);
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND), hr);

    CDispatchDriver disconnected;
    ASSERT_EQ(S_OK, server.CreateDocument(m_document, disconnected));
    PutText(disconnected, L"FaxNumber", L"555 0100");
    ASSERT_EQ(S_OK, server.Disconnect());
    Send(disconnected, hr);
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_NOT_CONNECTED), hr);

    CDispatchDriver document;
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_NOT_CONNECTED), server.CreateDocument(m_document, document));
    EXPECT_FALSE(document.IsAttached());
    ASSERT_EQ(S_OK, server.Connect(nullptr));
    EXPECT_EQ(E_INVALIDARG, server.CreateDocument(L"", document));

    EXPECT_EQ(0, CountSubfolders(outbox));
}

TEST_F(FaxServiceTest, ADocumentKeepsItsServerAliveUntilItIsReleased)
{
    FaxServer server;
    CDispatchDriver document;
    CreateLocalDocument(server, document);
    server.Release();
    PutText(document, L"FaxNumber", L"555 0100");
    HRESULT hr = S_OK;
    EXPECT_EQ(1, Send(document, hr));
    EXPECT_EQ(S_OK, hr);
}

TEST_F(FaxServiceTest, WithoutTheServiceTheClassIsNotRegisteredAndThereAreNoDefaults)
{
    WriteSetting(L"Service", L"Installed", L"0");
    WriteSetting(L"Sender", L"Name", L"Ann Lee");
    EXPECT_EQ(REGDB_E_CLASSNOTREG, FaxServer().Created());

    CFaxClientLibrary client;
    FAX_JOB_PARAMW* job = reinterpret_cast<FAX_JOB_PARAMW*>(1);
    FAX_COVERPAGE_INFOW* info = nullptr;
    EXPECT_FALSE(client.CompleteJobParams(&job, &info));
    EXPECT_EQ(static_cast<DWORD>(ERROR_SERVICE_DOES_NOT_EXIST), GetLastError());
    EXPECT_EQ(nullptr, job);
    EXPECT_EQ(nullptr, info);
}

TEST_F(FaxServiceTest, SenderDefaultsComeFromTheSenderSettings)
{
    CFaxClientLibrary client;
    FAX_JOB_PARAMW* job = nullptr;
    FAX_COVERPAGE_INFOW* info = nullptr;
    ASSERT_FALSE(client.CompleteJobParams(&job, &info));
    EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_FOUND), GetLastError());
    EXPECT_EQ(nullptr, job);

    WriteSetting(L"Sender", L"Name", L"Ann Lee");
    WriteSetting(L"Sender", L"FaxNumber", L"+1 555 0199");
    WriteSetting(L"Sender", L"Company", L"Talvono");
    WriteSetting(L"Sender", L"Department", L"Sales");
    WriteSetting(L"Sender", L"Address", L"1 Quay Street");
    WriteSetting(L"Sender", L"Title", L"Ms");
    WriteSetting(L"Sender", L"OfficeLocation", L"Floor 3");
    WriteSetting(L"Sender", L"HomePhone", L"555 0111");
    WriteSetting(L"Sender", L"OfficePhone", L"555 0122");
    WriteSetting(L"Sender", L"BillingCode", L"B-17");
    WriteSetting(L"Sender", L"UseServerCoverPage", L"1");
    ASSERT_TRUE(client.CompleteJobParams(&job, &info));

    EXPECT_EQ(sizeof(FAX_JOB_PARAMW), job->SizeOfStruct);
    EXPECT_STREQ(L"B-17", job->BillingCode);
    EXPECT_STREQ(L"Ann Lee", job->SenderName);
    EXPECT_STREQ(L"Talvono", job->SenderCompany);
    EXPECT_STREQ(L"Sales", job->SenderDept);
    EXPECT_EQ(nullptr, job->RecipientNumber);

    EXPECT_EQ(sizeof(FAX_COVERPAGE_INFOW), info->SizeOfStruct);
    EXPECT_TRUE(info->UseServerCoverPage);
    EXPECT_STREQ(L"Ann Lee", info->SdrName);
    EXPECT_STREQ(L"+1 555 0199", info->SdrFaxNumber);
    EXPECT_STREQ(L"Talvono", info->SdrCompany);
    EXPECT_STREQ(L"1 Quay Street", info->SdrAddress);
    EXPECT_STREQ(L"Ms", info->SdrTitle);
    EXPECT_STREQ(L"Sales", info->SdrDepartment);
    EXPECT_STREQ(L"Floor 3", info->SdrOfficeLocation);
    EXPECT_STREQ(L"555 0111", info->SdrHomePhone);
    EXPECT_STREQ(L"555 0122", info->SdrOfficePhone);
    EXPECT_EQ(nullptr, info->RecName);
    EXPECT_EQ(nullptr, info->Note);
    client.FreeBuffer(job);
    client.FreeBuffer(info);

    // Unset sender values are empty texts, not missing ones.
    WritePrivateProfileStringW(L"Sender", nullptr, nullptr, m_folder / L"FaxService.ini");
    WriteSetting(L"Sender", L"Name", L"Ann Lee");
    ASSERT_TRUE(client.CompleteJobParams(&job, &info));
    EXPECT_STREQ(L"", job->BillingCode);
    EXPECT_STREQ(L"", info->SdrOfficePhone);
    EXPECT_FALSE(info->UseServerCoverPage);
    client.FreeBuffer(job);
    client.FreeBuffer(info);
}

TEST_F(FaxServiceTest, WithoutAFolderSettingTheOutboxIsInTheCommonApplicationData)
{
    SetEnvironmentVariableW(CFaxServiceConfig::kFolderVariable, nullptr);
    wchar_t common[MAX_PATH];
    ASSERT_EQ(S_OK, SHGetFolderPathW(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, common));
    CString outbox =
        CString(common) + L"\\Talvono Software\\Vellumor\\FaxOutbox\\" + CFaxServiceConfig::GetThisComputerName();

    FaxServer server;
    CDispatchDriver document;
    CreateLocalDocument(server, document);
    PutText(document, L"FaxNumber", L"555 0100");
    HRESULT hr = S_OK;
    long id = Send(document, hr);
    ASSERT_EQ(S_OK, hr);

    CString jobFolder = outbox + L"\\" + CString(std::to_wstring(id));
    CFaxJob job;
    EXPECT_TRUE(job.Load(jobFolder));
    EXPECT_EQ(m_document, job.Get(L"FileName"));
    DeleteFileW(jobFolder + L"\\Job.ini");
    DeleteFileW(jobFolder + L"\\VellImage1.bmp");
    RemoveDirectoryW(jobFolder);
}

TEST_F(FaxServiceTest, TheLibraryCanGoOnlyWhenNoObjectIsLeft)
{
    FaxServer server;
    ASSERT_EQ(S_OK, server.Created());
    // The library COM loaded for the class is the system's fax client library.
    HMODULE library = GetModuleHandleW(kFaxClientLibraryName);
    ASSERT_NE(nullptr, library);
    auto canUnload = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
        reinterpret_cast<void*>(GetProcAddress(library, "DllCanUnloadNow")));
    ASSERT_NE(nullptr, canUnload);
    EXPECT_EQ(S_FALSE, canUnload());
    server.Release();
    EXPECT_EQ(S_OK, canUnload());
}
} // namespace
