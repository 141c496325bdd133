#include "app/CAppCaptureDialogs.h"

#include "capture/dialogs/CDlgPresentationSelectionType.h"
#include "capture/dialogs/CDlgVideoRecFrameRate.h"
#include "capture/pages/CDlgProperties.h"

int CAppCaptureDialogs::EditProperties(SendParam& record, HWND parent)
{
    return EditCaptureProperties(record, parent);
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
