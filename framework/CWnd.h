#pragma once
// CWnd: the framework's window object. Every window made through CreateEx runs one window
// procedure: the object travels as the creation parameter, is bound to its window on
// WM_NCCREATE and unbound on WM_NCDESTROY. Messages that arrive while no object is bound
// go to DefWindowProc. No exception leaves the procedure: one thrown by a handler is
// reported through AppReportFailure and the message gets the default handling.
//
// An object may also be bound to a window made elsewhere (a dialog's control, a window of a
// system class): SubclassWindow puts the framework's procedure in front of the window's own,
// which then gives the default handling; such an object lets the window go, it never
// destroys it.
//
// A notification a child control sends its parent (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*,
// WM_DRAWITEM, ...) is first offered to the control's own object (OnChildNotify): the
// parent's handlers see it only when that object leaves it.
//
// An object made with new may ask to be deleted once the message it is handling is done
// (DeleteAfterMessage); the procedure counts how deep the object's handlers are nested,
// so a nested message loop inside a handler never deletes it early.
#include "framework/CCmdTarget.h"
#include "framework/CString.h"

#include <memory>
// windowsx.h (pulled in by dshow.h and others) defines SubclassWindow as a macro; include it
// here once and drop the macro so the member keeps its name wherever this header is used.
#include <windowsx.h>
#undef SubclassWindow

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

    // Binds the object to an existing window of this thread, putting the framework's
    // procedure in front of the window's own. False when the object holds a window or the
    // window is bound to an object already. An owned window is destroyed with the object,
    // as one made by CreateEx.
    bool SubclassWindow(HWND window, bool owned = false);
    // SubclassWindow on the parent's child of the id.
    bool SubclassDlgItem(UINT id, HWND parent);
    // Creates a window of a class with a procedure of its own (a control's) and subclasses
    // it; the object owns it as one made by CreateEx.
    bool CreateControl(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style, const RECT& rect,
                       HWND parent, UINT id);
    // Gives the window its own procedure back and unbinds the object; the window, or null.
    HWND UnsubclassWindow();

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

    // Sees a message of the thread's loop before it is dispatched, when the message is for
    // the window or one of its descendants (nearest window first); true when it took it.
    virtual bool PreTranslateMessage(MSG& message);

protected:
    // Every message of the bound window; the default hands it to DefaultWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default handling: the subclassed window's own procedure, else DefWindowProc.
    virtual LRESULT DefaultWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Runs once the window is gone and the object unbound (after WM_NCDESTROY); a window
    // object that lives as long as its window deletes itself here (DeleteAfterMessage).
    // Not called when the object's own destructor destroys the window.
    virtual void PostNcDestroy() {}
    // Called once the object is bound by SubclassWindow (so also by CreateControl), before
    // any message of the window reaches it; a control adds what it needs around its window.
    virtual void PreSubclassWindow() {}
    // A notification the object's control sent its parent; true (and the result) when the
    // object handled it, so that the parent does not.
    virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    // An object for a window that something else owns.
    explicit CWnd(HWND foreignWindow) : m_hWnd(foreignWindow), m_foreign(true) {}

    friend bool AppRegisterNamedWndClass(const wchar_t* name, UINT classStyle, HCURSOR cursor, HBRUSH background,
                                         HICON icon);
    class DispatchScope;
    static LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Offers a child's notification to the child's object; true when it handled it.
    bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // WindowProc with every exception stopped and reported.
    LRESULT GuardedWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // A window's message while no object is bound: its own procedure when it was
    // subclassed, else DefWindowProc.
    static LRESULT UnboundWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Unbind();

    HWND m_hWnd = nullptr;
    int m_dispatchDepth = 0;
    bool m_deletePending = false;
    bool m_foreign = false;
    WNDPROC m_superProc = nullptr; // the subclassed window's own procedure
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
