#include "capture/pages/CPPagePropsScClipboard.h"

#include "Info/InfoScClipboard.h"
#include "capture/pages/CaptureUiHelpers.h"
#include "capture/pages/PagesIds.h"

CPPagePropsScClipboard::CPPagePropsScClipboard() : CPPagePropsScBase(IDD_PROPS_SC_CLIPBOARD, SP_SC_CLIPBOARD, 0, 2, false)
{
}

void CPPagePropsScClipboard::InitControls()
{
    FillImageTypeCombo(GetDlgItem(IDC_CLIPBOARD_FORMAT), CopyAs<InfoScClipboard>().FType, false, true);
}

void CPPagePropsScClipboard::RecordToControls()
{
    SetComboIndex(IDC_CLIPBOARD_FORMAT, CopyAs<InfoScClipboard>().FType);
}

void CPPagePropsScClipboard::ReadControls()
{
    CopyAs<InfoScClipboard>().FType = static_cast<EnumFileType>(GetComboIndex(IDC_CLIPBOARD_FORMAT));
}
