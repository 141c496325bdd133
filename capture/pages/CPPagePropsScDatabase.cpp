#include "capture/pages/CPPagePropsScDatabase.h"

#include "capture/pages/PagesIds.h"
#include "framework/AppMessageBox.h"
#include "framework/CDatabase.h"
#include "framework/CWaitCursor.h"

CPPagePropsScDatabase::CPPagePropsScDatabase()
    : CPPagePropsScBase(IDD_PROPS_SC_DATABASE, SP_SC_DATABASE, 0, 2, false)
{
}

void CPPagePropsScDatabase::InitControls()
{
    m_columns.Attach(GetSafeHwnd(), IDC_DB_COLUMNS);
}

void CPPagePropsScDatabase::RecordToControls()
{
    auto& record = CopyAs<InfoScDatabase>();
    SetText(IDC_DB_CONNECTION, record.ConnStr);
    SetText(IDC_DB_TABLE, record.Table);
    SetText(IDC_DB_IMAGE_COLUMN, record.BlobCol);
    m_columns.SetRecord(record, true);
    UpdateButtons();
}

void CPPagePropsScDatabase::ReadControls()
{
    auto& record = CopyAs<InfoScDatabase>();
    record.ConnStr = GetText(IDC_DB_CONNECTION);
    record.Table = GetText(IDC_DB_TABLE);
    record.BlobCol = GetText(IDC_DB_IMAGE_COLUMN);
    record.ExtraColInfo = m_columns.GetRecord().ExtraColInfo;
}

bool CPPagePropsScDatabase::Check()
{
    if (!CheckRequiredTexts({{IDC_DB_CONNECTION, L"The database connection string is missing."},
                             {IDC_DB_TABLE, L"The table name is missing."},
                             {IDC_DB_IMAGE_COLUMN, L"The image column name is missing."}},
                            MB_ICONEXCLAMATION))
        return false;
    if (CopyAs<InfoScDatabase>().ExtraColInfo.IsEmpty())
        return FailCheck(L"Extra column data is missing. This capture type requires at least one more column data.",
                         MB_ICONEXCLAMATION, 0);
    return true;
}

CString CPPagePropsScDatabase::TestConnectionText(const CString& connection)
{
    CWaitCursor wait;
    CDatabase database;
    if (!database.OpenEx(connection))
        return database.GetErrorText().IsEmpty() ? CString(L"Error opening the database connection.")
                                                 : database.GetErrorText();
    database.Close();
    return L"The connection was validated successfully.";
}

void CPPagePropsScDatabase::TestConnection()
{
    AppMessageBox(TestConnectionText(GetText(IDC_DB_CONNECTION)), MB_OK, GetSafeHwnd());
}

void CPPagePropsScDatabase::EditColumn(bool add)
{
    if (m_columns.EditInDialog(add, GetSafeHwnd()))
        UpdateButtons();
}

void CPPagePropsScDatabase::UpdateButtons()
{
    const int selected = m_columns.GetSelectedCount();
    EnableItem(IDC_DB_EDIT, selected == 1);
    EnableItem(IDC_DB_DELETE, selected >= 1);
}

bool CPPagePropsScDatabase::OnCommand(UINT code, UINT id, HWND control)
{
    if (code != BN_CLICKED)
        return CPPagePropsScBase::OnCommand(code, id, control);
    switch (id)
    {
    case IDC_DB_TEST:
        TestConnection();
        return true;
    case IDC_DB_ADD:
    case IDC_DB_EDIT:
        EditColumn(id == IDC_DB_ADD);
        return true;
    case IDC_DB_DELETE:
        m_columns.DeleteSelected();
        UpdateButtons();
        return true;
    default:
        return CPPagePropsScBase::OnCommand(code, id, control);
    }
}

bool CPPagePropsScDatabase::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (header.idFrom != IDC_DB_COLUMNS)
        return CPPagePropsScBase::OnNotify(header, result);
    if (header.code == LVN_ITEMCHANGED &&
        (reinterpret_cast<const NMLISTVIEW&>(header).uChanged & LVIF_STATE))
        UpdateButtons();
    else if (header.code == LVN_KEYDOWN && reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == 'A' &&
             GetKeyState(VK_CONTROL) < 0)
    {
        ListView_SetItemState(m_columns, -1, LVIS_SELECTED, LVIS_SELECTED);
        UpdateButtons();
    }
    result = 0;
    return true;
}
