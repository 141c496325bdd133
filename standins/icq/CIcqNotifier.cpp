#include "standins/icq/CIcqNotifier.h"

namespace
{
const UINT kPollMilliseconds = 500;

void DescribeUsers(CString& text, const std::vector<const CIcqClientConfig::Contact*>& users)
{
    for (const CIcqClientConfig::Contact* user : users)
    {
        text.AppendFormat(L"%d\t%s\t%s\t%s\t%s\t%d\n", user->uin, user->nickname.GetString(),
                          user->firstName.GetString(), user->lastName.GetString(), user->email.GetString(), user->ip);
    }
}
} // namespace

CIcqNotifier& CIcqNotifier::Instance()
{
    static CIcqNotifier notifier;
    return notifier;
}

bool CIcqNotifier::SetFunction(int notification, ICQAPI_NotifyFunc function)
{
    if (notification < 0 || notification >= kNotificationCount)
        return false;
    m_functions[notification] = function;
    return true;
}

bool CIcqNotifier::Register(int count, const int* notifications)
{
    if (count < 0 || (count > 0 && !notifications))
        return false;
    bool registered[kNotificationCount] = {};
    for (int i = 0; i < count; ++i)
    {
        if (notifications[i] < 0 || notifications[i] >= kNotificationCount)
            return false;
        registered[notifications[i]] = true;
    }

    Stop();
    CIcqClientConfig config;
    for (int notification = 0; notification < kNotificationCount; ++notification)
    {
        m_registered[notification] = registered[notification];
        m_lastSeen[notification] = Describe(config, notification);
    }
    if (count > 0)
        m_timer = SetTimer(nullptr, 0, kPollMilliseconds, &CIcqNotifier::OnTimer);
    return count == 0 || m_timer != 0;
}

void CIcqNotifier::Stop()
{
    if (m_timer)
        KillTimer(nullptr, m_timer);
    m_timer = 0;
}

void CALLBACK CIcqNotifier::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    Instance().Poll();
}

void CIcqNotifier::Poll()
{
    CIcqClientConfig config;
    for (int notification = 0; notification < kNotificationCount; ++notification)
    {
        CString seen = Describe(config, notification);
        if (seen == m_lastSeen[notification])
            continue;
        m_lastSeen[notification] = seen;
        if (m_registered[notification] && m_functions[notification])
            m_functions[notification](notification);
    }
}

CString CIcqNotifier::Describe(const CIcqClientConfig& config, int notification)
{
    CString text;
    if (notification == ICQAPI_NOTIFY_ONLINELIST)
    {
        DescribeUsers(text, config.GetOnlineList());
        return text;
    }
    for (const CIcqClientConfig::Group& group : config.GetGroups())
    {
        text.AppendFormat(L"[%s]\n", group.first.GetString());
        DescribeUsers(text, group.second);
    }
    return text;
}
