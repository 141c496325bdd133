#include "common/PathHelpers.h"
#include "MessageBoxRecorder.h"
#include "testing/TestFolder.h"
#include "testing/CStringPrinter.h"
#include "testing/SystemDialogAnswer.h"
#include <gtest/gtest.h>

namespace
{
bool FolderExists(const CString& path)
{
    DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void WriteFile(const CString& path)
{
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    CloseHandle(file);
}

struct SplitCase
{
    const wchar_t* path;
    const wchar_t* folder;
    const wchar_t* name;
    const wchar_t* extension;
};

struct SlashCase
{
    const wchar_t* before;
    bool backslash;
    const wchar_t* after;
};
} // namespace

TEST(SplitPath, SplitsFolderNameAndExtension)
{
    const SplitCase cases[] = {
        {L"C:\\dir\\sub\\file.tar.gz", L"C:\\dir\\sub\\", L"file.tar", L".gz"},
        {L"\\\\server\\share\\a.b", L"\\\\server\\share\\", L"a", L".b"},
        {L"C:file", L"C:", L"file", L""},
        {L"dir/file.", L"dir/", L"file", L"."},
        {L"C:\\a.b\\c", L"C:\\a.b\\", L"c", L""},
        {L".profile", L"", L"", L".profile"},
        {L"C:\\dir\\", L"C:\\dir\\", L"", L""},
        {L"", L"", L"", L""},
    };
    for (const SplitCase& c : cases)
    {
        CString name = L"x", extension = L"x", folder = L"x";
        SplitPath(c.path, name, extension, folder);
        EXPECT_EQ(CString(c.folder), folder) << CString(c.path).ToAnsi();
        EXPECT_EQ(CString(c.name), name) << CString(c.path).ToAnsi();
        EXPECT_EQ(CString(c.extension), extension) << CString(c.path).ToAnsi();
    }
}

TEST(SplitPath, UsesOnlyTheFirstMaxPathCharacters)
{
    CString path = L"C:\\dir\\" + CString(L'n', 300) + L".bmp";
    CString name, extension, folder;
    SplitPath(path, name, extension, folder);
    EXPECT_EQ(L"C:\\dir\\", folder);
    EXPECT_EQ(CString(L'n', MAX_PATH - 7), name);
    EXPECT_TRUE(extension.IsEmpty());
}

TEST(TrailingSlash, AddAndRemove)
{
    const SlashCase adds[] = {
        {L"", true, L""},
        {L"", false, L""},
        {L"C:\\a", true, L"C:\\a\\"},
        {L"/a", false, L"/a/"},
        {L"C:\\a\\", false, L"C:\\a\\"},
        {L"a/", true, L"a/"},
    };
    for (const SlashCase& c : adds)
    {
        CString path = c.before;
        AddTrailingSlash(path, c.backslash);
        EXPECT_EQ(CString(c.after), path) << CString(c.before).ToAnsi();
    }

    const SlashCase removes[] = {
        {L"C:\\a\\\\", true, L"C:\\a"}, {L"a/\\/", true, L"a"}, {L"a", true, L"a"}, {L"", true, L""},
        {L"\\a\\b", true, L"\\a\\b"},
    };
    for (const SlashCase& c : removes)
    {
        CString path = c.before;
        RemoveTrailingSlash(path);
        EXPECT_EQ(CString(c.after), path) << CString(c.before).ToAnsi();
    }
}

TEST(ModulePath, IsTheRunningProgramAndItsFolder)
{
    CString path = GetModulePath();
    EXPECT_EQ(0, path.Right(18).CompareNoCase(L"\\helpers_tests.exe"));
    EXPECT_TRUE(FileExists(path));
    CString folder = GetModuleDirectory();
    EXPECT_EQ(path.Left(path.GetLength() - 18), folder);
    EXPECT_TRUE(FolderExists(folder));
}

TEST(FileExists, OnlyForAFileThatCanBeOpenedForReading)
{
    TestFolder folder;
    CString file = folder / L"present.txt";
    WriteFile(file);
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FileExists(folder / L"missing.txt"));
    EXPECT_FALSE(FileExists(folder.Path()));

    // Held open by someone who shares nothing: it cannot be read.
    HANDLE locked = CreateFileW(file, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, locked);
    EXPECT_FALSE(FileExists(file));
    CloseHandle(locked);
}

class EnsurePathExistsTest : public ::testing::Test
{
protected:
    TestFolder root;
};

TEST_F(EnsurePathExistsTest, AnExistingFolderNeedsNoQuestion)
{
    MessageBoxRecorder boxes(IDNO);
    EXPECT_TRUE(EnsurePathExists(root.Path(), true));
    EXPECT_TRUE(EnsurePathExists(root.Path() + L"\\", true));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(EnsurePathExistsTest, WithoutAskingAMissingFolderIsFalseAndNotCreated)
{
    MessageBoxRecorder boxes(IDYES);
    EXPECT_FALSE(EnsurePathExists(root / L"missing", false));
    EXPECT_FALSE(EnsurePathExists(L"", true));
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_FALSE(FolderExists(root / L"missing"));
}

TEST_F(EnsurePathExistsTest, AFileIsNotAFolder)
{
    WriteFile(root / L"file.txt");
    EXPECT_FALSE(EnsurePathExists(root / L"file.txt", false));
}

TEST_F(EnsurePathExistsTest, AnsweringNoCreatesNothing)
{
    CString folder = root / L"new\\level";
    MessageBoxRecorder boxes(IDNO);
    EXPECT_FALSE(EnsurePathExists(folder, true));
    ASSERT_EQ(1u, boxes.boxes.size());
    EXPECT_EQ(L"Path '" + folder + L"' doesn't exist. Do you want to create it?", boxes.boxes[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), boxes.boxes[0].type);
    EXPECT_FALSE(FolderExists(root / L"new"));
}

TEST_F(EnsurePathExistsTest, AnsweringYesCreatesEveryLevelOfTheFolder)
{
    // The argument is a folder: its last name is a folder too, with or without a
    // trailing separator.
    MessageBoxRecorder boxes(IDYES);
    EXPECT_TRUE(EnsurePathExists(root / L"a\\b\\c", true));
    EXPECT_TRUE(FolderExists(root / L"a\\b\\c"));
    EXPECT_TRUE(EnsurePathExists(root / L"d\\e.f\\", true));
    EXPECT_TRUE(FolderExists(root / L"d\\e.f"));
    EXPECT_EQ(2u, boxes.boxes.size());
}

TEST_F(EnsurePathExistsTest, AFailedCreationIsShownAndFalse)
{
    WriteFile(root / L"file.txt");
    CString folder = root / L"file.txt\\sub";
    MessageBoxRecorder boxes(IDYES);
    EXPECT_FALSE(EnsurePathExists(folder, true));
    ASSERT_EQ(2u, boxes.boxes.size());
    const CString& shown = boxes.boxes[1].text;
    CString start = L"The specified directory (" + folder + L"\\) cannot be created. System error: ";
    EXPECT_EQ(start, shown.Left(start.GetLength())) << shown.ToAnsi();
    EXPECT_GT(shown.GetLength(), start.GetLength() + 1);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONINFORMATION), boxes.boxes[1].type);
}

TEST(CreateDirectoryPath, CreatesTheFolderPartLevelByLevel)
{
    TestFolder root;
    CString error;
    EXPECT_TRUE(CreateDirectoryPath(root / L"a\\b/c\\shot.bmp", error)) << error.ToAnsi();
    EXPECT_TRUE(FolderExists(root / L"a\\b\\c"));
    EXPECT_FALSE(FolderExists(root / L"a\\b\\c\\shot.bmp"));
    // Existing levels are fine.
    EXPECT_TRUE(CreateDirectoryPath(root / L"a\\b\\", error));
    EXPECT_TRUE(CreateDirectoryPath(L"C:\\", error));
}

TEST(CreateDirectoryPath, RefusesWhatItCannotCreate)
{
    CString error;
    EXPECT_FALSE(CreateDirectoryPath(L"C:\\a\\\\b\\", error));
    EXPECT_EQ(L"Invalid path name (empty directory).", error);

    EXPECT_FALSE(CreateDirectoryPath(L"\\\\server\\share\\dir\\", error));
    EXPECT_EQ(L"The following path (\\\\server\\share\\dir\\), cannot be created. Error: empty drive or directory.",
              error);

    EXPECT_FALSE(CreateDirectoryPath(L"C:file.bmp", error));
    EXPECT_EQ(L"The following path (C:file.bmp), cannot be created. Error: empty drive or directory.", error);
}

TEST(GetTempDirectory, TheFolderWhenUsableElseTheUsersTemporaryFolder)
{
    TestFolder root;
    EXPECT_EQ(root.Path(), GetTempDirectory(root.Path()));

    CString creatable = root / L"made\\here";
    EXPECT_EQ(creatable, GetTempDirectory(creatable));
    EXPECT_TRUE(FolderExists(creatable));

    wchar_t temp[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, temp);
    WriteFile(root / L"file.txt");
    EXPECT_EQ(CString(temp), GetTempDirectory(root / L"file.txt\\sub"));
    EXPECT_EQ(CString(temp), GetTempDirectory(L""));
}

TEST(CheckFreeDiskSpace, CreatesTheFoldersAndChecksTheVolume)
{
    TestFolder root;
    CString file = root / L"shots\\today\\shot.bmp";
    CString error = L"left over";
    EXPECT_TRUE(CheckFreeDiskSpace(file, 1024, error)) << error.ToAnsi();
    EXPECT_TRUE(error.IsEmpty());
    EXPECT_TRUE(FolderExists(root / L"shots\\today"));

    WriteFile(root / L"file.txt");
    EXPECT_FALSE(CheckFreeDiskSpace(root / L"file.txt\\shot.bmp", 1024, error));
    CString start = L"The specified directory (" + root / L"file.txt\\) cannot be created.";
    EXPECT_EQ(start, error.Left(start.GetLength())) << error.ToAnsi();
}

namespace
{
bool Browse(UINT answer, CString& folder)
{
    SystemDialogAnswer browser(answer);
    const bool chosen = BrowseForFolder(nullptr, folder, L"Pick a folder");
    EXPECT_TRUE(browser.Answered());
    return chosen;
}
} // namespace

TEST(BrowseForFolder, StartsAtTheFolderAndReturnsTheChoice)
{
    TestFolder root;
    CString folder = root.Path();
    EXPECT_FALSE(Browse(IDCANCEL, folder));
    EXPECT_EQ(root.Path(), folder);

    EXPECT_TRUE(Browse(IDOK, folder));
    EXPECT_EQ(0, folder.CompareNoCase(root.Path())) << folder.ToAnsi();
}
