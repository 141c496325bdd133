#pragma once
// CPPagePropertiesCaptureTypeSettings: the settings page a capture kind (1..5) shows: the
// kind's icon and the text that the kind has no settings of its own.
#include "framework/CPropertyPage.h"

class CPPagePropertiesCaptureTypeSettings : public CPropertyPage
{
public:
    explicit CPPagePropertiesCaptureTypeSettings(int kind);
    ~CPPagePropertiesCaptureTypeSettings() override;

    int GetKind() const { return m_kind; }

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int m_kind;
    HICON m_icon = nullptr;
};
