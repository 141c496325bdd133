// The device lists of the audio and video pages: a stored device that is gone, empty
// lists, a change of device, and the release of what the items hold; on the stand-in
// devices and, for video, on the test camera as the system lists it.
#include "Info/InfoAudioRecording.h"
#include "Info/InfoCBTRecording.h"
#include "Info/InfoVideoRecording.h"
#include "capture/pages/MediaPagesIds.h"
#include "common/SystemHelpers.h"
#include "capture/pages/tests/PageHostFixture.h"
#include "standins/audio/TestAudioIds.h"
#include "standins/camera/CTestCameraDevices.h"
#include "testing/CStringPrinter.h"

#include <objbase.h>

namespace
{
class MediaPageDevicesTest : public PageHostTest
{
protected:
    // The texts of a combo's items.
    std::vector<CString> Items(int page, UINT id)
    {
        std::vector<CString> items;
        HWND combo = Item(page, id);
        for (int i = 0; i < static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0)); ++i)
        {
            std::wstring text(static_cast<size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
            SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
            items.push_back(text.c_str());
        }
        return items;
    }
    // Chooses the next item of a list with the keyboard, as the user does.
    void ChooseNext(int page, UINT id)
    {
        HWND combo = Item(page, id);
        SetForegroundWindow(m_host);
        SetFocus(combo);
        PressKey(VK_DOWN);
    }
};

TEST_F(MediaPageDevicesTest, AStoredDeviceThatIsGoneShowsTheFirstAndThePageIsModifiedAtOnce)
{
    MakeValid(SP_AUDIO_RECORDING);
    m_devices.audio = {{L"Desk Mic", {L"Front"}}, {L"Headset", {L"Mic"}}};
    Show(SP_AUDIO_RECORDING);

    EXPECT_EQ(CString(L"Desk Mic"), Text(1, IDC_AUDIO_DEVICE));
    EXPECT_EQ(CString(L"Front"), Text(1, IDC_AUDIO_PIN));
    EXPECT_TRUE(Page(1).IsModified());
    ASSERT_TRUE(m_sheet->Save());
    const auto& saved = static_cast<InfoAudioRecording&>(Live(SP_AUDIO_RECORDING));
    EXPECT_EQ(CString(L"Desk Mic"), saved.RecInputDevice);
    EXPECT_EQ(CString(L"Front"), saved.RecInputPinName);
}

// Each attempt names the first missing value: the device, then the format, then the pin.
TEST_F(MediaPageDevicesTest, EmptyListsRefuseToSaveInOrder)
{
    struct Case
    {
        EnumSendParam type;
        int page;
        bool noDevice, noFormat, noPin;
        const wchar_t* message;
        // The list that takes the focus; 0 where it is disabled and the focus stays.
        UINT focus;
    };
    const Case cases[] = {
        {SP_AUDIO_RECORDING, 1, true, true, true, L"Audio input device is missing.", IDC_AUDIO_DEVICE},
        {SP_AUDIO_RECORDING, 1, false, true, true, L"Audio input format is missing.", IDC_AUDIO_FORMAT},
        {SP_AUDIO_RECORDING, 1, false, false, true, L"Audio input pin is missing.", IDC_AUDIO_PIN},
        // Checked also while "Record Audio" is off (the stored record has it off).
        {SP_VIDEO_RECORDING, 2, true, false, false, L"Audio input device is missing.", 0},
        // With "Record Sound" off only the pin is checked.
        {SP_CBT_RECORDING, 1, true, true, true, L"Audio input pin is missing.", 0},
    };
    for (const Case& c : cases)
    {
        MakeValid(c.type);
        if (c.type == SP_VIDEO_RECORDING)
            static_cast<InfoVideoRecording&>(Live(c.type)).RecAudio = false;
        if (c.type == SP_CBT_RECORDING)
            static_cast<InfoCBTRecording&>(Live(c.type)).RecSound = false;
        m_devices.audio = {{L"Desk Mic", c.noPin ? std::vector<std::wstring>{} : std::vector<std::wstring>{L"Front"}}};
        if (c.noDevice)
            m_devices.audio.clear();
        m_devices.formats = c.noFormat ? std::vector<std::wstring>{} : std::vector<std::wstring>{kStandInFormat};
        Show(c.type);
        SetForegroundWindow(m_host);
        HWND focused = GetFocus();
        const RegistrySnapshot before = TakeRegistrySnapshot();
        MessageBoxRecorder boxes(IDOK);

        EXPECT_FALSE(m_sheet->Save()) << c.message;
        ASSERT_EQ(1u, boxes.boxes.size()) << c.message;
        EXPECT_EQ(CString(c.message), boxes.boxes[0].text);
        EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), boxes.boxes[0].type & MB_ICONMASK);
        EXPECT_EQ(c.page, m_sheet->GetActiveIndex()) << c.message;
        EXPECT_EQ(c.focus ? Item(c.page, c.focus) : focused, GetFocus()) << c.message;
        EXPECT_EQ(std::vector<std::wstring>{}, ChangedValues(before, TakeRegistrySnapshot()));
    }
}

TEST_F(MediaPageDevicesTest, AnotherDeviceListsItsPinsKeepingTheSameName)
{
    MakeValid(SP_AUDIO_RECORDING);
    m_devices.audio = {{L"Desk Mic", {L"Microphone", L"Line In"}},
                       {L"Dock", {L"CD Audio", L"Line In"}},
                       {L"Headset", {L"Boom"}}};
    auto& live = static_cast<InfoAudioRecording&>(Live(SP_AUDIO_RECORDING));
    live.RecInputDevice = L"Desk Mic";
    live.RecInputPinName = L"line in";
    Show(SP_AUDIO_RECORDING);
    m_sheet->SetActivePage(1);
    EXPECT_EQ(CString(L"Line In"), Text(1, IDC_AUDIO_PIN));

    ChooseNext(1, IDC_AUDIO_DEVICE);
    EXPECT_EQ(CString(L"Dock"), Text(1, IDC_AUDIO_DEVICE));
    EXPECT_EQ((std::vector<CString>{L"CD Audio", L"Line In"}), Items(1, IDC_AUDIO_PIN));
    EXPECT_EQ(CString(L"Line In"), Text(1, IDC_AUDIO_PIN));

    ChooseNext(1, IDC_AUDIO_DEVICE);
    EXPECT_EQ(std::vector<CString>{L"Boom"}, Items(1, IDC_AUDIO_PIN));
    EXPECT_EQ(CString(L"Boom"), Text(1, IDC_AUDIO_PIN));
}

TEST_F(MediaPageDevicesTest, TheItemsObjectsAreReleasedWhenThePagesClose)
{
    m_devices.audio = {{L"Desk Mic", {L"Front"}}, {L"Headset", {L"Mic"}}};
    m_devices.cameras = {L"Cam A", L"Cam B", L"Cam C"};
    const long before = StandInDevices::HeldDevices();
    for (EnumSendParam type : {SP_CBT_RECORDING, SP_AUDIO_RECORDING, SP_VIDEO_RECORDING})
    {
        Show(type);
        // Each open list holds one object per device.
        EXPECT_EQ(before + (type == SP_VIDEO_RECORDING ? 5 : 2), StandInDevices::HeldDevices()) << type;
        Show(SP_SC_FILE);
        EXPECT_EQ(before, StandInDevices::HeldDevices()) << type;
    }
}

TEST_F(MediaPageDevicesTest, AFailedCameraListIsReportedOnceAndThePageRefusesToSave)
{
    MakeValid(SP_VIDEO_RECORDING);
    m_devices.cameraResult = E_ACCESSDENIED;
    MessageBoxRecorder boxes(IDOK);
    Show(SP_VIDEO_RECORDING);
    ASSERT_EQ(1u, boxes.boxes.size());
    EXPECT_EQ(L"Failure enumerating the video devices. Error: " + GetHResultText(E_ACCESSDENIED), boxes.boxes[0].text);
    EXPECT_EQ(0u, boxes.boxes[0].type & MB_ICONMASK);

    EXPECT_FALSE(m_sheet->Save());
    ASSERT_EQ(2u, boxes.boxes.size());
    EXPECT_EQ(CString(L"Video device missing."), boxes.boxes[1].text);
}

// The system's devices: the test camera as the system lists it, and the audio engine's
// lists with the test audio device.
class SystemDevicesTest : public MediaPageDevicesTest
{
protected:
    void SetUp() override
    {
        MediaPageDevicesTest::SetUp();
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        // An empty source puts the system's devices back.
        m_standIns = SetCaptureDeviceSource(CaptureDeviceSource());
        MakeValid(SP_VIDEO_RECORDING);
        MakeValid(SP_AUDIO_RECORDING);
    }
    void TearDown() override
    {
        MediaPageDevicesTest::TearDown();
        SetCaptureDeviceSource(m_standIns);
        CoUninitialize();
    }
    CaptureDeviceSource m_standIns;
};

TEST_F(SystemDevicesTest, AStoredCameraThatIsGoneShowsTheFirst)
{
    CTestCameraDevices cameras;
    ASSERT_HRESULT_SUCCEEDED(cameras.ListCameras({L"Cam A", L"Cam B"}));
    static_cast<InfoVideoRecording&>(Live(SP_VIDEO_RECORDING)).RecVideoDevice = L"Cam B";
    Show(SP_VIDEO_RECORDING);
    EXPECT_EQ(CString(L"Cam B"), Text(1, IDC_VIDEO_DEVICE));
    EXPECT_FALSE(Page(1).IsModified());

    static_cast<InfoVideoRecording&>(Live(SP_VIDEO_RECORDING)).RecVideoDevice = L"Gone Camera";
    Show(SP_VIDEO_RECORDING);
    EXPECT_EQ(CString(L"Cam A"), Text(1, IDC_VIDEO_DEVICE));
    EXPECT_TRUE(Page(1).IsModified());
}

// The empty category's "<< No entries >>" is no device: it is neither accepted nor saved.
TEST_F(SystemDevicesTest, NoCameraRefusesWithVideoDeviceMissing)
{
    CTestCameraDevices cameras;
    ASSERT_HRESULT_SUCCEEDED(cameras.ListCameras({}));
    Show(SP_VIDEO_RECORDING);
    EXPECT_EQ(CString(L"<< No entries >>"), Text(1, IDC_VIDEO_DEVICE));
    m_sheet->SetActivePage(0);
    const RegistrySnapshot before = TakeRegistrySnapshot();
    MessageBoxRecorder boxes(IDOK);

    EXPECT_FALSE(m_sheet->Save());
    ASSERT_EQ(1u, boxes.boxes.size());
    EXPECT_EQ(CString(L"Video device missing."), boxes.boxes[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), boxes.boxes[0].type & MB_ICONMASK);
    EXPECT_EQ(1, m_sheet->GetActiveIndex());
    EXPECT_EQ(Item(1, IDC_VIDEO_DEVICE), GetFocus());
    EXPECT_EQ(std::vector<std::wstring>{}, ChangedValues(before, TakeRegistrySnapshot()));
}
// The test audio device is listed with its inputs; without a sound server (this program
// runs none) the capture formats cannot be listed, and the page refuses an empty format.
TEST_F(SystemDevicesTest, TheTestAudioDeviceIsListedAndAnEmptyFormatListRefuses)
{
    auto& live = static_cast<InfoAudioRecording&>(Live(SP_AUDIO_RECORDING));
    live.RecInputDevice = L"test audio DEVICE";
    live.RecInputPinName = L"line in";
    Show(SP_AUDIO_RECORDING);
    EXPECT_EQ(CString(kTestAudioDeviceName), Text(1, IDC_AUDIO_DEVICE));
    EXPECT_EQ((std::vector<CString>{kTestAudioInputs[0], kTestAudioInputs[1], kTestAudioInputs[2]}),
              Items(1, IDC_AUDIO_PIN));
    EXPECT_EQ(CString(L"Line In"), Text(1, IDC_AUDIO_PIN));
    EXPECT_TRUE(Items(1, IDC_AUDIO_FORMAT).empty());

    MessageBoxRecorder boxes(IDOK);
    EXPECT_FALSE(m_sheet->Save());
    ASSERT_EQ(1u, boxes.boxes.size());
    EXPECT_EQ(CString(L"Audio input format is missing."), boxes.boxes[0].text);
    EXPECT_EQ(Item(1, IDC_AUDIO_FORMAT), GetFocus());
}
} // namespace
