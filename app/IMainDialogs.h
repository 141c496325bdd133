#pragma once
// IMainDialogs: the main window's tool dialogs: the errors log, the find dialog (modeless,
// kept by the implementation), the options and the last screen capture.
#include <windows.h>

class CGlobalOptions;
class ISearchHost;

class IMainDialogs
{
public:
    virtual ~IMainDialogs() = default;

    virtual void ShowErrorsLog(HWND parent) = 0;
    // Made with the parent on first use over the host, shown every time.
    virtual void ShowFind(ISearchHost& host, HWND parent) = 0;
    // Modal, without a parent, editing the running program's options.
    virtual void ShowOptions(CGlobalOptions& options) = 0;
    virtual void ShowLastCapture(HBITMAP image, HWND parent) = 0;
};
