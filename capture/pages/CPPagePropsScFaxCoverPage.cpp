#include "capture/pages/CPPagePropsScFaxCoverPage.h"

#include "Info/InfoScFax.h"
#include "capture/pages/PagesIds.h"
#include "common/PathHelpers.h"
#include "framework/AppFileDialog.h"

namespace
{
const int kMaxNote = 500;
}

CPPagePropsScFaxCoverPage::CPPagePropsScFaxCoverPage()
    : CPPagePropsScBase(IDD_PROPS_SC_FAX_COVERPAGE, SP_SC_FAX, 1, 5, true)
{
}

void CPPagePropsScFaxCoverPage::InitControls()
{
    LimitText(IDC_FAX_COVER_NAME, 256);
    LimitText(IDC_FAX_SUBJECT, 100);
    LimitText(IDC_FAX_NOTE, kMaxNote);
}

void CPPagePropsScFaxCoverPage::RecordToControls()
{
    auto& record = CopyAs<InfoScFax>();
    SetCheck(IDC_FAX_USE_COVER, record.UseCoverPage);
    SetText(IDC_FAX_COVER_NAME, record.CoverPageName);
    SetText(IDC_FAX_SUBJECT, record.Subject);
    SetText(IDC_FAX_NOTE, record.Note.Left(kMaxNote));
    UpdateEnabling();
}

void CPPagePropsScFaxCoverPage::ReadControls()
{
    auto& record = CopyAs<InfoScFax>();
    record.UseCoverPage = GetCheck(IDC_FAX_USE_COVER);
    record.CoverPageName = GetText(IDC_FAX_COVER_NAME);
    record.Subject = GetText(IDC_FAX_SUBJECT);
    record.Note = GetText(IDC_FAX_NOTE).Left(kMaxNote);
}

void CPPagePropsScFaxCoverPage::UpdateEnabling()
{
    const bool use = CopyAs<InfoScFax>().UseCoverPage;
    for (UINT id : {IDC_FAX_COVER_LABEL, IDC_FAX_COVER_NAME, IDC_FAX_COVER_BROWSE, IDC_FAX_SUBJECT_LABEL,
                    IDC_FAX_SUBJECT, IDC_FAX_NOTE_LABEL, IDC_FAX_NOTE})
        EnableItem(id, use);
}

bool CPPagePropsScFaxCoverPage::Check()
{
    auto& record = CopyAs<InfoScFax>();
    if (record.UseCoverPage && !FileExists(record.CoverPageName))
        return FailCheck(LoadText(IDS_PAGE_COVER_PAGE_MISSING), MB_ICONINFORMATION, IDC_FAX_COVER_NAME);
    return true;
}

bool CPPagePropsScFaxCoverPage::OnCommand(UINT code, UINT id, HWND control)
{
    if (id == IDC_FAX_USE_COVER && code == BN_CLICKED)
    {
        CopyAs<InfoScFax>().UseCoverPage = GetCheck(IDC_FAX_USE_COVER);
        UpdateEnabling();
        return true;
    }
    if (id == IDC_FAX_COVER_BROWSE && code == BN_CLICKED)
    {
        FileDialogRequest request;
        request.initialPath = GetText(IDC_FAX_COVER_NAME);
        request.filter = L"Fax Cover Page Files (*.cov)|*.cov||";
        request.flags = OFN_EXPLORER | OFN_HIDEREADONLY;
        request.owner = GetSafeHwnd();
        FileDialogResult result = AppFileDialog(request);
        if (result.chosen && !result.paths.empty())
            SetText(IDC_FAX_COVER_NAME, result.paths.front());
        return true;
    }
    return CPPagePropsScBase::OnCommand(code, id, control);
}
