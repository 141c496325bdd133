#include "runjobs/CJobVideoManager.h"

#include "capture/video/CWndVideoRecorder.h"

namespace
{
// The job's recorder: no owner, no dialogs (so no frame-rate command), hidden unless
// the record wants a preview.
std::unique_ptr<IVideoRecorder> MakeJobRecorder(const InfoVideoRecording& recording, HWND)
{
    return std::make_unique<CWndVideoRecorder>(&recording, nullptr, nullptr);
}
} // namespace

CJobVideoManager::CJobVideoManager() : CVideoManager(nullptr, &MakeJobRecorder) {}

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
