#pragma once
// Stand-ins of the managers and the main window that the controller's tests drive: each
// fake manager keeps the state of its recorder and player sides and counts the starts,
// so that a test sees what ran and that nothing started.
#include "capture/controller/IControllerHost.h"
#include "capture/controller/IMovieCaptureManager.h"
#include "capture/controller/ITrainingCaptureManager.h"
#include "capture/selection/ICaptureDialogs.h"
#include "capture/selection/ICaptureOwner.h"

#include <vector>

namespace controller_test
{
// One side of a fake manager.
enum SideState
{
    kIdle,
    kRunning,
    kPaused,
};

class FakeMedia : public IMovieCaptureManager
{
public:
    void LoadFromRegistry() override { ++loads; }
    void SetStepTarget(ICaptureStepTarget* target) override { stepTarget = target; }
    bool IsRecording() override { return recorder == kRunning; }
    bool IsRecordingPaused() override { return recorder == kPaused; }
    bool IsPlaying() override { return player == kRunning; }
    bool IsPlayingPaused() override { return player == kPaused; }
    DestinationResult StartRecording(bool) override { return Start(recorder); }
    bool StopRecording() override { return End(recorder); }
    bool PauseRecording() override { return Move(recorder, kRunning, kPaused); }
    bool ResumeRecording() override { return Move(recorder, kPaused, kRunning); }
    DestinationResult StartPlaying() override { return Start(player); }
    bool StopPlaying() override { return End(player); }
    bool PausePlaying() override { return Move(player, kRunning, kPaused); }
    bool ResumePlaying() override { return Move(player, kPaused, kRunning); }
    bool CloseWindow(bool isRecorder) override
    {
        End(isRecorder ? recorder : player);
        return true;
    }
    CString GetErrorText(bool) override { return L"The fake manager failed."; }
    void SetSelectionSettings(int type, int hold, bool showSize, bool cursor) override
    {
        selection = {type, hold, showSize ? 1 : 0, cursor ? 1 : 0};
    }
    void SetOwner(ICaptureOwner* captureOwner) override { owner = captureOwner; }
    bool WasLastCaptureSuccessful() override { return lastCaptureSucceeded; }

    SideState recorder = kIdle;
    SideState player = kIdle;
    int starts = 0;
    int loads = 0;
    bool failStarts = false;
    bool lastCaptureSucceeded = false;
    std::vector<int> selection;
    ICaptureStepTarget* stepTarget = nullptr;
    ICaptureOwner* owner = nullptr;

private:
    DestinationResult Start(SideState& side)
    {
        ++starts;
        if (failStarts)
            return DR_FAILED;
        side = kRunning;
        return DR_DONE;
    }
    static bool End(SideState& side)
    {
        const bool ran = side != kIdle;
        side = kIdle;
        return ran;
    }
    static bool Move(SideState& side, SideState from, SideState to)
    {
        if (side != from)
            return false;
        side = to;
        return true;
    }
};

class FakeTraining : public ITrainingCaptureManager
{
public:
    void LoadFromRegistry() override { ++loads; }
    bool IsRecording() override { return recorder == kRunning; }
    bool IsRecordingPaused() override { return recorder == kPaused; }
    bool IsPlaying() override { return player == kRunning; }
    // Like the real manager, a start returns only when what it started has ended.
    int Record(CString&) override { return Toggle(recorder); }
    int Play(CString&) override { return Toggle(player); }
    bool StopRecording(CString&) override
    {
        recorder = kIdle;
        return true;
    }
    void StopPlaying() override { player = kIdle; }
    void SetRecordFlag(bool record) override { recordFlags.push_back(record); }

    SideState recorder = kIdle;
    SideState player = kIdle;
    int starts = 0;
    int loads = 0;
    std::vector<bool> recordFlags;

private:
    int Toggle(SideState& side)
    {
        if (side == kIdle)
            ++starts;
        side = kIdle;
        return 1;
    }
};

// The screen manager's dialogs: the properties are accepted unchanged, a timed capture
// is made by hand.
class AcceptingDialogs : public ICaptureDialogs
{
public:
    int EditProperties(SendParam&, HWND) override { return IDOK; }
    int ChooseSelection(EnumSendParam, EnumScreenCaptureType&, std::vector<POINT>&, CString&, HWND) override
    {
        return kSelectionManual;
    }
    int ChooseFrameRate(bool&, int&, HWND) override
    {
        return IDCANCEL;
    }
};

// The main window as the screen manager sees it: it counts the selections it is asked
// to begin and begins none.
class CountingOwner : public ICaptureOwner
{
public:
    void BeginCapture() override { ++beginCaptures; }
    void OnCaptureFinished(DestinationResult, bool, bool, bool, bool) override {}
    void SetRightButtonPoll(bool) override {}
    CHkVellLibrary* GetHookLibrary() override { return nullptr; }
    HWND GetOwnerWindow() override { return nullptr; }

    int beginCaptures = 0;
};

// The main window's pages and hooks: records the calls.
class RecordingHost : public IControllerHost
{
public:
    void UpdateTimePage(int type, bool running) override { pages.push_back(running ? type : -type); }
    void ResetTimePage(int type) override { pages.push_back(0); }
    void SwitchCaptureHooks() override { ++hookSwitches; }
    bool ShowRecordType(EnumSendParam type, int) override
    {
        shownTypes.push_back(type);
        return true;
    }

    // Per call: the type when shown running, minus the type when shown idle, 0 reset.
    std::vector<int> pages;
    int hookSwitches = 0;
    std::vector<EnumSendParam> shownTypes;
};
} // namespace controller_test
