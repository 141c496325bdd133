#pragma once
// The fixture of the settings-page tests: a private settings registry, a controller over
// the real screen manager and chosen training, audio, video and movie managers, and a
// host window that plays the main window for the pages and the controller (the page
// host, the controller's host and the program's main window, which hands the elapsed
// time's timer to the controller) with the settings sheet inside it.
#include "Info/InfoAudioPlaying.h"
#include "Info/InfoVideoPlaying.h"
#include "capture/controller/CLocalController.h"
#include "capture/controller/IControllerHost.h"
#include "capture/controller/tests/ControllerFakes.h"
#include "capture/pages/CPPageSettsCommonTime.h"
#include "capture/pages/CPSheetCaptureSettings.h"
#include "capture/pages/ICapturePageHost.h"
#include "testing/TestFolder.h"

#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <vector>

// A fake audio or video manager that keeps a live playing record, as the real ones do.
template <class Record> class FakeMediaWithRecord : public controller_test::FakeMedia
{
public:
    SendParam* GetLiveRecord(bool recorder) override { return recorder ? nullptr : &playing; }
    Record playing;
};

// The main window of the tests: hands every timer to the controller, as the main frame
// does, and runs posted actions (from inside a loop that a start runs).
class HostWindow : public CWnd
{
public:
    CLocalController* controller = nullptr;

    void Post(std::function<void()> action)
    {
        m_actions.push_back(std::move(action));
        PostMessageW(GetSafeHwnd(), WM_APP, 0, 0);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_TIMER && controller)
            controller->OnTimeTimer(wParam);
        if (message == WM_APP && !m_actions.empty())
        {
            const std::function<void()> action = std::move(m_actions.front());
            m_actions.erase(m_actions.begin());
            action();
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

private:
    std::vector<std::function<void()>> m_actions;
};

class SettingsHostTest : public ::testing::Test, public ICapturePageHost, public IControllerHost
{
public:
    // The page host.
    CScreenCaptureManagerBase* GetScreenCaptureManager() override;
    void ShowActionMenu() override { ++m_actionMenus; }
    bool SelectRecordType(EnumSendParam type) override;
    CLocalController* GetController() override { return m_controller.get(); }
    // The controller's host: its Time/Action page is the sheet's.
    void UpdateTimePage(int, bool running) override { m_sheet->UpdateTimePage(running); }
    void ResetTimePage(int) override { m_sheet->ResetTimePage(); }
    void SwitchCaptureHooks() override {}
    bool ShowRecordType(EnumSendParam type, int) override { return SelectRecordType(type); }

protected:
    void SetUp() override;
    void TearDown() override;

    // A new controller over the managers; null training or movie: a fake one.
    void MakeController(std::unique_ptr<ITrainingCaptureManager> training = nullptr,
                        std::unique_ptr<IMovieCaptureManager> movie = nullptr);
    // Shows the type's settings pages, opening the page of the index.
    void Show(int type, int activePage = 0);
    HWND Item(int page, UINT id);
    CString Text(int page, UINT id);
    CPPageSettsCommonTime& TimePage();
    InfoScSettings& Settings() { return *m_controller->GetScreenManager()->GetSettings(); }
    // The screen settings as the registry holds them.
    static InfoScSettings StoredSettings();

    TestFolder m_folder;
    HostWindow m_host;
    std::unique_ptr<CLocalController> m_controller;
    std::unique_ptr<CPSheetCaptureSettings> m_sheet;
    // The fakes the controller owns (null where a real manager is used).
    controller_test::FakeTraining* m_training = nullptr;
    FakeMediaWithRecord<InfoAudioPlaying>* m_audio = nullptr;
    FakeMediaWithRecord<InfoVideoPlaying>* m_video = nullptr;
    controller_test::FakeMedia* m_movie = nullptr;
    int m_actionMenus = 0;

private:
    controller_test::AcceptingDialogs m_dialogs;
};
