#include "Info/InfoGlobalFunctions.h"
#include "Info/InfoScClipboard.h"
#include "Info/InfoScEditor.h"
#include "Info/InfoScIcq.h"
#include "Info/InfoScPrinter.h"
#include "Info/InfoScScreenSaver.h"
#include "Info/InfoScWallpaper.h"
#include "Info/tests/InfoTestSupport.h"

#include <winspool.h>

#include <typeinfo>

using namespace InfoTest;

namespace
{
const wchar_t* const kEditorKey = L"ScreenCapture\\Editor";
const wchar_t* const kClipboardKey = L"ScreenCapture\\Clipboard";
const wchar_t* const kIcqKey = L"ScreenCapture\\ICQ";
const wchar_t* const kPrinterKey = L"ScreenCapture\\Printer";
const wchar_t* const kScreenSaverKey = L"ScreenCapture\\ScreenSaver";
const wchar_t* const kWallpaperKey = L"ScreenCapture\\Wallpaper";

template <typename T> const T& As(const SendParam& r)
{
    return static_cast<const T&>(r);
}

RecordCase EditorCase()
{
    RecordCase c = MakeRecordCase<InfoScEditor>("Editor", kEditorKey, SP_SC_EDITOR);
    c.change = [](SendParam& r) {
        static_cast<InfoScEditor&>(r) = InfoScEditor(L"C:\\Tools\\paint.exe", FT_GIF, true, 20, 4);
    };
    c.parts = {{0, {L"FName", L"FType", L"ShowDlg", L"Duration", L"Frequence"}},
               {1, {L"ShowDlg"}},
               {2, {L"FName", L"FType"}},
               {3, {L"Duration", L"Frequence"}}};
    c.unknownPart = 7;
    c.boolValue = L"ShowDlg";
    c.boolField = [](const SendParam& r) { return As<InfoScEditor>(r).ShowDlg; };
    c.wrongTypeValue = L"Duration";
    c.readDespite = [](const SendParam& l, const SendParam& s) {
        auto& loaded = As<InfoScEditor>(l);
        auto& saved = As<InfoScEditor>(s);
        return loaded.FName == saved.FName && loaded.Frequence == saved.Frequence && loaded.FType == FT_BMP &&
               !loaded.ShowDlg;
    };
    return c;
}

RecordCase ClipboardCase()
{
    RecordCase c = MakeRecordCase<InfoScClipboard>("Clipboard", kClipboardKey, SP_SC_CLIPBOARD);
    c.change = [](SendParam& r) { static_cast<InfoScClipboard&>(r) = InfoScClipboard(FT_DIB, true, 12, 3); };
    c.parts = {{0, {L"FType", L"ShowDlg", L"Duration", L"Frequence"}},
               {1, {L"ShowDlg"}},
               {2, {L"FType"}},
               {3, {L"Duration", L"Frequence"}}};
    c.unknownPart = 7;
    c.boolValue = L"ShowDlg";
    c.boolField = [](const SendParam& r) { return As<InfoScClipboard>(r).ShowDlg; };
    c.wrongTypeValue = L"ShowDlg";
    c.readDespite = [](const SendParam& l, const SendParam& s) {
        auto& loaded = As<InfoScClipboard>(l);
        auto& saved = As<InfoScClipboard>(s);
        return loaded.Duration == saved.Duration && loaded.Frequence == saved.Frequence && loaded.FType == FT_BMP;
    };
    return c;
}

RecordCase IcqCase()
{
    RecordCase c = MakeRecordCase<InfoScIcq>("ICQ", kIcqKey, SP_SC_ICQ);
    c.change = [](SendParam& r) {
        static_cast<InfoScIcq&>(r) = InfoScIcq(L"Ada", L"Byron", 123456, 0x0A000001, FT_PNG, true, 9, 3);
    };
    c.parts = {{0, {L"FirstName", L"LastName", L"UID", L"IP", L"FType", L"ShowDlg", L"Duration", L"Frequence"}},
               {1, {L"ShowDlg"}},
               {2, {L"FirstName", L"LastName", L"UID", L"IP", L"FType"}},
               {3, {L"Duration", L"Frequence"}}};
    c.unknownPart = 7;
    c.boolValue = L"ShowDlg";
    c.boolField = [](const SendParam& r) { return As<InfoScIcq>(r).ShowDlg; };
    c.wrongTypeValue = L"FType";
    c.readDespite = [](const SendParam& l, const SendParam& s) {
        auto& loaded = As<InfoScIcq>(l);
        auto& saved = As<InfoScIcq>(s);
        // ShowDlg is committed together with FType, so it is dropped too.
        return loaded.LastName == saved.LastName && loaded.IP == saved.IP && loaded.Frequence == saved.Frequence &&
               !loaded.ShowDlg;
    };
    return c;
}

RecordCase PrinterCase()
{
    RecordCase c = MakeRecordCase<InfoScPrinter>("Printer", kPrinterKey, SP_SC_PRINTER);
    c.change = [](SendParam& r) {
        static_cast<InfoScPrinter&>(r) =
            InfoScPrinter(L"Office Laser", L"Laser Driver", L"LPT2:", true, PO_LANDSCAPE, 3, 40, 8);
    };
    c.parts = {
        {0, {L"Name", L"DrvName", L"PortName", L"ShowDlg", L"Orientation", L"NumCopies", L"Duration", L"Frequence"}},
        {1, {L"ShowDlg"}},
        {2, {L"Name", L"DrvName", L"PortName", L"Orientation", L"NumCopies"}},
        {3, {L"Duration", L"Frequence"}}};
    c.unknownPart = 7;
    c.boolValue = L"ShowDlg";
    c.boolField = [](const SendParam& r) { return As<InfoScPrinter>(r).ShowDlg; };
    c.wrongTypeValue = L"NumCopies";
    c.readDespite = [](const SendParam& l, const SendParam& s) {
        auto& loaded = As<InfoScPrinter>(l);
        auto& saved = As<InfoScPrinter>(s);
        return loaded.PortName == saved.PortName && loaded.Duration == saved.Duration &&
               loaded.Orientation == InfoScPrinter().Orientation && !loaded.ShowDlg;
    };
    return c;
}

RecordCase ScreenSaverCase()
{
    RecordCase c = MakeRecordCase<InfoScScreenSaver>("ScreenSaver", kScreenSaverKey, SP_SC_SCREENSAVER);
    c.change = [](SendParam& r) {
        static_cast<InfoScScreenSaver&>(r) = InfoScScreenSaver(L"Holiday", false, true, true, 15, 2);
    };
    c.parts = {{0, {L"Name", L"Unique", L"MakeCurrent", L"ShowDlg", L"Duration", L"Frequence"}},
               {1, {L"ShowDlg"}},
               {2, {L"Name", L"Unique", L"MakeCurrent"}},
               {3, {L"Duration", L"Frequence"}}};
    c.unknownPart = 7;
    c.boolValue = L"MakeCurrent";
    c.boolField = [](const SendParam& r) { return As<InfoScScreenSaver>(r).MakeCurrent; };
    c.wrongTypeValue = L"Unique";
    c.readDespite = [](const SendParam& l, const SendParam& s) {
        auto& loaded = As<InfoScScreenSaver>(l);
        auto& saved = As<InfoScScreenSaver>(s);
        return loaded.Name == saved.Name && loaded.Frequence == saved.Frequence && !loaded.MakeCurrent;
    };
    return c;
}

RecordCase WallpaperCase()
{
    RecordCase c = MakeRecordCase<InfoScWallpaper>("Wallpaper", kWallpaperKey, SP_SC_WALLPAPER);
    c.change = [](SendParam& r) {
        static_cast<InfoScWallpaper&>(r) =
            InfoScWallpaper(L"Sunset", false, InfoScWallpaper::DISPLAY_TILED, true, 25, 6);
    };
    c.parts = {{0, {L"Name", L"Unique", L"DisplayType", L"ShowDlg", L"Duration", L"Frequence"}},
               {1, {L"ShowDlg"}},
               {2, {L"Name", L"Unique", L"DisplayType"}},
               {3, {L"Duration", L"Frequence"}}};
    c.unknownPart = 7;
    c.boolValue = L"ShowDlg";
    c.boolField = [](const SendParam& r) { return As<InfoScWallpaper>(r).ShowDlg; };
    c.wrongTypeValue = L"Frequence";
    c.readDespite = [](const SendParam& l, const SendParam& s) {
        auto& loaded = As<InfoScWallpaper>(l);
        auto& saved = As<InfoScWallpaper>(s);
        return loaded.Name == saved.Name && loaded.Duration == saved.Duration &&
               loaded.DisplayType == InfoScWallpaper::DISPLAY_STRETCHED && loaded.Unique;
    };
    return c;
}

// What a record built from values wrote under each name, after a save of part 0.
struct StoredCase
{
    const char* record;
    std::function<SendParam*()> make;
    const wchar_t* key;
    std::map<std::wstring, DWORD> numbers;
    std::map<std::wstring, std::wstring> texts;
};
} // namespace

INSTANTIATE_RECORD_TABLE(Image, EditorCase(), ClipboardCase(), IcqCase(), PrinterCase(), ScreenSaverCase(),
                         WallpaperCase());

TEST(ImageRecords, Defaults)
{
    InfoScEditor editor;
    EXPECT_EQ(InfoGlobalFunctions::GetMsPaintFullPath().str(), editor.FName.str());
    EXPECT_TRUE(editor == InfoScEditor(editor.FName, FT_BMP, false, 0, 1));

    EXPECT_TRUE(InfoScClipboard() == InfoScClipboard(FT_BMP, false, 0, 1));
    EXPECT_TRUE(InfoScIcq() == InfoScIcq(L"", L"", 0, 0, FT_BMP, false, 0, 1));
    EXPECT_TRUE(InfoScScreenSaver() == InfoScScreenSaver(L"Vellumor Screen Saver", true, false, false, 0, 1));
    EXPECT_TRUE(InfoScWallpaper() ==
                InfoScWallpaper(L"Vellumor Wallpaper", true, InfoScWallpaper::DISPLAY_STRETCHED, false, 0, 1));
}

TEST(ImageRecords, DisplayFlagIsTheShowDialogFlag)
{
    EXPECT_TRUE(InfoScEditor(L"", FT_BMP, true, 0, 1).IsDisplayFlagOn());
    EXPECT_TRUE(InfoScClipboard(FT_BMP, true, 0, 1).IsDisplayFlagOn());
    EXPECT_TRUE(InfoScIcq(L"", L"", 0, 0, FT_BMP, true, 0, 1).IsDisplayFlagOn());
    EXPECT_TRUE(InfoScPrinter(L"", L"", L"", true, PO_PORTRAIT, 1, 0, 1).IsDisplayFlagOn());
    EXPECT_TRUE(InfoScScreenSaver(L"", false, false, true, 0, 1).IsDisplayFlagOn());
    EXPECT_TRUE(InfoScWallpaper(L"", false, InfoScWallpaper::DISPLAY_CENTRED, true, 0, 1).IsDisplayFlagOn());
    EXPECT_FALSE(InfoScScreenSaver(L"", true, true, false, 0, 1).IsDisplayFlagOn());
    EXPECT_FALSE(InfoScWallpaper(L"", true, InfoScWallpaper::DISPLAY_CENTRED, false, 0, 1).IsDisplayFlagOn());
}

TEST(ImageRecords, ComparisonSeesEveryFieldAndTextCase)
{
    ExpectEachFieldCompared<InfoScEditor>(
        InfoScEditor(L"Paint.exe", FT_BMP, false, 0, 1),
        {[](InfoScEditor& r) { r.FName = L"paint.exe"; }, [](InfoScEditor& r) { r.FType = FT_PNG; },
         [](InfoScEditor& r) { r.ShowDlg = true; }, [](InfoScEditor& r) { r.Duration = 9; },
         [](InfoScEditor& r) { r.Frequence = 9; }});
    ExpectEachFieldCompared<InfoScClipboard>(
        InfoScClipboard(), {[](InfoScClipboard& r) { r.FType = FT_DIB; }, [](InfoScClipboard& r) { r.ShowDlg = true; },
                            [](InfoScClipboard& r) { r.Duration = 9; }, [](InfoScClipboard& r) { r.Frequence = 9; }});
    ExpectEachFieldCompared<InfoScIcq>(InfoScIcq(L"Ada", L"Byron", 1, 2, FT_JPG, false, 3, 4),
                                       {[](InfoScIcq& r) { r.FirstName = L"ada"; },
                                        [](InfoScIcq& r) { r.LastName = L"byron"; }, [](InfoScIcq& r) { r.UID = 9; },
                                        [](InfoScIcq& r) { r.IP = 9; }, [](InfoScIcq& r) { r.FType = FT_BMP; },
                                        [](InfoScIcq& r) { r.ShowDlg = true; }, [](InfoScIcq& r) { r.Duration = 9; },
                                        [](InfoScIcq& r) { r.Frequence = 9; }});
    ExpectEachFieldCompared<InfoScPrinter>(
        InfoScPrinter(L"P", L"D", L"LPT1:", false, PO_PORTRAIT, 1, 0, 1),
        {[](InfoScPrinter& r) { r.Name = L"p"; }, [](InfoScPrinter& r) { r.DrvName = L"d"; },
         [](InfoScPrinter& r) { r.PortName = L"lpt1:"; }, [](InfoScPrinter& r) { r.ShowDlg = true; },
         [](InfoScPrinter& r) { r.Orientation = PO_LANDSCAPE; }, [](InfoScPrinter& r) { r.NumCopies = 9; },
         [](InfoScPrinter& r) { r.Duration = 9; }, [](InfoScPrinter& r) { r.Frequence = 9; }});
    ExpectEachFieldCompared<InfoScScreenSaver>(
        InfoScScreenSaver(),
        {[](InfoScScreenSaver& r) { r.Name = L"vellumor screen saver"; },
         [](InfoScScreenSaver& r) { r.Unique = false; }, [](InfoScScreenSaver& r) { r.MakeCurrent = true; },
         [](InfoScScreenSaver& r) { r.ShowDlg = true; }, [](InfoScScreenSaver& r) { r.Duration = 9; },
         [](InfoScScreenSaver& r) { r.Frequence = 9; }});
    ExpectEachFieldCompared<InfoScWallpaper>(
        InfoScWallpaper(),
        {[](InfoScWallpaper& r) { r.Name = L"vellumor wallpaper"; }, [](InfoScWallpaper& r) { r.Unique = false; },
         [](InfoScWallpaper& r) { r.DisplayType = InfoScWallpaper::DISPLAY_TILED; },
         [](InfoScWallpaper& r) { r.ShowDlg = true; }, [](InfoScWallpaper& r) { r.Duration = 9; },
         [](InfoScWallpaper& r) { r.Frequence = 9; }});
}

TEST(InfoScPrinter, StartsFromTheSystemsDefaultPrinter)
{
    InfoScPrinter printer;
    DWORD chars = 0;
    GetDefaultPrinterW(nullptr, &chars);
    std::vector<wchar_t> name(chars + 1);
    if (chars == 0 || !GetDefaultPrinterW(name.data(), &chars))
    {
        EXPECT_EQ(L"Printer not selected", printer.Name.str());
        EXPECT_EQ(L"", printer.DrvName.str());
        EXPECT_EQ(L"", printer.PortName.str());
        EXPECT_EQ(PO_PORTRAIT, printer.Orientation);
        EXPECT_EQ(1, printer.NumCopies);
    }
    else
    {
        EXPECT_EQ(std::wstring(name.data()), printer.Name.str());
    }
    EXPECT_FALSE(printer.ShowDlg);
    EXPECT_EQ(0, printer.Duration);
    EXPECT_EQ(1, printer.Frequence);
}

class ImageRecordsStore : public InfoRegistryTest
{
};

// Every constructor argument lands in its own field and that field under its own name.
TEST_F(ImageRecordsStore, ValuesBuiltFromTheConstructorAreStoredUnderTheirNames)
{
    const StoredCase cases[] = {
        {"Editor",
         [] { return new InfoScEditor(L"ed.exe", FT_GIF, true, 5, 6); },
         kEditorKey,
         {{L"FType", 3}, {L"ShowDlg", 1}, {L"Duration", 5}, {L"Frequence", 6}},
         {{L"FName", L"ed.exe"}}},
        {"Clipboard",
         [] { return new InfoScClipboard(FT_DIB, true, 5, 6); },
         kClipboardKey,
         {{L"FType", 1}, {L"ShowDlg", 1}, {L"Duration", 5}, {L"Frequence", 6}},
         {}},
        {"ICQ",
         [] { return new InfoScIcq(L"First", L"Last", 11, 22, FT_PNG, true, 33, 44); },
         kIcqKey,
         {{L"UID", 11}, {L"IP", 22}, {L"FType", 4}, {L"ShowDlg", 1}, {L"Duration", 33}, {L"Frequence", 44}},
         {{L"FirstName", L"First"}, {L"LastName", L"Last"}}},
        {"Printer",
         [] { return new InfoScPrinter(L"Dev", L"Drv", L"Port", true, PO_LANDSCAPE, 7, 8, 9); },
         kPrinterKey,
         {{L"ShowDlg", 1}, {L"Orientation", 2}, {L"NumCopies", 7}, {L"Duration", 8}, {L"Frequence", 9}},
         {{L"Name", L"Dev"}, {L"DrvName", L"Drv"}, {L"PortName", L"Port"}}},
        {"ScreenSaver",
         [] { return new InfoScScreenSaver(L"Pic", false, true, false, 5, 6); },
         kScreenSaverKey,
         {{L"Unique", 0}, {L"MakeCurrent", 1}, {L"ShowDlg", 0}, {L"Duration", 5}, {L"Frequence", 6}},
         {{L"Name", L"Pic"}}},
        {"Wallpaper",
         [] { return new InfoScWallpaper(L"Wall", false, InfoScWallpaper::DISPLAY_TILED, true, 5, 6); },
         kWallpaperKey,
         {{L"Unique", 0}, {L"DisplayType", 1}, {L"ShowDlg", 1}, {L"Duration", 5}, {L"Frequence", 6}},
         {{L"Name", L"Wall"}}},
    };
    for (const StoredCase& c : cases)
    {
        SCOPED_TRACE(c.record);
        std::unique_ptr<SendParam> record(c.make());
        ASSERT_TRUE(record->SaveToRegistry(0));
        for (const auto& n : c.numbers)
            EXPECT_EQ(n.second, Dword(c.key, n.first.c_str())) << n.first;
        for (const auto& t : c.texts)
            EXPECT_EQ(t.second, Text(c.key, t.first.c_str())) << t.first;
    }
}

TEST_F(ImageRecordsStore, WallpaperLayoutOutsideTheKnownOnesLoadsStretched)
{
    const struct
    {
        DWORD stored;
        InfoScWallpaper::EnumDisplayType loaded;
    } cases[] = {{0, InfoScWallpaper::DISPLAY_CENTRED},   {1, InfoScWallpaper::DISPLAY_TILED},
                 {2, InfoScWallpaper::DISPLAY_STRETCHED}, {3, InfoScWallpaper::DISPLAY_STRETCHED},
                 {5, InfoScWallpaper::DISPLAY_STRETCHED}, {0xFFFFFFFF, InfoScWallpaper::DISPLAY_STRETCHED}};
    ASSERT_TRUE(InfoScWallpaper().SaveToRegistry(0));
    for (const auto& c : cases)
    {
        PutDword(kWallpaperKey, L"DisplayType", c.stored);
        InfoScWallpaper wallpaper(L"", true, InfoScWallpaper::DISPLAY_TILED, false, 0, 1);
        ASSERT_TRUE(wallpaper.LoadFromRegistry());
        EXPECT_EQ(c.loaded, wallpaper.DisplayType) << "stored " << static_cast<int>(c.stored);
    }
}
