#include "config/tests/ConfigurationTestSupport.h"
#include "capture/controller/CControllerSettings.h"
#include "capture/destinations/CImageDestinations.h"
#include "testing/PrivateUserRegistry.h"


namespace config_test
{
namespace
{
::testing::Environment* const registry = ::testing::AddGlobalTestEnvironment(new PrivateUserRegistry);

// COM for the XML DOM, on the tests' thread.
class ComEnvironment : public ::testing::Environment
{
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))); }
};
::testing::Environment* const com = ::testing::AddGlobalTestEnvironment(new ComEnvironment);

void SnapshotKey(HKEY key, const std::wstring& path, RegistrySnapshot& out)
{
    wchar_t name[512];
    for (DWORD i = 0;; ++i)
    {
        DWORD length = 512, type = 0, size = 0;
        if (RegEnumValueW(key, i, name, &length, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            break;
        std::vector<BYTE> data(size);
        length = 512;
        RegEnumValueW(key, i, name, &length, nullptr, &type, data.data(), &size);
        out[path + L"\\" + name] = {type, data};
    }
    for (DWORD i = 0;; ++i)
    {
        DWORD length = 512;
        if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        HKEY child = nullptr;
        if (RegOpenKeyExW(key, name, 0, KEY_READ, &child) == ERROR_SUCCESS)
        {
            // A key without values still counts: an open that creates one changed the root.
            out[path + L"\\" + name + L"\\"] = {REG_NONE, {}};
            SnapshotKey(child, path + L"\\" + name, out);
            RegCloseKey(child);
        }
    }
}
} // namespace

RegistrySnapshot TakeRegistrySnapshot()
{
    RegistrySnapshot snapshot;
    SnapshotKey(HKEY_CURRENT_USER, std::wstring(), snapshot);
    return snapshot;
}

void ClearRegistry()
{
    RegDeleteTreeW(HKEY_CURRENT_USER, nullptr);
}

std::string ResourceBytes(int id)
{
    HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10)); // RT_RCDATA
    HGLOBAL data = resource ? LoadResource(nullptr, resource) : nullptr;
    if (!data)
        return std::string();
    return std::string(static_cast<const char*>(LockResource(data)), SizeofResource(nullptr, resource));
}

Configuration::Configuration()
    : file(L"Shot", L"C:\\Shots", FT_PNG, true, true, 61, 7),
      fax(L"faxsrv", L"555-0100", L"Ann", L"Acme", L"Sales", L"Fax note", L"Fax subject", L"C:\\cover.cov", true, true, 62, 8),
      editor(L"C:\\Tools\\paint.exe", FT_GIF, true, 63, 9),
      email(L"mail.test", L"a@test", L"b@test", L"c@test", L"Tom & Jerry <\u00e9\u6f22>", L"Body", false, FT_JPG, false, 64, 10),
      icq(L"Ann", L"Lee", 123456, -2, FT_DIB, true, 65, 11), clipboard(FT_DIB, true, 66, 12),
      printer(L"PDF", L"drv", L"port", true, PO_LANDSCAPE, 3, 67, 13),
      screenSaver(L"Saver", false, true, true, 68, 14),
      wallpaper(L"Paper", false, InfoScWallpaper::DISPLAY_TILED, true, 69, 15),
      web(WS_LOCAL, L"127.0.0.1", 2121, L"user", L"s3cret", L"/up", L"WebShot", L"C:\\Web", FT_JPG, true, true, 70, 16),
      database(L"DSN=test", L"T", L"B", L"x", true, 71, 17),
      cbtRecording(L"Train", L"C:\\Train", true, false, L"Mic", L"0,88200,2,1,44100,16,1", L"Line", true, true, 72, true),
      cbtPlaying(L"C:\\Train\\t.vtf", false, -1, true, true, 73, true, L"notepad.exe", L"a & b", 5, -20, 30, 640, 480),
      audioRecording(L"Take", L"C:\\Audio", AFT_WAV, false, L"Dev", L"0,176400,4,2,44100,16,1", L"Mic", 74, true, true),
      audioPlaying(L"C:\\Audio\\a.wav", 75, 2, true),
      videoRecording(L"Clip", L"C:\\Video", VFT_AVI, false, 76, L"Cam", 25, false, 1, 2, 3, 4, false, L"VDev",
                     L"0,88200,2,1,44100,16,1", L"VPin", true),
      videoPlaying(L"C:\\Video\\v.avi", 77, 3, true, false, 5, 6, 7, 8),
      presentationRecording(L"Movie", L"C:\\Movies", PFT_AVI, false, 78, 2, 12, true),
      presentationPlaying(L"C:\\Movies\\m.avi", 79, 4, true, false, 9, 10, 11, 12)
{
    fax.FType = FT_JPG;
    settings.Type = SCT_DESKTOP;
    settings.ShowSize = true;
    settings.HoldTime = 1500;
    settings.RLC = RLC_CTRL_SHIFT_F12;
    settings.File = settings.Printer = settings.Fax = settings.Editor = settings.Email = settings.ICQ = true;
    settings.Clipboard = false;
    settings.Db = settings.ScreenSaver = settings.Wallpaper = settings.Web = true;
    settings.CaptCursor = false;
}

void Configuration::PutIntoProgram(CLocalController& controller)
{
    CScreenCaptureManager& screen = *controller.GetScreenManager();
    for (SendParam* record : std::initializer_list<SendParam*>{&file, &fax, &editor, &email, &icq, &clipboard, &printer,
                                                               &screenSaver, &wallpaper, &web, &database})
        screen.SetRecord(record, record->GetType(), 0);
    InfoScSettings live = settings;
    live.CaptCursor = true;
    screen.SetSettings(live);
    auto& movie = static_cast<CPresentationManager&>(*controller.GetMovieManager());
    movie.GetRecordingRecord() = presentationRecording;
    movie.GetPlayingRecord() = presentationPlaying;
    for (SendParam* record : std::initializer_list<SendParam*>{&cbtRecording, &cbtPlaying, &audioRecording,
                                                               &audioPlaying, &videoRecording, &videoPlaying})
        record->SaveToRegistry(0);
    controller.SetCaptureType(captureType);
    for (int type = 2; type <= 5; ++type)
        controller.SetRecActive(type, recActive);
    controller.SetCBTHotKeys(cbtHotKeys);
    controller.GetGlobalOptions().SetOptions(showErrorLog, showData, maxLines);
}

void Configuration::SaveToRegistry()
{
    for (SendParam* record : std::initializer_list<SendParam*>{
             &file, &fax, &editor, &email, &icq, &clipboard, &printer, &screenSaver, &wallpaper, &web, &database,
             &settings, &cbtRecording, &cbtPlaying, &audioRecording, &audioPlaying, &videoRecording, &videoPlaying,
             &presentationRecording, &presentationPlaying})
        record->SaveToRegistry(0);
    CControllerSettings choices;
    choices.Load();
    choices.SetCaptureType(captureType);
    for (int type = 2; type <= 5; ++type)
        choices.SetRecActive(type, recActive);
    choices.SetCBTHotKeys(cbtHotKeys);
    CGlobalOptions().SetOptions(showErrorLog, showData, maxLines);
}

void ConfigurationTest::SetUp()
{
    ClearRegistry();
    StartProgram();
}

void ConfigurationTest::TearDown()
{
    SetLocalController(nullptr);
}

CLocalController& ConfigurationTest::StartProgram()
{
    SetLocalController(nullptr);
    CaptureManagers managers;
    managers.screen.reset(new CScreenCaptureManager(std::unique_ptr<CImageDestinations>(new CImageDestinations), m_dialogs));
    managers.movie.reset(new CPresentationManager(nullptr));
    SetLocalController(std::unique_ptr<CLocalController>(new CLocalController(std::move(managers))));
    return Controller();
}

CString ConfigurationTest::WriteFixture(const wchar_t* name, const std::string& text)
{
    CString path = Path(name);
    WriteBytes(path, text);
    return path;
}
} // namespace config_test

namespace config_test
{
std::string GoldenText()
{
    std::string text;
    for (char c : ResourceBytes(1))
    {
        if (c == '\n')
            text += '\r';
        text += c;
    }
    return text;
}

std::string ReplaceIn(std::string text, const std::string& section, const std::string& from, const std::string& to)
{
    size_t start = text.find("<" + section + ">");
    size_t at = start == std::string::npos ? start : text.find(from, start);
    EXPECT_NE(std::string::npos, at) << from << " in " << section;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

std::string WithoutElement(std::string text, const std::string& name)
{
    size_t begin = text.find("<" + name + ">");
    size_t end = text.find("</" + name + ">", begin);
    EXPECT_NE(std::string::npos, end) << name;
    if (end == std::string::npos)
        return text;
    begin = text.rfind('\n', begin) + 1;
    end = text.find('\n', end) + 1;
    return text.erase(begin, end - begin);
}
} // namespace config_test
