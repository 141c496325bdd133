#pragma once
// CControlWnd: a window of a system control class (tree view, static text, ...) whose
// messages pass through the object first. The object subclasses the control it creates
// (Create) or one that exists already (Attach: a control of a dialog); what the object
// leaves to Default goes to the control's own procedure. The notifications a control
// sends its parent (WM_NOTIFY, WM_COMMAND, WM_CTLCOLOR...) come back to the control's
// object when the parent hands them to Reflect. No exception leaves the procedure: one
// thrown by a handler is reported through AppReportFailure and the message gets the
// default handling. User-interface thread only.
#include <windows.h>

class CControlWnd
{
public:
    CControlWnd() = default;
    CControlWnd(const CControlWnd&) = delete;
    CControlWnd& operator=(const CControlWnd&) = delete;
    // Lets go of the control; destroys it when the object created it.
    virtual ~CControlWnd();

    // Creates a control of the class (the common controls are initialised first) with
    // this object bound to it; false (and no window) on failure.
    bool Create(const wchar_t* className, DWORD exStyle, DWORD style, const RECT& rect, HWND parent, UINT id,
                const wchar_t* text = L"");
    // Binds the object to a control that exists; false when it has one already or the
    // control cannot be subclassed.
    bool Attach(HWND control);
    // Lets go of the control without destroying it.
    void Detach();

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // The object bound to a control, or null.
    static CControlWnd* FromHandle(HWND control);
    // Hands a message that a parent got from a control (WM_NOTIFY, WM_COMMAND from a
    // control, WM_CTLCOLOR...) to the control's object. True when the object took it;
    // result is then the parent's answer.
    static bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    // Every message of the control; the default hands it to the control's procedure.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // A notification the control sent its parent; false leaves it to the parent.
    virtual bool OnReflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The control's own handling of the message.
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR object);
    LRESULT GuardedWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;
    bool m_created = false;
};
