#include "testing/SystemDialogAnswer.h"

#include <cwchar>

namespace
{
// One answer at a time: the timer procedure has no parameter of its own.
UINT g_button = IDOK;
bool g_answered = false;
// Timer ticks since the answer; a dialog that refuses the answer this long is cancelled,
// so that the test fails instead of hanging.
int g_ticksSinceAnswer = 0;
const int kRefusedTicks = 30;

void CALLBACK AnswerDialog(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
            wchar_t className[16] = L"";
            GetClassNameW(window, className, 16);
            if (!IsWindowVisible(window) || wcscmp(className, L"#32770") != 0)
                return TRUE;
            *reinterpret_cast<HWND*>(found) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&dialog));
    if (!dialog)
    {
        if (g_answered)
            KillTimer(nullptr, timer);
        return;
    }
    if (!g_answered)
    {
        g_answered = true;
        PostMessageW(dialog, WM_COMMAND, g_button, 0);
    }
    else if (++g_ticksSinceAnswer == kRefusedTicks)
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}
} // namespace

SystemDialogAnswer::SystemDialogAnswer(UINT button)
{
    g_button = button;
    g_answered = false;
    g_ticksSinceAnswer = 0;
    m_timer = SetTimer(nullptr, 0, 100, AnswerDialog);
}

SystemDialogAnswer::~SystemDialogAnswer()
{
    KillTimer(nullptr, m_timer);
}

bool SystemDialogAnswer::Answered() const
{
    return g_answered;
}
