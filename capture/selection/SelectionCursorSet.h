#pragma once
// SelectionCursorSet: the selection type of a capture and the system cursors it
// replaces while the user selects. Replace puts the type's cursor in place of each
// of the fourteen system cursors and keeps a copy of every cursor it replaced;
// Restore puts back the user's cursor of the registry (Control Panel\Cursors) or,
// when there is none to load, the kept copy. The destructor restores too, so a
// selection that ends with its object never leaves the user's cursors replaced.
#include "capture/selection/ISystemCursors.h"

class SelectionCursorSet
{
public:
    static const int kCursorCount = 14;

    explicit SelectionCursorSet(ISystemCursors& cursors);
    SelectionCursorSet(const SelectionCursorSet&) = delete;
    SelectionCursorSet& operator=(const SelectionCursorSet&) = delete;
    ~SelectionCursorSet();

    void SetCursors(ISystemCursors& cursors) { m_cursors = &cursors; }
    int GetType() const { return m_type; }
    void SetType(int type) { m_type = type; }
    // The cursor resource of a selection type.
    static UINT ResourceOf(int type);

    // Replaces every system cursor with the type's cursor. A cursor id whose
    // replacement cannot be made keeps its cursor.
    void Replace();
    // Puts back every cursor replaced; nothing when none is.
    void Restore();
    bool IsReplaced() const;

private:
    // The user's own cursor file of the id, "%SYSTEMROOT%" expanded; empty when
    // the registry names none (or the id has no name).
    static CString UserCursorFile(int index);

    ISystemCursors* m_cursors;
    int m_type = 2;
    HCURSOR m_saved[16] = {};
};
