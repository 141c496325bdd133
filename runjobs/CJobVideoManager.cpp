#include "runjobs/CJobVideoManager.h"

CJobVideoManager::CJobVideoManager() : CVideoManager(nullptr) {}

DestinationResult CJobVideoManager::StartRecording()
{
    m_recording = true;
    return CVideoManager::StartRecording();
}

DestinationResult CJobVideoManager::StartPlaying()
{
    m_recording = false;
    return CVideoManager::StartPlaying();
}

CString CJobVideoManager::GetErrorText()
{
    return CVideoManager::GetErrorText(m_recording);
}
