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
    // The sheet's Time/Action page shows the shown type's action (the sheet follows the
    // capture type).
    void UpdateTimePage(int, bool running) override { m_sheet.UpdateTimePage(running); }
    void ResetTimePage(int) override { m_sheet.ResetTimePage(); }

private:
    // Makes the window once the sheet holds pages; false when that failed.
    bool CreateWhenPaged();

    CPSheetCaptureSettings m_sheet;
    HWND m_parent = nullptr;
    RECT m_place = {};
};
