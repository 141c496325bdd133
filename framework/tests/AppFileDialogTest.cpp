#include "framework/AppFileDialog.h"
#include "testing/CStringPrinter.h"

#include <gtest/gtest.h>

TEST(AppFileDialog, HandlerSeesTheRequestAndItsAnswerIsTheResult)
{
    FileDialogRequest seen;
    FileDialogHandler previous = AppSetFileDialogHandler([&](const FileDialogRequest& request) {
        seen = request;
        FileDialogResult result;
        result.chosen = true;
        result.paths.push_back(L"C:\\films\\b.avi");
        return result;
    });
    FileDialogRequest request;
    request.initialPath = L"C:\\films\\a.avi";
    request.filter = L"Video Files (*.avi)|*.avi||";
    request.flags = OFN_FILEMUSTEXIST;
    FileDialogResult result = AppFileDialog(request);
    AppSetFileDialogHandler(previous);

    EXPECT_EQ(L"C:\\films\\a.avi", seen.initialPath);
    EXPECT_EQ(L"Video Files (*.avi)|*.avi||", seen.filter);
    EXPECT_EQ(static_cast<DWORD>(OFN_FILEMUSTEXIST), seen.flags);
    EXPECT_FALSE(seen.save);
    ASSERT_TRUE(result.chosen);
    ASSERT_EQ(1u, result.paths.size());
    EXPECT_EQ(L"C:\\films\\b.avi", result.paths[0]);
}

TEST(AppFileDialog, NamesOfOneOrSeveralFilesBecomeFullPaths)
{
    struct Case
    {
        std::wstring buffer; // with its null characters
        std::vector<CString> paths;
    };
    const Case cases[] = {
        {std::wstring(L"C:\\films\\a.avi\0", 15), {L"C:\\films\\a.avi"}},
        {std::wstring(L"C:\\films\0a.avi\0b.mpg\0", 21), {L"C:\\films\\a.avi", L"C:\\films\\b.mpg"}},
        {std::wstring(L"C:\\\0a.avi\0b.mpg\0", 16), {L"C:\\a.avi", L"C:\\b.mpg"}},
        {std::wstring(L"\0", 1), {}},
    };
    for (const Case& c : cases)
    {
        std::wstring buffer = c.buffer + L'\0';
        EXPECT_EQ(c.paths, ParseFileDialogNames(buffer.c_str())) << buffer;
    }
}

TEST(AppFileDialog, FilterBarsBecomeNullCharacters)
{
    EXPECT_EQ(std::wstring(L"Videos\0*.avi;*.mpg\0\0", 20), FileDialogFilter(L"Videos|*.avi;*.mpg||"));
}
