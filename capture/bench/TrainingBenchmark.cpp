// Prints figures of training capture under the real hooks: (a) a session of mixed input
// (keys, relative mouse moves, clicks) into a window of this program is recorded, then
// played back into it, and each key and button message's arrival during the playback is
// compared with its event's offset in the file (arrivals read on a 1 ms clock; moves are
// merged by the system and left out); (b) key events sent at a fixed rate are recorded and
// counted against those sent. Figures only: it checks nothing.
#include "capture/bench/BenchSupport.h"
#include "capture/training/CCBTManager.h"
#include "cuehook/CEventManager.h"
#include "framework/CWinApp.h"

#include <cmath>
#include <functional>
#include <thread>
#include <vector>

using namespace bench;

namespace
{
// The application object the framework binds to.
class CBenchmarkApp : public CWinApp
{
};
CBenchmarkApp theApp;

// A key or button message and when it came (a key's virtual-key code; 0 for buttons).
struct Arrival
{
    UINT message;
    UINT key;
    DWORD time;
};

UINT Key(UINT message, WPARAM virtualKey)
{
    return message == WM_KEYDOWN || message == WM_KEYUP ? static_cast<UINT>(virtualKey & 0xFF) : 0;
}

// A window in front that notes when each key and button message arrives.
class ArrivalWindow
{
public:
    ArrivalWindow()
    {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"VellTrainingBench";
        RegisterClassW(&windowClass);
        s_self = this;
        m_window = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 100, 100, 600, 400,
                                   nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetForegroundWindow(m_window);
        SetFocus(m_window);
    }
    ~ArrivalWindow() { DestroyWindow(m_window); }

    std::vector<Arrival> arrivals;
    POINT Centre() const { return {400, 300}; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        switch (message)
        {
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            s_self->arrivals.push_back({message, Key(message, wParam), timeGetTime()});
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
        }
    }

    static ArrivalWindow* s_self;
    HWND m_window;
};
ArrivalWindow* ArrivalWindow::s_self = nullptr;

// True when the system took the event.
bool Send(INPUT input)
{
    return SendInput(1, &input, sizeof input) == 1;
}

INPUT KeyInput(WORD key, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT MouseInput(DWORD flags, LONG dx = 0, LONG dy = 0)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.dx = dx;
    input.mi.dy = dy;
    return input;
}

// Mixed input for about seconds: a key, a few moves, a click, at uneven pauses.
void SendMixedSession(int seconds)
{
    const DWORD end = timeGetTime() + static_cast<DWORD>(seconds) * 1000;
    for (int step = 0; timeGetTime() < end; ++step)
    {
        const WORD key = static_cast<WORD>(VK_F13 + step % 4);
        Send(KeyInput(key, false));
        Sleep(30 + step % 5 * 10);
        Send(KeyInput(key, true));
        // Moves that end where they began, so the clicks stay in the window.
        const LONG dy[] = {2, -2, 1, -1};
        for (int move = 0; move < 4; ++move)
        {
            Send(MouseInput(MOUSEEVENTF_MOVE, move % 2 ? 3 : -3, dy[move]));
            Sleep(15);
        }
        Send(MouseInput(MOUSEEVENTF_LEFTDOWN));
        Sleep(40);
        Send(MouseInput(MOUSEEVENTF_LEFTUP));
        Sleep(80 + step % 7 * 20);
    }
}

// Key and button events of the file, in order.
std::vector<Arrival> KeyAndButtonEvents(const CString& file)
{
    CEventManager store;
    CString error;
    std::vector<Arrival> times;
    if (!store.LoadCBTFile(file, &error))
        return times;
    for (UINT i = 0; i < store.GetEventCount(); ++i)
    {
        EVENTMSG event{};
        store.GetEvent(i, event);
        if (event.message == WM_KEYDOWN || event.message == WM_KEYUP || event.message == WM_LBUTTONDOWN ||
            event.message == WM_LBUTTONUP)
            times.push_back({event.message, Key(event.message, event.paramL), event.time});
    }
    return times;
}

UINT EventCount(const CString& file)
{
    CEventManager store;
    CString error;
    return store.LoadCBTFile(file, &error) ? store.GetEventCount() : 0;
}

// A recording without duration: Ctrl+Break ends it.
InfoCBTRecording Recording(const CString& folder, const wchar_t* name)
{
    return InfoCBTRecording(name, folder, true, false, L"", L"", L"", false, false, 0, false);
}

// Records while send runs on a thread of its own (from half a second on), then ends the
// recording with Ctrl+Break (its Ctrl is recorded); false, with the reason printed, when
// the recording failed.
bool RecordWhile(CCBTManager& manager, const std::function<void()>& send)
{
    std::thread input([&] {
        Sleep(500);
        send();
        for (INPUT key : {KeyInput(VK_CONTROL, false), KeyInput(VK_CANCEL, false), KeyInput(VK_CANCEL, true),
                          KeyInput(VK_CONTROL, true)})
            Send(key);
    });
    CString error;
    const int recorded = manager.Record(error);
    input.join();
    if (recorded != 2)
        std::wprintf(L"recording failed: %ls\n", error.GetString());
    return recorded == 2;
}

void MeasureTiming(const CString& folder, int seconds)
{
    ArrivalWindow window;
    SetCursorPos(window.Centre().x, window.Centre().y);
    CCBTManager manager;
    manager.GetRecording() = Recording(folder, L"session");
    if (!RecordWhile(manager, [seconds] { SendMixedSession(seconds); }))
        return;
    const std::vector<Arrival> times = KeyAndButtonEvents(manager.GetTrainingFile());
    SetCursorPos(window.Centre().x, window.Centre().y);
    window.arrivals.clear();
    manager.GetPlaying() = InfoCBTPlaying(manager.GetTrainingFile(), false, 0, false, false, 0, false, L"", L"", 0, 0,
                                          0, 0, 0);
    CString error;
    if (manager.Play(error) != 2)
    {
        std::wprintf(L"playing failed: %ls\n", error.GetString());
        return;
    }
    // Each recorded event pairs with the next arrival of the same message and key; the
    // offsets count from the first pair.
    std::vector<double> deviations;
    size_t next = 0, pairs = 0;
    DWORD recordedStart = 0, arrivedStart = 0;
    for (const Arrival& event : times)
    {
        size_t at = next;
        while (at < window.arrivals.size() &&
               (window.arrivals[at].message != event.message || window.arrivals[at].key != event.key))
            ++at;
        if (at == window.arrivals.size())
            continue;
        if (pairs++ == 0)
        {
            recordedStart = event.time;
            arrivedStart = window.arrivals[at].time;
        }
        else
            deviations.push_back(static_cast<double>(window.arrivals[at].time - arrivedStart) -
                                 static_cast<double>(event.time - recordedStart));
        next = at + 1;
    }
    std::vector<double> absolute;
    for (double deviation : deviations)
        absolute.push_back(std::fabs(deviation));
    std::sort(absolute.begin(), absolute.end());
    const double p99 = absolute.empty() ? 0 : absolute[std::min(absolute.size() - 1, absolute.size() * 99 / 100)];
    const Figures figures = Summarise(absolute);
    std::wprintf(L"(a) %d s session: %zu key and button events recorded, %zu arrived in playback, %zu paired\n",
                 seconds, times.size(), window.arrivals.size(), pairs);
    std::wprintf(L"    deviation from the recorded offset (absolute): median %.1f ms, p99 %.1f ms, max %.1f ms\n",
                 figures.median, p99, figures.max);
}

void MeasureLoss(const CString& folder, int seconds, int perSecond)
{
    ArrivalWindow window;
    CCBTManager manager;
    manager.GetRecording() = Recording(folder, L"flood");
    UINT sent = 0, refused = 0;
    DWORD took = 0;
    const bool recorded = RecordWhile(manager, [&] {
        const DWORD start = timeGetTime();
        const UINT total = static_cast<UINT>(seconds * perSecond);
        while (sent < total)
        {
            // Catch up with the rate every millisecond.
            const UINT due = std::min<UINT>(total, (timeGetTime() - start) * perSecond / 1000 + 1);
            for (; sent < due; ++sent)
                refused += Send(KeyInput(VK_F15, sent % 2 != 0)) ? 0 : 1;
            Sleep(1);
        }
        took = timeGetTime() - start;
    });
    if (!recorded)
        return;
    const UINT taken = EventCount(manager.GetTrainingFile()) - 1; // without Ctrl+Break's Ctrl
    std::wprintf(L"(b) %d events a second for %d s: sent %u in %.1f s (refused by SendInput %u), recorded %u, lost %d\n",
                 perSecond, seconds, sent, took / 1000.0, refused, taken,
                 static_cast<int>(sent - refused) - static_cast<int>(taken));
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2)
    {
        std::fwprintf(stderr, L"Usage: TrainingBenchmark.exe OUTPUT_FOLDER [SESSION_SECONDS [FLOOD_SECONDS]]\n");
        return 2;
    }
    if (!AppWinInit(GetModuleHandleW(nullptr), nullptr, GetCommandLineW(), SW_HIDE))
        return 1;
    timeBeginPeriod(1);
    const CString folder = argv[1];
    MeasureTiming(folder, argc > 2 ? _wtoi(argv[2]) : 60);
    MeasureLoss(folder, argc > 3 ? _wtoi(argv[3]) : 10, 1000);
    timeEndPeriod(1);
    return 0;
}
