#pragma once
// CMenuActions: the capture actions Record, Play, Pause, Resume, Stop, Repeat Last and
// Show Last Screen Capture. It pops up the action menu of a capture type (from the tray
// icon, or on a right click in a view or page) and sends the chosen command to the main
// window, and it decides whether each action is enabled, for the main menu, the
// toolbars and the tray menu alike. Made on the stack for each use.
#include "framework/CCmdUI.h"

#include <windows.h>

class CLocalController;

class CMenuActions
{
public:
    // Where the menu pops up: a right click in a view or page shows only the actions;
    // the tray icon's menu also holds Open, Help and Exit.
    enum Kind : BYTE
    {
        kView = 0,
        kTray = 1,
    };

    CMenuActions(Kind kind, CLocalController& controller);

    // Pops up the menu of the capture type at the cursor and sends the chosen command to
    // the main window; the chosen id (0 when dismissed), or -1 for a type other than 1 to 5.
    int Show(int captureType);
    // Enables or disables the item's action by the rule of the controller's current type;
    // commands that are no action, and a null item, are left alone.
    void UpdateCommand(CCmdUI* item);
    // WM_COMMAND with the id to the main window, unless the id is -1 or there is none.
    void SendCommand(int id);
    // Tracks the menu at the cursor, owned by the main window brought to the front: the
    // chosen id, 0 when dismissed, -1 for a null menu.
    int TrackAtCursor(HMENU menu);
    // The pop-up that Show offers for the type, to be freed with DestroyMenu; null for a
    // type other than 1 to 5.
    HMENU LoadActionMenu(int captureType) const;

    int GetCaptureType() const { return m_captureType; }

private:
    // Whether the rule of training (type 2) or of the other types names the command;
    // enabled: its state.
    bool TrainingRule(UINT id, bool& enabled) const;
    bool GeneralRule(UINT id, bool& enabled) const;

    Kind m_kind;
    int m_captureType = 1;
    CLocalController& m_controller;
};
