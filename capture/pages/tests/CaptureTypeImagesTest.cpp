// The capture-kind page's list shows one image list as its normal and small images and
// leaves it to the page, which frees it once.
#include "capture/pages/PagesIds.h"
#include "capture/pages/tests/PageHostFixture.h"
#include "framework/tests/ImageListReferences.h"

#include <gtest/gtest.h>

class CaptureTypeImagesTest : public PageHostTest
{
};

TEST_F(CaptureTypeImagesTest, TheKindListSharesItsImagesWithItsPage)
{
    for (int kind = 1; kind <= 5; ++kind)
    {
        Show(kind);
        HWND list = m_sheet->GetPage(0)->GetDlgItem(IDC_CAPTURE_TYPE_LIST);
        ASSERT_NE(nullptr, list) << kind;
        HIMAGELIST images = ListView_GetImageList(list, LVSIL_SMALL);
        ASSERT_NE(nullptr, images) << kind;
        EXPECT_EQ(images, ListView_GetImageList(list, LVSIL_NORMAL)) << kind;
        // The page's own reference is all that is left when the list goes.
        EXPECT_EQ(1u, ImageListReferencesAfter(images, [list] { DestroyWindow(list); })) << kind;
    }
}
