// The video capture benchmark: records from the test camera at 1280x720 and 1920x1080,
// 30 frames a second, preview on, through the recorder window, and prints for each size
// the frames the camera offered, those in the file (read back), those dropped (the
// camera's counters), the achieved rate and the CPU time of the run. Figures only.
#include "capture/video/CWndVideoRecorder.h"
#include "capture/video/tests/AviReadBack.h"
#include "framework/AppMessageBox.h"
#include "standins/camera/CTestCameraDevices.h"
#include "standins/camera/TestCameraIds.h"

#include <cstdio>
#include <cwchar>
#include <mmsystem.h>

namespace
{
double CpuSeconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto value = [](const FILETIME& time) {
        return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32 | time.dwLowDateTime) / 1e7;
    };
    return value(kernel) + value(user);
}

void Pump(DWORD ms)
{
    const DWORD end = timeGetTime() + ms;
    MSG message;
    while (static_cast<LONG>(end - timeGetTime()) > 0)
    {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

void RecordSize(const CString& folder, int width, int height, DWORD seconds)
{
    CTestCameraDevices camera;
    camera.SetValue(kTestCameraWidth, width);
    camera.SetValue(kTestCameraHeight, height);
    InfoVideoRecording recording;
    recording.RecFName.Format(L"bench%d", width);
    recording.RecPath = folder;
    recording.RecFType = VFT_AVI;
    recording.RecOverwrite = true;
    recording.RecDuration = 0;
    recording.RecVideoDevice = kTestCameraName;
    recording.RecFramesRate = 30;
    recording.RecPreview = true;
    recording.RecWndLeft = recording.RecWndTop = 0;
    recording.RecWndWidth = 320;
    recording.RecWndHeight = 240;
    recording.RecAudio = false;
    recording.RecShowDlg = false;
    CWndVideoRecorder recorder(&recording, nullptr);
    if (!recorder.Create() || !recorder.StartCapture())
    {
        wprintf(L"%dx%d  the capture did not start: %ls\n", width, height, recorder.GetErrorText().GetString());
        return;
    }
    const double cpuBefore = CpuSeconds();
    const DWORD started = timeGetTime();
    Pump(seconds * 1000);
    recorder.StopCapture();
    const double ran = (timeGetTime() - started) / 1000.0;
    const double cpu = CpuSeconds() - cpuBefore;
    wchar_t status[256] = L"";
    GetDlgItemTextW(recorder.GetStatusLine(), 1, status, 256);
    int frames = 0, wholeSeconds = 0, tenths = 0, dropped = 0;
    swscanf(status, L"Captured %d frames in %d.%d sec (%d dropped)", &frames, &wholeSeconds, &tenths, &dropped);
    const AviReadBack back = ReadAviBack(recording.GetFullPathFileName(), false);
    const int written = static_cast<int>(back.frameCount);
    const int first = back.frameNumbers.empty() ? -1 : back.frameNumbers.front();
    const int last = back.frameNumbers.empty() ? -1 : back.frameNumbers.back();
    wprintf(L"%4dx%-4d  ran %6.2f s  offered %5d  written %5d (frames %d to %d)  dropped %4d  achieved %5.1f fps  "
            L"cpu %6.2f s\n",
            width, height, ran, frames + dropped, written, first, last, dropped, written / ran, cpu);
    DeleteFileW(recording.GetFullPathFileName());
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2)
    {
        fwprintf(stderr, L"usage: VideoCaptureBenchmark <folder> [seconds]\n");
        return 1;
    }
    const DWORD seconds = argc > 2 ? static_cast<DWORD>(_wtoi(argv[2])) : 30;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    timeBeginPeriod(1);
    AppSetMessageBoxHandler([](const CString& text, const CString&, UINT) {
        fwprintf(stderr, L"%ls\n", text.GetString());
        return IDOK;
    });
    wprintf(L"%u s at 30 frames a second, preview on\n", seconds);
    RecordSize(argv[1], 1280, 720, seconds);
    RecordSize(argv[1], 1920, 1080, seconds);
    timeEndPeriod(1);
    CoUninitialize();
    fflush(stdout);
    // Ends before the platform's media libraries unload under their own threads.
    ExitProcess(0);
}
