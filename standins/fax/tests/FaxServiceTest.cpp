// The fax service stand-in, reached as programs reach it: through CFaxServiceLibrary,
// with the service's folder moved to a fresh folder of the test.
#include "common/auto_p.h"
#include "common/tests/TestFolder.h"
#include "standins/fax/CFaxJob.h"
#include "standins/fax/CFaxServiceConfig.h"
#include "standins/fax/CFaxServiceLibrary.h"
#include <gtest/gtest.h>
#include <shlobj.h>
#include <string>

namespace
{
const char kDocumentBytes[] = "BM fax document bytes \x01\x02\x03\xff";

// A BSTR that frees itself.
class Bstr
{
public:
    explicit Bstr(const wchar_t* text) : m_text(SysAllocString(text)) {}
    ~Bstr() { SysFreeString(m_text); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    operator BSTR() const { return m_text; }

private:
    BSTR m_text;
};

std::string ReadBytes(const CString& path)
{
    std::string bytes;
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

void WriteBytes(const CString& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

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

class FaxServiceTest : public testing::Test
{
protected:
    void SetUp() override
    {
        SetEnvironmentVariableW(kFaxServiceFolderVariable, m_folder.Path());
        m_document = m_folder / L"VellImage1.bmp";
        WriteBytes(m_document, std::string(kDocumentBytes, sizeof(kDocumentBytes) - 1));
    }
    void TearDown() override { SetEnvironmentVariableW(kFaxServiceFolderVariable, nullptr); }

    void WriteSetting(const wchar_t* section, const wchar_t* key, const wchar_t* value)
    {
        WritePrivateProfileStringW(section, key, value, m_folder / L"FaxService.ini");
    }

    CString Outbox(const CString& server) const { return m_folder.Path() + L"\\FaxOutbox\\" + server; }

    // A server connected to name; null on failure, with connectResult set.
    IFaxServer* Connect(const wchar_t* name, HRESULT& connectResult)
    {
        IFaxServer* server = nullptr;
        connectResult = m_library.CreateFaxServer(&server);
        if (FAILED(connectResult))
            return nullptr;
        connectResult = name ? server->Connect(Bstr(name)) : server->Connect(nullptr);
        if (FAILED(connectResult))
        {
            server->Release();
            return nullptr;
        }
        return server;
    }

    IFaxDoc* CreateDocument(IFaxServer* server)
    {
        IFaxDoc* document = nullptr;
        EXPECT_EQ(S_OK, server->CreateDocument(Bstr(m_document), &document));
        return document;
    }

    TestFolder m_folder;
    CString m_document;
    CFaxServiceLibrary m_library;
};

TEST_F(FaxServiceTest, SendQueuesACopyOfTheDocumentAndItsFieldsAsTheNextJob)
{
    HRESULT hr = S_OK;
    auto_rel<IFaxServer> server;
    server.Attach(Connect(nullptr, hr));
    ASSERT_EQ(S_OK, hr);
    auto_rel<IFaxDoc> document;
    document.Attach(CreateDocument(server));
    ASSERT_TRUE(document);

    document->put_FaxNumber(Bstr(L"+44 20 7946 0018"));
    document->put_RecipientName(Bstr(L"Zo\u00eb \u00c5ngstr\u00f6m"));
    document->put_RecipientCompany(Bstr(L"Lindqvist & Co"));
    document->put_RecipientDepartment(nullptr);
    document->put_SendCoverpage(TRUE);
    document->put_ServerCoverpage(FALSE);
    document->put_CoverpageName(Bstr(L"confdent.cov"));
    document->put_CoverpageNote(Bstr(L"First line\r\nC:\\second\\line"));
    document->put_CoverpageSubject(Bstr(L"Image created by Vellumor"));
    document->put_DisplayName(Bstr(L"Fax sent to Zo\u00eb"));
    document->put_SenderName(Bstr(L"Ann Lee"));
    long first = 0;
    long second = 0;
    ASSERT_EQ(S_OK, document->Send(&first));
    ASSERT_EQ(S_OK, document->Send(&second));
    EXPECT_EQ(1, first);
    EXPECT_EQ(2, second);

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

    HRESULT hr = S_OK;
    auto_rel<IFaxServer> server;
    server.Attach(Connect(c.name ? name.GetString() : nullptr, hr));
    if (!c.known)
    {
        EXPECT_EQ(HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE), hr);
        EXPECT_TRUE(HasSystemText(hr));
        return;
    }
    ASSERT_EQ(S_OK, hr);
    auto_rel<IFaxDoc> document;
    document.Attach(CreateDocument(server));
    ASSERT_TRUE(document);
    document->put_FaxNumber(Bstr(L"555 0100"));
    ASSERT_EQ(S_OK, document->Send(nullptr));

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
    HRESULT hr = S_OK;
    auto_rel<IFaxServer> server;
    server.Attach(Connect(nullptr, hr));
    ASSERT_EQ(S_OK, hr);
    CString outbox = Outbox(CFaxServiceConfig::GetThisComputerName());

    auto_rel<IFaxDoc> noNumber;
    noNumber.Attach(CreateDocument(server));
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_INVALID_PARAMETER), noNumber->Send(nullptr));

    auto_rel<IFaxDoc> missingFile;
    missingFile.Attach(CreateDocument(server));
    missingFile->put_FaxNumber(Bstr(L"555 0100"));
    missingFile->put_FileName(Bstr(m_folder / L"gone.bmp"));
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND), missingFile->Send(nullptr));

    auto_rel<IFaxDoc> disconnected;
    disconnected.Attach(CreateDocument(server));
    disconnected->put_FaxNumber(Bstr(L"555 0100"));
    server->Disconnect();
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_NOT_CONNECTED), disconnected->Send(nullptr));

    IFaxDoc* document = nullptr;
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_NOT_CONNECTED), server->CreateDocument(Bstr(m_document), &document));
    EXPECT_EQ(nullptr, document);
    ASSERT_EQ(S_OK, server->Connect(nullptr));
    EXPECT_EQ(E_INVALIDARG, server->CreateDocument(Bstr(L""), &document));

    EXPECT_EQ(0, CountSubfolders(outbox));
}

TEST_F(FaxServiceTest, ADocumentKeepsItsServerAliveUntilItIsReleased)
{
    HRESULT hr = S_OK;
    IFaxServer* server = Connect(nullptr, hr);
    ASSERT_EQ(S_OK, hr);
    auto_rel<IFaxDoc> document;
    document.Attach(CreateDocument(server));
    server->Release();
    document->put_FaxNumber(Bstr(L"555 0100"));
    EXPECT_EQ(S_OK, document->Send(nullptr));
}

TEST_F(FaxServiceTest, WithoutTheServiceNothingCanBeCreated)
{
    WriteSetting(L"Service", L"Installed", L"0");
    WriteSetting(L"Sender", L"Name", L"Ann Lee");
    IFaxServer* server = reinterpret_cast<IFaxServer*>(1);
    EXPECT_EQ(REGDB_E_CLASSNOTREG, m_library.CreateFaxServer(&server));
    EXPECT_EQ(nullptr, server);
    FAX_JOB_PARAMW* job = nullptr;
    FAX_COVERPAGE_INFOW* info = nullptr;
    EXPECT_FALSE(m_library.FaxCompleteJobParams(&job, &info));
    EXPECT_EQ(static_cast<DWORD>(ERROR_SERVICE_DOES_NOT_EXIST), GetLastError());

    CFaxServiceLibrary absent(L"NoSuchFaxService.dll");
    EXPECT_FALSE(absent.IsLoaded());
    EXPECT_EQ(REGDB_E_CLASSNOTREG, absent.CreateFaxServer(&server));
    EXPECT_EQ(nullptr, server);
    job = reinterpret_cast<FAX_JOB_PARAMW*>(1);
    EXPECT_FALSE(absent.FaxCompleteJobParams(&job, &info));
    EXPECT_EQ(static_cast<DWORD>(ERROR_MOD_NOT_FOUND), GetLastError());
    EXPECT_EQ(nullptr, job);
    EXPECT_EQ(nullptr, info);
}

TEST_F(FaxServiceTest, SenderDefaultsComeFromTheSenderSettings)
{
    FAX_JOB_PARAMW* job = nullptr;
    FAX_COVERPAGE_INFOW* info = nullptr;
    ASSERT_FALSE(m_library.FaxCompleteJobParams(&job, &info));
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
    ASSERT_TRUE(m_library.FaxCompleteJobParams(&job, &info));

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
    m_library.FaxFreeBuffer(job);
    m_library.FaxFreeBuffer(info);

    // Unset sender values are empty texts, not missing ones.
    WritePrivateProfileStringW(L"Sender", nullptr, nullptr, m_folder / L"FaxService.ini");
    WriteSetting(L"Sender", L"Name", L"Ann Lee");
    ASSERT_TRUE(m_library.FaxCompleteJobParams(&job, &info));
    EXPECT_STREQ(L"", job->BillingCode);
    EXPECT_STREQ(L"", info->SdrOfficePhone);
    EXPECT_FALSE(info->UseServerCoverPage);
    m_library.FaxFreeBuffer(job);
    m_library.FaxFreeBuffer(info);
}

TEST_F(FaxServiceTest, WithoutAFolderSettingTheOutboxIsInTheCommonApplicationData)
{
    SetEnvironmentVariableW(kFaxServiceFolderVariable, nullptr);
    wchar_t common[MAX_PATH];
    ASSERT_EQ(S_OK, SHGetFolderPathW(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, common));
    CString outbox =
        CString(common) + L"\\Talvono Software\\Vellumor\\FaxOutbox\\" + CFaxServiceConfig::GetThisComputerName();

    HRESULT hr = S_OK;
    auto_rel<IFaxServer> server;
    server.Attach(Connect(nullptr, hr));
    ASSERT_EQ(S_OK, hr);
    auto_rel<IFaxDoc> document;
    document.Attach(CreateDocument(server));
    document->put_FaxNumber(Bstr(L"555 0100"));
    long id = 0;
    ASSERT_EQ(S_OK, document->Send(&id));

    CString jobFolder = outbox + L"\\" + CString(std::to_wstring(id));
    CFaxJob job;
    EXPECT_TRUE(job.Load(jobFolder));
    EXPECT_EQ(m_document, job.Get(L"FileName"));
    DeleteFileW(jobFolder + L"\\Job.ini");
    DeleteFileW(jobFolder + L"\\VellImage1.bmp");
    RemoveDirectoryW(jobFolder);
}
} // namespace
