#pragma once
// CJobPresentationManager: the movie manager of an unattended job, the program's movie
// manager run without dialogs. A recording appends a frame of the job's selection to
// an AVI file every "frequency" seconds and ends the job (posts the quit message) when
// the duration has passed.
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

    // DR_DONE when the recording runs; DR_FAILED with the error text set when the
    // record asks for a dialog or the output file cannot be prepared.
    DestinationResult StartRecording();
    // Always DR_FAILED: no movie player.
    DestinationResult StartPlaying();
    // Ends the recording: the timer window closes and the AVI file is completed.
    bool StopRecording() { return m_engine.StopRecording(); }
    bool StopPlaying() { return false; }

    bool IsRecording() const { return m_engine.IsRecording(); }
    // The text of the last failure, read once; "Unknown error." when there is none.
    CString GetErrorText();

private:
    CPresentationManager m_engine{nullptr};
    CString m_errorText;
};
