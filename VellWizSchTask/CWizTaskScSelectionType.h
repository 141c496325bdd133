#pragma once
// CWizTaskScSelectionType: what part of the screen a capture takes: the selection type,
// its points or window title, and whether the cursor is captured. "Use Mouse" lets the
// user draw the shape on the screen (optionally with the wizard and its owner hidden
// meanwhile). The screen path and the movie path show the same page; the owner kind
// (1 screen, 5 movie) picks the header and the page before it.
#include "VellWizSchTask/CWizTaskPage.h"
#include "capture/selection/CWndTransparentScSelection.h"

#include <memory>

class CWizTaskScSelectionType : public CWizTaskPage
{
public:
    CWizTaskScSelectionType(CWizTaskPropSheet& sheet, UINT templateId, int ownerKind);

    int m_selectionType = 2;
    CString m_selectionText;
    bool m_captureCursor = false;

protected:
    BOOL OnInitDialog() override;
    bool OnSetActive() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool CheckNext() override;

private:
    void UpdateDataControls();
    void OnUseMouse();

    int m_ownerKind;
    std::unique_ptr<CWndTransparentScSelection> m_overlay;
};
