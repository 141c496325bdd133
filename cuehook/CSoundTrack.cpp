#include "cuehook/CSoundTrack.h"
#include <cstdlib>

namespace
{
const wchar_t* const kEngineNotCreated = L"The audio engine of the sound track could not be created.";
} // namespace

CSoundTrack::CSoundTrack(SoundEngineFactory factory) : m_factory(std::move(factory)) {}

CSoundTrack::~CSoundTrack()
{
    Close();
}

void CSoundTrack::SetWavPath(const wchar_t* trainingFile)
{
    wchar_t drive[_MAX_DRIVE] = L"", folder[_MAX_DIR] = L"", name[_MAX_FNAME] = L"";
    if (!trainingFile || _wsplitpath_s(trainingFile, drive, _MAX_DRIVE, folder, _MAX_DIR, name, _MAX_FNAME, nullptr, 0))
    {
        m_wavPath.Empty();
        return;
    }
    m_wavPath = CString(drive) + folder + name + L".wav";
}

bool CSoundTrack::Close()
{
    if (!m_engine)
        return true;
    if (m_engine->IsRecording() && !Succeeded(m_engine->StopRecording()))
        return false;
    if (m_engine->IsPlaying() && !Succeeded(m_engine->StopPlaying()))
        return false;
    m_engine.reset();
    return true;
}

bool CSoundTrack::CreateEngine()
{
    m_engine = m_factory ? m_factory() : nullptr;
    if (!m_engine)
        m_errorText = kEngineNotCreated;
    return m_engine != nullptr;
}

bool CSoundTrack::StartRecording(const CString& device, const WAVEFORMATEX* format, const CString& inputPin)
{
    m_errorText.Empty();
    if (!Close())
        return false;
    return CreateEngine() && Succeeded(m_engine->StartRecording(m_wavPath, device, format, inputPin));
}

bool CSoundTrack::StartPlaying()
{
    m_errorText.Empty();
    if (!Close())
        return false;
    return CreateEngine() && Succeeded(m_engine->StartPlaying(m_wavPath, 0));
}

bool CSoundTrack::CallEngine(HRESULT (ISoundTrackEngine::*operation)())
{
    return !m_engine || Succeeded((m_engine.get()->*operation)());
}

bool CSoundTrack::StopRecording()
{
    return CallEngine(&ISoundTrackEngine::StopRecording);
}

bool CSoundTrack::PauseRecording()
{
    return CallEngine(&ISoundTrackEngine::PauseRecording);
}

bool CSoundTrack::ResumeRecording()
{
    return CallEngine(&ISoundTrackEngine::ResumeRecording);
}

bool CSoundTrack::StopPlaying()
{
    return CallEngine(&ISoundTrackEngine::StopPlaying);
}

bool CSoundTrack::PausePlaying()
{
    return CallEngine(&ISoundTrackEngine::PausePlaying);
}

bool CSoundTrack::ResumePlaying()
{
    return CallEngine(&ISoundTrackEngine::ResumePlaying);
}

HRESULT CSoundTrack::GetInputPinProperties(const InputPinValues& values)
{
    return m_engine ? m_engine->GetInputPinProperties(values) : 1;
}

CString CSoundTrack::GetErrorText() const
{
    if (m_engine)
        return m_engine->GetErrorText();
    return m_errorText;
}
