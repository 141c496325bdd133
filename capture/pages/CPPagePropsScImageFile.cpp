#include "capture/pages/CPPagePropsScImageFile.h"

#include "capture/pages/CaptureUiHelpers.h"
#include "capture/pages/PagesIds.h"
#include "common/PathHelpers.h"
#include "common/PathValidation.h"

CPPagePropsScImageFile::CPPagePropsScImageFile(UINT templateId, EnumSendParam type, unsigned int part,
                                               const ImageFileItems& items)
    : CPPagePropsScBase(templateId, type, 0, part, false), m_items(items)
{
}

void CPPagePropsScImageFile::InitControls()
{
    LimitText(m_items.name, 256);
    LimitText(m_items.path, 260);
    FillImageTypeCombo(GetDlgItem(m_items.type), RecordFields().type, false, false);
}

void CPPagePropsScImageFile::RecordToControls()
{
    Fields fields = RecordFields();
    SetText(m_items.name, fields.name);
    SetText(m_items.path, fields.path);
    SetComboIndex(m_items.type, fields.type);
    SetCheck(m_items.overwrite, fields.overwrite);
}

void CPPagePropsScImageFile::ReadControls()
{
    Fields fields = RecordFields();
    fields.name = GetText(m_items.name);
    fields.path = GetText(m_items.path);
    fields.type = static_cast<EnumFileType>(GetComboIndex(m_items.type));
    fields.overwrite = GetCheck(m_items.overwrite);
}

bool CPPagePropsScImageFile::Check()
{
    Fields fields = RecordFields();
    CString error;
    if (!ValidateFileName(fields.name, error))
        return FailCheck(error, MB_ICONEXCLAMATION, m_items.name);
    if (!EnsurePathExists(fields.path, true))
        return FailCheck(LoadText(IDS_PAGE_PATH_MISSING, fields.path), MB_ICONEXCLAMATION, m_items.path);
    return true;
}

bool CPPagePropsScImageFile::OnCommand(UINT code, UINT id, HWND control)
{
    if (id == m_items.browse && code == BN_CLICKED)
    {
        CString folder = GetText(m_items.path);
        if (BrowseForFolder(GetSafeHwnd(), folder, L"Select the image file's path:"))
            SetText(m_items.path, folder);
        return true;
    }
    if (id == m_items.overwrite && code == BN_CLICKED)
    {
        RecordFields().overwrite = GetCheck(m_items.overwrite);
        return true;
    }
    if (id == m_items.type && code == CBN_SELCHANGE)
    {
        RecordFields().type = static_cast<EnumFileType>(GetComboIndex(m_items.type));
        return true;
    }
    return CPPagePropsScBase::OnCommand(code, id, control);
}
