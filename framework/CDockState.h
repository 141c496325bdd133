#pragma once
// CDockState: where a frame's bars are, kept in the application's profile. One record per
// control bar of the frame (dock bars included): its id, whether it is visible, docked in
// a row or a column, floating and where, and for a dock bar the ids of the bars it holds
// in order, a 0 between two rows. The dock bar of a floating frame is recorded under the
// id of its first bar plus 0x10000, with the screen position of the frame's inside (the
// dock bar), so a frame with another caption comes back around the same place.
//
// Profile layout for the name N: section "N-Summary" holds "Bars" (the record count);
// section "N-Bar<i>" (i from 0) holds "BarID", "Visible", "Horz", "Floating", "XPos",
// "YPos", "MRUDockID", "MRUFloatX", "MRUFloatY", "Bars" and "Bar#<n>" (n from 0).
#include "framework/CString.h"

#include <vector>
#include <windows.h>

class CFrameWnd;

struct CControlBarInfo
{
    UINT m_nBarID = 0;
    bool m_bVisible = true;
    bool m_bHorz = true;
    bool m_bFloating = false;
    POINT m_pointPos = {0, 0};
    UINT m_uMRUDockID = 0;
    POINT m_ptMRUFloatPos = {0, 0};
    std::vector<UINT> m_arrBarID;

    // The id a record of a floating dock bar carries for its first bar.
    static const UINT kFloatingDockBarFlag = 0x10000;

    // False when the profile has no such record.
    bool LoadState(const wchar_t* profileName, int index);
    void SaveState(const wchar_t* profileName, int index) const;
};

class CDockState
{
public:
    std::vector<CControlBarInfo> m_arrBarInfo;

    // Replaces the records with the profile's (none when the profile has none).
    void LoadState(const wchar_t* profileName);
    // Writes every record and removes records a longer earlier state left behind.
    void SaveState(const wchar_t* profileName) const;

    // True when every bar id the records list (ids above 0xFFFF taken modulo 0x10000, 0
    // skipped) is a control bar of the frame, and the bar of every record that is not
    // floating is one too. An empty state fits any frame.
    bool FitsFrame(const CFrameWnd& frame) const;

    static CString SectionName(const wchar_t* profileName, int index);
};
