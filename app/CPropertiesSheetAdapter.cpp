#include "app/CPropertiesSheetAdapter.h"

#include "capture/destinations/CaptureTables.h"

// The view asks only for a type it does not show or wants shown again, so the sheet
// always builds the pages anew.
bool CPropertiesSheetAdapter::ShowPages(EnumSendParam type, int pageHint)
{
    m_sheet.ShowPages(type, pageHint < 0 ? LoadActivePageIndex(type, true) : pageHint, true);
    return true;
}
