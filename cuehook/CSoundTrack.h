#pragma once
// CSoundTrack: the wave file recorded beside a training file and played with it. It
// creates an audio engine for each recording or playback through the factory it was
// given; when none can be made, the recording or playback fails with a text that says so.
#include "cuehook/ISoundTrackEngine.h"
#include <functional>
#include <memory>

using SoundEngineFactory = std::function<std::unique_ptr<ISoundTrackEngine>()>;

class CSoundTrack
{
public:
    explicit CSoundTrack(SoundEngineFactory factory);
    ~CSoundTrack();
    CSoundTrack(const CSoundTrack&) = delete;
    CSoundTrack& operator=(const CSoundTrack&) = delete;

    // The wave file: the training file's drive, folder and base name with ".wav".
    void SetWavPath(const wchar_t* trainingFile);
    const CString& GetWavPath() const { return m_wavPath; }

    // Stops what the engine does and lets the engine go; false (engine kept) when the
    // stop fails.
    bool Close();
    bool StartRecording(const CString& device, const WAVEFORMATEX* format, const CString& inputPin);
    bool StopRecording();
    bool PauseRecording();
    bool ResumeRecording();
    bool StartPlaying();
    bool StopPlaying();
    bool PausePlaying();
    bool ResumePlaying();
    // The engine's answer; 1 when no engine runs.
    HRESULT GetInputPinProperties(const InputPinValues& values);

    // The text of the last failure.
    CString GetErrorText() const;

private:
    bool CreateEngine();
    bool Succeeded(HRESULT hr) const { return hr >= 0; }
    bool CallEngine(HRESULT (ISoundTrackEngine::*operation)());

    SoundEngineFactory m_factory;
    std::unique_ptr<ISoundTrackEngine> m_engine;
    CString m_wavPath;
    CString m_errorText;
};
