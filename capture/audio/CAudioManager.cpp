#include "capture/audio/CAudioManager.h"

#include "capture/audio/AudioErrorText.h"
#include "capture/audio/AudioFormats.h"
#include "capture/destinations/CaptureTables.h"
#include "capture/selection/ICaptureDialogs.h"
#include "common/PathHelpers.h"
#include "framework/AppMainWnd.h"

CAudioManager::CAudioManager(ICaptureDialogs* dialogs) : m_dialogs(dialogs) {}

CAudioManager::~CAudioManager()
{
    StopAll();
}

template <class Record> DestinationResult CAudioManager::ChooseRecord(const Record& live, Record& working, bool busy)
{
    working = live;
    if (!live.IsDisplayFlagOn() || busy)
        return DR_DONE;
    if (!m_dialogs)
        return DR_NOTHING_DONE;
    return m_dialogs->EditProperties(working, AppGetMainWnd()) == IDOK ? DR_DONE : DR_NOTHING_DONE;
}

bool CAudioManager::PrepareOutputFile(const InfoAudioRecording& record)
{
    CString path = record.GetFullPathFileName();
    if (FileExists(path) && !record.RecOverwrite)
        path = MakeUniqueFileName(record.RecPath, record.RecFName, record.RecFType, OFK_AUDIO);
    CString error;
    if (!CreateDirectoryPath(path, error))
    {
        SetAudioErrorText(error);
        return false;
    }
    m_outputPath = path;
    return true;
}

DestinationResult CAudioManager::StartRecording()
{
    InfoAudioRecording working;
    const DestinationResult chosen = ChooseRecord(m_recording, working, IsRecording() || IsRecordingPaused());
    if (chosen != DR_DONE)
        return chosen;
    ClearAudioErrorText();
    if (!PrepareOutputFile(working))
        return DR_FAILED;
    if (working.RecInputDevice.IsEmpty() || working.RecInputFormat.IsEmpty())
    {
        SetAudioErrorText(L"Audio device name and/or format is empty.");
        return DR_FAILED;
    }
    if (!CreateGraph(true, working.RecAudition))
        return DR_FAILED;
    WAVEFORMATEX format;
    ParseAudioFormat(working.RecInputFormat, &format);
    if (FAILED(m_graph->StartRecording(m_outputPath, working.RecInputDevice, &format, working.RecInputPinName)))
        return DR_FAILED;
    if (working.RecDuration)
        StartStepTimer(working.RecDuration);
    return DR_DONE;
}

DestinationResult CAudioManager::StartPlaying()
{
    InfoAudioPlaying working;
    const DestinationResult chosen = ChooseRecord(m_playing, working, IsPlaying() || IsPlayingPaused());
    if (chosen != DR_DONE)
        return chosen;
    ClearAudioErrorText();
    if (!FileExists(working.PlayFName))
    {
        CString text;
        text.Format(L"Audio file '%s' does not exist.", working.PlayFName.GetString());
        SetAudioErrorText(text);
        return DR_FAILED;
    }
    if (!CreateGraph(false, false) || FAILED(m_graph->StartPlaying(working.PlayFName, working.PlayRepeat)))
        return DR_FAILED;
    if (working.PlayDuration)
        StartStepTimer(working.PlayDuration);
    return DR_DONE;
}

bool CAudioManager::StopRecording()
{
    DeleteStepTimer();
    return m_graph && SUCCEEDED(m_graph->StopRecording()) && StopAll();
}

bool CAudioManager::StopPlaying()
{
    DeleteStepTimer();
    return m_graph && SUCCEEDED(m_graph->StopPlaying()) && StopAll();
}

bool CAudioManager::StopAll()
{
    DeleteStepTimer();
    if (!m_graph)
        return true;
    if (m_graph->IsRecording())
    {
        if (FAILED(m_graph->StopRecording()))
            return false;
    }
    else if (m_graph->IsPlaying() && FAILED(m_graph->StopPlaying()))
        return false;
    m_graph.reset();
    return true;
}

bool CAudioManager::PauseStepTimer(bool paused)
{
    if (m_timer)
    {
        if (paused)
            m_timer->Pause();
        else
            m_timer->Resume();
    }
    return true;
}

bool CAudioManager::PauseRecording()
{
    return IsRecording() && !IsRecordingPaused() && SUCCEEDED(m_graph->PauseRecording()) && PauseStepTimer(true);
}

bool CAudioManager::ResumeRecording()
{
    return IsRecordingPaused() && SUCCEEDED(m_graph->ResumeRecording()) && PauseStepTimer(false);
}

bool CAudioManager::PausePlaying()
{
    return IsPlaying() && !IsPlayingPaused() && SUCCEEDED(m_graph->PausePlaying()) && PauseStepTimer(true);
}

bool CAudioManager::ResumePlaying()
{
    return IsPlayingPaused() && SUCCEEDED(m_graph->ResumePlaying()) && PauseStepTimer(false);
}

bool CAudioManager::CreateGraph(bool forRecording, bool audition)
{
    if (!StopAll())
        return false;
    m_graph.reset(new CAudioGraph());
    m_graph->SetNotifyTarget(m_notifyWindow);
    if (forRecording)
        m_graph->SetAudition(audition);
    return true;
}

void CAudioManager::StartStepTimer(UINT seconds)
{
    DeleteStepTimer();
    m_timer.reset(new CWndTimer(this));
    m_timer->Start(seconds);
}

void CAudioManager::DeleteStepTimer()
{
    if (m_timer)
        m_timer->Stop();
    m_timer.reset();
}

CString CAudioManager::GetErrorText() const
{
    return GetAudioErrorText();
}

void CAudioManager::StopStep()
{
    if (IsRecording() || IsRecordingPaused())
        StopRecording();
    else if (IsPlaying() || IsPlayingPaused())
        StopPlaying();
}
