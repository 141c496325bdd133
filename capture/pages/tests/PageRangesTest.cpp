// Number fields against their whole range when a record is saved or used, stored values
// the pages cannot show, and the page a record type opens on.
#include "Info/InfoPresentationRecording.h"
#include "Info/InfoScPrinter.h"
#include "capture/destinations/CaptureTables.h"
#include "capture/pages/CDlgProperties.h"
#include "capture/pages/DestinationRecordOps.h"
#include "capture/pages/MediaPagesIds.h"
#include "capture/pages/PagesIds.h"
#include "capture/pages/tests/PageHostFixture.h"
#include "framework/tests/ModalDriver.h"

namespace
{
const wchar_t kOneTo999[] = L"The value for this field should be between 1 and 999. Please correct.";

// A number field, the value typed into it and the text that refuses it. A destination's
// frequency counts only with a duration, given in hours.
struct RangeCase
{
    EnumSendParam type;
    int page;
    UINT control;
    const wchar_t* value;
    const wchar_t* hours = nullptr;
};

void PrintTo(const RangeCase& c, std::ostream* out)
{
    *out << "type " << c.type << " control " << c.control << " value " << CString(c.value).ToAnsi();
}

const RangeCase kBelowRange[] = {
    {SP_SC_PRINTER, 0, IDC_PRINTER_COPIES, L"0"},
    {SP_SC_PRINTER, 0, IDC_PRINTER_COPIES, L""},
    {SP_SC_FILE, 1, IDC_FREQUENCE, L"0", L"1"},
    {SP_VIDEO_RECORDING, 1, IDC_VIDEO_FRAME_RATE, L"0"},
    {SP_PRESENTATION_RECORDING, 1, IDC_MOVIE_FRAME_RATE, L"0"},
};

class NumberRangeTest : public PageHostTest, public ::testing::WithParamInterface<RangeCase>
{
protected:
    void SetUp() override
    {
        PageHostTest::SetUp();
        MakeValid(GetParam().type);
        Show(GetParam().type);
        if (GetParam().hours)
            SetText(GetParam().page, IDC_DURATION_HOURS, GetParam().hours);
        SetText(GetParam().page, GetParam().control, GetParam().value);
        // The user left the sheet on another page than the bad value's.
        m_sheet->SetActivePage(GetParam().page == 0 ? 1 : 0);
    }
};

TEST_P(NumberRangeTest, SaveRefusesANumberBelowTheRangeOnItsPage)
{
    const RegistrySnapshot before = TakeRegistrySnapshot();
    MessageBoxRecorder boxes(IDOK);

    EXPECT_FALSE(m_sheet->Save());
    ASSERT_EQ(1u, boxes.boxes.size());
    EXPECT_EQ(CString(kOneTo999), boxes.boxes[0].text);
    EXPECT_EQ(GetParam().page, m_sheet->GetActiveIndex());
    EXPECT_EQ(Item(GetParam().page, GetParam().control), GetFocus());
    EXPECT_EQ(std::vector<std::wstring>{}, ChangedValues(before, TakeRegistrySnapshot()));
}

INSTANTIATE_TEST_SUITE_P(Fields, NumberRangeTest, ::testing::ValuesIn(kBelowRange));

void Click(HWND dialog, UINT id)
{
    SendMessageW(GetDlgItem(dialog, static_cast<int>(id)), BM_CLICK, 0, 0);
}

// The properties dialog's OK: a capture never runs with a number out of its range.
TEST_F(PageHostTest, ThePropertiesDialogRefusesNoCopiesAtAll)
{
    MakeValid(SP_SC_PRINTER);
    InfoScPrinter working(static_cast<InfoScPrinter&>(Live(SP_SC_PRINTER)));
    MessageBoxRecorder boxes(IDOK);
    ModalDriver driver([](CDialog& dialog) {
        CPSheetCaptureProperties& sheet = static_cast<CDlgProperties&>(dialog).GetSheet();
        HWND copies = sheet.GetRecordPage(0)->GetDlgItem(IDC_PRINTER_COPIES);
        SetWindowTextW(copies, L"0");
        Click(dialog, IDOK);
        EXPECT_EQ(0, dialog.GetEndCode()) << "The dialog stays open.";
        EXPECT_EQ(copies, GetFocus());
        SetWindowTextW(copies, L"3");
        Click(dialog, IDOK);
    });

    ASSERT_EQ(IDOK, EditCaptureProperties(working, m_host));
    ASSERT_EQ(1u, boxes.boxes.size());
    EXPECT_EQ(CString(kOneTo999), boxes.boxes[0].text);
    EXPECT_EQ(3, working.NumCopies);
}

// A frequency of 0, which a configuration may hold, shows as 1: showing it is no change of
// the user's; a real change still is one.
TEST_F(PageHostTest, AStoredValueOutOfRangeIsNoModification)
{
    MakeValid(SP_SC_FILE);
    GetDestinationRecordOps(SP_SC_FILE)->frequence(Live(SP_SC_FILE)) = 0;
    Show(SP_SC_FILE);
    EXPECT_FALSE(m_sheet->IsModified());
    ASSERT_TRUE(m_sheet->Reset(true));
    EXPECT_FALSE(m_sheet->IsModified());
    SetText(1, IDC_DURATION_HOURS, L"2");
    EXPECT_TRUE(m_sheet->IsModified());
}

// The page the user last chose is the one a sheet opens on, whether it gets its pages
// before or after its window, and opening it remembers nothing new.
TEST_F(PageHostTest, ASheetOpensOnTheRememberedPageAndKeepsIt)
{
    MakeValid(SP_VIDEO_RECORDING);
    ASSERT_TRUE(SaveActivePageIndex(SP_VIDEO_RECORDING, 2, true));
    CPSheetCaptureProperties early;
    early.ShowPages(SP_VIDEO_RECORDING, LoadActivePageIndex(SP_VIDEO_RECORDING, true), true);
    ASSERT_TRUE(early.Create(m_host));
    EXPECT_EQ(2, early.GetActiveIndex());
    EXPECT_EQ(2, LoadActivePageIndex(SP_VIDEO_RECORDING, true));

    MakeValid(SP_PRESENTATION_RECORDING);
    ASSERT_TRUE(SaveActivePageIndex(SP_PRESENTATION_RECORDING, 1, true));
    InfoPresentationRecording working(static_cast<InfoPresentationRecording&>(Live(SP_PRESENTATION_RECORDING)));
    int opened = -1;
    ModalDriver driver([&opened](CDialog& dialog) {
        opened = static_cast<CDlgProperties&>(dialog).GetSheet().GetActiveIndex();
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, EditCaptureProperties(working, m_host));
    EXPECT_EQ(1, opened);
    EXPECT_EQ(1, LoadActivePageIndex(SP_PRESENTATION_RECORDING, true));
}
} // namespace
