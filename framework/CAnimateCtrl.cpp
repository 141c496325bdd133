#include "framework/CAnimateCtrl.h"

#include "framework/AppModule.h"

bool CAnimateCtrl::Open(UINT resourceId)
{
    return SendMessageW(GetSafeHwnd(), ACM_OPENW, reinterpret_cast<WPARAM>(AppGetResourceHandle()),
                        reinterpret_cast<LPARAM>(MAKEINTRESOURCEW(resourceId))) != 0;
}

bool CAnimateCtrl::Play(UINT from, UINT to, UINT repeat)
{
    // Without a clip the control plays nothing, but the caller's state still says "busy".
    SendMessageW(GetSafeHwnd(), ACM_PLAY, repeat, MAKELPARAM(from, to));
    m_playing = true;
    return true;
}

bool CAnimateCtrl::Stop()
{
    SendMessageW(GetSafeHwnd(), ACM_STOP, 0, 0);
    m_playing = false;
    return true;
}

bool CAnimateCtrl::Seek(UINT frame)
{
    // Playing a single frame once shows it and ends at once.
    m_playing = false;
    return SendMessageW(GetSafeHwnd(), ACM_PLAY, 1, MAKELPARAM(frame, frame)) != 0;
}

bool CAnimateCtrl::Close()
{
    m_playing = false;
    return SendMessageW(GetSafeHwnd(), ACM_OPENW, 0, 0) != 0;
}
