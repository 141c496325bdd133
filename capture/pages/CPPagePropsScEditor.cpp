#include "capture/pages/CPPagePropsScEditor.h"

#include "Info/InfoScEditor.h"
#include "capture/pages/CaptureUiHelpers.h"
#include "capture/pages/PagesIds.h"
#include "common/PathHelpers.h"
#include "framework/AppFileDialog.h"

CPPagePropsScEditor::CPPagePropsScEditor() : CPPagePropsScBase(IDD_PROPS_SC_EDITOR, SP_SC_EDITOR, 0, 2, false) {}

CString CPPagePropsScEditor::FindCompanyEditor()
{
    wchar_t path[261] = {};
    DWORD size = sizeof(path) - sizeof(wchar_t);
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Talvono Software\\Talvono Plexor\\Common", L"Path",
                     RRF_RT_REG_SZ, nullptr, path, &size) != ERROR_SUCCESS)
        return CString();
    return CString(path);
}

void CPPagePropsScEditor::InitControls()
{
    LimitText(IDC_EDITOR_LOCATION, 260);
    FillImageTypeCombo(GetDlgItem(IDC_FILE_TYPE), CopyAs<InfoScEditor>().FType, false, false);
    const bool found = !FindCompanyEditor().IsEmpty();
    EnableItem(IDC_EDITOR_SELECT, found);
    EnableItem(IDC_EDITOR_SELECT_TEXT, found);
}

void CPPagePropsScEditor::RecordToControls()
{
    SetText(IDC_EDITOR_LOCATION, CopyAs<InfoScEditor>().FName);
    SetComboIndex(IDC_FILE_TYPE, CopyAs<InfoScEditor>().FType);
}

void CPPagePropsScEditor::ReadControls()
{
    CopyAs<InfoScEditor>().FName = GetText(IDC_EDITOR_LOCATION);
    CopyAs<InfoScEditor>().FType = static_cast<EnumFileType>(GetComboIndex(IDC_FILE_TYPE));
}

bool CPPagePropsScEditor::Check()
{
    if (!FileExists(CopyAs<InfoScEditor>().FName))
        return FailCheck(LoadText(IDS_PAGE_EDITOR_MISSING), MB_ICONINFORMATION, IDC_EDITOR_LOCATION);
    return true;
}

bool CPPagePropsScEditor::OnCommand(UINT code, UINT id, HWND control)
{
    if (id == IDC_EDITOR_BROWSE && code == BN_CLICKED)
    {
        FileDialogRequest request;
        request.initialPath = GetText(IDC_EDITOR_LOCATION);
        request.filter = L"Executable Files (*.exe)|*.exe||";
        request.flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST;
        request.owner = GetSafeHwnd();
        FileDialogResult result = AppFileDialog(request);
        if (result.chosen && !result.paths.empty())
            SetText(IDC_EDITOR_LOCATION, result.paths.front());
        return true;
    }
    if (id == IDC_EDITOR_SELECT && code == BN_CLICKED)
    {
        CString found = FindCompanyEditor();
        EnableItem(IDC_EDITOR_SELECT, !found.IsEmpty());
        EnableItem(IDC_EDITOR_SELECT_TEXT, !found.IsEmpty());
        if (!found.IsEmpty())
            SetText(IDC_EDITOR_LOCATION, found);
        return true;
    }
    if (id == IDC_FILE_TYPE && code == CBN_SELCHANGE)
    {
        CopyAs<InfoScEditor>().FType = static_cast<EnumFileType>(GetComboIndex(IDC_FILE_TYPE));
        return true;
    }
    return CPPagePropsScBase::OnCommand(code, id, control);
}
