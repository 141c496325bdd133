#include "screensaver/CImagePoolFile.h"
#include "screensaver/ScreenSaverSettings.h"
#include "testing/CStringPrinter.h"
#include "testing/TestFiles.h"
#include "testing/TestFolder.h"

#include <gtest/gtest.h>

TEST(ImagePoolFile, PathsOutsideTheAnsiCodePageSurviveAWriteAndARead)
{
    TestFolder folder;
    const CString pool = folder / L"new pool";
    const std::vector<CString> paths = {L"C:\\Bilder\\\x00C7a \x00E9t\x00E9.bmp", L"D:\\\x65E5\x672C\\v1.2.bmp",
                                        L"\\\\server\\share\\\x0416.png"};
    ASSERT_EQ(CImagePoolFile::WriteDone, CImagePoolFile::Write(pool, paths)); // the folder is made
    const std::string bytes = ReadBytes(ImagePoolFilePath(pool));
    EXPECT_TRUE(StartsWith(bytes, "\xEF\xBB\xBF"));
    EXPECT_NE(std::string::npos, bytes.find("v1.2.bmp\r\n\\\\server"));

    std::vector<CString> read;
    ASSERT_EQ(CImagePoolFile::ReadDone, CImagePoolFile::Read(ImagePoolFilePath(pool), read));
    EXPECT_EQ(paths, read);
    EXPECT_EQ(CString(L"C:\\Bilder\\\x00C7a \x00E9t\x00E9.bmp%&?D:\\\x65E5\x672C\\v1.2.bmp%&?\\\\server\\share\\"
                      L"\x0416.png%&?"),
              CImagePoolFile::Join(read));
}

TEST(ImagePoolFile, OlderFilesReadAsUtf8WithoutAMarkOrInTheAnsiCodePageAndSkipEmptyLines)
{
    TestFolder folder;
    struct Case
    {
        std::string bytes;
        std::vector<CString> paths;
    };
    const Case cases[] = {
        {"C:\\a.bmp\n\nC:\\b c.bmp\r\n\r\n", {L"C:\\a.bmp", L"C:\\b c.bmp"}},
        {"C:\\\xC3\xA9.bmp\n", {L"C:\\\x00E9.bmp"}},          // UTF-8 without a mark
        {"C:\\caf\xE9.bmp\n", {CString("C:\\caf\xE9.bmp")}}, // not UTF-8: the ANSI code page
        {"", {}},
    };
    for (const Case& c : cases)
    {
        WriteBytes(folder / L"pool.txt", c.bytes);
        std::vector<CString> read = {L"left over"};
        ASSERT_EQ(CImagePoolFile::ReadDone, CImagePoolFile::Read(folder / L"pool.txt", read));
        EXPECT_EQ(c.paths, read) << c.bytes;
    }
    std::vector<CString> kept = {L"kept"};
    EXPECT_EQ(CImagePoolFile::ReadNotOpened, CImagePoolFile::Read(folder / L"none.txt", kept));
    EXPECT_EQ(std::vector<CString>{L"kept"}, kept);
}

TEST(ImagePoolFile, AFolderThatCannotBeMadeIsReported)
{
    TestFolder folder;
    WriteBytes(folder / L"file", "x");
    EXPECT_EQ(CImagePoolFile::WriteNoFolder, CImagePoolFile::Write(folder / L"file\\sub", {L"C:\\a.bmp"}));
    EXPECT_EQ(CImagePoolFile::WriteNoFolder, CImagePoolFile::Write(L"", {L"C:\\a.bmp"}));
}
