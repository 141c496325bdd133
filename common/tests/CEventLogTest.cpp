#include "common/CEventLog.h"
#include "common/CFileEventLogStore.h"
#include "common/IEventLogStore.h"
#include "testing/CStringPrinter.h"
#include "testing/TestChild.h"
#include "testing/TestFolder.h"
#include "testing/TestRoot.h"
#include <gtest/gtest.h>
#include <sddl.h>
#include <shellapi.h>
#include <string>
#include <vector>

namespace
{
// This program doubles as a second reporting process: started with
//     --report-child <source> <count> <text> [<start event name>]
// it waits for the start event when one is named, reports text (with " <n>" appended when
// count is above 1) count times instead of running the tests (TestChild.h), and tells
// the outcome through its exit code.
const wchar_t kChildSwitch[] = L"--report-child";
const DWORD kChildReported = 3;
const DWORD kChildReportFailed = 4;
const DWORD kChildBadArguments = 5;

CString GetProgramPath()
{
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

void ReportAsChild(int argc, LPWSTR* argv)
{
    if (argc == 6)
    {
        HANDLE start = OpenEventW(SYNCHRONIZE, FALSE, argv[5]);
        if (!start || WaitForSingleObject(start, 60000) != WAIT_OBJECT_0)
            ExitProcess(kChildBadArguments);
        CloseHandle(start);
    }
    int count = _wtoi(argv[3]);
    CEventLog log;
    for (int i = 0; i < count; ++i)
    {
        CString text(argv[4]);
        if (count > 1)
            text.AppendFormat(L" %d", i);
        if (!log.Report(argv[2], GetProgramPath(), EVENTLOG_ERROR_TYPE, 1, text))
            ExitProcess(kChildReportFailed);
    }
    ExitProcess(kChildReported);
}

DWORD RunReportingChild(int argc, wchar_t** argv)
{
    if (argc != 5 && argc != 6)
        return kChildBadArguments;
    ReportAsChild(argc, argv);
    return kChildReported;
}
[[maybe_unused]] const bool s_reportingChild = RegisterTestChild(kChildSwitch, RunReportingChild);

class CChildProcess
{
public:
    explicit CChildProcess(const std::wstring& arguments)
    {
        if (StartTestChild(kChildSwitch, arguments, m_process))
            CloseHandle(m_process.hThread);
    }
    CChildProcess(const CChildProcess&) = delete;
    CChildProcess& operator=(const CChildProcess&) = delete;
    ~CChildProcess()
    {
        if (m_process.hProcess)
            CloseHandle(m_process.hProcess);
    }

    // The exit code; a child still running after a minute is ended and counts as failed.
    DWORD Wait()
    {
        DWORD exitCode = static_cast<DWORD>(-1);
        if (!m_process.hProcess)
            return exitCode;
        if (WaitForSingleObject(m_process.hProcess, 60000) == WAIT_OBJECT_0)
            GetExitCodeProcess(m_process.hProcess, &exitCode);
        else
            TerminateProcess(m_process.hProcess, exitCode);
        return exitCode;
    }

private:
    PROCESS_INFORMATION m_process = {};
};

const wchar_t kSourcesKey[] = L"SYSTEM\\CurrentControlSet\\Services\\EventLog\\Application\\";
const wchar_t kOtherServer[] = L"\\\\VellNoSuchServer";

std::vector<CString> ToVector(const CStringArray& texts)
{
    return std::vector<CString>(texts.begin(), texts.end());
}

// Every test starts on an empty log and leaves the log empty and its sources unregistered.
class EventLogTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_log.Clear(nullptr, nullptr)) << m_log.GetErrorText().ToAnsi(); }
    void TearDown() override
    {
        m_log.Clear(nullptr, nullptr);
        for (const CString& source : m_sources)
            RegDeleteKeyW(HKEY_LOCAL_MACHINE, CString(kSourcesKey) + source);
    }

    // A source name of this test, unregistered until something registers it.
    CString Source(const wchar_t* name)
    {
        CString source;
        source.Format(L"VellEventLogTest%s%lu", name, GetCurrentProcessId());
        RegDeleteKeyW(HKEY_LOCAL_MACHINE, CString(kSourcesKey) + source);
        m_sources.push_back(source);
        return source;
    }

    void Report(const CString& source, const wchar_t* text)
    {
        ASSERT_TRUE(m_log.Report(source, GetProgramPath(), EVENTLOG_ERROR_TYPE, 1, text))
            << m_log.GetErrorText().ToAnsi();
    }

    std::vector<CString> Read(const CString& source)
    {
        CStringArray texts;
        EXPECT_TRUE(m_log.Read(nullptr, source, texts)) << m_log.GetErrorText().ToAnsi();
        return ToVector(texts);
    }

    CEventLog m_log;
    std::vector<CString> m_sources;
};

TEST_F(EventLogTest, ReportRegistersTheSourceAndReadsBackOneLineTextsOldestFirst)
{
    CString source = Source(L"Lines");
    Report(source, L"12/01/2024 10:00:00  Task  first\r\nsecond");
    Report(source, L"lone\rreturn and lone\nfeed");
    EXPECT_TRUE(m_log.GetErrorText().IsEmpty());

    EXPECT_EQ(Read(source),
              (std::vector<CString>{L"12/01/2024 10:00:00  Task  first  second", L"lone return and lone feed"}));

    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, CString(kSourcesKey) + source, 0, KEY_READ, &key), ERROR_SUCCESS);
    wchar_t messageFile[MAX_PATH] = L"";
    DWORD type = 0;
    DWORD size = sizeof(messageFile);
    EXPECT_EQ(RegQueryValueExW(key, L"EventMessageFile", nullptr, &type, reinterpret_cast<BYTE*>(messageFile), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_EXPAND_SZ));
    EXPECT_EQ(CString(messageFile), GetProgramPath());
    DWORD types = 0;
    size = sizeof(types);
    EXPECT_EQ(RegQueryValueExW(key, L"TypesSupported", nullptr, &type, reinterpret_cast<BYTE*>(&types), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(types, 7u);
    RegCloseKey(key);
}

TEST_F(EventLogTest, ReadingKeepsOnlyTheRecordsOfExactlyThatSource)
{
    CString source = Source(L"Case");
    CString otherCase = source;
    otherCase.MakeLower();
    m_sources.push_back(otherCase);
    CString quiet = Source(L"Quiet");
    ASSERT_TRUE(m_log.RegisterSource(quiet, GetProgramPath()));

    Report(source, L"mine");
    Report(otherCase, L"lower case");
    Report(source, L"mine too");

    EXPECT_EQ(Read(source), (std::vector<CString>{L"mine", L"mine too"}));
    EXPECT_EQ(Read(otherCase), (std::vector<CString>{L"lower case"}));
    EXPECT_TRUE(Read(quiet).empty());
}

TEST_F(EventLogTest, ARecordLargerThanTheFirstReadIsReadWithEverythingAfterIt)
{
    CString source = Source(L"Large");
    CString large(L'x', 1500);
    Report(source, L"before");
    Report(source, large);
    for (const wchar_t* text : {L"after 1", L"after 2", L"after 3"})
        Report(source, text);

    EXPECT_EQ(Read(source), (std::vector<CString>{L"before", large, L"after 1", L"after 2", L"after 3"}));
}

TEST_F(EventLogTest, AReportOfAnotherProcessIsReadHere)
{
    CString source = Source(L"Child");
    CChildProcess child(L"\"" + source.str() + L"\" 1 \"from the child\"");
    ASSERT_EQ(child.Wait(), kChildReported);

    EXPECT_EQ(Read(source), (std::vector<CString>{L"from the child"}));
}

TEST_F(EventLogTest, TwoProcessesReportingAtOnceLoseNothing)
{
    const int kReportsEach = 100;
    CString first = Source(L"First");
    CString second = Source(L"Second");
    CString startName;
    startName.Format(L"VellEventLogTestStart%lu", GetCurrentProcessId());
    HANDLE start = CreateEventW(nullptr, TRUE, FALSE, startName);
    ASSERT_NE(start, nullptr);
    std::wstring rest = L" " + std::to_wstring(kReportsEach) + L" report " + startName.str();
    CChildProcess firstChild(L"\"" + first.str() + L"\"" + rest);
    CChildProcess secondChild(L"\"" + second.str() + L"\"" + rest);
    SetEvent(start);
    EXPECT_EQ(firstChild.Wait(), kChildReported);
    EXPECT_EQ(secondChild.Wait(), kChildReported);
    CloseHandle(start);

    std::vector<CString> expected;
    for (int i = 0; i < kReportsEach; ++i)
        expected.push_back(L"report " + CString(std::to_wstring(i)));
    EXPECT_EQ(Read(first), expected);
    EXPECT_EQ(Read(second), expected);
}

TEST_F(EventLogTest, ClearEmptiesTheLogOfEverySource)
{
    CString source = Source(L"Clear");
    CString other = Source(L"ClearOther");
    Report(source, L"one");
    Report(other, L"two");

    ASSERT_TRUE(m_log.Clear(nullptr, nullptr)) << m_log.GetErrorText().ToAnsi();
    EXPECT_TRUE(Read(source).empty());
    EXPECT_TRUE(Read(other).empty());
    Report(source, L"after clearing");
    EXPECT_EQ(Read(source), (std::vector<CString>{L"after clearing"}));
}

// The backup file holds the text of a record (UTF-16).
bool FileHoldsText(const CString& path, const CString& text)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    std::string needle(reinterpret_cast<const char*>(text.GetString()), text.GetLength() * sizeof(wchar_t));
    return bytes.find(needle) != std::string::npos;
}

TEST_F(EventLogTest, ClearWithABackupFileSavesTheLogFirstAndNeverOverwritesOne)
{
    TestFolder folder;
    CString backup = folder / L"backup.evt";
    CString source = Source(L"Backup");
    Report(source, L"worth keeping");

    ASSERT_TRUE(m_log.Clear(nullptr, backup)) << m_log.GetErrorText().ToAnsi();
    EXPECT_TRUE(FileHoldsText(backup, L"worth keeping"));
    EXPECT_TRUE(Read(source).empty());

    Report(source, L"still here");
    EXPECT_FALSE(m_log.Clear(nullptr, backup));
    CString prefix = L"Failure clearing the system's event log. Error: ";
    EXPECT_EQ(m_log.GetErrorText().Left(prefix.GetLength()), prefix);
    EXPECT_GT(m_log.GetErrorText().GetLength(), prefix.GetLength());
    EXPECT_EQ(Read(source), (std::vector<CString>{L"still here"}));
}

TEST_F(EventLogTest, RegisteringAgainRewritesBothValues)
{
    CString source = Source(L"Again");
    ASSERT_TRUE(m_log.RegisterSource(source, L"C:\\Old\\Old.exe"));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, CString(kSourcesKey) + source, 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    DWORD oddTypes = 1;
    RegSetValueExW(key, L"TypesSupported", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&oddTypes), sizeof(oddTypes));

    EXPECT_TRUE(m_log.RegisterSource(source, L"%ProgramFiles%\\New.exe"));

    wchar_t messageFile[MAX_PATH] = L"";
    DWORD type = 0;
    DWORD size = sizeof(messageFile);
    RegQueryValueExW(key, L"EventMessageFile", nullptr, &type, reinterpret_cast<BYTE*>(messageFile), &size);
    EXPECT_EQ(CString(messageFile), L"%ProgramFiles%\\New.exe");
    EXPECT_EQ(type, static_cast<DWORD>(REG_EXPAND_SZ));
    DWORD types = 0;
    size = sizeof(types);
    RegQueryValueExW(key, L"TypesSupported", nullptr, nullptr, reinterpret_cast<BYTE*>(&types), &size);
    EXPECT_EQ(types, 7u);
    RegCloseKey(key);
}

// Lets the source's key be read and deleted but not written, as for a user without
// administrative rights.
void DenyWritingKey(const CString& source)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, CString(kSourcesKey) + source, 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    PSECURITY_DESCRIPTOR security = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:P(D;;0x6;;;WD)(A;;KA;;;WD)", SDDL_REVISION_1,
                                                                     &security, nullptr));
    EXPECT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, security), ERROR_SUCCESS);
    LocalFree(security);
    RegCloseKey(key);
}

TEST_F(EventLogTest, ASourceThatCannotBeRegisteredAgainStillReports)
{
    CString source = Source(L"Denied");
    ASSERT_TRUE(m_log.RegisterSource(source, GetProgramPath()));
    DenyWritingKey(source);
    ASSERT_FALSE(m_log.RegisterSource(source, GetProgramPath())) << "the key can still be written";
    EXPECT_TRUE(CEventLog::SourceExists(source));

    EXPECT_TRUE(m_log.Report(source, GetProgramPath(), EVENTLOG_ERROR_TYPE, 1, L"reported anyway"));
    EXPECT_TRUE(m_log.GetErrorText().IsEmpty()) << m_log.GetErrorText().ToAnsi();
    EXPECT_EQ(Read(source), (std::vector<CString>{L"reported anyway"}));
}

TEST_F(EventLogTest, FailuresGiveFalseAndTheirText)
{
    const CString kOpenFailure = L"Failure opening the system's event log. Error: ";
    CString registered = Source(L"Registered");
    ASSERT_TRUE(m_log.RegisterSource(registered, GetProgramPath()));
    CString unregistered = Source(L"Unregistered");
    CStringArray texts;
    texts.Add(L"left over");

    const CString kNullSource = L"Failure opening source name registry key. The provided source name string is null.";
    EXPECT_FALSE(m_log.Report(nullptr, GetProgramPath(), EVENTLOG_ERROR_TYPE, 1, L"text"));
    EXPECT_EQ(m_log.GetErrorText(), kNullSource);
    EXPECT_FALSE(m_log.Report(registered, nullptr, EVENTLOG_ERROR_TYPE, 1, L"text"));
    EXPECT_EQ(m_log.GetErrorText(), kNullSource);

    EXPECT_FALSE(m_log.Read(nullptr, nullptr, texts));
    EXPECT_EQ(m_log.GetErrorText(), L"Failure reading the system's event log. The provided source name is null.");
    EXPECT_TRUE(texts.IsEmpty());

    EXPECT_FALSE(m_log.Read(kOtherServer, registered, texts));
    EXPECT_EQ(m_log.GetErrorText().Left(kOpenFailure.GetLength()), kOpenFailure);
    EXPECT_GT(m_log.GetErrorText().GetLength(), kOpenFailure.GetLength()) << "no system text";

    EXPECT_FALSE(m_log.Read(kOtherServer, unregistered, texts));
    EXPECT_TRUE(m_log.GetErrorText().IsEmpty()) << m_log.GetErrorText().ToAnsi();

    EXPECT_FALSE(m_log.Clear(kOtherServer, nullptr));
    EXPECT_EQ(m_log.GetErrorText().Left(kOpenFailure.GetLength()), kOpenFailure);
}

// Formats records its own way, as the logs of other programs might.
class CEventIdLog : public CEventLog
{
public:
    CString GetRecordText(const EVENTLOGRECORD* record) override
    {
        CString text;
        text.Format(L"%lu/%u/%s", record->EventID, record->EventType, CEventLog::GetRecordText(record).GetString());
        return text;
    }
};

TEST_F(EventLogTest, ReadingTakesEachRecordsTextFromTheOverridableFormatter)
{
    CString source = Source(L"Format");
    ASSERT_TRUE(m_log.Report(source, GetProgramPath(), EVENTLOG_WARNING_TYPE, 42, L"warned"));
    CEventIdLog log;
    CStringArray texts;

    ASSERT_TRUE(log.Read(nullptr, source, texts));
    EXPECT_EQ(ToVector(texts), (std::vector<CString>{L"42/2/warned"}));
    EXPECT_TRUE(m_log.GetRecordText(nullptr).IsEmpty());
}

TEST_F(EventLogTest, AHalfWrittenLastRecordIsDroppedAndReportingGoesOn)
{
    if (!dynamic_cast<CFileEventLogStore*>(&IEventLogStore::ForThisSystem()))
        GTEST_SKIP() << "the system's event log is in use";
    CString source = Source(L"Torn");
    Report(source, L"whole");
    // What a writer that died in the middle of a record leaves behind.
    HANDLE file = CreateFileW(CFileEventLogStore::GetFilePath(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EVENTLOGRECORD torn = {};
    torn.Length = 400;
    torn.Reserved = CFileEventLogStore::kRecordSignature;
    DWORD written = 0;
    WriteFile(file, &torn, sizeof(torn), &written, nullptr);
    CloseHandle(file);

    EXPECT_EQ(Read(source), (std::vector<CString>{L"whole"}));
    Report(source, L"next");
    EXPECT_EQ(Read(source), (std::vector<CString>{L"whole", L"next"}));
}

TEST(EventLogMessageTableTest, HoldsOneUnicodeMessageThatIsItsInsertionString)
{
    const WORD kEnglishUs = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    HRSRC resource = FindResourceExW(nullptr, RT_MESSAGETABLE, MAKEINTRESOURCEW(1), kEnglishUs);
    ASSERT_NE(resource, nullptr);
    auto table = static_cast<const MESSAGE_RESOURCE_DATA*>(LockResource(LoadResource(nullptr, resource)));
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->NumberOfBlocks, 1u);
    EXPECT_EQ(table->Blocks[0].LowId, 1u);
    EXPECT_EQ(table->Blocks[0].HighId, 1u);
    auto entry = reinterpret_cast<const MESSAGE_RESOURCE_ENTRY*>(reinterpret_cast<const BYTE*>(table) +
                                                                 table->Blocks[0].OffsetToEntries);
    EXPECT_EQ(entry->Flags, MESSAGE_RESOURCE_UNICODE);
    EXPECT_EQ(CString(reinterpret_cast<const wchar_t*>(entry->Text)), L"%1\r\n");

    DWORD_PTR arguments[] = {reinterpret_cast<DWORD_PTR>(L"Disk full")};
    wchar_t text[64] = L"";
    ASSERT_NE(FormatMessageW(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_ARGUMENT_ARRAY, nullptr, 1, kEnglishUs, text,
                             64, reinterpret_cast<va_list*>(arguments)),
              0u);
    EXPECT_EQ(CString(text), L"Disk full\r\n");
}
} // namespace

TEST(CFileEventLogStoreFolder, ATestProgramKeepsItsLogBelowItsOwnRoot)
{
    const CString path = CFileEventLogStore::GetFilePath();
    EXPECT_EQ(TestRoot() + L"\\EventLog\\", path.Left(TestRoot().GetLength() + 10)) << path.ToAnsi();
}
