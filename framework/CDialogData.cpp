#include "framework/CDialogData.h"

#include "framework/AppMessageBox.h"

bool CDialogData::UpdateData(bool saveAndValidate)
{
    HWND window = DataWindow();
    CDataExchange dx(window, saveAndValidate);
    DoDataExchange(dx);
    if (!dx.HasFailed())
        return true;
    ReportDataFailure(dx.GetFailureText());
    if (HWND control = dx.GetFailedControl())
        SendMessageW(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    return false;
}

void CDialogData::DoDataExchange(CDataExchange&)
{
}

void CDialogData::ReportDataFailure(const CString& text)
{
    AppMessageBox(text, MB_OK | MB_ICONEXCLAMATION, DataWindow());
}
