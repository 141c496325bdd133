#include "capture/pages/CPPagePropsScScreenSaver.h"

#include "Info/InfoScScreenSaver.h"
#include "capture/pages/PagesIds.h"
#include "common/PathValidation.h"

CPPagePropsScScreenSaver::CPPagePropsScScreenSaver()
    : CPPagePropsScBase(IDD_PROPS_SC_SCREENSAVER, SP_SC_SCREENSAVER, 0, 2, false)
{
}

void CPPagePropsScScreenSaver::InitControls()
{
    LimitText(IDC_SAVER_NAME, 256);
}

void CPPagePropsScScreenSaver::RecordToControls()
{
    auto& record = CopyAs<InfoScScreenSaver>();
    SetText(IDC_SAVER_NAME, record.Name);
    SetCheck(IDC_SAVER_UNIQUE, record.Unique);
    SetCheck(IDC_SAVER_CURRENT, record.MakeCurrent);
}

void CPPagePropsScScreenSaver::ReadControls()
{
    auto& record = CopyAs<InfoScScreenSaver>();
    record.Name = GetText(IDC_SAVER_NAME);
    record.Unique = GetCheck(IDC_SAVER_UNIQUE);
    record.MakeCurrent = GetCheck(IDC_SAVER_CURRENT);
}

bool CPPagePropsScScreenSaver::Check()
{
    CString error;
    if (!ValidateFileName(CopyAs<InfoScScreenSaver>().Name, error))
        return FailCheck(error, MB_ICONEXCLAMATION, IDC_SAVER_NAME);
    return true;
}
