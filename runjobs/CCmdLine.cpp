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
#include "capture/destinations/DestinationTable.h"
#include "common/PathHelpers.h"
#include "common/PathValidation.h"
#include "common/TextHelpers.h"

#include <cwchar>
#include <stdexcept>
#include <vector>

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

// A table of flags in the order a line carries them.
struct FlagList
{
    template <int N> constexpr FlagList(const Flag (&flags)[N]) : items(flags), count(N) {}

    // The place of the flag of that name in the table; count when it has none.
    int IndexOf(const wchar_t* name) const
    {
        int index = 0;
        while (index < count && std::wcscmp(items[index].name, name) != 0)
            ++index;
        return index;
    }

    const Flag* items;
    int count;
};

// The arguments a number of flags take, each flag with its value.
int ArgsOf(int flags)
{
    return 2 * flags;
}

// The values of a table's flags, read by flag name.
class Values
{
public:
    explicit Values(FlagList flags) : m_flags(flags), m_values(static_cast<size_t>(flags.count)) {}

    void Set(int index, const Value& value) { m_values[static_cast<size_t>(index)] = value; }

    const Value& Get(const wchar_t* name) const
    {
        const int index = m_flags.IndexOf(name);
        // A name the table lacks is a fault of this file, never of the line.
        if (index == m_flags.count)
            throw std::logic_error("a job flag is read by a name its table does not have");
        return m_values[static_cast<size_t>(index)];
    }
    const CString& Text(const wchar_t* name) const { return Get(name).text; }
    int Number(const wchar_t* name) const { return Get(name).number; }
    bool On(const wchar_t* name) const { return Get(name).on; }
    template <class Enum> Enum Choice(const wchar_t* name) const { return static_cast<Enum>(Number(name)); }

private:
    FlagList m_flags;
    std::vector<Value> m_values;
};

// The process arguments, argument 0 being the program.
struct Args
{
    int count;
    const wchar_t* const* items;

    CString operator[](int index) const { return items[index]; }
};

// Arguments before a kind's own flags: the program, "-type" and the type word.
const int kTypeArgs = 3;

const wchar_t kTask[] = L"Task  ";
const wchar_t kMissingArguments[] = L"Command line arguments are missing.";
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

// Reads a line's flags in order, each followed by its value, from a position on.
class FlagReader
{
public:
    FlagReader(const Args& args, int position) : m_args(args), m_position(position) {}

    // The flag expected next, which the line must still hold, and its value (empty
    // values when the line ends after the flag). Any other argument fails with prefix.
    Value Read(const Flag& flag, const CString& prefix)
    {
        if (!IsFlag(m_args, m_position, flag.name))
            Fail(prefix + flag.what + (flag.bare ? L"" : L" flag") + L" (" + flag.name + L") is missing.");
        const int valuePosition = m_position + 1;
        m_position += ArgsOf(1);
        return valuePosition < m_args.count ? ReadValue(m_args[valuePosition], flag.form) : Value();
    }

    // The table's flags in order, until the arguments run out; the flags beyond keep
    // empty values.
    Values ReadAll(FlagList flags, const CString& prefix)
    {
        Values values(flags);
        for (int i = 0; i < flags.count && m_position < m_args.count; ++i)
            values.Set(i, Read(flags.items[i], prefix));
        return values;
    }

private:
    const Args& m_args;
    int m_position;
};

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

int ReadSelectionType(const Value& value, const CString& prefix)
{
    if (value.number < SCT_FREE_HAND || value.number > SCT_DESKTOP)
        Fail(prefix + kInvalidSelectionType);
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

void CheckSelection(const CCmdLine& line)
{
    for (const PointSelection& selection : kPointSelections)
    {
        if (selection.type != line.m_selectionType || line.m_selectionPoints.GetSize() >= selection.minimum)
            continue;
        CString message;
        message.Format(L"The %s selection needs at least %d points (x,y) in -size.", selection.name, selection.minimum);
        Fail(JobKindPrefix(line.m_kind) + message);
    }
    // The window is looked up by its title at each capture: no title names no window.
    if (line.m_selectionType == SCT_WINDOW && line.m_selectionText.IsEmpty())
        Fail(JobKindPrefix(line.m_kind) + L"The window selection needs the window's title in -size.");
}

template <class Record> const Record& As(const SendParam& record)
{
    return static_cast<const Record&>(record);
}

// ---- Screen destinations -------------------------------------------------------------

// The flags every screen line starts with, after the type word.
const Flag kDestinationFlag = {L"-esParam", NUMBER, L"Send param type"};
const Flag kSelectionTypeFlag = {L"-escType", NUMBER, L"Type"};
const Flag kSizeFlag = {L"-size", TEXT, L"Size"};
// Arguments before a destination's own flags: the type's and the three above.
const int kScreenFixedArgs = kTypeArgs + ArgsOf(3);

// Every destination's flags end with this tail.
const Flag kTailFlags[] = {
    {L"-duration", NUMBER, L"Duration"},
    {L"-freq", NUMBER, L"Frequency"},
    {L"-captCursor", ONE_TEXT, L"Capture Cursor"},
};
// How many of the tail's flags a line may carry: none, those before -captCursor
// (duration and frequency), or all.
const int kTailLengths[] = {0, FlagList(kTailFlags).IndexOf(L"-captCursor"), FlagList(kTailFlags).count};

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

EnumFileType FileType(const Values& v)
{
    return v.Choice<EnumFileType>(L"-imgType");
}

// Builders: the destination's own values, then duration and frequency. Show-dialog and
// display are always off in a job.
std::unique_ptr<SendParam> BuildFile(const Values& v, int duration, int frequence)
{
    return std::make_unique<InfoScFile>(v.Text(L"-file"), v.Text(L"-path"), FileType(v), v.On(L"-overwrite"), false,
                                        duration, frequence);
}

std::unique_ptr<SendParam> BuildEditor(const Values& v, int duration, int frequence)
{
    return std::make_unique<InfoScEditor>(v.Text(L"-editorPath"), FileType(v), false, duration, frequence);
}

std::unique_ptr<SendParam> BuildEmail(const Values& v, int duration, int frequence)
{
    return std::make_unique<InfoScEmail>(v.Text(L"-server"), v.Text(L"-from"), v.Text(L"-to"), v.Text(L"-cc"),
                                         v.Text(L"-subject"), v.Text(L"-body"), v.On(L"-imgAttached"), FileType(v),
                                         false, duration, frequence);
}

std::unique_ptr<SendParam> BuildIcq(const Values& v, int duration, int frequence)
{
    return std::make_unique<InfoScIcq>(L"", L"", v.Number(L"-UID"), 0, FileType(v), false, duration, frequence);
}

std::unique_ptr<SendParam> BuildPrinter(const Values& v, int duration, int frequence)
{
    return std::make_unique<InfoScPrinter>(v.Text(L"-prtName"), v.Text(L"-drvName"), v.Text(L"-portName"), false,
                                           v.Choice<EnumPageOrientation>(L"-orient"), v.Number(L"-numCopies"), duration,
                                           frequence);
}

std::unique_ptr<SendParam> BuildFax(const Values& v, int duration, int frequence)
{
    return std::make_unique<InfoScFax>(v.Text(L"-svrName"), v.Text(L"-recipNum"), v.Text(L"-recipName"),
                                       v.Text(L"-recipComp"), v.Text(L"-recipDepart"), v.Text(L"-note"),
                                       v.Text(L"-subject"), v.Text(L"-covPgName"), v.On(L"-useCovPg"), false, duration,
                                       frequence);
}

std::unique_ptr<SendParam> BuildDatabase(const Values& v, int duration, int frequence)
{
    return std::make_unique<InfoScDatabase>(v.Text(L"-connStr"), v.Text(L"-table"), v.Text(L"-blobCol"),
                                            v.Text(L"-extraCol"), false, duration, frequence);
}

std::unique_ptr<SendParam> BuildClipboard(const Values& v, int duration, int frequence)
{
    return std::make_unique<InfoScClipboard>(FileType(v), false, duration, frequence);
}

std::unique_ptr<SendParam> BuildScreenSaver(const Values& v, int duration, int frequence)
{
    return std::make_unique<InfoScScreenSaver>(v.Text(L"-name"), v.On(L"-createUnique"), v.On(L"-makeCurrent"), false,
                                               duration, frequence);
}

std::unique_ptr<SendParam> BuildWallpaper(const Values& v, int duration, int frequence)
{
    return std::make_unique<InfoScWallpaper>(v.Text(L"-name"), v.On(L"-createUnique"),
                                             v.Choice<InfoScWallpaper::EnumDisplayType>(L"-displayType"), false,
                                             duration, frequence);
}

std::unique_ptr<SendParam> BuildWeb(const Values& v, int duration, int frequence)
{
    return std::make_unique<InfoScWeb>(v.Choice<EnumWebServer>(L"-webSvr"), v.Text(L"-hostAddr"), v.Number(L"-port"),
                                       v.Text(L"-login"), v.Text(L"-pwd"), v.Text(L"-webPath"), v.Text(L"-file"),
                                       v.Text(L"-path"), FileType(v), v.On(L"-overwrite"), false, duration, frequence);
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

// One destination's part of a screen line. The destination's flag in the settings
// comes from the destination table.
struct ScreenParser
{
    EnumSendParam type;
    // Names the destination in failure texts.
    const wchar_t* name;
    FlagList flags;
    std::unique_ptr<SendParam> (*build)(const Values& values, int duration, int frequence);
    void (*check)(const SendParam& record, const Checker& check);

    CString Prefix() const { return JobKindPrefix(JobKind::Screen) + name + L": "; }
    // The destination's flags, then as much of the tail as a line may carry.
    bool Accepts(int argc) const
    {
        for (int tail : kTailLengths)
            if (argc == kScreenFixedArgs + ArgsOf(flags.count + tail))
                return true;
        return false;
    }
};

const ScreenParser kScreenParsers[] = {
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

const ScreenParser* FindScreenParser(int sendParam)
{
    for (const ScreenParser& parser : kScreenParsers)
        if (parser.type == sendParam)
            return &parser;
    return nullptr;
}

// Reads the destination's flags and its tail, which follow the screen line's first
// flags, and gives the screen manager the job's one destination.
void ParseDestination(CCmdLine& line, const Args& args, const ScreenParser& parser)
{
    const CString prefix = parser.Prefix();
    if (!parser.Accepts(args.count))
        Fail(prefix + kMissingArguments);
    FlagReader reader(args, kScreenFixedArgs);
    const Values own = reader.ReadAll(parser.flags, prefix);
    const Values tail = reader.ReadAll(kTailFlags, prefix);

    const std::unique_ptr<SendParam> record = parser.build(own, tail.Number(L"-duration"), tail.Number(L"-freq"));
    line.m_captureCursor = tail.On(L"-captCursor");
    CJobScreenCaptureManager& manager = *line.m_screenManager;
    manager.SetRecord(*record);
    InfoScSettings settings;
    settings.Clear();
    settings.*DestinationOf(parser.type).flag = true;
    manager.SetSettings(settings);
    manager.SetSelection(line.m_selectionPoints, static_cast<EnumScreenCaptureType>(line.m_selectionType),
                         line.m_selectionText);
    manager.SetCaptureCursor(line.m_captureCursor);
}

void ParseScreen(CCmdLine& line, const Args& args)
{
    const CString prefix = JobKindPrefix(JobKind::Screen);
    if (args.count < kScreenFixedArgs)
        Fail(prefix + kMissingArguments);
    FlagReader reader(args, kTypeArgs);
    line.m_sendParam = reader.Read(kDestinationFlag, prefix).number;
    const ScreenParser* parser = FindScreenParser(line.m_sendParam);
    if (!parser)
        Fail(prefix + L"Invalid Screen Capture type (File, Printer, etc).");
    line.m_selectionType = ReadSelectionType(reader.Read(kSelectionTypeFlag, prefix), prefix);
    line.m_sizeText = reader.Read(kSizeFlag, prefix).text;
    ReadSelection(line);
    ParseDestination(line, args, *parser);
    line.m_record = true;
}

void ValidateScreen(const CCmdLine& line)
{
    const ScreenParser& parser = *FindScreenParser(line.m_sendParam);
    const Checker check(parser.Prefix());
    const SendParam& record = *line.m_screenManager->GetRecord(parser.type);
    CheckSelection(line);
    check.RequireDuration(GetDestinationTiming(record).duration);
    parser.check(record, check);
}

// ---- Recordings and playings ---------------------------------------------------------

// Arguments before the flags of a recording or playing: the type's, then the kind's
// type flag and its value.
const int kMediaFixedArgs = kTypeArgs + ArgsOf(1);

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
    line.m_cbtManager->GetRecording() = InfoCBTRecording(
        v.Text(L"-file"), v.Text(L"-path"), v.On(L"-overwrite"), v.On(L"-sound"), v.Text(L"-device"),
        v.Text(L"-format"), v.Text(L"-pinName"), v.On(L"-skipMouse"), v.On(L"-skipKb"), v.Number(L"-duration"), false);
}

void ApplyTrainingPlaying(CCmdLine& line, const Values& v)
{
    line.m_cbtManager->GetPlaying() = InfoCBTPlaying(
        v.Text(L"-file"), v.On(L"-sound"), v.Number(L"-repeat"), v.On(L"-skipMouse"), v.On(L"-skipKb"),
        v.Number(L"-duration"), false, v.Text(L"-appToLaunch"), v.Text(L"-cmdLine"), v.Number(L"-delayTime"),
        v.Number(L"-left"), v.Number(L"-top"), v.Number(L"-width"), v.Number(L"-height"));
}

void ApplyAudioRecording(CCmdLine& line, const Values& v)
{
    line.m_audioManager->GetRecording() = InfoAudioRecording(
        v.Text(L"-file"), v.Text(L"-path"), v.Choice<EnumAudioFileType>(L"-fileType"), v.On(L"-overwrite"),
        v.Text(L"-device"), v.Text(L"-format"), v.Text(L"-pinName"), v.Number(L"-duration"), false, false);
}

void ApplyAudioPlaying(CCmdLine& line, const Values& v)
{
    line.m_audioManager->GetPlaying() =
        InfoAudioPlaying(v.Text(L"-file"), v.Number(L"-duration"), v.Number(L"-repeat"), false);
}

void ApplyVideoRecording(CCmdLine& line, const Values& v)
{
    line.m_videoManager->GetRecording() = InfoVideoRecording(
        v.Text(L"-file"), v.Text(L"-path"), v.Choice<EnumVideoFileType>(L"-fileType"), v.On(L"-overwrite"),
        v.Number(L"-duration"), v.Text(L"-videoDevice"), v.Number(L"-framesRate"), v.On(L"-preview"),
        v.Number(L"-left"), v.Number(L"-top"), v.Number(L"-width"), v.Number(L"-height"), v.On(L"-audio"),
        v.Text(L"-audioDevice"), v.Text(L"-audioFormat"), v.Text(L"-audioPinName"), false);
}

template <class Playing> Playing PlayingOf(const Values& v)
{
    return Playing(v.Text(L"-file"), v.Number(L"-duration"), v.Number(L"-repeat"), false, v.On(L"-audio"),
                   v.Number(L"-left"), v.Number(L"-top"), v.Number(L"-width"), v.Number(L"-height"));
}

void ApplyVideoPlaying(CCmdLine& line, const Values& v)
{
    line.m_videoManager->GetPlaying() = PlayingOf<InfoVideoPlaying>(v);
}

void ApplyMovieRecording(CCmdLine& line, const Values& v)
{
    line.m_presentationManager->GetRecording() = InfoPresentationRecording(
        v.Text(L"-file"), v.Text(L"-path"), v.Choice<EnumPresentationFileType>(L"-fileType"), v.On(L"-overwrite"),
        v.Number(L"-duration"), v.Number(L"-freq"), v.Number(L"-framesRate"), false);
    line.m_selectionType = ReadSelectionType(v.Get(L"-escType"), JobKindPrefix(JobKind::Movie));
    line.m_sizeText = v.Text(L"-size");
    line.m_captureCursor = v.On(L"-captCursor");
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
    CheckSelection(line);
    check.RequireDuration(recording.RecDuration);
    check.Require(recording.RecFramesRate >= 1, L"The frames rate must be at least 1 frame per second.");
    check.RequireFileName(recording.RecFName, L"Invalid movie file name '");
    check.RequireFolder(recording.RecPath);
}

void CheckMoviePlaying(const CCmdLine& line, const Checker& check)
{
    check.RequireFile(line.m_presentationManager->GetPlaying().PlayFName, L"Movie file '");
}

// How many of its flags the line of a recording or playing carries.
enum class Length
{
    AllOrMore,        // every flag; the arguments after them are ignored
    AllOrFirst,       // every flag, or only those before the first optional one
    AllOrOnePairMore, // every flag, or every flag and one more flag and value, ignored
};

// One recording or playing parser.
struct MediaParser
{
    FlagList flags;
    Length length;
    // With AllOrFirst: the first of the flags a line carries all or none of.
    const wchar_t* firstOptional;
    void (*apply)(CCmdLine& line, const Values& values);
    void (*check)(const CCmdLine& line, const Checker& check);
    const SendParam& (*record)(const CCmdLine& line);

    bool Accepts(int argc) const
    {
        const int all = kMediaFixedArgs + ArgsOf(flags.count);
        switch (length)
        {
        case Length::AllOrMore:
            return argc >= all;
        case Length::AllOrFirst:
            return argc == all || argc == kMediaFixedArgs + ArgsOf(flags.IndexOf(firstOptional));
        case Length::AllOrOnePairMore:
            return argc == all || argc == all + ArgsOf(1);
        }
        return false;
    }
};

// A capture kind other than the screen's: its type flag picks recording (1) or playing.
struct MediaKind
{
    JobKind kind;
    const wchar_t* typeFlag;
    MediaParser recording;
    MediaParser playing;
};

const MediaKind kMediaKinds[] = {
    {JobKind::Training,
     L"-cbtType",
     {kTrainingRecordingFlags, Length::AllOrMore, nullptr, ApplyTrainingRecording, CheckTrainingRecording,
      [](const CCmdLine& l) -> const SendParam& { return l.m_cbtManager->GetRecording(); }},
     {kTrainingPlayingFlags, Length::AllOrFirst, L"-appToLaunch", ApplyTrainingPlaying, CheckTrainingPlaying,
      [](const CCmdLine& l) -> const SendParam& { return l.m_cbtManager->GetPlaying(); }}},
    {JobKind::Audio,
     L"-audioType",
     {kAudioRecordingFlags, Length::AllOrMore, nullptr, ApplyAudioRecording, CheckAudioRecording,
      [](const CCmdLine& l) -> const SendParam& { return l.m_audioManager->GetRecording(); }},
     {kAudioPlayingFlags, Length::AllOrMore, nullptr, ApplyAudioPlaying, CheckAudioPlaying,
      [](const CCmdLine& l) -> const SendParam& { return l.m_audioManager->GetPlaying(); }}},
    {JobKind::Video,
     L"-videoType",
     {kVideoRecordingFlags, Length::AllOrMore, nullptr, ApplyVideoRecording, CheckVideoRecording,
      [](const CCmdLine& l) -> const SendParam& { return l.m_videoManager->GetRecording(); }},
     {kVideoPlayingFlags, Length::AllOrMore, nullptr, ApplyVideoPlaying, CheckVideoPlaying,
      [](const CCmdLine& l) -> const SendParam& { return l.m_videoManager->GetPlaying(); }}},
    {JobKind::Movie,
     L"-presType",
     {kMovieRecordingFlags, Length::AllOrOnePairMore, nullptr, ApplyMovieRecording, CheckMovieRecording,
      [](const CCmdLine& l) -> const SendParam& { return l.m_presentationManager->GetRecording(); }},
     {kVideoPlayingFlags, Length::AllOrMore, nullptr, ApplyMoviePlaying, CheckMoviePlaying,
      [](const CCmdLine& l) -> const SendParam& { return l.m_presentationManager->GetPlaying(); }}},
};

const MediaKind* FindMediaKind(JobKind kind)
{
    for (const MediaKind& media : kMediaKinds)
        if (media.kind == kind)
            return &media;
    return nullptr;
}

const MediaParser& ParserOf(const MediaKind& kind, bool record)
{
    return record ? kind.recording : kind.playing;
}

void ParseMedia(CCmdLine& line, const Args& args, const MediaKind& kind)
{
    const CString kindPrefix = JobKindPrefix(kind.kind);
    if (args.count < kMediaFixedArgs)
        Fail(kindPrefix + kMissingArguments);
    FlagReader reader(args, kTypeArgs);
    const Flag typeFlag = {kind.typeFlag, NUMBER, L"Type"};
    line.m_record = reader.Read(typeFlag, kindPrefix).number == 1;
    const MediaParser& parser = ParserOf(kind, line.m_record);
    const CString prefix = JobStepPrefix(kind.kind, line.m_record);
    if (!parser.Accepts(args.count))
        Fail(prefix + kMissingArguments);
    parser.apply(line, reader.ReadAll(parser.flags, prefix));
}

void ValidateMedia(const CCmdLine& line, const MediaKind& kind)
{
    ParserOf(kind, line.m_record).check(line, Checker(JobStepPrefix(kind.kind, line.m_record)));
}
} // namespace

CCmdLine::CCmdLine(int argc, const wchar_t* const* argv, bool validate)
{
    Parse(argc, argv, validate);
}

CCmdLine::~CCmdLine() = default;

void CCmdLine::Parse(int argc, const wchar_t* const* argv, bool validate)
{
    const Args args = {argc, argv};
    for (int i = 0; i < argc; ++i)
        m_cmdLine += args[i] + L' ';
    const CString unknown = JobKindPrefix(JobKind::None);
    if (argc < kTypeArgs)
        Fail(unknown + kMissingArguments);
    if (!IsFlag(args, 1, L"-type"))
        Fail(unknown + L"Capture type flag (-type) is missing.");
    m_type = args[2];
    m_kind = JobKindOf(m_type);
    MakeManager();

    // Any other type word is a job that does nothing.
    if (m_kind == JobKind::Screen)
    {
        ParseScreen(*this, args);
        if (validate)
            ValidateScreen(*this);
    }
    else if (const MediaKind* kind = FindMediaKind(m_kind))
    {
        ParseMedia(*this, args, *kind);
        if (validate)
            ValidateMedia(*this, *kind);
    }
}

void CCmdLine::MakeManager()
{
    switch (m_kind)
    {
    case JobKind::Screen:
        m_screenManager = std::make_unique<CJobScreenCaptureManager>();
        break;
    case JobKind::Training:
        m_cbtManager = std::make_unique<CJobCBTManager>();
        break;
    case JobKind::Audio:
        m_audioManager = std::make_unique<CJobAudioManager>();
        break;
    case JobKind::Video:
        m_videoManager = std::make_unique<CJobVideoManager>();
        break;
    case JobKind::Movie:
        m_presentationManager = std::make_unique<CJobPresentationManager>();
        break;
    case JobKind::None:
        break;
    }
}

const SendParam* CCmdLine::GetRecord() const
{
    if (m_kind == JobKind::Screen)
        return m_screenManager->GetRecord(static_cast<EnumSendParam>(m_sendParam));
    const MediaKind* kind = FindMediaKind(m_kind);
    return kind ? &ParserOf(*kind, m_record).record(*this) : nullptr;
}
