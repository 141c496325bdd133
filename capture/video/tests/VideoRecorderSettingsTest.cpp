// The video recorder's devices, menus, settings, statistics and status line, and the
// graph's events, with the test camera (its registration changed for a test where it
// says so).
#include "capture/video/CVideoRecorderProgress.h"
#include "capture/video/CWndVideoRecorder.h"
#include "capture/video/StatusLine.h"
#include "capture/video/tests/RecorderTestSupport.h"
#include "capture/video/tests/VideoTestSupport.h"
#include "common/DirectShowUtilities.h"
#include "common/SystemHelpers.h"
#include "standins/camera/CTestCameraDevices.h"
#include "testing/CStringPrinter.h"
#include "testing/TestFolder.h"
#include "testing/TestInput.h"
#include "testing/TestPump.h"

#include <dbt.h>
#include <evcode.h>
#include <ks.h>
#include <ksmedia.h>
#include <gtest/gtest.h>

using namespace recorder_test;
using video_test::AnsweredDialogs;

namespace
{
CString StatusText(const CWndVideoRecorder& recorder)
{
    wchar_t text[512] = L"";
    GetDlgItemTextW(recorder.GetStatusLine(), 1, text, 512);
    return text;
}

CString MenuText(HMENU menu, UINT id)
{
    wchar_t text[128] = L"";
    GetMenuStringW(menu, id, text, 128, MF_BYCOMMAND);
    return text;
}

bool IsGreyed(HMENU menu, UINT id)
{
    return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

// The video capture filter's frame time now.
REFERENCE_TIME CameraFrameTime(IBaseFilter* camera)
{
    IEnumPins* pins = nullptr;
    IPin* pin = nullptr;
    IAMStreamConfig* config = nullptr;
    AM_MEDIA_TYPE* type = nullptr;
    REFERENCE_TIME frameTime = 0;
    if (SUCCEEDED(camera->EnumPins(&pins)) && pins->Next(1, &pin, nullptr) == S_OK &&
        SUCCEEDED(pin->QueryInterface(IID_IAMStreamConfig, reinterpret_cast<void**>(&config))) &&
        SUCCEEDED(config->GetFormat(&type)))
    {
        frameTime = reinterpret_cast<VIDEOINFOHEADER*>(type->pbFormat)->AvgTimePerFrame;
        CoTaskMemFree(type->pbFormat);
        CoTaskMemFree(type);
    }
    for (IUnknown* object : {static_cast<IUnknown*>(config), static_cast<IUnknown*>(pin), static_cast<IUnknown*>(pins)})
        if (object)
            object->Release();
    return frameTime;
}

// Sends an event into the graph as a filter would.
void InjectEvent(IGraphBuilder* graph, long code, LONG_PTR first, LONG_PTR second)
{
    IMediaEventSink* sink = nullptr;
    ASSERT_HRESULT_SUCCEEDED(graph->QueryInterface(IID_IMediaEventSink, reinterpret_cast<void**>(&sink)));
    sink->Notify(code, first, second);
    sink->Release();
}
} // namespace

class VideoRecorderSettingsTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_HRESULT_SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)); }
    void TearDown() override { CoUninitialize(); }

    std::unique_ptr<CWndVideoRecorder> MakeRecorder(HWND owner, ICaptureDialogs* dialogs = nullptr)
    {
        auto recorder = std::make_unique<CWndVideoRecorder>(&m_recording, owner, dialogs);
        EXPECT_TRUE(recorder->Create()) << recorder->GetErrorText().GetString();
        return recorder;
    }
    HMENU Menu(const CWndVideoRecorder& recorder) { return GetMenu(recorder.GetSafeHwnd()); }

    TestFolder m_folder;
    InfoVideoRecording m_recording = CameraRecording(m_folder.Path());
    AnsweredDialogs m_boxes;
    OwnerLog m_owner;
};

TEST_F(VideoRecorderSettingsTest, WithoutACameraTheEnumeratorsBoxComesThenTheStartsText)
{
    CTestCameraDevices devices;
    ASSERT_HRESULT_SUCCEEDED(devices.ListCameras({}));
    auto recorder = MakeRecorder(m_owner);

    const CString enumeratorBox = L"Error creating the video device class enumerator. Error: " + GetHResultText(S_FALSE);
    ASSERT_EQ(1u, m_boxes.boxes.size());
    EXPECT_EQ(enumeratorBox, m_boxes.boxes[0]);
    EXPECT_EQ(0, recorder->GetVideoDeviceCount());
    EXPECT_FALSE(recorder->StartCapture());
    EXPECT_EQ(L"Cannot create the video capture filter. Error: " + GetHResultText(E_POINTER), recorder->GetErrorText());
    EXPECT_TRUE(m_owner.messages.empty());
}

TEST_F(VideoRecorderSettingsTest, TheConfiguredCameraIsMatchedOrTheFirstTakenAndTenAreListed)
{
    struct Case
    {
        std::vector<std::wstring> cameras;
        const wchar_t* configured;
        int listed;
        int chosenItem; // the checked Devices item
    };
    const Case cases[] = {
        {{L"Cam A", L"Cam B"}, L"cam b", 2, 1},
        {{L"Cam A", L"Cam B"}, L"No Such Camera", 2, 0},
        {{L"Cam A", L"Twin", L"Twin"}, L"Twin", 3, 1},
        {{L"C0", L"C1", L"C2", L"C3", L"C4", L"C5", L"C6", L"C7", L"C8", L"C9", L"C10"}, L"C10", 10, 0},
    };
    for (const Case& c : cases)
    {
        CTestCameraDevices devices;
        ASSERT_HRESULT_SUCCEEDED(devices.ListCameras(c.cameras));
        m_recording.RecVideoDevice = c.configured;
        m_recording.RecPreview = false;
        auto recorder = MakeRecorder(m_owner);
        EXPECT_EQ(c.listed, recorder->GetVideoDeviceCount()) << c.configured;
        HMENU menu = Menu(*recorder);
        for (int i = 0; i < c.listed; ++i)
            EXPECT_EQ(i == c.chosenItem, (GetMenuState(menu, ID_RECORDER_VIDEO_DEVICE_FIRST + i, MF_BYCOMMAND) &
                                          MF_CHECKED) != 0)
                << c.configured << " " << i;
        EXPECT_EQ(CString(c.cameras[c.chosenItem].c_str()), recorder->GetVideoDeviceName()) << c.configured;
        // The eleventh camera takes no audio device's id (the first audio item's).
        EXPECT_NE(L"C10", MenuText(menu, ID_RECORDER_AUDIO_DEVICE_FIRST));
    }
}

TEST_F(VideoRecorderSettingsTest, MenusFollowTheStateAndDriverDialogsAreOffered)
{
    CTestCameraDevices devices;
    devices.SetSwitch(kTestCameraDriverDialogs, true);
    m_recording.RecPreview = false;
    auto recorder = MakeRecorder(m_owner);
    HMENU menu = Menu(*recorder);
    EXPECT_EQ(L"Video Format...", MenuText(menu, ID_RECORDER_DIALOG_FIRST));
    EXPECT_EQ(L"Video Source...", MenuText(menu, ID_RECORDER_DIALOG_FIRST + 1));
    EXPECT_EQ(L"Video Display...", MenuText(menu, ID_RECORDER_DIALOG_FIRST + 2));
    EXPECT_EQ(-1, recorder->GetDialogPosition(3)); // no filter pages beside driver dialogs

    struct Item
    {
        UINT id;
        bool greyedIdle;
        bool greyedCapturing;
    };
    const Item items[] = {
        {ID_RECORDER_START, false, true},          {ID_RECORDER_STOP, true, false},
        {ID_RECORDER_PAUSE, true, false},          {ID_RECORDER_RESUME, true, true},
        {ID_RECORDER_SET_CAPTURE_FILE, false, true}, {ID_RECORDER_DIALOG_FIRST, false, true},
        {ID_RECORDER_VIDEO_DEVICE_FIRST, false, true}, {ID_RECORDER_PREVIEW, false, true},
    };
    SendMessageW(*recorder, WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
    for (const Item& item : items)
        EXPECT_EQ(item.greyedIdle, IsGreyed(menu, item.id)) << item.id;
    ASSERT_TRUE(recorder->StartCapture()) << recorder->GetErrorText().GetString();
    SendMessageW(*recorder, WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
    for (const Item& item : items)
        EXPECT_EQ(item.greyedCapturing, IsGreyed(menu, item.id)) << item.id;
    EXPECT_TRUE(recorder->StopCapture());
}

TEST_F(VideoRecorderSettingsTest, ANewFrameRateReachesTheCameraAndZeroIsRefused)
{
    FrameRateDialogs dialogs;
    m_recording.RecPreview = true;
    auto recorder = MakeRecorder(m_owner, &dialogs);
    ASSERT_TRUE(recorder->GetVideoCaptureFilter());
    EXPECT_EQ(333333, CameraFrameTime(recorder->GetVideoCaptureFilter()));

    dialogs.rate = 15;
    SendMessageW(*recorder, WM_COMMAND, ID_RECORDER_FRAME_RATE, 0);
    EXPECT_EQ(666666, CameraFrameTime(recorder->GetVideoCaptureFilter()));
    EXPECT_TRUE(recorder->IsPreviewing());

    dialogs.rate = 0;
    SendMessageW(*recorder, WM_COMMAND, ID_RECORDER_FRAME_RATE, 0);
    EXPECT_EQ(666666, CameraFrameTime(recorder->GetVideoCaptureFilter()));
    EXPECT_DOUBLE_EQ(15.0, recorder->GetFrameRate());
    EXPECT_EQ(2, dialogs.shown);

    dialogs.use = false;
    dialogs.rate = 10;
    SendMessageW(*recorder, WM_COMMAND, ID_RECORDER_FRAME_RATE, 0);
    EXPECT_DOUBLE_EQ(15.0, recorder->GetFrameRate());

    // Without dialogs (the job's recorder) the command opens nothing.
    auto jobRecorder = MakeRecorder(nullptr, nullptr);
    SendMessageW(*jobRecorder, WM_COMMAND, ID_RECORDER_FRAME_RATE, 0);
    EXPECT_EQ(3, dialogs.shown);
}

TEST_F(VideoRecorderSettingsTest, TheCaptureFileIsAnAviInAnExistingFolderAndLeavingTheRecordIsToldOnce)
{
    m_recording.RecPreview = false;
    auto recorder = MakeRecorder(m_owner);
    const CString original = recorder->GetCaptureFile();

    m_boxes.chosenPath = m_folder / L"clip.mpg";
    SendMessageW(*recorder, WM_COMMAND, ID_RECORDER_SET_CAPTURE_FILE, 0);
    ASSERT_EQ(1u, m_boxes.boxes.size());
    EXPECT_EQ(L"Invalid video file extension for current operation. A video file extension shoud be .avi.",
              m_boxes.boxes.back());
    m_boxes.chosenPath = m_folder / L"missing\\clip.avi";
    m_boxes.boxes.clear();
    SendMessageW(*recorder, WM_COMMAND, ID_RECORDER_SET_CAPTURE_FILE, 0);
    // The path helper asks whether to create the folder; the box's OK is no Yes.
    ASSERT_FALSE(m_boxes.boxes.empty());
    EXPECT_EQ(L"The path should exist in order to properly capture the video.\nFile selection ignored.",
              m_boxes.boxes.back());
    EXPECT_EQ(original, recorder->GetCaptureFile());

    for (const wchar_t* name : {L"OTHER.AVI", L"third.avi"})
    {
        m_boxes.chosenPath = m_folder / name;
        SendMessageW(*recorder, WM_COMMAND, ID_RECORDER_SET_CAPTURE_FILE, 0);
        EXPECT_EQ(m_boxes.chosenPath, recorder->GetCaptureFile());
    }
    EXPECT_EQ(1, m_owner.Count(WM_MANAGER_OTHER_FILE));
    wchar_t title[128] = L"";
    GetWindowTextW(*recorder, title, 128);
    EXPECT_STREQ(L"Vellumor Video Recorder - third.avi", title);
    // Leaving the record's file stops the other notifications.
    ASSERT_TRUE(recorder->StartCapture());
    ASSERT_TRUE(recorder->StopCapture());
    EXPECT_EQ(0, m_owner.Count(WM_MANAGER_STARTED));
}

TEST_F(VideoRecorderSettingsTest, ALostCameraOrAnAbortedGraphStopsTheCapture)
{
    auto recorder = MakeRecorder(m_owner);
    ASSERT_TRUE(recorder->StartCapture());
    InjectEvent(recorder->GetGraph(), EC_DEVICE_LOST, reinterpret_cast<LONG_PTR>(recorder->GetVideoCaptureFilter()), 0);
    ASSERT_TRUE(PumpUntil([&] { return !recorder->IsCapturing(); }));
    PumpUntil([&] { return !m_boxes.boxes.empty(); });
    ASSERT_FALSE(m_boxes.boxes.empty());
    EXPECT_EQ(L"Video device lost.", m_boxes.boxes.back());

    m_boxes.boxes.clear();
    ASSERT_TRUE(recorder->StartCapture());
    InjectEvent(recorder->GetGraph(), EC_ERRORABORT, E_OUTOFMEMORY, 0);
    ASSERT_TRUE(PumpUntil([&] { return !recorder->IsCapturing(); }));
    PumpUntil([&] { return !m_boxes.boxes.empty(); });
    ASSERT_FALSE(m_boxes.boxes.empty());
    EXPECT_EQ(L"Failure during the video capture. Error: " + GetHResultText(E_OUTOFMEMORY), m_boxes.boxes.back());
    EXPECT_TRUE(recorder->IsPreviewing());
    EXPECT_EQ(2, m_owner.Count(WM_MANAGER_STOPPED));
}

TEST_F(VideoRecorderSettingsTest, EscStopsACaptureAndOtherKeysDoNot)
{
    auto recorder = MakeRecorder(m_owner);
    ASSERT_TRUE(recorder->StartCapture());
    SetForegroundWindow(*recorder);
    SetFocus(*recorder);
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = 'A';
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ASSERT_TRUE(SendInputSettled(keys, 2));
    EXPECT_TRUE(recorder->IsCapturing());
    keys[0].ki.wVk = keys[1].ki.wVk = VK_ESCAPE;
    ASSERT_TRUE(SendInputSettled(keys, 2));
    EXPECT_TRUE(PumpUntil([&] { return !recorder->IsCapturing(); }));
    // Once Esc was pressed, a letter still stops nothing.
    ASSERT_TRUE(recorder->StartCapture());
    keys[0].ki.wVk = keys[1].ki.wVk = 'B';
    ASSERT_TRUE(SendInputSettled(keys, 2));
    EXPECT_TRUE(recorder->IsCapturing());
    EXPECT_TRUE(recorder->StopCapture());
}

TEST_F(VideoRecorderSettingsTest, OnlyAWindowThatShutsItselfDownTellsItsOwner)
{
    {
        auto replaced = MakeRecorder(m_owner);
    }
    PumpFor(100);
    EXPECT_EQ(0, m_owner.Count(WM_CLOSE_VIDEO_WINDOW));
    auto recorder = MakeRecorder(m_owner);
    SendMessageW(*recorder, WM_CLOSE, 0, 0);
    PumpFor(100);
    recorder.reset();
    PumpFor(100);
    EXPECT_EQ(1, m_owner.Count(WM_CLOSE_VIDEO_WINDOW));
}

TEST(VideoRecorderStatistics, RatesAreShownWithOneDecimal)
{
    struct Case
    {
        long frames, dropped, durationMs, frameSize;
        const wchar_t* text;
    };
    const Case cases[] = {
        {300, 2, 10000, 34467, L"Captured 300 frames in 10.0 sec (2 dropped): 30.0 fps 1.0 Meg/sec"},
        {31, 0, 1034, 1000000, L"Captured 31 frames in 1.0 sec (0 dropped): 29.9 fps 29.9 Meg/sec"},
        {0, 0, 0, 0, L"Captured 0 frames in 0.0 sec (0 dropped): 0.0 fps 0.0 Meg/sec"},
        {5, 1, 0, 4000, L"Captured 5 frames in 0.0 sec (1 dropped): 0.0 fps 0.0 Meg/sec"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.text, CWndVideoRecorder::FinalStatistics(c.frames, c.dropped, c.durationMs, c.frameSize));
    EXPECT_EQ(L"Captured 12 frames (1 dropped) 2.3sec", CWndVideoRecorder::RunningStatistics(12, 1, 2345));
}

TEST_F(VideoRecorderSettingsTest, TheSaveShowsItsProgressAndReportsWhatThePlatformSays)
{
    auto recorder = MakeRecorder(m_owner);
    CVideoRecorderProgress progress(recorder.get());
    void* object = nullptr;
    EXPECT_EQ(E_POINTER, progress.QueryInterface(IID_IAMCopyCaptureFileProgress, nullptr));
    EXPECT_EQ(S_OK, progress.QueryInterface(IID_IAMCopyCaptureFileProgress, &object));
    EXPECT_EQ(static_cast<IAMCopyCaptureFileProgress*>(&progress), object);
    EXPECT_EQ(E_NOINTERFACE, progress.QueryInterface(IID_IBaseFilter, &object));
    EXPECT_EQ(1u, progress.AddRef());
    EXPECT_EQ(0u, progress.Release());
    EXPECT_EQ(S_OK, progress.Progress(42));
    EXPECT_EQ(L"Save File Progress: 42%", StatusText(*recorder));

    const CString target = m_folder / L"saved.avi";
    EXPECT_FALSE(recorder->SaveCaptureFile(target));
    EXPECT_EQ(L"Failure saving the video file '" + target + L"'. Error: " + GetHResultText(E_NOTIMPL),
              recorder->GetErrorText());
}

TEST(VideoRecorderStatusLine, ShowsAt127CharactersAndOutlivesAnEarlierLine)
{
    ASSERT_TRUE(StatusInit(GetModuleHandleW(nullptr), false));
    HWND first = CreateWindowExW(0, L"VellumorStatusClass", L"", WS_POPUP | WS_VISIBLE, 0, 0, 1000, 30, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(first);
    ASSERT_TRUE(StatusInit(GetModuleHandleW(nullptr), true));
    HWND second = CreateWindowExW(0, L"VellumorStatusClass", L"", WS_POPUP | WS_VISIBLE, 0, 40, 1000, 30, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(second);
    DestroyWindow(first);

    // Each picture of the line's text, as painted.
    auto paint = [&](const CString& text) {
        StatusSetText(second, text);
        PumpFor(50);
        HWND line = GetDlgItem(second, 1);
        RECT client;
        GetClientRect(line, &client);
        HDC dc = GetDC(line);
        HDC memory = CreateCompatibleDC(dc);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
        HGDIOBJ old = SelectObject(memory, bitmap);
        SendMessageW(line, WM_PAINT, 0, 0);
        BitBlt(memory, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
        std::vector<DWORD> pixels(static_cast<size_t>(client.right) * client.bottom);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB};
        SelectObject(memory, old);
        GetDIBits(memory, bitmap, 0, client.bottom, pixels.data(), &info, DIB_RGB_COLORS);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(line, dc);
        return pixels;
    };
    CString longText;
    for (int i = 0; i < 200; ++i)
        longText += static_cast<wchar_t>(L'0' + i % 10);
    const auto full = paint(longText);
    EXPECT_EQ(full, paint(longText.Left(127)));
    EXPECT_NE(full, paint(longText.Left(126)));
    // The sunken frame's shadow edge is painted with the button shadow colour.
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    EXPECT_EQ(RGB(GetBValue(shadow), GetGValue(shadow), GetRValue(shadow)), full[0] & 0xFFFFFF);
    DestroyWindow(second);
}

TEST_F(VideoRecorderSettingsTest, AnInterleavedStreamTurnsSoundOffAndACameraWithoutPreviewPinIsSplit)
{
    {
        CTestCameraDevices devices;
        devices.SetSwitch(kTestCameraInterleaved, true);
        m_recording.RecAudio = true;
        m_recording.RecAudioInputDevice = L"Test Audio Device";
        m_recording.RecAudioInputFormat = L"0,88200,2,1,44100,16,1";
        auto recorder = MakeRecorder(m_owner);
        EXPECT_FALSE(recorder->IsCaptureAudioOn());
        HMENU menu = Menu(*recorder);
        SendMessageW(*recorder, WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
        EXPECT_TRUE(IsGreyed(menu, ID_RECORDER_AUDIO_FORMAT));
        EXPECT_TRUE(IsGreyed(menu, ID_RECORDER_FRAME_RATE));
    }
    CTestCameraDevices devices;
    devices.SetSwitch(kTestCameraNoPreview, true);
    m_recording.RecAudio = false;
    auto recorder = MakeRecorder(m_owner);
    EXPECT_TRUE(recorder->IsPreviewing()) << recorder->GetErrorText().GetString();
    EXPECT_TRUE(recorder->IsPreviewFaked());
    ASSERT_TRUE(recorder->StartCapture()) << recorder->GetErrorText().GetString();
    PumpFor(500);
    EXPECT_TRUE(recorder->StopCapture());
}

TEST_F(VideoRecorderSettingsTest, ACaptureDeviceComingOrGoingRefillsTheDevicesMenuWhenItOpensNext)
{
    CTestCameraDevices devices;
    ASSERT_HRESULT_SUCCEEDED(devices.ListCameras({L"Cam A"}));
    m_recording.RecVideoDevice = L"Cam A";
    m_recording.RecPreview = false;
    auto recorder = MakeRecorder(m_owner);
    HMENU devicesMenu = GetSubMenu(Menu(*recorder), 1);
    auto openDevicesMenu = [&] {
        SendMessageW(*recorder, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(devicesMenu), 1);
        return recorder->GetVideoDeviceCount();
    };
    auto deviceChange = [&](WPARAM event, const GUID& deviceClass) {
        DEV_BROADCAST_DEVICEINTERFACE_W change{};
        change.dbcc_size = sizeof(change);
        change.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        change.dbcc_classguid = deviceClass;
        SendMessageW(*recorder, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(&change));
    };
    ASSERT_EQ(1, recorder->GetVideoDeviceCount());

    ASSERT_HRESULT_SUCCEEDED(devices.ListCameras({L"Cam A", L"Cam B"}));
    EXPECT_EQ(1, openDevicesMenu()) << "nothing told the window";
    deviceChange(DBT_DEVICEARRIVAL, GUID_NULL);
    EXPECT_EQ(1, openDevicesMenu()) << "a device of another class";
    deviceChange(DBT_DEVICEQUERYREMOVE, AM_KSCATEGORY_CAPTURE);
    EXPECT_EQ(1, openDevicesMenu()) << "a question is no change";
    deviceChange(DBT_DEVICEARRIVAL, AM_KSCATEGORY_CAPTURE);
    EXPECT_EQ(2, openDevicesMenu());
    EXPECT_EQ(L"Cam B", MenuText(devicesMenu, ID_RECORDER_VIDEO_DEVICE_FIRST + 1));
    EXPECT_TRUE(GetMenuState(devicesMenu, ID_RECORDER_VIDEO_DEVICE_FIRST, MF_BYCOMMAND) & MF_CHECKED)
        << "the device in use stays checked";

    ASSERT_HRESULT_SUCCEEDED(devices.ListCameras({L"Cam A"}));
    deviceChange(DBT_DEVICEREMOVECOMPLETE, AM_KSCATEGORY_CAPTURE);
    EXPECT_EQ(1, openDevicesMenu());
    EXPECT_EQ(-1, GetMenuState(devicesMenu, ID_RECORDER_VIDEO_DEVICE_FIRST + 1, MF_BYCOMMAND));
}

namespace
{
// Closes the property frame that the recorder opens (a dialog of the recorder's thread)
// with Cancel, and keeps the texts of the frame's page windows that name what they show.
// Window texts are read without messages: the recorder's thread may be waiting for
// this one.
class PropertyFrameCloser
{
public:
    explicit PropertyFrameCloser(HWND recorder) : m_thread(GetWindowThreadProcessId(recorder, nullptr))
    {
        m_watcher = CreateThread(nullptr, 0, &PropertyFrameCloser::Run, this, 0, nullptr);
    }
    ~PropertyFrameCloser() { Finish(); }

    // Stops looking (the command has returned) and waits for the thread.
    void Finish()
    {
        if (!m_watcher)
            return;
        InterlockedExchange(&m_stop, 1);
        WaitForSingleObject(m_watcher, INFINITE);
        CloseHandle(m_watcher);
        m_watcher = nullptr;
    }

    std::vector<CString> pageTexts;

private:
    static DWORD WINAPI Run(void* self)
    {
        static_cast<PropertyFrameCloser*>(self)->Watch();
        return 0;
    }
    void Watch()
    {
        // A frame without the page is closed too, after the give-up limit, so that the test ends.
        HWND frame = nullptr;
        PumpUntil([&] { return m_stop || ((frame = FindFrame()) && !pageTexts.empty()); });
        if (!frame)
            PumpUntil([&] { return m_stop || (frame = FindFrame()) != nullptr; }, INFINITE);
        if (frame && !m_stop)
            PostMessageW(frame, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(frame, IDCANCEL)));
    }
    HWND FindFrame()
    {
        m_frame = nullptr;
        EnumWindows(
            [](HWND window, LPARAM self) {
                auto closer = reinterpret_cast<PropertyFrameCloser*>(self);
                wchar_t windowClass[16] = L"";
                GetClassNameW(window, windowClass, 16);
                if (GetWindowThreadProcessId(window, nullptr) != closer->m_thread || !IsWindowVisible(window) ||
                    lstrcmpW(windowClass, L"#32770") != 0)
                    return TRUE;
                closer->m_frame = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(this));
        if (m_frame)
            EnumChildWindows(
                m_frame,
                [](HWND child, LPARAM self) {
                    wchar_t text[128] = L"";
                    InternalGetWindowText(child, text, 128);
                    if (wcsncmp(text, kTestCameraPageText, wcslen(kTestCameraPageText)) == 0)
                        reinterpret_cast<PropertyFrameCloser*>(self)->pageTexts.push_back(text);
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(this));
        return m_frame;
    }

    DWORD m_thread;
    HWND m_frame = nullptr;
    HANDLE m_watcher = nullptr;
    volatile LONG m_stop = 0;
};

// The filter that the camera's preview pin feeds, with a reference; null when none.
IBaseFilter* PreviewPeer(IBaseFilter* camera)
{
    IPin* preview = nullptr;
    IPin* peer = nullptr;
    PIN_INFO info{};
    if (SUCCEEDED(camera->FindPin(kTestCameraPreviewPin, &preview)) && SUCCEEDED(preview->ConnectedTo(&peer)))
        peer->QueryPinInfo(&info);
    if (peer)
        peer->Release();
    if (preview)
        preview->Release();
    return info.pFilter;
}
} // namespace

TEST_F(VideoRecorderSettingsTest, TheCamerasPagesOpenInAFrameAndACapturePinPageRebuildsThePreview)
{
    auto recorder = MakeRecorder(m_owner);
    ASSERT_TRUE(recorder->IsPreviewing()) << recorder->GetErrorText().GetString();
    HMENU menu = Menu(*recorder);
    const struct
    {
        int slot;
        const wchar_t* item;
        const wchar_t* page;
        bool rebuilds;
    } cases[] = {
        {3, L"Video Capture Filter...", kTestCameraName, false},
        {9, L"Video Capture Pin...", kTestCameraCapturePin, true},
        {10, L"Video Preview Pin...", kTestCameraPreviewPin, true},
    };
    for (const auto& c : cases)
    {
        const int position = recorder->GetDialogPosition(c.slot);
        ASSERT_NE(-1, position) << c.item;
        const UINT id = ID_RECORDER_DIALOG_FIRST + position;
        EXPECT_EQ(c.item, MenuText(menu, id));

        IBaseFilter* rendererBefore = PreviewPeer(recorder->GetVideoCaptureFilter());
        ASSERT_NE(nullptr, rendererBefore) << c.item;
        PropertyFrameCloser closer(*recorder);
        SendMessageW(*recorder, WM_COMMAND, id, 0);
        closer.Finish();
        ASSERT_EQ(1u, closer.pageTexts.size()) << c.item;
        EXPECT_EQ(CString(kTestCameraPageText) + c.page, closer.pageTexts[0]);

        EXPECT_TRUE(recorder->IsPreviewing()) << c.item;
        IBaseFilter* rendererAfter = PreviewPeer(recorder->GetVideoCaptureFilter());
        EXPECT_NE(nullptr, rendererAfter) << c.item;
        // The reference held keeps the old renderer's address from being taken again.
        EXPECT_EQ(c.rebuilds, rendererAfter != rendererBefore) << c.item;
        rendererBefore->Release();
        if (rendererAfter)
            rendererAfter->Release();
    }
}

TEST_F(VideoRecorderSettingsTest, ACrossbarInFrontOffersItsVideoInputsTheTunerFirstChosen)
{
    CTestCameraDevices devices;
    devices.SetSwitch(kTestCameraCrossbar, true);
    m_recording.RecPreview = false;
    auto recorder = MakeRecorder(m_owner);
    HMENU options = GetSubMenu(Menu(*recorder), 2);
    ASSERT_NE(nullptr, options);
    // The crossbar and the tuner have pages of their own.
    for (const auto& item : {std::make_pair(4, L"Video Crossbar..."), std::make_pair(5, L"TV Tuner...")})
    {
        const int position = recorder->GetDialogPosition(item.first);
        ASSERT_NE(-1, position) << item.second;
        EXPECT_EQ(item.second, MenuText(options, ID_RECORDER_DIALOG_FIRST + position));
    }

    const int count = GetMenuItemCount(options);
    wchar_t title[32] = L"";
    GetMenuStringW(options, count - 1, title, 32, MF_BYPOSITION);
    EXPECT_STREQ(L"Video Input", title);
    HMENU inputs = GetSubMenu(options, count - 1);
    ASSERT_NE(nullptr, inputs);
    ASSERT_EQ(3, GetMenuItemCount(inputs));
    const wchar_t* names[] = {L"Video Composite", L"Video SVideo", L"Video Tuner"};
    for (int i = 0; i < 3; ++i)
    {
        wchar_t name[32] = L"";
        GetMenuStringW(inputs, i, name, 32, MF_BYPOSITION);
        EXPECT_STREQ(names[i], name);
    }

    IBaseFilter* filter = nullptr;
    ASSERT_EQ(S_OK, FindFilterByName(recorder->GetGraph(), kTestCrossbarName, &filter));
    IAMCrossbar* crossbar = nullptr;
    ASSERT_HRESULT_SUCCEEDED(filter->QueryInterface(IID_IAMCrossbar, reinterpret_cast<void**>(&crossbar)));
    filter->Release();
    auto routed = [&](long output) {
        long input = -2;
        crossbar->get_IsRoutedTo(output, &input);
        return input;
    };
    auto checked = [&](int position) { return (GetMenuState(inputs, position, MF_BYPOSITION) & MF_CHECKED) != 0; };
    // The tuner's input is chosen first, its sound with it.
    EXPECT_EQ(2, routed(0));
    EXPECT_EQ(3, routed(1));
    EXPECT_TRUE(checked(2));

    SendMessageW(*recorder, WM_COMMAND, GetMenuItemID(inputs, 0), 0);
    EXPECT_EQ(0, routed(0));
    EXPECT_TRUE(checked(0));
    EXPECT_FALSE(checked(2));
    crossbar->Release();
}
