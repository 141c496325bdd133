// Prints figures of a whole-desktop screen capture on the display it runs on: screen
// reads per capture, the time of one capture written as PNG and as BMP (read, encode,
// write), and the peak memory of an unattended desktop job of VellRunJobs.exe.
// Usage: ScreenCaptureBenchmark.exe OUTPUT_FOLDER [RUNS]
// The last PNG and BMP stay in the folder as Desktop.png and Desktop.bmp so that their
// sizes can be compared with other encoders.
#include "Info/InfoScFile.h"
#include "capture/destinations/CImageDestinations.h"
#include "capture/bench/BenchSupport.h"
#include "common/CDibToolkit.h"
#include "framework/CWinApp.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace bench;

namespace
{
class CBenchmarkApp : public CWinApp
{
};
CBenchmarkApp theApp;

// Captures the desktop runs times into the file destination with the type; the times
// and the screen reads of each capture.
bool MeasureCaptures(CImageDestinations& set, const CString& folder, EnumFileType type, int runs,
                     std::vector<double>& times, std::vector<double>& reads)
{
    set.GetSettings().Clear();
    set.GetSettings().File = true;
    set.UseInfo(InfoScFile(L"Desktop", folder, type, true, false, 0, 1));
    for (int i = 0; i < runs; ++i)
    {
        const unsigned long before = CDibToolkit::GetScreenReadCount();
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        const DestinationResult result = set.ProcessWindowWithInfo(GetDesktopWindow());
        QueryPerformanceCounter(&end);
        if (result != DR_DONE)
        {
            std::fwprintf(stderr, L"The capture failed: %ls\n", set.GetErrorText().GetString());
            return false;
        }
        times.push_back(Milliseconds(start, end));
        reads.push_back(static_cast<double>(CDibToolkit::GetScreenReadCount() - before));
    }
    return true;
}

// Runs the runner beside this program with the arguments; its peak working set in
// megabytes, or a negative value when it could not run or ended with another code.
double MeasureRunnerPeakMemory(const CString& arguments, DWORD expectedCode)
{
    wchar_t self[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    CString program(self);
    program = program.Left(program.ReverseFind(L'\\')) + L"\\VellRunJobs.exe";
    std::wstring line = (L"\"" + program + L"\" " + arguments).GetString();
    STARTUPINFOW startup = {sizeof(startup)};
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    // Read while it runs: an ended process may no longer report its counters.
    SIZE_T peak = 0;
    const ULONGLONG deadline = GetTickCount64() + 60000;
    do
    {
        PROCESS_MEMORY_COUNTERS counters = {sizeof(counters)};
        if (GetProcessMemoryInfo(process.hProcess, &counters, sizeof(counters)))
            peak = (std::max)(peak, counters.PeakWorkingSetSize);
    } while (WaitForSingleObject(process.hProcess, 5) == WAIT_TIMEOUT && GetTickCount64() < deadline);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (peak == 0 || code != expectedCode)
        return -1;
    return static_cast<double>(peak) / (1024.0 * 1024.0);
}

Figures MeasureRunner(const CString& arguments, DWORD expectedCode)
{
    std::vector<double> peaks;
    for (int i = 0; i < 3; ++i)
        peaks.push_back(MeasureRunnerPeakMemory(arguments, expectedCode));
    return Summarise(peaks);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2)
    {
        std::fwprintf(stderr, L"Usage: ScreenCaptureBenchmark.exe OUTPUT_FOLDER [RUNS]\n");
        return 2;
    }
    if (!AppWinInit(GetModuleHandleW(nullptr), nullptr, GetCommandLineW(), SW_HIDE))
        return 1;
    const CString folder = argv[1];
    const int runs = argc > 2 ? _wtoi(argv[2]) : 10;
    std::wprintf(L"Display %dx%d, %d captures each\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                 runs);

    PatternWindow pattern;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);

    CImageDestinations set;
    std::vector<double> pngTimes, bmpTimes, reads;
    if (!MeasureCaptures(set, folder, FT_PNG, runs, pngTimes, reads) ||
        !MeasureCaptures(set, folder, FT_BMP, runs, bmpTimes, reads))
        return 1;
    Print(L"screen reads per capture", Summarise(reads), L"");
    Print(L"desktop capture to PNG", Summarise(pngTimes), L"ms");
    Print(L"desktop capture to BMP", Summarise(bmpTimes), L"ms");

    Print(L"peak memory of a desktop job", MeasureRunner(L"-type VELLUMOR_SC -esParam 7 -escType 6 -size \"\" "
                                                         L"-file Job -path \"" + folder +
                                                         L"\" -imgType 4 -overwrite 1 -duration 1 -freq 1", 0),
          L"MB");
    // What the runner takes without capturing: a type word that names no job.
    Print(L"  of which the runner alone", MeasureRunner(L"-type VELLUMOR_NOTHING", 0), L"MB");
    AppWinTerm();
    return 0;
}
