#include "capture/destinations/CImageEditor.h"

#include "common/PathHelpers.h"
#include "common/SystemHelpers.h"

namespace
{
const wchar_t kEditorFolder[] = L"\\Editor";
}

DestinationResult CImageEditor::Execute()
{
    if (!CanExecute())
        return DR_FAILED;
    const InfoScEditor& info = RunInfo();

    // Every run writes a file of its own: an editor may still hold the last one.
    // The save creates the folder on first use.
    m_imagePath = MakeDefaultImagePath(kEditorFolder, info.FType);
    if (!SaveImage(m_imagePath, kEditorFolder, info.FType))
        return DR_FAILED;
    if (!FileExists(m_imagePath))
    {
        m_errorText.Format(L"Image file '%s' missing.", m_imagePath.GetString());
        return DR_FAILED;
    }

    // Both paths are quoted, so either may hold blanks.
    CString commandLine = L"\"" + info.FName + L"\" \"" + m_imagePath + L"\"";
    return LaunchApplication(nullptr, commandLine, m_errorText) ? DR_DONE : DR_FAILED;
}

void CImageEditor::CopyPart(const InfoScEditor& record, unsigned int part)
{
    InfoScEditor& edit = EditInfo();
    switch (part)
    {
    case 1:
        edit.ShowDlg = record.ShowDlg;
        break;
    case 2:
        edit.FName = record.FName;
        edit.FType = record.FType;
        break;
    default:
        break;
    }
}
