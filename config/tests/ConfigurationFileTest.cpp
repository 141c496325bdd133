// Files a user may hand over: those that must be refused with their text and change
// nothing, and the forms of values that are read (and written back) as the format says.
#include "config/ConfigurationCommands.h"
#include "config/tests/ConfigurationTestSupport.h"

#include <functional>

using namespace config_test;

namespace
{
struct BadFile
{
    const char* name;
    std::function<std::string()> text;
    const wchar_t* error;
};

const wchar_t* const kFile = L"Error parsing the configuration file.";
const wchar_t* const kScreen = L"Error processing the screen capture information.";
const wchar_t* const kTraining = L"Error parsing the training capture information.";
const wchar_t* const kAudio = L"Error processing the audio capture information.";
const wchar_t* const kVideo = L"Error parsing the video capture information.";
const wchar_t* const kMovie = L"Error processing the movie capture information.";
const wchar_t* const kOptions = L"Error processing the global options data.";
const wchar_t* const kController = L"Error processing the local controller data.";

// The golden file with one value element's text changed.
std::function<std::string()> Value(const char* section, const char* element, const char* from, const char* to)
{
    return [=] {
        std::string open = std::string("<") + element + ">", close = std::string("</") + element + ">";
        return ReplaceIn(GoldenText(), section, open + from + close, open + to + close);
    };
}

std::function<std::string()> Missing(const char* section)
{
    return [=] { return WithoutElement(GoldenText(), section); };
}

std::function<std::string()> Text(const char* text)
{
    return [=] { return std::string(text); };
}

// Ten levels of ten references: a billion characters once expanded.
std::string EntityBomb()
{
    std::string text = "<?xml version=\"1.0\"?><!DOCTYPE configuration [<!ENTITY a0 \"xxxxxxxxxx\">";
    for (int level = 1; level < 10; ++level)
    {
        text += "<!ENTITY a" + std::to_string(level) + " \"";
        for (int i = 0; i < 10; ++i)
            text += "&a" + std::to_string(level - 1) + ";";
        text += "\">";
    }
    return text + "]><configuration><screen><file><filename>&a9;</filename></file></screen></configuration>";
}

// The file with a document type that declares an entity, used as the fax note.
std::string WithEntity(const std::string& text, const std::string& declaration)
{
    std::string declared = ReplaceIn(text, "configuration", "<configuration>",
                                     "<!DOCTYPE configuration [" + declaration + "]><configuration>");
    return ReplaceIn(declared, "fax", "<note>Fax note</note>", "<note>&secret;</note>");
}

// An external entity naming a file of the test's folder.
std::string WithExternalEntity(const std::string& text)
{
    return WithEntity(text, "<!ENTITY secret SYSTEM \"secret.txt\">");
}

// The UTF-8 text as UTF-16 with its byte-order mark.
std::string Utf16(const std::string& text)
{
    std::wstring wide(text.size(), L'\0');
    wide.resize(MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &wide[0],
                                    static_cast<int>(wide.size())));
    std::string bytes = "\xFF\xFE";
    bytes.append(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
    return bytes;
}

const BadFile kBadFiles[] = {
    {"malformed", Text("<configuration><screen></configuration>"), kFile},
    {"truncated", [] { std::string t = GoldenText(); return t.substr(0, t.size() / 2); }, kFile},
    {"empty", Text(""), kFile},
    {"entity expansion bomb", EntityBomb, kFile},
    {"a document type of its own", [] { return WithEntity(GoldenText(), "<!ENTITY secret \"inside\">"); }, kFile},
    {"external entity naming a local file", [] { return WithExternalEntity(GoldenText()); }, kFile},
    {"external entity in UTF-16", [] { return Utf16(WithExternalEntity(GoldenText())); }, kFile},
    {"root not configuration", Text("<settings><screen/></settings>"), kFile},
    {"no screen", Missing("screen"), kScreen},
    {"no training", Missing("training"), kTraining},
    {"no audio", Missing("audio"), kAudio},
    {"no video", Missing("video"), kVideo},
    {"no movie", Missing("movie"), kMovie},
    {"no globaloptions", Missing("globaloptions"), kOptions},
    {"no localcontroller", Missing("localcontroller"), kController},
    {"capturetype 0", Value("localcontroller", "capturetype", "4", "0"), kController},
    {"capturetype 6", Value("localcontroller", "capturetype", "4", "6"), kController},
    {"cbthotkeys 3", Value("localcontroller", "cbthotkeys", "0", "3"), kController},
    {"lastcapture 3", Value("settings", "lastcapture", "2", "3"), kScreen},
    {"displaytype -1", Value("wallpaper", "displaytype", "1", "-1"), kScreen},
    {"sctype 7", Value("settings", "sctype", "6", "7"), kScreen},
    {"sliderpos 199", Value("settings", "sliderpos", "1500", "199"), kScreen},
    {"sliderpos 2001", Value("settings", "sliderpos", "1500", "2001"), kScreen},
    {"pageorientation 3", Value("printer", "pageorientation", "2", "3"), kScreen},
    {"numcopies 0", Value("printer", "numcopies", "3", "0"), kScreen},
    {"port 65536", Value("web", "port", "2121", "65536"), kScreen},
    {"maxlines 0", Value("globaloptions", "maxlines", "777", "0"), kOptions},
    {"maxlines 10001", Value("globaloptions", "maxlines", "777", "10001"), kOptions},
    {"image filetype 5", Value("file", "filetype", "4", "5"), kScreen},
    {"clipboard filetype 2", Value("clipboard", "filetype", "1", "2"), kScreen},
    {"audio filetype 1", Value("audio", "filetype", "0", "1"), kAudio},
    {"video filetype 1", Value("video", "filetype", "0", "1"), kVideo},
    {"movie filetype 1", Value("movie", "filetype", "0", "1"), kMovie},
    {"negative duration", Value("training", "duration", "72", "-1"), kTraining},
    {"negative frequency", Value("editor", "frequency", "9", "-1"), kScreen},
    {"negative frame rate", Value("movie", "framerate", "12", "-1"), kMovie},
    {"negative delay", Value("training", "delaytime", "5", "-1"), kTraining},
    {"negative width", Value("video", "wndwidth", "3", "-1"), kVideo},
    {"negative height", Value("movie", "wndheight", "12", "-1"), kMovie},
    {"repeatnumber -2", Value("audio", "repeatnumber", "2", "-2"), kAudio},
    {"a 40-digit number", Value("icq", "uin", "123456", "1234567890123456789012345678901234567890"), kScreen},
    {"a flag beyond 32 bits", Value("localcontroller", "cbtrecactive", "0", "4294967296"), kController},
};
} // namespace

TEST_F(ConfigurationTest, ABadFileIsRefusedWithItsTextAndChangesNothing)
{
    // A file outside the configuration that an external entity could pull in.
    WriteFixture(L"secret.txt", "secret");
    for (const BadFile& bad : kBadFiles)
    {
        SCOPED_TRACE(bad.name);
        const RegistrySnapshot before = TakeRegistrySnapshot();
        const InfoScSettings settings = *Screen().GetSettings();
        CString error;
        EXPECT_FALSE(OpenConfigurationFile(WriteFixture(L"bad.xml", bad.text()), error));
        EXPECT_EQ(CString(bad.error), error);
        EXPECT_TRUE(before == TakeRegistrySnapshot());
        EXPECT_TRUE(settings == *Screen().GetSettings());
        EXPECT_EQ(1, Controller().GetCaptureType());
        EXPECT_EQ(10000u, Controller().GetGlobalOptions().GetMaxLines());
    }
}

TEST_F(ConfigurationTest, AFileThatCannotBeFoundIsRefused)
{
    CString error;
    EXPECT_FALSE(OpenConfigurationFile(Path(L"absent.xml"), error));
    EXPECT_EQ(CString(kFile), error);
}

namespace
{
struct ValueForm
{
    const char* name;
    std::function<std::string()> text;
    // Checks the running program (and the registry) after the file was opened.
    std::function<void()> check;
};

// The golden file with the section's content taken out: the section written as empty.
std::function<std::string()> Emptied(const char* section, const char* empty)
{
    return [=] {
        std::string text = GoldenText(), close = std::string("</") + section + ">";
        size_t begin = text.find(std::string("<") + section + ">"), end = text.find(close) + close.size();
        return text.replace(begin, end - begin, empty);
    };
}

const InfoScEmail& Email()
{
    return LiveRecord<InfoScEmail>(SP_SC_EMAIL);
}

const InfoScFile& File()
{
    return LiveRecord<InfoScFile>(SP_SC_FILE);
}

const ValueForm kValueForms[] = {
    {"leading blanks", Value("file", "duration", "61", "  \t61"), [] { EXPECT_EQ(61, File().Duration); }},
    {"trailing letters", Value("file", "duration", "61", "61abc"), [] { EXPECT_EQ(61, File().Duration); }},
    {"letters only", Value("file", "duration", "61", "abc"), [] { EXPECT_EQ(0, File().Duration); }},
    {"minus sign", Value("icq", "ip", "-2", "-20"),
     [] { EXPECT_EQ(-20, LiveRecord<InfoScIcq>(SP_SC_ICQ).IP); }},
    {"2 as a flag", Value("email", "attached", "0", "2"), [] { EXPECT_TRUE(Email().Attached); }},
    {"filename one level too deep",
     [] {
         std::string text = WithoutElement(GoldenText(), "filename");
         return ReplaceIn(text, "file", "C:\\Shots</path>", "C:\\Shots<filename>Deep</filename></path>");
     },
     [] {
         EXPECT_TRUE(File().FName == InfoScFile().FName);
         EXPECT_TRUE(File().FPath == L"C:\\Shots");
     }},
    {"empty screen",
     Emptied("screen", "<screen/>"),
     [] {
         const InfoScSettings& settings = *GetLocalController()->GetScreenManager()->GetSettings();
         EXPECT_TRUE(settings.Clipboard);
         EXPECT_FALSE(settings.File || settings.Printer || settings.Fax || settings.Editor || settings.Email ||
                      settings.ICQ || settings.Db || settings.ScreenSaver || settings.Wallpaper || settings.Web);
         EXPECT_TRUE(File() == InfoScFile());
         EXPECT_TRUE(LiveRecord<InfoScWeb>(SP_SC_WEB) == InfoScWeb());
     }},
    {"empty training",
     Emptied("training", "<training></training>"),
     [] {
         EXPECT_TRUE(StoredRecord<InfoCBTRecording>() == InfoCBTRecording());
         EXPECT_TRUE(StoredRecord<InfoCBTPlaying>() == InfoCBTPlaying());
     }},
    {"empty globaloptions",
     Emptied("globaloptions", "<globaloptions/>"),
     [] {
         const CGlobalOptions& options = GetLocalController()->GetGlobalOptions();
         EXPECT_TRUE(options.GetShowErrorLog());
         EXPECT_TRUE(options.GetShowData());
         EXPECT_EQ(1000u, options.GetMaxLines());
     }},
    {"empty localcontroller",
     Emptied("localcontroller", "<localcontroller/>"),
     [] {
         // The controller's own defaults, not what the running program had.
         CLocalController& controller = *GetLocalController();
         EXPECT_EQ(1, controller.GetCaptureType());
         for (int type = 2; type <= 5; ++type)
             EXPECT_TRUE(controller.IsRecActive(type)) << type;
         EXPECT_EQ(2, controller.GetCBTHotKeys());
     }},
    {"unknown elements, comments and a second sibling",
     Value("file", "duration", "61", "61</duration><unknown>5</unknown><!-- note --><duration>99"),
     [] { EXPECT_EQ(61, File().Duration); }},
    {"CDATA", Value("email", "body", "Body", "<![CDATA[a<b&c]]>"), [] { EXPECT_TRUE(Email().Body == L"a<b&c"); }},
    {"blanks only", Value("fax", "note", "Fax note", "   "),
     [] { EXPECT_TRUE(LiveRecord<InfoScFax>(SP_SC_FAX).Note == L"   "); }},
    {"markup and characters beyond ASCII", [] { return GoldenText(); },
     [] { EXPECT_TRUE(Email().Subject == L"Tom & Jerry <\u00e9\u6f22>"); }},
    {"a carriage return and a line feed", Value("email", "body", "Body", "a&#13;\nb"),
     [] { EXPECT_TRUE(Email().Body == L"a\r\nb"); }},
};
} // namespace

// Each form is read as the format says, and a save of what was read gives it back.
TEST_F(ConfigurationTest, ValueFormsAreReadAndWrittenBack)
{
    for (const ValueForm& form : kValueForms)
    {
        SCOPED_TRACE(form.name);
        ClearRegistry();
        StartProgram();
        CString error;
        ASSERT_TRUE(OpenConfigurationFile(WriteFixture(L"form.xml", form.text()), error)) << error.ToAnsi(CP_UTF8);
        form.check();
        ASSERT_TRUE(SaveConfigurationFile(Path(L"again.xml"), error)) << error.ToAnsi(CP_UTF8);
        ClearRegistry();
        StartProgram();
        ASSERT_TRUE(OpenConfigurationFile(Path(L"again.xml"), error)) << error.ToAnsi(CP_UTF8);
        form.check();
    }
}

TEST_F(ConfigurationTest, AFlagOfTwoIsWrittenBackAsOne)
{
    CString error;
    ASSERT_TRUE(OpenConfigurationFile(WriteFixture(L"two.xml", Value("email", "attached", "0", "2")()), error));
    ASSERT_TRUE(SaveConfigurationFile(Path(L"again.xml"), error));
    const std::string saved = ReadBytes(Path(L"again.xml"));
    const size_t email = saved.find("<email>");
    ASSERT_NE(std::string::npos, email);
    EXPECT_EQ(saved.find("<attached>", email), saved.find("<attached>1</attached>", email));
}
