#pragma once
// CLowLevelRecorder: records input through the low-level keyboard and mouse hooks where
// the journal-record hook cannot be installed. Each keystroke and mouse action becomes
// the EVENTMSG the journal-record hook would have received and goes to the same
// dispatcher as HC_ACTION. Like the journal hook, it never swallows input. The hook
// procedures run on the installing thread, inside its message retrieval.
#include "framework/CString.h"

class CLowLevelRecorder
{
public:
    // The recorder's dispatcher: the hook code and the EVENTMSG pointer.
    using Dispatcher = LRESULT (*)(int code, LPARAM event);

    CLowLevelRecorder() = default;
    ~CLowLevelRecorder();
    CLowLevelRecorder(const CLowLevelRecorder&) = delete;
    CLowLevelRecorder& operator=(const CLowLevelRecorder&) = delete;

    // One recorder is installed per process at a time. False with the system's code in
    // GetLastError when a hook cannot be installed (nothing stays installed then).
    bool Install(Dispatcher dispatch);
    void Uninstall();
    bool IsInstalled() const { return m_keyboard != nullptr; }

    // The journal form of a low-level event: a key holds its virtual-key code, scan code
    // and extended flag as the journal-record hook reports them; a mouse event its
    // screen position.
    static EVENTMSG FromKeyboard(WPARAM message, const KBDLLHOOKSTRUCT& key);
    static EVENTMSG FromMouse(WPARAM message, const MSLLHOOKSTRUCT& mouse);

private:
    static LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam);
    static void Dispatch(const EVENTMSG& event);

    static CLowLevelRecorder* s_installed;
    Dispatcher m_dispatch = nullptr;
    HHOOK m_keyboard = nullptr;
    HHOOK m_mouse = nullptr;
};
