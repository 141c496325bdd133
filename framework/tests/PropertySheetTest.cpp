#include "framework/AfxParseURL.h"
#include "framework/AppMessageLoop.h"
#include "framework/CPropertySheet.h"
#include "testing/CStringPrinter.h"
#include "testing/TestInput.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace
{
TEST(AfxParseURLTest, SplitsAddressesWithASchemeAndAHostName)
{
    const struct
    {
        const wchar_t* url;
        bool parsed;
        DWORD service;
        const wchar_t* server;
        const wchar_t* object;
        INTERNET_PORT port;
    } kCases[] = {
        {L"ftp://127.0.0.1/shots/Web.png:21", true, AFX_INET_SERVICE_FTP, L"127.0.0.1", L"/shots/Web.png:21", 21},
        {L"ftp://files.example.com", true, AFX_INET_SERVICE_FTP, L"files.example.com", L"/", 21},
        {L"http://web.example:8080/a?b=1", true, AFX_INET_SERVICE_HTTP, L"web.example", L"/a?b=1", 8080},
        {L"ftp://bad host", false, AFX_INET_SERVICE_UNK, L"", L"", 0},
        {L"127.0.0.1/shots/Web.png:21", false, AFX_INET_SERVICE_UNK, L"", L"", 0},
        {L"mailto:someone@example.com", false, AFX_INET_SERVICE_UNK, L"", L"", 0},
        {L"", false, AFX_INET_SERVICE_UNK, L"", L"", 0},
    };
    for (const auto& c : kCases)
    {
        DWORD service = 12345;
        CString server, object;
        INTERNET_PORT port = 0;
        EXPECT_EQ(c.parsed, AfxParseURL(c.url, service, server, object, port)) << CString(c.url).ToAnsi(CP_UTF8);
        EXPECT_EQ(c.service, service);
        if (!c.parsed)
            continue;
        EXPECT_EQ(CString(c.server), server);
        EXPECT_EQ(CString(c.object), object);
        EXPECT_EQ(c.port, port);
    }
}

class CountingPage : public CPropertyPage
{
public:
    explicit CountingPage(UINT id) : CPropertyPage(id) {}
    int activations = 0;

protected:
    bool OnSetActive() override
    {
        ++activations;
        return true;
    }
};

class ChildSheetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const CString hostClass = AppRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        m_host = CreateWindowExW(0, hostClass, L"Sheet host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 30, 30, 420, 320,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(nullptr, m_host);
        m_sheet.AddPage(m_first);
        m_sheet.AddPage(m_second);
        ASSERT_TRUE(m_sheet.CreateChild(m_host));
    }
    void TearDown() override
    {
        m_sheet.DestroyWindow();
        DestroyWindow(m_host);
    }
    int TabCount() { return TabCtrl_GetItemCount(m_sheet.GetTabControl()); }

    HWND m_host = nullptr;
    CountingPage m_first{101}, m_second{102}, m_third{101};
    CPropertySheet m_sheet;
};

TEST_F(ChildSheetTest, IsAChildControlWithoutTheDialogButtons)
{
    const LONG_PTR style = GetWindowLongPtrW(m_sheet, GWL_STYLE);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_FALSE(style & (WS_POPUP | WS_CAPTION));
    EXPECT_EQ(m_host, GetParent(m_sheet));
    for (int id : {IDOK, IDCANCEL})
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(m_sheet, id))) << id;
    EXPECT_EQ(1, m_first.activations);
    EXPECT_NE(nullptr, m_first.GetSafeHwnd());
}

TEST_F(ChildSheetTest, PagesAreExchangedWhileTheSheetLives)
{
    ASSERT_TRUE(m_sheet.AddPage(m_third));
    EXPECT_EQ(3, TabCount());
    ASSERT_TRUE(m_sheet.SetActivePage(2));
    EXPECT_EQ(1, m_third.activations);
    EXPECT_EQ(2, m_sheet.GetActiveIndex());

    ASSERT_TRUE(m_sheet.RemovePage(0));
    EXPECT_EQ(2, TabCount());
    EXPECT_EQ(nullptr, m_first.GetSafeHwnd());
    EXPECT_EQ(&m_third, m_sheet.GetPage(1));
    EXPECT_FALSE(m_sheet.RemovePage(5));
}

TEST_F(ChildSheetTest, TabMovesBetweenAPagesControlsThroughTheSheet)
{
    HWND first = m_first.GetDlgItem(1001);
    SetForegroundWindow(m_host);
    SetFocus(first);
    ASSERT_EQ(first, GetFocus());
    INPUT keys[2] = {};
    for (int i = 0; i < 2; ++i)
    {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = VK_TAB;
        keys[i].ki.dwFlags = i ? KEYEVENTF_KEYUP : 0;
    }
    ASSERT_TRUE(SendInputSettled(keys, 2));
    EXPECT_EQ(m_first.GetDlgItem(1002), GetFocus());
}

// The accelerators of the window around a sheet act while a page's control has the focus
// (the sheet would otherwise take every key of its pages as a dialog does).
TEST_F(ChildSheetTest, TheHostsAcceleratorsActInsideThePages)
{
    const WORD kCommand = 40001;
    static std::vector<WORD> commands;
    commands.clear();
    auto recorder = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) -> LRESULT {
        if (message == WM_COMMAND)
            commands.push_back(LOWORD(wParam));
        return DefSubclassProc(window, message, wParam, lParam);
    };
    ASSERT_TRUE(SetWindowSubclass(m_host, recorder, 1, 0));
    ACCEL keys[] = {{FVIRTKEY, VK_F7, kCommand}};
    HACCEL table = CreateAcceleratorTableW(keys, ARRAYSIZE(keys));
    AppSetAccelerators(m_host, table);
    PostMessageW(m_first.GetDlgItem(1001), WM_KEYDOWN, VK_F7, 0);
    AppPumpWaiting();
    EXPECT_EQ(std::vector<WORD>{kCommand}, commands);

    AppSetAccelerators(m_host, nullptr);
    DestroyAcceleratorTable(table);
    RemoveWindowSubclass(m_host, recorder, 1);
}
} // namespace
