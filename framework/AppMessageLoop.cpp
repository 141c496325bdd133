#include "framework/AppMessageLoop.h"

#include "framework/AppFailure.h"
#include "framework/CWnd.h"

#include <algorithm>
#include <exception>
#include <utility>
#include <vector>

namespace
{
// The condition may change without a message (another process writes a file): it is
// looked at again after at most this many milliseconds.
const DWORD kConditionPoll = 10;

std::vector<std::pair<HWND, HACCEL>> g_accelerators;
std::vector<HWND> g_dialogs;
std::vector<std::pair<UINT, AppIdleHandler>> g_idleHandlers;
UINT g_lastIdleId = 0;

// Runs a piece of the loop's own work; an exception it throws is reported and ends it,
// as no caller could take it. False when it threw.
template <class Work> bool RunGuarded(const wchar_t* what, Work work)
{
    CString reason;
    try
    {
        work();
        return true;
    }
    catch (const std::exception& failure)
    {
        reason = CString(failure.what());
    }
    catch (...)
    {
        reason = L"an unknown exception";
    }
    CString text;
    text.Format(L"The message loop's %s failed with %s.", what, reason.GetString());
    AppReportFailure(text);
    return false;
}

HACCEL AcceleratorsOf(HWND window)
{
    for (const auto& entry : g_accelerators)
        if (entry.first == window)
            return entry.second;
    return nullptr;
}

bool IsModelessDialog(HWND window)
{
    return std::find(g_dialogs.begin(), g_dialogs.end(), window) != g_dialogs.end();
}

bool IsChildWindow(HWND window)
{
    return (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) != 0;
}

// The window's object and accelerator table; true when one of them took the message.
bool TranslateAt(HWND window, MSG& message)
{
    if (CWnd* object = CWnd::FromHandle(window))
    {
        bool taken = false;
        RunGuarded(L"message filter", [&] { taken = object->PreTranslateMessage(message); });
        if (taken)
            return true;
    }
    HACCEL table = AcceleratorsOf(window);
    return table && TranslateAcceleratorW(window, table, &message);
}

// The walk of AppPreTranslateMessage from the window up; true when a window's object or
// accelerator table took the message. Else the nearest modeless dialog of the walk is left
// in dialog, whose turn comes last.
bool TranslateFrom(HWND start, MSG& message, HWND& dialog)
{
    for (HWND window = start; window; window = GetParent(window))
    {
        if (TranslateAt(window, message))
            return true;
        if (IsModelessDialog(window))
        {
            if (!dialog)
                dialog = window;
            if (!IsChildWindow(window))
                break;
        }
    }
    return false;
}

// Dispatches one message taken from the queue; false for WM_QUIT, which is posted again.
bool DispatchOne(MSG& message, const AppMessageFilter& filter)
{
    if (message.message == WM_QUIT)
    {
        PostQuitMessage(static_cast<int>(message.wParam));
        return false;
    }
    if (filter && filter(message))
        return true;
    if (AppPreTranslateMessage(message))
        return true;
    TranslateMessage(&message);
    DispatchMessageW(&message);
    return true;
}

// Messages that happen on their own while nothing changes do not restart idle processing.
bool RestartsIdle(const MSG& message, POINT& lastMouse)
{
    if (message.message == WM_MOUSEMOVE || message.message == WM_NCMOUSEMOVE)
    {
        bool moved = message.pt.x != lastMouse.x || message.pt.y != lastMouse.y;
        lastMouse = message.pt;
        return moved;
    }
    const UINT kSystemTimer = 0x0118; // the caret's blink
    return message.message != WM_PAINT && message.message != kSystemTimer;
}

// Runs every idle handler once; true when one of them wants to run again.
bool RunIdleHandlers(LONG count)
{
    bool more = false;
    auto handlers = g_idleHandlers; // a handler may add or remove handlers
    for (const auto& entry : handlers)
        RunGuarded(L"idle handler", [&] { more = entry.second(count) || more; });
    return more;
}
} // namespace

int AppRunMessageLoop()
{
    MSG message;
    bool idle = true;
    LONG idleCount = 0;
    POINT lastMouse = {-1, -1};
    for (;;)
    {
        while (idle && !PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE))
            idle = RunIdleHandlers(idleCount++);
        BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == -1)
            return -1;
        if (got == 0)
            return static_cast<int>(message.wParam);
        if (!AppPreTranslateMessage(message))
        {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (RestartsIdle(message, lastMouse))
        {
            idle = true;
            idleCount = 0;
        }
    }
}

bool AppPreTranslateMessage(MSG& message)
{
    HWND dialog = nullptr;
    return TranslateFrom(message.hwnd, message, dialog) || (dialog && IsDialogMessageW(dialog, &message));
}

bool AppTranslateFrom(HWND window, MSG& message)
{
    HWND dialog = nullptr;
    return TranslateFrom(window, message, dialog);
}

void AppSetAccelerators(HWND window, HACCEL table)
{
    g_accelerators.erase(std::remove_if(g_accelerators.begin(), g_accelerators.end(),
                                        [&](const auto& entry) { return entry.first == window || !IsWindow(entry.first); }),
                         g_accelerators.end());
    if (window && table)
        g_accelerators.emplace_back(window, table);
}

void AppAddModelessDialog(HWND dialog)
{
    if (dialog && !IsModelessDialog(dialog))
        g_dialogs.push_back(dialog);
}

void AppRemoveModelessDialog(HWND dialog)
{
    g_dialogs.erase(std::remove(g_dialogs.begin(), g_dialogs.end(), dialog), g_dialogs.end());
}

UINT AppAddIdleHandler(AppIdleHandler handler)
{
    g_idleHandlers.emplace_back(++g_lastIdleId, std::move(handler));
    return g_lastIdleId;
}

void AppRemoveIdleHandler(UINT id)
{
    g_idleHandlers.erase(std::remove_if(g_idleHandlers.begin(), g_idleHandlers.end(),
                                        [&](const auto& entry) { return entry.first == id; }),
                         g_idleHandlers.end());
}

bool AppPumpWaiting(const AppMessageFilter& filter)
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
    {
        if (!DispatchOne(message, filter))
            return false;
    }
    return true;
}

bool AppPumpUntil(const std::function<bool()>& done, DWORD timeout, const AppMessageFilter& filter)
{
    const ULONGLONG start = GetTickCount64();
    for (;;)
    {
        if (done())
            return true;
        if (!AppPumpWaiting(filter))
            return done();
        if (done())
            return true;
        DWORD wait = kConditionPoll;
        if (timeout != INFINITE)
        {
            ULONGLONG spent = GetTickCount64() - start;
            if (spent >= timeout)
                return false;
            wait = static_cast<DWORD>((std::min<ULONGLONG>)(timeout - spent, kConditionPoll));
        }
        // Sent messages are answered inside the wait as well.
        MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}
