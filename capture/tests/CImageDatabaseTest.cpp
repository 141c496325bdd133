#include "capture/destinations/CImageDatabase.h"
#include "capture/destinations/CaptureTables.h"
#include "capture/tests/CaptureTestSupport.h"
#include "capture/tests/OdbcProbe.h"
#include <gtest/gtest.h>

#include <cmath>
#include <cwchar>
#include <regex>
#include <vector>

using namespace capture_test;
using screen_test::ColourWindow;

namespace
{
// One extra column of the record: name, type code, value text.
struct Column
{
    const wchar_t* name;
    int type;
    const wchar_t* value;
};

CString ExtraColInfo(const std::vector<Column>& columns)
{
    CStringList names, values;
    CList<int> types;
    for (const Column& column : columns)
    {
        names.AddTail(column.name);
        types.AddTail(column.type);
        values.AddTail(column.value);
    }
    InfoScDatabase record;
    record.SetExtraColInfo(names, types, values);
    return record.ExtraColInfo;
}

// The capt<n>.bmp files in the log folder, where the destination keeps its temporary
// bitmap.
std::vector<CString> TemporaryFiles()
{
    std::vector<CString> files;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(GetLogDirectory() + L"\\capt*.bmp", &found);
    if (search == INVALID_HANDLE_VALUE)
        return files;
    do
        files.push_back(GetLogDirectory() + L"\\" + found.cFileName);
    while (FindNextFileW(search, &found));
    FindClose(search);
    return files;
}

// Seconds between a stored "yyyy-mm-dd hh:mm:ss" and the local time now.
double SecondsFromNow(const std::wstring& stored)
{
    SYSTEMTIME time = {};
    if (swscanf(stored.c_str(), L"%hu-%hu-%hu %hu:%hu:%hu", &time.wYear, &time.wMonth, &time.wDay, &time.wHour,
                &time.wMinute, &time.wSecond) != 6)
        return 1e9;
    SYSTEMTIME now;
    GetLocalTime(&now);
    FILETIME a, b;
    SystemTimeToFileTime(&time, &a);
    SystemTimeToFileTime(&now, &b);
    auto ticks = [](const FILETIME& t) {
        return static_cast<double>((ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime);
    };
    return std::abs(ticks(b) - ticks(a)) / 1e7;
}

// Exposes the picture the destination holds, to write it with the encoder the
// destination uses for its bitmap file.
class InspectedDatabase : public CImageDatabase
{
public:
    bool SaveBitmapFile(const CString& path) const
    {
        return SUCCEEDED(m_image->Save(path, GetImageEncoderClsid(FT_BMP)));
    }
};

const wchar_t kFailurePrefix[] = L"The specified query failed. Error: ";

class CImageDatabaseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_window.IsShown());
        m_connect = Env(L"VELL_ODBC_CONNECT").c_str();
        ASSERT_FALSE(m_connect.IsEmpty()) << "VELL_ODBC_CONNECT is not set: run the program through "
                                             "ctest, whose runner makes the database.";
        ASSERT_TRUE(m_db.Connect(m_connect.str())) << m_db.Error();
        ASSERT_TRUE(m_db.Execute(L"DROP TABLE IF EXISTS Shots")) << m_db.Error();
        ASSERT_TRUE(m_db.Execute(L"CREATE TABLE Shots (id INTEGER PRIMARY KEY AUTOINCREMENT, Picture LONGVARBINARY, "
                                 L"Label VARCHAR(255), Number INTEGER, Big INTEGER, Flag BIT, Ratio REAL, "
                                 L"Amount DOUBLE, Taken TIMESTAMP, Small TINYINT)"))
            << m_db.Error();
        for (const CString& file : TemporaryFiles()) // left by an earlier run that crashed
            DeleteFileW(file);
    }

    // The temporary bitmap never outlives a run, whatever its outcome.
    void TearDown() override { EXPECT_TRUE(TemporaryFiles().empty()) << TemporaryFiles().front().GetString(); }

    DestinationResult Run(const CString& extraColInfo, const CString& table = L"Shots",
                          const CString* connect = nullptr)
    {
        m_destination.UseInfo(
            InfoScDatabase(connect ? *connect : m_connect, table, L"Picture", extraColInfo, false, 0, 1));
        return m_destination.ProcessWindow(m_window.Handle());
    }

    // A column of the newest row, as text.
    std::wstring Newest(const std::wstring& column)
    {
        return m_db.Text(L"SELECT " + column + L" FROM Shots ORDER BY id DESC LIMIT 1");
    }

    std::wstring RowCount() { return m_db.Text(L"SELECT COUNT(*) FROM Shots"); }

    ColourWindow m_window{kPaintRect, kPaint};
    TestFolder m_folder;
    CString m_connect;
    OdbcProbe m_db;
    InspectedDatabase m_destination;
};
} // namespace

TEST_F(CImageDatabaseTest, PictureIsStoredAsTheBitmapFileTheDestinationWrote)
{
    ASSERT_EQ(DR_DONE, Run(L"")) << m_destination.GetErrorText().GetString();
    EXPECT_EQ(L"1", RowCount());
    std::string stored = m_db.Bytes(L"SELECT Picture FROM Shots");

    ASSERT_TRUE(m_destination.SaveBitmapFile(m_folder / L"expected.bmp"));
    std::string expected = ReadBytes(m_folder / L"expected.bmp");
    ASSERT_TRUE(StartsWith(expected, "BM"));
    EXPECT_EQ(expected.size(), stored.size());
    EXPECT_TRUE(expected == stored) << "The stored picture differs from the bitmap file of the grab";

    WriteBytes(m_folder / L"stored.bmp", stored);
    DecodedImage image = Decode(m_folder / L"stored.bmp");
    ASSERT_TRUE(image.ok);
    EXPECT_EQ(kPaintWidth, image.width);
    EXPECT_EQ(kPaintHeight, image.height);
    EXPECT_TRUE(ColourNear(kPaint, image.centre, 0)) << std::hex << image.centre;
    // The bitmap was written where the temporary files belong (and removed, see TearDown).
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(GetLogDirectory()));
}

TEST_F(CImageDatabaseTest, ValueTextsAreConvertedToTheirColumnTypes)
{
    std::wstring longText(300, L'x');
    const struct
    {
        std::vector<Column> columns;
        std::vector<std::wstring> expected; // in column order, as the database shows them
    } runs[] = {
        {{{L"Label", 0, L"It's \"quoted\""},
          {L"Number", 1, L"42"},
          {L"Flag", 2, L"3"},
          {L"Big", 3, L"-7"},
          {L"Ratio", 4, L"1.5"},
          {L"Amount", 5, L"2.25"},
          {L"Taken", 6, L"3/4/2021 17:06:07"},
          {L"Small", 7, L"300"}},
         {L"It's \"quoted\"", L"42", L"1", L"-7", L"1.5", L"2.25", L"2021-03-04 17:06:07", L"44"}},
        // Text that is no number gives 0; out-of-range date parts carry over.
        {{{L"Label", 0, L""},
          {L"Number", 1, L"abc"},
          {L"Flag", 2, L"0"},
          {L"Big", 3, L"2147483647"},
          {L"Taken", 6, L"13/32/2021 24:00:00"},
          {L"Small", 7, L"-1"}},
         {L"", L"0", L"0", L"2147483647", L"2022-02-02 00:00:00", L"255"}},
        {{{L"Label", 0, longText.c_str()}}, {std::wstring(255, L'x')}}, // a text holds at most 255 characters
    };
    for (const auto& run : runs)
    {
        ASSERT_EQ(DR_DONE, Run(ExtraColInfo(run.columns))) << m_destination.GetErrorText().GetString();
        auto expected = run.expected.begin();
        for (const Column& column : run.columns)
        {
            const std::wstring& want = *expected++;
            std::wstring name = column.name;
            std::wstring shown = Newest(column.type == 6 ? L"substr(" + name + L", 1, 19)" : name);
            EXPECT_EQ(want, shown) << OdbcProbe::Narrow(name) << " from " << OdbcProbe::Narrow(column.value);
        }
    }
}

TEST_F(CImageDatabaseTest, AutoGenerateMakesValuesOfEachType)
{
    CString extra = ExtraColInfo({{L"Label", 0, L"(AutoGenerate)"},
                                  {L"Number", 1, L"12(AutoGenerate)"},
                                  {L"Flag", 2, L"(AutoGenerate)"},
                                  {L"Amount", 5, L"(AutoGenerate)"},
                                  {L"Taken", 6, L"(AutoGenerate)"},
                                  {L"Small", 7, L"(AutoGenerate)"}});
    ASSERT_EQ(DR_DONE, Run(extra)) << m_destination.GetErrorText().GetString();
    EXPECT_EQ(L"Default", Newest(L"Label"));
    EXPECT_EQ(L"1", Newest(L"Flag"));
    EXPECT_EQ(L"1", Newest(L"Number BETWEEN 0 AND 32767")) << OdbcProbe::Narrow(Newest(L"Number"));
    EXPECT_EQ(L"1", Newest(L"Amount >= 0 AND Amount < 32768")) << OdbcProbe::Narrow(Newest(L"Amount"));
    EXPECT_LT(SecondsFromNow(Newest(L"Taken")), 120) << OdbcProbe::Narrow(Newest(L"Taken"));

    // The generated byte is the same on every run; a date without its time is now.
    ASSERT_EQ(DR_DONE, Run(ExtraColInfo({{L"Small", 7, L"(AutoGenerate)"}, {L"Taken", 6, L"3/4/2021"}})));
    std::vector<std::wstring> bytes = m_db.Texts(L"SELECT DISTINCT Small FROM Shots");
    ASSERT_EQ(1u, bytes.size());
    EXPECT_NE(L"NULL", bytes.front());
    EXPECT_LT(SecondsFromNow(Newest(L"Taken")), 120) << OdbcProbe::Narrow(Newest(L"Taken"));
}

TEST_F(CImageDatabaseTest, UniqueValuesAvoidThoseInTheTable)
{
    std::wstring full(255, L'y');
    ASSERT_TRUE(m_db.Execute(L"INSERT INTO Shots (Label, Number, Small, Amount) VALUES ('shot', 5, 255, 2.5), "
                             L"('O''Brien', 6, 0, 4), ('" +
                             full + L"', NULL, NULL, NULL)"))
        << m_db.Error();
    const std::wstring guid = L"\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9a-f]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\}";

    ASSERT_EQ(DR_DONE, Run(ExtraColInfo({{L"Label", 0, L"shot(Unique)"},
                                         {L"Number", 1, L"5(Unique)"},
                                         {L"Small", 7, L"255(Unique)"},
                                         {L"Amount", 5, L"2.5(Unique)"}})))
        << m_destination.GetErrorText().GetString();
    EXPECT_TRUE(std::regex_match(Newest(L"Label"), std::wregex(L"shot_" + guid)))
        << OdbcProbe::Narrow(Newest(L"Label"));
    EXPECT_EQ(L"7", Newest(L"Number"));   // 5 and 6 are taken
    EXPECT_EQ(L"1", Newest(L"Small"));    // 255 is taken, then 0 after the wrap
    EXPECT_EQ(L"5.0", Newest(L"Amount")); // 2.5 is taken, then 4

    // The apostrophe is compared and stored as it is.
    ASSERT_EQ(DR_DONE, Run(ExtraColInfo({{L"Label", 0, L"O'Brien(Unique)"}})));
    EXPECT_TRUE(std::regex_match(Newest(L"Label"), std::wregex(L"O'Brien_" + guid)))
        << OdbcProbe::Narrow(Newest(L"Label"));

    // A free value is kept; what follows the marker is no part of the value.
    ASSERT_EQ(DR_DONE, Run(ExtraColInfo({{L"Label", 0, L"it's new(Unique) tail"}, {L"Number", 1, L"100(Unique)"}})));
    EXPECT_EQ(L"it's new", Newest(L"Label"));
    EXPECT_EQ(L"100", Newest(L"Number"));

    // A taken text of the longest length keeps room for the suffix.
    ASSERT_EQ(DR_DONE, Run(ExtraColInfo({{L"Label", 0, (full + L"(Unique)").c_str()}})));
    EXPECT_TRUE(std::regex_match(Newest(L"Label"), std::wregex(std::wstring(216, L'y') + L"_" + guid)))
        << OdbcProbe::Narrow(Newest(L"Label"));
}

TEST_F(CImageDatabaseTest, FailuresGiveTheQueryTextAndStoreNothing)
{
    const std::wstring db = Env(L"VELL_ODBC_DB");
    const struct
    {
        const wchar_t* what;
        std::wstring connect; // empty: the test run's database
        const wchar_t* table;
        CString extra;
        std::wstring setup;    // SQL run first
        const wchar_t* reason; // part of the text after the prefix
    } cases[] = {
        {L"unknown driver", L"DRIVER={No Such Vellumor Driver};Database=" + db, L"Shots", L"", L"",
         L"No Such Vellumor Driver"},
        {L"connection string without a driver", L"Database=" + db, L"Shots", L"", L"", L""},
        {L"missing table", L"", L"NoSuchTable", L"", L"", L"NoSuchTable"},
        {L"missing column", L"", L"Shots", ExtraColInfo({{L"NoSuchColumn", 1, L"1"}}), L"", L"NoSuchColumn"},
        {L"unknown type code", L"", L"Shots", ExtraColInfo({{L"Number", 9, L"1"}}), L"",
         L"The column 'Number' has the unknown type 9."},
        {L"every byte taken: one full cycle, then a failure", L"", L"Shots",
         ExtraColInfo({{L"Small", 7, L"17(Unique)"}}),
         L"WITH RECURSIVE n(v) AS (SELECT 0 UNION ALL SELECT v + 1 FROM n WHERE v < 255) "
         L"INSERT INTO Shots (Small) SELECT v FROM n",
         L"Every value the column 'Small' can take is already in the table 'Shots'."},
        {L"a taken number beyond the precision of a double", L"", L"Shots",
         ExtraColInfo({{L"Amount", 5, L"1e300(Unique)"}}), L"INSERT INTO Shots (Amount) VALUES (1e300)",
         L"Every value the column 'Amount' can take is already in the table 'Shots'."},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(OdbcProbe::Narrow(c.what));
        ASSERT_TRUE(m_db.Execute(L"DELETE FROM Shots")) << m_db.Error();
        if (!c.setup.empty())
        {
            ASSERT_TRUE(m_db.Execute(c.setup)) << m_db.Error();
        }
        std::wstring before = RowCount();

        CString connect = c.connect.empty() ? m_connect : CString(c.connect.c_str());
        EXPECT_EQ(DR_FAILED, Run(c.extra, c.table, &connect));
        std::wstring text = m_destination.GetErrorText().str();
        EXPECT_EQ(kFailurePrefix, text.substr(0, wcslen(kFailurePrefix))) << OdbcProbe::Narrow(text);
        EXPECT_GT(text.size(), wcslen(kFailurePrefix)) << OdbcProbe::Narrow(text);
        EXPECT_NE(std::wstring::npos, text.find(c.reason)) << OdbcProbe::Narrow(text);
        EXPECT_EQ(before, RowCount());
        EXPECT_TRUE(TemporaryFiles().empty());
    }
}

TEST_F(CImageDatabaseTest, WithoutAPictureNothingIsStored)
{
    CImageDatabase fresh;
    fresh.UseInfo(InfoScDatabase(m_connect, L"Shots", L"Picture", L"", false, 0, 1));
    EXPECT_EQ(DR_FAILED, fresh.Execute());
    EXPECT_EQ(CString(L"Cannot process the image and the operation is aborted. Unknown error message."),
              fresh.GetErrorText());
    EXPECT_EQ(L"0", RowCount());
}
