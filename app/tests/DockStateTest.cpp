// The bars' places and sizes kept in the profile across starts: a state naming a bar the
// frame does not have is dropped whole, and a stored size below a bar's least size loads
// as that least size.
#include "app/AppIds.h"
#include "app/tests/ProfileFixture.h"

namespace app_test
{
namespace
{
const CString kBarKey = CString(kProductKey) + L"\\CtrlBars\\Bar";

void WriteInt(const CString& key, const wchar_t* name, DWORD value)
{
    RegSetKeyValueW(HKEY_CURRENT_USER, key, name, REG_DWORD, &value, sizeof value);
}

DWORD ReadInt(const CString& key, const wchar_t* name)
{
    DWORD value = 0xFFFFFFFF;
    DWORD size = sizeof value;
    RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
    return value;
}

// The key of the saved record of the bar; empty when none holds it.
CString BarRecordKey(UINT barId)
{
    const DWORD count = ReadInt(kBarKey + L"-Summary", L"Bars");
    for (DWORD i = 0; count != 0xFFFFFFFF && i < count; ++i)
    {
        CString key;
        key.Format(L"%s-Bar%lu", kBarKey.GetString(), i);
        if (ReadInt(key, L"BarID") == barId)
            return key;
    }
    return L"";
}

int Height(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    return r.bottom - r.top;
}

class DockStateTest : public ProfileFixture
{
protected:
    // Starts, and exits after reading the output bar.
    void RunOnce(const std::function<void(HWND outputBar)>& check)
    {
        StartProgram();
        HWND bar = program.ChildById(IDW_BAR_OUTPUT);
        ASSERT_NE(nullptr, bar);
        check(bar);
        ASSERT_EQ(0, program.Exit());
    }
};

TEST_F(DockStateTest, AStateNamingAnUnknownBarIsDroppedWhole)
{
    RunOnce([](HWND) {});
    const CString outputRecord = BarRecordKey(IDW_BAR_OUTPUT);
    ASSERT_FALSE(outputRecord.IsEmpty());
    WriteInt(outputRecord, L"Visible", 0);
    RunOnce([](HWND bar) { EXPECT_FALSE(IsWindowVisible(bar)); });

    // The same hidden bar, in a state that also names a bar the frame lacks.
    const CString hiddenAgain = BarRecordKey(IDW_BAR_OUTPUT);
    WriteInt(hiddenAgain, L"Visible", 0);
    const DWORD bars = ReadInt(hiddenAgain, L"Bars");
    WriteInt(hiddenAgain, L"Bars", bars + 1);
    CString entry;
    entry.Format(L"Bar#%lu", bars);
    WriteInt(hiddenAgain, entry, 4242);
    RunOnce([](HWND bar) { EXPECT_TRUE(IsWindowVisible(bar)); });
}

TEST_F(DockStateTest, AStoredRowHeightBelowTheLeastLoadsAsTheLeast)
{
    RunOnce([](HWND) {});
    CString sizes;
    sizes.Format(L"%s-SCBar-%u", kBarKey.GetString(), IDW_BAR_OUTPUT);
    int heights[2] = {};
    const DWORD stored[2] = {10, 32};
    for (int i = 0; i < 2; ++i)
    {
        WriteInt(sizes, L"sizeHorzCY", stored[i]);
        RunOnce([&](HWND bar) { heights[i] = Height(bar); });
    }
    EXPECT_EQ(heights[1], heights[0]);
    EXPECT_GE(heights[0], 32);
}
} // namespace
} // namespace app_test
