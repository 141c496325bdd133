#include "VellWizSchTask/CWizTaskFilePage.h"

#include "capture/pages/CaptureUiHelpers.h"
#include "common/PathHelpers.h"
#include "common/PathValidation.h"
#include "common/SystemHelpers.h"

CWizTaskFilePage::CWizTaskFilePage(CWizTaskPropSheet& sheet, UINT templateId, UINT titleId, UINT subtitleId,
                                   const Items& items, const Fields& fields, const wchar_t* browseTitle)
    : CWizTaskPage(sheet, templateId, titleId, subtitleId), m_items(items), m_fields(fields),
      m_browseTitle(browseTitle)
{
}

BOOL CWizTaskFilePage::OnInitDialog()
{
    CWizTaskPage::OnInitDialog();
    SendMessageW(GetDlgItem(m_items.name), EM_LIMITTEXT, 256, 0);
    SendMessageW(GetDlgItem(m_items.folder), EM_LIMITTEXT, 260, 0);
    SetItemText(m_items.name, m_fields.name);
    SetItemText(m_items.folder, m_fields.folder);
    FillFileTypes(GetDlgItem(m_items.type));
    CheckItem(m_items.overwrite, m_fields.overwrite);
    return TRUE;
}

bool CWizTaskFilePage::OnCommand(UINT code, UINT id, HWND control)
{
    if (id == m_items.browse && code == BN_CLICKED)
    {
        CString folder = GetItemText(m_items.folder);
        if (BrowseForFolder(GetSheetWindow(), folder, m_browseTitle))
            SetItemText(m_items.folder, folder);
        return true;
    }
    if (id == m_items.overwrite && code == BN_CLICKED)
    {
        m_fields.overwrite = IsItemChecked(id);
        return true;
    }
    return CWizTaskPage::OnCommand(code, id, control);
}

void CWizTaskFilePage::TakeFileType(int)
{
}

bool CWizTaskFilePage::CheckFolder(const CString& folder)
{
    // A missing folder is made, one level.
    if (!EnsurePathExists(folder, false) && !CreateDirectoryW(folder, nullptr))
        return Refuse(GetLastErrorText(), m_items.folder);
    return true;
}

bool CWizTaskFilePage::CheckNext()
{
    TakeFileType(static_cast<int>(SendMessageW(GetDlgItem(m_items.type), CB_GETCURSEL, 0, 0)));
    m_fields.name = GetItemText(m_items.name);
    m_fields.folder = GetItemText(m_items.folder);
    CString error;
    if (!ValidateFileName(m_fields.name, error))
        return Refuse(error, m_items.name);
    return CheckFolder(m_fields.folder);
}
