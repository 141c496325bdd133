#include "app/CCtrlBarOutput.h"

#include "app/BarChild.h"

CCtrlBarOutput::~CCtrlBarOutput()
{
    if (m_font)
        DeleteObject(m_font);
}

bool CCtrlBarOutput::Create(const wchar_t* title, HWND parent, UINT id, DWORD style)
{
    if (!CSizingControlBarCF::Create(title, parent, id, style))
        return false;
    SetSCBStyle(GetSCBStyle() | SCBS_SIZECHILD);
    RECT none = {};
    if (!m_view.Create(GetSafeHwnd(), CEditViewOutput::kViewId, none))
        return false;
    HWND view = m_view.GetSafeHwnd();
    return AppDecorateBarChild(view, m_font);
}

void CCtrlBarOutput::AppendLine(const CString& text, int maxLines)
{
    if (m_view.GetSafeHwnd())
        m_view.AppendLine(text, maxLines);
}

void CCtrlBarOutput::TrimToLimit(int maxLines)
{
    if (m_view.GetSafeHwnd())
        m_view.TrimToLimit(maxLines);
}

std::vector<CString> CCtrlBarOutput::GetLines() const
{
    return m_view.GetSafeHwnd() ? m_view.GetLines() : std::vector<CString>();
}

bool CCtrlBarOutput::FindInLine(int line, const CString& text, bool matchCase)
{
    return m_view.GetSafeHwnd() && m_view.FindInLine(line, text, matchCase);
}

bool CCtrlBarOutput::IsOutputWindow(HWND window) const
{
    return window && window == m_view.GetSafeHwnd();
}

LRESULT CCtrlBarOutput::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_HELP)
    {
        AppShowBarHelp();
        return TRUE;
    }
    return CSizingControlBarCF::WindowProc(message, wParam, lParam);
}
