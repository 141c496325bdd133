#pragma once
// CDlgPresentationSelectionType: the selection of a timed screen or movie capture made by
// hand: its type and its data (points for the shapes, a window's name), typed or marked
// with the mouse on a full-screen overlay. Ends with kSelectionUseSelection once the
// data serves the type, kSelectionManual, or IDCANCEL.
#include "Info/SendParam.h"
#include "capture/selection/CWndTransparentScSelection.h"
#include "framework/CDialog.h"

#include <memory>
#include <vector>

class CDlgPresentationSelectionType : public CDialog
{
public:
    // Points given for a window, the active window or the desktop make it a rectangle of
    // those points; text is the window name of the window type.
    CDlgPresentationSelectionType(EnumScreenCaptureType type, const std::vector<POINT>& points, const CString& text,
                                  HWND parent = nullptr);
    ~CDlgPresentationSelectionType() override;

    EnumScreenCaptureType GetSelectionType() const { return m_type; }
    const CString& GetSelectionText() const { return m_text; }
    // The text's points; none for the window types.
    std::vector<POINT> GetSelectionPoints() const;
    CWndTransparentScSelection* GetOverlay() { return m_overlay.get(); }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;

private:
    void ShowTypeData();
    void OnUseMouse();
    void OnUseSelection();

    EnumScreenCaptureType m_type;
    CString m_text;
    std::unique_ptr<CWndTransparentScSelection> m_overlay;
};

// Runs the dialog for ICaptureDialogs::ChooseSelection (every record type asks alike): on
// kSelectionUseSelection the type, the points and the window name hold the user's choice;
// otherwise they are unchanged.
int ChooseSelectionType(EnumSendParam recordType, EnumScreenCaptureType& type, std::vector<POINT>& points,
                        CString& windowName, HWND parent);
