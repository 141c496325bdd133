#include "framework/CWnd.h"

#include "framework/AppFailure.h"
#include "framework/AppModule.h"

#include <exception>

namespace
{
// The window property that holds the object bound to a window.
const wchar_t* const kObjectProperty = L"Vellumor.CWnd";
} // namespace

CWnd::~CWnd()
{
    if (!m_hWnd || m_foreign)
        return;
    HWND window = m_hWnd;
    Unbind();
    ::DestroyWindow(window);
}

bool CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* windowName, DWORD style, const RECT& rect,
                    HWND parent, UINT id)
{
    if (m_hWnd)
        return false; // one window per object
    HMENU menuOrId = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
    HWND window = CreateWindowExW(exStyle, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
                                  rect.bottom - rect.top, parent, menuOrId, AppGetCodeModule(), this);
    // WM_NCCREATE bound the object; a window of a foreign class never did.
    if (window && m_hWnd != window)
    {
        ::DestroyWindow(window);
        return false;
    }
    return window != nullptr;
}

bool CWnd::DestroyWindow()
{
    // WM_NCDESTROY unbinds the object on the way.
    return m_hWnd && !m_foreign && ::DestroyWindow(m_hWnd);
}

CWnd& CWnd::GetDesktopWindow()
{
    static CWnd desktop(::GetDesktopWindow());
    return desktop;
}

CWnd* CWnd::FromHandle(HWND window)
{
    return window ? static_cast<CWnd*>(GetPropW(window, kObjectProperty)) : nullptr;
}

void CWnd::DeleteAfterMessage()
{
    if (m_dispatchDepth == 0)
        delete this;
    else
        m_deletePending = true;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(m_hWnd, message, wParam, lParam);
}

void CWnd::Unbind()
{
    RemovePropW(m_hWnd, kObjectProperty);
    m_hWnd = nullptr;
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
    {
        auto* object = static_cast<CWnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (object && SetPropW(window, kObjectProperty, object))
            object->m_hWnd = window;
    }
    CWnd* object = FromHandle(window);
    if (!object)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY)
    {
        object->Unbind();
        return DefWindowProcW(window, message, wParam, lParam);
    }
    ++object->m_dispatchDepth;
    LRESULT result = object->GuardedWindowProc(message, wParam, lParam);
    if (--object->m_dispatchDepth == 0 && object->m_deletePending)
    {
        // Messages the destruction sends (a child's WM_PARENTNOTIFY) must not delete it again.
        object->m_deletePending = false;
        delete object;
    }
    return result;
}

LRESULT CWnd::GuardedWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND window = m_hWnd;
    CString reason;
    try
    {
        return WindowProc(message, wParam, lParam);
    }
    catch (const std::exception& failure)
    {
        reason = CString(failure.what());
    }
    catch (...)
    {
        reason = L"an unknown exception";
    }
    CString text;
    text.Format(L"A window's handler of message 0x%04X failed with %s; the message got the default handling.",
                message, reason.GetString());
    AppReportFailure(text);
    return DefWindowProcW(window, message, wParam, lParam);
}

bool AppRegisterNamedWndClass(const wchar_t* name, UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon)
{
    HINSTANCE module = AppGetCodeModule();
    WNDCLASSEXW existing = {sizeof(existing)};
    if (GetClassInfoExW(module, name, &existing))
        return existing.lpfnWndProc == &CWnd::StaticWindowProc;

    WNDCLASSEXW wc = {sizeof(wc)};
    wc.style = classStyle;
    wc.lpfnWndProc = &CWnd::StaticWindowProc;
    wc.hInstance = module;
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = name;
    return RegisterClassExW(&wc) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void AppUnregisterWndClass(const wchar_t* name)
{
    UnregisterClassW(name, AppGetCodeModule());
}

CString AppRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon)
{
    CString name;
    name.Format(L"VellWnd:%X:%p:%p:%p", classStyle, static_cast<void*>(cursor), static_cast<void*>(background),
                static_cast<void*>(icon));
    return AppRegisterNamedWndClass(name, classStyle, cursor, background, icon) ? name : CString();
}
