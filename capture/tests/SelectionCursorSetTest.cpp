#include "capture/selection/SelectionCursorSet.h"

#include "Info/InfoEnums.h"
#include "capture/selection/CSystemCursors.h"
#include "capture/tests/FakeSystemCursors.h"
#include "framework/AppModule.h"
#include "testing/CStringPrinter.h"

#include <gtest/gtest.h>
#include <memory>

namespace
{
const wchar_t kCursorsKey[] = L"Control Panel\\Cursors";

// Sets one value of the user's cursor scheme for the test and puts back what was
// there before.
class CursorSchemeValue
{
public:
    CursorSchemeValue(const wchar_t* name, const wchar_t* value) : m_name(name)
    {
        wchar_t old[500] = {};
        DWORD size = sizeof old;
        m_had = RegGetValueW(HKEY_CURRENT_USER, kCursorsKey, name, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                             nullptr, old, &size) == ERROR_SUCCESS;
        m_old = old;
        Write(value);
    }
    ~CursorSchemeValue()
    {
        if (m_had)
            Write(m_old);
        else
            RegDeleteKeyValueW(HKEY_CURRENT_USER, kCursorsKey, m_name);
    }
    CursorSchemeValue(const CursorSchemeValue&) = delete;
    CursorSchemeValue& operator=(const CursorSchemeValue&) = delete;

private:
    void Write(const wchar_t* value)
    {
        RegSetKeyValueW(HKEY_CURRENT_USER, kCursorsKey, m_name, REG_EXPAND_SZ, value,
                        static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
    }

    const wchar_t* m_name;
    CString m_old;
    bool m_had = false;
};

CString SystemRoot()
{
    wchar_t root[MAX_PATH] = {};
    GetEnvironmentVariableW(L"SYSTEMROOT", root, MAX_PATH);
    return root;
}
} // namespace

TEST(SelectionCursorSet, TypesUseTheirCursorResources)
{
    const struct
    {
        int type;
        UINT resource;
    } cases[] = {{0, 159}, {1, 1084}, {2, 1087}, {3, 1087}, {4, 1085}, {5, 1083}, {6, 1086}, {9, 1083}};
    for (const auto& c : cases)
        EXPECT_EQ(c.resource, SelectionCursorSet::ResourceOf(c.type)) << "type " << c.type;
}

TEST(SelectionCursorSet, ReplacesEveryCursorAndRestoresEveryOne)
{
    FakeSystemCursors cursors;
    CursorSchemeValue arrow(L"Arrow", L"");
    {
        SelectionCursorSet set(cursors);
        set.SetType(SCT_FREE_HAND);
        set.Replace();
        EXPECT_EQ(159u, cursors.lastResource);
        for (DWORD id : FakeSystemCursors::kIds)
            EXPECT_TRUE(cursors.ShowsSelection(id)) << id;
        // A second replace keeps the user's cursors as the ones to put back.
        set.Replace();
        set.Restore();
        for (DWORD id : FakeSystemCursors::kIds)
            EXPECT_TRUE(cursors.ShowsOriginal(id)) << id;
        EXPECT_FALSE(set.IsReplaced());
    }
    EXPECT_EQ(0, cursors.nullSets);
}

TEST(SelectionCursorSet, DestructionMidSelectionRestores)
{
    FakeSystemCursors cursors;
    {
        SelectionCursorSet set(cursors);
        set.Replace();
        ASSERT_TRUE(cursors.ShowsSelection(32640));
    }
    for (DWORD id : FakeSystemCursors::kIds)
        EXPECT_TRUE(cursors.ShowsOriginal(id)) << id;
}

TEST(SelectionCursorSet, FailedCursorLoadLeavesTheCursorsAlone)
{
    FakeSystemCursors cursors;
    cursors.failResourceLoads = true;
    SelectionCursorSet set(cursors);
    set.Replace();
    EXPECT_EQ(14, cursors.resourceLoads);
    EXPECT_EQ(0, cursors.sets);
    EXPECT_FALSE(set.IsReplaced());
    set.Restore();
    EXPECT_EQ(0, cursors.sets);
}

TEST(SelectionCursorSet, RestoreLoadsTheUsersSchemeOrFallsBackToTheKeptCopy)
{
    FakeSystemCursors cursors;
    CursorSchemeValue arrow(L"Arrow", L"%SYSTEMROOT%\\Cursors\\scheme_arrow.cur");
    CursorSchemeValue hand(L"Hand", L"C:\\Cursors\\hand.cur");
    SelectionCursorSet set(cursors);
    set.Replace();
    set.Restore();
    const CString expected = SystemRoot() + L"\\Cursors\\scheme_arrow.cur";
    EXPECT_EQ(expected, cursors.ShownFile(32512));
    // A value without %SYSTEMROOT% is not loaded: the kept copy goes back.
    EXPECT_EQ(0u, cursors.loadedFiles.count(L"C:\\Cursors\\hand.cur"));
    EXPECT_TRUE(cursors.ShowsOriginal(32649));

    // A scheme file that cannot be loaded falls back to the kept copy.
    FakeSystemCursors failing;
    failing.fileLoads = false;
    SelectionCursorSet second(failing);
    second.Replace();
    second.Restore();
    EXPECT_EQ(1u, failing.loadedFiles.count(expected));
    EXPECT_TRUE(failing.ShowsOriginal(32512));
    EXPECT_EQ(0, failing.nullSets);
}

TEST(SelectionCursorSet, EverySelectionCursorLoadsFromTheProgram)
{
    CSystemCursors system;
    for (int type = SCT_FREE_HAND; type <= SCT_DESKTOP; ++type)
    {
        const UINT id = SelectionCursorSet::ResourceOf(type);
        HCURSOR cursor = system.LoadResourceCursor(id);
        EXPECT_NE(nullptr, cursor) << id;
        if (cursor)
            DestroyCursor(cursor);
        EXPECT_NE(nullptr, LoadCursorW(AppGetResourceHandle(), MAKEINTRESOURCEW(id))) << id;
    }
}
