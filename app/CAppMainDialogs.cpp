#include "app/CAppMainDialogs.h"

#include "capture/dialogs/ProgramDialogs.h"

CAppMainDialogs::CAppMainDialogs() = default;

CAppMainDialogs::~CAppMainDialogs() = default;

void CAppMainDialogs::ShowErrorsLog(HWND parent)
{
    ::ShowErrorsLog(parent);
}

void CAppMainDialogs::ShowFind(ISearchHost& host, HWND parent)
{
    OpenFind(m_finder, host, parent);
}

void CAppMainDialogs::ShowOptions(CGlobalOptions& options)
{
    ::ShowOptions(options, nullptr);
}

void CAppMainDialogs::ShowLastCapture(HBITMAP image, HWND parent)
{
    ::ShowLastCapture(image, parent);
}
