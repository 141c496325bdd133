#pragma once
// Vellumor.exe run as its own process, driven as a user drives it: commands as WM_COMMAND
// to its main window, its message boxes found, read and answered, its windows found by
// id and text. The test waits for what it expects with a limit only a fault reaches.
#include "app/tests/KillOnCloseJob.h"
#include "framework/CString.h"

#include <functional>
#include <vector>
#include <windows.h>

namespace app_test
{
// Polls until done() holds; false after the limit.
bool WaitFor(const std::function<bool()>& done, DWORD limitMs = 15000);

// A message box (or any dialog) of the program: its window and its text.
struct Box
{
    HWND window = nullptr;
    CString text;
};

class MainProgram
{
public:
    MainProgram() = default;
    ~MainProgram();
    MainProgram(const MainProgram&) = delete;
    MainProgram& operator=(const MainProgram&) = delete;

    // Starts the program, in a job that ends it with the test program, and waits until its
    // main window shows and its window thread takes input; false with the reason in
    // GetErrorText.
    bool Start();
    const CString& GetErrorText() const { return m_errorText; }
    // Starts another instance and waits for its end; its exit code, or -1.
    static int StartSecondInstance();
    // Exit from the File menu; the exit code, or -1 when the process did not end.
    int Exit();

    HWND Window() const { return m_window; }
    DWORD ProcessId() const { return m_process.dwProcessId; }
    HANDLE Process() const { return m_process.hProcess; }

    // The command posted (a box it opens does not block the test).
    void Post(UINT command) const;
    // The command sent; returns when it has run.
    void Send(UINT command) const;

    // Waits until the window's thread has handled the input sent to it so far: the window
    // is made to need painting, and a thread paints only once its queue holds no input.
    // False when it never painted.
    static bool TookInput(HWND window);
    // Brings the window to the front and waits until its thread reports it active. The
    // thread moves the focus into it while it activates it, before it takes more input.
    // False when that never came.
    static bool Activate(HWND window);

    // The program's visible dialogs (class #32770) that are not docked windows.
    std::vector<Box> Boxes() const;
    // Waits for a box whose text contains the part; its window, or null.
    Box WaitForBox(const wchar_t* textPart) const;
    // Presses the button of the box and waits for it to go.
    static bool Answer(const Box& box, int buttonId);
    // Waits until the program shows no box, answering none; false when one stays.
    bool NoBoxFor(DWORD ms) const;

    // The child of the main window (at any depth) with the id, or with the text.
    HWND ChildById(UINT id) const;
    HWND ChildByText(const wchar_t* text) const;
    // The visible child with the id; null while none shows.
    HWND ShownChildById(UINT id) const;
    // The program's top-level windows with the title.
    HWND TopLevelByText(const wchar_t* text) const;

    // Every top-level window of the program, for a failure message.
    CString Describe() const;

private:
    HWND ChildWhere(const std::function<bool(HWND)>& wanted) const;

    static const DWORD kStartLimitMs = 60000;

    KillOnCloseJob m_job;
    PROCESS_INFORMATION m_process = {};
    HWND m_window = nullptr;
    CString m_errorText;
};

// The window's text, up to 1024 characters.
CString TextOf(HWND window);
// The screen into a 24-bit BMP file.
bool SaveScreenshot(const CString& path);
// The size of the first bitmap file in the folder; none while none can be read.
SIZE FirstBitmapSize(const CString& folder);
} // namespace app_test
