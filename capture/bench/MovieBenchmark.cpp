// Prints figures of the movie manager's frame path (a grab of the whole display, the
// movie destination and the AVI writer) on the display it runs on: the cost of one
// frame, the frames per second the path sustains when frames are asked back to back (the
// movies are read back to find every frame), and each frame's deviation from its
// schedule over a recording at frequency 1 driven by the step timer.
// Usage: MovieBenchmark.exe OUTPUT_FOLDER [FRAMES [BACK_TO_BACK_SECONDS [TIMED_SECONDS]]]
// The movies stay in the folder.
#include "capture/bench/BenchSupport.h"
#include "capture/destinations/CAviWriter.h"
#include "capture/destinations/CImagePresentation.h"
#include "capture/tests/MovieReader.h"
#include "capture/timing/CWndTimer.h"
#include "common/CDibToolkit.h"
#include "framework/CWinApp.h"

#include <cstdio>
#include <memory>
#include <vector>

using namespace bench;

namespace
{
class CBenchmarkApp : public CWinApp
{
};
CBenchmarkApp theApp;

// Back-to-back movies start a new file after this many frames, so that none comes near
// the AVI size limit (1920 x 1080 x 32 bits: 8.3 MB a frame).
const int kFramesPerMovie = 120;

LARGE_INTEGER Now()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

// The movie destination, noting when each frame of the step timer was asked for.
class CTimedPresentation : public CImagePresentation
{
public:
    DestinationResult ProcessWindow(HWND window) override
    {
        asked.push_back(Now());
        return CImagePresentation::ProcessWindow(window);
    }
    std::vector<LARGE_INTEGER> asked;
};

bool Fail(const CImagePresentation& destination)
{
    std::fwprintf(stderr, L"A frame failed: %ls\n", destination.GetErrorText().GetString());
    return false;
}

// One frame after another into one movie: the time of each, and of its grab.
bool MeasureFrameCost(const CString& folder, int frames, std::vector<double>& costs, std::vector<double>& grabs)
{
    CImagePresentation destination;
    CAviWriter writer(folder + L"\\cost.avi", 25);
    destination.SetAviWriter(&writer);
    bool ok = true;
    for (int i = 0; i < frames && ok; ++i)
    {
        const LARGE_INTEGER start = Now();
        ok = destination.GrabWindow(GetDesktopWindow()) == DR_DONE;
        const LARGE_INTEGER grabbed = Now();
        ok = ok && destination.Execute() == DR_DONE;
        costs.push_back(Milliseconds(start, Now()));
        grabs.push_back(Milliseconds(start, grabbed));
    }
    destination.SetAviWriter(nullptr);
    return ok || Fail(destination);
}

// Frames back to back for the seconds; the frames written into each movie.
bool MeasureBackToBack(const CString& folder, int seconds, std::vector<CString>& movies, std::vector<LONG>& counts,
                       double& elapsedMs)
{
    CImagePresentation destination;
    std::unique_ptr<CAviWriter> writer;
    const LARGE_INTEGER start = Now();
    bool ok = true;
    while (ok && Milliseconds(start, Now()) < seconds * 1000.0)
    {
        if (!writer || counts.back() == kFramesPerMovie)
        {
            destination.SetAviWriter(nullptr);
            CString path;
            path.Format(L"%s\\back%d.avi", folder.GetString(), static_cast<int>(movies.size()));
            writer.reset(new CAviWriter(path, 30));
            destination.SetAviWriter(writer.get());
            movies.push_back(path);
            counts.push_back(0);
        }
        ok = destination.ProcessWindow(GetDesktopWindow()) == DR_DONE;
        counts.back() += ok ? 1 : 0;
    }
    destination.SetAviWriter(nullptr);
    writer.reset();
    elapsedMs = Milliseconds(start, Now());
    return ok || Fail(destination);
}

// The frames of the movies read back that hold the frame count written.
LONG ReadBack(const std::vector<CString>& movies, const std::vector<LONG>& counts)
{
    LONG whole = 0;
    for (size_t i = 0; i < movies.size(); ++i)
    {
        MovieReader reader(movies[i]);
        const LONG length = reader.IsOpen() ? reader.FrameCount() : 0;
        for (LONG frame = 0; frame < length && frame < counts[i]; ++frame)
            whole += reader.ReadFrame(frame) ? 1 : 0;
    }
    return whole;
}

// What a grab cost when each made its display context, bitmap and picture: the
// screen-capture destinations' grab of the whole display.
std::vector<double> MeasureFreshGrabs(int frames)
{
    std::vector<double> times;
    for (int i = 0; i < frames; ++i)
    {
        const LARGE_INTEGER start = Now();
        CImage picture;
        picture.Attach(CDibToolkit::CopyScreenRect(RECT{0, 0, GetSystemMetrics(SM_CXSCREEN),
                                                        GetSystemMetrics(SM_CYSCREEN)}));
        times.push_back(Milliseconds(start, Now()));
    }
    return times;
}

// A recording of the desktop every second for the seconds through the step timer; each
// frame's distance from its time, in milliseconds.
bool MeasureSchedule(const CString& folder, int seconds, std::vector<double>& deviations)
{
    CTimedPresentation destination;
    CAviWriter writer(folder + L"\\timed.avi", 1);
    destination.SetAviWriter(&writer);
    CWndTimer timer;
    timer.SetMovieCapture(&destination, 1, CArray<POINT>(), SCT_DESKTOP, CString(), nullptr, false);
    // The frame timer is armed as the set-up ends.
    const LARGE_INTEGER start = Now();
    timer.Start(static_cast<UINT>(seconds + 1));
    MSG message;
    while (Milliseconds(start, Now()) < seconds * 1000.0 + 500.0)
    {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    }
    timer.Stop();
    destination.SetAviWriter(nullptr);
    for (size_t i = 0; i < destination.asked.size(); ++i)
        deviations.push_back(Milliseconds(start, destination.asked[i]) - 1000.0 * static_cast<double>(i + 1));
    return destination.IsGrabbed() || Fail(destination);
}

std::vector<double> Absolute(std::vector<double> values)
{
    for (double& value : values)
        value = value < 0 ? -value : value;
    return values;
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2)
    {
        std::fwprintf(stderr, L"Usage: MovieBenchmark.exe OUTPUT_FOLDER [FRAMES [BACK_TO_BACK_SECONDS "
                              L"[TIMED_SECONDS]]]\n");
        return 2;
    }
    if (!AppWinInit(GetModuleHandleW(nullptr), nullptr, GetCommandLineW(), SW_HIDE))
        return 1;
    const CString folder = argv[1];
    const int frames = argc > 2 ? _wtoi(argv[2]) : 30;
    const int backToBackSeconds = argc > 3 ? _wtoi(argv[3]) : 10;
    const int timedSeconds = argc > 4 ? _wtoi(argv[4]) : 60;
    std::wprintf(L"Display %dx%d, whole-display frames\n", GetSystemMetrics(SM_CXSCREEN),
                 GetSystemMetrics(SM_CYSCREEN));

    PatternWindow pattern;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);

    std::vector<double> costs, grabs;
    if (!MeasureFrameCost(folder, frames, costs, grabs))
        return 1;
    Print(L"one frame (grab and write)", Summarise(costs), L"ms");
    Print(L"  of which the grab", Summarise(grabs), L"ms");
    Print(L"  a grab into a new bitmap", Summarise(MeasureFreshGrabs(frames)), L"ms");

    std::vector<CString> movies;
    std::vector<LONG> counts;
    double elapsedMs = 0;
    if (!MeasureBackToBack(folder, backToBackSeconds, movies, counts, elapsedMs))
        return 1;
    LONG written = 0;
    for (LONG count : counts)
        written += count;
    std::wprintf(L"%-34ls %8.1f frames/s over %.1f s: %ld frames written, %ld read back\n", L"back to back",
                 1000.0 * written / elapsedMs, elapsedMs / 1000.0, written, ReadBack(movies, counts));

    std::vector<double> deviations;
    if (!MeasureSchedule(folder, timedSeconds, deviations))
        return 1;
    Print(L"timed frame off its schedule", Summarise(Absolute(deviations)), L"ms");
    std::wprintf(L"  %d frames in %d s, each (ms):", static_cast<int>(deviations.size()), timedSeconds);
    for (double deviation : deviations)
        std::wprintf(L" %+.0f", deviation);
    std::wprintf(L"\n");
    AppWinTerm();
    return 0;
}
