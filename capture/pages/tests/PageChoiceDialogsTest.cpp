// The "..." buttons of the destination pages: the folder browser and the file-open dialog
// they ask for, answered here the way message boxes are, and what an answer changes.
#include "Info/InfoScFax.h"
#include "capture/pages/PagesIds.h"
#include "capture/pages/tests/PageHostFixture.h"
#include "framework/AppFileDialog.h"
#include "testing/CStringPrinter.h"

namespace
{
struct ChoiceCase
{
    const char* name;
    EnumSendParam type;
    int page;
    UINT button;
    UINT edit;
    bool folder;
    // The folder browser's title, or the file dialog's filter.
    const wchar_t* titleOrFilter;
    DWORD flags;
};

void PrintTo(const ChoiceCase& c, std::ostream* out)
{
    *out << c.name;
}

const ChoiceCase kChoices[] = {
    {"image file folder", SP_SC_FILE, 0, IDC_FILE_BROWSE, IDC_FILE_PATH, true, L"Select the image file's path:", 0},
    {"web image folder", SP_SC_WEB, 0, IDC_WEBFILE_BROWSE, IDC_WEBFILE_PATH, true, L"Select the image file's path:", 0},
    {"editor program", SP_SC_EDITOR, 0, IDC_EDITOR_BROWSE, IDC_EDITOR_LOCATION, false,
     L"Executable Files (*.exe)|*.exe||", OFN_EXPLORER | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST},
    {"fax cover page", SP_SC_FAX, 1, IDC_FAX_COVER_BROWSE, IDC_FAX_COVER_NAME, false,
     L"Fax Cover Page Files (*.cov)|*.cov||", OFN_EXPLORER | OFN_HIDEREADONLY},
};

class PageChoiceTest : public PageHostTest, public ::testing::WithParamInterface<ChoiceCase>
{
protected:
    void TearDown() override
    {
        AppSetFileDialogHandler(nullptr);
        PageHostTest::TearDown();
    }
};

TEST_P(PageChoiceTest, TheDialogStartsAtTheTypedTextAndItsChoiceReplacesIt)
{
    const ChoiceCase& c = GetParam();
    MakeValid(c.type);
    // The fax cover page's controls are enabled only with the cover page in use.
    if (c.type == SP_SC_FAX)
        static_cast<InfoScFax&>(Live(c.type)).UseCoverPage = true;
    Show(c.type);
    m_sheet->SetActivePage(c.page);
    SetText(c.page, c.edit, L"C:\\typed");

    std::vector<FileDialogRequest> requests;
    bool answer = false;
    AppSetFileDialogHandler([&](const FileDialogRequest& request) {
        requests.push_back(request);
        FileDialogResult result;
        result.chosen = answer;
        if (answer)
            result.paths.push_back(L"C:\\chosen");
        return result;
    });
    const HWND button = Item(c.page, c.button);
    SendMessageW(button, BM_CLICK, 0, 0);
    EXPECT_EQ(CString(L"C:\\typed"), Text(c.page, c.edit)) << "a cancelled dialog changes nothing";
    answer = true;
    SendMessageW(button, BM_CLICK, 0, 0);
    EXPECT_EQ(CString(L"C:\\chosen"), Text(c.page, c.edit));

    ASSERT_EQ(2u, requests.size());
    const FileDialogRequest& request = requests.back();
    EXPECT_EQ(c.folder, request.folder);
    EXPECT_FALSE(request.save);
    EXPECT_EQ(CString(L"C:\\typed"), request.initialPath);
    EXPECT_EQ(CString(c.titleOrFilter), c.folder ? request.title : request.filter);
    EXPECT_EQ(c.flags, request.flags);
    EXPECT_EQ(GetParent(button), request.owner);
}

INSTANTIATE_TEST_SUITE_P(Choices, PageChoiceTest, ::testing::ValuesIn(kChoices));
} // namespace
