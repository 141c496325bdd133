#include "capture/destinations/CImageFax.h"

#include "Info/InfoGlobalFunctions.h"
#include "capture/tests/CaptureTestSupport.h"
#include "capture/tests/FolderRemoval.h"
#include "common/SystemHelpers.h"
#include "standins/fax/CFaxJob.h"
#include "standins/fax/CFaxServiceConfig.h"
#include <gtest/gtest.h>
#include <vector>

using namespace capture_test;
using screen_test::ColourWindow;

namespace
{
const wchar_t kNote[] = L"First line\r\nsecond line";
const wchar_t kCoverPage[] = L"C:\\Cover Pages\\confdent.cov";

CString FaxFolder()
{
    return InfoGlobalFunctions::GetScImageDirectory() + L"\\Fax";
}

CString ThisComputer()
{
    return CFaxServiceConfig::GetThisComputerName();
}

InfoScFax MakeRecord(const CString& server, const CString& number, bool useCoverPage, int type)
{
    InfoScFax record(server, number, L"Zo\u00eb \u00c5ngstr\u00f6m", L"Lindqvist & Co", L"Sales", kNote,
                     L"Image created by Vellumor", kCoverPage, useCoverPage, false, 0, 1);
    record.FType = type;
    return record;
}

// A job of a server's outbox: its folder and its fields.
struct QueuedJob
{
    CString folder;
    CFaxJob fields;

    CString Get(const wchar_t* key) const { return fields.Get(key); }
    bool Has(const wchar_t* key) const { return fields.Has(key); }
    // The copy of the document that the job sends.
    std::string DocumentBytes() const { return ReadBytes(folder + L"\\" + Get(L"Document")); }
};

// The fax service runs in a fresh folder of the test, and the program is freshly
// installed: no Fax folder yet.
class CImageFaxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_window.IsShown());
        SetEnvironmentVariableW(CFaxServiceConfig::kFolderVariable, m_folder.Path());
        RemoveFolderTree(FaxFolder());
    }
    void TearDown() override
    {
        SetEnvironmentVariableW(CFaxServiceConfig::kFolderVariable, nullptr);
        RemoveFolderTree(FaxFolder());
    }

    void WriteSetting(const wchar_t* section, const wchar_t* key, const wchar_t* value)
    {
        WritePrivateProfileStringW(section, key, value, m_folder / L"FaxService.ini");
    }

    DestinationResult Run(CImageFax& destination, const InfoScFax& record)
    {
        destination.UseInfo(record);
        return destination.ProcessWindow(m_window.Handle());
    }

    // The jobs queued for the server, in order.
    std::vector<QueuedJob> Jobs(const CString& server) const
    {
        std::vector<QueuedJob> jobs;
        for (const CString& folder : CFaxJob::ListJobs(m_folder.Path() + L"\\FaxOutbox\\" + server))
        {
            jobs.push_back({folder, CFaxJob()});
            jobs.back().fields.Load(folder);
        }
        return jobs;
    }

    ColourWindow m_window{kPaintRect, kPaint};
    TestFolder m_folder;
    CImageFax m_destination;
};
} // namespace

TEST_F(CImageFaxTest, QueuesTheWrittenImageWithTheRecipientAndCoverPageFields)
{
    ASSERT_EQ(DR_DONE, Run(m_destination, MakeRecord(L"(local)", L"+44 20 7946 0018", true, FT_PNG)))
        << m_destination.GetErrorText().ToAnsi();

    std::vector<QueuedJob> jobs = Jobs(ThisComputer());
    ASSERT_EQ(1u, jobs.size());
    const QueuedJob& job = jobs[0];
    CString image = FaxFolder() + L"\\VellImage.png";
    EXPECT_EQ(image, job.Get(L"FileName"));
    // The document queued is the image file written.
    std::string bytes = ReadBytes(image);
    EXPECT_TRUE(StartsWith(bytes, "\x89PNG"));
    EXPECT_EQ(bytes, job.DocumentBytes());
    DecodedImage decoded = Decode(image);
    EXPECT_EQ(kPaintWidth, decoded.width);
    EXPECT_EQ(kPaintHeight, decoded.height);
    EXPECT_EQ(kPaint, decoded.centre);

    EXPECT_EQ(CString(L"+44 20 7946 0018"), job.Get(L"FaxNumber"));
    EXPECT_EQ(CString(L"Zo\u00eb \u00c5ngstr\u00f6m"), job.Get(L"RecipientName"));
    EXPECT_EQ(CString(L"Lindqvist & Co"), job.Get(L"RecipientCompany"));
    EXPECT_EQ(CString(L"Sales"), job.Get(L"RecipientDepartment"));
    EXPECT_EQ(CString(L"1"), job.Get(L"SendCoverpage"));
    EXPECT_EQ(CString(L"1"), job.Get(L"ServerCoverpage"));
    EXPECT_EQ(CString(kNote), job.Get(L"CoverpageNote"));
    EXPECT_EQ(CString(L"Image created by Vellumor"), job.Get(L"CoverpageSubject"));
    EXPECT_EQ(CString(L"Fax sent to Zo\u00eb \u00c5ngstr\u00f6m"), job.Get(L"DisplayName"));
    // Without the fax client's defaults no sender field and no cover-page name is set.
    for (const wchar_t* key : {L"SenderName", L"SenderFax", L"BillingCode", L"CoverpageName"})
        EXPECT_FALSE(job.Has(key)) << CString(key).ToAnsi();

    // The same picture again goes as the same file; a new grab writes a new one.
    ASSERT_EQ(DR_DONE, m_destination.ProcessAgain(nullptr)) << m_destination.GetErrorText().ToAnsi();
    ASSERT_EQ(DR_DONE, m_destination.ProcessWindow(m_window.Handle())) << m_destination.GetErrorText().ToAnsi();
    jobs = Jobs(ThisComputer());
    ASSERT_EQ(3u, jobs.size());
    EXPECT_EQ(image, jobs[1].Get(L"FileName"));
    EXPECT_EQ(FaxFolder() + L"\\VellImage1.png", jobs[2].Get(L"FileName"));
}

TEST_F(CImageFaxTest, SenderFieldsComeFromTheFaxClientsDefaults)
{
    const struct
    {
        const wchar_t* setting;
        const wchar_t* value;
        const wchar_t* property;
    } sender[] = {
        {L"Name", L"Ann Lee", L"SenderName"},
        {L"FaxNumber", L"+1 555 0199", L"SenderFax"},
        {L"Company", L"Talvono", L"SenderCompany"},
        {L"Department", L"Support", L"SenderDepartment"},
        {L"Address", L"1 Quay Street", L"SenderAddress"},
        {L"Title", L"Ms", L"SenderTitle"},
        {L"OfficeLocation", L"Floor 3", L"SenderOffice"},
        {L"HomePhone", L"555 0111", L"SenderHomePhone"},
        {L"OfficePhone", L"555 0122", L"SenderOfficePhone"},
        {L"BillingCode", L"B-17", L"BillingCode"},
    };
    for (const auto& s : sender)
        WriteSetting(L"Sender", s.setting, s.value);
    WriteSetting(L"Sender", L"UseServerCoverPage", L"1");

    // The record's cover-page choice wins over the client's.
    ASSERT_EQ(DR_DONE, Run(m_destination, MakeRecord(L"(local)", L"555 0100", false, FT_BMP)))
        << m_destination.GetErrorText().ToAnsi();
    std::vector<QueuedJob> jobs = Jobs(ThisComputer());
    ASSERT_EQ(1u, jobs.size());
    for (const auto& s : sender)
        EXPECT_EQ(CString(s.value), jobs[0].Get(s.property)) << CString(s.property).ToAnsi();
    EXPECT_EQ(CString(kCoverPage), jobs[0].Get(L"CoverpageName"));
    EXPECT_EQ(CString(L"0"), jobs[0].Get(L"SendCoverpage"));
    EXPECT_EQ(CString(L"1"), jobs[0].Get(L"ServerCoverpage"));
    EXPECT_EQ(CString(L"555 0100"), jobs[0].Get(L"FaxNumber"));
    EXPECT_TRUE(StartsWith(ReadBytes(FaxFolder() + L"\\VellImage.bmp"), "BM"));
}

TEST_F(CImageFaxTest, LocalServerNamesConnectAsThisComputerAndOthersByName)
{
    WriteSetting(L"Servers", L"FAXHUB", L"Head office");
    CString lowerName = ThisComputer();
    lowerName.MakeLower();
    const struct
    {
        CString server;
        CString outbox;
        CString connectedAs;
    } cases[] = {
        {L"(local)", ThisComputer(), L""},
        {lowerName, ThisComputer(), L""},
        {L"FAXHUB", L"FAXHUB", L"FAXHUB"},
    };
    for (const auto& c : cases)
    {
        ASSERT_EQ(DR_DONE, Run(m_destination, MakeRecord(c.server, L"555 0100", false, FT_BMP)))
            << c.server.ToAnsi() << ": " << m_destination.GetErrorText().ToAnsi();
        std::vector<QueuedJob> jobs = Jobs(c.outbox);
        ASSERT_FALSE(jobs.empty()) << c.server.ToAnsi();
        EXPECT_EQ(c.connectedAs, jobs.back().Get(L"ConnectedAs")) << c.server.ToAnsi();
    }
}

TEST_F(CImageFaxTest, FailuresNameTheServerAndTheServicesError)
{
    const struct
    {
        const char* label;
        const wchar_t* installed;
        const wchar_t* server;
        const wchar_t* number;
        const wchar_t* format;
        HRESULT hr;
    } cases[] = {
        {"unknown server", L"1", L"ELSEWHERE", L"555 0100", L"Cannot connect to the specified fax server '%s'. Error: %s",
         HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE)},
        // Only the exact "(local)" stands for this computer.
        {"local in capitals", L"1", L"(LOCAL)", L"555 0100", L"Cannot connect to the specified fax server '%s'. Error: %s",
         HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE)},
        // The system without a fax service: the class is not registered.
        {"no fax service", L"0", L"(local)", L"555 0100",
         L"COM interface IFaxServer not found for fax server '%s'. Error: %s", REGDB_E_CLASSNOTREG},
        {"no fax number", L"1", L"(local)", L"", L"Failure sending the image using the network fax server '%s'. Error: %s",
         HRESULT_FROM_WIN32(ERROR_INVALID_PARAMETER)},
    };
    for (const auto& c : cases)
    {
        WriteSetting(L"Service", L"Installed", c.installed);
        RemoveFolderTree(FaxFolder());
        CImageFax destination;
        EXPECT_EQ(DR_FAILED, Run(destination, MakeRecord(c.server, c.number, false, FT_GIF))) << c.label;

        CString expected;
        expected.Format(c.format, c.server, GetHResultText(c.hr).GetString());
        EXPECT_EQ(expected, destination.GetErrorText()) << c.label;
        EXPECT_FALSE(GetHResultText(c.hr).IsEmpty()) << c.label;
        EXPECT_TRUE(Jobs(ThisComputer()).empty()) << c.label;
        // The image was written before the send was tried.
        EXPECT_TRUE(StartsWith(ReadBytes(FaxFolder() + L"\\VellImage.gif"), "GIF8")) << c.label;
    }
}

TEST_F(CImageFaxTest, PictureThatCannotBeWrittenIsNotSent)
{
    // A file where the Fax folder belongs: the folder cannot be made.
    CreateDirectoryW(InfoGlobalFunctions::GetScImageDirectory(), nullptr);
    WriteBytes(FaxFolder(), "x");

    ASSERT_EQ(DR_FAILED, Run(m_destination, MakeRecord(L"(local)", L"555 0100", false, FT_JPG)));
    CString prefix = L"The specified directory (" + FaxFolder() + L"\\) cannot be created. System error: ";
    EXPECT_EQ(prefix, m_destination.GetErrorText().Left(prefix.GetLength())) << m_destination.GetErrorText().ToAnsi();
    EXPECT_TRUE(Jobs(ThisComputer()).empty());
    DeleteFileW(FaxFolder());
}

TEST(CImageFaxInfoTest, EachPartCopiesItsFieldsAndTheRecordIsKeptWhenTheGrabFails)
{
    const InfoScFax blank(L"", L"", L"", L"", L"", L"", L"", L"", false, false, 0, 1);
    const InfoScFax source(L"FAXHUB", L"555", L"Ann", L"Co", L"Dept", L"Note", L"Subject", L"a.cov", true, true, 7, 3);
    const struct
    {
        unsigned int part;
        InfoScFax expected;
    } cases[] = {
        {1, InfoScFax(L"", L"", L"", L"", L"", L"", L"", L"", false, true, 0, 1)},
        {2, blank},
        {3, InfoScFax(L"", L"", L"", L"", L"", L"", L"", L"", false, false, 7, 3)},
        {4, InfoScFax(L"FAXHUB", L"555", L"Ann", L"Co", L"Dept", L"", L"", L"", false, false, 0, 1)},
        {5, InfoScFax(L"", L"", L"", L"", L"", L"Note", L"Subject", L"a.cov", true, false, 0, 1)},
    };
    for (const auto& c : cases)
    {
        CImageFax destination;
        destination.SetInfo(&blank, 0);
        destination.SetInfo(&source, c.part);
        EXPECT_TRUE(c.expected == *static_cast<InfoScFax*>(destination.GetInfo())) << c.part;
    }

    CImageFax destination;
    EXPECT_EQ(DR_FAILED, destination.ProcessWindowWithInfo(nullptr, &source));
    EXPECT_TRUE(source == *static_cast<InfoScFax*>(destination.GetInfo()));
}
