#include "VellWizSchTask/CWizTaskPage.h"

#include "VellWizSchTask/CWizTaskPropSheet.h"
#include "capture/pages/CaptureUiHelpers.h"
#include "common/PathHelpers.h"
#include "common/PathValidation.h"
#include "common/SystemHelpers.h"
#include "framework/AppFileDialog.h"
#include "framework/AppMessageBox.h"
#include "framework/AppWindowText.h"
#include "framework/CDataExchange.h"

CWizTaskPage::CWizTaskPage(CWizTaskPropSheet& sheet, UINT templateId, UINT titleId, UINT subtitleId)
    : CPropertyPage(templateId), m_sheet(sheet)
{
    if (titleId)
        SetWizardHeader(titleId, subtitleId);
    else
        HideWizardHeader();
}

bool CWizTaskPage::OnSetActive()
{
    SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    return CPropertyPage::OnSetActive();
}

LRESULT CWizTaskPage::OnWizardBack()
{
    return m_sheet.PageAround(GetTemplateId(), false);
}

LRESULT CWizTaskPage::OnWizardNext()
{
    return CheckNext() ? m_sheet.PageAround(GetTemplateId(), true) : -1;
}

bool CWizTaskPage::CheckNext()
{
    return true;
}

CString CWizTaskPage::GetItemText(UINT id) const
{
    return AppGetDlgItemText(GetSafeHwnd(), id);
}

void CWizTaskPage::SetItemText(UINT id, const CString& text) const
{
    SetDlgItemTextW(GetSafeHwnd(), static_cast<int>(id), text);
}

bool CWizTaskPage::IsItemChecked(UINT id) const
{
    return IsDlgButtonChecked(GetSafeHwnd(), static_cast<int>(id)) == BST_CHECKED;
}

void CWizTaskPage::CheckItem(UINT id, bool checked) const
{
    CheckDlgButton(GetSafeHwnd(), static_cast<int>(id), checked ? BST_CHECKED : BST_UNCHECKED);
}

void CWizTaskPage::EnableItem(UINT id, bool enabled) const
{
    EnableWindow(GetDlgItem(id), enabled);
}

int CWizTaskPage::GetItemInt(UINT id) const
{
    int value = 0;
    return AppParseInt(GetItemText(id).Trim(), value) ? value : 0;
}

void CWizTaskPage::SetItemInt(UINT id, int value) const
{
    SetDlgItemInt(GetSafeHwnd(), static_cast<int>(id), static_cast<UINT>(value), TRUE);
}

bool CWizTaskPage::Refuse(const CString& text, UINT focusId, UINT icon) const
{
    AppMessageBox(text, MB_OK | icon, GetSheetWindow());
    if (focusId)
        SetFocus(GetDlgItem(focusId));
    return false;
}

void CWizTaskPage::BrowseForFile(UINT id, const wchar_t* filter) const
{
    FileDialogRequest request;
    request.initialPath = GetItemText(id);
    request.filter = filter;
    request.flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST;
    request.owner = GetSheetWindow();
    const FileDialogResult result = AppFileDialog(request);
    if (result.chosen && !result.paths.empty())
        SetItemText(id, result.paths.front());
}

void CWizTaskPage::BrowseFolderInto(UINT id, const wchar_t* title) const
{
    CString folder = GetItemText(id);
    if (BrowseForFolder(GetSheetWindow(), folder, title))
        SetItemText(id, folder);
}

void CWizTaskPage::ShowRecordingFile(UINT nameId, const CString& name, UINT folderId, const CString& folder) const
{
    SendMessageW(GetDlgItem(nameId), EM_LIMITTEXT, 256, 0);
    SendMessageW(GetDlgItem(folderId), EM_LIMITTEXT, 260, 0);
    SetItemText(nameId, name);
    SetItemText(folderId, folder);
}

bool CWizTaskPage::TakeRecordingFile(UINT nameId, CString& name, UINT folderId, CString& folder) const
{
    if (!TakeFileName(nameId, name))
        return false;
    folder = GetItemText(folderId);
    return MakeFolder(folderId, folder);
}

bool CWizTaskPage::TakeFileName(UINT nameId, CString& name) const
{
    name = GetItemText(nameId);
    CString error;
    return ValidateFileName(name, error) || Refuse(error, nameId);
}

bool CWizTaskPage::MakeFolder(UINT folderId, const CString& folder) const
{
    if (!EnsurePathExists(folder, false) && !CreateDirectoryW(folder, nullptr))
        return Refuse(GetLastErrorText(), folderId);
    return true;
}

bool CWizTaskPage::TakeRequiredDuration(UINT hoursId, UINT minutesId, UINT secondsId, int& duration) const
{
    duration = GetDurationFromEdits(GetDlgItem(hoursId), GetDlgItem(minutesId), GetDlgItem(secondsId));
    return duration > 0 ||
           Refuse(L"The duration parameter is missing and it is required for processing the current task.", secondsId);
}
