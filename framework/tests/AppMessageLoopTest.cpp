// The application's loop: accelerator tables per window, modeless dialogs keeping their
// owner's accelerators out, idle handlers and when idle processing starts again.
#include "UiTestResources.h"
#include "framework/AppMessageLoop.h"
#include "framework/CDialog.h"
#include "framework/CEdit.h"
#include "framework/Handles.h"
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace
{
const UINT kQuitWith = WM_APP + 1; // ends the loop with wParam as its exit code
const UINT kCommandF7 = 500;
const UINT kCommandCtrlK = 501;

// A main window with an edit control; each command is recorded and one of them ends the loop.
class MainWindow : public CWnd
{
public:
    MainWindow()
    {
        const RECT rect = {0, 0, 200, 100};
        CreateEx(0, AppRegisterWndClass(0), L"main", WS_OVERLAPPEDWINDOW, rect, nullptr, 0);
        const RECT editRect = {0, 0, 100, 20};
        edit.Create(WS_CHILD | WS_VISIBLE, editRect, *this, 1);
    }
    CEdit edit;
    std::vector<UINT> commands;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND && lParam == 0)
        {
            commands.push_back(LOWORD(wParam));
            PostQuitMessage(LOWORD(wParam));
            return 0;
        }
        if (message == kQuitWith)
        {
            PostQuitMessage(static_cast<int>(wParam));
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class AcceleratorTable
{
public:
    AcceleratorTable()
    {
        ACCEL keys[] = {{FVIRTKEY, VK_F7, kCommandF7}, {FVIRTKEY | FCONTROL, 'K', kCommandCtrlK}};
        m_table = CreateAcceleratorTableW(keys, ARRAYSIZE(keys));
    }
    ~AcceleratorTable() { DestroyAcceleratorTable(m_table); }
    operator HACCEL() const { return m_table; }

private:
    HACCEL m_table;
};
} // namespace

TEST(AppMessageLoop, AWindowsAcceleratorsTranslateKeysOfItsChildrenIntoCommands)
{
    MainWindow main;
    AcceleratorTable table;
    AppSetAccelerators(main, table);
    PostMessageW(main.edit, WM_KEYDOWN, VK_F7, 0);
    EXPECT_EQ(static_cast<int>(kCommandF7), AppRunMessageLoop());
    EXPECT_EQ(std::vector<UINT>{kCommandF7}, main.commands);

    // Without its table the key stays a key.
    AppSetAccelerators(main, nullptr);
    PostMessageW(main.edit, WM_KEYDOWN, VK_F7, 0);
    PostMessageW(main, kQuitWith, 3, 0);
    EXPECT_EQ(3, AppRunMessageLoop());
    EXPECT_EQ(1u, main.commands.size());
}

TEST(AppMessageLoop, AModelessDialogOwnedByTheWindowKeepsTheOwnersAcceleratorsOut)
{
    MainWindow main;
    AcceleratorTable table;
    AppSetAccelerators(main, table);
    CDialog dialog(IDD_VALUES, main);
    ASSERT_TRUE(dialog.Create());
    ASSERT_EQ(static_cast<HWND>(main), GetParent(dialog)); // owned, so the walk reaches the owner

    PostMessageW(dialog.GetDlgItem(IDC_NAME), WM_KEYDOWN, VK_F7, 0);
    PostMessageW(main, kQuitWith, 4, 0);
    EXPECT_EQ(4, AppRunMessageLoop());
    EXPECT_TRUE(main.commands.empty());
    AppSetAccelerators(main, nullptr);
}

TEST(AppMessageLoop, IdleHandlersRunWhenTheQueueIsEmptyAndStartAgainAfterAMessage)
{
    MainWindow main;
    std::vector<LONG> counts;
    int bursts = 0;
    UINT id = AppAddIdleHandler([&](LONG count) {
        counts.push_back(count);
        if (count < 2)
            return true; // more idle work
        if (++bursts == 1)
            PostMessageW(main.edit, WM_KEYUP, 'A', 0); // a message: idle starts over
        else
            PostMessageW(main, kQuitWith, 0, 0);
        return false;
    });
    EXPECT_EQ(0, AppRunMessageLoop());
    AppRemoveIdleHandler(id);
    EXPECT_EQ((std::vector<LONG>{0, 1, 2, 0, 1, 2}), counts);

    // Removed, it runs no more.
    PostMessageW(main, kQuitWith, 0, 0);
    AppRunMessageLoop();
    EXPECT_EQ(6u, counts.size());
}

TEST(AppMessageLoop, AThrowingIdleHandlerIsReportedAndTheLoopGoesOn)
{
    MainWindow main;
    int calls = 0;
    UINT thrower = AppAddIdleHandler([&](LONG) -> bool {
        ++calls;
        throw std::runtime_error("broken");
    });
    UINT quitter = AppAddIdleHandler([&](LONG) {
        PostMessageW(main, kQuitWith, 9, 0);
        return false;
    });
    EXPECT_EQ(9, AppRunMessageLoop());
    AppRemoveIdleHandler(thrower);
    AppRemoveIdleHandler(quitter);
    EXPECT_EQ(1, calls);
}
