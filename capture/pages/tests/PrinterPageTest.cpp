// The printer page's "Settings": the print set-up dialog, real under the private CUPS
// printer of the test run, and what its choice puts into the page and the application.
#include "Info/InfoScPrinter.h"
#include "capture/pages/PagesIds.h"
#include "capture/pages/tests/PageHostFixture.h"
#include "framework/AppPrintSetup.h"
#include "testing/CStringPrinter.h"
#include "testing/SystemDialogAnswer.h"

namespace
{
const wchar_t kWindowsKey[] = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";

// The user's default printer ("name,driver,port"), read as the program starts, before
// the tests' private HKEY_CURRENT_USER hides the user's own.
std::wstring ReadDefaultPrinterEntry()
{
    wchar_t device[512] = L"";
    DWORD size = sizeof(device);
    RegGetValueW(HKEY_CURRENT_USER, kWindowsKey, L"device", RRF_RT_REG_SZ, nullptr, device, &size);
    return device;
}
const std::wstring g_defaultPrinter = ReadDefaultPrinterEntry();

class PrinterPageTest : public PageHostTest
{
protected:
    void SetUp() override
    {
        PageHostTest::SetUp();
        // The print set-up dialog starts at the default printer, which the private
        // registry must name as the user's does.
        ASSERT_FALSE(g_defaultPrinter.empty()) << "the test run's CUPS has a default printer";
        ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueW(HKEY_CURRENT_USER, kWindowsKey, L"device", REG_SZ,
                                                 g_defaultPrinter.c_str(),
                                                 static_cast<DWORD>((g_defaultPrinter.size() + 1) * sizeof(wchar_t))));
        MakeValid(SP_SC_PRINTER);
        auto& live = static_cast<InfoScPrinter&>(Live(SP_SC_PRINTER));
        live.Name = L"Old printer";
        live.Orientation = PO_PORTRAIT;
        live.NumCopies = 2;
        Show(SP_SC_PRINTER);
    }
    void TearDown() override
    {
        AppSetPrintSetupHandler(nullptr);
        PageHostTest::TearDown();
    }
    // Clicks "Settings" and answers the real dialog with the button.
    void RunRealSetup(UINT answer)
    {
        SystemDialogAnswer setup(answer);
        SendMessageW(Item(0, IDC_PRINTER_SETTINGS), BM_CLICK, 0, 0);
        EXPECT_TRUE(setup.Answered()) << "the print set-up dialog was shown";
    }
    // The live record, which Save writes.
    const InfoScPrinter& Saved() { return static_cast<InfoScPrinter&>(Live(SP_SC_PRINTER)); }
};

TEST_F(PrinterPageTest, TheRealSetUpFillsThePageWithTheChosenPrinterAndKeepsIt)
{
    RunRealSetup(IDCANCEL);
    EXPECT_EQ(CString(L"Old printer"), Text(0, IDC_PRINTER_NAME));

    RunRealSetup(IDOK);
    // The test run's CUPS has one printer, "PDF", its default.
    EXPECT_EQ(CString(L"PDF"), Text(0, IDC_PRINTER_NAME));
    EXPECT_FALSE(Text(0, IDC_PRINTER_DRIVER).IsEmpty());
    EXPECT_FALSE(Text(0, IDC_PRINTER_PORT).IsEmpty());
    PrintSetupChoice application;
    ASSERT_TRUE(AppGetPrinter(application));
    EXPECT_EQ(CString(L"PDF"), application.device);
    EXPECT_EQ(Text(0, IDC_PRINTER_DRIVER), application.driver);
    EXPECT_EQ(Text(0, IDC_PRINTER_PORT), application.port);

    ASSERT_TRUE(m_sheet->Save());
    EXPECT_EQ(CString(L"PDF"), Saved().Name);
    EXPECT_EQ(application.copies, Saved().NumCopies);
}

TEST_F(PrinterPageTest, TheChosenCopiesAndOrientationReachTheRecord)
{
    const struct
    {
        int orientation;
        const wchar_t* shown;
        EnumPageOrientation saved;
    } kCases[] = {
        {DMORIENT_LANDSCAPE, L"Landscape", PO_LANDSCAPE},
        // Without a device mode the orientation stays as it was.
        {0, L"Portrait", PO_PORTRAIT},
    };
    for (const auto& c : kCases)
    {
        AppSetPrintSetupHandler([&](HWND owner, PrintSetupChoice& choice) {
            EXPECT_EQ(*m_sheet->GetRecordPage(0), owner);
            choice.device = L"Office";
            choice.driver = L"winspool";
            choice.port = L"LPT1:";
            choice.copies = 7;
            choice.orientation = c.orientation;
            return true;
        });
        static_cast<InfoScPrinter&>(Live(SP_SC_PRINTER)).Orientation = PO_PORTRAIT;
        m_sheet->Reset(true);
        SendMessageW(Item(0, IDC_PRINTER_SETTINGS), BM_CLICK, 0, 0);
        EXPECT_EQ(CString(L"7"), Text(0, IDC_PRINTER_COPIES));
        EXPECT_EQ(CString(L"LPT1:"), Text(0, IDC_PRINTER_PORT));
        EXPECT_EQ(CString(c.shown), Text(0, IDC_PAGE_COMBO));
        ASSERT_TRUE(m_sheet->Save());
        EXPECT_EQ(CString(L"Office"), Saved().Name);
        EXPECT_EQ(7, Saved().NumCopies);
        EXPECT_EQ(c.saved, Saved().Orientation);
    }
}
TEST_F(PrinterPageTest, AnOrientationNeitherPortraitNorLandscapeShowsAsLandscape)
{
    EXPECT_EQ(CString(L"Portrait"), Text(0, IDC_PAGE_COMBO));
    static_cast<InfoScPrinter&>(Live(SP_SC_PRINTER)).Orientation = static_cast<EnumPageOrientation>(0);
    m_sheet->Reset(true);
    EXPECT_EQ(CString(L"Landscape"), Text(0, IDC_PAGE_COMBO));
}
} // namespace
