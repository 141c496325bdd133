#include "runjobs/CJobPresentationManager.h"

#include "runjobs/JobSteps.h"

void CJobPresentationManager::SetSelection(const CArray<POINT>& points, EnumScreenCaptureType type, const CString& text,
                                           bool captureCursor)
{
    m_engine.SetTimedSelection(std::vector<POINT>(points.GetData(), points.GetData() + points.GetSize()), type, text);
    m_engine.SetCaptureCursor(captureCursor);
}

DestinationResult CJobPresentationManager::StartRecording()
{
    m_errorText.Empty();
    const DestinationResult started = m_engine.StartRecording(false);
    if (started == DR_NOTHING_DONE)
        m_errorText = DialogRefusalText(L"movie's");
    return started == DR_DONE ? DR_DONE : DR_FAILED;
}

DestinationResult CJobPresentationManager::StartPlaying()
{
    m_errorText = L"Movie playing is not available: this version of the job runner has no movie player.";
    return DR_FAILED;
}

CString CJobPresentationManager::GetErrorText()
{
    if (m_errorText.IsEmpty())
        m_engine.GetErrorText(m_errorText, true);
    return TakeErrorText(m_errorText);
}
