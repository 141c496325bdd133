// Saving the running program's configuration and opening it again: the exact file, the
// registry and the live objects after an open, and saves that cannot write.
#include "config/ConfigurationCommands.h"
#include "config/tests/ConfigurationTestSupport.h"

using namespace config_test;

namespace
{
const CString kFileError = L"Error parsing the configuration file.";

std::wstring OptionsValue(const wchar_t* name)
{
    return std::wstring(L"\\Software\\Talvono Software\\Talvono Vellumor\\Common\\") + name;
}

} // namespace

TEST_F(ConfigurationTest, SavingWritesEveryFieldInFileOrderTheSameEachTime)
{
    Configuration configuration;
    configuration.PutIntoProgram(Controller());
    // The save stores the live options again, whatever the registry held.
    RegDeleteTreeW(HKEY_CURRENT_USER, CGlobalOptions::kKey);
    CString error;
    ASSERT_TRUE(SaveConfigurationFile(Path(L"first.xml"), error)) << error.ToAnsi(CP_UTF8);
    ASSERT_TRUE(SaveConfigurationFile(Path(L"second.xml"), error)) << error.ToAnsi(CP_UTF8);

    const std::string golden = GoldenText();
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(golden, ReadBytes(Path(L"first.xml")));
    EXPECT_EQ(golden, ReadBytes(Path(L"second.xml")));
    RegistrySnapshot registry = TakeRegistrySnapshot();
    EXPECT_EQ(1u, registry.count(OptionsValue(L"OptsOwMaxLines")));
}

TEST_F(ConfigurationTest, OpeningTheFileIntoAFreshRegistryGivesEveryValueBack)
{
    Configuration configuration;
    configuration.SaveToRegistry();
    const RegistrySnapshot expected = TakeRegistrySnapshot();

    ClearRegistry();
    StartProgram();
    InfoScSettings cursorOn = *Screen().GetSettings();
    cursorOn.CaptCursor = true;
    Screen().SetSettings(cursorOn);
    CString error;
    ASSERT_TRUE(OpenConfigurationFile(WriteFixture(L"golden.xml", GoldenText()), error)) << error.ToAnsi(CP_UTF8);

    // Every value of every record key and of "Common", by name and type.
    const RegistrySnapshot opened = TakeRegistrySnapshot();
    for (const auto& value : expected)
    {
        auto found = opened.find(value.first);
        ASSERT_NE(opened.end(), found) << CString(value.first.c_str()).ToAnsi(CP_UTF8);
        EXPECT_EQ(value.second, found->second) << CString(value.first.c_str()).ToAnsi(CP_UTF8);
    }
    const std::wstring cursor = L"\\Software\\Talvono Software\\Talvono Vellumor\\ScreenCapture\\SendSettings\\CaptCursor";
    ASSERT_EQ(1u, opened.count(cursor));
    EXPECT_EQ(std::vector<BYTE>(4, 0), opened.at(cursor).second);
    // The password is clear in the file and enciphered in the registry.
    const std::wstring password = L"\\Software\\Talvono Software\\Talvono Vellumor\\ScreenCapture\\Web\\Pwd";
    ASSERT_EQ(1u, opened.count(password));
    const std::vector<BYTE>& stored = opened.at(password).second;
    const std::string clearWide("s\0" "3\0" "c\0" "r\0" "e\0" "t\0", 12);
    EXPECT_EQ(std::string::npos, std::string(stored.begin(), stored.end()).find(clearWide));
    EXPECT_EQ(std::string::npos, std::string(stored.begin(), stored.end()).find("s3cret"));
    EXPECT_NE(std::string::npos, GoldenText().find("<pwd>s3cret</pwd>"));

    // The running program holds them too.
    EXPECT_TRUE(LiveRecord<InfoScFile>(SP_SC_FILE) == configuration.file);
    EXPECT_TRUE(LiveRecord<InfoScFax>(SP_SC_FAX) == configuration.fax);
    EXPECT_EQ(configuration.fax.FType, LiveRecord<InfoScFax>(SP_SC_FAX).FType);
    EXPECT_TRUE(LiveRecord<InfoScEditor>(SP_SC_EDITOR) == configuration.editor);
    EXPECT_TRUE(LiveRecord<InfoScEmail>(SP_SC_EMAIL) == configuration.email);
    EXPECT_TRUE(LiveRecord<InfoScIcq>(SP_SC_ICQ) == configuration.icq);
    EXPECT_EQ(-2, LiveRecord<InfoScIcq>(SP_SC_ICQ).IP);
    EXPECT_TRUE(LiveRecord<InfoScClipboard>(SP_SC_CLIPBOARD) == configuration.clipboard);
    EXPECT_TRUE(LiveRecord<InfoScPrinter>(SP_SC_PRINTER) == configuration.printer);
    EXPECT_TRUE(LiveRecord<InfoScScreenSaver>(SP_SC_SCREENSAVER) == configuration.screenSaver);
    EXPECT_TRUE(LiveRecord<InfoScWallpaper>(SP_SC_WALLPAPER) == configuration.wallpaper);
    EXPECT_TRUE(LiveRecord<InfoScWeb>(SP_SC_WEB) == configuration.web);
    EXPECT_TRUE(LiveRecord<InfoScDatabase>(SP_SC_DATABASE) == configuration.database);
    EXPECT_TRUE(*Screen().GetSettings() == configuration.settings);
    EXPECT_FALSE(Screen().GetSettings()->CaptCursor);
    EXPECT_TRUE(Movie().GetRecordingRecord() == configuration.presentationRecording);
    EXPECT_TRUE(Movie().GetPlayingRecord() == configuration.presentationPlaying);
    EXPECT_EQ(configuration.settings.HoldTime, Movie().GetHoldTime());
    EXPECT_EQ(4, Controller().GetCaptureType());
    for (int type = 2; type <= 5; ++type)
        EXPECT_FALSE(Controller().IsRecActive(type)) << type;
    EXPECT_EQ(0, Controller().GetCBTHotKeys());
    const CGlobalOptions& options = Controller().GetGlobalOptions();
    EXPECT_FALSE(options.GetShowErrorLog());
    EXPECT_FALSE(options.GetShowData());
    EXPECT_EQ(777u, options.GetMaxLines());
}

TEST_F(ConfigurationTest, ASaveThatCannotWriteSaysSoAndKeepsTheOldFile)
{
    CString error;
    EXPECT_FALSE(SaveConfigurationFile(Path(L"missing\\saved.xml"), error));
    EXPECT_EQ(kFileError, error);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(Path(L"missing")));

    const CString readOnly = WriteFixture(L"kept.xml", "<configuration>old</configuration>");
    ASSERT_TRUE(SetFileAttributesW(readOnly, FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(SaveConfigurationFile(readOnly, error));
    EXPECT_EQ(kFileError, error);
    EXPECT_EQ("<configuration>old</configuration>", ReadBytes(readOnly));
    // No temporary file is left beside it.
    EXPECT_EQ(0, CountFiles(Folder() + L"\\*.tmp"));
    EXPECT_EQ(1, CountFiles(Folder() + L"\\*.xml"));
    SetFileAttributesW(readOnly, FILE_ATTRIBUTE_NORMAL);
}
