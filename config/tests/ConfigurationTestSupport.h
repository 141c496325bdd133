#pragma once
// What the configuration tests share: a private registry root for the whole program, a
// running program (a controller over the real screen and movie managers; training,
// audio and video have no manager, so their settings live in the registry), a snapshot
// of the whole registry root, and the configuration that carries a value other than the
// default in every field.
#include "capture/controller/CLocalController.h"
#include "capture/movie/CPresentationManager.h"
#include "capture/selection/ICaptureDialogs.h"
#include "config/CXmlInfoConfiguration.h"
#include "testing/TestFiles.h"
#include "testing/TestFolder.h"

#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace config_test
{
// Every value below the registry root: "key path\\value name" -> type and bytes.
using RegistrySnapshot = std::map<std::wstring, std::pair<DWORD, std::vector<BYTE>>>;
RegistrySnapshot TakeRegistrySnapshot();
// Empties the registry root.
void ClearRegistry();

// The bytes of an RCDATA resource of the test program.
std::string ResourceBytes(int id);

// A value other than the default in every field of every record, of the controller's
// choices and of the output window's options.
struct Configuration
{
    Configuration();
    // Puts it into the running program: the destinations, the send settings (with the
    // capture cursor on, which the file does not carry), the movie records and the
    // controller's choices and options into the live objects; the training, audio and
    // video records into the registry.
    void PutIntoProgram(CLocalController& controller);
    // Writes every record and the "Common" values as the program would store them.
    void SaveToRegistry();

    InfoScFile file;
    InfoScFax fax;
    InfoScEditor editor;
    InfoScEmail email;
    InfoScIcq icq;
    InfoScClipboard clipboard;
    InfoScPrinter printer;
    InfoScScreenSaver screenSaver;
    InfoScWallpaper wallpaper;
    InfoScWeb web;
    InfoScDatabase database;
    InfoScSettings settings;
    InfoCBTRecording cbtRecording;
    InfoCBTPlaying cbtPlaying;
    InfoAudioRecording audioRecording;
    InfoAudioPlaying audioPlaying;
    InfoVideoRecording videoRecording;
    InfoVideoPlaying videoPlaying;
    InfoPresentationRecording presentationRecording;
    InfoPresentationPlaying presentationPlaying;
    int captureType = 4;
    bool recActive = false; // each of types 2 to 5
    int cbtHotKeys = 0;
    bool showErrorLog = false;
    bool showData = false;
    DWORD maxLines = 777;
};

// A fresh registry root and a running program over it; every test's files go into a
// folder of its own.
class ConfigurationTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A new controller over the registry as it is now.
    CLocalController& StartProgram();
    CLocalController& Controller() { return *GetLocalController(); }
    CScreenCaptureManager& Screen() { return *Controller().GetScreenManager(); }
    CPresentationManager& Movie() { return static_cast<CPresentationManager&>(*Controller().GetMovieManager()); }

    CString Path(const wchar_t* name) const { return m_folder / name; }
    const CString& Folder() const { return m_folder.Path(); }
    // Writes the text (UTF-8) into a file of the test's folder and returns its path.
    CString WriteFixture(const wchar_t* name, const std::string& text);

private:
    class NoDialogs : public ICaptureDialogs
    {
        int EditProperties(SendParam&, HWND) override { return IDOK; }
        int ChooseSelection(EnumSendParam, EnumScreenCaptureType&, std::vector<POINT>&, CString&, HWND) override
        {
            return IDCANCEL;
        }
        int ChooseFrameRate(bool&, int&, HWND) override
        {
            return IDCANCEL;
        }
    };

    NoDialogs m_dialogs;
    TestFolder m_folder;
};
} // namespace config_test

namespace config_test
{
// The file of Configuration, as the golden fixture holds it (line ends CR LF).
std::string GoldenText();
// The text with the first "from" after the start tag of the section replaced by "to";
// fails the test when there is none.
std::string ReplaceIn(std::string text, const std::string& section, const std::string& from, const std::string& to);
// The text without the element of that name and its line (its first occurrence).
std::string WithoutElement(std::string text, const std::string& name);
// The live record of a destination of the running program.
template <class R> const R& LiveRecord(EnumSendParam type)
{
    return *static_cast<R*>(GetLocalController()->GetScreenManager()->GetRecord(type));
}
// A record as the registry holds it.
template <class R> R StoredRecord()
{
    R record;
    record.LoadFromRegistry();
    return record;
}
} // namespace config_test
