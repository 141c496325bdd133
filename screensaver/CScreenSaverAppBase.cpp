#include "screensaver/CScreenSaverAppBase.h"

#include "framework/AppMainWnd.h"
#include "framework/AppMessageLoop.h"
#include "framework/CDialog.h"
#include "screensaver/CScreenSaverWndBase.h"

#include <algorithm>
#include <memory>

namespace
{
BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT rect, LPARAM data)
{
    reinterpret_cast<std::vector<RECT>*>(data)->push_back(*rect);
    return TRUE;
}

// "l,t,r,b;l,t,r,b": the rectangles of a test's monitors; empty when the text has none.
std::vector<RECT> ParseMonitorList(const wchar_t* text)
{
    std::vector<RECT> rects;
    RECT r;
    int consumed = 0;
    while (swscanf(text, L"%ld,%ld,%ld,%ld%n", &r.left, &r.top, &r.right, &r.bottom, &consumed) == 4)
    {
        rects.push_back(r);
        text += consumed;
        if (*text != L';')
            break;
        ++text;
    }
    return rects;
}
} // namespace

CScreenSaverAppBase* CScreenSaverAppBase::GetSaverApp()
{
    return dynamic_cast<CScreenSaverAppBase*>(AppGetApp());
}

std::vector<RECT> CScreenSaverAppBase::MonitorRects()
{
    wchar_t list[512];
    DWORD length = GetEnvironmentVariableW(L"VELL_SCREENSAVER_MONITORS", list, 512);
    std::vector<RECT> rects = length > 0 && length < 512 ? ParseMonitorList(list) : std::vector<RECT>();
    if (rects.empty())
        EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&rects));
    if (rects.empty())
        rects.push_back(RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
    return rects;
}

bool CScreenSaverAppBase::InitInstance()
{
    HWND parent = nullptr;
    switch (ParseScreenSaverCommand(m_lpCmdLine, parent))
    {
    case SSC_RUN:
        return RunFullScreen();
    case SSC_CONFIGURE:
        Configure();
        return false;
    case SSC_PREVIEW:
        return Preview(parent);
    case SSC_PASSWORD:
        ChangePassword();
        return false;
    default:
        return false;
    }
}

int CScreenSaverAppBase::Run()
{
    return InitInstance() ? AppRunMessageLoop() : 0;
}

bool CScreenSaverAppBase::AddWindow(HWND parent, const RECT& rect)
{
    CScreenSaverWndBase* window = CreateSaverWindow();
    m_windows.push_back(window);
    if (window->Create(parent, rect))
    {
        if (!AppGetMainWnd())
            AppSetMainWnd(window->GetSafeHwnd());
        return true;
    }
    m_windows.pop_back();
    delete window;
    return false;
}

bool CScreenSaverAppBase::RunFullScreen()
{
    // A window that cannot be made ends the round: later monitors get none.
    for (const RECT& rect : MonitorRects())
        if (!AddWindow(nullptr, rect))
            break;
    return !m_windows.empty();
}

void CScreenSaverAppBase::Configure()
{
    std::unique_ptr<CDialog> dialog(CreateSettingsDialog(GetActiveWindow()));
    dialog->DoModal();
}

bool CScreenSaverAppBase::Preview(HWND parent)
{
    // A parent that is no window (also none at all) gives no window.
    return IsWindow(parent) && AddWindow(parent, RECT{});
}

void CScreenSaverAppBase::ChangePassword()
{
    HMODULE library = LoadLibraryW(L"MPR.DLL");
    if (!library)
        return;
    using ChangeFunction = DWORD(WINAPI*)(LPCWSTR, HWND, UINT, UINT);
    auto change = reinterpret_cast<ChangeFunction>(
        reinterpret_cast<void*>(GetProcAddress(library, "PwdChangePasswordW")));
    if (change)
        change(L"SCRSAVE", GetActiveWindow(), 0, 0);
    FreeLibrary(library);
}

void CScreenSaverAppBase::WindowGone(CScreenSaverWndBase* window)
{
    auto found = std::find(m_windows.begin(), m_windows.end(), window);
    if (found == m_windows.end())
        return;
    m_windows.erase(found);
    if (AppGetMainWnd() && !IsWindow(AppGetMainWnd()))
        AppSetMainWnd(nullptr);
    if (m_windows.empty())
        PostQuitMessage(0);
}
