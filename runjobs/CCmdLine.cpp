#include "runjobs/CCmdLine.h"

#include "Info/InfoScClipboard.h"
#include "Info/InfoScDatabase.h"
#include "Info/InfoScEditor.h"
#include "Info/InfoScEmail.h"
#include "Info/InfoScFax.h"
#include "Info/InfoScFile.h"
#include "Info/InfoScIcq.h"
#include "Info/InfoScPrinter.h"
#include "Info/InfoScScreenSaver.h"
#include "Info/InfoScWallpaper.h"
#include "Info/InfoScWeb.h"
#include "capture/DestinationTable.h"
#include "common/PathHelpers.h"
#include "common/PathValidation.h"
#include "common/TextHelpers.h"

#include <memory>

namespace
{
// How the argument after a flag is read.
enum Form
{
    TEXT,     // one leading and one trailing double quote removed
    PLAIN,    // as given
    NUMBER,   // the leading decimal integer, 0 without digits
    ONE_TEXT, // on exactly when the argument is "1"
    NON_ZERO, // on when the number is not 0
    ONE,      // on when the number is 1
};

struct Flag
{
    const wchar_t* name;
    Form form;
    // Names the flag in the "is missing" message.
    const wchar_t* what;
    // The message names the flag without the word "flag".
    bool bare = false;
};

// One flag's value; a flag beyond the last argument keeps these empty defaults.
struct Value
{
    CString text;
    int number = 0;
    bool on = false;
};

using Values = CArray<Value>;

// A table of flags in the order a line carries them.
struct FlagList
{
    template <int N> constexpr FlagList(const Flag (&flags)[N]) : items(flags), count(N) {}

    const Flag* items;
    int count;
};

// The process arguments, argument 0 being the program.
struct Args
{
    int count;
    const wchar_t* const* items;

    CString operator[](int index) const { return items[index]; }
};

const wchar_t kTask[] = L"Task  ";
const wchar_t kMissingArguments[] = L"Command line arguments are missing.";
const wchar_t kScreenType[] = L"VELLUMOR_SC";
const wchar_t kScreenPrefix[] = L"Screen  ";
const wchar_t kInvalidSelectionType[] = L"Invalid Screen Capture selection type (Free Hand, Polygon, etc).";

[[noreturn]] void Fail(const CString& message)
{
    throw kTask + message;
}

CString Unquote(const CString& argument)
{
    CString text = argument;
    if (!text.IsEmpty() && text[0] == L'"')
        text.Delete(0);
    if (!text.IsEmpty() && text[text.GetLength() - 1] == L'"')
        text.Delete(text.GetLength() - 1);
    return text;
}

Value ReadValue(const CString& argument, Form form)
{
    Value value;
    value.text = form == TEXT ? Unquote(argument) : argument;
    value.number = _wtoi(argument);
    value.on = (form == ONE_TEXT && argument == L"1") || (form == NON_ZERO && value.number != 0) ||
               (form == ONE && value.number == 1);
    return value;
}

bool IsFlag(const Args& args, int position, const wchar_t* name)
{
    return args[position].CompareNoCase(name) == 0;
}

// Reads the flag expected at position and its value.
Value ReadFlag(const Args& args, int position, const CString& prefix, const Flag& flag)
{
    if (!IsFlag(args, position, flag.name))
        Fail(prefix + flag.what + (flag.bare ? L"" : L" flag") + L" (" + flag.name + L") is missing.");
    return position + 1 < args.count ? ReadValue(args[position + 1], flag.form) : Value();
}

// Reads the flags in order from position first, each followed by its value, until the
// arguments run out; the flags beyond keep empty values.
Values ReadFlags(const Args& args, int first, const CString& prefix, FlagList flags)
{
    Values values;
    values.SetSize(flags.count);
    for (int i = 0; i < flags.count && first + 2 * i < args.count; ++i)
        values[i] = ReadFlag(args, first + 2 * i, prefix, flags.items[i]);
    return values;
}

// Free hand, polygon and rectangle always, and an ellipse with a size text, read the
// size text as x,y pairs; the other types keep it as text (a window's title).
void ReadSelection(CCmdLine& line)
{
    line.m_selectionPoints.RemoveAll();
    line.m_selectionText.Empty();
    const int type = line.m_selectionType;
    if (type <= SCT_RECTANGLE || (type == SCT_ELLIPSE && !line.m_sizeText.IsEmpty()))
        ParseNumberList(line.m_sizeText, L",", line.m_selectionPoints);
    else
        line.m_selectionText = line.m_sizeText;
}

int ReadSelectionType(const Value& value, const wchar_t* prefix)
{
    if (value.number < SCT_FREE_HAND || value.number > SCT_DESKTOP)
        Fail(CString(prefix) + kInvalidSelectionType);
    return value.number;
}

// The checks of one parser: every message starts with the parser's prefix.
class Checker
{
public:
    explicit Checker(const CString& prefix) : m_prefix(prefix) {}

    void Require(bool ok, const CString& message) const
    {
        if (!ok)
            Fail(m_prefix + message);
    }
    void RequireText(const CString& text, const wchar_t* message) const { Require(!text.IsEmpty(), message); }
    // The name checker's own message follows the prefix.
    void RequireFileName(const CString& name) const
    {
        CString error;
        const bool valid = ValidateFileName(name, error);
        Require(valid, error);
    }
    void RequireFileName(const CString& name, const wchar_t* invalid) const
    {
        CString error;
        const bool valid = ValidateFileName(name, error);
        Require(valid, invalid + name + L"'.");
    }
    void RequireFile(const CString& path, const wchar_t* what) const
    {
        Require(FileExists(path), what + path + L"' does not exist.");
    }
    // A missing folder is created: nobody is there to answer a question.
    void RequireFolder(const CString& folder) const
    {
        CString path = folder, error;
        AddTrailingSlash(path);
        const bool exists = EnsurePathExists(path, false) || (!folder.IsEmpty() && CreateDirectoryPath(path, error));
        Require(exists, L"Path '" + folder + L"' does not exist.");
    }
    // A timed capture shorter than a second would never end.
    void RequireDuration(int seconds) const { Require(seconds >= 1, L"The duration must be at least 1 second."); }

private:
    CString m_prefix;
};

// The fewest points each point selection needs.
struct PointSelection
{
    int type;
    const wchar_t* name;
    int minimum;
};

const PointSelection kPointSelections[] = {
    {SCT_FREE_HAND, L"free hand", 3},
    {SCT_POLYGON, L"polygon", 3},
    {SCT_RECTANGLE, L"rectangle", 2},
    {SCT_ELLIPSE, L"ellipse", 2},
};

void CheckSelection(const CCmdLine& line, const wchar_t* prefix)
{
    for (const PointSelection& selection : kPointSelections)
    {
        if (selection.type != line.m_selectionType || line.m_selectionPoints.GetSize() >= selection.minimum)
            continue;
        CString message;
        message.Format(L"The %s selection needs at least %d points (x,y) in -size.", selection.name, selection.minimum);
        Fail(prefix + message);
    }
}

template <class Record> const Record& As(const SendParam& record)
{
    return static_cast<const Record&>(record);
}

EnumFileType FileType(const Value& value)
{
    return static_cast<EnumFileType>(value.number);
}

// ---- Screen destinations -------------------------------------------------------------

// Every destination's flags end with this tail; a line may stop before it or before
// its last flag.
const Flag kTailFlags[] = {
    {L"-duration", NUMBER, L"Duration"},
    {L"-freq", NUMBER, L"Frequency"},
    {L"-captCursor", ONE_TEXT, L"Capture Cursor"},
};
const int kDurationAndFrequencyArgs = 4;
const int kFullTailArgs = 6;
// Arguments before a destination's own flags.
const int kScreenFixedArgs = 9;

const Flag kFileFlags[] = {
    {L"-file", TEXT, L"File name"},
    {L"-path", TEXT, L"File path"},
    {L"-imgType", NUMBER, L"File type"},
    {L"-overwrite", NON_ZERO, L"File overwrite"},
};
const Flag kEditorFlags[] = {
    {L"-editorPath", TEXT, L"File full path"},
    {L"-imgType", NUMBER, L"File type"},
};
const Flag kEmailFlags[] = {
    {L"-server", TEXT, L"Server"},
    {L"-from", TEXT, L"From"},
    {L"-to", TEXT, L"'Send To'"},
    {L"-cc", TEXT, L"'CC'"},
    {L"-subject", TEXT, L"Subject"},
    {L"-body", TEXT, L"Body"},
    {L"-imgAttached", NON_ZERO, L"Image attached"},
    {L"-imgType", NUMBER, L"File type"},
};
const Flag kIcqFlags[] = {
    {L"-UID", PLAIN, L"User ID"},
    {L"-imgType", NUMBER, L"File type"},
};
const Flag kPrinterFlags[] = {
    {L"-prtName", TEXT, L"Printer name"},         {L"-drvName", TEXT, L"Driver name"},
    {L"-portName", TEXT, L"Port name"},           {L"-orient", NUMBER, L"Page orientation"},
    {L"-numCopies", NUMBER, L"Number of copies"},
};
const Flag kFaxFlags[] = {
    {L"-svrName", TEXT, L"Fax server name"},
    {L"-recipNum", TEXT, L"Recipient number"},
    {L"-recipName", TEXT, L"Recipient name"},
    {L"-recipComp", TEXT, L"Recipient company"},
    {L"-recipDepart", TEXT, L"Recipient department"},
    {L"-note", TEXT, L"Note"},
    {L"-subject", TEXT, L"Subject"},
    {L"-covPgName", TEXT, L"Cover page file name"},
    {L"-useCovPg", NON_ZERO, L"Use cover page"},
};
const Flag kDatabaseFlags[] = {
    {L"-connStr", TEXT, L"Connection string"},
    {L"-table", TEXT, L"Table"},
    {L"-blobCol", TEXT, L"Blob column"},
    {L"-extraCol", TEXT, L"Extra columns"},
};
const Flag kClipboardFlags[] = {
    {L"-imgType", NUMBER, L"File type"},
};
const Flag kScreenSaverFlags[] = {
    {L"-name", TEXT, L"Name"},
    {L"-createUnique", ONE, L"Create unique"},
    {L"-makeCurrent", ONE, L"Make current"},
};
const Flag kWallpaperFlags[] = {
    {L"-name", TEXT, L"Name"},
    {L"-createUnique", ONE, L"Create unique"},
    {L"-displayType", NUMBER, L"Display type"},
};
const Flag kWebFlags[] = {
    {L"-webSvr", NUMBER, L"Web server"}, {L"-hostAddr", PLAIN, L"Host address"},
    {L"-port", NUMBER, L"Port"},         {L"-login", TEXT, L"Login"},
    {L"-pwd", TEXT, L"Password"},        {L"-webPath", TEXT, L"Web path"},
    {L"-file", TEXT, L"File name"},      {L"-path", TEXT, L"File path"},
    {L"-imgType", NUMBER, L"File type"}, {L"-overwrite", NON_ZERO, L"File overwrite"},
};

// Builders: the destination's own values, then duration and frequency. Show-dialog and
// display are always off in a job.
std::unique_ptr<SendParam> BuildFile(const Values& v, int duration, int frequence)
{
    return std::make_unique<InfoScFile>(v[0].text, v[1].text, FileType(v[2]), v[3].on, false, duration, frequence);
}

std::unique_ptr<SendParam> BuildEditor(const Values& v, int duration, int frequence)
{
    return std::make_unique<InfoScEditor>(v[0].text, FileType(v[1]), false, duration, frequence);
}

std::unique_ptr<SendParam> BuildEmail(const Values& v, int duration, int frequence)
{
    return std::make_unique<InfoScEmail>(v[0].text, v[1].text, v[2].text, v[3].text, v[4].text, v[5].text, v[6].on,
                                         FileType(v[7]), false, duration, frequence);
}

std::unique_ptr<SendParam> BuildIcq(const Values& v, int duration, int frequence)
{
    return std::make_unique<InfoScIcq>(L"", L"", v[0].number, 0, FileType(v[1]), false, duration, frequence);
}

std::unique_ptr<SendParam> BuildPrinter(const Values& v, int duration, int frequence)
{
    return std::make_unique<InfoScPrinter>(v[0].text, v[1].text, v[2].text, false,
                                           static_cast<EnumPageOrientation>(v[3].number), v[4].number, duration,
                                           frequence);
}

std::unique_ptr<SendParam> BuildFax(const Values& v, int duration, int frequence)
{
    return std::make_unique<InfoScFax>(v[0].text, v[1].text, v[2].text, v[3].text, v[4].text, v[5].text, v[6].text,
                                       v[7].text, v[8].on, false, duration, frequence);
}

std::unique_ptr<SendParam> BuildDatabase(const Values& v, int duration, int frequence)
{
    return std::make_unique<InfoScDatabase>(v[0].text, v[1].text, v[2].text, v[3].text, false, duration, frequence);
}

std::unique_ptr<SendParam> BuildClipboard(const Values& v, int duration, int frequence)
{
    return std::make_unique<InfoScClipboard>(FileType(v[0]), false, duration, frequence);
}

std::unique_ptr<SendParam> BuildScreenSaver(const Values& v, int duration, int frequence)
{
    return std::make_unique<InfoScScreenSaver>(v[0].text, v[1].on, v[2].on, false, duration, frequence);
}

std::unique_ptr<SendParam> BuildWallpaper(const Values& v, int duration, int frequence)
{
    return std::make_unique<InfoScWallpaper>(
        v[0].text, v[1].on, static_cast<InfoScWallpaper::EnumDisplayType>(v[2].number), false, duration, frequence);
}

std::unique_ptr<SendParam> BuildWeb(const Values& v, int duration, int frequence)
{
    return std::make_unique<InfoScWeb>(static_cast<EnumWebServer>(v[0].number), v[1].text, v[2].number, v[3].text,
                                       v[4].text, v[5].text, v[6].text, v[7].text, FileType(v[8]), v[9].on, false,
                                       duration, frequence);
}

void CheckFile(const SendParam& record, const Checker& check)
{
    const InfoScFile& file = As<InfoScFile>(record);
    check.RequireFileName(file.FName);
    check.RequireFolder(file.FPath);
}

void CheckEditor(const SendParam& record, const Checker& check)
{
    check.RequireFile(As<InfoScEditor>(record).FName, L"Editor file '");
}

void CheckEmail(const SendParam& record, const Checker& check)
{
    check.RequireText(As<InfoScEmail>(record).To, L"Empty email address 'To'.");
}

void CheckIcq(const SendParam& record, const Checker& check)
{
    check.Require(As<InfoScIcq>(record).UID >= 1, L"Invalid user ID.");
}

void CheckPrinter(const SendParam& record, const Checker& check)
{
    const InfoScPrinter& printer = As<InfoScPrinter>(record);
    check.RequireText(printer.Name, L"Empty printer name.");
    check.RequireText(printer.DrvName, L"Empty driver name.");
    check.RequireText(printer.PortName, L"Empty port name.");
    check.Require(printer.NumCopies >= 1 && printer.NumCopies <= 999,
                  L"Invalid number of copies (should be between 1 and 999).");
    check.Require(printer.Orientation == PO_PORTRAIT || printer.Orientation == PO_LANDSCAPE,
                  L"Invalid page orientation (Portrait/Landscape).");
}

void CheckFax(const SendParam& record, const Checker& check)
{
    const InfoScFax& fax = As<InfoScFax>(record);
    check.RequireText(fax.SvrName, L"Empty fax server name.");
    check.RequireText(fax.RecName, L"Empty recipient name.");
    check.RequireText(fax.RecNumber, L"Empty recipient number.");
    if (fax.UseCoverPage)
        check.RequireFile(fax.CoverPageName, L"Cover page file '");
}

void CheckDatabase(const SendParam& record, const Checker& check)
{
    const InfoScDatabase& database = As<InfoScDatabase>(record);
    check.RequireText(database.ConnStr, L"The connection string is empty.");
    check.RequireText(database.Table, L"The table name is empty.");
    check.RequireText(database.BlobCol, L"The image column name is empty.");
    check.RequireText(database.ExtraColInfo, L"The extra column names are empty.");
}

void CheckClipboard(const SendParam& record, const Checker& check)
{
    const EnumFileType type = As<InfoScClipboard>(record).FType;
    check.Require(type == FT_BMP || type == FT_DIB, L"Invalid format (expected BMP/DIB).");
}

void CheckScreenSaver(const SendParam& record, const Checker& check)
{
    check.RequireFileName(As<InfoScScreenSaver>(record).Name, L"Invalid screen saver name '");
}

void CheckWallpaper(const SendParam& record, const Checker& check)
{
    check.RequireFileName(As<InfoScWallpaper>(record).Name, L"Invalid wallpaper name '");
}

void CheckWeb(const SendParam& record, const Checker& check)
{
    const InfoScWeb& web = As<InfoScWeb>(record);
    check.RequireFileName(web.FName);
    check.RequireFolder(web.FPath);
    check.RequireText(web.HostAddress, L"Empty host address.");
    check.Require(web.Pwd.IsEmpty() || !web.Login.IsEmpty(), L"Empty login user name.");
    CString error;
    const bool validWebPath = ValidateDirectory(web.WebPath, error);
    check.Require(validWebPath, L"Invalid web path - " + error);
}

struct Destination
{
    EnumSendParam type;
    const wchar_t* name;
    FlagList flags;
    std::unique_ptr<SendParam> (*build)(const Values& values, int duration, int frequence);
    void (*check)(const SendParam& record, const Checker& check);

    CString Prefix() const { return kScreenPrefix + CString(name) + L": "; }
    int BaseCount() const { return kScreenFixedArgs + 2 * flags.count; }
};

const Destination kDestinations[] = {
    {SP_SC_FILE, L"File", kFileFlags, BuildFile, CheckFile},
    {SP_SC_EDITOR, L"Editor", kEditorFlags, BuildEditor, CheckEditor},
    {SP_SC_EMAIL, L"Email", kEmailFlags, BuildEmail, CheckEmail},
    {SP_SC_ICQ, L"ICQ", kIcqFlags, BuildIcq, CheckIcq},
    {SP_SC_PRINTER, L"Printer", kPrinterFlags, BuildPrinter, CheckPrinter},
    {SP_SC_FAX, L"Fax", kFaxFlags, BuildFax, CheckFax},
    {SP_SC_DATABASE, L"Database", kDatabaseFlags, BuildDatabase, CheckDatabase},
    {SP_SC_CLIPBOARD, L"Clipboard", kClipboardFlags, BuildClipboard, CheckClipboard},
    {SP_SC_SCREENSAVER, L"Screen Saver", kScreenSaverFlags, BuildScreenSaver, CheckScreenSaver},
    {SP_SC_WALLPAPER, L"Wallpaper", kWallpaperFlags, BuildWallpaper, CheckWallpaper},
    {SP_SC_WEB, L"Web", kWebFlags, BuildWeb, CheckWeb},
};

const Destination* FindDestination(int sendParam)
{
    for (const Destination& destination : kDestinations)
        if (destination.type == sendParam)
            return &destination;
    return nullptr;
}

const Flag kScreenFlags[] = {
    {L"-esParam", NUMBER, L"Send param type"},
    {L"-escType", NUMBER, L"Type"},
    {L"-size", TEXT, L"Size"},
};

// Reads the destination's flags and its tail from argument 9 and gives the screen
// manager the job's one destination.
void ParseDestination(CCmdLine& line, const Args& args, const Destination& destination)
{
    const CString prefix = destination.Prefix();
    const int base = destination.BaseCount();
    if (args.count != base && args.count != base + kDurationAndFrequencyArgs && args.count != base + kFullTailArgs)
        Fail(prefix + kMissingArguments);
    const Values own = ReadFlags(args, kScreenFixedArgs, prefix, destination.flags);
    const Values tail = ReadFlags(args, base, prefix, kTailFlags);

    const std::unique_ptr<SendParam> record = destination.build(own, tail[0].number, tail[1].number);
    line.m_captureCursor = tail[2].on;
    CJobScreenCaptureManager& manager = *line.m_screenManager;
    manager.SetRecord(*record);
    InfoScSettings settings;
    settings.Clear();
    settings.*DestinationOf(destination.type).flag = true;
    manager.SetSettings(settings);
    manager.SetSelection(line.m_selectionPoints, static_cast<EnumScreenCaptureType>(line.m_selectionType),
                         line.m_selectionText);
    manager.SetCaptureCursor(line.m_captureCursor);
}

void ParseScreen(CCmdLine& line, const Args& args)
{
    if (args.count < kScreenFixedArgs)
        Fail(CString(kScreenPrefix) + kMissingArguments);
    line.m_sendParam = ReadFlag(args, 3, kScreenPrefix, kScreenFlags[0]).number;
    const Destination* destination = FindDestination(line.m_sendParam);
    if (!destination)
        Fail(CString(kScreenPrefix) + L"Invalid Screen Capture type (File, Printer, etc).");
    line.m_selectionType = ReadSelectionType(ReadFlag(args, 5, kScreenPrefix, kScreenFlags[1]), kScreenPrefix);
    line.m_sizeText = ReadFlag(args, 7, kScreenPrefix, kScreenFlags[2]).text;
    ReadSelection(line);
    ParseDestination(line, args, *destination);
    line.m_record = true;
}

void ValidateScreen(const CCmdLine& line)
{
    const Destination& destination = *FindDestination(line.m_sendParam);
    const Checker check(destination.Prefix());
    CheckSelection(line, kScreenPrefix);
    const DestinationTiming timing = GetDestinationTiming(*line.m_screenManager->GetRecord(destination.type));
    check.RequireDuration(timing.duration);
    destination.check(*line.m_screenManager->GetRecord(destination.type), check);
}

// ---- Recordings and playings ---------------------------------------------------------

// Arguments before the flags of a recording or playing.
const int kMediaFixedArgs = 5;

const Flag kTrainingRecordingFlags[] = {
    {L"-file", TEXT, L"File name"},           {L"-path", TEXT, L"Path"},
    {L"-overwrite", ONE_TEXT, L"Overwrite"},  {L"-sound", ONE_TEXT, L"Sound"},
    {L"-device", TEXT, L"Sound device"},      {L"-format", TEXT, L"Sound input format"},
    {L"-pinName", TEXT, L"Input pin name"},   {L"-skipMouse", ONE_TEXT, L"Skip mouse"},
    {L"-skipKb", ONE_TEXT, L"Skip keyboard"}, {L"-duration", NUMBER, L"Duration"},
};
const Flag kTrainingPlayingFlags[] = {
    {L"-file", TEXT, L"File name"},
    {L"-sound", ONE_TEXT, L"Sound"},
    {L"-repeat", NUMBER, L"Repeat"},
    {L"-skipMouse", ONE_TEXT, L"Skip mouse"},
    {L"-skipKb", ONE_TEXT, L"Skip keyboard"},
    {L"-duration", NUMBER, L"Duration"},
    {L"-appToLaunch", TEXT, L"Application To Launch"},
    {L"-cmdLine", TEXT, L"Command Line"},
    {L"-left", NUMBER, L"Window Left"},
    {L"-top", NUMBER, L"Window Top"},
    {L"-width", NUMBER, L"Window Width"},
    {L"-height", NUMBER, L"Window Height"},
    {L"-delayTime", NUMBER, L"Delay Time"},
};
const Flag kAudioRecordingFlags[] = {
    {L"-file", TEXT, L"File name"},          {L"-path", TEXT, L"Path"},           {L"-fileType", NUMBER, L"File type"},
    {L"-overwrite", ONE_TEXT, L"Overwrite"}, {L"-device", TEXT, L"Input device"}, {L"-format", TEXT, L"Input format"},
    {L"-pinName", TEXT, L"Input pin name"},  {L"-duration", NUMBER, L"Duration"},
};
const Flag kAudioPlayingFlags[] = {
    {L"-file", TEXT, L"File name"},
    {L"-repeat", NUMBER, L"Repeat"},
    {L"-duration", NUMBER, L"Duration"},
};
const Flag kVideoRecordingFlags[] = {
    {L"-file", TEXT, L"File name"},
    {L"-path", TEXT, L"Path"},
    {L"-fileType", NUMBER, L"File type"},
    {L"-overwrite", ONE_TEXT, L"Overwrite"},
    {L"-duration", NUMBER, L"Duration"},
    {L"-videoDevice", TEXT, L"Video device"},
    {L"-framesRate", NUMBER, L"Frames rate"},
    {L"-preview", ONE_TEXT, L"Preview"},
    {L"-left", NUMBER, L"Window position left"},
    {L"-top", NUMBER, L"Window position top"},
    {L"-width", NUMBER, L"Window width"},
    {L"-height", NUMBER, L"Window height"},
    {L"-audio", ONE_TEXT, L"Audio"},
    {L"-audioDevice", TEXT, L"Audio input device"},
    {L"-audioFormat", TEXT, L"Audio input format"},
    {L"-audioPinName", TEXT, L"Audio input pin name"},
};
// Video and movie playings share their flags.
const Flag kVideoPlayingFlags[] = {
    {L"-file", TEXT, L"File name"},
    {L"-repeat", NUMBER, L"Repeat"},
    {L"-duration", NUMBER, L"Duration"},
    {L"-left", NUMBER, L"Window position left"},
    {L"-top", NUMBER, L"Window position top"},
    {L"-width", NUMBER, L"Window width"},
    {L"-height", NUMBER, L"Window height"},
    {L"-audio", ONE_TEXT, L"Audio"},
};
const Flag kMovieRecordingFlags[] = {
    {L"-file", TEXT, L"File name"},           {L"-path", TEXT, L"Path"},
    {L"-fileType", NUMBER, L"File type"},     {L"-overwrite", ONE_TEXT, L"Overwrite"},
    {L"-duration", NUMBER, L"Duration"},      {L"-freq", NUMBER, L"Frequency"},
    {L"-framesRate", NUMBER, L"Frames rate"}, {L"-escType", NUMBER, L"Screen capture selection type", true},
    {L"-size", TEXT, L"Window size"},         {L"-captCursor", ONE_TEXT, L"Capture Cursor"},
};

// Apply functions store the values in the kind's manager; show-dialog is always off.
void ApplyTrainingRecording(CCmdLine& line, const Values& v)
{
    line.m_cbtManager->GetRecording() = InfoCBTRecording(v[0].text, v[1].text, v[2].on, v[3].on, v[4].text, v[5].text,
                                                         v[6].text, v[7].on, v[8].on, v[9].number, false);
}

void ApplyTrainingPlaying(CCmdLine& line, const Values& v)
{
    line.m_cbtManager->GetPlaying() =
        InfoCBTPlaying(v[0].text, v[1].on, v[2].number, v[3].on, v[4].on, v[5].number, false, v[6].text, v[7].text,
                       v[12].number, v[8].number, v[9].number, v[10].number, v[11].number);
}

void ApplyAudioRecording(CCmdLine& line, const Values& v)
{
    line.m_audioManager->GetRecording() =
        InfoAudioRecording(v[0].text, v[1].text, static_cast<EnumAudioFileType>(v[2].number), v[3].on, v[4].text,
                           v[5].text, v[6].text, v[7].number, false, false);
}

void ApplyAudioPlaying(CCmdLine& line, const Values& v)
{
    line.m_audioManager->GetPlaying() = InfoAudioPlaying(v[0].text, v[2].number, v[1].number, false);
}

void ApplyVideoRecording(CCmdLine& line, const Values& v)
{
    line.m_videoManager->GetRecording() =
        InfoVideoRecording(v[0].text, v[1].text, static_cast<EnumVideoFileType>(v[2].number), v[3].on, v[4].number,
                           v[5].text, v[6].number, v[7].on, v[8].number, v[9].number, v[10].number, v[11].number,
                           v[12].on, v[13].text, v[14].text, v[15].text, false);
}

template <class Playing> Playing PlayingOf(const Values& v)
{
    return Playing(v[0].text, v[2].number, v[1].number, false, v[7].on, v[3].number, v[4].number, v[5].number,
                   v[6].number);
}

void ApplyVideoPlaying(CCmdLine& line, const Values& v)
{
    line.m_videoManager->GetPlaying() = PlayingOf<InfoVideoPlaying>(v);
}

void ApplyMovieRecording(CCmdLine& line, const Values& v)
{
    line.m_presentationManager->GetRecording() =
        InfoPresentationRecording(v[0].text, v[1].text, static_cast<EnumPresentationFileType>(v[2].number), v[3].on,
                                  v[4].number, v[5].number, v[6].number, false);
    line.m_selectionType = ReadSelectionType(v[7], L"Movie  ");
    line.m_sizeText = v[8].text;
    line.m_captureCursor = v[9].on;
    ReadSelection(line);
}

void ApplyMoviePlaying(CCmdLine& line, const Values& v)
{
    line.m_presentationManager->GetPlaying() = PlayingOf<InfoPresentationPlaying>(v);
}

// Checks. Recordings create a missing folder; audio, video and movie recordings need
// a duration to end, a training recording ends on the user's key as well.
void CheckTrainingRecording(const CCmdLine& line, const Checker& check)
{
    const InfoCBTRecording& recording = line.m_cbtManager->GetRecording();
    check.RequireFileName(recording.RecFName, L"Invalid training file name '");
    check.RequireFolder(recording.RecPath);
    if (!recording.RecSound)
        return;
    check.RequireText(recording.RecSoundDevice, L"The sound device is empty.");
    check.RequireText(recording.RecSoundFormat, L"The sound input format is empty.");
}

void CheckTrainingPlaying(const CCmdLine& line, const Checker& check)
{
    check.RequireFile(line.m_cbtManager->GetPlaying().PlayFName, L"Training file '");
}

void CheckAudioRecording(const CCmdLine& line, const Checker& check)
{
    const InfoAudioRecording& recording = line.m_audioManager->GetRecording();
    check.RequireDuration(static_cast<int>(recording.RecDuration));
    check.RequireFileName(recording.RecFName, L"Invalid audio file name '");
    check.RequireFolder(recording.RecPath);
    check.RequireText(recording.RecInputDevice, L"Audio input device is empty.");
    check.RequireText(recording.RecInputFormat, L"Audio input format is empty.");
    check.RequireText(recording.RecInputPinName, L"Audio input pin name is empty.");
}

void CheckAudioPlaying(const CCmdLine& line, const Checker& check)
{
    check.RequireFile(line.m_audioManager->GetPlaying().PlayFName, L"Audio file '");
}

void CheckVideoRecording(const CCmdLine& line, const Checker& check)
{
    const InfoVideoRecording& recording = line.m_videoManager->GetRecording();
    check.RequireDuration(static_cast<int>(recording.RecDuration));
    check.RequireFileName(recording.RecFName, L"Invalid video file name '");
    check.RequireFolder(recording.RecPath);
    check.RequireText(recording.RecVideoDevice, L"Video device is empty.");
    // The audio input is checked whether or not the recording takes sound.
    check.RequireText(recording.RecAudioInputDevice, L"Audio input device is empty.");
    check.RequireText(recording.RecAudioInputFormat, L"Audio input format is empty.");
    check.RequireText(recording.RecAudioInputPinName, L"Audio input pin name is empty.");
}

void CheckVideoPlaying(const CCmdLine& line, const Checker& check)
{
    check.RequireFile(line.m_videoManager->GetPlaying().PlayFName, L"Video file '");
}

void CheckMovieRecording(const CCmdLine& line, const Checker& check)
{
    const InfoPresentationRecording& recording = line.m_presentationManager->GetRecording();
    CheckSelection(line, L"Movie  ");
    check.RequireDuration(recording.RecDuration);
    check.Require(recording.RecFramesRate >= 1, L"The frames rate must be at least 1 frame per second.");
    check.RequireFileName(recording.RecFName, L"Invalid movie file name '");
    check.RequireFolder(recording.RecPath);
}

void CheckMoviePlaying(const CCmdLine& line, const Checker& check)
{
    check.RequireFile(line.m_presentationManager->GetPlaying().PlayFName, L"Movie file '");
}

// One recording or playing parser.
struct MediaParser
{
    const wchar_t* name;
    FlagList flags;
    // The counts accepted: exactly one of the two, or at least the first when the
    // second is 0.
    int count;
    int otherCount;
    void (*apply)(CCmdLine& line, const Values& values);
    void (*check)(const CCmdLine& line, const Checker& check);
    const SendParam& (*record)(const CCmdLine& line);

    bool Accepts(int argc) const { return otherCount == 0 ? argc >= count : argc == count || argc == otherCount; }
};

// A capture kind chosen by its type word: its type flag picks recording (1) or playing.
struct MediaKind
{
    const wchar_t* typeWord;
    const wchar_t* prefix;
    const wchar_t* typeFlag;
    MediaParser recording;
    MediaParser playing;
};

const MediaKind kMediaKinds[] = {
    {L"VELLUMOR_CBT",
     L"Training  ",
     L"-cbtType",
     {L"Recording", kTrainingRecordingFlags, 25, 0, ApplyTrainingRecording, CheckTrainingRecording,
      [](const CCmdLine& l) -> const SendParam& { return l.m_cbtManager->GetRecording(); }},
     {L"Playing", kTrainingPlayingFlags, 17, 31, ApplyTrainingPlaying, CheckTrainingPlaying,
      [](const CCmdLine& l) -> const SendParam& { return l.m_cbtManager->GetPlaying(); }}},
    {L"VELLUMOR_AUDIO",
     L"Audio  ",
     L"-audioType",
     {L"Recording", kAudioRecordingFlags, 21, 0, ApplyAudioRecording, CheckAudioRecording,
      [](const CCmdLine& l) -> const SendParam& { return l.m_audioManager->GetRecording(); }},
     {L"Playing", kAudioPlayingFlags, 11, 0, ApplyAudioPlaying, CheckAudioPlaying,
      [](const CCmdLine& l) -> const SendParam& { return l.m_audioManager->GetPlaying(); }}},
    {L"VELLUMOR_VIDEO",
     L"Video  ",
     L"-videoType",
     {L"Recording", kVideoRecordingFlags, 37, 0, ApplyVideoRecording, CheckVideoRecording,
      [](const CCmdLine& l) -> const SendParam& { return l.m_videoManager->GetRecording(); }},
     {L"Playing", kVideoPlayingFlags, 21, 0, ApplyVideoPlaying, CheckVideoPlaying,
      [](const CCmdLine& l) -> const SendParam& { return l.m_videoManager->GetPlaying(); }}},
    {L"VELLUMOR_PRESENTATION",
     L"Movie  ",
     L"-presType",
     {L"Recording", kMovieRecordingFlags, 25, 27, ApplyMovieRecording, CheckMovieRecording,
      [](const CCmdLine& l) -> const SendParam& { return l.m_presentationManager->GetRecording(); }},
     {L"Playing", kVideoPlayingFlags, 21, 0, ApplyMoviePlaying, CheckMoviePlaying,
      [](const CCmdLine& l) -> const SendParam& { return l.m_presentationManager->GetPlaying(); }}},
};

const MediaKind* FindMediaKind(const CString& typeWord)
{
    for (const MediaKind& kind : kMediaKinds)
        if (typeWord.CompareNoCase(kind.typeWord) == 0)
            return &kind;
    return nullptr;
}

CString PrefixOf(const MediaKind& kind, const MediaParser& parser)
{
    return kind.prefix + CString(parser.name) + L": ";
}

void ParseMedia(CCmdLine& line, const Args& args, const MediaKind& kind)
{
    if (args.count < kMediaFixedArgs)
        Fail(kind.prefix + CString(kMissingArguments));
    const Flag typeFlag = {kind.typeFlag, NUMBER, L"Type"};
    line.m_record = ReadFlag(args, 3, kind.prefix, typeFlag).number == 1;
    const MediaParser& parser = line.m_record ? kind.recording : kind.playing;
    const CString prefix = PrefixOf(kind, parser);
    if (!parser.Accepts(args.count))
        Fail(prefix + kMissingArguments);
    parser.apply(line, ReadFlags(args, kMediaFixedArgs, prefix, parser.flags));
}

void ValidateMedia(const CCmdLine& line, const MediaKind& kind)
{
    const MediaParser& parser = line.m_record ? kind.recording : kind.playing;
    parser.check(line, Checker(PrefixOf(kind, parser)));
}

bool IsScreenJob(const CString& typeWord)
{
    return typeWord.CompareNoCase(kScreenType) == 0;
}
} // namespace

CCmdLine::CCmdLine(int argc, const wchar_t* const* argv, bool validate)
    : m_screenManager(new CJobScreenCaptureManager), m_cbtManager(new CJobCBTManager(L"Training")),
      m_audioManager(new CJobAudioManager(L"Audio")), m_videoManager(new CJobVideoManager(L"Video")),
      m_presentationManager(new CJobPresentationManager)
{
    // A throw leaves no object whose destructor would free the managers.
    try
    {
        Parse(argc, argv, validate);
    }
    catch (...)
    {
        DeleteManagers();
        throw;
    }
}

CCmdLine::~CCmdLine()
{
    DeleteManagers();
}

void CCmdLine::DeleteManagers()
{
    delete m_screenManager;
    delete m_cbtManager;
    delete m_audioManager;
    delete m_videoManager;
    delete m_presentationManager;
    m_screenManager = nullptr;
    m_cbtManager = nullptr;
    m_audioManager = nullptr;
    m_videoManager = nullptr;
    m_presentationManager = nullptr;
}

void CCmdLine::Parse(int argc, const wchar_t* const* argv, bool validate)
{
    const Args args = {argc, argv};
    for (int i = 0; i < argc; ++i)
        m_cmdLine += args[i] + L' ';
    const CString unknown = L"*Unknown*  ";
    if (argc < 3)
        Fail(unknown + kMissingArguments);
    if (!IsFlag(args, 1, L"-type"))
        Fail(unknown + L"Capture type flag (-type) is missing.");
    m_type = args[2];

    // Any other type word is a job that does nothing.
    if (IsScreenJob(m_type))
    {
        ParseScreen(*this, args);
        if (validate)
            ValidateScreen(*this);
    }
    else if (const MediaKind* kind = FindMediaKind(m_type))
    {
        ParseMedia(*this, args, *kind);
        if (validate)
            ValidateMedia(*this, *kind);
    }
}

const SendParam* CCmdLine::GetRecord() const
{
    if (IsScreenJob(m_type))
        return m_screenManager->GetRecord(static_cast<EnumSendParam>(m_sendParam));
    const MediaKind* kind = FindMediaKind(m_type);
    if (!kind)
        return nullptr;
    const MediaParser& parser = m_record ? kind->recording : kind->playing;
    return &parser.record(*this);
}
