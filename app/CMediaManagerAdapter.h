#pragma once
// CMediaManagerAdapter<Manager>: an audio or video manager as the controller drives it
// (IMediaCaptureManager). It owns the manager. The video manager's step timer ends its
// timed steps through the adapter, so they reach the controller's Stop once the controller
// has taken the adapter; the audio manager ends its own steps, and the stop it posts
// reaches the controller through the main window.
#include "capture/audio/CAudioManager.h"
#include "capture/controller/IMediaCaptureManager.h"
#include "capture/timing/ICaptureStepTarget.h"
#include "capture/video/CVideoManager.h"

#include <memory>

template <class Manager> class CMediaManagerAdapter : public IMediaCaptureManager, public ICaptureStepTarget
{
public:
    explicit CMediaManagerAdapter(std::unique_ptr<Manager> manager = nullptr) : m_manager(std::move(manager)) {}
    // The manager, when it is made after the adapter (to take the adapter as its step target).
    void SetManager(std::unique_ptr<Manager> manager) { m_manager = std::move(manager); }

    Manager& GetManager() { return *m_manager; }

    void LoadFromRegistry() override
    {
        m_manager->GetRecording().LoadFromRegistry();
        m_manager->GetPlaying().LoadFromRegistry();
    }
    SendParam* GetLiveRecord(bool recorder) override
    {
        return recorder ? static_cast<SendParam*>(&m_manager->GetRecording()) : &m_manager->GetPlaying();
    }
    void SetStepTarget(ICaptureStepTarget* target) override { m_stepTarget = target; }
    void StopStep() override
    {
        if (m_stepTarget)
            m_stepTarget->StopStep();
        else
            m_manager->StopStep();
    }

    bool IsRecording() override { return m_manager->IsRecording(); }
    bool IsRecordingPaused() override { return m_manager->IsRecordingPaused(); }
    bool IsPlaying() override { return m_manager->IsPlaying(); }
    bool IsPlayingPaused() override { return m_manager->IsPlayingPaused(); }

    DestinationResult StartRecording(bool) override { return m_manager->StartRecording(); }
    bool StopRecording() override { return m_manager->StopRecording(); }
    bool PauseRecording() override { return m_manager->PauseRecording(); }
    bool ResumeRecording() override { return m_manager->ResumeRecording(); }
    DestinationResult StartPlaying() override { return m_manager->StartPlaying(); }
    bool StopPlaying() override { return m_manager->StopPlaying(); }
    bool PausePlaying() override { return m_manager->PausePlaying(); }
    bool ResumePlaying() override { return m_manager->ResumePlaying(); }
    bool CloseWindow(bool recorder) override;
    CString GetErrorText(bool recorder) override;

private:
    std::unique_ptr<Manager> m_manager;
    ICaptureStepTarget* m_stepTarget = nullptr;
};

// Audio has no window: closing a side stops it. Its error text is the engine's one.
template <> inline bool CMediaManagerAdapter<CAudioManager>::CloseWindow(bool recorder)
{
    return recorder ? m_manager->StopRecording() : m_manager->StopPlaying();
}
template <> inline CString CMediaManagerAdapter<CAudioManager>::GetErrorText(bool)
{
    return m_manager->GetErrorText();
}

template <> inline bool CMediaManagerAdapter<CVideoManager>::CloseWindow(bool recorder)
{
    return m_manager->CloseWindow(recorder);
}
template <> inline CString CMediaManagerAdapter<CVideoManager>::GetErrorText(bool recorder)
{
    return m_manager->GetErrorText(recorder);
}

using CAudioCaptureAdapter = CMediaManagerAdapter<CAudioManager>;
using CVideoCaptureAdapter = CMediaManagerAdapter<CVideoManager>;
