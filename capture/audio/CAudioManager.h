#pragma once
// CAudioManager: the manager of audio capture. It starts a recording or a playback
// from its settings records, after the records' properties dialog when they ask for
// it, keeps the one CAudioGraph of what runs, and ends a timed recording or playback
// with its own step timer.
//
// Made without dialogs (the job runner's build), a record that asks for its dialog
// starts nothing while the manager is idle. Made without a notify window (a job), the
// end of a playback posts WM_QUIT, which ends the job's wait.
//
// Failures leave their text in the audio error text (GetErrorText). All calls come on
// the thread of the user interface.
#include "Info/InfoAudioPlaying.h"
#include "Info/InfoAudioRecording.h"
#include "capture/audio/CAudioGraph.h"
#include "capture/destinations/CImageBase.h"
#include "capture/timing/CWndTimer.h"
#include "capture/timing/ICaptureStepTarget.h"

class ICaptureDialogs;

class CAudioManager : public ICaptureStepTarget
{
public:
    // dialogs: the properties dialogs, or null when nobody may be asked.
    explicit CAudioManager(ICaptureDialogs* dialogs = nullptr);
    ~CAudioManager() override;
    CAudioManager(const CAudioManager&) = delete;
    CAudioManager& operator=(const CAudioManager&) = delete;

    // The live settings the next start uses.
    InfoAudioRecording& GetRecording() { return m_recording; }
    InfoAudioPlaying& GetPlaying() { return m_playing; }
    // The window every new graph reports to (the main window).
    void SetNotifyWindow(HWND window) { m_notifyWindow = window; }

    // DR_DONE started, DR_NOTHING_DONE the dialog was cancelled (or could not be
    // shown), DR_FAILED with the error text set. What runs is stopped first.
    DestinationResult StartRecording();
    DestinationResult StartPlaying();

    // Stop what runs and let the graph go; false when there is no graph or its stop failed.
    bool StopRecording();
    bool StopPlaying();
    // Stops what runs (false when that fails) and lets the graph and the step timer go.
    bool StopAll();
    // False without a recording (playback) or when the graph fails; the step timer
    // pauses and resumes with it.
    bool PauseRecording();
    bool ResumeRecording();
    bool PausePlaying();
    bool ResumePlaying();

    bool IsRecording() const { return m_graph && m_graph->IsRecording(); }
    bool IsRecordingPaused() const { return m_graph && m_graph->IsRecordingPaused(); }
    bool IsPlaying() const { return m_graph && m_graph->IsPlaying(); }
    bool IsPlayingPaused() const { return m_graph && m_graph->IsPlayingPaused(); }

    // Stops what runs and makes a new graph; false when the stop failed.
    bool CreateGraph(bool forRecording, bool audition);
    // Ends the recording or playback after seconds (see CWndTimer::Start).
    void StartStepTimer(UINT seconds);

    CString GetErrorText() const;
    // The file of the last recording started.
    const CString& GetOutputPath() const { return m_outputPath; }

    // The step timer's end: stops the recording, else the playback.
    void StopStep() override;

private:
    // Fills working with live, after the dialog when live asks for it and the manager is
    // not busy with that kind.
    template <class Record> DestinationResult ChooseRecord(const Record& live, Record& working, bool busy);
    // The recording's file: the record's path, numbered when the file exists and may not
    // be overwritten; its folder is created when missing.
    bool PrepareOutputFile(const InfoAudioRecording& record);
    void DeleteStepTimer();
    bool PauseStepTimer(bool paused);

    ICaptureDialogs* m_dialogs;
    InfoAudioRecording m_recording;
    InfoAudioPlaying m_playing;
    HWND m_notifyWindow = nullptr;
    CWndTimerPtr m_timer;
    CAudioGraphPtr m_graph;
    CString m_outputPath;
};
