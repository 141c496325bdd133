#pragma once
// CLocalController: the one object through which the main window drives every capture
// kind. It owns one manager per kind (screen, training, audio, video, movie) and the
// output window's options, keeps the current capture type and the record/play choices
// (CControllerSettings), and turns the main window's Record, Play, Pause/Resume and
// Stop commands into calls on the current type's manager, keeping the elapsed-time
// display and the Time/Action page in step.
//
// A manager that this build does not have yet is null: its commands show a box saying
// so, and every query answers as for an idle manager. Failures of a manager are shown
// in a box with its own text and leave the display and the page as they were.
//
// It is also the step timers' target: the end of a timed step runs Stop. Stop only ever
// stops the current type's recording (running or paused), else its playing, else
// nothing; it never starts anything. User-interface thread only.
#include "capture/controller/CControllerSettings.h"
#include "capture/controller/IMovieCaptureManager.h"
#include "capture/controller/ITrainingCaptureManager.h"
#include "capture/selection/CScreenCaptureManager.h"
#include "capture/timing/CElapsedTimeDisplay.h"
#include "capture/timing/CGlobalOptions.h"
#include "capture/timing/ICaptureStepTarget.h"

#include <memory>

class IControllerHost;
class ICaptureOwner;

// The managers a controller takes over; any of them may be null (not in this build).
struct CaptureManagers
{
    std::unique_ptr<CScreenCaptureManager> screen;
    std::unique_ptr<ITrainingCaptureManager> training;
    std::unique_ptr<IMediaCaptureManager> audio;
    std::unique_ptr<IMediaCaptureManager> video;
    std::unique_ptr<IMovieCaptureManager> movie;
};

class CLocalController : public ICaptureStepTarget
{
public:
    // Takes the managers, loads their records, the options and the "Common" values,
    // switches the ICQ destination off when the ICQ API cannot be set up, and gives the
    // movie manager the screen manager's selection settings.
    explicit CLocalController(CaptureManagers managers);
    ~CLocalController() override;
    CLocalController(const CLocalController&) = delete;
    CLocalController& operator=(const CLocalController&) = delete;

    // The main window's pages and hooks; null leaves them alone.
    void SetHost(IControllerHost* host) { m_host = host; }
    void SetScreenManagerOwner(ICaptureOwner* owner);
    void SetPresentationManagerOwner(ICaptureOwner* owner);

    int GetCaptureType() const { return m_settings.GetCaptureType(); }
    void SetCaptureType(int type) { m_settings.SetCaptureType(type); }
    bool IsRecActive(int type) const { return m_settings.IsRecActive(type); }
    void SetRecActive(int type, bool record);
    int GetCBTHotKeys() const { return m_settings.GetCBTHotKeys(); }
    void SetCBTHotKeys(int index) { m_settings.SetCBTHotKeys(index); }
    // The length in seconds of what the current type will play; -1 when none.
    int GetTotalToPlay() const { return m_totalToPlay; }
    void SetTotalToPlay(int seconds) { m_totalToPlay = seconds; }

    // The state of the current type.
    bool IsRecording();
    bool IsPlaying();
    bool IsPaused();
    // Whether the last capture of the screen (type 1) or movie (type 5) manager succeeded.
    bool WasLastCaptureSuccessful(int type);

    // The Time/Action page's windows, and every timer of the main window.
    void AttachTimePage(HWND labelWindow, HWND timeWindow, bool running);
    void OnTimeTimer(UINT_PTR id) { m_display.OnTimer(id); }
    const CElapsedTimeDisplay& GetTimeDisplay() const { return m_display; }

    // The main window's commands.
    void Record();
    void Play();
    void PauseResume();
    void Stop();
    // Ends whatever runs in any kind (the capture type is about to change).
    void StopAll();

    // The managers' messages to the main window.
    void OnStarted();
    void OnPaused();
    void OnResumed();
    void OnStopped();

    // Starts a screen capture (a repeat of the last one with repeat), or stops the one
    // that runs. DR_DONE started or stopped, DR_NOTHING_DONE nothing started, DR_FAILED.
    DestinationResult ToggleScreenRecording(bool repeat);
    // The same for a movie recording.
    DestinationResult ToggleMovieRecording(bool repeat);

    // The end of a timed step.
    void StopStep() override { Stop(); }

    CScreenCaptureManager* GetScreenManager() const { return m_managers.screen.get(); }
    ITrainingCaptureManager* GetTrainingManager() const { return m_managers.training.get(); }
    IMediaCaptureManager* GetAudioManager() const { return m_managers.audio.get(); }
    IMediaCaptureManager* GetVideoManager() const { return m_managers.video.get(); }
    IMovieCaptureManager* GetMovieManager() const { return m_managers.movie.get(); }
    CGlobalOptions& GetGlobalOptions() { return m_options; }
    // Gives the movie manager's copies of the selection type, hold time, size label and
    // cursor flag the screen manager's values.
    void CopySelectionSettings();

private:
    void Load();
    void CheckIcqDestination();

    // The audio, video or movie manager of the type; null for other types.
    IMediaCaptureManager* Media(int type) const;
    // Whether the kind of the type is in this build; tells the user when it is not.
    bool IsAvailable(int type);

    void ToggleScreenPause();
    void StopScreen();
    void ToggleTraining(bool recording);
    void StopTrainingRecording();
    void StopTrainingPlaying();
    DestinationResult ToggleMedia(int type, bool recorder, bool repeat);
    DestinationResult StartMedia(int type, bool recorder, bool repeat);
    void StopMedia(int type, bool recorder);
    void ToggleMediaPause(int type, bool recorder);
    static bool IsSideActive(IMediaCaptureManager& media, bool recorder);
    void ShowMediaError(IMediaCaptureManager& media, bool recorder);

    void StartDisplay();
    void StopDisplay();
    void UpdateTimePage(bool running);
    void ResetTimePage();

    CaptureManagers m_managers;
    CGlobalOptions m_options;
    CControllerSettings m_settings;
    int m_totalToPlay = -1;
    CElapsedTimeDisplay m_display;
    IControllerHost* m_host = nullptr;
};

// The program's controller; null until SetLocalController. It lives until the process
// ends (or the next SetLocalController).
CLocalController* GetLocalController();
void SetLocalController(std::unique_ptr<CLocalController> controller);
