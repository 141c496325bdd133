#pragma once
// CPresentationManager: the movie manager. It records the screen into an AVI movie, one
// frame per captured selection, and plays such a movie back. It is a
// CScreenCaptureManagerBase whose capture target is the movie destination
// (CImagePresentation): a selection grabs into the destination and the repeat that
// follows it hands the picture to the AVI writer as the next frame. Frames come from a
// step timer that captures the timed selection every "frequency" seconds, or from the
// user's own selections while the recording runs.
//
// The first selection made while no recording runs starts one (its picture becomes
// the first frame) when the recording takes no timed frames; otherwise it starts the
// timed recording. The end of a step stops what the step timed. Movies play in the video
// player window; a playing started while a recording runs completes the recording first.
//
// Without dialogs the manager runs unattended (the job runner): it never shows a
// dialog (a record that asks for one starts nothing: DR_NOTHING_DONE), the timed
// selection is the one SetTimedSelection gave, a recording whose frequency does not
// fit in its duration takes its one frame at the start, and the end of a step also
// ends the thread's message loop.
//
// User-interface thread only.
#include "Info/InfoPresentationPlaying.h"
#include "Info/InfoPresentationRecording.h"
#include "capture/controller/IMovieCaptureManager.h"
#include "capture/selection/CScreenCaptureManagerBase.h"
#include "capture/selection/ICaptureDialogs.h"
#include "capture/timing/CWndTimer.h"
#include "capture/timing/ICaptureStepTarget.h"

#include <memory>
#include <vector>

class CAviWriter;
class CImagePresentation;
class CWndVideoPlayer;

class CPresentationManager : public CScreenCaptureManagerBase,
                             public IMovieCaptureManager,
                             public ICaptureStepTarget
{
public:
    // dialogs answers the properties and timed-selection dialogs; null runs unattended.
    // The records are loaded from the registry.
    explicit CPresentationManager(ICaptureDialogs* dialogs);
    ~CPresentationManager() override;

    int GetSelectionType() override { return m_selectionType; }
    bool GetShowSize() override { return m_showSize; }
    bool IsCaptureInProgress() override;
    // Any selection can become a frame.
    bool IsSelectionDone() override { return true; }
    bool GetCaptureCursor() override { return m_captureCursor; }
    bool WasLastCaptureSuccessful() override;
    void LoadSettingsFromRegistry() override;
    int GetHoldTime() override { return m_holdTime; }
    // The movie destination's error text.
    void GetErrorText(CString& text) override;
    // The movie destination's record, whatever the type.
    SendParam* GetRecord(EnumSendParam type) override;
    void SetRecord(const SendParam* record, EnumSendParam type, unsigned int part) override;
    // While recording: the captured picture becomes the next frame. Otherwise the
    // recording starts (StartRecording (true)); when it takes no timed frames the
    // captured picture is its first frame.
    DestinationResult RepeatLastCapture() override;
    // Grabs into the movie destination (no frame is written yet).
    DestinationResult CaptureWindow(HWND window) override;
    DestinationResult CapturePolygon(HRGN region) override;
    DestinationResult CaptureByRectangle(int left, int top, int right, int bottom) override;
    bool IsCursorCaptured() override { return m_captureCursor; }

    // The controller's seam: the records from the registry, the end of a timed step
    // (this manager itself unless set), the owner, the screen manager's settings.
    void LoadFromRegistry() override;
    SendParam* GetLiveRecord(bool recorder) override;
    void SetStepTarget(ICaptureStepTarget* target) override { m_stepTarget = target ? target : this; }
    void SetOwner(ICaptureOwner* owner) override { CScreenCaptureManagerBase::SetOwner(owner); }
    void SetSelectionSettings(int selectionType, int holdTime, bool showSize, bool captureCursor) override;

    // The copies of the screen manager's selection settings. The selection type is also
    // the type of the timed selection.
    void SetSelectionType(EnumScreenCaptureType type);
    void SetShowSize(bool showSize) { m_showSize = showSize; }
    void SetHoldTime(int holdTime) { m_holdTime = holdTime; }
    void SetCaptureCursor(bool captureCursor) { m_captureCursor = captureCursor; }
    // The selection the timer captures (points copied; text: the window name of type 4).
    void SetTimedSelection(const std::vector<POINT>& points, EnumScreenCaptureType type, const CString& text);

    // The live records the next recording and playing use.
    InfoPresentationRecording& GetRecordingRecord() { return m_recording; }
    InfoPresentationPlaying& GetPlayingRecord() { return m_playing; }

    bool IsRecording() override { return m_writer && m_recordingOn; }
    bool IsRecordingPaused() override { return m_writer && m_paused; }
    bool IsPlaying() override;
    bool IsPlayingPaused() override;
    // The pending text of a failed start (read once), else the text of the side: the
    // destination's or the player's, else "Unknown error.".
    CString GetErrorText(bool recordingSide) override;
    // The picture of the last grab; null when none.
    HBITMAP GetLastImage() const;
    // The file the running (or last) recording writes; empty before the first start.
    const CString& GetOutputPath() const { return m_outputPath; }

    DestinationResult StartRecording(bool repeat) override;
    bool StopRecording() override;
    bool PauseRecording() override;
    bool ResumeRecording() override;
    // Stops a running recording, then plays the playing record's movie in a new player
    // window (the owner's window hears of it), timed by the record's duration when it has
    // one. DR_FAILED with the reason when the file is missing or the player cannot play
    // it; DR_NOTHING_DONE when the properties dialog was cancelled.
    DestinationResult StartPlaying() override;
    // Ends the playing's timer and stops the player; without an owner its window goes
    // too. False without a player.
    bool StopPlaying() override;
    bool PausePlaying() override;
    bool ResumePlaying() override;
    // Recording side: ends the writer (the file is completed). Playing side: stops a
    // running player and deletes its window (false when it cannot be stopped).
    bool CloseWindow(bool recordingSide) override;
    // The record's full path in path; an existing file that may not be overwritten
    // gives a numbered free name, written back into the record's folder and name. A
    // missing folder is made. DR_FAILED with the pending text when it cannot be.
    DestinationResult PrepareOutputFile(InfoPresentationRecording& record, CString& path);

    // The step's time is up: the recording stops (unattended, the message loop too).
    void StopStep() override;

    CWndTimer* GetTimer() const { return m_timer.get(); }

private:
    // A new player window of the record, playing; false when it cannot play.
    bool OpenPlayer(const InfoPresentationPlaying& playing);
    // The properties dialog of a record whose show-dialog flag is on: DR_DONE to go on
    // (record edited), DR_NOTHING_DONE when cancelled or when unattended.
    DestinationResult EditRecord(SendParam& record);
    // The timed-selection dialog for a recording that takes timed frames.
    DestinationResult ChooseTimedSelection(const InfoPresentationRecording& record, bool repeat);
    // Makes the writer of the file and hands it to the destination.
    DestinationResult OpenWriter(const InfoPresentationRecording& record);
    // A new step timer of duration seconds; with periodic, the timed selection is
    // captured every frequency seconds.
    void StartTimer(int duration, int frequency, bool periodic);
    bool HasTimedSelection() const;
    // The destination's writer is replaced under the destination's lock.
    void HandWriter(CAviWriter* writer);

    ICaptureDialogs* m_dialogs;
    ICaptureStepTarget* m_stepTarget = this;
    InfoPresentationRecording m_recording;
    InfoPresentationPlaying m_playing;
    CWndTimerPtr m_timer;
    std::unique_ptr<CImagePresentation> m_destination;
    std::unique_ptr<CAviWriter> m_writer;
    std::unique_ptr<CWndVideoPlayer> m_player;
    bool m_recordingOn = false;
    bool m_paused = false;
    CString m_pendingError;
    CString m_outputPath;
    int m_selectionType = SCT_RECTANGLE;
    bool m_showSize = false;
    int m_holdTime = 0;
    bool m_captureCursor = false;
    std::vector<POINT> m_timedPoints;
    EnumScreenCaptureType m_timedType = SCT_RECTANGLE;
    CString m_timedText;
    // The timed selection was chosen (a window type names its window without points).
    bool m_timedChosen = false;
};
