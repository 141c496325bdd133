#pragma once
// The fixture of the page tests: a private settings registry, a real screen-capture
// manager over the destination records, and a host window that plays the main window for
// the pages (ICapturePageHost) with a properties sheet inside it, as the properties view
// holds it: Save, Revert and the display check box are the sheet's operations.
#include "capture/pages/CPSheetCaptureProperties.h"
#include "capture/pages/ICapturePageHost.h"
#include "capture/pages/tests/StandInDevices.h"
#include "capture/selection/CScreenCaptureManager.h"
#include "capture/selection/ICaptureDialogs.h"
#include "common/tests/MessageBoxRecorder.h"
// Every test of the pages prints texts as texts: a test file without the printer would
// give the whole program its printer, which shows addresses.
#include "testing/CStringPrinter.h"
#include "testing/TestFolder.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Every value below the settings root: "subkey\name" to its bytes.
using RegistrySnapshot = std::map<std::wstring, std::vector<BYTE>>;
RegistrySnapshot TakeRegistrySnapshot();
// The names whose values differ between two snapshots (added and removed ones too).
std::vector<std::wstring> ChangedValues(const RegistrySnapshot& before, const RegistrySnapshot& after);

// Types the text into the control with real key presses (its old text selected first, so
// that the typing replaces it); the control's top-level window comes to the front.
void TypeInto(HWND control, const std::wstring& text);
// Presses a key with the modifiers held (VK_CONTROL, ...) into the focused window.
void PressKey(WORD key, std::initializer_list<WORD> modifiers = {});
// A left click (double: two) at a point on the screen.
void ClickAt(POINT screen, bool twice = false);

// The properties dialog run by the manager's show-dialog step.
class PropertiesDialogs : public ICaptureDialogs
{
public:
    int EditProperties(SendParam& record, HWND parent) override;
    int ChooseSelection(EnumSendParam, EnumScreenCaptureType&, std::vector<POINT>&, CString&, HWND) override
    {
        return IDCANCEL;
    }
    int ChooseFrameRate(bool&, int&, HWND) override
    {
        return IDCANCEL;
    }
    int propertiesAsked = 0;
};

class PageHostTest : public ::testing::Test, public ICapturePageHost
{
public:
    CScreenCaptureManagerBase* GetScreenCaptureManager() override { return m_manager.get(); }
    void ShowActionMenu() override { ++m_actionMenus; }
    bool SelectRecordType(EnumSendParam type) override;
    SendParam* GetCaptureRecord(EnumSendParam type) override;

protected:
    void SetUp() override;
    void TearDown() override;

    // Gives the live record of a type values that pass every page's checks (an existing
    // folder, editor and cover page, a listed fax server, listed devices, ...).
    void MakeValid(EnumSendParam type);
    void MakeCaptureValid(EnumSendParam type);
    // Shows the type's pages in the host's sheet.
    void Show(int type);
    // The text of a control of a page.
    CString Text(int page, UINT id);
    // The live record of a type 7..25.
    SendParam& Live(EnumSendParam type);
    // A control of the page at the index (the page has its window).
    HWND Item(int page, UINT id);
    IProperties& Page(int index);
    void SetText(int page, UINT id, const wchar_t* text);

    TestFolder m_folder;
    // The devices the pages list, and the live records of types 18..25.
    StandInDevices m_devices;
    std::map<int, std::unique_ptr<SendParam>> m_captureRecords;
    HWND m_host = nullptr;
    std::unique_ptr<CPSheetCaptureProperties> m_sheet;
    std::unique_ptr<CScreenCaptureManager> m_manager;
    PropertiesDialogs m_dialogs;
    std::vector<EnumSendParam> m_selectedTypes;
    int m_actionMenus = 0;
};
