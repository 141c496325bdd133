#include "capture/training/tests/TrainingTestSupport.h"

#include "cuehook/CEventManager.h"
#include "cuehook/CuehookApi.h"
#include "testing/TestChild.h"
#include "testing/TestPump.h"

#include <gtest/gtest.h>

namespace
{
const wchar_t kTargetSwitch[] = L"--training-target";
const wchar_t kTargetClass[] = L"VellTrainingTarget";
const int kEditHeight = 28;

LRESULT CALLBACK TargetProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDOWN)
    {
        POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ClientToScreen(window, &point);
        HWND log = GetDlgItem(window, 2);
        wchar_t text[2048] = L"";
        GetWindowTextW(log, text, ARRAYSIZE(text));
        CString logged(text);
        logged.AppendFormat(L"%ld,%ld;", point.x, point.y);
        SetWindowTextW(log, logged);
        return 0;
    }
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

// The target program: its window in front until it is closed.
DWORD RunTarget(int, wchar_t**)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = TargetProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kTargetClass;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, kTargetClass, L"Training target", WS_POPUP | WS_BORDER, kTargetOrigin.x,
                                  kTargetOrigin.y, kTargetSize.cx, kTargetSize.cy, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, kTargetSize.cx,
                                kEditHeight, window, reinterpret_cast<HMENU>(1), GetModuleHandleW(nullptr), nullptr);
    CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 0, 0, window, reinterpret_cast<HMENU>(2),
                    GetModuleHandleW(nullptr), nullptr);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetFocus(edit);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
    {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
[[maybe_unused]] const bool s_target = RegisterTestChild(kTargetSwitch, RunTarget);

CString ChildText(HWND window, int id)
{
    wchar_t text[2048] = L"";
    SendMessageTimeoutW(GetDlgItem(window, id), WM_GETTEXT, ARRAYSIZE(text), reinterpret_cast<LPARAM>(text),
                        SMTO_BLOCK, kTestGiveUpMs, nullptr);
    return text;
}

HWND FindTargetOf(DWORD processId)
{
    for (HWND window = FindWindowW(kTargetClass, nullptr); window;
         window = FindWindowExW(nullptr, window, kTargetClass, nullptr))
    {
        DWORD owner = 0;
        if (GetWindowThreadProcessId(window, &owner) && owner == processId && IsWindowVisible(window))
            return window;
    }
    return nullptr;
}

INPUT MouseInput(DWORD flags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}
} // namespace

CTargetProcess::CTargetProcess()
{
    if (!StartTestChild(kTargetSwitch, {}, m_process))
        return;
    if (PumpUntil([&] { return (m_window = FindTargetOf(m_process.dwProcessId)) != nullptr; }, kProcessStartGiveUpMs))
        m_inFront = PumpUntil([&] { return GetForegroundWindow() == m_window; });
}

CTargetProcess::~CTargetProcess()
{
    if (!m_process.hProcess)
        return;
    if (m_window)
        PostMessageW(m_window, WM_CLOSE, 0, 0);
    if (!PumpUntilSignalled(m_process.hProcess))
        TerminateProcess(m_process.hProcess, 1);
    CloseHandle(m_process.hProcess);
    CloseHandle(m_process.hThread);
}

CString CTargetProcess::Text() const
{
    return ChildText(m_window, 1);
}

CString CTargetProcess::Clicks() const
{
    return ChildText(m_window, 2);
}

POINT CTargetProcess::EditPoint() const
{
    return {kTargetOrigin.x + 30, kTargetOrigin.y + kEditHeight / 2};
}

POINT CTargetProcess::AreaPoint(int dx, int dy) const
{
    return {kTargetOrigin.x + dx, kTargetOrigin.y + kEditHeight + dy};
}

CInputScript::CInputScript()
    : m_hookThread(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                                   nullptr))
{
}

CInputScript::~CInputScript()
{
    if (m_thread.joinable())
    {
        // The sender's round trips need this thread's messages dispatched.
        PumpUntil([this] { return m_done.load(); });
        m_thread.join();
        EXPECT_FALSE(m_failed.load()) << "The input script gave up waiting for the hook thread.";
    }
    DestroyWindow(m_hookThread);
}

namespace
{
const DWORD kInputPaceMs = 40;
} // namespace

bool CInputScript::Settle() const
{
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(m_hookThread, WM_NULL, 0, 0, SMTO_NORMAL, kTestGiveUpMs, &ignored) != 0;
}

CInputScript& CInputScript::Click(POINT screen)
{
    m_steps.push_back([this, screen] {
        // The cursor's move passes the hooks before the buttons, which take its position.
        SetCursorPos(screen.x, screen.y);
        INPUT buttons[2] = {MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)};
        return Settle() && SendInput(1, &buttons[0], sizeof(INPUT)) && Settle() &&
               SendInput(1, &buttons[1], sizeof(INPUT)) && Settle();
    });
    return *this;
}

CInputScript& CInputScript::Key(WORD virtualKey, bool up)
{
    m_steps.push_back([this, virtualKey, up] {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = virtualKey;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        return SendInput(1, &input, sizeof input) && Settle();
    });
    return *this;
}

CInputScript& CInputScript::Tap(WORD virtualKey)
{
    return Key(virtualKey, false).Key(virtualKey, true);
}

CInputScript& CInputScript::Shifted(WORD virtualKey)
{
    return Key(VK_SHIFT, false).Tap(virtualKey).Key(VK_SHIFT, true);
}

CInputScript& CInputScript::CtrlBreak()
{
    return Key(VK_CONTROL, false).Tap(VK_CANCEL).Key(VK_CONTROL, true);
}

CInputScript& CInputScript::AwaitRecording()
{
    m_steps.push_back([this] {
        return PumpUntil([] { return HkIsRecording(); }) && Settle();
    });
    return *this;
}

void CInputScript::Start(DWORD delayMs)
{
    m_thread = std::thread([this, delayMs] {
        Sleep(delayMs);
        for (const auto& step : m_steps)
        {
            if (!step())
            {
                m_failed = true;
                break;
            }
            // The script types at a person's pace, which the recording keeps and the
            // playback gives back: a window of another process that a played click
            // activates then has the moment it has with a person before the keys come.
            Sleep(kInputPaceMs);
        }
        m_done = true;
    });
}

std::vector<EVENTMSG> LoadTrainingEvents(const CString& path)
{
    CEventManager store;
    CString error;
    std::vector<EVENTMSG> events;
    if (!store.LoadCBTFile(path, &error))
        return events;
    events.resize(store.GetEventCount());
    for (UINT i = 0; i < events.size(); ++i)
        store.GetEvent(i, events[i]);
    return events;
}

bool WriteTrainingFile(const CString& path, const std::vector<EVENTMSG>& events)
{
    CEventManager store;
    CString error;
    const CString none;
    WAVEFORMATEX format{};
    if (!store.StartRecorder(&none, &format, &none, false, false, false, true, &error))
        return false;
    for (EVENTMSG event : events)
        if (store.OnRecordEvent(HC_ACTION, &event) != 0)
            return false;
    store.StopRecorder(false);
    return store.SaveCBTFile(path, &error);
}

EVENTMSG KeyEvent(UINT message, WORD virtualKey, DWORD time)
{
    EVENTMSG event{};
    event.message = message;
    event.paramL = virtualKey | (MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC) << 8);
    event.paramH = 1;
    event.time = time;
    return event;
}

EVENTMSG MoveEvent(POINT screen, DWORD time)
{
    EVENTMSG event{};
    event.message = WM_MOUSEMOVE;
    event.paramL = static_cast<UINT>(screen.x);
    event.paramH = static_cast<UINT>(screen.y);
    event.time = time;
    return event;
}

InfoCBTRecording PlainRecording(const CString& folder, const wchar_t* name)
{
    return InfoCBTRecording(name, folder, true, false, L"", L"", L"", false, false, 0, false);
}

InfoCBTPlaying PlainPlaying(const CString& file)
{
    return InfoCBTPlaying(file, false, 0, false, false, 0, false, L"", L"", 0, 0, 0, 0, 0);
}

CTrainingMainWindow::CTrainingMainWindow(CCBTManager& manager) : m_manager(manager)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"VellTrainingMain";
    RegisterClassW(&windowClass);
    m_window = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               GetModuleHandleW(nullptr), this);
    m_manager.SetMainWindow(m_window);
}

CTrainingMainWindow::~CTrainingMainWindow()
{
    HookCBTKeyboard::UnInstallKeyboardProc();
    m_manager.SetMainWindow(nullptr);
    DestroyWindow(m_window);
}

void CTrainingMainWindow::Post(std::function<void()> action)
{
    m_actions.push_back(std::move(action));
    PostMessageW(m_window, WM_APP, 0, 0);
}

LRESULT CALLBACK CTrainingMainWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<CTrainingMainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && message == WM_APP && !self->m_actions.empty())
    {
        auto action = self->m_actions.front();
        self->m_actions.erase(self->m_actions.begin());
        action();
        return 0;
    }
    const WORD command = LOWORD(wParam);
    if (self && message == WM_COMMAND && (command == kHotKeyRecordCommand || command == kHotKeyPlayCommand))
    {
        Run run{command, 0, CString()};
        run.result = command == kHotKeyRecordCommand ? self->m_manager.Record(run.error)
                                                     : self->m_manager.Play(run.error);
        self->m_runs.push_back(run);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool RecorderHookTaken()
{
    // An install without a target fails either way; a taken slot fails first, with its own code.
    return HkInstallRecorder(nullptr, 0, 0, nullptr) == HRESULT_FROM_WIN32(ERROR_NOT_SUPPORTED);
}

bool HookLibraryIdle()
{
    return !HkIsRecording() && !HkIsPlaying() && !RecorderHookTaken();
}
