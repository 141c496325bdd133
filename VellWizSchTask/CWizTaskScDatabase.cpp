#include "VellWizSchTask/CWizTaskScDatabase.h"

#include "VellWizSchTask/TaskWizardResources.h"
#include "capture/pages/CPPagePropsScDatabase.h"
#include "framework/AppMessageBox.h"

CWizTaskScDatabase::CWizTaskScDatabase(CWizTaskPropSheet& sheet)
    : CWizTaskPage(sheet, IDD_WIZ_SC_DATABASE, IDS_WIZ_SC_DATABASE_TITLE, IDS_WIZ_SC_DATABASE_SUBTITLE)
{
}

BOOL CWizTaskScDatabase::OnInitDialog()
{
    CWizTaskPage::OnInitDialog();
    m_columns.Attach(GetSafeHwnd(), IDC_WZ_DB_COLUMNS);
    SetItemText(IDC_WZ_DB_CONNECTION, m_record.ConnStr);
    SetItemText(IDC_WZ_DB_TABLE, m_record.Table);
    SetItemText(IDC_WZ_DB_IMAGE_COLUMN, m_record.BlobCol);
    m_columns.SetRecord(m_record, true);
    UpdateButtons();
    return TRUE;
}

void CWizTaskScDatabase::UpdateButtons() const
{
    const int selected = m_columns.GetSelectedCount();
    EnableItem(IDC_WZ_DB_EDIT, selected == 1);
    EnableItem(IDC_WZ_DB_DELETE, selected >= 1);
}

bool CWizTaskScDatabase::OnCommand(UINT code, UINT id, HWND control)
{
    if (code == BN_CLICKED && id == IDC_WZ_DB_TEST)
    {
        AppMessageBox(CPPagePropsScDatabase::TestConnectionText(GetItemText(IDC_WZ_DB_CONNECTION)), MB_OK,
                      GetSheetWindow());
        return true;
    }
    if (code == BN_CLICKED && (id == IDC_WZ_DB_ADD || id == IDC_WZ_DB_EDIT))
    {
        if (m_columns.EditInDialog(id == IDC_WZ_DB_ADD, GetSheetWindow()))
            UpdateButtons();
        return true;
    }
    if (code == BN_CLICKED && id == IDC_WZ_DB_DELETE)
    {
        m_columns.DeleteSelected();
        UpdateButtons();
        return true;
    }
    return CWizTaskPage::OnCommand(code, id, control);
}

bool CWizTaskScDatabase::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (header.idFrom != IDC_WZ_DB_COLUMNS)
        return CWizTaskPage::OnNotify(header, result);
    if (header.code == LVN_ITEMCHANGED && (reinterpret_cast<const NMLISTVIEW&>(header).uChanged & LVIF_STATE))
        UpdateButtons();
    else if (header.code == LVN_KEYDOWN && reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == 'A' &&
             GetKeyState(VK_CONTROL) < 0)
    {
        ListView_SetItemState(m_columns.GetSafeHwnd(), -1, LVIS_SELECTED, LVIS_SELECTED);
        UpdateButtons();
    }
    result = 0;
    return true;
}

bool CWizTaskScDatabase::CheckNext()
{
    m_record.ConnStr = GetItemText(IDC_WZ_DB_CONNECTION);
    m_record.Table = GetItemText(IDC_WZ_DB_TABLE);
    m_record.BlobCol = GetItemText(IDC_WZ_DB_IMAGE_COLUMN);
    m_record.ExtraColInfo = m_columns.GetRecord().ExtraColInfo;
    if (m_record.ConnStr.IsEmpty())
        return Refuse(L"The database connection string is missing.", IDC_WZ_DB_CONNECTION);
    if (m_record.Table.IsEmpty())
        return Refuse(L"The table name is missing.", IDC_WZ_DB_TABLE);
    if (m_record.BlobCol.IsEmpty())
        return Refuse(L"The image column name is missing.", IDC_WZ_DB_IMAGE_COLUMN);
    if (m_record.ExtraColInfo.IsEmpty())
        return Refuse(L"Extra column data is missing. This capture type requires at least one more column data.", 0);
    return true;
}
