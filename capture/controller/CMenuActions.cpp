#include "capture/controller/CMenuActions.h"

#include "capture/controller/ActionIds.h"
#include "capture/controller/CLocalController.h"
#include "capture/controller/CaptureType.h"
#include "framework/AppMainWnd.h"
#include "framework/AppModule.h"

namespace
{
struct ActionMenu
{
    UINT resource;
    // The first of the four entries after the actions once Open and its separator are
    // gone: the separator, Help, the separator and Exit.
    int helpPart;
};

const ActionMenu* MenuOf(int captureType)
{
    static const ActionMenu screen = {IDR_ACTIONS_SCREEN, 7};
    static const ActionMenu training = {IDR_ACTIONS_TRAINING, 3};
    static const ActionMenu media = {IDR_ACTIONS_MEDIA, 5};
    switch (captureType)
    {
    case CT_SCREEN:
        return &screen;
    case CT_TRAINING:
        return &training;
    case CT_AUDIO:
    case CT_VIDEO:
    case CT_MOVIE:
        return &media;
    default:
        return nullptr;
    }
}

void RemoveEntries(HMENU menu, int position, int count)
{
    for (int i = 0; i < count; ++i)
        DeleteMenu(menu, position, MF_BYPOSITION);
}
} // namespace

CMenuActions::CMenuActions(Kind kind, CLocalController& controller) : m_kind(kind), m_controller(controller)
{
}

HMENU CMenuActions::LoadActionMenu(int captureType) const
{
    const ActionMenu* action = MenuOf(captureType);
    if (!action)
        return nullptr;
    HMENU bar = LoadMenuW(AppGetResourceHandle(), MAKEINTRESOURCEW(action->resource));
    HMENU popup = bar ? GetSubMenu(bar, 0) : nullptr;
    if (!popup)
    {
        if (bar)
            DestroyMenu(bar);
        return nullptr;
    }
    RemoveMenu(bar, 0, MF_BYPOSITION); // the pop-up outlives its bar
    DestroyMenu(bar);
    if (m_kind == kView && AppGetMainWnd())
    {
        RemoveEntries(popup, 0, 2);
        RemoveEntries(popup, action->helpPart, 4);
    }
    return popup;
}

int CMenuActions::Show(int captureType)
{
    m_captureType = captureType;
    HMENU popup = LoadActionMenu(captureType);
    if (!popup)
        return -1;
    const int chosen = TrackAtCursor(popup);
    SendCommand(chosen);
    DestroyMenu(popup);
    return chosen;
}

void CMenuActions::SendCommand(int id)
{
    HWND main = AppGetMainWnd();
    if (id != -1 && main)
        SendMessageW(main, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

int CMenuActions::TrackAtCursor(HMENU menu)
{
    if (!menu)
        return -1;
    HWND main = AppGetMainWnd();
    SetForegroundWindow(main);
    POINT cursor = {};
    GetCursorPos(&cursor);
    const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, main, nullptr);
    // A menu of a window in the background closes on the next click elsewhere only
    // after its owner has had a message.
    PostMessageW(main, WM_NULL, 0, 0);
    return chosen;
}

void CMenuActions::UpdateCommand(CCmdUI* item)
{
    if (!item)
        return;
    m_captureType = m_controller.GetCaptureType();
    bool enabled = true;
    bool named = false;
    if (m_captureType == CT_TRAINING)
        named = TrainingRule(item->m_nID, enabled);
    else if (m_captureType >= CT_SCREEN && m_captureType <= CT_MOVIE)
        named = GeneralRule(item->m_nID, enabled);
    if (named)
        item->Enable(enabled);
}

bool CMenuActions::TrainingRule(UINT id, bool& enabled) const
{
    // The hook library's states, as the controller reports them for training.
    const bool busy = m_controller.IsRecording() || m_controller.IsPlaying();
    const bool records = m_controller.IsRecActive(CT_TRAINING);
    switch (id)
    {
    case ID_CAPTURE_REPEAT_LAST:
    case ID_CAPTURE_SHOW_LAST:
    case ID_CAPTURE_PAUSE:
    case ID_CAPTURE_RESUME:
        enabled = false;
        return true;
    case ID_CAPTURE_RECORD:
        enabled = !busy && records;
        return true;
    case ID_CAPTURE_PLAY:
        enabled = !busy && !records;
        return true;
    case ID_CAPTURE_STOP:
        enabled = busy;
        return true;
    default:
        return false;
    }
}

bool CMenuActions::GeneralRule(UINT id, bool& enabled) const
{
    const int type = m_captureType;
    const bool paused = m_controller.IsPaused();
    const bool running = !paused && (m_controller.IsRecording() || m_controller.IsPlaying());
    const bool idle = !paused && !running;
    switch (id)
    {
    case ID_CAPTURE_REPEAT_LAST:
    case ID_CAPTURE_SHOW_LAST:
        enabled = (type == CT_SCREEN || (type == CT_MOVIE && m_controller.IsRecActive(CT_MOVIE))) &&
                  m_controller.WasLastCaptureSuccessful(type);
        return true;
    case ID_CAPTURE_RECORD:
        enabled = idle && m_controller.IsRecActive(type);
        return true;
    case ID_CAPTURE_PLAY:
        // Screen capture records only: its record mode is always on.
        enabled = idle && !m_controller.IsRecActive(type);
        return true;
    case ID_CAPTURE_PAUSE:
        enabled = running;
        return true;
    case ID_CAPTURE_RESUME:
        enabled = paused;
        return true;
    case ID_CAPTURE_STOP:
        enabled = running || paused;
        return true;
    default:
        return false;
    }
}
