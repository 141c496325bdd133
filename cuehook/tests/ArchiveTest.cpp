// The framework's archive: the string forms the training file relies on and its
// failures on short or oversized data.
#include "cuehook/tests/CuehookTestSupport.h"
#include "framework/CArchive.h"
#include <gtest/gtest.h>

namespace
{
class ArchiveTest : public ::testing::Test
{
protected:
    void TearDown() override { DeleteFileW(m_path); }

    Bytes StoreText(const CString& text)
    {
        CFile file;
        CString error;
        EXPECT_TRUE(file.Open(m_path, CFile::modeCreate | CFile::modeWrite, error)) << error.ToAnsi();
        CArchive archive(file, CArchive::store);
        archive.WriteString(text);
        EXPECT_TRUE(archive.Close());
        file.Close();
        return ReadBytes<Bytes>(m_path);
    }

    bool LoadText(const Bytes& bytes, CString& text, CArchive::Error& failure, DWORD maxLength = 1000000)
    {
        WriteBytes(m_path, bytes);
        CFile file;
        CString error;
        EXPECT_TRUE(file.Open(m_path, CFile::modeRead, error)) << error.ToAnsi();
        CArchive archive(file, CArchive::load, 64);
        const bool read = archive.ReadString(text, maxLength);
        failure = archive.GetError();
        return read;
    }

    CString m_path = TempPath(L"archive.bin");
};
} // namespace

TEST_F(ArchiveTest, WideTextCarriesItsMarkerAndTheShortestLengthPrefix)
{
    struct Case
    {
        int length;
        Bytes prefix;
    } cases[] = {
        {3, {0xFF, 0xFE, 0xFF, 0x03}},
        {254, {0xFF, 0xFE, 0xFF, 0xFE}},
        {255, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00}},
        {70000, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases)
    {
        const CString text(L'x', c.length);
        const Bytes bytes = StoreText(text);
        ASSERT_EQ(c.prefix.size() + 2 * c.length, bytes.size()) << c.length;
        EXPECT_EQ(c.prefix, Bytes(bytes.begin(), bytes.begin() + c.prefix.size())) << c.length;

        CString back;
        CArchive::Error failure;
        EXPECT_TRUE(LoadText(bytes, back, failure)) << c.length;
        EXPECT_EQ(text, back) << c.length;
    }
}

TEST_F(ArchiveTest, NarrowTextIsReadAsWell)
{
    CString text;
    CArchive::Error failure;
    EXPECT_TRUE(LoadText({0x03, 'a', 'b', 'c', 0xFF, 0x04, 0x01}, text, failure));
    EXPECT_EQ(L"abc", text);
}

TEST_F(ArchiveTest, ShortOrOversizedTextsFailWithTheirCause)
{
    struct Case
    {
        const char* name;
        Bytes bytes;
        DWORD maxLength;
        CArchive::Error failure;
    } cases[] = {
        {"empty file", {}, 100, CArchive::endOfFile},
        {"text cut short", {0xFF, 0xFE, 0xFF, 0x05, 'a', 0}, 100, CArchive::endOfFile},
        {"length over the limit", {0xFF, 0xFE, 0xFF, 0x20}, 16, CArchive::badString},
        {"32-bit length beyond the file", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}, 0x7FFFFFFF, CArchive::endOfFile},
        {"marker twice", {0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0x01, 'a', 0}, 100, CArchive::badString},
    };
    for (const Case& c : cases)
    {
        CString text(L"kept");
        CArchive::Error failure = CArchive::none;
        EXPECT_FALSE(LoadText(c.bytes, text, failure, c.maxLength)) << c.name;
        EXPECT_EQ(c.failure, failure) << c.name;
        EXPECT_EQ(L"kept", text) << c.name;
    }
}

TEST_F(ArchiveTest, ValuesAfterAFailureReadAsZeroAndTheFirstCauseSticks)
{
    WriteBytes(m_path, Bytes{0x01, 0x02, 0x03});
    CFile file;
    CString error;
    ASSERT_TRUE(file.Open(m_path, CFile::modeRead, error));
    CArchive archive(file, CArchive::load);
    DWORD value = 7;
    BYTE next = 9;
    archive >> value >> next;
    EXPECT_EQ(0u, value);
    EXPECT_EQ(0u, next);
    EXPECT_EQ(CArchive::endOfFile, archive.GetError());
    EXPECT_EQ(L"The file ends before all of its data could be read.", archive.GetErrorText());
}

TEST_F(ArchiveTest, OpenFailureGivesTheSystemText)
{
    CFile file;
    CString error;
    EXPECT_FALSE(file.Open(TempPath(L"missing\\none.bin"), CFile::modeRead, error));
    EXPECT_EQ(CFile::FormatSystemError(ERROR_PATH_NOT_FOUND), error);
    EXPECT_FALSE(error.IsEmpty());
}
