#pragma once
// CPropertiesSheetAdapter: the capture-properties sheet of the pages library as the sheet
// of the properties view. A type shown without a page hint opens on the page the user
// last looked at for that type.
#include "app/ICapturePropertiesSheet.h"
#include "app/SheetPlacement.h"
#include "capture/pages/CPSheetCaptureProperties.h"

class CPropertiesSheetAdapter : public ICapturePropertiesSheet
{
public:
    bool Create(HWND parent, const RECT& place) override { return AppCreateSheetAt(m_sheet, parent, place); }
    bool ShowPages(EnumSendParam type, int pageHint) override;
    bool IsModified() override { return m_sheet.IsModified(); }
    bool Validate() override { return m_sheet.Validate(); }
    bool Apply() override { return m_sheet.Apply(); }
    void Reset(bool reload) override { m_sheet.Reset(reload); }
    void SetDisplayFlag(bool on) override { m_sheet.SetDisplayFlag(on); }

private:
    CPSheetCaptureProperties m_sheet;
};
