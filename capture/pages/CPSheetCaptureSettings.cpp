#include "capture/pages/CPSheetCaptureSettings.h"

#include "capture/pages/CPPagePropertiesCaptureTypeSettings.h"

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

CPSheetCaptureBase::Pages CPSheetCaptureSettings::CreatePages(int type)
{
    Pages pages;
    if (type >= 1 && type <= 5)
        pages.push_back(std::make_unique<CPPagePropertiesCaptureTypeSettings>(type));
    return pages;
}
