#include "VellWizSchTask/CWizTaskImageFilePage.h"

#include "capture/pages/CaptureUiHelpers.h"
#include "common/PathHelpers.h"
#include "common/PathValidation.h"

CWizTaskImageFilePage::CWizTaskImageFilePage(CWizTaskPropSheet& sheet, UINT templateId, UINT titleId,
                                             UINT subtitleId, const Items& items, const Fields& fields)
    : CWizTaskPage(sheet, templateId, titleId, subtitleId), m_items(items), m_fields(fields)
{
}

BOOL CWizTaskImageFilePage::OnInitDialog()
{
    CWizTaskPage::OnInitDialog();
    SendMessageW(GetDlgItem(m_items.name), EM_LIMITTEXT, 256, 0);
    SendMessageW(GetDlgItem(m_items.folder), EM_LIMITTEXT, 260, 0);
    SetItemText(m_items.name, m_fields.name);
    SetItemText(m_items.folder, m_fields.folder);
    FillImageTypeCombo(GetDlgItem(m_items.type), m_fields.type, false, false);
    CheckItem(m_items.overwrite, m_fields.overwrite);
    return TRUE;
}

bool CWizTaskImageFilePage::OnCommand(UINT code, UINT id, HWND control)
{
    if (id == m_items.browse && code == BN_CLICKED)
    {
        CString folder = GetItemText(m_items.folder);
        if (BrowseForFolder(GetSheetWindow(), folder, L"Select the image file's path:"))
            SetItemText(m_items.folder, folder);
        return true;
    }
    if (id == m_items.overwrite && code == BN_CLICKED)
    {
        m_fields.overwrite = IsItemChecked(m_items.overwrite);
        return true;
    }
    return CWizTaskPage::OnCommand(code, id, control);
}

bool CWizTaskImageFilePage::CheckNext()
{
    m_fields.type = static_cast<EnumFileType>(SendMessageW(GetDlgItem(m_items.type), CB_GETCURSEL, 0, 0));
    m_fields.name = GetItemText(m_items.name);
    m_fields.folder = GetItemText(m_items.folder);
    CString error;
    if (!ValidateFileName(m_fields.name, error))
        return Refuse(error, m_items.name);
    if (!EnsurePathExists(m_fields.folder, true))
    {
        error.Format(L"The path '%s' does not exist.", m_fields.folder.GetString());
        return Refuse(error, m_items.folder);
    }
    return true;
}
