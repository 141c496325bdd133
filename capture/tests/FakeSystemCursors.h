#pragma once
// A stand-in for the system cursors: it keeps which cursor each system id shows, so
// that a test can follow the swap and the restore where SetSystemCursor does nothing.
#include "capture/selection/ISystemCursors.h"

#include <map>
#include <set>

class FakeSystemCursors : public ISystemCursors
{
public:
    static const DWORD kIds[14];

    FakeSystemCursors()
    {
        for (DWORD id : kIds)
            m_shown[id] = NewCursor();
        m_originals = m_shown;
    }
    ~FakeSystemCursors() override
    {
        for (HCURSOR cursor : m_made)
            DestroyCursor(cursor);
    }

    HCURSOR LoadResourceCursor(UINT resourceId) override
    {
        ++resourceLoads;
        if (failResourceLoads)
            return nullptr;
        HCURSOR cursor = NewCursor();
        m_selection.insert(cursor);
        lastResource = resourceId;
        return cursor;
    }
    // A copy is told apart from its original by the copy's origin.
    HCURSOR CopySystemCursor(DWORD id) override
    {
        HCURSOR copy = NewCursor();
        m_copyOf[copy] = m_shown[id];
        return copy;
    }
    HCURSOR LoadCursorFile(const CString& path) override
    {
        loadedFiles.insert(path);
        if (!fileLoads)
            return nullptr;
        HCURSOR cursor = NewCursor();
        m_fromFile[cursor] = path;
        return cursor;
    }
    bool SetSystemCursor(HCURSOR cursor, DWORD id) override
    {
        ++sets;
        if (!cursor)
            ++nullSets;
        m_shown[id] = cursor;
        return true;
    }

    // The id shows its cursor from before the swap (or a copy of a copy ... of it).
    bool ShowsOriginal(DWORD id) const
    {
        HCURSOR shown = m_shown.at(id);
        for (auto copy = m_copyOf.find(shown); copy != m_copyOf.end(); copy = m_copyOf.find(shown))
            shown = copy->second;
        return shown == m_originals.at(id);
    }
    bool ShowsSelection(DWORD id) const { return m_selection.count(m_shown.at(id)) != 0; }
    // The path of the file cursor the id shows; empty when it shows none.
    CString ShownFile(DWORD id) const
    {
        auto file = m_fromFile.find(m_shown.at(id));
        return file == m_fromFile.end() ? CString() : file->second;
    }

    bool failResourceLoads = false;
    bool fileLoads = true;
    int resourceLoads = 0;
    int sets = 0;
    int nullSets = 0;
    UINT lastResource = 0;
    std::set<CString> loadedFiles;

private:
    HCURSOR NewCursor()
    {
        HCURSOR cursor = static_cast<HCURSOR>(CopyIcon(LoadCursorW(nullptr, IDC_ARROW)));
        m_made.insert(cursor);
        return cursor;
    }

    std::map<DWORD, HCURSOR> m_shown;
    std::map<DWORD, HCURSOR> m_originals;
    std::map<HCURSOR, HCURSOR> m_copyOf;
    std::map<HCURSOR, CString> m_fromFile;
    std::set<HCURSOR> m_selection;
    std::set<HCURSOR> m_made;
};

inline const DWORD FakeSystemCursors::kIds[14] = {32512, 32513, 32645, 32644, 32642, 32643, 32646,
                                                  32640, 32514, 32515, 32650, 32648, 32516, 32649};
