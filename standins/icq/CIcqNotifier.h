#pragma once
// CIcqNotifier: the user-list notifications. While any is registered, a timer of the
// registering thread reads the contact list again every half second and calls the
// function of each registered notification whose list changed since the last look: the
// online list for ICQAPI_NOTIFY_ONLINELIST, the groups for ICQAPI_NOTIFY_GROUPLIST. The
// calls come from that thread's message loop. One notifier serves the library.
#include "standins/icq/CIcqClientConfig.h"
#include "standins/icq/IcqApi.h"

class CIcqNotifier
{
public:
    static CIcqNotifier& Instance();

    // False for an unknown notification.
    bool SetFunction(int notification, ICQAPI_NotifyFunc function);
    // Replaces the registered notifications; false (and nothing changed) for an unknown
    // one. None stops the timer.
    bool Register(int count, const int* notifications);
    // Stops the timer; called when the library is unloaded.
    void Stop();

private:
    static const int kNotificationCount = 2;

    CIcqNotifier() = default;
    static void CALLBACK OnTimer(HWND window, UINT message, UINT_PTR id, DWORD time);
    // Calls the functions of the registered lists that changed.
    void Poll();
    // A text that changes whenever the notification's list does.
    static CString Describe(const CIcqClientConfig& config, int notification);

    ICQAPI_NotifyFunc m_functions[kNotificationCount] = {};
    bool m_registered[kNotificationCount] = {};
    CString m_lastSeen[kNotificationCount];
    UINT_PTR m_timer = 0;
};
