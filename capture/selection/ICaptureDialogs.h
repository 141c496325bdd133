#pragma once
// ICaptureDialogs: the modal dialogs the screen-capture managers show. Each returns
// the button that closed it; the data goes in and comes out through the arguments.
#include "Info/SendParam.h"
#include "framework/CString.h"

#include <vector>
#include <windows.h>

// The buttons of the selection-type dialog besides IDCANCEL.
const int kSelectionUseSelection = 1600;
const int kSelectionManual = 1599;

class ICaptureDialogs
{
public:
    virtual ~ICaptureDialogs() = default;

    // The property pages of the record's type. IDOK: the record holds the user's
    // edits; any other result leaves it as it was.
    virtual int EditProperties(SendParam& record, HWND parent) = 0;
    // The selection-type dialog of a timed capture of recordType, opened with the
    // type and points given. kSelectionUseSelection: type, points and windowName
    // hold the user's choice; kSelectionManual or IDCANCEL: they are unchanged.
    virtual int ChooseSelection(EnumSendParam recordType, EnumScreenCaptureType& type, std::vector<POINT>& points,
                                CString& windowName, HWND parent) = 0;
    // The video recorder's frame-rate dialog, opened with the switch and the rate
    // given. IDOK: both hold the user's choice (the dialog takes no rate below 1); any
    // other result leaves them as they were.
    virtual int ChooseFrameRate(bool& useFrameRate, int& frameRate, HWND parent) = 0;
};
