#pragma once
// CSettingsSheetAdapter: the capture-settings sheet of the pages library as the sheet of
// the settings view. A type shown without a page hint opens on the settings page the user
// last looked at for that type. A sheet cannot be made without pages, and not every type
// has settings pages: the sheet gets its window with the first type that has some.
#include "app/ICaptureSettingsSheet.h"
#include "app/SheetPlacement.h"
#include "capture/pages/CPSheetCaptureSettings.h"

class CSettingsSheetAdapter : public ICaptureSettingsSheet
{
public:
    bool Create(HWND parent, const RECT& place) override;
    void ShowPages(int recordType, int pageHint) override;
    // The settings sheet of this build has no Time/Action page to show the action on.
    void UpdateTimePage(int, bool) override {}
    void ResetTimePage(int) override {}

private:
    // Makes the window once the sheet holds pages; false when that failed.
    bool CreateWhenPaged();

    CPSheetCaptureSettings m_sheet;
    HWND m_parent = nullptr;
    RECT m_place = {};
};
