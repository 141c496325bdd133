#pragma once
// CAppCaptureDialogs: the main program's answer to the capture managers' dialogs: the
// selection-type and frame-rate dialogs. The properties dialog is plugged in by the
// component that builds it; until then it says it is not available yet and the capture
// goes on with the stored settings (the properties as they are: IDOK).
#include "capture/selection/ICaptureDialogs.h"

#include <functional>

class CAppCaptureDialogs : public ICaptureDialogs
{
public:
    using EditPropertiesFunc = std::function<int(SendParam& record, HWND parent)>;

    void SetEditProperties(EditPropertiesFunc edit) { m_edit = std::move(edit); }

    int EditProperties(SendParam& record, HWND parent) override;
    int ChooseSelection(EnumSendParam recordType, EnumScreenCaptureType& type, std::vector<POINT>& points,
                        CString& windowName, HWND parent) override;
    int ChooseFrameRate(bool& useFrameRate, int& frameRate, HWND parent) override;

private:
    EditPropertiesFunc m_edit;
};
