#include "capture/dialogs/CDlgLogs.h"

#include "capture/destinations/CaptureTables.h"
#include "capture/dialogs/DialogResources.h"
#include "common/PathHelpers.h"
#include "common/SystemHelpers.h"
#include "framework/AppMessageBox.h"
#include "framework/CFile.h"
#include "framework/CWaitCursor.h"

CDlgLogs::CDlgLogs(HWND parent) : CDialog(IDD_LOGS, parent)
{
}

CDlgLogs::~CDlgLogs()
{
    DestroyWindow();
}

BOOL CDlgLogs::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list.SubclassDlgItem(IDC_LOG_LIST, GetSafeHwnd());
    CString error;
    if (!m_list.Fill(m_log, error))
        AppMessageBox(error, MB_OK | MB_ICONINFORMATION, GetSafeHwnd());
    return TRUE;
}

bool CDlgLogs::OnCommand(UINT code, UINT id, HWND control)
{
    switch (id)
    {
    case IDC_LOG_EXPORT:
        OnViewWithNotepad();
        return true;
    case IDC_LOG_CLEAR:
        OnClearEventLog();
        return true;
    default:
        return CDialog::OnCommand(code, id, control);
    }
}

bool CDlgLogs::ExportToFile(CString& path)
{
    CStringArray texts;
    CString error;
    if (!ReadLogTexts(m_log, texts, error))
    {
        AppMessageBox(error, MB_OK | MB_ICONINFORMATION, GetSafeHwnd());
        return false;
    }
    if (texts.IsEmpty())
        return false;
    const CString folder = GetLogDirectory();
    if (!CreateDirectoryPath(folder + L"\\", error))
    {
        AppMessageBox(error, MB_OK | MB_ICONINFORMATION, GetSafeHwnd());
        return false;
    }
    wchar_t name[MAX_PATH] = L"";
    if (!GetTempFileNameW(folder, L"Elc", 1, name))
        return false;
    // A text file of the program's code page, each line ended as text files end them.
    CString content;
    for (int i = texts.GetSize() - 1; i >= 0; --i)
        content += texts[i] + L"\r\n";
    const std::string bytes = content.ToAnsi();
    CFile file;
    if (!file.Open(name, CFile::modeCreate | CFile::modeWrite, error) ||
        !file.Write(bytes.data(), static_cast<UINT>(bytes.size())))
    {
        AppMessageBox(error.IsEmpty() ? file.GetErrorText() : error, MB_OK | MB_ICONINFORMATION, GetSafeHwnd());
        return false;
    }
    path = name;
    return true;
}

void CDlgLogs::OnViewWithNotepad()
{
    CString path, error;
    if (ExportToFile(path) && !LaunchApplication(nullptr, L"notepad " + path, error))
        AppMessageBox(error, MB_OK | MB_ICONINFORMATION, GetSafeHwnd());
}

void CDlgLogs::OnClearEventLog()
{
    CWaitCursor wait;
    if (m_log.Clear(nullptr, nullptr))
        m_list.RemoveAll();
    else
        AppMessageBox(m_log.GetErrorText(), MB_OK | MB_ICONINFORMATION, GetSafeHwnd());
}
