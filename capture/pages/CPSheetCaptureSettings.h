#pragma once
// CPSheetCaptureSettings: the child property sheet of the settings view: the settings
// pages of the shown record type. A capture kind (1..5) shows its "Settings" page; the
// record types' own settings pages come with their capture kinds.
#include "capture/pages/CPSheetCaptureBase.h"

class CPSheetCaptureSettings : public CPSheetCaptureBase
{
public:
    // Prepares the pages of the file destination (7).
    CPSheetCaptureSettings();

    // 1 screen destinations (7..17), 2 training (18, 19), 3 audio (20, 21), 4 video
    // (22, 23), 5 movie (24, 25); 0 otherwise.
    static int GetSettingsKind(int type);

protected:
    Pages CreatePages(int type) override;
};
