#pragma once
// CAppMainDialogs: the main window's tool dialogs as the capture dialogs build them. It
// keeps Find, made on first use, until it goes itself.
#include "app/IMainDialogs.h"

#include <memory>

class CDlgSearch;

class CAppMainDialogs : public IMainDialogs
{
public:
    CAppMainDialogs();
    ~CAppMainDialogs() override;

    void ShowErrorsLog(HWND parent) override;
    void ShowFind(ISearchHost& host, HWND parent) override;
    void ShowOptions(CGlobalOptions& options) override;
    void ShowLastCapture(HBITMAP image, HWND parent) override;

private:
    std::unique_ptr<CDlgSearch> m_finder;
};
