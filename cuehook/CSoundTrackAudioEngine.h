#pragma once
// CSoundTrackAudioEngine: the sound track's engine, the library's own audio graph. It
// reports its state changes to the window given when it is made (the window the
// training hot keys are bound to, which is the main window; none in a job), and the end
// of its playback never posts WM_QUIT: the thread's message loop is the training's.
#include "capture/audio/CAudioGraph.h"
#include "cuehook/ISoundTrackEngine.h"

class CSoundTrackAudioEngine : public ISoundTrackEngine
{
public:
    explicit CSoundTrackAudioEngine(HWND notifyTarget);

    HRESULT StartRecording(const CString& wavPath, const CString& device, const WAVEFORMATEX* format,
                           const CString& inputPin) override;
    HRESULT StopRecording() override;
    HRESULT PauseRecording() override;
    HRESULT ResumeRecording() override;
    HRESULT StartPlaying(const CString& wavPath, int repeats) override;
    HRESULT StopPlaying() override;
    HRESULT PausePlaying() override;
    HRESULT ResumePlaying() override;
    bool IsRecording() const override;
    bool IsPlaying() const override;
    HRESULT GetInputPinProperties(const InputPinValues& values) override;
    CString GetErrorText() const override;

private:
    CAudioGraphPtr m_graph;
};
