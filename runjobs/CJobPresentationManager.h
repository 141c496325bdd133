#pragma once
// CJobPresentationManager: the movie manager of an unattended job. A recording appends
// a frame of the job's selection to an AVI file every "frequency" seconds through the
// movie destination, and ends the job (posts the quit message) when the duration has
// passed. Playing a movie needs a player this build does not have: it fails with a
// text that says so.
//
// All calls come on the job's main thread.
#include "Info/InfoPresentationPlaying.h"
#include "Info/InfoPresentationRecording.h"
#include "capture/destinations/CImageBase.h"
#include "capture/timing/CWndTimer.h"
#include "capture/timing/ICaptureStepTarget.h"
#include "framework/CArray.h"

#include <memory>

class CAviWriter;
class CImagePresentation;

class CJobPresentationManager : public ICaptureStepTarget
{
public:
    CJobPresentationManager();
    CJobPresentationManager(const CJobPresentationManager&) = delete;
    CJobPresentationManager& operator=(const CJobPresentationManager&) = delete;
    ~CJobPresentationManager() override;

    // The records the next recording and playing use.
    InfoPresentationRecording& GetRecording() { return m_recording; }
    InfoPresentationPlaying& GetPlaying() { return m_playing; }

    // The selection every frame takes (see CJobScreenCaptureManager::SetSelection).
    void SetSelection(const CArray<POINT>& points, EnumScreenCaptureType type, const CString& text, bool captureCursor);

    // DR_DONE when the recording runs; DR_FAILED with the error text set when the
    // record asks for a dialog or the output file cannot be prepared.
    DestinationResult StartRecording();
    // Always DR_FAILED: no movie player.
    DestinationResult StartPlaying();
    // Ends the recording: the timer window closes and the AVI file is completed.
    bool StopRecording();
    bool StopPlaying() { return false; }

    bool IsRecording() const { return m_recordingOn; }
    // The text of the last failure, read once; "Unknown error." when there is none.
    CString GetErrorText();
    // The file the recording writes; empty before a start.
    const CString& GetOutputPath() const { return m_outputPath; }

    // The timer window's end of the duration: ends the recording and the job.
    void StopStep() override;

private:
    // The recording's file: the record's full path, numbered when the file exists and
    // may not be overwritten; its folder is created when missing.
    bool PrepareOutputFile();

    InfoPresentationRecording m_recording;
    InfoPresentationPlaying m_playing;
    CString m_errorText;
    CArray<POINT> m_points;
    EnumScreenCaptureType m_selectionType = SCT_RECTANGLE;
    CString m_selectionText;
    bool m_captureCursor = false;
    CWndTimerPtr m_timer;
    std::unique_ptr<CImagePresentation> m_destination;
    std::unique_ptr<CAviWriter> m_aviWriter;
    CString m_outputPath;
    bool m_recordingOn = false;
};
