#pragma once
// CCommandHandlers: WM_COMMAND and WM_NOTIFY decoded once into two handlers, for the
// window objects that take commands (dialogs, views).
#include <windows.h>

class CCommandHandlers
{
public:
    virtual ~CCommandHandlers() = default;

protected:
    // A command (a control's notification, a menu item, an accelerator); true when handled.
    virtual bool OnCommand(UINT code, UINT id, HWND control);
    // A control's WM_NOTIFY; true (and the result) when handled.
    virtual bool OnNotify(const NMHDR& header, LRESULT& result);
    // Hands WM_COMMAND and WM_NOTIFY to the handlers; true (and the result) when one
    // handled the message.
    bool DecodeCommand(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
};
