#include "capture/audio/CWndAudioNotifications.h"

#include "capture/audio/AudioMessages.h"
#include "capture/audio/CAudioGraph.h"
#include "common/SystemHelpers.h"
#include "framework/CResourceException.h"

namespace
{
const wchar_t* const kBaseClassName = L"$ZVellumorAudioNotifZ$";
const HBRUSH kBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(25));

// The window class of every notification window of this module, registered by the first
// one and kept for the process: a window deleted from inside its own handler is
// destroyed by CWnd's destructor, after the point where a class of its own could be freed.
CString RegisterNotificationClass()
{
    const CString name = GetUniqueWindowClassName(kBaseClassName);
    return AppRegisterNamedWndClass(name, CS_SAVEBITS, nullptr, kBackground) ? name : CString();
}
} // namespace

CWndAudioNotifications::CWndAudioNotifications(CAudioGraph& graph) : m_graph(graph)
{
    static const CString className = RegisterNotificationClass();
    if (className.IsEmpty())
        throw CResourceException();
    m_className = className;
}

bool CWndAudioNotifications::Create()
{
    const RECT none = {0, 0, 0, 0};
    return CreateEx(WS_EX_TOOLWINDOW, m_className, nullptr, WS_POPUP | WS_BORDER, none, nullptr, 0);
}

LRESULT CWndAudioNotifications::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_AUDIO_GRAPH_EVENT)
    {
        if (lParam == kRecordGraphEvents)
            m_graph.OnRecordGraphEvent();
        else
            m_graph.OnPlayGraphEvent();
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
