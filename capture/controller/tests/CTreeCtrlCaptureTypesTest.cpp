#include "capture/controller/CTreeCtrlCaptureTypes.h"

#include "capture/controller/CaptureType.h"
#include "capture/controller/tests/ControllerFixture.h"
#include "capture/controller/tests/HostWindow.h"
#include "capture/controller/tests/InputThread.h"
#include "common/tests/MessageBoxRecorder.h"
#include "standins/icq/IcqApi.h"
#include "testing/CStringPrinter.h"

#include <memory>

using namespace controller_test;

namespace
{
// The tree in a host window, over a controller
// whose screen settings enable the file destination.
class CaptureTypesTreeTest : public ControllerFixture
{
protected:
    void SetUp() override
    {
        ControllerFixture::SetUp();
        MakeController();
        m_tree.reset(new CTreeCtrlCaptureTypes(*m_controller, &host));
        const RECT rect = {0, 0, 300, 380};
        ASSERT_TRUE(m_tree->Create(rect, m_host, 1001));
        PumpFor(0);
    }
    void TearDown() override
    {
        m_tree.reset();
        ControllerFixture::TearDown();
    }

    HTREEITEM Item(int recordType) const { return m_tree->FindItem(recordType); }
    // A point of the item in screen coordinates: on its check box, or on its text.
    POINT ScreenPoint(HTREEITEM item, bool checkBox) const
    {
        RECT text = {};
        m_tree->EnsureVisible(item);
        EXPECT_TRUE(m_tree->GetItemRect(item, &text, true));
        POINT point = {(text.left + text.right) / 2, (text.top + text.bottom) / 2};
        if (checkBox)
        {
            // Left of the text until the tree says the point is on the item's state icon.
            UINT flags = 0;
            for (point.x = text.left - 1; point.x > 0; --point.x)
            {
                if (m_tree->HitTest(point, &flags) == item && (flags & TVHT_ONITEMSTATEICON))
                    break;
            }
            EXPECT_TRUE(flags & TVHT_ONITEMSTATEICON);
        }
        ClientToScreen(*m_tree, &point);
        return point;
    }
    // A real click from another thread; then the tree's thread takes the input and its
    // posted button-up.
    void Click(int recordType, bool checkBox = true)
    {
        const POINT point = ScreenPoint(Item(recordType), checkBox);
        InputThread input([point] { ClickAt(point); });
        ASSERT_TRUE(input.Finish());
        PumpUntil([] { return GetQueueStatus(QS_ALLINPUT) == 0; }, 2000);
    }
    bool Checked(int recordType) const { return m_tree->GetCheck(Item(recordType)); }
    CString Title() const
    {
        wchar_t title[200] = {};
        GetWindowTextW(m_host, title, 200);
        return title;
    }

    HostWindow m_host;
    std::unique_ptr<CTreeCtrlCaptureTypes> m_tree;
};
} // namespace

TEST_F(CaptureTypesTreeTest, TreeShowsTheChoices)
{

    EXPECT_EQ(CString(L"Screen Capture"), m_tree->GetItemText(m_tree->GetRootItem()));
    EXPECT_TRUE(Checked(SP_SCREEN_CAPTURE));
    EXPECT_FALSE(Checked(SP_MOVIE_CAPTURE));
    EXPECT_TRUE(Checked(SP_SC_FILE));
    EXPECT_FALSE(Checked(SP_SC_PRINTER));
    EXPECT_TRUE(Checked(SP_AUDIO_PLAYING)) << "A first start plays in every kind.";
    EXPECT_FALSE(Checked(SP_AUDIO_RECORDING));
    EXPECT_EQ(CString(L"Talvono Vellumor - Screen Capture"), Title());
    EXPECT_EQ(CString(L"Vellumor - Screen Capture"), m_tree->GetTrayTip());
    EXPECT_EQ(Item(SP_SC_FILE), m_tree->GetSelectedItem()) << "The first checked destination is selected.";
    EXPECT_EQ(std::vector<EnumSendParam>({SP_SC_FILE}), host.shownTypes);
    EXPECT_EQ(nullptr, m_tree->FindItem(SP_SC_SETTINGS));
}

TEST_F(CaptureTypesTreeTest, ClickedKindBecomesTheCaptureType)
{
    audio->recorder = kRunning; // a kind change ends what runs
    Click(SP_MOVIE_CAPTURE);
    EXPECT_TRUE(PumpUntil([&] { return m_controller->GetCaptureType() == CT_MOVIE; }));
    EXPECT_EQ(5u, ReadCommon(L"CaptType"));
    EXPECT_TRUE(Checked(SP_MOVIE_CAPTURE));
    EXPECT_FALSE(Checked(SP_SCREEN_CAPTURE));
    EXPECT_EQ(CString(L"Talvono Vellumor - Movie Capture"), Title());
    EXPECT_EQ(CString(L"Vellumor - Movie Capture"), m_tree->GetTrayTip());
    EXPECT_EQ(1, host.hookSwitches);
    EXPECT_EQ(kIdle, audio->recorder);

    // The checked kind stays checked and nothing else changes.
    movie->recorder = kRunning;
    Click(SP_MOVIE_CAPTURE);
    EXPECT_TRUE(Checked(SP_MOVIE_CAPTURE));
    EXPECT_EQ(CT_MOVIE, m_controller->GetCaptureType());
    EXPECT_EQ(1, host.hookSwitches);
    EXPECT_EQ(kRunning, movie->recorder);
}

TEST_F(CaptureTypesTreeTest, ClickedDestinationTogglesItsFlag)
{
    for (bool on : {false, true})
    {
        Click(SP_SC_FILE);
        EXPECT_TRUE(PumpUntil([&] { return Checked(SP_SC_FILE) == on; })) << "on " << on;
        InfoScSettings stored;
        stored.LoadFromRegistry();
        EXPECT_EQ(on, stored.File) << "on " << on;
    }
    Click(SP_SC_PRINTER);
    EXPECT_TRUE(PumpUntil([&] { return Checked(SP_SC_PRINTER); }));
    EXPECT_TRUE(m_controller->GetScreenManager()->GetSettings()->Printer);
}

TEST_F(CaptureTypesTreeTest, IcqIsRefusedWhileItsClientDoesNotRun)
{
    TestFolder client;
    SetEnvironmentVariableW(kIcqClientFolderVariable, client.Path());
    WritePrivateProfileStringW(L"Client", L"Running", L"0", client / L"Contacts.ini");
    MessageBoxRecorder boxes(IDOK);
    Click(SP_SC_ICQ);
    EXPECT_TRUE(PumpUntil([&] { return !boxes.boxes.empty(); }));
    SetEnvironmentVariableW(kIcqClientFolderVariable, nullptr);
    ASSERT_EQ(1u, boxes.boxes.size());
    EXPECT_EQ(CString(L" ICQ Pro is not installed or is not running. Operation aborted."), boxes.boxes[0].text);
    EXPECT_FALSE(Checked(SP_SC_ICQ));
    InfoScSettings stored;
    stored.LoadFromRegistry();
    EXPECT_FALSE(stored.ICQ);
}

TEST_F(CaptureTypesTreeTest, RecordingOrPlayingIsTheKindsChoice)
{
    audio->player = kRunning;
    Click(SP_AUDIO_RECORDING);
    EXPECT_TRUE(PumpUntil([&] { return m_controller->IsRecActive(CT_AUDIO); }));
    EXPECT_EQ(1u, ReadCommon(L"AudioType"));
    EXPECT_TRUE(Checked(SP_AUDIO_RECORDING));
    EXPECT_FALSE(Checked(SP_AUDIO_PLAYING));
    EXPECT_EQ(kIdle, audio->player) << "The choice ends what runs.";

    Click(SP_AUDIO_PLAYING);
    EXPECT_TRUE(PumpUntil([&] { return !m_controller->IsRecActive(CT_AUDIO); }));
    EXPECT_EQ(0u, ReadCommon(L"AudioType"));
    EXPECT_TRUE(Checked(SP_AUDIO_PLAYING));
    EXPECT_FALSE(Checked(SP_AUDIO_RECORDING));

    Click(SP_CBT_RECORDING);
    EXPECT_TRUE(PumpUntil([&] { return m_controller->IsRecActive(CT_TRAINING); }));
    EXPECT_EQ(std::vector<bool>({true}), training->recordFlags);
}

TEST_F(CaptureTypesTreeTest, ClickOnTheTextOnlyShowsThePages)
{
    host.shownTypes.clear();
    Click(SP_VIDEO_CAPTURE, false);
    EXPECT_TRUE(PumpUntil([&] { return !host.shownTypes.empty(); }));
    EXPECT_EQ(std::vector<EnumSendParam>({SP_VIDEO_CAPTURE}), host.shownTypes);
    EXPECT_EQ(Item(SP_VIDEO_CAPTURE), m_tree->GetSelectedItem());
    EXPECT_FALSE(Checked(SP_VIDEO_CAPTURE));
    EXPECT_EQ(CT_SCREEN, m_controller->GetCaptureType());
}
