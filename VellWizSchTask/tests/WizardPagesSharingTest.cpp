// The wizard's type lists show one image list as their normal and small images and leave
// it to their page, which frees it once; the credentials page says where a task runs.
#include "VellWizSchTask/CTaskScheduler.h"
#include "VellWizSchTask/CWizTaskPropSheet.h"
#include "VellWizSchTask/TaskWizardResources.h"
#include "framework/AppWindowText.h"
#include "framework/tests/ImageListReferences.h"
#include "testing/ScratchProfileTest.h"

#include <gtest/gtest.h>
#include <memory>

class WizardPagesSharingTest : public ScratchProfileTest
{
protected:
    CTaskScheduler m_scheduler;
};

TEST_F(WizardPagesSharingTest, ATypeListSharesItsImagesWithItsPage)
{
    const struct
    {
        CWizTaskTypePage CWizTaskPropSheet::*page;
        UINT list;
    } kPages[] = {{&CWizTaskPropSheet::m_captureType, IDC_WZ_CAPTURE_TYPE_LIST},
                  {&CWizTaskPropSheet::m_scType, IDC_SC_TYPE_LIST},
                  {&CWizTaskPropSheet::m_cbtType, IDC_CBT_TYPE_LIST},
                  {&CWizTaskPropSheet::m_audioType, IDC_AUDIO_TYPE_LIST},
                  {&CWizTaskPropSheet::m_videoType, IDC_VIDEO_TYPE_LIST},
                  {&CWizTaskPropSheet::m_presentationType, IDC_PRESENTATION_TYPE_LIST}};
    auto sheet = std::make_unique<CWizTaskPropSheet>(m_scheduler, true);
    ASSERT_TRUE(sheet->CreateWizard(nullptr));
    for (const auto& p : kPages)
    {
        CWizTaskTypePage& page = (*sheet).*p.page;
        sheet->SetActivePage(sheet->GetPageIndex(&page));
        HWND list = page.GetDlgItem(p.list);
        ASSERT_NE(nullptr, list) << p.list;
        HIMAGELIST images = ListView_GetImageList(list, LVSIL_SMALL);
        ASSERT_NE(nullptr, images) << p.list;
        EXPECT_EQ(images, ListView_GetImageList(list, LVSIL_NORMAL)) << p.list;
        EXPECT_EQ(ListView_GetItemCount(list), ImageList_GetImageCount(images)) << p.list;
        // The page's own reference is all that is left when the list goes.
        EXPECT_EQ(1u, ImageListReferencesAfter(images, [list] { DestroyWindow(list); })) << p.list;
    }
}

TEST_F(WizardPagesSharingTest, TheCredentialsPageSaysTheTaskRunsWhileItsUserIsLoggedOn)
{
    auto sheet = std::make_unique<CWizTaskPropSheet>(m_scheduler, true);
    ASSERT_TRUE(sheet->CreateWizard(nullptr));
    sheet->SetActivePage(sheet->GetPageIndex(&sheet->m_credentials));
    const CString note = AppGetWindowText(sheet->m_credentials.GetDlgItem(IDC_CRED_SESSION_NOTE));
    EXPECT_GE(note.Find(L"only while this user is logged on"), 0) << note.ToAnsi(CP_UTF8);
    EXPECT_GE(note.Find(L"empty password keeps the stored one"), 0) << note.ToAnsi(CP_UTF8);
}
