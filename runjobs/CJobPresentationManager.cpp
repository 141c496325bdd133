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
    m_recording = true;
    return Started(m_engine.StartRecording(false));
}

DestinationResult CJobPresentationManager::StartPlaying()
{
    m_recording = false;
    return Started(m_engine.StartPlaying());
}

DestinationResult CJobPresentationManager::Started(DestinationResult result)
{
    m_errorText.Empty();
    if (result == DR_NOTHING_DONE)
        m_errorText = DialogRefusalText(L"movie's");
    return result == DR_DONE ? DR_DONE : DR_FAILED;
}

CString CJobPresentationManager::GetErrorText()
{
    if (m_errorText.IsEmpty())
        m_engine.GetErrorText(m_errorText, m_recording);
    return TakeErrorText(m_errorText);
}
