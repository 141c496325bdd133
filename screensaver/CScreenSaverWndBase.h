#pragma once
// CScreenSaverWndBase: a saver's window: a topmost popup over one monitor, or a child that
// fills a preview window. A full-screen window hides the cursor and closes on input (a
// mouse move, a button, a key) once at least a second has passed since it was made or last
// checked, after the password check; it then tells every saver window to close through
// the registered message "VellumorScreenSaverClosing". A preview never closes by input.
// The object lives as long as its window: it deletes itself once the window is gone.
#include "framework/CWnd.h"

#include <cstdint>

class CScreenSaverWndBase : public CWnd
{
public:
    CScreenSaverWndBase();
    ~CScreenSaverWndBase() override;

    // Creates the window: a child filling parent's client area, or (no parent) a topmost
    // popup over the rectangle, marking the saver as running. False when parent is given
    // but is no window, or creation fails.
    virtual bool Create(HWND parent, const RECT& rect);
    // The password check: true lets the saver close. Without a check library a full-screen
    // window may close and a preview may not.
    virtual bool VerifyPassword();

    bool IsPreview() const { return m_preview; }
    bool IsPasswordDialogShown() const { return m_passwordDialogShown; }

    // The registered closing message; every saver window answers it by closing.
    static UINT ClosingMessage();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;
    // Runs once the window exists (the derived show starts its timers here).
    virtual void OnCreated() {}

private:
    using VerifyFunction = BOOL(WINAPI*)(HWND);

    void LoadPasswordCheck();
    void CloseCheck();
    bool OnSetCursor(LRESULT& result);

    VerifyFunction m_verifyPassword = nullptr;
    bool m_passwordDialogShown = false;
    int64_t m_checkTime;
    HMODULE m_passwordLibrary = nullptr;
    POINT m_lastMouse = {0, 0};
    bool m_preview = false;
};
