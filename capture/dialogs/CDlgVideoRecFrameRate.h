#pragma once
// CDlgVideoRecFrameRate: whether the video recorder uses a frame rate of its own, and
// which (1 to 999 frames a second). The check box enables the rate's controls; OK
// refuses a rate outside the range with the number edit's range message.
#include "framework/CDialog.h"
#include "framework/CNumberEdit.h"

class CDlgVideoRecFrameRate : public CDialog
{
public:
    static constexpr int kMinRate = 1;
    static constexpr int kMaxRate = 999;

    CDlgVideoRecFrameRate(bool useFrameRate, int frameRate, HWND parent = nullptr);
    bool GetUseFrameRate() const { return m_useFrameRate; }
    int GetFrameRate() const { return m_frameRate; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;

private:
    void EnableRateControls();

    bool m_useFrameRate;
    int m_frameRate;
    CNumberEdit m_rate;
};
