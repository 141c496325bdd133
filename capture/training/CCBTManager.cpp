#include "capture/training/CCBTManager.h"

#include "capture/audio/AudioFormats.h"
#include "capture/destinations/CaptureTables.h"
#include "capture/selection/ICaptureDialogs.h"
#include "common/PathHelpers.h"
#include "common/SystemHelpers.h"
#include "cuehook/CuehookApi.h"
#include "framework/AppMainWnd.h"
#include "framework/CNestedMessageLoop.h"
#include "framework/CWaitCursor.h"

#include <memory>

namespace
{
const int kResultFailed = 0;
const int kResultCancelled = 1;
const int kResultDone = 2;
const int kTrainingFileType = 2;

// The wait cursor while the object lives, when on.
class COptionalWaitCursor
{
public:
    explicit COptionalWaitCursor(bool on)
    {
        if (on)
            m_cursor = std::make_unique<CWaitCursor>();
    }

private:
    std::unique_ptr<CWaitCursor> m_cursor;
};

// Takes the messages of one kind waiting in the thread's queue.
void DropWaiting(UINT message)
{
    MSG taken;
    while (PeekMessageW(&taken, nullptr, message, message, PM_REMOVE))
    {
    }
}

// The launch's command line: the program quoted, then the arguments as one quoted argument.
CString LaunchCommandLine(const InfoCBTPlaying& record)
{
    CString line = L"\"" + record.PlayAppFileName + L"\"";
    if (!record.PlayCmdLine.IsEmpty())
        line += L" \"" + record.PlayCmdLine + L"\"";
    return line;
}

// The window in front once it is the launched process's: a start slower than the delay
// brings it later. After the limit (a program that shows its window through another
// process), whatever window is in front.
HWND LaunchedWindowInFront(DWORD processId)
{
    const ULONGLONG limitMs = 30000;
    const DWORD pollMs = 50;
    const ULONGLONG end = GetTickCount64() + limitMs;
    for (;;)
    {
        HWND front = GetForegroundWindow();
        DWORD owner = 0;
        if ((front && GetWindowThreadProcessId(front, &owner) && owner == processId) || GetTickCount64() >= end)
            return front;
        Sleep(pollMs);
    }
}
} // namespace

CCBTManager::CCBTManager(ICaptureDialogs* dialogs, Mode mode) : m_dialogs(dialogs), m_mode(mode)
{
}

CCBTManager::~CCBTManager()
{
    DeleteStepTimer();
}

void CCBTManager::LoadFromRegistry()
{
    m_recording.LoadFromRegistry();
    m_playing.LoadFromRegistry();
}

bool CCBTManager::IsRecording()
{
    return HkIsRecording();
}

bool CCBTManager::IsRecordingPaused()
{
    return HkIsRecordingPaused();
}

bool CCBTManager::IsPlaying()
{
    return HkIsPlaying();
}

void CCBTManager::SetRecordFlag(bool record)
{
    HkSetRecordFlag(record ? 1 : 0);
}

template <class Settings> int CCBTManager::ChooseRecord(const Settings& live, Settings& working, bool busy, CString& error)
{
    working = live;
    if (!live.IsDisplayFlagOn() || busy)
        return kResultDone;
    if (IsJob())
    {
        error = L"The training settings ask for a dialog, which an unattended job cannot show.";
        return kResultFailed;
    }
    if (!m_dialogs)
        return kResultCancelled;
    return m_dialogs->EditProperties(working, AppGetMainWnd()) == IDOK ? kResultDone : kResultCancelled;
}

int CCBTManager::RefuseBusy(bool busy, const wchar_t* what, CString& error)
{
    if (!busy)
        return kResultDone;
    error.Format(L"A training %s is running already.", what);
    return kResultFailed;
}

int CCBTManager::Record(CString& error)
{
    InfoCBTRecording working;
    const bool busy = HkIsRecording() || HkIsRecordingPaused();
    int result = ChooseRecord(m_recording, working, busy, error);
    if (result != kResultDone)
        return result;
    if (IsJob())
    {
        if ((result = RefuseBusy(HkIsRecording(), L"recording", error)) != kResultDone)
            return result;
    }
    else if (HkIsRecording())
        return StopRecording(true, error) ? kResultDone : kResultFailed; // Record toggles
    m_insideStopFailed = false;
    if ((result = StartRecording(working, error)) != kResultDone)
        return result;
    CNestedMessageLoop loop;
    RunJournalMessageLoop(loop);
    const bool saved = StopRecording(true, error);
    FinishLoop(loop);
    if (m_insideStopFailed)
    {
        error = m_insideStopError;
        return kResultFailed;
    }
    return saved ? kResultDone : kResultFailed;
}

int CCBTManager::StartRecording(const InfoCBTRecording& working, CString& error)
{
    if (!PrepareOutputFile(working, error))
        return kResultFailed;
    if (working.RecSound && (working.RecSoundDevice.IsEmpty() || working.RecSoundFormat.IsEmpty()))
    {
        error = L"Audio device name and/or format is empty.";
        return kResultFailed;
    }
    // A cancel left by an earlier session must not end this one.
    if (!IsJob())
        DropWaiting(WM_CANCELJOURNAL);
    if (FAILED(HkInstallRecorder(reinterpret_cast<void*>(&CCBTManager::OnHookEvent),
                                 reinterpret_cast<DWORD_PTR>(this), kHookNotifyCallback, &error)))
        return kResultFailed;
    WAVEFORMATEX format{};
    ParseAudioFormat(working.RecSoundFormat, &format);
    HkSetSoundFileName(m_trainingFile);
    if (working.RecDuration)
        StartStepTimer(working.RecDuration);
    if (!HkStartRecorder(&working.RecSoundDevice, &format, &working.RecInputPinName, working.RecSkipMouse,
                         working.RecSkipKeyboard, working.RecSound, true, &error))
    {
        CString ignored;
        StopRecording(true, ignored);
        if (IsJob())
            DropWaiting(WM_QUIT);
        return kResultFailed;
    }
    // The program's own hot keys are off while it records, so they are recorded like any key.
    HookCBTKeyboard::UnInstallKeyboardProc();
    return kResultDone;
}

int CCBTManager::Play(CString& error)
{
    InfoCBTPlaying working;
    const bool busy = HkIsPlaying() || HkIsPlayingPaused();
    int result = ChooseRecord(m_playing, working, busy, error);
    if (result != kResultDone)
        return result;
    if (IsJob())
    {
        if ((result = RefuseBusy(HkIsPlaying(), L"playing", error)) != kResultDone)
            return result;
    }
    else if (HkIsPlaying())
    {
        StopPlaying(true); // Play toggles
        return kResultDone;
    }
    if ((result = StartPlaying(working, error)) != kResultDone)
        return result;
    CNestedMessageLoop loop;
    RunJournalMessageLoop(loop);
    StopPlaying(true);
    FinishLoop(loop);
    return kResultDone;
}

int CCBTManager::StartPlaying(const InfoCBTPlaying& working, CString& error)
{
    // The file chosen in the dialog, when one was shown, is the one played.
    if (!LoadTrainingFile(working.PlayFName, error) || !LaunchTrainingApplication(working, error) ||
        !HkStartSoundPlayer(working.PlayFName, working.PlaySound, &error))
        return kResultFailed;
    if (!IsJob())
        DropWaiting(WM_CANCELJOURNAL);
    CString ignored;
    if (FAILED(HkInstallPlayer(reinterpret_cast<void*>(&CCBTManager::OnHookEvent), reinterpret_cast<DWORD_PTR>(this),
                               kHookNotifyCallback, &error)))
    {
        HkStopSoundPlayer(&ignored);
        return kResultFailed;
    }
    if (working.PlayDuration)
        StartStepTimer(working.PlayDuration);
    if (!HkStartPlayer(working.PlaySkipMouse, working.PlaySkipKeyboard, working.PlaySound, working.PlayRepeat, &error))
    {
        DeleteStepTimer();
        HkUninstallPlayer();
        HkStopSoundPlayer(&ignored);
        return kResultFailed;
    }
    HookCBTKeyboard::UnInstallKeyboardProc();
    return kResultDone;
}

bool CCBTManager::StopRecording(bool freeEvents, CString& error)
{
    DeleteStepTimer();
    HkUninstallRecorder();
    if (m_mainWindow)
        HookCBTKeyboard::InstallGlobalKeyboardProc(m_mainWindow);
    const bool saved = SaveTrainingFile(error);
    HkStopRecorder(freeEvents);
    EndLoop();
    return saved;
}

void CCBTManager::StopPlaying(bool freeEvents)
{
    DeleteStepTimer();
    HkUninstallPlayer();
    HkStopPlayer(freeEvents);
    if (m_mainWindow)
        HookCBTKeyboard::InstallGlobalKeyboardProc(m_mainWindow);
    EndLoop();
}

void CCBTManager::StopStep()
{
    if (HkIsRecording())
        StopFromInside();
    else if (HkIsPlaying())
        StopPlaying(false);
}

void CCBTManager::StopFromInside()
{
    CString error;
    if (!StopRecording(true, error))
    {
        m_insideStopFailed = true;
        m_insideStopError = error;
    }
}

LRESULT CALLBACK CCBTManager::OnHookEvent(int code, WPARAM, LPARAM event, DWORD_PTR user)
{
    return user ? reinterpret_cast<CCBTManager*>(user)->OnEvent(code, event) : 0;
}

LRESULT CCBTManager::OnEvent(int code, LPARAM event)
{
    if (code != kHookCodeCtrlBreak)
    {
        int result = 0;
        if (HkIsRecording())
            result = HkOnRecordEvent(code, reinterpret_cast<EVENTMSG*>(event));
        else if (HkIsPlaying())
            result = HkOnPlayEvent(code, reinterpret_cast<EVENTMSG*>(event));
        else
            return 0;
        if (result != -1)
            return result;
    }
    // Ctrl+Break, a full event store or the end of the played events.
    if (HkIsRecording())
        StopFromInside();
    else if (HkIsPlaying())
        StopPlaying(true);
    return 0;
}

void CCBTManager::RunJournalMessageLoop(CNestedMessageLoop& loop)
{
    if (IsJob())
        loop.Run(nullptr); // until the stop's WM_QUIT
    else
        loop.Run([](const MSG& message) { return message.message == WM_CANCELJOURNAL; });
}

void CCBTManager::EndLoop()
{
    if (IsJob())
        PostQuitMessage(0);
    else
        PostThreadMessageW(GetCurrentThreadId(), WM_CANCELJOURNAL, 0, 0);
}

void CCBTManager::FinishLoop(CNestedMessageLoop& loop)
{
    if (!IsJob())
        return; // the loop object posts a WM_QUIT it met again when it goes
    loop.ForgetQuit();
    DropWaiting(WM_QUIT);
}

bool CCBTManager::PrepareOutputFile(const InfoCBTRecording& record, CString& error)
{
    CString path = record.GetFullPathFileName();
    if (FileExists(path) && !record.RecOverwrite)
    {
        CString name, extension, folder;
        SplitPath(path, name, extension, folder);
        path = MakeUniqueFileName(folder, record.RecFName, kTrainingFileType, OFK_TRAINING);
    }
    if (!CreateDirectoryPath(path, error))
        return false;
    m_trainingFile = path;
    return true;
}

void CCBTManager::StartStepTimer(UINT seconds)
{
    DeleteStepTimer();
    m_timer.reset(new CWndTimer(this));
    m_timer->Start(seconds);
}

void CCBTManager::DeleteStepTimer()
{
    if (m_timer)
        m_timer->Stop();
    m_timer.reset();
}

bool CCBTManager::LoadTrainingFile(const CString& path, CString& error)
{
    COptionalWaitCursor wait(m_mainWindow != nullptr);
    return HkLoadCBTFile(path, &error);
}

bool CCBTManager::SaveTrainingFile(CString& error)
{
    COptionalWaitCursor wait(m_mainWindow != nullptr);
    return HkSaveCBTFile(m_trainingFile, &error);
}

bool CCBTManager::LaunchTrainingApplication(const InfoCBTPlaying& record, CString& error)
{
    CWaitCursor wait;
    if (record.PlayAppFileName.IsEmpty())
        return true;
    if (!FileExists(record.PlayAppFileName))
    {
        error.Format(L"The application to be launched '%s' does not exist.", record.PlayAppFileName.GetString());
        return false;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    const bool maximized = record.PlayWndWidth < 1 || record.PlayWndHeight < 1;
    if (maximized)
    {
        startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESIZE | STARTF_USEPOSITION;
        startup.wShowWindow = SW_SHOWMAXIMIZED;
    }
    DWORD processId = 0;
    if (!LaunchApplication(&startup, LaunchCommandLine(record), error, &processId))
        return false;
    if (record.PlayDelayTime > 0)
        Sleep(static_cast<DWORD>(record.PlayDelayTime) * 1000);
    HWND front = maximized ? nullptr : LaunchedWindowInFront(processId);
    if (front)
        SetWindowPos(front, nullptr, record.PlayWndLeft, record.PlayWndTop, record.PlayWndWidth, record.PlayWndHeight,
                     SWP_SHOWWINDOW | SWP_NOZORDER);
    return true;
}
