#include "VellWizSchTask/CWizTaskImageFilePage.h"

#include "capture/pages/CaptureUiHelpers.h"
#include "common/PathHelpers.h"

CWizTaskImageFilePage::CWizTaskImageFilePage(CWizTaskPropSheet& sheet, UINT templateId, UINT titleId,
                                             UINT subtitleId, const Items& items, const Fields& fields)
    : CWizTaskFilePage(sheet, templateId, titleId, subtitleId, items, {fields.name, fields.folder, fields.overwrite},
                       L"Select the image file's path:"),
      m_type(fields.type)
{
}

void CWizTaskImageFilePage::FillFileTypes(HWND combo) const
{
    FillImageTypeCombo(combo, m_type, false, false);
}

void CWizTaskImageFilePage::TakeFileType(int index)
{
    m_type = static_cast<EnumFileType>(index);
}

bool CWizTaskImageFilePage::CheckFolder(const CString& folder)
{
    if (EnsurePathExists(folder, true))
        return true;
    CString error;
    error.Format(L"The path '%s' does not exist.", folder.GetString());
    return Refuse(error, m_items.folder);
}
