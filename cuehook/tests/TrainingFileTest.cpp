// The training file byte for byte against the golden files, the forms accepted on read,
// and damaged files, which are refused while the events loaded before stay.
#include "cuehook/CEventManager.h"
#include "cuehook/CTrainingFile.h"
#include "cuehook/tests/CuehookTestSupport.h"
#include <gtest/gtest.h>

namespace
{
// The events of the golden files (see gen_golden.py); the first window handle has its top
// bit set and is held sign-extended, as window handles are.
const HWND kHighBitWindow = reinterpret_cast<HWND>(static_cast<LONG_PTR>(static_cast<LONG>(0x80001234)));
const HWND kLowWindow = reinterpret_cast<HWND>(static_cast<LONG_PTR>(0x00010010));

std::vector<EVENTMSG> GoldenEvents()
{
    return {MakeEvent(WM_KEYDOWN, 0x41, 1, 1000, kHighBitWindow), MakeEvent(WM_LBUTTONDOWN, 150, 160, 1250, kLowWindow),
            MakeEvent(WM_KEYUP, 0xC00041, 1, 1900, kLowWindow)};
}

void Record(CEventManager& store, const std::vector<EVENTMSG>& events)
{
    ASSERT_TRUE(store.StartRecorder(nullptr, nullptr, nullptr, false, false, false, true, nullptr));
    for (const EVENTMSG& event : events)
        ASSERT_EQ(0, store.OnRecordEvent(HC_ACTION, &event));
    store.StopRecorder(false);
}

void ExpectEvents(const CEventManager& store, const std::vector<EVENTMSG>& expected)
{
    ASSERT_EQ(expected.size(), store.GetEventCount());
    for (UINT i = 0; i < expected.size(); ++i)
    {
        EVENTMSG event{};
        ASSERT_TRUE(store.GetEvent(i, event));
        EXPECT_TRUE(SameEvent(expected[i], event)) << "event " << i;
    }
}

class TrainingFileTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        DeleteFileW(m_path);
        DeleteFileW(m_second);
    }

    CEventManager m_store;
    CString m_path = TempPath(L"training.vtf");
    CString m_second = TempPath(L"second.vtf");
    CString m_error;
};
} // namespace

TEST_F(TrainingFileTest, SavedEventsMatchTheGoldenFileByteForByte)
{
    Record(m_store, GoldenEvents());
    ASSERT_TRUE(m_store.SaveCBTFile(m_path, &m_error)) << m_error.ToAnsi();
    EXPECT_TRUE(m_error.IsEmpty());
    const Bytes saved = ReadBytes<Bytes>(m_path);
    EXPECT_EQ(133u, saved.size());
    EXPECT_EQ(ReadBytes<Bytes>(GoldenPath(L"three_events.vtf")), saved);
}

TEST_F(TrainingFileTest, EveryAcceptedFormLoadsTheSameEventsAndSavesAsVersion11)
{
    const Bytes golden = ReadBytes<Bytes>(GoldenPath(L"three_events.vtf"));
    ASSERT_EQ(133u, golden.size());
    for (const wchar_t* name : {L"three_events.vtf", L"version_10.vtf", L"narrow_11.vtf"})
    {
        CEventManager store;
        ASSERT_TRUE(store.LoadCBTFile(GoldenPath(name), &m_error)) << m_error.ToAnsi();
        ExpectEvents(store, GoldenEvents());
        ASSERT_TRUE(store.SaveCBTFile(m_second, &m_error));
        EXPECT_EQ(golden, ReadBytes<Bytes>(m_second)) << CString(name).ToAnsi();
    }
}

TEST_F(TrainingFileTest, WindowHandlesAreStoredSignExtended)
{
    Record(m_store, {MakeEvent(WM_KEYDOWN, 0x41, 1, 10, kHighBitWindow), MakeEvent(WM_KEYUP, 0x41, 1, 20, kLowWindow)});
    ASSERT_TRUE(m_store.SaveCBTFile(m_path, &m_error));
    const Bytes saved = ReadBytes<Bytes>(m_path);
    ASSERT_EQ(60u + 2 * 24 + 1, saved.size());
    EXPECT_EQ(Bytes({0x34, 0x12, 0x00, 0x80, 0xFF, 0xFF, 0xFF, 0xFF}), Bytes(saved.begin() + 60, saved.begin() + 68));
    EXPECT_EQ(Bytes({0x10, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00}), Bytes(saved.begin() + 84, saved.begin() + 92));
}

TEST_F(TrainingFileTest, DamagedFilesAreRefusedAndTheLoadedEventsStay)
{
    const Bytes golden = ReadBytes<Bytes>(GoldenPath(L"three_events.vtf"));
    ASSERT_EQ(133u, golden.size());
    auto withCount = [&golden](DWORD count) {
        Bytes bytes = golden;
        memcpy(&bytes[56], &count, sizeof count);
        return bytes;
    };
    auto withText = [&golden](const char* text) {
        Bytes bytes = golden;
        for (size_t i = 0; text[i]; ++i)
            bytes[4 + 2 * i] = static_cast<BYTE>(text[i]);
        return bytes;
    };
    Bytes hugeText = {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F};
    hugeText.resize(200, 0x41);
    const CString endOfFile = L"The file ends before all of its data could be read.";
    struct Case
    {
        const char* name;
        Bytes bytes;
        CString error;
    } cases[] = {
        {"version in lower case", withText("vellumor cbt version 1.1"), CTrainingFile::kInvalidVersionText},
        {"unknown version", withText("Vellumor CBT Version 1.2"), CTrainingFile::kInvalidVersionText},
        {"text length of two billion", hugeText, CTrainingFile::kInvalidVersionText},
        {"cut inside the records", Bytes(golden.begin(), golden.begin() + 100), endOfFile},
        {"sound flag missing", Bytes(golden.begin(), golden.begin() + 132), endOfFile},
        {"count beyond the file", withCount(0xFFFFFFFF), endOfFile},
        {"count one too many", withCount(4), endOfFile},
        {"empty file", Bytes(), endOfFile},
        {"no events", withCount(0), CTrainingFile::kMemoryFailureText},
    };
    ASSERT_TRUE(m_store.LoadCBTFile(GoldenPath(L"three_events.vtf"), &m_error));
    for (const Case& c : cases)
    {
        WriteBytes(m_path, c.bytes);
        EXPECT_FALSE(m_store.LoadCBTFile(m_path, &m_error)) << c.name;
        EXPECT_EQ(c.error, m_error) << c.name;
        ExpectEvents(m_store, GoldenEvents());
    }
}

TEST_F(TrainingFileTest, SavingNothingLeavesAnExistingFileAlone)
{
    WriteBytes(m_path, Bytes{'k', 'e', 'e', 'p'});
    m_error = L"stale";
    EXPECT_TRUE(m_store.SaveCBTFile(m_path, &m_error));
    EXPECT_TRUE(m_error.IsEmpty());
    EXPECT_EQ(Bytes({'k', 'e', 'e', 'p'}), ReadBytes<Bytes>(m_path));
}

TEST_F(TrainingFileTest, FilesThatCannotBeOpenedGiveTheSystemText)
{
    Record(m_store, GoldenEvents());
    EXPECT_FALSE(m_store.SaveCBTFile(TempPath(L"no folder\\training.vtf"), &m_error));
    EXPECT_EQ(CFile::FormatSystemError(ERROR_PATH_NOT_FOUND), m_error);
    EXPECT_FALSE(m_store.LoadCBTFile(TempPath(L"missing.vtf"), &m_error));
    EXPECT_EQ(CFile::FormatSystemError(ERROR_FILE_NOT_FOUND), m_error);
    ExpectEvents(m_store, GoldenEvents());
}
