// Save and Open Configuration through the system's file dialog with a typed path, and the
// recent-configuration entries: an opened file's capture type shows in the title and its
// path heads the recent list; a file that cannot be read shows why and changes nothing.
#include "app/AppIds.h"
#include "app/tests/ProfileFixture.h"
#include "testing/TestFiles.h"
#include "testing/TestFolder.h"

namespace app_test
{
namespace
{
const wchar_t kParseError[] = L"Error parsing the configuration file.";
const wchar_t kScreenTitle[] = L"Talvono Vellumor - Screen Capture";

// The file name field of the explorer-style dialog: a combo box on Windows, an edit on
// some Wine versions.
HWND FileNameField(HWND dialog)
{
    for (int id : {0x47C, 0x480})
        if (HWND field = GetDlgItem(dialog, id))
            return field;
    return nullptr;
}

// The file's capture type replaced; false when the file holds none.
bool WithCaptureType(std::string& bytes, int type)
{
    const std::string element = "<capturetype>";
    const size_t start = bytes.find(element);
    const size_t end = bytes.find("</capturetype>");
    if (start == std::string::npos || end == std::string::npos)
        return false;
    bytes.replace(start + element.size(), end - start - element.size(), std::to_string(type));
    return true;
}

class ConfigurationCommandsTest : public ProfileFixture
{
protected:
    // Types the path into the file dialog with that title and presses its OK button.
    void ChooseInFileDialog(const wchar_t* title, const CString& path)
    {
        HWND dialog = nullptr;
        ASSERT_TRUE(WaitFor([&] {
            dialog = program.TopLevelByText(title);
            return dialog && IsWindowVisible(dialog) && FileNameField(dialog);
        })) << program.Describe().GetString();
        SendMessageTimeoutW(FileNameField(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.GetString()),
                            SMTO_NORMAL, 10000, nullptr);
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    }
    void Open(const CString& path)
    {
        program.Post(ID_FILE_OPEN_CONFIG);
        ChooseInFileDialog(L"Open", path);
    }
    bool TitleBecomes(const wchar_t* title)
    {
        return WaitFor([&] { return TextOf(program.Window()) == title; });
    }
    static CString Recent(const wchar_t* entry)
    {
        return ReadString(HKEY_CURRENT_USER, CString(kProductKey) + L"\\Recent Config Files", entry);
    }
    // Saves the running program's configuration as folder\name (".xml" added), then
    // writes a copy of it that opens with the capture type.
    CString SaveWithCaptureType(const wchar_t* name, int type)
    {
        program.Post(ID_FILE_SAVE_CONFIG);
        ChooseInFileDialog(L"Save As", folder / name);
        const CString saved = folder / name + L".xml";
        EXPECT_TRUE(WaitFor([&] { return Exists(saved); }));
        std::string bytes = ReadBytes(saved);
        EXPECT_TRUE(WithCaptureType(bytes, type)) << bytes;
        const CString changed = folder / name + L"Changed.xml";
        WriteBytes(changed, bytes);
        return changed;
    }

    ProductKeyBackup backup;
    TestFolder folder;
};

TEST_F(ConfigurationCommandsTest, SaveAndOpenThroughTheFileDialog)
{
    StartProgram();
    ASSERT_TRUE(TitleBecomes(kScreenTitle));
    const CString audio = SaveWithCaptureType(L"Saved", 3);
    EXPECT_EQ(0, ReadBytes(folder / L"Saved.xml").find("<configuration>")) << "A configuration without a BOM.";

    Open(audio);
    EXPECT_TRUE(TitleBecomes(L"Talvono Vellumor - Audio Capture")) << TextOf(program.Window()).GetString();
    EXPECT_TRUE(program.NoBoxFor(300));

    // A file that cannot be read is told and changes nothing.
    WriteBytes(folder / L"Broken.xml", std::string("<configuration><screen>"));
    Open(folder / L"Broken.xml");
    Box box = program.WaitForBox(kParseError);
    EXPECT_EQ(CString(kParseError), box.text);
    EXPECT_TRUE(MainProgram::Answer(box, IDOK));
    EXPECT_EQ(CString(L"Talvono Vellumor - Audio Capture"), TextOf(program.Window()));

    ASSERT_EQ(0, program.Exit());
    EXPECT_EQ(audio, Recent(L"File1")) << "The opened file heads the list; the broken one is not listed.";
    EXPECT_EQ(folder / L"Saved.xml", Recent(L"File2"));
}

TEST_F(ConfigurationCommandsTest, RecentEntriesOpenTheirFiles)
{
    StartProgram();
    const CString video = SaveWithCaptureType(L"Recent", 4);
    ASSERT_EQ(0, program.Exit());
    const CString broken = folder / L"Broken.xml";
    WriteBytes(broken, std::string("not a configuration"));
    const CString recentKey = CString(kProductKey) + L"\\Recent Config Files";
    RegDeleteTreeW(HKEY_CURRENT_USER, recentKey);
    RegSetKeyValueW(HKEY_CURRENT_USER, recentKey, L"File1", REG_SZ, broken.GetString(),
                    (broken.GetLength() + 1) * sizeof(wchar_t));
    RegSetKeyValueW(HKEY_CURRENT_USER, recentKey, L"File2", REG_SZ, video.GetString(),
                    (video.GetLength() + 1) * sizeof(wchar_t));

    StartProgram();
    ASSERT_TRUE(TitleBecomes(kScreenTitle));
    program.Post(ID_FILE_MRU_FIRST + 1);
    EXPECT_TRUE(TitleBecomes(L"Talvono Vellumor - Video Capture")) << TextOf(program.Window()).GetString();
    EXPECT_TRUE(program.NoBoxFor(300));

    // The opened entry now heads the list: the broken file is the second.
    program.Post(ID_FILE_MRU_FIRST + 1);
    Box box = program.WaitForBox(kParseError);
    EXPECT_EQ(CString(kParseError), box.text);
    EXPECT_TRUE(MainProgram::Answer(box, IDOK));
    EXPECT_EQ(CString(L"Talvono Vellumor - Video Capture"), TextOf(program.Window()));

    ASSERT_EQ(0, program.Exit());
    EXPECT_EQ(video, Recent(L"File1"));
    EXPECT_TRUE(Recent(L"File2").IsEmpty()) << "An entry that cannot be opened leaves the list.";
}

// The Options dialog changes the running program's options: a configuration saved next
// holds the number just chosen, not the one the program started with.
TEST_F(ConfigurationCommandsTest, SaveWritesTheOptionsJustChosen)
{
    const UINT maxLinesEdit = 1495;
    StartProgram();
    ASSERT_TRUE(TitleBecomes(kScreenTitle));
    program.Post(ID_TOOLS_OPTIONS);
    HWND options = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        options = program.TopLevelByText(L"Options");
        return options && IsWindowVisible(options);
    })) << program.Describe().GetString();
    SendMessageTimeoutW(GetDlgItem(options, maxLinesEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"250"),
                        SMTO_NORMAL, 10000, nullptr);
    ASSERT_TRUE(MainProgram::Answer({options, L""}, IDOK));

    program.Post(ID_FILE_SAVE_CONFIG);
    ChooseInFileDialog(L"Save As", folder / L"Options");
    const CString saved = folder / L"Options.xml";
    ASSERT_TRUE(WaitFor([&] { return Exists(saved); }));
    const std::string bytes = ReadBytes(saved);
    EXPECT_NE(std::string::npos, bytes.find("<maxlines>250</maxlines>")) << bytes;
    ASSERT_EQ(0, program.Exit());
}
} // namespace
} // namespace app_test
