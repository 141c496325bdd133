#include "common/DirectShowHelpers.h"
#include "common/tests/DirectShowFakes.h"
#include "standins/camera/CTestCameraDevices.h"
#include "testing/TestFolder.h"
#include <uuids.h>
#include <vfw.h>
#include <gtest/gtest.h>
#include <wrl/client.h>
#include <algorithm>

using Microsoft::WRL::ComPtr;

namespace
{

// A hidden window with an unsorted drop-down list combo box.
class ComboTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        m_combo = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | CBS_DROPDOWNLIST | WS_VSCROLL, 0, 0, 200, 200,
                                  m_parent, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(nullptr, m_combo);
    }
    void TearDown() override { DestroyWindow(m_parent); }

    std::vector<std::wstring> Items() const
    {
        std::vector<std::wstring> items;
        const int count = static_cast<int>(SendMessageW(m_combo, CB_GETCOUNT, 0, 0));
        for (int index = 0; index < count; ++index)
        {
            std::wstring text(SendMessageW(m_combo, CB_GETLBTEXTLEN, index, 0), L'\0');
            SendMessageW(m_combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
            items.push_back(text);
        }
        return items;
    }
    LRESULT Data(int index) const { return SendMessageW(m_combo, CB_GETITEMDATA, index, 0); }
    void AddItem(const wchar_t* text) { SendMessageW(m_combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)); }

    ComThread m_com;
    HWND m_parent = nullptr;
    HWND m_combo = nullptr;
};

using Names = std::vector<std::wstring>;


void ExpectAllReleased(const FakeFilter& filter)
{
    EXPECT_EQ(1, filter.Refs());
    EXPECT_EQ(0, filter.OpenEnumerations());
    for (const FakePin* pin : filter.Pins())
        EXPECT_EQ(1, pin->Refs());
}

ComPtr<IBaseFilter> CreateSmartTee()
{
    ComPtr<IBaseFilter> tee;
    CoCreateInstance(CLSID_SmartTee, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                     reinterpret_cast<void**>(tee.GetAddressOf()));
    return tee;
}

// Pins in, out, broken, in, out: the third cannot tell its direction.
class FakeFilterTest : public ComboTest
{
protected:
    void SetUp() override
    {
        ComboTest::SetUp();
        m_filter.AddPin(L"In 1", PINDIR_INPUT);
        m_filter.AddPin(L"Out 1", PINDIR_OUTPUT);
        m_filter.AddPin(L"Broken", PINDIR_OUTPUT, {true, false, false});
        m_filter.AddPin(L"In 2", PINDIR_INPUT);
        m_filter.AddPin(L"Out 2", PINDIR_OUTPUT);
    }

    FakeFilter m_filter;
};
} // namespace

// ---- pins ----

TEST_F(FakeFilterTest, CountsAndFindsPinsOfOneDirectionReleasingTheRest)
{
    EXPECT_EQ(2, CountPins(&m_filter, PINDIR_INPUT));
    EXPECT_EQ(2, CountPins(&m_filter, PINDIR_OUTPUT));

    const struct
    {
        PIN_DIRECTION direction;
        int index;
        const wchar_t* name; // null: no such pin
    } cases[] = {
        {PINDIR_INPUT, 0, L"In 1"}, {PINDIR_INPUT, 1, L"In 2"},   {PINDIR_OUTPUT, 1, L"Out 2"},
        {PINDIR_INPUT, 2, nullptr}, {PINDIR_OUTPUT, -1, nullptr},
    };
    for (const auto& c : cases)
    {
        IPin* pin = reinterpret_cast<IPin*>(1); // must come back null on failure
        const HRESULT hr = GetPin(&m_filter, c.direction, c.index, &pin);
        if (!c.name)
        {
            EXPECT_EQ(E_FAIL, hr) << c.index;
            EXPECT_EQ(nullptr, pin);
            continue;
        }
        ASSERT_EQ(S_OK, hr) << c.name;
        EXPECT_EQ(std::wstring(c.name), PinName(pin));
        pin->Release();
    }
    ExpectAllReleased(m_filter);
}

TEST_F(FakeFilterTest, PinComboListsOneDirectionAndStopsAtAnUnreadableDirection)
{
    AddItem(L"stale");
    FillPinCombo(m_combo, &m_filter, PINDIR_INPUT);
    EXPECT_EQ((Names{L"In 1", L"<ERROR>"}), Items()) << "the listing ends at the broken pin";
    EXPECT_EQ(0, Data(0));

    FillPinCombo(m_combo, &m_filter, PINDIR_OUTPUT);
    EXPECT_EQ((Names{L"Out 1", L"<ERROR>"}), Items());
    EXPECT_EQ(0, Data(0));
    ExpectAllReleased(m_filter);
}

TEST_F(ComboTest, PinComboOfARealFilterHoldsTheIndexesOfGetPin)
{
    ComPtr<IBaseFilter> tee = CreateSmartTee();
    ASSERT_TRUE(tee);
    EXPECT_EQ(1, CountPins(tee.Get(), PINDIR_INPUT));
    FillPinCombo(m_combo, tee.Get(), PINDIR_OUTPUT);
    const Names items = Items();
    ASSERT_EQ(2u, items.size());
    for (int index = 0; index < 2; ++index)
    {
        ComPtr<IPin> pin;
        ASSERT_EQ(S_OK, GetPin(tee.Get(), PINDIR_OUTPUT, static_cast<int>(Data(index)), &pin));
        EXPECT_EQ(items[index], PinName(pin.Get()));
    }
    EXPECT_NE(items.end(), std::find(items.begin(), items.end(), L"Preview"));
}

TEST(FindPinByNameTest, SwitchesOnTheNamedInputsMixerAndOffTheOthers)
{
    FakeFilter filter;
    FakePin& line = filter.AddPin(L"Line In", PINDIR_INPUT, {false, false, true});
    FakePin& microphone = filter.AddPin(L"Microphone", PINDIR_INPUT, {false, false, true});
    FakePin& noMixer = filter.AddPin(L"CD Audio", PINDIR_INPUT);
    FakePin& nameless = filter.AddPin(L"Microphone", PINDIR_INPUT, {false, true, true});
    FakePin& output = filter.AddPin(L"Microphone", PINDIR_OUTPUT, {false, false, true});

    FindPinByName(&filter, L"MICROPHONE");

    EXPECT_EQ(FakePin::Mixer::Off, line.MixerState());
    EXPECT_EQ(FakePin::Mixer::On, microphone.MixerState());
    EXPECT_EQ(FakePin::Mixer::Untouched, noMixer.MixerState());
    EXPECT_EQ(FakePin::Mixer::Off, nameless.MixerState()) << "a pin without a readable name is switched off";
    EXPECT_EQ(FakePin::Mixer::Untouched, output.MixerState());
    ExpectAllReleased(filter);
}

// ---- devices ----

TEST_F(ComboTest, CategoryWithoutDevicesGivesOnlyTheNoEntriesItem)
{
    ASSERT_HRESULT_SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    {
        CTestCameraDevices noCamera; // the test prefix's camera is not listed meanwhile
        ASSERT_HRESULT_SUCCEEDED(noCamera.ListCameras({}));
        ASSERT_EQ(S_OK, FillVideoDeviceCombo(m_combo));
        EXPECT_EQ((Names{L"<< No entries >>"}), Items());
        EXPECT_EQ(0, Data(0));
        EmptyDeviceCombo(m_combo);
    }
    CoUninitialize();
}

TEST_F(ComboTest, DeviceNamesAppearOnceEachHoldingItsMoniker)
{
    FakeMoniker cameraA(L"Camera A");
    FakeMoniker cameraB(L"Camera B");
    FakeMoniker sameA(L"Camera A");
    FakeMoniker sameBOtherCase(L"camera b");
    FakeMoniker unnamed(nullptr);
    FakeEnumMoniker devices({&cameraA, &unnamed, &cameraB, &sameA, &sameBOtherCase});

    ASSERT_EQ(S_OK, AddDeviceNamesToCombo(&devices, m_combo));

    EXPECT_EQ((Names{L"Camera A", L"Camera B"}), Items());
    EXPECT_EQ(reinterpret_cast<LRESULT>(static_cast<IMoniker*>(&cameraA)), Data(0));
    EXPECT_EQ(reinterpret_cast<LRESULT>(static_cast<IMoniker*>(&cameraB)), Data(1));
    EXPECT_EQ(2, cameraA.Refs()) << "the item holds a reference";
    EXPECT_EQ(2, cameraB.Refs());
    EXPECT_EQ(1, sameA.Refs()) << "a device left out is released";
    EXPECT_EQ(1, sameBOtherCase.Refs());
    EXPECT_EQ(1, unnamed.Refs());

    EmptyDeviceCombo(m_combo);
    EXPECT_TRUE(Items().empty());
    EXPECT_EQ(1, cameraA.Refs());
    EXPECT_EQ(1, cameraB.Refs());
    EXPECT_EQ(1, devices.Refs());
}

TEST_F(ComboTest, DevicesWithoutReadableNamesGiveTheNoEntriesItem)
{
    FakeMoniker unnamed(nullptr);
    FakeEnumMoniker devices({&unnamed});
    ASSERT_EQ(S_OK, AddDeviceNamesToCombo(&devices, m_combo));
    EXPECT_EQ((Names{L"<< No entries >>"}), Items());
    EXPECT_EQ(1, unnamed.Refs());
}

TEST_F(ComboTest, RealCategoryListsEveryNameOnceWithABindableMoniker)
{
    ASSERT_EQ(S_OK, FillDeviceCombo(m_combo, CLSID_LegacyAmFilterCategory));
    Names items = Items();
    const auto tee = std::find(items.begin(), items.end(), L"Smart Tee");
    ASSERT_NE(items.end(), tee);

    IMoniker* moniker = reinterpret_cast<IMoniker*>(Data(static_cast<int>(tee - items.begin())));
    ComPtr<IBaseFilter> filter;
    EXPECT_EQ(S_OK, moniker->BindToObject(nullptr, nullptr, IID_IBaseFilter,
                                          reinterpret_cast<void**>(filter.GetAddressOf())));
    filter.Reset();
    EmptyDeviceCombo(m_combo);

    std::sort(items.begin(), items.end());
    EXPECT_EQ(items.end(), std::adjacent_find(items.begin(), items.end()));
}

TEST(FindDeviceFilterTest, FindsByFriendlyNameAndLeavesTheCallersEnumerator)
{
    ComThread com;
    FakeMoniker lineIn(L"Line In");
    FakeMoniker unnamed(nullptr);
    FakeMoniker microphone(L"Microphone");
    FakeEnumMoniker devices({&lineIn, &unnamed, &microphone});
    FakeCreateDevEnum deviceEnum(&devices);

    const struct
    {
        const wchar_t* name;
        IMoniker* expected;
    } cases[] = {
        {L"microphone", &microphone},
        {L"", &lineIn},
        {L"Speakers", nullptr},
    };
    for (const auto& c : cases)
    {
        IMoniker* found = FindDeviceFilter(&deviceEnum, CLSID_AudioInputDeviceCategory, c.name);
        EXPECT_EQ(c.expected, found) << c.name;
        if (found)
        {
            EXPECT_EQ(2, static_cast<FakeMoniker*>(found)->Refs()) << "the caller gets a reference";
            found->Release();
        }
        EXPECT_EQ(1, deviceEnum.Refs()) << "the caller's enumerator stays the caller's";
    }
    EXPECT_EQ(1, devices.Refs());
    EXPECT_EQ(1, lineIn.Refs());
    EXPECT_EQ(1, unnamed.Refs());
    EXPECT_EQ(1, microphone.Refs());
}

TEST(FindDeviceFilterTest, CreatesTheSystemEnumeratorWhenNoneIsGiven)
{
    ComThread com;
    CTestCameraDevices noCamera; // the test prefix's camera is not listed meanwhile
    ASSERT_HRESULT_SUCCEEDED(noCamera.ListCameras({}));
    FakeCreateDevEnum emptyEnum(nullptr);
    EXPECT_EQ(nullptr, FindDeviceFilter(&emptyEnum, CLSID_AudioInputDeviceCategory, L""));
    EXPECT_EQ(nullptr, FindDeviceFilter(nullptr, CLSID_VideoInputDeviceCategory, L""));

    IMoniker* tee = FindDeviceFilter(nullptr, CLSID_LegacyAmFilterCategory, L"SMART TEE");
    ASSERT_NE(nullptr, tee);
    tee->Release();
}

// ---- media length ----

TEST(FormatMediaLengthTest, ShowsHoursMinutesAndSeconds)
{
    const struct
    {
        long seconds;
        const wchar_t* text;
    } cases[] = {
        {3725, L"1 : 02 : 05"}, {0, L"0 : 00 : 00"},        {59, L"0 : 00 : 59"},
        {60, L"0 : 01 : 00"},   {360001, L"100 : 00 : 01"}, {-1, L"Unknown"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CString(c.text), FormatMediaLength(c.seconds)) << c.seconds;
}

namespace
{
// 8-bit mono PCM silence of the given length in milliseconds, at 1000 samples a second.
void WriteWav(const CString& path, DWORD milliseconds)
{
    WAVEFORMATEX format = {};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 1;
    format.nSamplesPerSec = 1000;
    format.nAvgBytesPerSec = 1000;
    format.nBlockAlign = 1;
    format.wBitsPerSample = 8;
    const DWORD dataSize = milliseconds;
    const DWORD formatSize = 16;
    const DWORD riffSize = 4 + 8 + formatSize + 8 + dataSize;

    std::string file;
    auto put = [&file](const void* bytes, size_t size) { file.append(static_cast<const char*>(bytes), size); };
    put("RIFF", 4);
    put(&riffSize, 4);
    put("WAVEfmt ", 8);
    put(&formatSize, 4);
    put(&format, formatSize);
    put("data", 4);
    put(&dataSize, 4);
    file.append(dataSize, '\x80');

    HANDLE handle = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, handle);
    DWORD written = 0;
    WriteFile(handle, file.data(), static_cast<DWORD>(file.size()), &written, nullptr);
    CloseHandle(handle);
    ASSERT_EQ(file.size(), written);
}

// An AVI file through AVIFile: 4.2 seconds of 8-bit mono silence at 1000 samples a second
// as its first stream, then 25 black 8x8 frames at 10 a second (2.5 seconds). Both
// streams are created before any data is written, as AVIFile wants.
void WriteAudioThenVideoAvi(const CString& path)
{
    AVIFileInit();
    PAVIFILE file = nullptr;
    ASSERT_EQ(0, AVIFileOpenW(&file, path, OF_CREATE | OF_WRITE, nullptr));

    AVISTREAMINFOW audioInfo = {};
    audioInfo.fccType = streamtypeAUDIO;
    audioInfo.dwScale = 1;
    audioInfo.dwRate = 1000;
    audioInfo.dwSampleSize = 1;
    WAVEFORMATEX audioFormat = {WAVE_FORMAT_PCM, 1, 1000, 1000, 1, 8, 0};
    PAVISTREAM audio = nullptr;
    EXPECT_EQ(0, AVIFileCreateStreamW(file, &audio, &audioInfo));
    EXPECT_EQ(0, AVIStreamSetFormat(audio, 0, &audioFormat, sizeof(audioFormat)));

    AVISTREAMINFOW videoInfo = {};
    videoInfo.fccType = streamtypeVIDEO;
    videoInfo.dwScale = 1;
    videoInfo.dwRate = 10;
    SetRect(&videoInfo.rcFrame, 0, 0, 8, 8);
    BITMAPINFOHEADER videoFormat = {sizeof(BITMAPINFOHEADER), 8, 8, 1, 24, BI_RGB, 8 * 8 * 3};
    PAVISTREAM video = nullptr;
    EXPECT_EQ(0, AVIFileCreateStreamW(file, &video, &videoInfo));
    EXPECT_EQ(0, AVIStreamSetFormat(video, 0, &videoFormat, sizeof(videoFormat)));

    std::string silence(4200, '\x80');
    EXPECT_EQ(0, AVIStreamWrite(audio, 0, 4200, &silence[0], 4200, 0, nullptr, nullptr));
    std::string frame(videoFormat.biSizeImage, '\0');
    for (LONG index = 0; index < 25; ++index)
        EXPECT_EQ(
            0, AVIStreamWrite(video, index, 1, &frame[0], videoFormat.biSizeImage, AVIIF_KEYFRAME, nullptr, nullptr));

    AVIStreamRelease(video);
    AVIStreamRelease(audio);
    AVIFileRelease(file);
    AVIFileExit();
}

class MediaLengthTest : public ::testing::Test
{
protected:
    ComThread m_com;
    TestFolder m_folder;
};
} // namespace

TEST_F(MediaLengthTest, CutsTheFractionOfTheAudioStreamsLength)
{
    const CString shortFile = m_folder / L"short.wav";
    const CString longFile = m_folder / L"long.wav";
    WriteWav(shortFile, 3700);
    WriteWav(longFile, 3725900);

    EXPECT_EQ(3, GetMediaLength(shortFile, MEDIATYPE_Audio));
    EXPECT_EQ(3725, GetMediaLength(longFile, MEDIATYPE_Audio));
    EXPECT_EQ(CString(L"1 : 02 : 05"), FormatMediaLength(longFile, MEDIATYPE_Audio));
}

TEST_F(MediaLengthTest, UnknownWithoutAStreamOfTheTypeOrWithoutTheFile)
{
    const CString audio = m_folder / L"audio.wav";
    WriteWav(audio, 2000);
    EXPECT_EQ(-1, GetMediaLength(audio, MEDIATYPE_Video));
    EXPECT_EQ(-1, GetMediaLength(m_folder / L"missing.wav", MEDIATYPE_Audio));
    EXPECT_EQ(CString(L"Unknown"), FormatMediaLength(m_folder / L"missing.wav", MEDIATYPE_Audio));
}

TEST_F(MediaLengthTest, TakesTheFirstStreamOfTheRequestedType)
{
    const CString movie = m_folder / L"movie.avi";
    WriteAudioThenVideoAvi(movie);
    EXPECT_EQ(4, GetMediaLength(movie, MEDIATYPE_Audio));
    EXPECT_EQ(2, GetMediaLength(movie, MEDIATYPE_Video));
}
