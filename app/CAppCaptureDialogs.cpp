#include "app/CAppCaptureDialogs.h"

#include "app/AppSeams.h"
#include "capture/dialogs/CDlgPresentationSelectionType.h"
#include "capture/dialogs/CDlgVideoRecFrameRate.h"

int CAppCaptureDialogs::EditProperties(SendParam& record, HWND parent)
{
    if (m_edit)
        return m_edit(record, parent);
    AppShowNotAvailable(L"The properties dialog", parent);
    return IDOK;
}

int CAppCaptureDialogs::ChooseSelection(EnumSendParam recordType, EnumScreenCaptureType& type,
                                        std::vector<POINT>& points, CString& windowName, HWND parent)
{
    return ChooseSelectionType(recordType, type, points, windowName, parent);
}

int CAppCaptureDialogs::ChooseFrameRate(bool& useFrameRate, int& frameRate, HWND parent)
{
    CDlgVideoRecFrameRate dialog(useFrameRate, frameRate, parent);
    const INT_PTR result = dialog.DoModal();
    if (result == IDOK)
    {
        useFrameRate = dialog.GetUseFrameRate();
        frameRate = dialog.GetFrameRate();
    }
    return static_cast<int>(result);
}
