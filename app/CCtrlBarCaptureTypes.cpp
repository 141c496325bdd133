#include "app/CCtrlBarCaptureTypes.h"

#include "app/BarChild.h"

#include <commctrl.h>

CCtrlBarCaptureTypes::CCtrlBarCaptureTypes(CLocalController& controller, IControllerHost* host)
    : m_tree(controller, host)
{
}

CCtrlBarCaptureTypes::~CCtrlBarCaptureTypes()
{
    if (m_font)
        DeleteObject(m_font);
}

bool CCtrlBarCaptureTypes::Create(const wchar_t* title, HWND parent, UINT id, DWORD style)
{
    if (!CSizingControlBarCF::Create(title, parent, id, style))
        return false;
    SetSCBStyle(GetSCBStyle() | SCBS_SIZECHILD);
    RECT none = {};
    if (!m_tree.Create(none, GetSafeHwnd(), kTreeId))
        return false;
    HWND tree = m_tree.GetSafeHwnd();
    if (HWND tips = TreeView_GetToolTips(tree))
        SetWindowPos(tips, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return AppDecorateBarChild(tree, m_font);
}

void CCtrlBarCaptureTypes::Refresh()
{
    if (m_tree.GetSafeHwnd())
        m_tree.Refresh();
}

bool CCtrlBarCaptureTypes::SelectRecordType(int recordType, int page, bool select, bool force)
{
    return m_tree.GetSafeHwnd() && m_tree.SelectRecordType(recordType, page, select, force);
}

LRESULT CCtrlBarCaptureTypes::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_HELP)
    {
        AppShowBarHelp();
        return TRUE;
    }
    return CSizingControlBarCF::WindowProc(message, wParam, lParam);
}
