#pragma once
// CPPageSettsScMisc: the "Miscellaneous" settings page of screen and movie capture: the
// repeat-last-capture key, the size label of a selection, the right-button hold time
// and whether the cursor is captured. Each change goes at once into the screen settings
// (and the registry) and the movie manager's copies. The hold time is taken when the
// user lets the slider go; moving it with the keyboard alone stores nothing.
#include "capture/pages/CPPageSettsBase.h"
#include "framework/CSliderCtrl.h"

class CPPageSettsScMisc : public CPPageSettsBase
{
public:
    explicit CPPageSettsScMisc(int type);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;

private:
    CSliderCtrl m_holdTime;
};
