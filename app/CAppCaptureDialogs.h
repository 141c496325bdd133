#pragma once
// CAppCaptureDialogs: the main program's answer to the capture managers' dialogs: the
// properties dialog of the record a capture is about to use, and the selection-type and
// frame-rate dialogs.
#include "capture/selection/ICaptureDialogs.h"

class CAppCaptureDialogs : public ICaptureDialogs
{
public:
    int EditProperties(SendParam& record, HWND parent) override;
    int ChooseSelection(EnumSendParam recordType, EnumScreenCaptureType& type, std::vector<POINT>& points,
                        CString& windowName, HWND parent) override;
    int ChooseFrameRate(bool& useFrameRate, int& frameRate, HWND parent) override;
};
