#include "Info/InfoGlobalFunctions.h"
#include "Info/InfoScFile.h"
#include "Info/tests/InfoTestSupport.h"

using namespace InfoTest;

namespace
{
const wchar_t* const kKey = L"ScreenCapture\\File";

RecordCase FileCase()
{
    RecordCase c = MakeRecordCase<InfoScFile>("File", kKey, SP_SC_FILE);
    c.change = [](SendParam& r) {
        auto& f = static_cast<InfoScFile&>(r);
        f = InfoScFile(L"shot", L"C:\\Shots\\", FT_PNG, true, false, 30, 5);
    };
    c.parts = {{0, {L"FName", L"FPath", L"FType", L"Overwrite", L"ShowDlg", L"Duration", L"Frequence"}},
               {1, {L"ShowDlg"}},
               {2, {L"FName", L"FPath", L"FType", L"Overwrite"}},
               {3, {L"Duration", L"Frequence"}}};
    c.unknownPart = 7;
    c.boolValue = L"Overwrite";
    c.boolField = [](const SendParam& r) { return static_cast<const InfoScFile&>(r).Overwrite; };
    c.wrongTypeValue = L"FType";
    c.readDespite = [](const SendParam& l, const SendParam& s) {
        auto& loaded = static_cast<const InfoScFile&>(l);
        auto& saved = static_cast<const InfoScFile&>(s);
        // Straight fields are read; temporaries (Overwrite) are dropped.
        return loaded.FName == saved.FName && loaded.Frequence == saved.Frequence && !loaded.Overwrite;
    };
    return c;
}
} // namespace

INSTANTIATE_RECORD_TABLE(ImageFile, FileCase());

TEST(InfoScFile, Defaults)
{
    InfoScFile f;
    EXPECT_EQ(L"VellImage", f.FName);
    EXPECT_EQ(InfoGlobalFunctions::GetScImageDirectory() + L"\\File", f.FPath);
    EXPECT_EQ(FT_BMP, f.FType);
    EXPECT_FALSE(f.Overwrite);
    EXPECT_TRUE(f.ShowDlg);
    EXPECT_TRUE(f.IsDisplayFlagOn());
    EXPECT_EQ(0, f.Duration);
    EXPECT_EQ(1, f.Frequence);
}

TEST(InfoScFile, FullPathFileName)
{
    struct
    {
        const wchar_t* path;
        EnumFileType type;
        const wchar_t* expected;
    } cases[] = {
        {L"C:\\Shots", FT_JPG, L"C:\\Shots\\a.jpg"},
        {L"C:\\Shots\\\\", FT_JPG, L"C:\\Shots\\a.jpg"},
        {L"C:\\Shots/", FT_PNG, L"C:\\Shots\\a.png"},
        {L"", FT_GIF, L"a.gif"},
    };
    for (auto& c : cases)
    {
        InfoScFile f(L"a", c.path, c.type, false, false, 0, 1);
        EXPECT_EQ(c.expected, f.GetFullPathFileName()) << c.path;
    }
}

class InfoScFileLoad : public InfoRegistryTest
{
};

TEST_F(InfoScFileLoad, AppendsABackslashToALoadedFolderUnlessItEndsWithASeparator)
{
    struct
    {
        const wchar_t* stored;
        const wchar_t* loaded;
    } cases[] = {{L"D:\\Img", L"D:\\Img\\"}, {L"D:\\Img/", L"D:\\Img/"}, {L"", L""}};
    for (auto& c : cases)
    {
        InfoScFile(L"a", c.stored, FT_BMP, false, false, 0, 1).SaveToRegistry(0);
        InfoScFile f;
        ASSERT_TRUE(f.LoadFromRegistry());
        EXPECT_EQ(c.loaded, f.FPath) << c.stored;
    }
}

TEST_F(InfoScFileLoad, AFailedLoadLeavesTheFolderWithoutItsBackslash)
{
    InfoScFile(L"a", L"D:\\Img", FT_BMP, false, false, 0, 1).SaveToRegistry(0);
    DeleteValue(kKey, L"Frequence");
    InfoScFile f;
    EXPECT_FALSE(f.LoadFromRegistry());
    EXPECT_EQ(L"D:\\Img", f.FPath);
}
