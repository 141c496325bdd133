// The capture-format table and its texts, the combo helpers, the numbered name of a kept
// recording and the start-up check of the capture device.
#include "capture/audio/AudioComboHelpers.h"
#include "capture/audio/AudioDeviceLists.h"
#include "capture/audio/AudioErrorText.h"
#include "capture/audio/AudioFormats.h"
#include "capture/audio/RecordedPartFile.h"
#include "testing/CStringPrinter.h"
#include "testing/TestFiles.h"
#include "testing/TestFolder.h"
#include <gtest/gtest.h>

namespace
{
struct FormatCase
{
    int index;
    const wchar_t* display;
    const wchar_t* text;
};

TEST(AudioFormatTable, IndexGivesRateBitsAndChannels)
{
    const FormatCase cases[] = {
        {0, L"48000 Hz, 8-bit Mono", L"0,48000,1,1,48000,8,1"},
        {3, L"48000 Hz, 16-bit Stereo", L"0,192000,4,2,48000,16,1"},
        {7, L"44100 Hz, 16-bit Stereo", L"0,176400,4,2,44100,16,1"},
        {9, L"22050 Hz, 16-bit Mono", L"0,44100,2,1,22050,16,1"},
        {14, L"11025 Hz, 8-bit Stereo", L"0,22050,2,2,11025,8,1"},
        {16, L"8000 Hz, 8-bit Mono", L"0,8000,1,1,8000,8,1"},
        {19, L"8000 Hz, 16-bit Stereo", L"0,32000,4,2,8000,16,1"},
    };
    for (const FormatCase& c : cases)
    {
        WAVEFORMATEX format;
        AudioFormatFromIndex(c.index, &format);
        EXPECT_EQ(CString(c.display), AudioFormatDisplayText(format)) << c.index;
        EXPECT_EQ(CString(c.text), AudioFormatString(format)) << c.index;
    }
    WAVEFORMATEX outside;
    AudioFormatFromIndex(20, &outside);
    EXPECT_EQ(0, outside.nSamplesPerSec);
    EXPECT_EQ(0, outside.wFormatTag);
}

TEST(AudioFormatTable, ParseReadsTheFieldsAndClaimsExtraSize18)
{
    WAVEFORMATEX format;
    ParseAudioFormat(L"0,176400,4,2,44100,16,1", &format);
    EXPECT_EQ(WAVE_FORMAT_PCM, format.wFormatTag);
    EXPECT_EQ(2, format.nChannels);
    EXPECT_EQ(44100u, format.nSamplesPerSec);
    EXPECT_EQ(176400u, format.nAvgBytesPerSec);
    EXPECT_EQ(4, format.nBlockAlign);
    EXPECT_EQ(16, format.wBitsPerSample);
    EXPECT_EQ(18, format.cbSize);

    // The first field is never read; empty or missing fields give 0; extra ones are ignored.
    ParseAudioFormat(L"99,,2,,8000", &format);
    EXPECT_EQ(18, format.cbSize);
    EXPECT_EQ(0u, format.nAvgBytesPerSec);
    EXPECT_EQ(2, format.nBlockAlign);
    EXPECT_EQ(0, format.nChannels);
    EXPECT_EQ(8000u, format.nSamplesPerSec);
    EXPECT_EQ(0, format.wFormatTag);
    ParseAudioFormat(L"0,16000,2,1,8000,16,1,77,88", &format);
    EXPECT_EQ(1, format.wFormatTag);
    EXPECT_EQ(16, format.wBitsPerSample);
}

TEST(AudioFormatTable, EveryFormatStringParsesBackToItsFormat)
{
    for (int index = 0; index < kAudioFormatCount; ++index)
    {
        WAVEFORMATEX format, parsed;
        AudioFormatFromIndex(index, &format);
        ParseAudioFormat(AudioFormatString(format), &parsed);
        parsed.cbSize = 0;
        EXPECT_EQ(0, memcmp(&format, &parsed, sizeof(format))) << index;
    }
}

// A hidden drop-down list with items and their data strings.
class ComboHelpersTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_combo = CreateWindowExW(0, L"COMBOBOX", L"", WS_POPUP | CBS_DROPDOWNLIST, 0, 0, 200, 200, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(nullptr, m_combo);
    }
    void TearDown() override
    {
        EmptyDataStringCombo(m_combo);
        DestroyWindow(m_combo);
    }
    void Add(const wchar_t* text, const wchar_t* data)
    {
        const LRESULT item = SendMessageW(m_combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        SendMessageW(m_combo, CB_SETITEMDATA, item, reinterpret_cast<LPARAM>(new CString(data)));
    }
    int Selected() const { return static_cast<int>(SendMessageW(m_combo, CB_GETCURSEL, 0, 0)); }

    HWND m_combo = nullptr;
};

TEST_F(ComboHelpersTest, SelectByDataCountsCaseAndByTextIgnoresIt)
{
    EXPECT_FALSE(SelectComboItemByText(m_combo, L"Line In"));
    EXPECT_EQ(L"", GetComboSelectedText(m_combo));
    EXPECT_EQ(L"", GetComboSelectedData(m_combo));

    Add(L"Microphone", L"mic");
    Add(L"Line In", L"line");
    Add(L"CD Audio", L"Line");
    EXPECT_TRUE(SelectComboItemByData(m_combo, L"Line"));
    EXPECT_EQ(2, Selected());
    EXPECT_TRUE(SelectComboItemByText(m_combo, L"line in"));
    EXPECT_EQ(1, Selected());
    EXPECT_EQ(L"Line In", GetComboSelectedText(m_combo));
    EXPECT_EQ(L"line", GetComboSelectedData(m_combo));

    // No match leaves the first item selected; an empty text selects nothing new.
    EXPECT_FALSE(SelectComboItemByData(m_combo, L"LINE"));
    EXPECT_EQ(0, Selected());
    SendMessageW(m_combo, CB_SETCURSEL, 2, 0);
    EXPECT_FALSE(SelectComboItemByText(m_combo, L""));
    EXPECT_EQ(2, Selected());
}

TEST(RecordedPart, TakesTheNextFreeNumberBesideTheFile)
{
    TestFolder folder;
    EXPECT_EQ(L"", NextFreeNumberedName(folder / L"take.wav"));
    WriteBytes(folder / L"take.wav", "a");
    EXPECT_EQ(folder / L"take1.wav", NextFreeNumberedName(folder / L"take.wav"));
    WriteBytes(folder / L"take1.wav", "b");
    EXPECT_EQ(folder / L"take2.wav", NextFreeNumberedName(folder / L"take.wav"));
    WriteBytes(folder / L"plain", "c");
    EXPECT_EQ(folder / L"plain1", NextFreeNumberedName(folder / L"plain"));
}

TEST(CaptureDeviceCheck, PassesWithTheSoundServerAndFillsTheFormats)
{
    EXPECT_FALSE(CheckAudioCaptureDevice()) << GetAudioErrorText().ToAnsi(CP_UTF8);
    EXPECT_EQ(L"", GetAudioErrorText());
    EXPECT_TRUE(IsAudioInputFormatSupported(7)); // 44100 Hz, 16-bit stereo
}

TEST_F(ComboHelpersTest, FormatListShowsTheAcceptedFormatsWithTheirStrings)
{
    ASSERT_EQ(S_OK, FillAudioFormatCombo(m_combo, L"0,176400,4,2,44100,16,1")) << GetAudioErrorText().ToAnsi(CP_UTF8);
    EXPECT_EQ(L"44100 Hz, 16-bit Stereo", GetComboSelectedText(m_combo));
    const int count = static_cast<int>(SendMessageW(m_combo, CB_GETCOUNT, 0, 0));
    for (int item = 0; item < count; ++item)
    {
        WAVEFORMATEX format;
        ParseAudioFormat(GetComboItemData(m_combo, item), &format);
        EXPECT_NE(0u, format.nSamplesPerSec) << item;
    }
    EXPECT_GE(count, 1);
}
} // namespace
