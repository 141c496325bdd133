#include "capture/pages/CPSheetCaptureSettings.h"

#include "capture/pages/CPPagePropertiesCaptureTypeSettings.h"
#include "capture/pages/CPPageSettsCBTHotKeys.h"
#include "capture/pages/CPPageSettsCommonTime.h"
#include "capture/pages/CPPageSettsScMisc.h"
#include "capture/pages/CPPageSettsScSelType.h"

CPSheetCaptureSettings::CPSheetCaptureSettings()
{
    ShowPages(7, 1, true);
}

int CPSheetCaptureSettings::GetSettingsKind(int type)
{
    if (type >= 7 && type <= 17)
        return 1;
    if (type >= 18 && type <= 25)
        return (type - 18) / 2 + 2;
    return 0;
}

void CPSheetCaptureSettings::ResetTimePage()
{
    if (CPPageSettsCommonTime* page = GetTimePage())
        page->ResetAction();
}

void CPSheetCaptureSettings::UpdateTimePage(bool force)
{
    if (CPPageSettsCommonTime* page = GetTimePage())
    {
        page->ResetAction();
        page->ShowAction(force);
    }
}

CPPageSettsCommonTime* CPSheetCaptureSettings::GetTimePage() const
{
    const Pages& pages = GetPages();
    auto* page = pages.empty() ? nullptr : dynamic_cast<CPPageSettsCommonTime*>(pages.front().get());
    return page && page->GetSafeHwnd() ? page : nullptr;
}

CPSheetCaptureBase::Pages CPSheetCaptureSettings::CreatePages(int type)
{
    Pages pages;
    if (type >= 1 && type <= 5)
        pages.push_back(std::make_unique<CPPagePropertiesCaptureTypeSettings>(type));
    if (type < 7 || type > 25)
        return pages;
    pages.push_back(std::make_unique<CPPageSettsCommonTime>(type));
    if (GetSettingsKind(type) == 1 || type == 24)
    {
        pages.push_back(std::make_unique<CPPageSettsScSelType>(type));
        pages.push_back(std::make_unique<CPPageSettsScMisc>(type));
    }
    else if (GetSettingsKind(type) == 2)
    {
        pages.push_back(std::make_unique<CPPageSettsCBTHotKeys>(type));
    }
    return pages;
}
