#pragma once
// CMainFrameSearchHost: what Find searches in the main program and where a found row
// leads: copies of the live settings records (a record the program holds no manager for
// is read from the registry), the output window's lines, the output window's line, and
// the record type's page in the properties view with the control that shows the text.
#include "capture/dialogs/ISearchHost.h"

class CMainFrame;
class CLocalController;

class CMainFrameSearchHost : public ISearchHost
{
public:
    CMainFrameSearchHost(CMainFrame& frame, CLocalController& controller);

    void CopyRecords(std::vector<std::unique_ptr<SendParam>>& records) override;
    void CopyOutputLines(CStringArray& lines) override;
    void ShowOutputLine(int line, const CString& text, bool matchCase) override;
    void ShowRecordControl(EnumSendParam type, int page, UINT controlId, const CString& text,
                           bool matchCase) override;

private:
    CMainFrame& m_frame;
    CLocalController& m_controller;
};

// Focuses the visible control with the id below the window (at any depth); in an edit it
// selects the first occurrence of the text (compared in upper case without matchCase).
// False when no such control is shown.
bool FocusControlText(HWND window, UINT controlId, const CString& text, bool matchCase);
