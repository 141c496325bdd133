#pragma once
// CSizingControlBar: a docking bar whose size the user sets. Docked, it shows sizable
// edges: its inner edge changes the thickness of its whole row (every sizing bar of the
// row takes the same thickness), the edges between it and its neighbours move length
// from one bar to the next (the neighbours give way down to their minimum). Floating, it
// keeps a size of its own. Its three sizes (in a row, in a column, floating) are kept in
// the profile under "<name>-SCBar-<id>".
//
// A press on the bar's own area (a derived class's gripper or caption) drags the bar
// through its dock context; a double click docks or floats it.
#include "framework/CControlBar.h"

#include <vector>

class CSizingControlBar : public CControlBar
{
public:
    // Bar-style bits (GetSCBStyle): sizable edges, edge room shown, child fills the bar.
    static const DWORD SCBS_EDGELEFT = 0x01;
    static const DWORD SCBS_EDGERIGHT = 0x02;
    static const DWORD SCBS_EDGETOP = 0x04;
    static const DWORD SCBS_EDGEBOTTOM = 0x08;
    static const DWORD SCBS_EDGEALL = 0x0F;
    static const DWORD SCBS_SHOWEDGES = 0x10;
    static const DWORD SCBS_SIZECHILD = 0x20;

    CSizingControlBar();

    // style: window and CBRS_* styles.
    virtual bool Create(const wchar_t* title, HWND parent, UINT id, DWORD style);
    // The size becomes all three sizes first.
    virtual bool Create(const wchar_t* title, HWND parent, SIZE defaultSize, bool hasGripper, UINT id, DWORD style);

    void EnableDocking(DWORD dockStyle) override;
    DWORD GetSCBStyle() const { return m_dwSCBStyle; }
    void SetSCBStyle(DWORD style) { m_dwSCBStyle = style; }

    virtual void LoadState(const wchar_t* profileName);
    virtual void SaveState(const wchar_t* profileName);
    // Every sizing bar of the frame loads (saves) its sizes.
    static void GlobalLoadState(CFrameWnd* frame, const wchar_t* profileName);
    static void GlobalSaveState(CFrameWnd* frame, const wchar_t* profileName);

    bool IsHorzDocked() const;
    bool IsSideTracking() const;
    bool IsTracking() const { return m_bTracking; }

    SIZE CalcFixedLayout(bool stretch, bool horz) override;
    SIZE CalcDynamicLayout(int length, DWORD mode) override;

    SIZE m_szHorz = {200, 200};
    SIZE m_szVert = {200, 200};
    SIZE m_szFloat = {200, 200};
    SIZE m_szMinHorz = {33, 32};
    SIZE m_szMinVert = {33, 32};
    SIZE m_szMinFloat = {37, 32};

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    virtual void StartTracking(UINT hitCode, POINT screen);
    virtual void StopTracking();
    virtual void OnTrackUpdateSize(POINT screen);
    virtual void OnTrackInvertTracker();
    // Paints the gripper into the window DC (rect: the client area in window coordinates).
    virtual void NcPaintGripper(HDC dc, const RECT& client);
    // Takes the non-client room off rect for a bar in the dock bar with the id.
    virtual void NcCalcClient(RECT& rect, UINT dockBarId);
    virtual void AlignControlBars();
    // Hit code of a screen point: an edge (HTLEFT ...), or HTCLIENT.
    virtual LRESULT HitTest(POINT screen);

    // The id of the dock bar holding the bar (AFX_IDW_DOCKBAR_*), 0 when none.
    UINT DockBarId() const;
    // The window rectangle in window coordinates, and the client rectangle in them.
    RECT WindowRectHere() const;
    RECT ClientRectInWindow() const;
    // The strip of the edge hitCode within the window rectangle; empty when the bar has no such edge.
    RECT EdgeRect(const RECT& window, UINT hitCode) const;
    // The visible sizing bars of the bar's row, and this bar's index among them.
    std::vector<CSizingControlBar*> RowSizingBars(int& thisIndex) const;
    // Fits the bars of the row into the dock bar; false when a row break was added before it.
    bool NegotiateSpace(bool horz);
    void RepaintNonClient();

    DWORD m_dwSCBStyle = 0;
    bool m_bKeepSize = false;
    bool m_bParentSizing = false;
    bool m_bDragShowContent = false;
    int m_cxEdge = 5;

private:
    void OnNcPaintOffScreen();
    void UpdateRowEdges();

    bool m_bTracking = false;
    UINT m_htEdge = 0;
    int m_nTrackPosMin = 0;
    int m_nTrackPosMax = 0;
    int m_nTrackPosOld = 0;
    int m_nTrackEdgeOfs = 0;
    std::vector<CSizingControlBar*> m_arrBars;
    int m_nThisBar = 0;
};
