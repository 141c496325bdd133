#pragma once
// CInputWatch: the mouse and keyboard watch of this process (HkVellApi.h states what it
// does). Low-level hooks run in the thread that installed them, whenever it retrieves
// messages, so the watch needs no lock as long as every call comes from that thread.
// The hook procedures only decide and queue: the notify window gets its messages after
// the hook has returned (CMouseEventRelay), since Windows drops a slow low-level hook.
#include "hkvell/CMouseEventRelay.h"

#include <windows.h>

class CInputWatch
{
public:
    CInputWatch();
    CInputWatch(const CInputWatch&) = delete;
    CInputWatch& operator=(const CInputWatch&) = delete;
    // Removes the hooks: their procedures must not outlive the library.
    ~CInputWatch();

    void StartWatch();
    void StopWatch();
    void StartNotify(HWND window) { m_notifyWindow = window; }
    void StopNotify() { m_notifyWindow = nullptr; }
    bool IsRightButtonHeld() const { return m_watching && m_rightButtonHeld; }
    void SetCapturing(bool capturing) { m_capturing = capturing; }
    void SetSelecting(bool selecting) { m_selecting = selecting; }
    void SetRepeatHotKey(int index);
    void SetSelectionType(int type);

private:
    static LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam);
    // Each returns true when the event is kept from the other windows.
    bool OnMouse(UINT message, const MSLLHOOKSTRUCT& event);
    bool OnKey(UINT message, DWORD virtualKey);
    bool ForwardsMouse(UINT message) const;
    // Sends a queued mouse event to the notify window when the watch still forwards it:
    // a window that ended the capture meanwhile gets no more events.
    void DeliverMouse(UINT message, const MSLLHOOKSTRUCT& event);
    // Posts WM_CAPTURE_ENDED for the press of the key.
    void ReportKey(DWORD virtualKey, LPARAM repeat);

    // The watch whose hooks are installed, for the hook procedures.
    static CInputWatch* s_watching;

    CMouseEventRelay m_relay;
    HHOOK m_mouseHook = nullptr;
    HHOOK m_keyboardHook = nullptr;
    bool m_watching = false;
    HWND m_notifyWindow = nullptr;
    bool m_rightButtonHeld = false;
    bool m_capturing = false;
    bool m_selecting = false;
    int m_repeatHotKey = 0;
    int m_selectionType = 2; // rectangle
    // The buttons (MK_LBUTTON, MK_RBUTTON, MK_MBUTTON) whose press was kept.
    UINT m_keptButtons = 0;
    // The key whose press was reported, so that its auto-repeat reports nothing; 0: none.
    DWORD m_reportedKey = 0;
};
