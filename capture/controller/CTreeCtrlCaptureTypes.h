#pragma once
// CTreeCtrlCaptureTypes: the tree of the main window's "Capture Types" bar. Its check
// boxes choose the current capture kind (one of the five top items), the screen-capture
// destinations (any number) and, for the other kinds, whether their Record/Play pair
// records or plays (one of "Recording" and "Playing"); its selection shows the property
// and settings pages of the item. Every change goes to the controller or the screen
// settings at once; changing the kind or the record/play choice first ends whatever
// runs (CLocalController::StopAll).
//
// A click on a check box is decided when the button goes down: the tree view's own
// handling of the click (which waits for the button-up) is then corrected to the
// decided state when the button-up arrives.
#include "framework/CTreeCtrl.h"

class CLocalController;
class IControllerHost;

class CTreeCtrlCaptureTypes : public CTreeCtrl
{
public:
    // host: the main window's views and hooks; may be null.
    CTreeCtrlCaptureTypes(CLocalController& controller, IControllerHost* host);

    // Creates the tree (check boxes, lines, buttons) and fills it.
    bool Create(const RECT& rect, HWND parent, UINT id);
    // Rebuilds the items from the controller's choices and the screen settings, sets the
    // main window's title and the tray icon's tip.
    void Refresh();
    // The item whose data is the record type (EnumSendParam); null when none.
    HTREEITEM FindItem(int recordType) const;
    // Shows the pages of the record type (page: -1 the current one) and, with select,
    // selects its item. Without force a type shown already is not shown again. False
    // when the properties view refused to leave its pages: the previous item is
    // selected again.
    bool SelectRecordType(int recordType, int page, bool select, bool force);

    // "Screen Capture" ... "Movie Capture" for types 1 to 5; empty for others.
    static CString KindName(int type);
    // The main window's title for the capture type.
    static CString TitleOf(int type);
    // The tray icon's tip as last set: the program's name and the current kind's.
    const CString& GetTrayTip() const { return m_tipText; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Fill();
    void CheckChoices();
    void OnButtonDown(POINT point);
    void OnButtonUp();
    // The clicked item of a one-of choice (the kinds; "Recording" and "Playing"): false
    // when it was the choice already; else what runs ends and its siblings are unchecked.
    bool ChooseAmongSiblings(HTREEITEM item);
    void ClickKind(HTREEITEM item, int type);
    void ClickDestination(HTREEITEM item, int type);
    void ClickRecordChoice(HTREEITEM item, int type);
    void UpdateTrayTip();

    CLocalController& m_controller;
    IControllerHost* m_host;
    HTREEITEM m_topItems[5] = {};
    // The item whose check box the button went down on, and the state it gets.
    HTREEITEM m_clicked = nullptr;
    bool m_clickedCheck = false;
    HTREEITEM m_selected = nullptr;
    bool m_icqRefused = false;
    bool m_selecting = false;
    CString m_tipText;
    int m_currentRecordType = 7;
};
