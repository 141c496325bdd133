// Times the configuration commands on a configuration that holds every record type:
// a save (gather and write) and an open (read, check and apply), each repeated, and
// prints the median and the maximum. Figures only: it checks nothing. The registry work
// goes to a private key below HKEY_CURRENT_USER, removed at the end.
// Arguments: folder for the file, [runs].
#include "capture/controller/CLocalController.h"
#include "capture/destinations/CImageDestinations.h"
#include "capture/movie/CPresentationManager.h"
#include "capture/selection/ICaptureDialogs.h"
#include "config/ConfigurationCommands.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace
{
class NoDialogs : public ICaptureDialogs
{
    int EditProperties(SendParam&, HWND) override { return IDOK; }
    int ChooseSelection(EnumSendParam, EnumScreenCaptureType&, std::vector<POINT>&, CString&, HWND) override
    {
        return IDCANCEL;
    }
    int ChooseFrameRate(bool&, int&, HWND) override
    {
        return IDCANCEL;
    }
};

// Milliseconds of each of the runs of the command; empty when one failed.
std::vector<double> Time(int runs, const std::function<bool(CString&)>& command)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run)
    {
        CString error;
        auto start = std::chrono::steady_clock::now();
        bool done = command(error);
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (!done)
        {
            std::fprintf(stderr, "%ls\n", error.GetString());
            return {};
        }
    }
    std::sort(times.begin(), times.end());
    return times;
}

void Print(const char* what, const std::vector<double>& times)
{
    if (times.empty())
        std::printf("%-40s failed\n", what);
    else
        std::printf("%-40s median %8.1f ms  max %8.1f ms\n", what, times[times.size() / 2], times.back());
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2)
    {
        std::fprintf(stderr, "Usage: ConfigurationBenchmark <folder> [runs]\n");
        return 1;
    }
    const int runs = argc > 2 ? std::max(1, _wtoi(argv[2])) : 20;
    const CString path = CString(argv[1]) + L"\\Benchmark.xml";
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    const std::wstring keyPath = L"Software\\VellumorBenchmark\\" + std::to_wstring(GetCurrentProcessId());
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    RegOverridePredefKey(HKEY_CURRENT_USER, key);
    {
        NoDialogs dialogs;
        CaptureManagers managers;
        managers.screen.reset(new CScreenCaptureManager(std::unique_ptr<CImageDestinations>(new CImageDestinations), dialogs));
        managers.movie.reset(new CPresentationManager(nullptr));
        SetLocalController(std::unique_ptr<CLocalController>(new CLocalController(std::move(managers))));

        std::printf("%d runs each, every record type in the file\n", runs);
        Print("save configuration", Time(runs, [&](CString& error) { return SaveConfigurationFile(path, error); }));
        Print("open configuration (read and apply)",
              Time(runs, [&](CString& error) { return OpenConfigurationFile(path, error); }));
        SetLocalController(nullptr);
    }
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(key);
    RegDeleteTreeW(HKEY_CURRENT_USER, keyPath.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, keyPath.c_str());
    DeleteFileW(path);
    CoUninitialize();
    return 0;
}
