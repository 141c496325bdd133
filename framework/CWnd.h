#pragma once
// CWnd: the framework's window object. Every window made through CreateEx runs one window
// procedure: the object travels as the creation parameter, is bound to its window on
// WM_NCCREATE and unbound on WM_NCDESTROY. Messages that arrive while no object is bound
// go to DefWindowProc. No exception leaves the procedure: one thrown by a handler is
// reported through AppReportFailure and the message gets the default handling.
//
// An object made with new may ask to be deleted once the message it is handling is done
// (DeleteAfterMessage); the procedure counts how deep the object's handlers are nested,
// so a nested message loop inside a handler never deletes it early.
#include "framework/CCmdTarget.h"
#include "framework/CString.h"

#include <memory>

class CWnd : public CCmdTarget
{
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    // Destroys a window still bound to the object, unbinding it first so that no message
    // of the destruction reaches a half-destroyed object.
    virtual ~CWnd();

    // Creates the window with this object bound to it; false (and no window) on failure.
    // The class must be one whose window procedure is the framework's (AppRegisterWndClass).
    bool CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* windowName, DWORD style, const RECT& rect,
                  HWND parent, UINT id);
    bool DestroyWindow();

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // The object bound to a window, or null for a window no object is bound to.
    static CWnd* FromHandle(HWND window);
    // The desktop window as a framework object. The object does not own it: it never
    // destroys it and no message reaches the object.
    static CWnd& GetDesktopWindow();

    // Deletes the object (made with new): at once when none of its handlers runs, else
    // when the outermost of them has returned.
    void DeleteAfterMessage();
    // True while one of the object's handlers runs.
    bool IsHandlingMessage() const { return m_dispatchDepth > 0; }

protected:
    // Every message of the bound window; the default hands it to DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    // An object for a window that something else owns.
    explicit CWnd(HWND foreignWindow) : m_hWnd(foreignWindow), m_foreign(true) {}

    friend bool AppRegisterNamedWndClass(const wchar_t* name, UINT classStyle, HCURSOR cursor, HBRUSH background,
                                         HICON icon);
    static LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // WindowProc with every exception stopped and reported.
    LRESULT GuardedWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    void Unbind();

    HWND m_hWnd = nullptr;
    int m_dispatchDepth = 0;
    bool m_deletePending = false;
    bool m_foreign = false;
};

// Owns a window object made with new; a reset or the owner's end deletes it through
// DeleteAfterMessage, so an owner may let go of it from inside the object's own handler.
struct CWndDeleter
{
    void operator()(CWnd* wnd) const { wnd->DeleteAfterMessage(); }
};
template <class Wnd> using CWndPtr = std::unique_ptr<Wnd, CWndDeleter>;

// Registers a window class of this module under the name, whose windows run the
// framework's window procedure. True when registered now or before.
bool AppRegisterNamedWndClass(const wchar_t* name, UINT classStyle, HCURSOR cursor = nullptr,
                              HBRUSH background = nullptr, HICON icon = nullptr);
// Frees the name of a class this module registered.
void AppUnregisterWndClass(const wchar_t* name);

// The name of a window class of this module with the given attributes, registered on first
// use, whose windows run the framework's window procedure. Equal attributes give the same
// class; an empty text when the class cannot be registered.
CString AppRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                            HICON icon = nullptr);
