#pragma once
// CAppCaptureDialogs: the main program's answer to the capture managers' dialogs. The
// properties dialog and the selection-type dialog are plugged in by the components that
// build them; until then each says it is not available yet and the capture goes on with
// the stored settings (the properties as they are: IDOK; the selection: "Manual").
#include "capture/selection/ICaptureDialogs.h"

#include <functional>

class CAppCaptureDialogs : public ICaptureDialogs
{
public:
    using EditPropertiesFunc = std::function<int(SendParam& record, HWND parent)>;
    using ChooseSelectionFunc = std::function<int(EnumSendParam recordType, EnumScreenCaptureType& type,
                                                  std::vector<POINT>& points, CString& windowName, HWND parent)>;

    using EditableFunc = std::function<bool(EnumSendParam recordType)>;

    // The properties dialog for the record types that editable accepts; the others still
    // go on as they are.
    void SetEditProperties(EditPropertiesFunc edit, EditableFunc editable)
    {
        m_edit = std::move(edit);
        m_editable = std::move(editable);
    }
    void SetChooseSelection(ChooseSelectionFunc choose) { m_choose = std::move(choose); }

    int EditProperties(SendParam& record, HWND parent) override;
    int ChooseSelection(EnumSendParam recordType, EnumScreenCaptureType& type, std::vector<POINT>& points,
                        CString& windowName, HWND parent) override;
    int ChooseFrameRate(bool& useFrameRate, int& frameRate, HWND parent) override;

private:
    EditPropertiesFunc m_edit;
    EditableFunc m_editable;
    ChooseSelectionFunc m_choose;
};
