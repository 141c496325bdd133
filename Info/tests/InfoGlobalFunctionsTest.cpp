#include "Info/InfoGlobalFunctions.h"
#include <gtest/gtest.h>

using namespace InfoGlobalFunctions;

namespace
{
CString ProgramFolder()
{
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    CString folder(path);
    return folder.Left(folder.ReverseFind(L'\\'));
}
} // namespace

TEST(InfoGlobalFunctions, FileExtensions)
{
    const wchar_t* expected[] = {L".bmp", L".dib", L".jpg", L".gif", L".png"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(expected[i], GetFileExtension(static_cast<EnumFileType>(i)));
    EXPECT_EQ(L".bmp", GetFileExtension(static_cast<EnumFileType>(7)));
    EXPECT_EQ(L".wav", GetAudioFileExtension(static_cast<EnumAudioFileType>(3)));
    EXPECT_EQ(L".avi", GetVideoFileExtension(VFT_AVI));
    EXPECT_EQ(L".avi", GetPresentationFileExtension(PFT_AVI));
}

TEST(InfoGlobalFunctions, CaptureFoldersLieBesideTheRunningProgram)
{
    // The program's folder, not the folder of Info.dll or the current directory.
    CString base = ProgramFolder();
    struct
    {
        CString (*get)();
        const wchar_t* name;
    } cases[] = {{GetScImageDirectory, L"Screen Captures"},    {GetCBTDirectory, L"Training Captures"},
                 {GetAudioDirectory, L"Audio Captures"},       {GetVideoDirectory, L"Video Captures"},
                 {GetRegistryDirectory, L"Registry Captures"}, {GetPresentationDirectory, L"Movie Captures"}};
    for (auto& c : cases)
    {
        CString expected = base + L"\\" + c.name;
        bool existed = GetFileAttributesW(expected) != INVALID_FILE_ATTRIBUTES;
        EXPECT_EQ(expected, c.get());
        // Folders are only named, never created.
        EXPECT_EQ(existed, GetFileAttributesW(expected) != INVALID_FILE_ATTRIBUTES) << expected.ToAnsi();
    }
}

TEST(InfoGlobalFunctions, PaintProgramIsInTheSystemFolder)
{
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    EXPECT_EQ(0, GetMsPaintFullPath().CompareNoCase(CString(system) + L"\\MsPaint.exe"));
}

TEST(InfoGlobalFunctions, SplitFullPath)
{
    struct
    {
        const wchar_t* path;
        const wchar_t* name;
        const wchar_t* ext;
        const wchar_t* folder;
    } cases[] = {
        {L"C:\\a\\b.c.png", L"b.c", L".png", L"C:\\a\\"},
        {L"shot", L"shot", L"", L""},
        {L"/web/img/", L"", L"", L"/web/img/"},
    };
    for (auto& c : cases)
    {
        CString name, ext, folder;
        SplitFullPath(c.path, name, ext, folder);
        EXPECT_EQ(c.name, name) << c.path;
        EXPECT_EQ(c.ext, ext) << c.path;
        EXPECT_EQ(c.folder, folder) << c.path;
    }
    // Only the first 260 characters count, and an overlong path does not overrun.
    CString longPath = CString(L"C:\\") + CString(L'd', 300) + L"\\file.png";
    CString name, ext, folder;
    SplitFullPath(longPath, name, ext, folder);
    EXPECT_EQ(257, name.GetLength());
    EXPECT_EQ(L"C:\\", folder);
    EXPECT_TRUE(ext.IsEmpty());
}
