#include "capture/destinations/CImageDestinations.h"

#include "capture/tests/FolderRemoval.h"
#include "capture/tests/LocalBitmapTestSupport.h"
#include "capture/tests/OdbcProbe.h"
#include "common/SystemHelpers.h"
#include "framework/CFtpConnection.h"
#include "framework/CInternetSession.h"
#include "standins/fax/CFaxJob.h"
#include "standins/fax/CFaxServiceConfig.h"
#include "standins/icq/IcqApi.h"
#include "testing/ClosedPort.h"
#include "testing/TestPump.h"
#include "testing/TestRoot.h"

#include "common/CDibToolkit.h"
#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace capture_test;
using screen_test::ColourWindow;
using screen_test::Pixels;
using screen_test::ReadPixels;

namespace
{
const wchar_t kNoSelection[] = L"There is no screen capture selection done.";
const wchar_t kNoPreviousImage[] = L"There is no image saved previously in order to repeat the last screen capture.";
const wchar_t kGrabFailed[] = L"Cannot process the image and the operation is aborted. Unknown error message.";
const wchar_t kIcqSendFailed[] = L"The ICQ send file operation failed. Possible error(s): ICQ disconnected, shut "
                                 L"down, unistalled or the ICQ user removed from the list.";
const wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
const int kIcqUser = 1001;
// The folders below the image folder that the fax, ICQ, graphic editor and e-mail
// destinations make on first use.
const wchar_t* const kDestinationFolders[] = {L"\\Fax", L"\\ICQ", L"\\Editor", L"\\Email"};

CString ImageFolder(const wchar_t* subFolder)
{
    return InfoGlobalFunctions::GetScImageDirectory() + subFolder;
}

std::wstring CurrentWallpaper()
{
    wchar_t path[MAX_PATH] = {};
    SystemParametersInfoW(SPI_GETDESKWALLPAPER, MAX_PATH, path, 0);
    return path;
}

// Size and centre colour of the bitmap the clipboard holds.
Pixels ClipboardPixels()
{
    Pixels pixels;
    if (!OpenClipboard(nullptr))
        return pixels;
    pixels = ReadPixels(static_cast<HBITMAP>(GetClipboardData(CF_BITMAP)));
    CloseClipboard();
    return pixels;
}

// A peer's setting that the test's runner exports.
CString PeerSetting(const wchar_t* name)
{
    return CString(Env(name).c_str());
}

// What the FTP server of the run answers a login with a wrong password, as the
// system gives it; empty when the login is taken.
CString BadLoginReply(int port, const CString& user)
{
    CInternetSession session(nullptr, 1, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    if (session.GetFtpConnection(L"127.0.0.1", user, L"not-the-password", static_cast<INTERNET_PORT>(port), false))
        return CString();
    return session.GetErrorText();
}

// True once the file exists, within 30 seconds (a program that a loaded machine starts slowly).
bool WaitForFile(const CString& path)
{
    return PumpUntil([&] { return Exists(path); }, 30000);
}

void EmptyTheClipboard()
{
    if (OpenClipboard(nullptr))
    {
        EmptyClipboard();
        CloseClipboard();
    }
}

// The set grabs a window painted a known colour. The fax service and the ICQ
// client run in folders of the test; the program is freshly installed (no Fax or
// ICQ folder yet). The user's wallpaper, screen-saver picture and destination
// settings are put back afterwards.
class CImageDestinationsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_window.IsShown());
        CreateDirectoryW(FaxServiceFolder(), nullptr);
        CreateDirectoryW(IcqClientFolder(), nullptr);
        SetEnvironmentVariableW(CFaxServiceConfig::kFolderVariable, FaxServiceFolder());
        SetEnvironmentVariableW(kIcqClientFolderVariable, IcqClientFolder());
        CString section;
        section.Format(L"User %d", kIcqUser);
        WriteIcqContact(section, L"FirstName", L"Ann");
        SetEnvironmentVariableW(L"VELL_ARGS_RECORD", EditorRecord());
        for (const wchar_t* folder : kDestinationFolders)
            RemoveFolderTree(ImageFolder(folder));
        EmptyTheClipboard();
        m_savedSettings.LoadFromRegistry();
        m_set.GetSettings().Clear();
    }
    void TearDown() override
    {
        m_savedSettings.SaveToRegistry(0);
        SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, &m_wallpaper[0], SPIF_UPDATEINIFILE);
        SetEnvironmentVariableW(CFaxServiceConfig::kFolderVariable, nullptr);
        SetEnvironmentVariableW(kIcqClientFolderVariable, nullptr);
        SetEnvironmentVariableW(L"VELL_ARGS_RECORD", nullptr);
        for (const wchar_t* folder : kDestinationFolders)
            RemoveFolderTree(ImageFolder(folder));
    }

    CString FaxServiceFolder() const { return m_folder / L"fax"; }
    CString IcqClientFolder() const { return m_folder / L"icq"; }
    CString FileFolder() const { return m_folder / L"file"; }
    // Where the test editor records the arguments it was started with.
    CString EditorRecord() const { return m_folder / L"editor-args.txt"; }
    // A folder of the file destination that cannot be made: a file stands where its
    // parent folder belongs.
    CString BlockedFileFolder() const
    {
        WriteBytes(m_folder / L"blocker", "x");
        return m_folder / L"blocker\\sub";
    }
    void WriteIcqContact(const wchar_t* section, const wchar_t* key, const wchar_t* value)
    {
        WritePrivateProfileStringW(section, key, value, IcqClientFolder() + L"\\Contacts.ini");
    }

    // The records of the run.
    void UseFile(const CString& folder) { m_set.UseInfo(InfoScFile(L"shot", folder, FT_PNG, false, false, 0, 1)); }
    void UseFax(const CString& server)
    {
        InfoScFax record(server, L"555 0100", L"Ann", L"Co", L"Sales", L"Note", L"Subject", L"", false, false, 0, 1);
        record.FType = FT_BMP;
        m_set.UseInfo(record);
    }
    void UseIcq() { m_set.UseInfo(InfoScIcq(L"Ann", L"Lee", kIcqUser, 0, FT_BMP, false, 0, 1)); }
    void UseClipboard() { m_set.UseInfo(InfoScClipboard(FT_BMP, false, 0, 1)); }
    void UseScreenSaver() { m_set.UseInfo(InfoScScreenSaver(m_saverPictures.Prefix(), false, true, false, 0, 1)); }
    void UseWallpaper()
    {
        m_set.UseInfo(
            InfoScWallpaper(m_wallpaperPictures.Prefix(), false, InfoScWallpaper::DISPLAY_STRETCHED, false, 0, 1));
    }

    // Only the destinations of the types are enabled (the settings write each flag
    // to the registry at once).
    void Enable(std::initializer_list<EnumSendParam> types)
    {
        m_set.GetSettings().Clear();
        for (EnumSendParam type : types)
            m_set.GetSettings().SetSelection(type, true);
    }

    std::vector<CString> FaxJobs() const
    {
        return CFaxJob::ListJobs(FaxServiceFolder() + L"\\FaxOutbox\\" + CFaxServiceConfig::GetThisComputerName());
    }
    CString IcqReceived(const wchar_t* name) const
    {
        CString path;
        path.Format(L"%s\\Files\\%d\\%s", IcqClientFolder().GetString(), kIcqUser, name);
        return path;
    }

    ColourWindow m_window{kPaintRect, kPaint};
    TestFolder m_folder;
    std::wstring m_wallpaper = CurrentWallpaper();
    SavedUserString m_wallpaperValue{kDesktopKey, L"Wallpaper"};
    SavedUserString m_wallpaperStyle{kDesktopKey, L"WallpaperStyle"};
    SavedUserString m_wallpaperTile{kDesktopKey, L"TileWallpaper"};
    SavedUserString m_saverImage{CImageScreenSaver::kSettingsKey, L"Image"};
    LocalPictureFolder m_saverPictures{L"\\Screen Saver"};
    LocalPictureFolder m_wallpaperPictures{L"\\Wallpaper"};
    InfoScSettings m_savedSettings;
    CImageDestinations m_set;
};
} // namespace

TEST_F(CImageDestinationsTest, OneGrabReachesEveryEnabledDestinationAtItsPeer)
{
    Enable({SP_SC_FILE, SP_SC_FAX, SP_SC_ICQ, SP_SC_CLIPBOARD, SP_SC_SCREENSAVER, SP_SC_WALLPAPER});
    UseFile(FileFolder());
    UseFax(L"(local)");
    UseIcq();
    UseClipboard();
    UseScreenSaver();
    UseWallpaper();

    ASSERT_EQ(DR_DONE, m_set.ProcessWindow(m_window.Handle())) << m_set.GetErrorText().ToAnsi();
    EXPECT_TRUE(m_set.HasLastImage());
    // The grab alone sends nothing.
    EXPECT_FALSE(Exists(FileFolder() + L"\\shot.png"));
    EXPECT_TRUE(FaxJobs().empty());

    ASSERT_EQ(DR_DONE, m_set.ProcessAgain()) << m_set.GetErrorText().ToAnsi();
    EXPECT_TRUE(m_set.GetErrorText().IsEmpty());
    EXPECT_FALSE(m_set.IsBusy());

    DecodedImage file = Decode(FileFolder() + L"\\shot.png");
    EXPECT_TRUE(file.ok && file.width == kPaintWidth && file.height == kPaintHeight && file.centre == kPaint);

    std::vector<CString> jobs = FaxJobs();
    ASSERT_EQ(1u, jobs.size());
    CFaxJob job;
    job.Load(jobs[0]);
    EXPECT_EQ(CString(L"555 0100"), job.Get(L"FaxNumber"));
    EXPECT_TRUE(IsPaintedBitmap(jobs[0] + L"\\" + job.Get(L"Document")));

    EXPECT_TRUE(IsPaintedBitmap(IcqReceived(L"VellImage.bmp")));

    Pixels clipboard = ClipboardPixels();
    ASSERT_EQ(kPaintWidth, clipboard.width);
    EXPECT_EQ(kPaintHeight, clipboard.height);
    EXPECT_EQ(kPaint, clipboard.At(kPaintWidth / 2, kPaintHeight / 2));

    EXPECT_TRUE(IsPaintedBitmap(m_saverPictures.File(L"")));
    EXPECT_EQ(m_saverPictures.Prefix().str(), UserString(CImageScreenSaver::kSettingsKey, L"Image"));

    EXPECT_TRUE(IsPaintedBitmap(m_wallpaperPictures.File(L"")));
    EXPECT_EQ(m_wallpaperPictures.File(L"").str(), CurrentWallpaper());

    // The main window shows the first enabled destination's picture.
    Pixels last = ReadPixels(m_set.GetLastImage(m_set.GetSettings()));
    ASSERT_EQ(kPaintWidth, last.width);
    EXPECT_EQ(kPaint, last.At(kPaintWidth / 2, kPaintHeight / 2));
}

TEST_F(CImageDestinationsTest, TimedStepGrabsAndRunsEachEnabledDestinationWithANewImageFile)
{
    Enable({SP_SC_FILE, SP_SC_ICQ});
    UseFile(FileFolder());
    UseIcq();
    const RECT inside = {kPaintRect.left + 10, kPaintRect.top + 10, kPaintRect.right - 10, kPaintRect.bottom - 10};
    ASSERT_EQ(DR_DONE, m_set.ProcessRectWithInfo(inside)) << m_set.GetErrorText().ToAnsi();
    ASSERT_EQ(DR_DONE, m_set.ProcessRectWithInfo(inside)) << m_set.GetErrorText().ToAnsi();

    DecodedImage second = Decode(FileFolder() + L"\\shot1.png");
    EXPECT_TRUE(second.ok && second.width == kPaintWidth - 20 && second.centre == kPaint);
    EXPECT_TRUE(Exists(IcqReceived(L"VellImage.bmp")));
    EXPECT_TRUE(Exists(IcqReceived(L"VellImage1.bmp")));
}

TEST_F(CImageDestinationsTest, EachCaptureReadsTheScreenOnceAndEveryDestinationHoldsThatPicture)
{
    Enable({SP_SC_FILE, SP_SC_CLIPBOARD, SP_SC_ICQ});
    UseFile(FileFolder());
    UseClipboard();
    UseIcq();
    const RECT inside = {kPaintRect.left + 10, kPaintRect.top + 10, kPaintRect.right - 10, kPaintRect.bottom - 10};
    const struct
    {
        const char* name;
        std::function<DestinationResult()> capture;
    } captures[] = {
        {"timed step", [&] { return m_set.ProcessRectWithInfo(inside); }},
        {"selection", [&] { return m_set.ProcessRect(inside); }},
        {"window", [&] { return m_set.ProcessWindow(m_window.Handle()); }},
    };
    for (const auto& c : captures)
    {
        const unsigned long before = CDibToolkit::GetScreenReadCount();
        ASSERT_EQ(DR_DONE, c.capture()) << c.name << ": " << m_set.GetErrorText().ToAnsi();
        EXPECT_EQ(1u, CDibToolkit::GetScreenReadCount() - before) << c.name;
        // All eleven hold the one picture, so a later repeat sends it everywhere.
        HBITMAP file = m_set.GetLastImage(m_set.GetSettings());
        ASSERT_NE(nullptr, file) << c.name;
        for (bool InfoScSettings::*flag : {&InfoScSettings::File, &InfoScSettings::Printer, &InfoScSettings::Fax,
                                           &InfoScSettings::Editor, &InfoScSettings::Email, &InfoScSettings::ICQ,
                                           &InfoScSettings::Clipboard, &InfoScSettings::Db,
                                           &InfoScSettings::ScreenSaver, &InfoScSettings::Wallpaper,
                                           &InfoScSettings::Web})
        {
            InfoScSettings only;
            only.Clear();
            only.*flag = true;
            EXPECT_EQ(file, m_set.GetLastImage(only)) << c.name;
        }
    }
}

TEST_F(CImageDestinationsTest, FailuresAreJoinedAsLabelAndTextInRunOrder)
{
    const CString blockedFolder = BlockedFileFolder();
    CImageFile lone;
    lone.UseInfo(InfoScFile(L"shot", blockedFolder, FT_PNG, false, false, 0, 1));
    ASSERT_EQ(DR_FAILED, lone.ProcessWindow(m_window.Handle()));
    const CString folderText = lone.GetErrorText();
    ASSERT_EQ(CString(L"The specified directory ("), folderText.Left(25)) << folderText.ToAnsi();

    const CString unknownServer = L"Cannot connect to the specified fax server 'ELSEWHERE'. Error: " +
                                  GetHResultText(HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE));
    const struct
    {
        const char* what;
        std::initializer_list<EnumSendParam> enabled;
        bool fileFails;
        bool faxFails;
        bool icqRunning;
        CString text;
    } cases[] = {
        {"ICQ not running", {SP_SC_ICQ, SP_SC_CLIPBOARD}, false, false, false, CString(L"ICQ: ") + kIcqSendFailed},
        {"fax server unknown", {SP_SC_FAX}, false, true, true, L"Fax: " + unknownServer},
        {"file folder cannot be made", {SP_SC_FILE}, true, false, true, L"File: " + folderText},
        {"three failures, the clipboard still served",
         {SP_SC_ICQ, SP_SC_FILE, SP_SC_CLIPBOARD, SP_SC_FAX},
         true,
         true,
         false,
         L"File: " + folderText + L"Fax: " + unknownServer + L"ICQ: " + kIcqSendFailed},
        {"all served", {SP_SC_FILE, SP_SC_FAX, SP_SC_ICQ}, false, false, true, CString()},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        EmptyTheClipboard();
        Enable(c.enabled);
        UseFile(c.fileFails ? blockedFolder : FileFolder());
        UseFax(c.faxFails ? L"ELSEWHERE" : L"(local)");
        UseIcq();
        UseClipboard();
        WriteIcqContact(L"Client", L"Running", c.icqRunning ? L"1" : L"0");

        ASSERT_EQ(DR_DONE, m_set.ProcessWindow(m_window.Handle()));
        EXPECT_EQ(c.text.IsEmpty() ? DR_DONE : DR_FAILED, m_set.ProcessAgain());
        EXPECT_EQ(c.text, m_set.GetErrorText());
        EXPECT_EQ(m_set.GetSettings().Clipboard ? kPaintWidth : 0, ClipboardPixels().width);
    }
}

TEST_F(CImageDestinationsTest, AllElevenOnOneGrabFourFailWithTheirOwnTextsAndTheOthersServe)
{
    const CString ftpPort = PeerSetting(L"VELL_FTP_PORT");
    const CString ftpUser = PeerSetting(L"VELL_FTP_USER");
    const CString ftpRoot = PeerSetting(L"VELL_FTP_ROOT_WIN");
    const CString connect = PeerSetting(L"VELL_ODBC_CONNECT");
    ASSERT_FALSE(ftpPort.IsEmpty() || ftpUser.IsEmpty() || ftpRoot.IsEmpty() || connect.IsEmpty())
        << "VELL_FTP_PORT, VELL_FTP_USER, VELL_FTP_ROOT_WIN and VELL_ODBC_CONNECT come from the test runner (cmake/run-wine-test.sh)";
    OdbcProbe db;
    ASSERT_TRUE(db.Connect(connect.str())) << db.Error();
    ASSERT_TRUE(db.Execute(L"DROP TABLE IF EXISTS SetShots")) << db.Error();
    ASSERT_TRUE(db.Execute(L"CREATE TABLE SetShots (id INTEGER PRIMARY KEY AUTOINCREMENT, Picture LONGVARBINARY)"))
        << db.Error();
    ClosedPort smtpDown;
    ASSERT_NE(0, smtpDown.Port());
    CString smtpServer;
    smtpServer.Format(L"127.0.0.1:%d", smtpDown.Port());
    const CString badLogin = BadLoginReply(_wtoi(ftpPort), ftpUser);
    ASSERT_GE(badLogin.Find(L"530"), 0) << badLogin.ToAnsi();
    const CString blockedFolder = BlockedFileFolder();
    CString webName; // the server's folder is the whole test run's
    webName.Format(L"set-%lu", GetCurrentProcessId());

    Enable({SP_SC_FILE, SP_SC_PRINTER, SP_SC_FAX, SP_SC_EDITOR, SP_SC_EMAIL, SP_SC_ICQ, SP_SC_CLIPBOARD,
            SP_SC_DATABASE, SP_SC_SCREENSAVER, SP_SC_WALLPAPER, SP_SC_WEB});
    UseFile(blockedFolder);
    InfoScPrinter printer;
    printer.Name = L"No Such Printer";
    m_set.UseInfo(printer);
    UseFax(L"(local)");
    m_set.UseInfo(InfoScEditor(TestProgramFolder() + L"\\Args Recorder.exe", FT_BMP, false, 0, 1));
    m_set.UseInfo(InfoScEmail(smtpServer, L"sender@example.test", L"ann@example.test", L"", L"Capture", L"Body", true,
                              FT_BMP, false, 0, 1));
    UseIcq();
    UseClipboard();
    m_set.UseInfo(InfoScDatabase(connect, L"SetShots", L"Picture", L"", false, 0, 1));
    UseScreenSaver();
    UseWallpaper();
    m_set.UseInfo(InfoScWeb(WS_REMOTE_FTP, L"127.0.0.1", _wtoi(ftpPort), ftpUser, L"not-the-password", L"/", webName,
                            m_folder.Path(), FT_PNG, true, false, 0, 1));

    ASSERT_EQ(DR_FAILED, m_set.ProcessWindowWithInfo(m_window.Handle()));

    // Each failure's label and the destination's own reason, in run order, the web
    // server's reply last. The fax destination's outcome is not looked at.
    const CString text = m_set.GetErrorText();
    const CString emailed = ImageFolder(L"\\Email") + L"\\VellImage.bmp";
    const CString reasons[] = {
        L"File: The specified directory (" + blockedFolder + L"\\) cannot be created. System error: ",
        L"Printer: Cannot select the specified printer 'No Such Printer'.",
        L"Email: Failure sending the image file '" + emailed + L"' by email. Error: SMTP Host is unreachable.",
        L"Web: " + badLogin,
    };
    int from = 0;
    for (const CString& reason : reasons)
    {
        const int at = text.Find(reason, from);
        ASSERT_GE(at, from) << reason.ToAnsi() << " is not in: " << text.ToAnsi();
        from = at + reason.GetLength();
    }
    EXPECT_EQ(text.GetLength(), from) << text.ToAnsi();
    for (const wchar_t* served :
         {L"Graphic Editor: ", L"ICQ: ", L"Clipboard: ", L"Database: ", L"Screen Saver: ", L"Wallpaper: "})
        EXPECT_LT(text.Find(served), 0) << text.ToAnsi();

    // The failed ones: no file folder; the e-mail and web pictures written before
    // the send, and nothing on the server.
    EXPECT_FALSE(Exists(blockedFolder));
    EXPECT_TRUE(IsPaintedBitmap(emailed));
    EXPECT_TRUE(Decode(m_folder / (webName + L".png")).ok);
    EXPECT_FALSE(Exists(ftpRoot + L"\\" + webName + L".png"));

    // The others did their work.
    const CString edited = ImageFolder(L"\\Editor") + L"\\VellImage.bmp";
    ASSERT_TRUE(WaitForFile(EditorRecord())) << "the editor was not started";
    EXPECT_NE(std::string::npos, ReadBytes(EditorRecord()).find(edited.ToAnsi(CP_UTF8)));
    EXPECT_TRUE(IsPaintedBitmap(edited));
    EXPECT_TRUE(IsPaintedBitmap(IcqReceived(L"VellImage.bmp")));
    Pixels clipboard = ClipboardPixels();
    ASSERT_EQ(kPaintWidth, clipboard.width);
    EXPECT_EQ(kPaint, clipboard.At(kPaintWidth / 2, kPaintHeight / 2));
    EXPECT_EQ(L"1", db.Text(L"SELECT COUNT(*) FROM SetShots"));
    WriteBytes(m_folder / L"stored.bmp", db.Bytes(L"SELECT Picture FROM SetShots"));
    EXPECT_TRUE(IsPaintedBitmap(m_folder / L"stored.bmp"));
    EXPECT_TRUE(IsPaintedBitmap(m_saverPictures.File(L"")));
    EXPECT_TRUE(IsPaintedBitmap(m_wallpaperPictures.File(L"")));
    EXPECT_EQ(m_wallpaperPictures.File(L"").str(), CurrentWallpaper());
}

TEST_F(CImageDestinationsTest, AFailedGrabListsEveryDestinationAndLeavesNoImageToRepeat)
{
    Enable({SP_SC_FILE});
    UseFile(FileFolder());
    ASSERT_EQ(DR_DONE, m_set.ProcessWindow(m_window.Handle()));
    ASSERT_TRUE(m_set.HasLastImage());

    EXPECT_EQ(DR_FAILED, m_set.ProcessWindow(nullptr));
    EXPECT_FALSE(m_set.HasLastImage());
    CString expected;
    for (const wchar_t* label : {L"File: ", L"Printer: ", L"Fax: ", L"Graphic Editor: ", L"Email: ", L"ICQ: ",
                                 L"Clipboard: ", L"Database: ", L"Screen Saver: ", L"Wallpaper: ", L"Web: "})
        expected += CString(label) + kGrabFailed;
    EXPECT_EQ(expected, m_set.GetErrorText());

    // Nothing is run on the pictures of the earlier grab.
    EXPECT_EQ(DR_NOTHING_DONE, m_set.ProcessAgain());
    EXPECT_EQ(CString(kNoPreviousImage), m_set.GetErrorText());
    EXPECT_EQ(DR_FAILED, m_set.ProcessRectWithInfo(RECT{5, 5, 5, 5}));
    EXPECT_FALSE(Exists(FileFolder()));
}

TEST_F(CImageDestinationsTest, WithoutADestinationOrAPictureNothingIsDone)
{
    CImageDestinations fresh;
    fresh.GetSettings().Clear();
    EXPECT_EQ(DR_NOTHING_DONE, fresh.ProcessWindow(m_window.Handle()));
    EXPECT_EQ(CString(kNoSelection), fresh.GetErrorText());
    EXPECT_FALSE(fresh.HasLastImage());
    EXPECT_EQ(DR_NOTHING_DONE, fresh.ProcessRegionWithInfo(nullptr));
    EXPECT_EQ(CString(kNoSelection), fresh.GetErrorText());
    // The selection check comes first; its text alone is given.
    EXPECT_EQ(DR_NOTHING_DONE, fresh.ProcessAgain());
    EXPECT_EQ(CString(kNoSelection), fresh.GetErrorText());

    fresh.GetSettings().SetSelection(SP_SC_CLIPBOARD, true);
    EXPECT_EQ(DR_NOTHING_DONE, fresh.ProcessAgain());
    EXPECT_EQ(CString(kNoPreviousImage), fresh.GetErrorText());
    EXPECT_EQ(0, ClipboardPixels().width);
}

TEST_F(CImageDestinationsTest, RecordsByTypeDurationAndLastImage)
{
    EXPECT_EQ(nullptr, m_set.GetInfo(static_cast<EnumSendParam>(6)));
    EXPECT_EQ(nullptr, m_set.GetInfo(SP_CBT_RECORDING));
    for (int type = SP_SC_FILE; type <= SP_SC_WEB; ++type)
    {
        SendParam* record = m_set.GetInfo(static_cast<EnumSendParam>(type));
        ASSERT_NE(nullptr, record) << type;
        EXPECT_EQ(type, record->GetType());
    }

    InfoScFax fax;
    fax.Duration = 7;
    InfoScEmail email;
    email.Duration = 9;
    m_set.SetInfo(&fax, SP_SC_FAX, 0);
    m_set.SetInfo(&email, SP_SC_EMAIL, 0);
    // Another type changes nothing.
    InfoScFax other = fax;
    other.Duration = 3;
    m_set.SetInfo(&other, static_cast<EnumSendParam>(6), 0);
    m_set.SetInfo(&other, SP_CBT_RECORDING, 0);

    EXPECT_EQ(0, m_set.GetDuration());
    Enable({SP_SC_EMAIL, SP_SC_FAX});
    EXPECT_EQ(7, m_set.GetDuration());
    Enable({SP_SC_EMAIL});
    EXPECT_EQ(9, m_set.GetDuration());

    // The picture of the first enabled destination that holds one.
    EXPECT_EQ(nullptr, m_set.GetLastImage(m_set.GetSettings()));
    Enable({SP_SC_WEB});
    ASSERT_EQ(DR_DONE, m_set.ProcessWindow(m_window.Handle()));
    InfoScSettings none;
    none.Clear();
    EXPECT_EQ(nullptr, m_set.GetLastImage(none));
    EXPECT_NE(nullptr, m_set.GetLastImage(m_set.GetSettings()));
}

TEST_F(CImageDestinationsTest, EveryRecordIsLoadedFromTheRegistryWhenTheSetIsMade)
{
    InfoScFile saved;
    saved.LoadFromRegistry();
    InfoScFile stored(L"loaded", L"C:\\Loaded\\", FT_GIF, true, false, 4, 2);
    ASSERT_TRUE(stored.SaveToRegistry(0));
    InfoScSettings settings;
    settings.LoadFromRegistry();
    const bool wasOn = settings.ScreenSaver;
    ASSERT_TRUE(settings.SetSelection(SP_SC_SCREENSAVER, true));

    CImageDestinations loaded;
    EXPECT_EQ(stored, *static_cast<InfoScFile*>(loaded.GetInfo(SP_SC_FILE)));
    EXPECT_TRUE(loaded.GetSettings().ScreenSaver);

    saved.SaveToRegistry(0);
    settings.SetSelection(SP_SC_SCREENSAVER, wasOn);
}
