#include "app/CSettingsSheetAdapter.h"

#include "capture/destinations/CaptureTables.h"

bool CSettingsSheetAdapter::Create(HWND parent, const RECT& place)
{
    m_parent = parent;
    m_place = place;
    return CreateWhenPaged();
}

void CSettingsSheetAdapter::ShowPages(int recordType, int pageHint)
{
    m_sheet.ShowPages(recordType, pageHint < 0 ? LoadActivePageIndex(recordType, false) : pageHint, true);
    CreateWhenPaged();
}

bool CSettingsSheetAdapter::CreateWhenPaged()
{
    return m_sheet.GetSafeHwnd() || m_sheet.GetPageCount() == 0 || AppCreateSheetAt(m_sheet, m_parent, m_place);
}
