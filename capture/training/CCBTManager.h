#pragma once
// CCBTManager: the manager of training capture. It records the user's keyboard and mouse
// input, with an optional sound track, into a ".vtf" training file, and plays a training
// file back, optionally after launching an application and placing its window. Every
// hook, the event store, the file and the sound track belong to the hook library
// (Cuehook.dll); the manager drives them in a fixed order and keeps only its step timer
// and the path of the file being recorded.
//
// Record and Play each run a nested message loop on the user-interface thread and return
// when the recording or playback has ended. Whoever ends it (the hook callback on
// Ctrl+Break, a full event store or the last event played; the step timer; the user's
// Stop) runs a stop, which also ends the loop; the stop runs once more after the loop.
// The two builds differ in how the loop ends:
// - interactive: a stop posts WM_CANCELJOURNAL to the thread, which ends the loop; a
//   WM_QUIT met in the loop ends it as well and is posted again after the final stop;
// - job: no dialog is ever shown (a record that asks for one is refused), a running
//   recording or playback refuses a second start, and a stop posts the quit message,
//   which ends the loop.
//
// A save that fails in a stop run from inside the loop (callback or step timer) is not
// lost: Record returns 0 with that save's text. All calls come on the thread of the user
// interface.
#include "Info/InfoCBTPlaying.h"
#include "Info/InfoCBTRecording.h"
#include "capture/controller/ITrainingCaptureManager.h"
#include "capture/timing/CWndTimer.h"
#include "capture/timing/ICaptureStepTarget.h"

class ICaptureDialogs;
class CNestedMessageLoop;

class CCBTManager : public ITrainingCaptureManager, public ICaptureStepTarget
{
public:
    enum class Mode
    {
        Interactive,
        Job,
    };

    // dialogs: the properties dialogs, or null when nobody may be asked.
    explicit CCBTManager(ICaptureDialogs* dialogs = nullptr, Mode mode = Mode::Interactive);
    ~CCBTManager() override;
    CCBTManager(const CCBTManager&) = delete;
    CCBTManager& operator=(const CCBTManager&) = delete;

    // The live settings the next start uses.
    InfoCBTRecording& GetRecording() { return m_recording; }
    InfoCBTPlaying& GetPlaying() { return m_playing; }
    // The main window: target of the training hot keys after every stop, and the switch
    // for the wait cursor around loading and saving. Null until the main frame sets it.
    void SetMainWindow(HWND window) { m_mainWindow = window; }
    HWND GetMainWindow() const { return m_mainWindow; }
    // The file of the last recording started.
    const CString& GetTrainingFile() const { return m_trainingFile; }

    void LoadFromRegistry() override;
    SendParam* GetLiveRecord(bool recorder) override
    {
        return recorder ? static_cast<SendParam*>(&m_recording) : &m_playing;
    }
    bool IsRecording() override;
    bool IsRecordingPaused() override;
    bool IsPlaying() override;
    void SetRecordFlag(bool record) override;

    // 2 the recording ran and its file was saved (or a running recording was stopped and
    // saved), 1 the properties dialog was cancelled, 0 failed (error says why).
    int Record(CString& error) override;
    // 2 the playback ran (or a running one was stopped), 1 cancelled, 0 failed.
    int Play(CString& error) override;

    // Ends the recording: hooks off, hot keys back, the file saved, the loop told to end.
    // True when the file was saved (an empty event store saves nothing and succeeds).
    bool StopRecording(bool freeEvents, CString& error);
    // Ends the playback the same way.
    void StopPlaying(bool freeEvents);
    bool StopRecording(CString& error) override { return StopRecording(true, error); }
    void StopPlaying() override { StopPlaying(false); }

    // The step timer's end: stops the recording, else the playback.
    void StopStep() override;

    // The callback the hook library calls for every hook code; user is the manager.
    static LRESULT CALLBACK OnHookEvent(int code, WPARAM wParam, LPARAM event, DWORD_PTR user);

    // Starts the record's application, when it names one, and places the window in front
    // after the record's delay (none when the record asks for a maximised window).
    static bool LaunchTrainingApplication(const InfoCBTPlaying& record, CString& error);

private:
    bool IsJob() const { return m_mode == Mode::Job; }
    // Fills working with live, after the dialog when live asks for it and the manager is
    // not busy with that kind: 2 go on, 1 cancelled (job: refused, 0 with error).
    template <class Settings> int ChooseRecord(const Settings& live, Settings& working, bool busy, CString& error);
    int RefuseBusy(bool busy, const wchar_t* what, CString& error);
    // The training file of the record: numbered when the file exists and may not be
    // overwritten; its folder is created when missing.
    bool PrepareOutputFile(const InfoCBTRecording& record, CString& error);
    int StartRecording(const InfoCBTRecording& working, CString& error);
    int StartPlaying(const InfoCBTPlaying& working, CString& error);
    void StartStepTimer(UINT seconds);
    void DeleteStepTimer();
    bool LoadTrainingFile(const CString& path, CString& error);
    bool SaveTrainingFile(CString& error);
    // Runs the loop until a stop ends it; the loop keeps a WM_QUIT it met.
    void RunJournalMessageLoop(CNestedMessageLoop& loop);
    // Tells the running loop to end (WM_CANCELJOURNAL, or WM_QUIT in a job).
    void EndLoop();
    // The final stop after the loop; the job's own quit goes no further.
    void FinishLoop(CNestedMessageLoop& loop);
    // A stop run from inside the loop, whose failed save Record reports.
    void StopFromInside();
    LRESULT OnEvent(int code, LPARAM event);

    ICaptureDialogs* m_dialogs;
    Mode m_mode;
    InfoCBTRecording m_recording;
    InfoCBTPlaying m_playing;
    HWND m_mainWindow = nullptr;
    CWndTimerPtr m_timer;
    CString m_trainingFile;
    // The text of a failed save of a stop run from inside the loop.
    bool m_insideStopFailed = false;
    CString m_insideStopError;
};
