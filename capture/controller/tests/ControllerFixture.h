#pragma once
// A controller over fake training, audio, video and movie managers and the real screen
// manager, whose settings enable only the file destination (BMP files into a folder of
// the test, no dialog, no duration unless a test sets one). The "Common" key starts
// missing; the user's screen settings come back afterwards.
#include "Info/InfoScFile.h"
#include "Info/InfoScSettings.h"
#include "capture/controller/CLocalController.h"
#include "capture/controller/tests/ControllerFakes.h"
#include "capture/destinations/CImageDestinations.h"
#include "testing/TestFolder.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace controller_test
{
class ControllerFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, CGlobalOptions::kKey);
        m_savedSettings.LoadFromRegistry();
        m_savedFile.LoadFromRegistry();
        InfoScSettings settings;
        settings.Clear();
        settings.File = true;
        settings.Type = SCT_RECTANGLE;
        settings.SaveToRegistry(0);
        SetFileTiming(0);
    }
    void TearDown() override
    {
        m_controller.reset();
        m_savedSettings.SaveToRegistry(0);
        m_savedFile.SaveToRegistry(0);
        RegDeleteTreeW(HKEY_CURRENT_USER, CGlobalOptions::kKey);
    }

    // The file destination's duration (seconds) before the controller is made.
    void SetFileTiming(int duration)
    {
        InfoScFile file(L"shot", m_folder.Path(), FT_BMP, false, false, duration, 0);
        file.SaveToRegistry(0);
    }

    // A value of "Common"; 0xFFFFFFFF when it is missing.
    static DWORD ReadCommon(const wchar_t* name)
    {
        DWORD value = 0xFFFFFFFF;
        DWORD size = sizeof value;
        RegGetValueW(HKEY_CURRENT_USER, CGlobalOptions::kKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
        return value;
    }

    // A new controller over new managers; missing: kinds to leave out (null).
    CLocalController& MakeController(std::initializer_list<int> missing = {})
    {
        m_controller.reset();
        auto without = [&](int type) { return std::find(missing.begin(), missing.end(), type) != missing.end(); };
        CaptureManagers managers;
        managers.screen.reset(
            new CScreenCaptureManager(std::unique_ptr<CImageDestinations>(new CImageDestinations), m_dialogs));
        training = without(2) ? nullptr : new FakeTraining;
        audio = without(3) ? nullptr : new FakeMedia;
        video = without(4) ? nullptr : new FakeMedia;
        movie = without(5) ? nullptr : new FakeMedia;
        managers.training.reset(training);
        managers.audio.reset(audio);
        managers.video.reset(video);
        managers.movie.reset(movie);
        m_controller.reset(new CLocalController(std::move(managers)));
        m_controller->SetScreenManagerOwner(&owner);
        m_controller->SetHost(&host);
        return *m_controller;
    }
    CScreenCaptureManager& Screen() { return *m_controller->GetScreenManager(); }
    FakeMedia* Media(int type) const { return type == 3 ? audio : type == 4 ? video : type == 5 ? movie : nullptr; }

    FakeTraining* training = nullptr;
    FakeMedia* audio = nullptr;
    FakeMedia* video = nullptr;
    FakeMedia* movie = nullptr;
    CountingOwner owner;
    RecordingHost host;
    std::unique_ptr<CLocalController> m_controller;

private:
    TestFolder m_folder;
    InfoScSettings m_savedSettings;
    InfoScFile m_savedFile;
    AcceptingDialogs m_dialogs;
};
} // namespace controller_test
