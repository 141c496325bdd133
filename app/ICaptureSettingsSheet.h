#pragma once
// ICaptureSettingsSheet: the sheet the settings view hosts: the settings pages of one
// record type (with its Time/Action page), which store every change at once.
#include <windows.h>

class ICaptureSettingsSheet
{
public:
    virtual ~ICaptureSettingsSheet() = default;

    // Makes the sheet as a visible child of the parent over the rectangle; false when
    // it cannot be made.
    virtual bool Create(HWND parent, const RECT& place) = 0;
    // Shows the settings pages of the record type (pageHint -1: the page last looked at for
    // the type).
    virtual void ShowPages(int recordType, int pageHint) = 0;
    // The Time/Action page shows the capture type's recording or playing as running.
    virtual void UpdateTimePage(int captureType, bool running) = 0;
    // The Time/Action page shows the capture type with nothing running.
    virtual void ResetTimePage(int captureType) = 0;
};
