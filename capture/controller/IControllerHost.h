#pragma once
// IControllerHost: what the controller and the capture-type tree ask of the main window
// besides its window: its settings view's Time/Action page, its hooks and its views.
#include "Info/InfoEnums.h"

class IControllerHost
{
public:
    virtual ~IControllerHost() = default;

    // Shows the type's recording or playing as running (running true) or idle.
    virtual void UpdateTimePage(int captureType, bool running) = 0;
    // Shows the type's page with nothing running.
    virtual void ResetTimePage(int captureType) = 0;
    // The capture type changed: the right-button poll and the watch follow it.
    virtual void SwitchCaptureHooks() = 0;
    // Shows the property and settings pages of the record type (page: the page to
    // open, -1 the current one); false when the properties view refused to leave its
    // current pages.
    virtual bool ShowRecordType(EnumSendParam recordType, int page) = 0;
};
