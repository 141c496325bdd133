#pragma once
// CPSheetCaptureSettings: the child property sheet of the settings view: the settings
// pages of the shown record type. A capture kind (1..5) shows its "Settings" page; every
// record type from 7 to 25 shows the Time/Action page first, then the screen types (7..17)
// and movie recording (24) the Selection Type and Miscellaneous pages, and training (18,
// 19) the Hot Keys page. The pages store every change at once: the sheet never reports a
// modification.
#include "capture/pages/CPSheetCaptureBase.h"

class CPPageSettsCommonTime;

class CPSheetCaptureSettings : public CPSheetCaptureBase
{
public:
    // Prepares the pages of the file destination (7) with its second page current.
    CPSheetCaptureSettings();

    // 1 screen destinations (7..17), 2 training (18, 19), 3 audio (20, 21), 4 video
    // (22, 23), 5 movie (24, 25); 0 otherwise.
    static int GetSettingsKind(int type);

    // The Time/Action page, when the shown type has one, back to "No action...".
    void ResetTimePage();
    // The same, then the page shows its type's action when it runs (force: a training
    // about to start counts as running).
    void UpdateTimePage(bool force);
    // The Time/Action page of the shown type; null when it has none.
    CPPageSettsCommonTime* GetTimePage() const;

protected:
    Pages CreatePages(int type) override;
};
