#include "app/tests/MainProgram.h"

#include "testing/TestRoot.h"

namespace app_test
{
namespace
{
const UINT kExitCommand = 57665;
const int kMessageBoxTextId = 0xFFFF;

struct Search
{
    DWORD processId;
    std::function<bool(HWND)> wanted;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<Search*>(data);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == search->processId && search->wanted(window))
        search->found.push_back(window);
    return TRUE;
}

std::vector<HWND> TopLevelWindows(DWORD processId, std::function<bool(HWND)> wanted)
{
    Search search{processId, std::move(wanted), {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool IsClass(HWND window, const wchar_t* name)
{
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    return lstrcmpiW(className, name) == 0;
}

// A box's text: the message box's text control, else every static text joined.
CString BoxText(HWND box)
{
    if (HWND text = GetDlgItem(box, kMessageBoxTextId))
        if (!TextOf(text).IsEmpty())
            return TextOf(text);
    CString all;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        all += TextOf(child) + L"\n";
    return all;
}

CString ProgramPath()
{
    return TestProgramFolder() + L"\\Vellumor.exe";
}

bool StartProcess(KillOnCloseJob& job, PROCESS_INFORMATION& process)
{
    return job.Start(L"\"" + ProgramPath() + L"\"", TestProgramFolder(), process);
}
} // namespace

bool WaitFor(const std::function<bool()>& done, DWORD limitMs)
{
    const DWORD start = GetTickCount();
    while (!done())
    {
        if (GetTickCount() - start > limitMs)
            return false;
        Sleep(20);
    }
    return true;
}

CString TextOf(HWND window)
{
    // The text the window keeps, read without a message: the window is another process's.
    wchar_t text[1024] = {};
    InternalGetWindowText(window, text, 1024);
    return text;
}

MainProgram::~MainProgram()
{
    if (m_process.hProcess)
    {
        if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
        {
            Exit();
            if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
                TerminateProcess(m_process.hProcess, 99);
        }
        CloseHandle(m_process.hProcess);
        CloseHandle(m_process.hThread);
    }
}

// The first start of a prefix prepares DirectX and the sound devices: it may take long.
// The program's hooks run on its window thread, so it takes input once that thread waits
// for some.
bool MainProgram::Start()
{
    if (!StartProcess(m_job, m_process))
    {
        m_errorText = m_job.GetErrorText();
        return false;
    }
    WaitFor(
        [this] {
            std::vector<HWND> frames = TopLevelWindows(
                ProcessId(), [](HWND window) { return IsWindowVisible(window) && GetMenu(window) != nullptr; });
            m_window = frames.empty() ? nullptr : frames.front();
            return m_window != nullptr;
        },
        kStartLimitMs);
    if (!m_window)
        m_errorText = L"The program showed no main window.";
    else if (WaitForInputIdle(m_process.hProcess, kStartLimitMs) != 0)
        m_errorText = L"The program's window thread never waited for input.";
    return m_errorText.IsEmpty();
}

int MainProgram::StartSecondInstance()
{
    KillOnCloseJob job;
    PROCESS_INFORMATION process = {};
    if (!StartProcess(job, process))
        return -1;
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, 15000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return static_cast<int>(code);
}

int MainProgram::Exit()
{
    if (!m_process.hProcess)
        return -1;
    if (m_window)
        PostMessageW(m_window, WM_COMMAND, kExitCommand, 0);
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(m_process.hProcess, 15000) == WAIT_OBJECT_0)
        GetExitCodeProcess(m_process.hProcess, &code);
    m_window = nullptr;
    return static_cast<int>(code);
}

void MainProgram::Post(UINT command) const
{
    PostMessageW(m_window, WM_COMMAND, command, 0);
}

void MainProgram::Send(UINT command) const
{
    SendMessageTimeoutW(m_window, WM_COMMAND, command, 0, SMTO_NORMAL, 10000, nullptr);
}

bool MainProgram::TookInput(HWND window)
{
    if (!RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE))
        return false;
    return WaitFor([window] { return !IsWindow(window) || !GetUpdateRect(window, nullptr, FALSE); });
}

bool MainProgram::Activate(HWND window)
{
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    SetForegroundWindow(window);
    return WaitFor([&] {
        GUITHREADINFO info = {sizeof info};
        return GetForegroundWindow() == window && GetGUIThreadInfo(thread, &info) && info.hwndActive == window;
    });
}

std::vector<Box> MainProgram::Boxes() const
{
    std::vector<Box> boxes;
    for (HWND window : TopLevelWindows(ProcessId(), [](HWND w) { return IsWindowVisible(w) && IsClass(w, L"#32770"); }))
        boxes.push_back({window, BoxText(window)});
    return boxes;
}

Box MainProgram::WaitForBox(const wchar_t* textPart) const
{
    Box found;
    WaitFor([&] {
        for (const Box& box : Boxes())
            if (box.text.Find(textPart) >= 0)
            {
                found = box;
                return true;
            }
        return false;
    });
    return found;
}

bool MainProgram::Answer(const Box& box, int buttonId)
{
    if (!box.window)
        return false;
    PostMessageW(box.window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), 0);
    return WaitFor([&] { return !IsWindow(box.window) || !IsWindowVisible(box.window); });
}

bool MainProgram::NoBoxFor(DWORD ms) const
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms)
    {
        if (!Boxes().empty())
            return false;
        Sleep(50);
    }
    return true;
}

HWND MainProgram::ChildWhere(const std::function<bool(HWND)>& wanted) const
{
    struct Find
    {
        const std::function<bool(HWND)>* wanted;
        HWND found;
    } find{&wanted, nullptr};
    EnumChildWindows(
        m_window,
        [](HWND child, LPARAM data) {
            auto* f = reinterpret_cast<Find*>(data);
            if (!(*f->wanted)(child))
                return TRUE;
            f->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&find));
    return find.found;
}

HWND MainProgram::ChildById(UINT id) const
{
    return ChildWhere([id](HWND child) { return static_cast<UINT>(GetDlgCtrlID(child)) == id; });
}

HWND MainProgram::ShownChildById(UINT id) const
{
    return ChildWhere(
        [id](HWND child) { return static_cast<UINT>(GetDlgCtrlID(child)) == id && IsWindowVisible(child); });
}

HWND MainProgram::ChildByText(const wchar_t* text) const
{
    return ChildWhere([text](HWND child) { return TextOf(child) == text; });
}

HWND MainProgram::TopLevelByText(const wchar_t* text) const
{
    std::vector<HWND> found =
        TopLevelWindows(ProcessId(), [text](HWND window) { return TextOf(window) == text; });
    return found.empty() ? nullptr : found.front();
}

CString MainProgram::Describe() const
{
    CString all;
    for (HWND w : TopLevelWindows(ProcessId(), [](HWND) { return true; }))
    {
        CString one;
        one.Format(L"[%p vis %d menu %p '%s'] ", w, IsWindowVisible(w), GetMenu(w), TextOf(w).GetString());
        all += one;
    }
    return all;
}

bool SaveScreenshot(const CString& path)
{
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFOHEADER header = {sizeof header, width, height, 1, 24, BI_RGB};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    const DWORD rowSize = (width * 3 + 3) & ~3;
    const DWORD imageSize = rowSize * height;
    BITMAPFILEHEADER file = {0x4D42, static_cast<DWORD>(sizeof file + sizeof header + imageSize), 0, 0,
                             static_cast<DWORD>(sizeof file + sizeof header)};
    bool saved = false;
    HANDLE out = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (out != INVALID_HANDLE_VALUE)
    {
        DWORD written = 0;
        saved = WriteFile(out, &file, sizeof file, &written, nullptr) &&
                WriteFile(out, &header, sizeof header, &written, nullptr) &&
                WriteFile(out, bits, imageSize, &written, nullptr);
        CloseHandle(out);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return saved;
}

SIZE FirstBitmapSize(const CString& folder)
{
    SIZE size = {};
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(folder + L"\\*.bmp", &found);
    if (search == INVALID_HANDLE_VALUE)
        return size;
    FindClose(search);
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageW(nullptr, folder + L"\\" + found.cFileName, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    BITMAP info = {};
    if (bitmap && GetObjectW(bitmap, sizeof info, &info))
        size = SIZE{info.bmWidth, info.bmHeight};
    DeleteObject(bitmap);
    return size;
}
} // namespace app_test
