#include "framework/CControlWnd.h"

#include "framework/AppGuardedHandler.h"
#include "framework/AppModule.h"

#include <commctrl.h>

namespace
{
// The id of the framework's subclass on a control.
const UINT_PTR kSubclassId = 0x56454C4C;
// The window property that holds the object bound to a control.
const wchar_t* const kObjectProperty = L"Vellumor.CControlWnd";
} // namespace

CControlWnd::~CControlWnd()
{
    HWND window = m_hWnd;
    const bool created = m_created;
    Detach();
    if (window && created)
        ::DestroyWindow(window);
}

bool CControlWnd::Create(const wchar_t* className, DWORD exStyle, DWORD style, const RECT& rect, HWND parent, UINT id,
                         const wchar_t* text)
{
    if (m_hWnd)
        return false;
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    HMENU menuOrId = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
    HWND window = CreateWindowExW(exStyle, className, text, style, rect.left, rect.top, rect.right - rect.left,
                                  rect.bottom - rect.top, parent, menuOrId, AppGetCodeModule(), nullptr);
    if (!window)
        return false;
    if (!Attach(window))
    {
        ::DestroyWindow(window);
        return false;
    }
    m_created = true;
    return true;
}

bool CControlWnd::Attach(HWND control)
{
    if (m_hWnd || !control || FromHandle(control))
        return false;
    if (!SetPropW(control, kObjectProperty, this))
        return false;
    if (!SetWindowSubclass(control, &CControlWnd::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
    {
        RemovePropW(control, kObjectProperty);
        return false;
    }
    m_hWnd = control;
    m_created = false;
    return true;
}

void CControlWnd::Detach()
{
    if (m_hWnd)
    {
        RemoveWindowSubclass(m_hWnd, &CControlWnd::SubclassProc, kSubclassId);
        RemovePropW(m_hWnd, kObjectProperty);
    }
    m_hWnd = nullptr;
    m_created = false;
}

CControlWnd* CControlWnd::FromHandle(HWND control)
{
    return control ? static_cast<CControlWnd*>(GetPropW(control, kObjectProperty)) : nullptr;
}

bool CControlWnd::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    HWND sender = nullptr;
    if (message == WM_NOTIFY)
        sender = reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    else if (message == WM_COMMAND || (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC))
        sender = reinterpret_cast<HWND>(lParam);
    CControlWnd* control = FromHandle(sender);
    return control && control->OnReflect(message, wParam, lParam, result);
}

LRESULT CControlWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return Default(message, wParam, lParam);
}

bool CControlWnd::OnReflect(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}

LRESULT CControlWnd::Default(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefSubclassProc(m_hWnd, message, wParam, lParam);
}

LRESULT CALLBACK CControlWnd::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR object)
{
    auto* control = reinterpret_cast<CControlWnd*>(object);
    if (message == WM_NCDESTROY)
    {
        // The control goes: the object lets go of it first.
        control->Detach();
        return DefSubclassProc(window, message, wParam, lParam);
    }
    return control->GuardedWindowProc(message, wParam, lParam);
}

LRESULT CControlWnd::GuardedWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return AppGuardedHandler(
        L"control", message, [&] { return WindowProc(message, wParam, lParam); },
        [&] { return Default(message, wParam, lParam); });
}
