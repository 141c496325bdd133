#include "framework/CWnd.h"

#include "framework/AppGuardedHandler.h"
#include "framework/AppModule.h"


namespace
{
// The window property that holds the object bound to a window.
const wchar_t* const kObjectProperty = L"Vellumor.CWnd";
// The window property that holds a subclassed window's own procedure, kept while the window
// lives unless the procedure could be given back.
const wchar_t* const kSuperProperty = L"Vellumor.CWnd.Super";

// CreateWindowExW with the rectangle, and the id for a child window.
HWND CreateWindowOf(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style, const RECT& rect,
                    HWND parent, UINT id, void* param)
{
    HMENU menuOrId = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
    return CreateWindowExW(exStyle, className, text, style, rect.left, rect.top, rect.right - rect.left,
                           rect.bottom - rect.top, parent, menuOrId, AppGetCodeModule(), param);
}

// The child window a notification message comes from; null for other messages.
HWND NotifyingChild(HWND parent, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_COMMAND:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_HSCROLL:
    case WM_VSCROLL:
        return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
        return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    case WM_DRAWITEM:
        return wParam ? reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
        return wParam ? GetDlgItem(parent, static_cast<int>(wParam)) : nullptr;
    default:
        return nullptr;
    }
}
} // namespace

CWnd::~CWnd()
{
    // The desktop's object was never bound.
    if (!m_hWnd || FromHandle(m_hWnd) != this)
        return;
    HWND window = m_hWnd;
    Unbind();
    if (!m_foreign)
        ::DestroyWindow(window);
}

bool CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* windowName, DWORD style, const RECT& rect,
                    HWND parent, UINT id)
{
    if (m_hWnd)
        return false; // one window per object
    HWND window = CreateWindowOf(exStyle, className, windowName, style, rect, parent, id, this);
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

bool CWnd::SubclassWindow(HWND window, bool owned)
{
    if (m_hWnd || !window || FromHandle(window) || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId())
        return false;
    if (!SetPropW(window, kObjectProperty, this))
        return false;
    m_hWnd = window;
    m_foreign = !owned;
    m_superProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StaticWindowProc)));
    SetPropW(window, kSuperProperty, reinterpret_cast<HANDLE>(m_superProc));
    PreSubclassWindow();
    return true;
}

bool CWnd::SubclassDlgItem(UINT id, HWND parent)
{
    return SubclassWindow(GetDlgItem(parent, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow()
{
    if (!m_superProc)
        return nullptr;
    HWND window = m_hWnd;
    Unbind();
    return window;
}

bool CWnd::CreateControl(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style, const RECT& rect,
                         HWND parent, UINT id)
{
    if (m_hWnd)
        return false;
    HWND window = CreateWindowOf(exStyle, className, text, style, rect, parent, id, nullptr);
    if (!window)
        return false;
    if (SubclassWindow(window, true))
        return true;
    ::DestroyWindow(window);
    return false;
}

bool CWnd::PreTranslateMessage(MSG&)
{
    return false;
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
    return DefaultWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefaultWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_superProc)
        return CallWindowProcW(m_superProc, m_hWnd, message, wParam, lParam);
    return DefWindowProcW(m_hWnd, message, wParam, lParam);
}

bool CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}

void CWnd::Unbind()
{
    RemovePropW(m_hWnd, kObjectProperty);
    // The window's own procedure goes back unless another one was put in front of ours
    // meanwhile: then ours stays and hands the messages on (UnboundWindowProc).
    if (m_superProc &&
        GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&CWnd::StaticWindowProc))
    {
        SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_superProc));
        RemovePropW(m_hWnd, kSuperProperty);
    }
    m_hWnd = nullptr;
    m_superProc = nullptr;
}

LRESULT CWnd::UnboundWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto super = reinterpret_cast<WNDPROC>(GetPropW(window, kSuperProperty));
    if (!super)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY)
        RemovePropW(window, kSuperProperty);
    return CallWindowProcW(super, window, message, wParam, lParam);
}

// Counts one running handler of the object; the object asked to be deleted goes when the
// outermost of them ends.
class CWnd::DispatchScope
{
public:
    explicit DispatchScope(CWnd& object) : m_object(object) { ++m_object.m_dispatchDepth; }
    ~DispatchScope()
    {
        if (--m_object.m_dispatchDepth == 0 && m_object.m_deletePending)
        {
            // The destruction's own messages (a destructor that destroys the window)
            // come back here while the object is being deleted: they must not delete it
            // again.
            m_object.m_deletePending = false;
            delete &m_object;
        }
    }
    DispatchScope(const DispatchScope&) = delete;
    DispatchScope& operator=(const DispatchScope&) = delete;

private:
    CWnd& m_object;
};

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
        return UnboundWindowProc(window, message, wParam, lParam);
    if (message == WM_NCDESTROY)
    {
        WNDPROC super = object->m_superProc;
        object->Unbind();
        RemovePropW(window, kSuperProperty);
        LRESULT result = super ? CallWindowProcW(super, window, message, wParam, lParam)
                               : DefWindowProcW(window, message, wParam, lParam);
        object->PostNcDestroy();
        return result;
    }
    DispatchScope scope(*object);
    return object->GuardedWindowProc(message, wParam, lParam);
}

bool CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    HWND child = NotifyingChild(m_hWnd, message, wParam, lParam);
    CWnd* childObject = FromHandle(child);
    if (!childObject || childObject == this || GetParent(child) != m_hWnd)
        return false;
    DispatchScope scope(*childObject);
    return childObject->OnChildNotify(message, wParam, lParam, result);
}

LRESULT CWnd::GuardedWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND window = m_hWnd;
    return AppGuardedHandler(
        L"window", message,
        [&] {
            LRESULT result = 0;
            if (ReflectToChild(message, wParam, lParam, result))
                return result;
            return WindowProc(message, wParam, lParam);
        },
        [&] {
            return m_hWnd == window ? DefaultWindowProc(message, wParam, lParam)
                                    : UnboundWindowProc(window, message, wParam, lParam);
        });
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
