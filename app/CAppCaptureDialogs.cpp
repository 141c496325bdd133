#include "app/CAppCaptureDialogs.h"

#include "app/AppSeams.h"

int CAppCaptureDialogs::EditProperties(SendParam& record, HWND parent)
{
    if (m_edit && m_editable(record.GetType()))
        return m_edit(record, parent);
    AppShowNotAvailable(L"The properties dialog", parent);
    return IDOK;
}

int CAppCaptureDialogs::ChooseSelection(EnumSendParam recordType, EnumScreenCaptureType& type,
                                        std::vector<POINT>& points, CString& windowName, HWND parent)
{
    if (m_choose)
        return m_choose(recordType, type, points, windowName, parent);
    AppShowNotAvailable(L"The selection dialog", parent);
    return kSelectionManual;
}

int CAppCaptureDialogs::ChooseFrameRate(bool&, int&, HWND parent)
{
    AppShowNotAvailable(L"The frame rate dialog", parent);
    return IDCANCEL;
}
