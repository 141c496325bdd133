#pragma once
// CSizingControlBarCF: a sizing bar whose gripper is a caption bar with the window title,
// in the active caption colours while the keyboard focus is inside the bar. The caption
// font is "Tahoma", or "Arial" on a system without that family.
#include "framework/CSizingControlBarG.h"

class CSizingControlBarCF : public CSizingControlBarG
{
public:
    CSizingControlBarCF();

    const CString& GetCaptionFontFace() const { return m_sFontFace; }
    bool IsCaptionActive() const { return m_bActive; }
    // The caption strip in window coordinates.
    RECT CaptionRect() const;

    void OnUpdateCmdUI(CFrameWnd* target, bool disableIfNoHandler) override;

protected:
    void NcPaintGripper(HDC dc, const RECT& client) override;

private:
    void FillCaption(HDC dc, const RECT& caption) const;
    void DrawTitle(HDC dc, const RECT& caption) const;

    bool m_bActive = false;
    CString m_sFontFace;
};
