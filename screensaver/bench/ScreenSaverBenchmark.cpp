// The screen-saver benchmark: on the display it runs on (scripts/screensaver-benchmark.sh
// gives it a 1920x1080 one) and with a picture of the display's size, it times each step
// of the saver's effects and prints, per step kind, how many it timed, the mean and worst
// milliseconds and whether every one stayed under 16 ms (60 steps a second). Figures
// only: it checks nothing.
#include "framework/CWinApp.h"
#include "screensaver/CFireRoutine.h"
#include "screensaver/CPlasmaRoutine.h"
#include "screensaver/CVellScreenSaverWnd.h"
#include "screensaver/CWaterRoutine.h"
#include "screensaver/ScreenSaverLayout.h"
#include "screensaver/tests/SaverTestSupport.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace
{
CWinApp theApp;

const int kFrames = 60;
const int kRevealSteps = 30;
const double kBudgetMs = 16.0;

double Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * now.QuadPart / frequency.QuadPart;
}

void Print(const char* name, const std::vector<double>& steps)
{
    if (steps.empty())
        return;
    double sum = 0, worst = 0;
    for (double ms : steps)
    {
        sum += ms;
        worst = std::max(worst, ms);
    }
    std::printf("%-34s %6zu %9.2f %9.2f   %s\n", name, steps.size(), sum / steps.size(), worst,
                worst < kBudgetMs ? "yes" : "no");
}

std::vector<double> Time(int count, const std::function<void()>& step)
{
    std::vector<double> times;
    for (int i = 0; i < count; ++i)
    {
        const double start = Now();
        step();
        times.push_back(Now() - start);
    }
    return times;
}

void Pump()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
}

// The first steps of a reveal code over the whole screen, pixel by pixel from the memory
// DC into the window, timed step by step.
std::vector<double> RevealSteps(CMemoryDC& memory, HDC target, int code, const RECT& rect)
{
    std::vector<double> times;
    double start = Now();
    CMemoryDC::VisitTransition(
        code, rect,
        [&](int x, int y) {
            SetPixel(target, x, y, GetPixel(memory.GetMainDC(), x, y));
            return times.size() < kRevealSteps;
        },
        [&] {
            times.push_back(Now() - start);
            start = Now();
        });
    return times;
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2 || !AppWinInit(GetModuleHandleW(nullptr), nullptr, GetCommandLineW(), 0))
    {
        std::fprintf(stderr, "Usage: ScreenSaverBenchmark <scratch folder>\n");
        return 1;
    }
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    const CString folder = argv[1];
    const std::string picture = saver_test::TwoToneBitmap(width, height, RGB(200, 60, 30), RGB(40, 90, 210));
    HANDLE file = CreateFileW(folder + L"\\bench.bmp", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, picture.data(), static_cast<DWORD>(picture.size()), &written, nullptr);
    CloseHandle(file);
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_LOCAL_MACHINE, kScreenSaverKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    RegCloseKey(key);
    saver_test::SetText(HKEY_LOCAL_MACHINE, L"ImgPath", folder);
    saver_test::SetText(HKEY_CURRENT_USER, L"Image", L"bench");
    saver_test::SetNumber(HKEY_CURRENT_USER, L"Effects", SSE_NONE);
    saver_test::SetNumber(HKEY_CURRENT_USER, L"OrigSize", 1);
    saver_test::SetNumber(HKEY_CURRENT_USER, L"IsImagePool", 0);

    HWND host = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr,
                                nullptr, nullptr, nullptr);
    auto* saver = new CVellScreenSaverWnd();
    if (!saver->Create(host, RECT{}))
        return 1;
    saver->ReadAndRestart();
    Pump();
    std::printf("Display %dx%d, picture %dx%d\n", width, height, width, height);
    std::printf("%-34s %6s %9s %9s   %s\n", "step", "steps", "mean ms", "worst ms", "all under 16 ms");

    Print("compose of a restart", Time(10, [&] { saver->Compose(); }));

    std::vector<DWORD> pixels(static_cast<size_t>(width) * height, 0x00406080);
    std::vector<DWORD> work(pixels.size());
    CFireRoutine fire;
    fire.Init(width, height);
    Print("fire frame", Time(kFrames, [&] { fire.Render(work.data()); }));
    CPlasmaRoutine plasma;
    plasma.Init(width, height);
    Print("plasma frame", Time(kFrames, [&] { plasma.Render(work.data()); }));
    CWaterRoutine water;
    water.Create(width, height);
    Print("water drop", Time(kFrames, [&] { water.Drop(); }));
    Print("water frame", Time(kFrames, [&] { water.Render(pixels.data(), work.data()); }));

    const RECT screen = {0, 0, width, height};
    CMemoryDC memory;
    HDC target = GetDC(*saver);
    memory.CreateCopyOf(target, width, height);
    const char* codes[10] = {"left-right column", "right-left column", "up-down row", "down-up row",
                             "in-out columns", "out-in columns", "in-out rows", "out-in rows",
                             "in-out ring", "out-in ring"};
    for (int code = 1; code <= 10; ++code)
    {
        CString name;
        name.Format(L"reveal %d, %S", code, codes[code - 1]);
        Print(name.ToAnsi().c_str(), RevealSteps(memory, target, code, screen));
    }
    for (int n : {5, 10, 15})
    {
        int cell = 0;
        const int* order = MosaicOrder(n);
        CString name;
        name.Format(L"mosaic cell %dx%d", n, n);
        Print(name.ToAnsi().c_str(), Time(n * n, [&] {
                  const RECT r = MosaicCellRect(screen, n, order[cell++]);
                  memory.BitBltTo(target, r.left, r.top, r.right - r.left, r.bottom - r.top, r.left, r.top);
              }));
    }
    ReleaseDC(*saver, target);
    DestroyWindow(host);
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kScreenSaverKey, L"ImgPath");
    RegDeleteTreeW(HKEY_CURRENT_USER, kScreenSaverKey);
    std::fflush(stdout);
    return 0;
}
