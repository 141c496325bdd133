#include "common/PathHelpers.h"
#include "common/PathValidation.h"
#include "MessageBoxRecorder.h"
#include "testing/TestFolder.h"
#include "testing/CStringPrinter.h"
#include <gtest/gtest.h>

namespace
{
const wchar_t kDevice[] = L"File/directory name is a reserved device name (aux, con, lpt1, prn).";
const wchar_t kTooLong[] = L"File/directory name too long (max. 256 characters).";
const wchar_t kNoName[] = L"Please provide a file name.";
// The nine reserved characters inside the parentheses: < > : \ " / | ? *
const wchar_t kReserved[] = L"File/directory name contains reserved characters (<>:\\\"/|?*).";
const wchar_t kControl[] = L"File/directory name contains invalid characters (range 0 trough 31).";
const wchar_t kInvalidPath[] = L"Invalid path name. Please correct.";
const wchar_t kThreeSeparators[] = L"Invalid path name (three consecutive slashes or backslashes).";
const wchar_t kEmptyDirectory[] = L"Invalid path name (empty directory).";
const wchar_t kPathTooLong[] = L"Path name too long (max. 260 characters).";

// A case: the input and the text expected (empty: valid).
struct Case
{
    CString input;
    const wchar_t* error;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << '"' << c.input.ToAnsi(CP_UTF8) << '"';
}

CString Repeat(wchar_t ch, int count)
{
    return CString(ch, count);
}

void ExpectValidation(bool (*validate)(const CString&, CString&), const Case& c)
{
    CString error = L"left over";
    bool valid = validate(c.input, error);
    EXPECT_EQ(*c.error == L'\0', valid);
    EXPECT_EQ(CString(c.error), error);
}
} // namespace

class FileNameCases : public ::testing::TestWithParam<Case>
{
};

TEST_P(FileNameCases, GiveTheExpectedText)
{
    ExpectValidation(ValidateFileName, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    ValidateFileName, FileNameCases,
    ::testing::Values(Case{L"report 2024.bmp", L""}, Case{L"CON", kDevice}, Case{L"Lpt1", kDevice},
                      Case{L"aux ", kDevice}, Case{L"con.txt", L""}, Case{Repeat(L'n', 256), L""},
                      Case{Repeat(L'n', 257), kTooLong}, Case{L"", kNoName}, Case{L"   ", kNoName},
                      Case{L".hidden", kNoName},
                      Case{L"a\x01"
                           L"b",
                           kControl},
                      // A control character ends the scan with its own text, even after a reserved one.
                      Case{L"a<b\x1f", kControl}, Case{L"a\tb<", kControl}));

TEST(ValidateFileName, RefusesEachOfTheNineReservedCharacters)
{
    for (const wchar_t* ch = L"<>:\\\"/|?*"; *ch; ++ch)
    {
        CString name = CString(L"ab") + *ch + L"c";
        CString error;
        EXPECT_FALSE(ValidateFileName(name, error)) << name.ToAnsi();
        EXPECT_EQ(CString(kReserved), error) << name.ToAnsi();
    }
}

class PathCases : public ::testing::TestWithParam<Case>
{
};

TEST_P(PathCases, GiveTheExpectedText)
{
    ExpectValidation(ValidatePath, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    ValidatePath, PathCases,
    ::testing::Values(Case{L"C:\\", L""}, Case{L"C:/", L""}, Case{L"C:\\file.bmp", L""},
                      Case{L"C:\\Images\\2024\\shot.bmp", L""}, Case{L"C:\\Images\\2024\\", L""},
                      Case{L"C:file.bmp", L""}, Case{L"C:", kEmptyDirectory}, Case{L"\\\\server\\share\\file.bmp", L""},
                      Case{L"\\\\server", kInvalidPath}, Case{L"file.bmp", kInvalidPath},
                      Case{L"\\Images\\file.bmp", kInvalidPath}, Case{L"C:\\\\\\Images\\file.bmp", kThreeSeparators},
                      Case{L"\\\\\\server\\share\\file.bmp", kThreeSeparators},
                      Case{L"C:\\Images\\\\2024\\file.bmp", kEmptyDirectory}, Case{L"C:\\\\", kEmptyDirectory},
                      // Either separator ends a folder name, in any mix.
                      Case{L"C:\\Images/2024\\May/file.bmp", L""}, Case{L"C:/Images/2024/file.bmp", L""},
                      Case{L"C:\\Images\\con\\file.bmp", kDevice}, Case{L"C:\\Ima?ges\\file.bmp", kReserved},
                      // A folder level may begin with a dot; "." and ".." alone may not.
                      Case{L"C:\\.git\\file.bmp", L""}, Case{L"Z:\\root\\.apps\\vell repo\\bin\\", L""},
                      Case{L"C:\\Images\\.\\file.bmp", kNoName}, Case{L"C:\\..\\file.bmp", kNoName},
                      Case{L"C:\\Images\\ ..\\file.bmp", kNoName}, Case{L"C:\\" + Repeat(L'd', 254) + L"\\", L""},
                      Case{L"C:\\" + Repeat(L'd', 255) + L"\\", kTooLong}));

// The path helpers use at most MAX_PATH characters of a path; what is longer is refused
// instead of being validated whole and then used cut.
INSTANTIATE_TEST_SUITE_P(PathLength, PathCases,
                         ::testing::Values(Case{L"C:\\" + Repeat(L'd', 200) + L"\\" + Repeat(L'f', 56), L""},
                                           Case{L"C:\\" + Repeat(L'd', 200) + L"\\" + Repeat(L'f', 57), kPathTooLong},
                                           Case{L"C:\\" + Repeat(L'd', 200) + L"\\" + Repeat(L'f', 291),
                                                kPathTooLong}));

TEST(ValidatePath, AcceptsExactlyThePathsThatSplitPathKeepsWhole)
{
    for (int length : {258, 259, 260, 261, 300})
    {
        CString path = L"C:\\" + Repeat(L'd', 100) + L"\\" + Repeat(L'f', length - 104);
        ASSERT_EQ(length, path.GetLength());
        CString name, extension, folder, error;
        SplitPath(path, name, extension, folder);
        bool keptWhole = folder + name + extension == path;
        EXPECT_EQ(keptWhole, ValidatePath(path, error)) << length;
    }
}

TEST(CreateDirectoryPath, RefusesALongPathInsteadOfCreatingACutOne)
{
    TestFolder root;
    // The first MAX_PATH characters end inside the second folder name.
    int secondLength = MAX_PATH - root.Path().GetLength() - 2 + 10;
    CString path = root / L"first\\" + Repeat(L's', secondLength) + L"\\";
    CString error;
    EXPECT_FALSE(CreateDirectoryPath(path, error));
    EXPECT_EQ(CString(kPathTooLong), error);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(root / L"first"));
}

class DirectoryCases : public ::testing::TestWithParam<Case>
{
};

TEST_P(DirectoryCases, GiveTheExpectedText)
{
    ExpectValidation(ValidateDirectory, GetParam());
}

INSTANTIATE_TEST_SUITE_P(ValidateDirectory, DirectoryCases,
                         ::testing::Values(Case{L"/", L""}, Case{L"/images", L""}, Case{L"/images/2024/", L""},
                                           Case{L"images", L"Invalid directory name."},
                                           Case{L"\\images", L"Invalid directory name."},
                                           Case{L"", L"Empty directory."}, Case{L"//images", kEmptyDirectory},
                                           Case{L"/images//2024", kEmptyDirectory}, Case{L"/images/prn", kDevice},
                                           Case{L"/images\\2024", kReserved}, Case{L"/.well-known/img", L""},
                                           Case{L"/images/../2024", kNoName}, Case{L"/" + Repeat(L'd', 255), L""},
                                           Case{L"/" + Repeat(L'd', 256), kTooLong}));

TEST(CreateDirectoryPath, CreatesEveryLevelBelowAFolderBeginningWithADot)
{
    TestFolder root;
    CString path = root / L".apps\\vell repo\\Screen Captures\\File\\";
    CString error = L"left over";
    EXPECT_TRUE(CreateDirectoryPath(path, error)) << error.ToAnsi();
    EXPECT_TRUE(error.IsEmpty());
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(path));

    // The free-space check makes the folder of the file it is asked about, too.
    CString file = root / L".cache\\shots\\Desktop.png";
    EXPECT_TRUE(CheckFreeDiskSpace(file, 1024, error)) << error.ToAnsi();
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(root / L".cache\\shots"));
}

TEST(ValidateNameAndShow, TakesAnyNameTheSystemTakesAndShowsWhyNotOnlyWhenAsked)
{
    const struct
    {
        const wchar_t* name;
        const wchar_t* shown; // empty: the name passes
    } cases[] = {
        {L".hidden", L""},
        {L"shot 1.png", L""},
        {L"PRN", kDevice},
        {L"a\\b", L"File/directory name contains reserved characters (<>:\"/|?*)."},
        {L"a\x02", kControl},
    };
    for (const auto& c : cases)
    {
        MessageBoxRecorder boxes(IDOK);
        EXPECT_EQ(*c.shown == L'\0', ValidateNameAndShow(c.name, true)) << CString(c.name).ToAnsi();
        EXPECT_EQ(*c.shown == L'\0', ValidateNameAndShow(c.name, false));
        if (*c.shown == L'\0')
        {
            EXPECT_TRUE(boxes.boxes.empty());
            continue;
        }
        ASSERT_EQ(1u, boxes.boxes.size()); // only the call that asked for it
        EXPECT_EQ(CString(c.shown), boxes.boxes[0].text);
        EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONINFORMATION), boxes.boxes[0].type);
    }
}
