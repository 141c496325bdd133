#pragma once
// CCtrlBarCaptureTypes: the "Capture Types" docking bar: a sizing bar with a caption that
// the capture-type tree fills. F1 inside it opens the help file.
#include "capture/controller/CTreeCtrlCaptureTypes.h"
#include "framework/CSizingControlBarCF.h"

class CCtrlBarCaptureTypes : public CSizingControlBarCF
{
public:
    static const UINT kTreeId = 100;

    CCtrlBarCaptureTypes(CLocalController& controller, IControllerHost* host);
    ~CCtrlBarCaptureTypes() override;

    // The bar, then its tree (client edge, the default GUI font) and the tree's tips on
    // top; false when the bar, the tree or the font cannot be made.
    bool Create(const wchar_t* title, HWND parent, UINT id, DWORD style) override;

    CTreeCtrlCaptureTypes& GetTree() { return m_tree; }
    void Refresh();
    bool SelectRecordType(int recordType, int page, bool select, bool force);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CTreeCtrlCaptureTypes m_tree;
    HFONT m_font = nullptr;
};
