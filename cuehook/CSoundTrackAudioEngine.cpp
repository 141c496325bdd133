#include "cuehook/CSoundTrackAudioEngine.h"

#include "capture/audio/AudioErrorText.h"

CSoundTrackAudioEngine::CSoundTrackAudioEngine(HWND notifyTarget) : m_graph(new CAudioGraph())
{
    m_graph->SetNotifyTarget(notifyTarget);
    m_graph->SetQuitOnPlaybackEnd(false);
}

HRESULT CSoundTrackAudioEngine::StartRecording(const CString& wavPath, const CString& device,
                                               const WAVEFORMATEX* format, const CString& inputPin)
{
    return m_graph->StartRecording(wavPath, device, format, inputPin);
}

HRESULT CSoundTrackAudioEngine::StopRecording()
{
    return m_graph->StopRecording();
}

HRESULT CSoundTrackAudioEngine::PauseRecording()
{
    return m_graph->PauseRecording();
}

HRESULT CSoundTrackAudioEngine::ResumeRecording()
{
    return m_graph->ResumeRecording();
}

HRESULT CSoundTrackAudioEngine::StartPlaying(const CString& wavPath, int repeats)
{
    return m_graph->StartPlaying(wavPath, repeats);
}

HRESULT CSoundTrackAudioEngine::StopPlaying()
{
    return m_graph->StopPlaying();
}

HRESULT CSoundTrackAudioEngine::PausePlaying()
{
    return m_graph->PausePlaying();
}

HRESULT CSoundTrackAudioEngine::ResumePlaying()
{
    return m_graph->ResumePlaying();
}

bool CSoundTrackAudioEngine::IsRecording() const
{
    return m_graph->IsRecording();
}

bool CSoundTrackAudioEngine::IsPlaying() const
{
    return m_graph->IsPlaying();
}

HRESULT CSoundTrackAudioEngine::GetInputPinProperties(const InputPinValues& values)
{
    return m_graph->GetInputPinProperties(values);
}

CString CSoundTrackAudioEngine::GetErrorText() const
{
    return GetAudioErrorText();
}
