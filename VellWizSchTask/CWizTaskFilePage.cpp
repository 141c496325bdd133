#include "VellWizSchTask/CWizTaskFilePage.h"


CWizTaskFilePage::CWizTaskFilePage(CWizTaskPropSheet& sheet, UINT templateId, UINT titleId, UINT subtitleId,
                                   const Items& items, const Fields& fields, const wchar_t* browseTitle)
    : CWizTaskPage(sheet, templateId, titleId, subtitleId), m_items(items), m_fields(fields),
      m_browseTitle(browseTitle)
{
}

BOOL CWizTaskFilePage::OnInitDialog()
{
    CWizTaskPage::OnInitDialog();
    ShowRecordingFile(m_items.name, m_fields.name, m_items.folder, m_fields.folder);
    FillFileTypes(GetDlgItem(m_items.type));
    CheckItem(m_items.overwrite, m_fields.overwrite);
    return TRUE;
}

bool CWizTaskFilePage::OnCommand(UINT code, UINT id, HWND control)
{
    if (id == m_items.browse && code == BN_CLICKED)
    {
        BrowseFolderInto(m_items.folder, m_browseTitle);
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
    return MakeFolder(m_items.folder, folder);
}

bool CWizTaskFilePage::CheckNext()
{
    TakeFileType(static_cast<int>(SendMessageW(GetDlgItem(m_items.type), CB_GETCURSEL, 0, 0)));
    m_fields.folder = GetItemText(m_items.folder);
    return TakeFileName(m_items.name, m_fields.name) && CheckFolder(m_fields.folder);
}
