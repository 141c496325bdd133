#pragma once
// Test support for the video player and the video manager: a hidden owner window that
// records the player's notifications, and message boxes and file dialogs answered
// without a window.
#include "capture/video/VideoPlayerIds.h"
#include "framework/AppFileDialog.h"
#include "framework/AppMessageBox.h"
#include "framework/CWnd.h"

#include <vector>

namespace video_test
{
// Records every player notification it receives, in order.
class NotificationLog : public CWnd
{
public:
    NotificationLog()
    {
        const RECT rect = {0, 0, 10, 10};
        CreateEx(WS_EX_TOOLWINDOW, AppRegisterWndClass(0), L"player owner", WS_POPUP, rect, nullptr, 0);
    }

    std::vector<UINT> messages;

    // Whether the message arrived (at any place).
    bool Has(UINT message) const
    {
        for (UINT seen : messages)
            if (seen == message)
                return true;
        return false;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_PLAYER_STARTED && message <= WM_PLAYER_CLOSED)
            messages.push_back(message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// Answers every message box with OK and keeps its text, and every file dialog with
// chosenPath, for the object's life.
class AnsweredDialogs
{
public:
    AnsweredDialogs()
    {
        m_previousBoxes = AppSetMessageBoxHandler([this](const CString& text, const CString&, UINT) {
            boxes.push_back(text);
            return IDOK;
        });
        m_previousFiles = AppSetFileDialogHandler([this](const FileDialogRequest&) {
            FileDialogResult result;
            result.chosen = !chosenPath.IsEmpty();
            if (result.chosen)
                result.paths.push_back(chosenPath);
            return result;
        });
    }
    ~AnsweredDialogs()
    {
        AppSetMessageBoxHandler(m_previousBoxes);
        AppSetFileDialogHandler(m_previousFiles);
    }
    AnsweredDialogs(const AnsweredDialogs&) = delete;
    AnsweredDialogs& operator=(const AnsweredDialogs&) = delete;

    std::vector<CString> boxes;
    CString chosenPath;

private:
    MessageBoxHandler m_previousBoxes;
    FileDialogHandler m_previousFiles;
};
} // namespace video_test
