#include "Info/InfoScFile.h"
#include "capture/destinations/CaptureTables.h"
#include "capture/pages/PagesIds.h"
#include "capture/pages/tests/PageHostFixture.h"

namespace
{
class PagesContractTest : public PageHostTest
{
};

TEST_F(PagesContractTest, FilePageShowsTheLiveRecord)
{
    static_cast<InfoScFile&>(Live(SP_SC_FILE)).FName = L"Shot";
    Show(SP_SC_FILE);
    ASSERT_EQ(2, m_sheet->GetPageCount());
    wchar_t text[64] = {};
    GetWindowTextW(Item(0, IDC_FILE_NAME), text, 64);
    EXPECT_STREQ(L"Shot", text);
    EXPECT_FALSE(m_sheet->IsModified());
}
} // namespace
