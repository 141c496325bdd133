#include "screensaver/tests/SaverRunSupport.h"
#include "testing/TestProcess.h"

namespace saver_test
{
SaverProcess::SaverProcess(const CString& arguments, const CString& folder)
{
    std::wstring line = (L"\"" + folder + L"\\VellScreenSaver.scr\" " + arguments).GetString();
    StartTestProcess(line, m_process);
    m_started = GetTickCount();
}

SaverProcess::~SaverProcess()
{
    if (!m_process.hProcess)
        return;
    if (IsRunning())
    {
        TerminateProcess(m_process.hProcess, 99);
        WaitForSingleObject(m_process.hProcess, 5000);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

DWORD SaverProcess::WaitForExit(DWORD limitMs)
{
    DWORD code = STILL_ACTIVE;
    if (PumpUntilSignalled(m_process.hProcess, limitMs))
        GetExitCodeProcess(m_process.hProcess, &code);
    return code;
}

std::vector<HWND> SaverProcess::Windows() const
{
    struct Search
    {
        DWORD process;
        std::vector<HWND> found;
    } search = {m_process.dwProcessId, {}};
    EnumWindows(
        [](HWND window, LPARAM data) {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->process && IsWindowVisible(window))
                s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool SaverProcess::WaitForWindows(size_t count)
{
    const bool shown = PumpUntil([&] { return Windows().size() == count; });
    m_shown = GetTickCount();
    return shown;
}

void SaverProcess::WaitOutGuard()
{
    const DWORD guardMs = 2300;
    const DWORD passed = GetTickCount() - (m_shown ? m_shown : m_started);
    if (passed < guardMs)
        PumpFor(guardMs - passed);
}

void PressKey()
{
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = VK_SPACE;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}

void ClickAt(int x, int y)
{
    SetCursorPos(x, y);
    INPUT buttons[2] = {};
    buttons[0].type = buttons[1].type = INPUT_MOUSE;
    buttons[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    buttons[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, buttons, sizeof(INPUT));
}

void NudgeMouse()
{
    INPUT move = {};
    move.type = INPUT_MOUSE;
    move.mi.dx = 7;
    move.mi.dy = 5;
    move.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &move, sizeof(INPUT));
}
} // namespace saver_test
