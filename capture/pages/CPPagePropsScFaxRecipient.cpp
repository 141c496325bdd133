#include "capture/pages/CPPagePropsScFaxRecipient.h"

#include "Info/InfoScFax.h"
#include "capture/pages/CaptureUiHelpers.h"
#include "capture/pages/PagesIds.h"

CPPagePropsScFaxRecipient::CPPagePropsScFaxRecipient()
    : CPPagePropsScBase(IDD_PROPS_SC_FAX_RECIPIENT, SP_SC_FAX, 0, 4, true)
{
}

void CPPagePropsScFaxRecipient::InitControls()
{
    FillNetworkServerCombo(GetDlgItem(IDC_PAGE_COMBO), CopyAs<InfoScFax>().SvrName);
    LimitText(IDC_FAX_RECIPIENT_NAME, 40);
    LimitText(IDC_FAX_NUMBER, 20);
    LimitText(IDC_FAX_COMPANY, 100);
    LimitText(IDC_FAX_DEPARTMENT, 100);
}

void CPPagePropsScFaxRecipient::RecordToControls()
{
    auto& record = CopyAs<InfoScFax>();
    HWND combo = GetDlgItem(IDC_PAGE_COMBO);
    auto index = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                              reinterpret_cast<LPARAM>(record.SvrName.GetString()));
    // Only the exact name is selected; a server the network does not list shows none.
    if (index != CB_ERR && GetComboText(IDC_PAGE_COMBO, static_cast<int>(index)) != record.SvrName)
        index = CB_ERR;
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SetText(IDC_FAX_RECIPIENT_NAME, record.RecName);
    SetText(IDC_FAX_NUMBER, record.RecNumber);
    SetText(IDC_FAX_COMPANY, record.RecCompany);
    SetText(IDC_FAX_DEPARTMENT, record.RecDepartment);
}

void CPPagePropsScFaxRecipient::ReadControls()
{
    auto& record = CopyAs<InfoScFax>();
    record.SvrName = GetComboText(IDC_PAGE_COMBO, GetComboIndex(IDC_PAGE_COMBO));
    record.RecName = GetText(IDC_FAX_RECIPIENT_NAME);
    record.RecNumber = GetText(IDC_FAX_NUMBER);
    record.RecCompany = GetText(IDC_FAX_COMPANY);
    record.RecDepartment = GetText(IDC_FAX_DEPARTMENT);
}

bool CPPagePropsScFaxRecipient::Check()
{
    // The server combo's text is its selected item's: empty when nothing is selected.
    return CheckRequiredTexts({{IDC_PAGE_COMBO, LoadText(IDS_PAGE_FAX_SERVER_INVALID)},
                               {IDC_FAX_RECIPIENT_NAME, LoadText(IDS_PAGE_RECIPIENT_NAME_MISSING)},
                               {IDC_FAX_NUMBER, LoadText(IDS_PAGE_FAX_NUMBER_MISSING)}},
                              MB_ICONINFORMATION);
}
