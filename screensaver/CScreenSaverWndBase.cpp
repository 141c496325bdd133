#include "screensaver/CScreenSaverWndBase.h"

#include "screensaver/CScreenSaverAppBase.h"

#include <ctime>

CScreenSaverWndBase::CScreenSaverWndBase() : m_checkTime(_time64(nullptr)) {}

CScreenSaverWndBase::~CScreenSaverWndBase()
{
    if (m_passwordLibrary)
        FreeLibrary(m_passwordLibrary);
}

UINT CScreenSaverWndBase::ClosingMessage()
{
    static const UINT message = RegisterWindowMessageW(L"VellumorScreenSaverClosing");
    return message;
}

bool CScreenSaverWndBase::Create(HWND parent, const RECT& rect)
{
    DWORD style = WS_POPUP | WS_VISIBLE, exStyle = WS_EX_TOPMOST;
    RECT place = rect;
    if (parent)
    {
        if (!IsWindow(parent))
            return false;
        GetClientRect(parent, &place);
        style = WS_CHILD | WS_VISIBLE;
        exStyle = 0;
        m_preview = true;
    }
    else
    {
        SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, 0);
        SystemParametersInfoW(SPI_SETSCREENSAVERRUNNING, TRUE, nullptr, 0);
        LoadPasswordCheck();
    }
    CString className = AppRegisterWndClass(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_SAVEBITS);
    m_checkTime = _time64(nullptr);
    if (className.IsEmpty() || !CreateEx(exStyle, className, L"", style, place, parent, 0))
        return false;
    // The full-screen saver takes the keyboard, so that a key press reaches it.
    if (!m_preview)
    {
        SetForegroundWindow(GetSafeHwnd());
        SetFocus(GetSafeHwnd());
    }
    OnCreated();
    return true;
}

void CScreenSaverWndBase::LoadPasswordCheck()
{
    HKEY key = nullptr;
    DWORD use = 0, size = sizeof(use);
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    bool wanted = RegQueryValueExW(key, L"ScreenSaveUsePassword", nullptr, nullptr, reinterpret_cast<BYTE*>(&use),
                                   &size) == ERROR_SUCCESS &&
                  size == sizeof(use) && use != 0;
    RegCloseKey(key);
    if (!wanted || !(m_passwordLibrary = LoadLibraryW(L"PASSWORD.CPL")))
        return;
    m_verifyPassword = reinterpret_cast<VerifyFunction>(
        reinterpret_cast<void*>(GetProcAddress(m_passwordLibrary, "VerifyScreenSavePwd")));
    if (!m_verifyPassword)
    {
        FreeLibrary(m_passwordLibrary);
        m_passwordLibrary = nullptr;
    }
}

bool CScreenSaverWndBase::VerifyPassword()
{
    m_passwordDialogShown = true;
    bool verdict = m_verifyPassword ? m_verifyPassword(GetSafeHwnd()) != FALSE : !m_preview;
    m_passwordDialogShown = false;
    return verdict;
}

void CScreenSaverWndBase::CloseCheck()
{
    const int64_t now = _time64(nullptr);
    if (now - m_checkTime <= 1)
        return;
    if (VerifyPassword())
    {
        SystemParametersInfoW(SPI_SETSCREENSAVERRUNNING, FALSE, nullptr, 0);
        PostMessageW(HWND_BROADCAST, ClosingMessage(), 0, 0);
    }
    m_checkTime = _time64(nullptr);
}

bool CScreenSaverWndBase::OnSetCursor(LRESULT& result)
{
    if (m_preview)
    {
        result = FALSE;
        return true;
    }
    if (m_passwordDialogShown)
        return false;
    SetCursor(nullptr);
    result = TRUE;
    return true;
}

LRESULT CScreenSaverWndBase::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == ClosingMessage())
    {
        PostMessageW(GetSafeHwnd(), WM_CLOSE, 0, 0);
        return 0;
    }
    LRESULT result = 0;
    switch (message)
    {
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_NEXTWINDOW || (wParam & 0xFFF0) == SC_PREVWINDOW ||
            (wParam & 0xFFF0) == SC_SCREENSAVE)
            return 0;
        break;
    case WM_SETCURSOR:
        if (OnSetCursor(result))
            return result;
        break;
    case WM_MOUSEMOVE: {
        result = CWnd::WindowProc(message, wParam, lParam);
        const POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if ((m_lastMouse.x != 0 || m_lastMouse.y != 0) && (at.x != m_lastMouse.x || at.y != m_lastMouse.y))
            CloseCheck();
        m_lastMouse = at;
        return result;
    }
    case WM_LBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        result = CWnd::WindowProc(message, wParam, lParam);
        CloseCheck();
        return result;
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CScreenSaverWndBase::PostNcDestroy()
{
    if (m_passwordLibrary)
        FreeLibrary(m_passwordLibrary);
    m_passwordLibrary = nullptr;
    m_verifyPassword = nullptr;
    if (CScreenSaverAppBase* app = CScreenSaverAppBase::GetSaverApp())
        app->WindowGone(this);
    DeleteAfterMessage();
}
