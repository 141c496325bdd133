#pragma once
// CJobPresentationManager: the movie manager of an unattended job, the program's movie
// manager run without dialogs. A recording appends a frame of the job's selection to
// an AVI file every "frequency" seconds and ends the job (posts the quit message) when
// the duration has passed; a playing plays the movie in a player window without owner,
// which ends the job after its last repeat, or the duration's end stops it.
//
// All calls come on the job's main thread.
#include "capture/movie/CPresentationManager.h"
#include "framework/CArray.h"

class CJobPresentationManager
{
public:
    CJobPresentationManager() = default;
    CJobPresentationManager(const CJobPresentationManager&) = delete;
    CJobPresentationManager& operator=(const CJobPresentationManager&) = delete;

    // The records the next recording and playing use.
    InfoPresentationRecording& GetRecording() { return m_engine.GetRecordingRecord(); }
    InfoPresentationPlaying& GetPlaying() { return m_engine.GetPlayingRecord(); }

    // The selection every frame takes (see CJobScreenCaptureManager::SetSelection).
    void SetSelection(const CArray<POINT>& points, EnumScreenCaptureType type, const CString& text, bool captureCursor);

    // DR_DONE when the recording or playing runs; DR_FAILED with the error text set when
    // the record asks for a dialog or the start fails.
    DestinationResult StartRecording();
    DestinationResult StartPlaying();
    // Ends the recording: the timer window closes and the AVI file is completed.
    bool StopRecording() { return m_engine.StopRecording(); }
    bool StopPlaying() { return m_engine.StopPlaying(); }

    bool IsRecording() const { return m_engine.IsRecording(); }
    // The text of the last failure, read once; "Unknown error." when there is none.
    CString GetErrorText();

private:
    // DR_DONE, or DR_FAILED with a refusal's text when the record asked for a dialog.
    DestinationResult Started(DestinationResult result);

    CPresentationManager m_engine{nullptr};
    CString m_errorText;
    bool m_recording = false;
};
